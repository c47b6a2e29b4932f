#include "bild/raster.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace lumora {
namespace {

// A small buffer with a one-pixel guard band around it, to catch writes outside.
class Puffer {
  public:
    Puffer(int breite, int hoehe)
        : breite_(breite), hoehe_(hoehe), daten_((breite + 2) * (hoehe + 2), 0) {}

    Raster raster() { return {daten_.data() + (breite_ + 2) + 1, breite_, hoehe_, breite_ + 2}; }
    std::uint32_t at(int x, int y) const { return daten_[(y + 1) * (breite_ + 2) + x + 1]; }
    // Rows of '#' for set pixels, '.' for empty ones, without the guard band.
    std::string bild() const {
        std::string s;
        for (int y = 0; y < hoehe_; ++y) {
            for (int x = 0; x < breite_; ++x) s += at(x, y) ? '#' : '.';
            s += '\n';
        }
        return s;
    }
    bool randSauber() const {
        for (int x = -1; x <= breite_; ++x) {
            if (at(x, -1) || at(x, hoehe_)) return false;
        }
        for (int y = -1; y <= hoehe_; ++y) {
            if (at(-1, y) || at(breite_, y)) return false;
        }
        return true;
    }

  private:
    int breite_, hoehe_;
    std::vector<std::uint32_t> daten_;
};

TEST(Raster, HorizontalVerticalAndDiagonalOnePixel) {
    Puffer p(6, 4);
    Raster r = p.raster();
    RasterLinie(r, 0, 0, 5, 0, 1, 1);
    RasterLinie(r, 5, 1, 5, 3, 1, 1);
    RasterLinie(r, 1, 1, 3, 3, 1, 1);
    EXPECT_EQ(p.bild(),
              "######\n"
              ".#...#\n"
              "..#..#\n"
              "...#.#\n");
    EXPECT_TRUE(p.randSauber());
}

TEST(Raster, TwoPixelsAcrossTheMainDirection) {
    Puffer p(6, 5);
    Raster r = p.raster();
    RasterLinie(r, 1, 2, 4, 2, 2, 1);  // horizontal: thick downwards-up
    RasterLinie(r, 0, 0, 0, 4, 2, 1);  // vertical on the left edge: half is cut
    EXPECT_EQ(p.bild(),
              "#.....\n"
              "#####.\n"
              "#####.\n"
              "#.....\n"
              "#.....\n");
    EXPECT_TRUE(p.randSauber());
}

TEST(Raster, EndPointsMillionsOfUnitsAwayAreCut) {
    Puffer a(8, 8);
    Puffer b(8, 8);
    Raster ra = a.raster();
    Raster rb = b.raster();
    // The same line, once with its end points far away along it.
    RasterLinie(ra, -1e7, -1e7, 1e7, 1e7, 1, 7);
    RasterLinie(rb, 0, 0, 7, 7, 1, 7);
    EXPECT_EQ(a.bild(), b.bild());
    RasterLinie(ra, -3e9, 4, 5e12, 4, 2, 7);
    EXPECT_EQ(a.at(0, 4), 7u);
    EXPECT_EQ(a.at(7, 3), 7u);
    EXPECT_TRUE(a.randSauber());
    // Entirely outside: nothing.
    Puffer c(8, 8);
    Raster rc = c.raster();
    RasterLinie(rc, -1e6, -5, 1e6, -5, 2, 7);
    RasterLinie(rc, 9, -1e6, 9, 1e6, 1, 7);
    EXPECT_EQ(c.bild().find('#'), std::string::npos);
    EXPECT_TRUE(c.randSauber());
}

TEST(Raster, EdgesOfTheBufferAndBoxes) {
    Puffer p(5, 3);
    Raster r = p.raster();
    RasterRechteck(r, -100, -100, 100, 100, 9);
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 5; ++x) EXPECT_EQ(p.at(x, y), 9u);
    }
    EXPECT_TRUE(p.randSauber());
    RasterRechteck(r, 1, 1, 2, 1, 3);
    EXPECT_EQ(p.at(1, 1), 3u);
    EXPECT_EQ(p.at(2, 1), 3u);
    EXPECT_EQ(p.at(3, 1), 9u);
    RasterLinie(r, 4, -2, 4, 10, 2, 5);  // the right edge, two pixels wide
    EXPECT_EQ(p.at(4, 0), 5u);
    EXPECT_EQ(p.at(3, 2), 5u);
    EXPECT_TRUE(p.randSauber());
}

TEST(Raster, OnePixelPerStepOnTheNearestRow) {
    // Lines between whole pixels: for each column of a flat line exactly one pixel is set,
    // in the row nearest to the ideal line (and the same for steep lines by rows).
    std::uint32_t zufall = 12345;
    auto naechste = [&](int n) {
        zufall = zufall * 1664525u + 1013904223u;
        return static_cast<int>((zufall >> 8) % static_cast<unsigned>(n));
    };
    for (int versuch = 0; versuch < 200; ++versuch) {
        Puffer p(40, 30);
        Raster r = p.raster();
        const int x1 = naechste(40), y1 = naechste(30), x2 = naechste(40), y2 = naechste(30);
        RasterLinie(r, x1, y1, x2, y2, 1, 1);
        const bool flach = std::abs(x2 - x1) >= std::abs(y2 - y1);
        const int von = flach ? std::min(x1, x2) : std::min(y1, y2);
        const int bis = flach ? std::max(x1, x2) : std::max(y1, y2);
        int gesetzt = 0;
        for (int a = 0; a < (flach ? 40 : 30); ++a) {
            int inDerSpalte = 0;
            for (int b = 0; b < (flach ? 30 : 40); ++b) {
                if (!(flach ? p.at(a, b) : p.at(b, a))) continue;
                ++inDerSpalte;
                const double ideal =
                    flach ? (x1 == x2 ? y1 : y1 + (a - x1) * double(y2 - y1) / (x2 - x1))
                          : x1 + (a - y1) * double(x2 - x1) / (y2 - y1);
                EXPECT_LE(std::abs(b - ideal), 0.5 + 1e-9)
                    << x1 << "," << y1 << "-" << x2 << "," << y2;
            }
            EXPECT_EQ(inDerSpalte, a >= von && a <= bis ? 1 : 0);
            gesetzt += inDerSpalte;
        }
        EXPECT_EQ(gesetzt, bis - von + 1);
        EXPECT_TRUE(p.randSauber());
    }
}

TEST(Raster, RepeatedLineIsSkippedOnlyWhenNothingWouldChange) {
    Puffer p(8, 8);
    Raster r = p.raster();
    RasterLinie(r, 0, 2, 7, 2, 1, 1);
    p.raster().pixel[2 * 10 + 3] = 9;          // something else drew over it meanwhile...
    r.letzter = {};                            // ...and said so, as a box does
    RasterLinie(r, 0.2, 2.1, 7.3, 1.9, 1, 1);  // the same pixels again
    EXPECT_EQ(p.at(3, 2), 1u);
    RasterLinie(r, 0, 2, 7, 2, 1, 5);  // same pixels, other colour: drawn
    EXPECT_EQ(p.at(3, 2), 5u);
    RasterLinie(r, 0, 2, 7, 2, 2, 5);  // other width: drawn
    EXPECT_EQ(p.at(3, 1), 5u);
}

}  // namespace
}  // namespace lumora
