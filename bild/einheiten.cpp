#include "bild/einheiten.h"

#include <QGuiApplication>
#include <QScreen>
#include <algorithm>
#include <cmath>

namespace lumora {

double LogischeDpi() {
    const QScreen* schirm = QGuiApplication::primaryScreen();
    const double dpi = schirm ? schirm->logicalDotsPerInch() : 96;
    return dpi > 0 ? dpi : 96;
}

int Pixel(double formEinheiten) {
    // Far off-screen positions are held at a million pixels, inside int's range.
    const double pixel = formEinheiten * LogischeDpi() / kFormProZoll;
    return static_cast<int>(std::lround(std::clamp(pixel, -1e6, 1e6)));
}

QRect FormRechteck(double links, double oben, double breite, double hoehe) {
    return QRect(Pixel(links), Pixel(oben), Pixel(breite), Pixel(hoehe));
}

}  // namespace lumora
