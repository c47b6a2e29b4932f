#include "bild/leinwandbild.h"

#include <algorithm>
#include <cmath>

#include "core/koordinaten.h"

namespace lumora {

QPointF Massstab(QSize innen) {
    return {(innen.width() - 1) / kLeinwandBreite, (innen.height() - 1) / kLeinwandHoehe};
}

void Rastern(QImage& bild, const Operation& op, Raster::Strich& letzter) {
    Raster r{reinterpret_cast<std::uint32_t*>(bild.bits()), bild.width(), bild.height(),
             bild.bytesPerLine() / 4, letzter};
    const QPointF s = Massstab(bild.size());
    const double sx = s.x();
    const double sy = s.y();
    const QRgb farbe = qRgb(op.farbe.r, op.farbe.g, op.farbe.b);
    if (op.art == Operation::Art::box) {
        RasterRechteck(r, op.x1 * sx, op.y1 * sy, op.x2 * sx, op.y2 * sy, farbe);
        letzter = {};  // the box may have covered the last line
    } else if (op.art == Operation::Art::line) {
        const int dicke =
            std::max(1, static_cast<int>(std::lround(op.breite * bild.devicePixelRatio())));
        RasterLinie(r, op.x1 * sx, op.y1 * sy, op.x2 * sx, op.y2 * sy, dicke, farbe);
        letzter = r.letzter;
    }
}

QImage Leinwandbild(const std::vector<Operation>& operationen, QSize innen, qreal dpr,
                    Raster::Strich* letzter) {
    QImage bild((innen * dpr).expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    bild.setDevicePixelRatio(dpr);
    bild.fill(Qt::white);
    Raster::Strich zuletzt{};
    for (const Operation& op : operationen) Rastern(bild, op, zuletzt);
    if (letzter) *letzter = zuletzt;
    return bild;
}

}  // namespace lumora
