#pragma once

#include <QColor>
#include <QRectF>
#include <QSize>
#include <QString>
#include <array>
#include <vector>

#include "projekt/anlage.h"

class QPainter;

namespace lumora {

// The names of the components on the screen, and their colours in the month bars: the heaters
// in the warm colours of heating, the cooler in the cold one, the humidifier in that of
// humidifying and the heat recovery in its own green.
QString Komponentenname(Komponente k);
QColor Komponentenfarbe(Komponente k);
// The short names of the months, "Jan" to "Dez"; monat 1..12.
QString Monatsname(int monat);

// The energies of a unit's year month by month [kWh], for a picture of bars.
struct Monatsbalken {
    QString name;  // the unit's
    std::array<std::array<double, kKomponenten>, 12> energie{};

    // The components with energy in the year: a bar each, in the order of Komponente.
    std::vector<Komponente> komponenten() const;
    double hoechste() const;  // the largest bar [kWh]
};
Monatsbalken MonatsbalkenAus(const std::string& name, const Anlagenjahr& jahr);

// The picture's size when it is saved or printed, in pixels.
inline constexpr QSize kMonatsbalkenGroesse(960, 480);

// The ticks of an axis from 0 that reaches past `hoechste`: steps of 1, 2 or 5 times a power
// of ten, at most eight of them, the last at or above hoechste. 0 and 1 without energy.
std::vector<double> Achsenmarken(double hoechste);

// Draws the bars into box: white, the title, the energy axis in kWh with its ticks, for each
// month a group of one bar per component, the months under them and the legend of the
// components below.
void MonatsbalkenMalen(QPainter& p, const Monatsbalken& m, const QRectF& box);

// Saves the picture as PNG, SVG or PDF by the file's ending; the German reason of a failure,
// empty on success.
QString MonatsbalkenSpeichern(const Monatsbalken& m, const QString& pfad, double pngSkala = 2);

}  // namespace lumora
