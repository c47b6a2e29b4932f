#include "ui/raster.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "core/strecke.h"

namespace lumora {

namespace {

int Pixelindex(double v, int anzahl) {
    return static_cast<int>(std::clamp(std::lround(v), 0L, static_cast<long>(anzahl) - 1));
}

}  // namespace

void RasterLinie(Raster& r, double x1, double y1, double x2, double y2, int dicke,
                 std::uint32_t farbe) {
    if (r.breite <= 0 || r.hoehe <= 0 || dicke <= 0) return;
    // A thick line reaches up to dicke/2 pixels beside its centre; cut with that margin.
    const double rand = dicke / 2 + 0.5;
    if (!StreckeKappen(x1, y1, x2, y2, -rand, -rand, r.breite - 1 + rand, r.hoehe - 1 + rand)) {
        return;
    }
    const int rx = r.breite + static_cast<int>(rand) * 2;
    const int ry = r.hoehe + static_cast<int>(rand) * 2;
    const int versatz = static_cast<int>(rand);
    // Bresenham on integer points, in a frame that includes the margin.
    int x = Pixelindex(x1 + versatz, rx) - versatz;
    int y = Pixelindex(y1 + versatz, ry) - versatz;
    const int xe = Pixelindex(x2 + versatz, rx) - versatz;
    const int ye = Pixelindex(y2 + versatz, ry) - versatz;
    const int dx = std::abs(xe - x);
    const int dy = -std::abs(ye - y);
    const int sx = x < xe ? 1 : -1;
    const int sy = y < ye ? 1 : -1;
    const bool waagerecht = dx >= -dy;  // thickness goes across the main direction
    const int von = -(dicke / 2);
    const int bis = dicke - 1 - dicke / 2;
    int fehler = dx + dy;
    while (true) {
        for (int o = von; o <= bis; ++o) {
            const int px = waagerecht ? x : x + o;
            const int py = waagerecht ? y + o : y;
            if (px >= 0 && px < r.breite && py >= 0 && py < r.hoehe) {
                r.pixel[py * r.zeilenlaenge + px] = farbe;
            }
        }
        if (x == xe && y == ye) break;
        const int e2 = 2 * fehler;
        if (e2 >= dy) {
            fehler += dy;
            x += sx;
        }
        if (e2 <= dx) {
            fehler += dx;
            y += sy;
        }
    }
}

void RasterRechteck(Raster& r, double x1, double y1, double x2, double y2, std::uint32_t farbe) {
    const int links = std::max(0, static_cast<int>(std::ceil(std::max(std::min(x1, x2), -1.0))));
    const int rechts = std::min(
        r.breite - 1, static_cast<int>(std::floor(std::min(std::max(x1, x2), 1.0 * r.breite))));
    const int oben = std::max(0, static_cast<int>(std::ceil(std::max(std::min(y1, y2), -1.0))));
    const int unten = std::min(
        r.hoehe - 1, static_cast<int>(std::floor(std::min(std::max(y1, y2), 1.0 * r.hoehe))));
    for (int y = oben; y <= unten && links <= rechts; ++y) {
        std::uint32_t* zeile = r.pixel + y * r.zeilenlaenge;
        std::fill(zeile + links, zeile + rechts + 1, farbe);
    }
}

}  // namespace lumora
