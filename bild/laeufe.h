#pragma once

#include <QPainter>
#include <QRectF>
#include <QRgb>
#include <QSize>
#include <cstdint>
#include <vector>

#include "chart/zeichenflaeche.h"

namespace lumora {

// A line of a run in hundredths of a pixel of the interior, and the run's next line.
struct Strecke {
    std::int32_t x1, y1, x2, y2;
    int naechste = -1;
};

// A run: lines of one colour and width drawn as one path, or a filled box.
struct Lauf {
    QRgb farbe = 0;
    int breite = 0;  // 0 for a box
    QRectF kasten;
    int erste = -1;  // its lines, chained through Strecke::naechste
    int letzte = -1;
};

// The canvas lines for a vector file: cut to the interior, rounded, and gathered into runs of
// one colour and width, each to be drawn as a single path of separate segments. A line joins
// the latest run of its kind when nothing drawn since comes near it, so the picture stays the
// same while the file holds one element per run instead of one per line. Segments are never
// joined at their ends: a path's joins would fill corners that separate flat-ended lines
// leave open. A line that repeats the previous one of its run adds no pixel and is left out.
struct Laeufe {
    std::vector<Lauf> laeufe;
    std::vector<Strecke> strecken;
};

// The canvas operations as runs, for an interior of innen pixels at sx, sy pixels per canvas
// unit.
Laeufe Sammeln(const std::vector<Operation>& operationen, double sx, double sy, QSize innen);

// Segments per path: Qt's own SVG reader cuts a path off after 32767 elements, and every
// segment is two of them. A longer run is written as several paths.
inline constexpr int kStreckenJePfad = 8192;

// The runs through the painter, in pixels of the interior: a path per run of segments (at
// most kStreckenJePfad each), a filled rectangle per box.
void PfadeMalen(QPainter& p, const Laeufe& l);

// A box of the canvas in pixels of the interior, covering the pixels of both corners.
QRectF Kasten(const Operation& op, double sx, double sy);

}  // namespace lumora
