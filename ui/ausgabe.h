#pragma once

#include <QImage>
#include <QString>

class QPainter;

namespace lumora {

class Diagrammfenster;

// Draws the chart area as it stands: pic_gesamt with the canvas drawn again from the
// retained operations, the two pictures and every visible label, at their places, fonts and
// colours, in device-independent pixels of the window.
void DiagrammMalen(QPainter& p, const Diagrammfenster& fenster);

// The chart area as an image, `skala` device pixels to the window's pixel.
QImage DiagrammBild(const Diagrammfenster& fenster, double skala);

// Saves the chart area as PNG (at `pngSkala`), SVG or PDF, chosen by the file's ending.
// Writes a temporary file and renames it only when complete. Returns an error message in
// German, or an empty text on success.
QString DiagrammSpeichern(const Diagrammfenster& fenster, const QString& pfad, double pngSkala = 2);

// The window's three ways out: asks for a file and saves (PNG, SVG or PDF, by the
// ending chosen), prints through the print dialog fitted to the page, or copies the chart
// area to the clipboard as an image.
void SpeichernUnterFragen(Diagrammfenster& fenster);
void Drucken(Diagrammfenster& fenster);
void Kopieren(const Diagrammfenster& fenster);

}  // namespace lumora
