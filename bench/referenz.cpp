#include "bench/referenz.h"

#include <cmath>
#include <cstdlib>

#include "core/koordinaten.h"

namespace lumora {

namespace {

// Cohen-Sutherland against [0, w-1] x [0, h-1].
int Code(double x, double y, double w, double h) {
    return (x < 0) | ((x > w) << 1) | ((y < 0) << 2) | ((y > h) << 3);
}

bool Kappen(double& x1, double& y1, double& x2, double& y2, double w, double h) {
    int c1 = Code(x1, y1, w, h);
    int c2 = Code(x2, y2, w, h);
    while (true) {
        if (!(c1 | c2)) return true;
        if (c1 & c2) return false;
        const int c = c1 ? c1 : c2;
        double x = 0;
        double y = 0;
        if (c & 8) {
            x = x1 + (x2 - x1) * (h - y1) / (y2 - y1), y = h;
        } else if (c & 4) {
            x = x1 + (x2 - x1) * (0 - y1) / (y2 - y1), y = 0;
        } else if (c & 2) {
            y = y1 + (y2 - y1) * (w - x1) / (x2 - x1), x = w;
        } else {
            y = y1 + (y2 - y1) * (0 - x1) / (x2 - x1), x = 0;
        }
        if (c == c1) {
            x1 = x, y1 = y, c1 = Code(x1, y1, w, h);
        } else {
            x2 = x, y2 = y, c2 = Code(x2, y2, w, h);
        }
    }
}

}  // namespace

void ReferenzRastern(const std::vector<Operation>& linien, int breite, int hoehe,
                     std::vector<std::uint32_t>& puffer) {
    puffer.assign(static_cast<std::size_t>(breite) * hoehe, 0xffffffff);
    const double sx = (breite - 1) / kLeinwandBreite;
    const double sy = (hoehe - 1) / kLeinwandHoehe;
    for (const auto& op : linien) {
        if (op.art != Operation::Art::line) continue;
        double x1 = op.x1 * sx, y1 = op.y1 * sy, x2 = op.x2 * sx, y2 = op.y2 * sy;
        if (!Kappen(x1, y1, x2, y2, breite - 1, hoehe - 1)) continue;
        int x = static_cast<int>(std::lround(x1)), y = static_cast<int>(std::lround(y1));
        const int xe = static_cast<int>(std::lround(x2)), ye = static_cast<int>(std::lround(y2));
        const int dx = std::abs(xe - x), dy = -std::abs(ye - y);
        const int sxi = x < xe ? 1 : -1, syi = y < ye ? 1 : -1;
        const bool quer = dx >= -dy;
        const std::uint32_t farbe = 0xff000000u | op.farbe.r << 16 | op.farbe.g << 8 | op.farbe.b;
        int fehler = dx + dy;
        while (true) {
            puffer[static_cast<std::size_t>(y) * breite + x] = farbe;
            if (op.breite == 2) {
                const int px = quer ? x : x - 1, py = quer ? y - 1 : y;
                if (px >= 0 && py >= 0) puffer[static_cast<std::size_t>(py) * breite + px] = farbe;
            }
            if (x == xe && y == ye) break;
            const int e2 = 2 * fehler;
            if (e2 >= dy) fehler += dy, x += sxi;
            if (e2 <= dx) fehler += dx, y += syi;
        }
    }
}

}  // namespace lumora
