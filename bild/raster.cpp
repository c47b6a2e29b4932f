#include "bild/raster.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "core/strecke.h"

namespace lumora {

namespace {

// Draws the pixels (a + i, b(i)) for the main coordinate a from a0 to a1, where b follows the
// line in 32.32 fixed point, rounded to the nearest pixel; `dicke` pixels across. Called
// with the axes swapped for steep lines.
template <bool Steil, int Dicke>
void Zug(Raster& r, int a0, int b0, int a1, int b1, int dickeSonst, std::uint32_t farbe) {
    const int dicke = Dicke > 0 ? Dicke : dickeSonst;  // fixed for the usual widths
    if (a1 < a0) {
        std::swap(a0, a1);
        std::swap(b0, b1);
    }
    const int haupt = Steil ? r.hoehe : r.breite;
    const unsigned quer = static_cast<unsigned>(Steil ? r.breite : r.hoehe);
    const std::int64_t schritt =
        a1 > a0 ? (static_cast<std::int64_t>(b1 - b0) * (std::int64_t{1} << 32)) / (a1 - a0) : 0;
    const int von = std::max(a0, 0);
    const int bis = std::min(a1, haupt - 1);
    std::int64_t b = static_cast<std::int64_t>(b0) * (std::int64_t{1} << 32) +
                     (std::int64_t{1} << 31) + (von - a0) * schritt;
    const int erste = -(dicke / 2);
    for (int a = von; a <= bis; ++a, b += schritt) {
        const int mitte = static_cast<int>(b >> 32);
        for (int q = mitte + erste; q < mitte + erste + dicke; ++q) {
            if (static_cast<unsigned>(q) >= quer) continue;
            if (Steil) {
                r.pixel[a * r.zeilenlaenge + q] = farbe;
            } else {
                r.pixel[q * r.zeilenlaenge + a] = farbe;
            }
        }
    }
}

// Nearest whole number of a value that clipping has brought near the buffer.
int Runden(double v) { return static_cast<int>(std::floor(v + 0.5)); }

}  // namespace

void RasterLinie(Raster& r, double x1, double y1, double x2, double y2, int dicke,
                 std::uint32_t farbe) {
    if (r.breite <= 0 || r.hoehe <= 0 || dicke <= 0) return;
    // A thick line reaches up to dicke/2 pixels beside its centre; cut with that margin.
    const double rand = dicke / 2 + 0.5;
    if (!StreckeKappen(x1, y1, x2, y2, -rand, -rand, r.breite - 1 + rand, r.hoehe - 1 + rand)) {
        return;
    }
    int xa = Runden(x1), ya = Runden(y1), xb = Runden(x2), yb = Runden(y2);
    const Raster::Strich strich{xa, ya, xb, yb, dicke, farbe};
    if (strich == r.letzter) return;
    r.letzter = strich;
    const bool steil = std::abs(xb - xa) < std::abs(yb - ya);
    if (steil) std::swap(xa, ya), std::swap(xb, yb);
    switch ((steil ? 8 : 0) + std::min(dicke, 3)) {
        case 1:
            return Zug<false, 1>(r, xa, ya, xb, yb, dicke, farbe);
        case 2:
            return Zug<false, 2>(r, xa, ya, xb, yb, dicke, farbe);
        case 3:
            return Zug<false, 0>(r, xa, ya, xb, yb, dicke, farbe);
        case 9:
            return Zug<true, 1>(r, xa, ya, xb, yb, dicke, farbe);
        case 10:
            return Zug<true, 2>(r, xa, ya, xb, yb, dicke, farbe);
        default:
            return Zug<true, 0>(r, xa, ya, xb, yb, dicke, farbe);
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
