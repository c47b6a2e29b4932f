#pragma once

#include <QImage>
#include <QRect>
#include <vector>

#include "bild/ueberlagerung.h"
#include "chart/aufzeichnung.h"
#include "chart/zeichenflaeche.h"

class QPainter;

namespace lumora {

// The layout of the chart window's area in form units, which the window and every picture of
// the chart are built from. pic_gesamt as every run sets it: Left 60, Width 15135.
inline constexpr QRect kGesamt(60, 60, 15135, 10995);
inline constexpr QRect kDiagramm(690, 300, 13785, 10155);  // the canvas with its frame
inline constexpr QRect kPicture1(13080, 9600, 510, 390);   // inside the canvas's frame
inline constexpr QRect kPicture2(14550, 8280, 360, 2145);

// Pixels of a layout rectangle in form units.
QRect Form(const QRect& r);

// A label's alignment as Qt takes it, at the top of its box: the window's labels and every
// picture align their texts by it.
Qt::Alignment Ausrichten(Ausrichtung a);
// A chart label of group g with its text in its box in pixels, as the window shows it and
// every picture draws it: the box filled with the area's white, the text in the group's
// font, colour and alignment.
void EtikettMalen(QPainter& p, const Gruppenlayout& g, const QString& text, const QRect& box);
// The font of a group's labels.
QFont Etikettenschrift(const Gruppenlayout& g);

// The chart area's size and the canvas's box with its frame in it, in pixels.
QSize Gesamtgroesse();
QRect Leinwandrahmen();
// The canvas interior in pixels: the box inside the frame.
QSize Innengroesse();

// Everything a picture of the chart is drawn from: the canvas operations of the run, the
// labels as the run left them, and what lies over the canvas.
struct Diagrammbild {
    const std::vector<Operation>& operationen;
    const Aufzeichnungsbeschriftung& etiketten;
    const Ueberlagerung& ueberlagerung;
};

// How the canvas lines reach a painter.
enum class Linienweg {
    Raster,  // the program's own rasteriser at the device's scale, as the window shows them
    Pfade,   // runs of one colour and width as paths: for vector files and printers
};

// Draws the chart area in pixels of the window: white, the canvas frame and lines, the
// overlay clipped to the canvas interior, the emblem, the upright picture and every visible
// label, the later shown over the earlier, as the window shows them. At any scale of the
// painter the canvas is rasterised at the device's pixels, and only the part inside the
// painter's clip.
void DiagrammMalen(QPainter& p, const Diagrammbild& b, Linienweg weg);

// A view of the chart area: a picture of `groesse` pixels that shows the area's pixels scaled
// by k, its origin at `versatz`. The chart window shows one, resized or zoomed; the whole
// area at its size is the view of a plain export.
struct Ausschnitt {
    QSize groesse;
    double k = 1;
    QPointF versatz;

    // A point of the picture in pixels of the area, and back.
    QPointF inFlaeche(QPointF bild) const { return (bild - versatz) / k; }
    QPointF imBild(QPointF flaeche) const { return versatz + flaeche * k; }
};
// The whole chart area as it is.
Ausschnitt GanzeFlaeche();

// The view's picture: white, with the chart area drawn into it at the view's scale.
void DiagrammMalen(QPainter& p, const Diagrammbild& b, Linienweg weg, const Ausschnitt& a);

// The view as an image of `skala` device pixels to the picture's pixel, its canvas from the
// window's rasteriser: the whole area at the window's pixel ratio has the window's pixels.
QImage DiagrammBild(const Diagrammbild& b, double skala, const Ausschnitt& a = GanzeFlaeche());

// The canvas interior's top-left corner in pixels of the area.
QPoint Innenursprung();
// Whether a point in pixels of the interior (at the layout's size) lies on the canvas.
bool AufDerLeinwand(QPointF imInnern);

}  // namespace lumora
