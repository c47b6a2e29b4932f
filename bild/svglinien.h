#pragma once

#include <QByteArray>

#include "bild/laeufe.h"

namespace lumora {

// The one writer of vector text of its own: the canvas runs as SVG elements in pixels of the
// interior, a path per run of segments (at most kStreckenJePfad), each a move to its start and
// a line relative to it, with coordinates in hundredths of a pixel, and a rectangle per box.
// Qt's SVG writer repeats every attribute of the painter's state for each element, which makes
// the file of a fine chart four times as large.
QByteArray SvgText(const Laeufe& l);

// The text that the painter draws where the canvas runs belong, at the canvas's origin, before
// any label or name; SvgEinsetzen puts the runs in place of the whole text element that holds
// it. False when the document does not hold it.
inline constexpr char kLinienMarke[] = "lumora-leinwandlinien";
bool SvgEinsetzen(QByteArray& svg, const QByteArray& linien);

}  // namespace lumora
