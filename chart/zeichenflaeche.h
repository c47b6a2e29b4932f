#pragma once

#include <cstdint>

namespace lumora {

// An RGB colour, each channel 0..255.
struct Farbe {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    bool operator==(const Farbe&) const = default;
};

// The two picture areas of the chart window that a run refreshes.
enum class Bereich { pic_Diagramm, pic_gesamt };

// The canvas as the chart run sees it: 0..12000 across, 0..8000 down, in canvas units.
// Drawing is persistent; Refresh shows what has been drawn so far.
class Zeichenflaeche {
  public:
    virtual ~Zeichenflaeche() = default;

    // Straight line between two absolute canvas points in the current DrawWidth. The end
    // points may lie far outside the canvas; only the part inside is drawn.
    virtual void Line(float x1, float y1, float x2, float y2, Farbe farbe) = 0;
    // The axis-parallel box with the corners (x1, y1) and (x2, y2), filled.
    virtual void Box(float x1, float y1, float x2, float y2, Farbe farbe) = 0;
    // Width in pixels of the lines drawn from now on.
    virtual void DrawWidth(int breite) = 0;
    virtual void Refresh(Bereich bereich) = 0;
};

}  // namespace lumora
