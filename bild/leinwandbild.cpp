#include "bild/leinwandbild.h"

#include <algorithm>
#include <cmath>

#include "core/koordinaten.h"

namespace lumora {

QPointF Massstab(QSize innen) {
    return {(innen.width() - 1) / kLeinwandBreite, (innen.height() - 1) / kLeinwandHoehe};
}

Rasterlage GanzesBild(const QImage& bild) {
    return {bild.size(), QPoint(0, 0), bild.devicePixelRatio()};
}

void Rastern(QImage& bild, const Operation& op, Raster::Strich& letzter, const Rasterlage& lage) {
    Raster r{reinterpret_cast<std::uint32_t*>(bild.bits()), bild.width(), bild.height(),
             bild.bytesPerLine() / 4, letzter};
    const QPointF s = Massstab(lage.ganz);
    const double sx = s.x();
    const double sy = s.y();
    // Pixel coordinates of the whole interior, moved to the image's part of it; the
    // rasteriser cuts what lies outside.
    const double ox = lage.ursprung.x();
    const double oy = lage.ursprung.y();
    const QRgb farbe = qRgb(op.farbe.r, op.farbe.g, op.farbe.b);
    if (op.art == Operation::Art::box) {
        RasterRechteck(r, op.x1 * sx - ox, op.y1 * sy - oy, op.x2 * sx - ox, op.y2 * sy - oy,
                       farbe);
        letzter = {};  // the box may have covered the last line
    } else if (op.art == Operation::Art::line) {
        const int dicke = std::max(1, static_cast<int>(std::lround(op.breite * lage.skala)));
        RasterLinie(r, op.x1 * sx - ox, op.y1 * sy - oy, op.x2 * sx - ox, op.y2 * sy - oy, dicke,
                    farbe);
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

QImage Leinwandausschnitt(const std::vector<Operation>& operationen, QSize ganz, qreal skala,
                          const QRect& teil) {
    QImage bild(teil.size().expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    bild.fill(Qt::white);
    const Rasterlage lage{ganz, teil.topLeft(), skala};
    Raster::Strich zuletzt{};
    for (const Operation& op : operationen) Rastern(bild, op, zuletzt, lage);
    return bild;
}

}  // namespace lumora
