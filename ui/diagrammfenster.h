#pragma once

#include <QLabel>
#include <QWidget>
#include <functional>
#include <optional>

#include "bild/zeichnung.h"
#include "core/eingabe.h"
#include "ui/ablesefeld.h"
#include "ui/etiketten.h"
#include "ui/ueberlagerung.h"

namespace lumora {

class Bildflaeche;
class Leinwand;

// frm_Lumora: the chart window with the area pic_gesamt, the canvas pic_Diagramm, the two
// pictures and the chart labels. Created on the first press and reused after that.
class Diagrammfenster : public QWidget {
    Q_OBJECT

  public:
    explicit Diagrammfenster(QWidget* parent = nullptr);

    Leinwand& leinwand() { return *leinwand_; }
    const Leinwand& leinwand() const { return *leinwand_; }
    Etiketten& etiketten() { return etiketten_; }
    const Etiketten& etiketten() const { return etiketten_; }
    QWidget* gesamt() const { return gesamt_; }
    Ablesefeld* ablesung() const { return ablesung_; }

    // The values the chart on the canvas was drawn for; from then on the state under the
    // cursor can be read.
    void setEingabe(const Eingabe& eingabe);

    // Shows the state at a point of the canvas interior, in pixels of the interior at the
    // layout's size, in the read-out box; over a state's marker, its name above its values;
    // over a point of a measured series, that point's time and values.
    void ablesen(QPointF imInnern);

    // What the window shows of the chart area: the area's scale and place in the window,
    // from the window's size, the zoom and the point looked at. The chart keeps its
    // proportions and fills the window; at the window's first size it is the layout itself.
    Ausschnitt ansicht() const;
    double zoom() const { return zoom_; }
    // Zooms by the factor around the point `um` of the window, which stays where it is, or
    // around the window's middle; from the whole chart (1) to kZoomHoechstens.
    void zoomen(double faktor, QPointF um);
    void zoomen(double faktor);
    // Ctrl+0: the whole chart again.
    void ganzesDiagramm();
    // Moves the chart by a distance in pixels of the window, as far as there is more of it.
    void verschieben(QPointF weg);
    // The one mapping of a mouse position: a point of the window in pixels of the canvas
    // interior at the layout's size (divided by Massstab(Innengroesse()): canvas units),
    // and back.
    QPointF imInnern(QPointF imFenster) const;
    QPointF imFenster(QPointF imInnern) const;

    static constexpr double kZoomHoechstens = 8;

    // What lies over the canvas: the open project's states, processes, series and zones.
    // hintergrund: whether zones or series may have changed.
    // imZug: a frame of a drag, drawn quickly.
    void setUeberlagerung(Ueberlagerung u, bool hintergrund = true, bool imZug = false);
    const Ueberlagerung& ueberlagerung() const;
    // "Enthalpieetiketten" in the context menu: the labels of the coarse enthalpy lines, shown
    // also without the edge scale, which brings them along by itself.
    QAction* enthalpieetiketten() const { return enthalpie_; }
    // Actions of the project that the context menu offers below the chart's own.
    void setProjektaktionen(const QList<QAction*>& aktionen);
    // The name an export of the chart is suggested under: the open project's.
    void setProjektname(std::function<QString()> name) { projektname_ = std::move(name); }
    QString projektname() const { return projektname_ ? projektname_() : QString(); }
    // "Vergrößern" (Ctrl++), "Verkleinern" (Ctrl+−) and "Ganzes Diagramm" (Ctrl+0).
    const QList<QAction*>& zoomaktionen() const { return zoomaktionen_; }
    // The project window's "Untere Grenze …" and "Enthalpieetiketten", which the context menu
    // offers from then on in place of the window's own: one switch, wherever it is pressed.
    void setAnsichtaktionen(QAction* untereGrenze, QAction* enthalpieetiketten);

  signals:
    // "Eingaben ändern …" (F2): the user wants the input dialog back.
    void eingabenAendern();
    // "Untere Grenze …": the user wants to set the chart's lower temperature limit.
    void untereGrenzeAendern();
    // A marker of an entered state is dragged to the canvas point (X, Y); `anfang` is true
    // for the first move of a drag.
    void zustandGezogen(int eintrag, double X, double Y, bool anfang);
    void ziehenBeendet();
    // "Zustand hier eintragen" at the canvas point (X, Y).
    void zustandHierEintragen(double X, double Y);

  protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;
    void contextMenuEvent(QContextMenuEvent* ereignis) override;
    void resizeEvent(QResizeEvent* ereignis) override;
    void wheelEvent(QWheelEvent* ereignis) override;
    void mousePressEvent(QMouseEvent* ereignis) override;
    void mouseMoveEvent(QMouseEvent* ereignis) override;
    void mouseReleaseEvent(QMouseEvent* ereignis) override;
    void keyPressEvent(QKeyEvent* ereignis) override;
    void keyReleaseEvent(QKeyEvent* ereignis) override;
    void changeEvent(QEvent* ereignis) override;

  private:
    void flaechenAnlegen();
    void aktionenAnlegen();
    // The overlay as given, with the enthalpy labels where the switch asks for them.
    void ueberlagerungZeigen(Ueberlagerung u, bool hintergrund, bool imZug);
    // Shows the chart as ansicht() says: at scale 1 the widgets of the layout, moved into
    // place; at any other scale the renderer's picture, drawn at that scale.
    void ansichtAnwenden();
    // The read-out box anew at the cursor's last place, for the chart and overlay now shown.
    void ablesungErneuern();

    QWidget* gesamt_ = nullptr;
    Bildflaeche* bild_ = nullptr;  // the chart as the renderer draws it, at any other scale
    Leinwand* leinwand_ = nullptr;
    Etiketten etiketten_;
    Ablesefeld* ablesung_ = nullptr;
    Ueberlagerungsflaeche* ueber_ = nullptr;
    QList<QAction*> projektaktionen_;
    QList<QAction*> zoomaktionen_;
    std::function<QString()> projektname_;  // Vergrößern, Verkleinern, Ganzes Diagramm
    QAction* enthalpie_ = nullptr;
    QAction* untereGrenze_ = nullptr;
    bool enthalpieMitRand_ = false;  // the overlay as given brings the enthalpy labels
    std::optional<Eingabe> eingabe_;
    int gezogen_ = -1;  // the entered state being dragged
    bool bewegt_ = false;
    double zoom_ = 1;
    QPointF blick_;                       // the point of the area at the window's middle
    bool leertaste_ = false;              // held: the left button moves the chart
    std::optional<QPointF> schiebenVon_;  // the chart is being moved, from this window point
    std::optional<QPointF> letzterOrt_;   // the cursor's last place in the interior
};

}  // namespace lumora
