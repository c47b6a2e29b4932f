#include "ui/leinwand.h"

#include <QPainter>
#include <cmath>

#include "bild/raster.h"
#include "core/koordinaten.h"

namespace lumora {

Leinwand::Leinwand(QWidget* parent) : QWidget(parent) { setAttribute(Qt::WA_OpaquePaintEvent); }

QSize Leinwand::innenGroesse() const { return size() - QSize(2, 2); }

void Leinwand::Line(float x1, float y1, float x2, float y2, Farbe farbe) {
    operationen_.push_back({Operation::Art::line, x1, y1, x2, y2, farbe, breite_});
    if (bild_.isNull()) bildPassen();  // the run's clearing box has fitted it already
    Rastern(bild_, operationen_.back(), letzter_);
}

void Leinwand::Box(float x1, float y1, float x2, float y2, Farbe farbe) {
    // A box over the whole canvas hides everything before it, so the list can forget it.
    if (std::fmin(x1, x2) <= 0 && std::fmin(y1, y2) <= 0 && std::fmax(x1, x2) >= kLeinwandBreite &&
        std::fmax(y1, y2) >= kLeinwandHoehe) {
        operationen_.clear();
    }
    operationen_.push_back({Operation::Art::box, x1, y1, x2, y2, farbe, 0});
    bildPassen();
    Rastern(bild_, operationen_.back(), letzter_);
}

void Leinwand::Refresh(Bereich bereich) {
    if (bereich == Bereich::pic_gesamt && parentWidget()) {
        parentWidget()->repaint();
    } else {
        repaint();
    }
    emit aufgefrischt();
}

// Keeps the backing image at the interior's size in device pixels; when that changes,
// for instance on a screen with another pixel ratio, it is drawn anew from the list.
void Leinwand::bildPassen() {
    const qreal dpr = pixelverhaeltnis();
    const QSize groesse = innenGroesse() * dpr;
    if (bild_.size() == groesse && bild_.devicePixelRatio() == dpr) return;
    bild_ = Leinwandbild(operationen_, innenGroesse(), dpr, &letzter_);
}

void Leinwand::paintEvent(QPaintEvent*) {
    bildPassen();
    QPainter p(this);
    p.setPen(Qt::black);
    p.drawRect(0, 0, width() - 1, height() - 1);  // the single fixed border
    p.drawImage(QPoint(1, 1), bild_);
}

}  // namespace lumora
