#pragma once

#include <QString>

#include "bild/zeichnung.h"

namespace lumora {

// Saves the view `a` of the chart area, by default the whole area, as PNG (at `pngSkala` device
// pixels to the window's pixel), SVG or PDF, chosen by the file's ending. Writes a temporary file
// and renames it only when complete. Returns an error message in German, or an empty text on
// success.
QString DiagrammSpeichern(const Diagrammbild& b, const QString& pfad, double pngSkala = 2,
                          const Ausschnitt& a = GanzeFlaeche());

}  // namespace lumora
