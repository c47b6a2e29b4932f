#pragma once

#include <QColor>
#include <QHash>
#include <QImage>
#include <QPointF>
#include <QPolygonF>
#include <QString>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "bild/anlagenbild.h"
#include "bild/karte.h"
#include "bild/namen.h"
#include "core/eingabe.h"
#include "core/prozess.h"

class QPainter;

namespace lumora {

// What lies over the chart's canvas: the zones, the measured series, the processes and the
// states of the open project, all in canvas units (0..12000 across, 0..8000 down). It is
// drawn over the canvas, never into it, so the chart itself stays as its run drew it.
struct Ueberlagerung {
    struct Zone {
        QString name;
        QPolygonF rand;  // the zone's outline
        QColor farbe;
    };
    struct Reihe {
        QColor farbe;
        // Its points in canvas units, shared from overlay to overlay while the series and the
        // chart stay: a drag does not compute a hundred thousand of them again.
        std::shared_ptr<const std::vector<QPointF>> punkte;
        std::shared_ptr<const void> quelle;  // the evaluation they come from
        Eingabe diagramm;                    // and the chart they lie on
        // The read-out's text for a point: its time and values.
        std::function<QString(std::size_t)> text;
    };
    enum class Stil {
        Prozess,     // 2 px, with an arrowhead at the end
        Verbindung,  // 2 px, no arrowhead: the line between two mixed streams
        Auslauf,     // dashed run-on of a cooler to its surface point
        Zufluss,     // thin dashed line to the exhaust air that feeds a heat recovery
    };
    struct Linie {
        QPointF von;
        QPointF nach;
        Stil stil = Stil::Prozess;
        Prozessart art = Prozessart::Mischen;  // the kind of process it belongs to: its colour
    };
    struct Marke {
        QString name;
        QPointF ort;
        int eintrag = -1;  // the entered state it shows, which a drag moves; -1: none
    };

