#pragma once

#include <cstddef>
#include <cstdint>

namespace lumora {

// A 32-bit pixel buffer to draw into, e.g. the bits of a QImage.
struct Raster {
    std::uint32_t* pixel;
    int breite;
    int hoehe;
    std::ptrdiff_t zeilenlaenge;  // pixels from one row to the next
    // The last line drawn, in whole pixels after cutting. A line that would set exactly
    // the same pixels in the same colour again is skipped: very fine grids put thousands
    // of lines onto one pixel row or column.
    struct Strich {
        int xa = 0, ya = 0, xb = 0, yb = 0, dicke = 0;
        std::uint32_t farbe = 0;
        bool operator==(const Strich&) const = default;
    } letzter{};
};

// An aliased line between two points in pixel coordinates (the centre of pixel i is at i),
// `dicke` pixels thick across its main direction. The end points may lie anywhere: the
// line is cut to the buffer first.
void RasterLinie(Raster& r, double x1, double y1, double x2, double y2, int dicke,
                 std::uint32_t farbe);

// Fills every pixel whose centre lies in the box with the corners (x1, y1), (x2, y2).
void RasterRechteck(Raster& r, double x1, double y1, double x2, double y2, std::uint32_t farbe);

}  // namespace lumora
