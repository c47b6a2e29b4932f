#pragma once

#include <QImage>
#include <QPainter>
#include <QSize>

#include "bild/ueberlagerung.h"

namespace lumora {

// The overlay's background layer as the window paints it: into a clear image of the canvas
// interior.
inline QImage HintergrundBild(const Ueberlagerung& u, QSize innen) {
    QImage bild(innen, QImage::Format_ARGB32_Premultiplied);
    bild.fill(Qt::transparent);
    QPainter p(&bild);
    HintergrundMalen(p, u, innen);
    p.end();
    return bild;
}

}  // namespace lumora
