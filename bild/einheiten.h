#pragma once

#include <QRect>

namespace lumora {

// Form units: 1440 to the inch, 15 to a pixel at 96 dpi. Window layouts are given in them.
inline constexpr double kFormProZoll = 1440;

// The logical dpi that form units are converted at: the primary screen's.
double LogischeDpi();

// Device-independent pixels of a length or position in form units.
int Pixel(double formEinheiten);

// A layout rectangle in form units as a widget geometry.
QRect FormRechteck(double links, double oben, double breite, double hoehe);

}  // namespace lumora
