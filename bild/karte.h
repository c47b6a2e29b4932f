#pragma once

#include <QColor>
#include <QFont>
#include <QPolygonF>
#include <QRectF>
#include <QSize>
#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

#include "core/eingabe.h"
#include "projekt/auswertung.h"

class QPainter;

namespace lumora {

// The font of every legend over the chart: Arial 8 pt, bold for titles.
QFont Legendenschrift(bool fett = false);

// A weather year drawn as a frequency map: each class with hours as the quadrilateral between
// its two isotherms and its two lines of constant x, filled by its hours.
struct Haeufigkeitskarte {
    struct Feld {
        QPolygonF ecken;  // canvas units
        double stunden = 0;
    };
    QString name;  // the series'
    // The classes it shows, for the read-out; shares the evaluation they come from.
    std::shared_ptr<const Haeufigkeit> haeufigkeit;
    std::vector<Feld> felder;
    double hoechste = 0;  // the most hours of one class: the darkest colour
};

// The map of the classes h on the chart e. Empty where h has no class with hours.
Haeufigkeitskarte KarteAus(QString name, std::shared_ptr<const Haeufigkeit> h, const Eingabe& e);

// The colour of a class holding the share `anteil` (0..1) of the most hours of one class, from
// a sequential scale: light yellow for few hours to dark blue for the most; opaque.
QColor Kartenfarbe(double anteil);
// How opaque a class is filled, so that the chart's lines still show through.
inline constexpr int kKartenDeckung = 200;

// Draws the classes of the maps, in canvas units scaled by m to pixels.
void KartenMalen(QPainter& p, const std::vector<Haeufigkeitskarte>& karten, QPointF m);

// The pixel boxes of a map's classes, which a legend should leave free.
std::vector<QRectF> Kartenflaechen(const std::vector<Haeufigkeitskarte>& karten, QPointF m);

// The legend "Stunden je Klasse": for each map a bar of the scale with the hours at its ticks;
// with more than one map, each bar under the series' name. Its size in pixels, and drawing it
// into `box`.
QSizeF KartenlegendeGroesse(const std::vector<Haeufigkeitskarte>& karten);
void KartenlegendeMalen(QPainter& p, const std::vector<Haeufigkeitskarte>& karten,
                        const QRectF& box);

// The hours at the ticks of a scale from 0 to `hoechste`: whole steps of 1, 2 or 5 times a power
// of ten, at most five, and the end, which a tick too near it gives way to.
std::vector<double> Skalenmarken(double hoechste);

}  // namespace lumora
