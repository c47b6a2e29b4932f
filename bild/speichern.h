#pragma once

#include <QSize>
#include <QString>
#include <functional>

#include "bild/zeichnung.h"

namespace lumora {

// A picture of the renderer as every way out takes it: its size in pixels, the title a vector
// file carries, and how it draws itself onto a painter by the given way for canvas lines.
struct Bildvorlage {
    QSize groesse;
    QString titel;
    std::function<void(QPainter&, Linienweg)> malen;
};

// Saves a picture as PNG (at `pngSkala` device pixels to its pixel), SVG or PDF, chosen by the
// file's ending. Writes a temporary file and renames it only when complete. Returns an error
// message in German that begins with `misslungen` ("Das Diagramm ließ sich nicht schreiben"),
// or an empty text on success.
QString BildSpeichern(const Bildvorlage& b, const QString& pfad, double pngSkala,
                      const QString& misslungen);

// Saves the view `a` of the chart area, by default the whole area, as PNG, SVG or PDF, as
// BildSpeichern does.
QString DiagrammSpeichern(const Diagrammbild& b, const QString& pfad, double pngSkala = 2,
                          const Ausschnitt& a = GanzeFlaeche());

}  // namespace lumora
