#pragma once

#include <QColor>
#include <QHash>
#include <QImage>
#include <QPointF>
#include <QPolygonF>
#include <QString>
#include <QWidget>
#include <array>
#include <functional>
#include <optional>
#include <vector>

#include "core/eingabe.h"

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
        std::vector<QPointF> punkte;
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
    };
    struct Marke {
        QString name;
        QPointF ort;
        int eintrag = -1;  // the entered state it shows, which a drag moves; -1: none
    };

    std::vector<Zone> zonen;
    std::vector<Reihe> reihen;
    std::vector<Linie> linien;
    std::vector<Marke> marken;
    // The edge scale of directions epsilon = dh/dx, drawn for this chart when set.
    std::optional<Eingabe> randmassstab;
    // The solution of an exercise beside a hand-in, thin and dashed (ui/loesungsbild.h).
    std::vector<Linie> loesungLinien;
    std::vector<Marke> loesungMarken;
};

// The colour of states and processes on the chart.
inline const QColor kZustandsfarbe(255, 140, 0);

// Zones and series: the layer that changes seldom and may be kept as an image.
void HintergrundMalen(QPainter& p, const Ueberlagerung& u, QSize innen);

// What painting on screen keeps from frame to frame, so that a drag over thousands of states
// stays quick: the marker drawn once for each quarter-pixel offset of its centre, and each name
// laid out once.
struct Markenvorrat {
    qreal pixelverhaeltnis = 0;     // device pixels per pixel the markers were drawn at
    std::array<QImage, 16> marken;  // by offset: 4 * quarter down + quarter across
    QHash<QString, QImage> namen;   // each name as drawn once, at the same ratio
};

// Processes, states and the edge scale: the layer that follows a drag. With a vorrat, a raster
// device takes markers and names from it; any other device (SVG, PDF, printer) gets them
// drawn one by one as paths and text.
// imZug: while a state is dragged, the process lines are drawn without antialiasing, which
// is several times quicker; the frame after the drag draws them smooth again.
void VordergrundMalen(QPainter& p, const Ueberlagerung& u, QSize innen,
                      Markenvorrat* vorrat = nullptr, bool imZug = false);

// The marker under the point `pixel` of the canvas interior, or none; markers drawn later lie
// on top and win.
std::optional<std::size_t> MarkeBei(const Ueberlagerung& u, QSize innen, QPointF pixel);

// The point of a series under the point `pixel` of the canvas interior: series and index.
std::optional<std::pair<std::size_t, std::size_t>> MesspunktBei(const Ueberlagerung& u, QSize innen,
                                                                QPointF pixel);

// Where the edge scale's direction epsilon [kJ/kg] leaves the canvas, seen from the pole at
// the middle of the left edge; canvas units. None for a direction that stays on the edge.
std::optional<QPointF> RandpunktDerRichtung(const Eingabe& e, double epsilon);

// The layer over the canvas's interior that shows an Ueberlagerung. It lets the mouse through
// to the canvas. Zones and series are kept as an image and drawn anew only when they change,
// so that a drag repaints just the states and processes.
class Ueberlagerungsflaeche : public QWidget {
    Q_OBJECT

  public:
    explicit Ueberlagerungsflaeche(QWidget* parent = nullptr);
    const Ueberlagerung& ueberlagerung() const { return u_; }
    // hintergrund: whether zones or series may have changed.
    // imZug: a frame of a drag (see VordergrundMalen).
    void setUeberlagerung(Ueberlagerung u, bool hintergrund, bool imZug = false);

  protected:
    void paintEvent(QPaintEvent* ereignis) override;
    void resizeEvent(QResizeEvent* ereignis) override;

  private:
    Ueberlagerung u_;
    QImage hintergrund_;
    bool hintergrundAlt_ = true;
    bool imZug_ = false;
    Markenvorrat vorrat_;
};

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

// The directions the edge scale labels, in kJ/kg.
inline constexpr double kRandmassstab[] = {-10000, -5000, -2000, -1000, 0,    1000,
                                           2000,   2500,  3000,  4000,  5000, 10000};

}  // namespace lumora
