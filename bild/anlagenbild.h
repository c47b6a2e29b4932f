#pragma once

#include <QColor>
#include <QPointF>
#include <QPolygonF>
#include <QRectF>
#include <QSize>
#include <QString>
#include <array>
#include <memory>
#include <vector>

#include "core/eingabe.h"
#include "projekt/anlage.h"

class QPainter;

namespace lumora {

struct AnlagenErgebnis;
struct Luftdruck;
struct Ueberlagerung;

// The air-handling unit on the chart: its supply window as an outlined area, and the outdoor
// state of every computed hour of its year as a dot in the colour of the hour's mode. This is
// the chart divided into the fields of the unit's control sequence.
struct Anlagenbild {
    QPolygonF fenster;  // the supply window, canvas units; empty when there is none to draw
    // The outdoor states of the hours, canvas units, by mode (in the order of Betriebsart).
    // Shared from overlay to overlay while the year and the chart stay, so that a drag does
    // not place 8,760 dots again.
    using Punkte = std::array<std::vector<QPointF>, kBetriebsarten>;
    std::shared_ptr<const Punkte> punkte;
    std::shared_ptr<const void> quelle;  // the year they come from
    Eingabe diagramm;                    // and the chart they lie on

    // The modes that have at least one dot: the legend's rows, in the order of Betriebsart.
    std::vector<Betriebsart> arten() const;
};

// The colour of an hour of each mode. Apart from the chart's own lines, the process kinds,
// the series, the zones and the states, so that a dot says its mode and nothing else.
QColor Betriebsartfarbe(Betriebsart a);
// The outline of the supply window.
inline const QColor kZuluftfensterfarbe(110, 0, 90);

// The unit as the overlay shows it, for the chart e at the pressure d; none where the unit
// gives nothing to draw (it cannot be read). vorher: the picture shown so far, whose dots are
// taken over where the year and the chart are the same.
std::shared_ptr<const Anlagenbild> AnlagenbildAus(const AnlagenErgebnis& a, const Luftdruck& d,
                                                  const Eingabe& e,
                                                  const Anlagenbild* vorher = nullptr);

// Draws the dots and the window's outline over them, in canvas units scaled by m to pixels:
// over the series and zones, under the processes and states.
void AnlagenbildMalen(QPainter& p, const Anlagenbild& a, QPointF m);

// The legend of the modes: a dot of each mode's colour and its name, and a sample of the
// window's outline. Its box in pixels of the canvas interior is placed in a corner where it
// covers no state, no other legend and as few of the hours as can be; empty without a mode.
QRectF Anlagenlegendenbox(const Ueberlagerung& u, QSize innen);
void AnlagenlegendeMalen(QPainter& p, const Anlagenbild& a, const QRectF& box);

}  // namespace lumora
