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

// Largest magnitude the run hands on as a float; far outside the canvas and the label
// area, and well inside the float range, so a huge double never turns into an infinite
// float.
inline constexpr double kWeitDraussen = 1e30;

// One drawing operation as a canvas keeps it: the canvas window, the recording surface,
// the export and the benchmark's yardstick all read this record.
struct Operation {
    enum class Art { line, box, refresh };
    Art art = Art::line;
    float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    Farbe farbe;
    int breite = 0;                           // DrawWidth in force, for lines
    Bereich bereich = Bereich::pic_Diagramm;  // for refresh
};

// The canvas as the chart run sees it: 0..kLeinwandBreite across, 0..kLeinwandHoehe down
// (core/koordinaten.h), in canvas units.
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
