#pragma once

#include <QLabel>
#include <QWidget>
#include <optional>

#include "core/eingabe.h"
#include "ui/ablesefeld.h"
#include "ui/etiketten.h"
#include "ui/ueberlagerung.h"

namespace lumora {

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

    // Shows the state at a point of the canvas interior, in pixels, in the read-out box; over
    // a state's marker, its name above its values; over a point of a measured series, that
    // point's time and values.
    void ablesen(QPoint imInnern);

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

  private:
    void flaechenAnlegen();
    void aktionenAnlegen();
    // The overlay as given, with the enthalpy labels where the switch asks for them.
    void ueberlagerungZeigen(Ueberlagerung u, bool hintergrund, bool imZug);

    QWidget* gesamt_ = nullptr;
    Leinwand* leinwand_ = nullptr;
    Etiketten etiketten_;
    Ablesefeld* ablesung_ = nullptr;
    Ueberlagerungsflaeche* ueber_ = nullptr;
    QList<QAction*> projektaktionen_;
    QAction* enthalpie_ = nullptr;
    QAction* untereGrenze_ = nullptr;
    bool enthalpieMitRand_ = false;  // the overlay as given brings the enthalpy labels
    std::optional<Eingabe> eingabe_;
    int gezogen_ = -1;  // the entered state being dragged
    bool bewegt_ = false;
};

}  // namespace lumora
