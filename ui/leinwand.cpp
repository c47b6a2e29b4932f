#include "ui/leinwand.h"

#include <QPainter>
#include <cmath>

#include "core/koordinaten.h"
#include "ui/raster.h"

namespace lumora {

namespace {

QRgb Rgb(Farbe f) { return qRgb(f.r, f.g, f.b); }

}  // namespace

Leinwand::Leinwand(QWidget* parent) : QWidget(parent) { setAttribute(Qt::WA_OpaquePaintEvent); }

QPointF Massstab(QSize innen) {
    return {(innen.width() - 1) / kLeinwandBreite, (innen.height() - 1) / kLeinwandHoehe};
}

QSize Leinwand::innenGroesse() const { return size() - QSize(2, 2); }

void Leinwand::Line(float x1, float y1, float x2, float y2, Farbe farbe) {
    operationen_.push_back({Operation::Art::line, x1, y1, x2, y2, farbe, breite_});
    if (bild_.isNull()) bildPassen();  // the run's clearing box has fitted it already
    rastern(operationen_.back());
}

void Leinwand::Box(float x1, float y1, float x2, float y2, Farbe farbe) {
    // A box over the whole canvas hides everything before it, so the list can forget it.
    if (std::fmin(x1, x2) <= 0 && std::fmin(y1, y2) <= 0 && std::fmax(x1, x2) >= kLeinwandBreite &&
        std::fmax(y1, y2) >= kLeinwandHoehe) {
        operationen_.clear();
    }
    operationen_.push_back({Operation::Art::box, x1, y1, x2, y2, farbe, 0});
    bildPassen();
    rastern(operationen_.back());
}

void Leinwand::Refresh(Bereich bereich) {
    if (bereich == Bereich::pic_gesamt && parentWidget()) {
        parentWidget()->repaint();
    } else {
        repaint();
    }
}

// Keeps the backing image at the interior's size in device pixels; when that changes,
// for instance on a screen with another pixel ratio, it is drawn anew from the list.
void Leinwand::bildPassen() {
    const qreal dpr = pixelverhaeltnis();
    const QSize groesse = innenGroesse() * dpr;
    if (bild_.size() == groesse && bild_.devicePixelRatio() == dpr) return;
    bild_ = QImage(groesse.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    letzter_ = {};
    bild_.setDevicePixelRatio(dpr);
    bild_.fill(Qt::white);
    for (const Operation& op : operationen_) rastern(op);
}

void Leinwand::rastern(const Operation& op) {
    Raster r{reinterpret_cast<std::uint32_t*>(bild_.bits()), bild_.width(), bild_.height(),
             bild_.bytesPerLine() / 4, letzter_};
    const QPointF s = Massstab(bild_.size());
    const double sx = s.x();
    const double sy = s.y();
    if (op.art == Operation::Art::box) {
        RasterRechteck(r, op.x1 * sx, op.y1 * sy, op.x2 * sx, op.y2 * sy, Rgb(op.farbe));
        letzter_ = {};  // the box may have covered the last line
    } else {
        const int dicke =
            std::max(1, static_cast<int>(std::lround(op.breite * bild_.devicePixelRatio())));
        RasterLinie(r, op.x1 * sx, op.y1 * sy, op.x2 * sx, op.y2 * sy, dicke, Rgb(op.farbe));
        letzter_ = r.letzter;
    }
}

void Leinwand::paintEvent(QPaintEvent*) {
    bildPassen();
    QPainter p(this);
    p.setPen(Qt::black);
    p.drawRect(0, 0, width() - 1, height() - 1);  // the single fixed border
    p.drawImage(QPoint(1, 1), bild_);
}

}  // namespace lumora
