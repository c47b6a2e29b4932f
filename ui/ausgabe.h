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

// The window's three ways out: asks for a file and saves (PNG, SVG or PDF, by the
// ending chosen), prints through the print dialog fitted to the page, or copies the chart
// area to the clipboard as an image.
void SpeichernUnterFragen(Diagrammfenster& fenster);
void Drucken(Diagrammfenster& fenster);
void Kopieren(const Diagrammfenster& fenster);

}  // namespace lumora
