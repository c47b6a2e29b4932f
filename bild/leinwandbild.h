#pragma once

#include <QImage>
#include <QPointF>
#include <QSize>
#include <vector>

#include "bild/raster.h"
#include "chart/zeichenflaeche.h"

namespace lumora {

// Pixels per canvas unit, across and down, for an interior of the given size in pixels:
// canvas 0 and kLeinwandBreite (kLeinwandHoehe) fall on the centres of the first and last
// pixel.
QPointF Massstab(QSize innen);

// Where an image lies in the canvas interior as the rasteriser sees it: the whole interior is
// `ganz` device pixels at `skala` device pixels to the pixel, and the image holds the part of
// it whose top-left pixel is `ursprung`. A zoomed view rasterises only what it shows.
struct Rasterlage {
    QSize ganz;
    QPoint ursprung;
    qreal skala = 1;
};
// The image as the whole interior: its own size and device pixel ratio.
Rasterlage GanzesBild(const QImage& bild);

// Draws one operation of the canvas into its image with the program's own rasteriser, at the
// lage's scale: boxes filled, lines of DrawWidth pixels scaled by it.
// letzter is the last line drawn into the image, which a line that repeats it skips.
void Rastern(QImage& bild, const Operation& op, Raster::Strich& letzter, const Rasterlage& lage);
inline void Rastern(QImage& bild, const Operation& op, Raster::Strich& letzter) {
    Rastern(bild, op, letzter, GanzesBild(bild));
}

// The canvas interior of innen device-independent pixels at dpr device pixels to the pixel,
// white, with the operations drawn into it in their order: the window's backing image and the
// canvas of every raster export are this image.
// letzter, when given, receives the last line drawn, for drawing on.
QImage Leinwandbild(const std::vector<Operation>& operationen, QSize innen, qreal dpr,
                    Raster::Strich* letzter = nullptr);

// The part `teil` (device pixels, inside lage.ganz) of the interior rasterised at lage.skala,
// white with the operations drawn into it; an image of teil's size at device pixel ratio 1.
QImage Leinwandausschnitt(const std::vector<Operation>& operationen, QSize ganz, qreal skala,
                          const QRect& teil);

}  // namespace lumora
