#pragma once

#include <QIcon>
#include <QPixmap>

namespace lumora {

// The window icon of both windows: 32 x 32 pixels in 16 colours.
QIcon Programmsymbol();
QImage Programmsymbolbild();

// The emblem: a small chart sign, 24 bits per pixel, of the given size.
QPixmap Emblem(int breite, int hoehe);

// The narrow upright picture beside the chart: the program's name and a credit line,
// written bottom to top, 24 x 143 pixels.
QPixmap Hochbild();

}  // namespace lumora
