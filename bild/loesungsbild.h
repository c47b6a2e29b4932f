#pragma once

#include <QColor>
#include <QSize>

#include "bild/ueberlagerung.h"

class QPainter;

namespace lumora {

// The colour of a solution's states and processes beside a student's own orange ones.
inline const QColor kLoesungsfarbe(140, 0, 160);

// The solution of an exercise as the overlay shows it beside a hand-in ("Lösung zeigen"):
// the lines and markers of the solution's own overlay.
void LoesungDazu(Ueberlagerung& u, const Ueberlagerung& loesung);

// Draws u.loesungLinien and u.loesungMarken in the second style: thin dashed lines without
// arrowheads and hollow dashed circles in kLoesungsfarbe, each name below and to the right, or
// wherever else beside its circle it covers none of the student's markers and names.
void LoesungMalen(QPainter& p, const Ueberlagerung& u, QSize innen);

}  // namespace lumora
