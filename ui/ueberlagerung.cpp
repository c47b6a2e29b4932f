#include "ui/ueberlagerung.h"

#include <QPainter>

namespace lumora {

Ueberlagerungsflaeche::Ueberlagerungsflaeche(QWidget* parent) : QWidget(parent) {
    setObjectName("Ueberlagerung");
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
}

void Ueberlagerungsflaeche::setUeberlagerung(Ueberlagerung u, bool hintergrund, bool imZug) {
    imZug_ = imZug;
    u_ = std::move(u);
    hintergrundAlt_ = hintergrundAlt_ || hintergrund;
    update();
}

void Ueberlagerungsflaeche::resizeEvent(QResizeEvent* ereignis) {
    hintergrundAlt_ = true;
    QWidget::resizeEvent(ereignis);
}

void Ueberlagerungsflaeche::paintEvent(QPaintEvent*) {
    const qreal dpr = devicePixelRatioF();
    if (hintergrundAlt_ || hintergrund_.size() != size() * dpr) {
        hintergrund_ = QImage(size() * dpr, QImage::Format_ARGB32_Premultiplied);
        hintergrund_.setDevicePixelRatio(dpr);
        hintergrund_.fill(Qt::transparent);
        QPainter b(&hintergrund_);
        HintergrundMalen(b, u_, size());
        hintergrundAlt_ = false;
    }
    QPainter p(this);
    p.drawImage(QPoint(0, 0), hintergrund_);
    VordergrundMalen(p, u_, size(), &vorrat_, imZug_);
}

}  // namespace lumora
