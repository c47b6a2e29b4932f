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

// Draws one operation of the canvas into its image with the program's own rasteriser, at the
// image's device pixel ratio: boxes filled, lines of DrawWidth pixels scaled by the ratio.
// letzter is the last line drawn into the image, which a line that repeats it skips.
void Rastern(QImage& bild, const Operation& op, Raster::Strich& letzter);

// The canvas interior of innen device-independent pixels at dpr device pixels to the pixel,
// white, with the operations drawn into it in their order: the window's backing image and the
// canvas of every raster export are this image.
// letzter, when given, receives the last line drawn, for drawing on.
QImage Leinwandbild(const std::vector<Operation>& operationen, QSize innen, qreal dpr,
                    Raster::Strich* letzter = nullptr);

}  // namespace lumora
