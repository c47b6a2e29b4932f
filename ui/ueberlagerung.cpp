#include "ui/ueberlagerung.h"

#include <QPainter>

namespace lumora {

Ueberlagerungsflaeche::Ueberlagerungsflaeche(QWidget* parent) : QWidget(parent) {
    setObjectName("Ueberlagerung");
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
}

void Ueberlagerungsflaeche::setUeberlagerung(Ueberlagerung u, bool hintergrund, bool imZug) {
    // During a drag the markers that stayed where they were since the last frame go into the
    // background image, once, so that a frame draws only what the dragged state moved.
    std::vector<bool> ruhend;
    if (imZug && u.marken.size() == u_.marken.size()) {
        ruhend.resize(u.marken.size());
        for (std::size_t i = 0; i < u.marken.size(); ++i) {
            const auto& a = u.marken[i];
            const auto& b = u_.marken[i];
            ruhend[i] = (ruhend_.empty() || ruhend_[i]) && a.ort == b.ort && a.name == b.name;
        }
    }
    if (ruhend != ruhend_) {
        ruhend_ = std::move(ruhend);
        hintergrund = true;
    }
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
        if (!ruhend_.empty()) RuhendeMarkenMalen(b, u_, size(), vorrat_, ruhend_);
        hintergrundAlt_ = false;
    }
    QPainter p(this);
    p.drawImage(QPoint(0, 0), hintergrund_);
    VordergrundMalen(p, u_, size(), &vorrat_, imZug_, ruhend_.empty() ? nullptr : &ruhend_);
}

}  // namespace lumora
