#pragma once

#include <QImage>
#include <QString>

#include "bild/zeichnung.h"

class QPainter;

namespace lumora {

class Diagrammfenster;

// What the window shows, for the renderer: its canvas operations, its labels' recording and
// its overlay.
Diagrammbild BildVon(const Diagrammfenster& fenster);

// The chart area of the window, as the renderer draws it (bild/zeichnung.h).
void DiagrammMalen(QPainter& p, const Diagrammfenster& fenster, Linienweg weg);
QImage DiagrammBild(const Diagrammfenster& fenster, double skala);
// Saves it as PNG, SVG or PDF (bild/speichern.h).
QString DiagrammSpeichern(const Diagrammfenster& fenster, const QString& pfad, double pngSkala = 2);

// The file an export of the window's chart is first suggested as: the project's name (the chart's
// without a project) as a PNG in the folder of the last export.
QString Exportvorschlag(const Diagrammfenster& fenster);

// The window's three ways out: asks for a file and saves (PNG, SVG or PDF, by the
// ending chosen) the whole chart or, when the window shows part of it and the user chooses so,
// what the window shows; prints through the print dialog fitted to the page, or copies the chart
// area to the clipboard as an image.
void SpeichernUnterFragen(Diagrammfenster& fenster);
void Drucken(Diagrammfenster& fenster);
void Kopieren(const Diagrammfenster& fenster);

}  // namespace lumora