    // Weather years drawn as frequency maps: under the zones, the series and everything else.
    std::vector<Haeufigkeitskarte> karten;
    std::vector<Zone> zonen;
    std::vector<Reihe> reihen;
    std::vector<Linie> linien;
    std::vector<Marke> marken;
    // The edge scale of directions epsilon = dh/dx, drawn for this chart when set.
    std::optional<Eingabe> randmassstab;
    // The labels of the coarse enthalpy lines at the left and top edges, for this chart when
    // set: with the edge scale, or on their own.
    std::optional<Eingabe> enthalpieetiketten;
    // The kinds of process the lines show, in the order of kProzessfarben: the legend's rows.
    std::vector<Prozessart> legende;
    // The solution of an exercise beside a hand-in, thin and dashed (bild/loesungsbild.h).
    std::vector<Linie> loesungLinien;
    std::vector<Marke> loesungMarken;
    // The project's air-handling unit: its supply window and the hours of its year by mode.
    std::shared_ptr<const Anlagenbild> anlage;
};

// The colour of each kind of process on the chart; the legend names a kind by its name in the
// table of processes. One row per kind, in the order the legend lists them.
struct Prozessfarbe {
    Prozessart art;
    QColor farbe;
};
inline const std::array<Prozessfarbe, 7> kProzessfarben{{
    {Prozessart::Heizen, QColor(220, 60, 20)},
    {Prozessart::Kuehlen, QColor(0, 110, 230)},
    {Prozessart::BefeuchtenWasser, QColor(0, 165, 185)},
    {Prozessart::BefeuchtenDampf, QColor(160, 60, 200)},
    {Prozessart::Richtung, QColor(100, 100, 100)},
    {Prozessart::Mischen, QColor(150, 90, 30)},
    {Prozessart::Waermerueckgewinnung, QColor(0, 150, 90)},
}};
QColor Linienfarbe(Prozessart art);
// The legend's text for a kind: its German name.
QString Legendentext(Prozessart art);

// The colour of the states' markers on the chart.
inline const QColor kZustandsfarbe(255, 140, 0);

// Frequency maps, zones and series: the layer that changes seldom and may be kept as an image.
void HintergrundMalen(QPainter& p, const Ueberlagerung& u, QSize innen);

// What painting on screen keeps from frame to frame, so that a drag over thousands of states
// stays quick: the marker drawn once for each quarter-pixel offset of its centre, and each name
// laid out once.
struct Markenvorrat {
    qreal pixelverhaeltnis = 0;     // device pixels per pixel the markers were drawn at
    std::array<QImage, 16> marken;  // by offset: 4 * quarter down + quarter across
    QHash<QString, QImage> namen;   // each name as drawn once, at the same ratio
    std::optional<QRectF> legende;  // the legend's box during a drag, for these kinds
    std::vector<Prozessart> legendenArten;
    std::optional<QRectF> kartenlegende;   // the legend of the frequency maps during a drag
    std::optional<QRectF> anlagenlegende;  // the legend of the unit's modes during a drag
    // The names' places of the last frame and the markers they were placed for: a frame of a
    // drag places again only the names of the markers that moved.
    std::vector<Namensplatz> namensplaetze;
    std::vector<Ueberlagerung::Marke> namensmarken;
    QSize namensflaeche;
    QHash<QString, double> namensbreiten;  // each name's width in pixels, measured once
};

// Processes, states, the edge scale, the enthalpy labels, the legend of the process kinds and
// that of the frequency maps:
// the layer that follows a drag. With a vorrat, a raster
// device takes markers and names from it; any other device (SVG, PDF, printer) gets them
// drawn one by one as paths and text.
// imZug: while a state is dragged, the process lines are drawn without antialiasing, which
// is several times quicker, and the dashed ones together; the frame after the drag draws them
// smooth again.
// ohne: markers to leave out, by index, for a layer below that holds them already.
void VordergrundMalen(QPainter& p, const Ueberlagerung& u, QSize innen,
                      Markenvorrat* vorrat = nullptr, bool imZug = false,
                      const std::vector<bool>* ohne = nullptr);

// The markers u.marken[i] for which ruhend[i] holds, with their names at their places among
// all of u's, as VordergrundMalen draws them during a drag: the layer below a drag holds the
// markers that stay.
void RuhendeMarkenMalen(QPainter& p, const Ueberlagerung& u, QSize innen, Markenvorrat& vorrat,
                        const std::vector<bool>& ruhend);

// The marker under the point `pixel` of the canvas interior, or none; markers drawn later lie
// on top and win.
std::optional<std::size_t> MarkeBei(const Ueberlagerung& u, QSize innen, QPointF pixel);

// The point of a series under the point `pixel` of the canvas interior: series and index.
std::optional<std::pair<std::size_t, std::size_t>> MesspunktBei(const Ueberlagerung& u, QSize innen,
                                                                QPointF pixel);

// Where the edge scale's direction epsilon [kJ/kg] leaves the canvas, seen from the pole at
// the middle of the left edge; canvas units. None for a direction that stays on the edge.
std::optional<QPointF> RandpunktDerRichtung(const Eingabe& e, double epsilon);

// A label of a coarse enthalpy line where it meets the left or the top edge: its text and its
// box in pixels of the canvas interior.
struct Enthalpieetikett {
    QString text;
    QRectF box;
};
// The labels of the coarse enthalpy lines of the chart e for a canvas interior of innen
// pixels, h = k DeltaThetagross on the left edge (below 0 °C too on a winter chart) and
// h = Thetamax + k DeltaThetagross on the top edge; a label that would overlap the one before
// on its edge is left out. The top-left corner says "h = ... kJ/kg", the others the number.
std::vector<Enthalpieetikett> Enthalpieetiketten(const Eingabe& e, QSize innen);

// The place, in pixels of the canvas interior, for a legend of that size over u: in a corner
// clear of the states with their names, the enthalpy labels, the edge scale, the emblem, the
// frequency maps' classes and the rectangles `meiden` (another legend), else at the clear
// place nearest the first corner; where nothing is clear, still clear of every state.
QRectF Legendenplatz(QSizeF groesse, const Ueberlagerung& u, QSize innen,
                     const std::vector<QRectF>& meiden = {});

// The box of the legend of process kinds in pixels of the canvas interior, at its
// Legendenplatz. Empty without processes.
QRectF Legendenbox(const Ueberlagerung& u, QSize innen);

// The box of the legend of the frequency maps ("Stunden je Klasse"), placed as the legend of
// process kinds is and clear of it. Empty without a map.
QRectF Kartenlegendenbox(const Ueberlagerung& u, QSize innen);

// The markers of the states in pixels of the canvas interior, as the boxes they cover.
std::vector<QRectF> Markenflaechen(const Ueberlagerung& u, QSize innen);

// Where the names of u.marken go, in their order: beside their markers, moved apart where two
// would overlap, and clear of `meiden`.
std::vector<Namensplatz> Namensplaetze(const Ueberlagerung& u, QSize innen,
                                       const std::vector<QRectF>& meiden = {});

// The directions the edge scale labels, in kJ/kg.
inline constexpr double kRandmassstab[] = {-10000, -5000, -2000, -1000, 0,    1000,
                                           2000,   2500,  3000,  4000,  5000, 10000};

}  // namespace lumora
