#pragma once

#include <QColor>
#include <QString>
#include <cstddef>

#include "bild/ueberlagerung.h"
#include "projekt/auswertung.h"
#include "projekt/berechnung.h"

namespace lumora {

// Everything of a computed project that lies over the chart: zones, visible series, process
// lines and the markers of the states that lie on the canvas.
// vorher: the overlay shown so far, whose series' points are taken over where the series and
// the chart are the same.
Ueberlagerung UeberlagerungAus(const Projekt& projekt, const Berechnung& b,
                               const Ueberlagerung* vorher = nullptr);

// The colour of the i-th series on the chart: none of the chart's line families has its hue.
QColor Reihenfarbe(std::size_t i);

// The read-out over a point of a series: its name, its time where it has one, and its values
// with the decimals of the tables.
QString Messpunkttext(const Messreihe& reihe, const Messpunkt& punkt);

// The outline of a zone entry in canvas units for the chart of e at the pressure d; empty when
// the entry is no zone or the zone is empty.
QPolygonF ZonenUmriss(const Json& zone, const Luftdruck& d, const Eingabe& e);

// Draws the project's chart as a press would, with everything over it, and writes it as PNG,
// SVG or PDF by the file's ending, as the chart window's export does. Returns the German
// reason of a failure, empty on success. Needs a QGuiApplication, for the fonts.
QString ProjektbildSchreiben(const Projekt& projekt, const Berechnung& b, const QString& pfad);

}  // namespace lumora
