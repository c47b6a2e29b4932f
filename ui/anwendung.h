#pragma once

#include <QObject>
#include <QString>
#include <memory>

#include "ui/anfangsdialog.h"
#include "ui/projektfenster.h"
#include "ui/projektsitzung.h"

namespace lumora {

class Diagrammfenster;

// The running program: the input dialog, the chart window and the open project, and the wiring
// between them. The project's input texts are the dialog's; its states lie over the chart.
class Anwendung : public QObject {
    Q_OBJECT

  public:
    Anwendung();
    ~Anwendung() override;

    // Shows the dialog; offers to restore a project that a crash left unsaved.
    void starten();
    // Opens a project file as `lumora PROJEKT` does: texts into the dialog, chart drawn,
    // states over it, the project window open. False, after saying why, when refused.
    bool oeffnen(const QString& pfad);

    Anfangsdialog& dialog() { return dialog_; }
    Projektsitzung& sitzung() { return sitzung_; }
    Projektfenster& projektfenster() { return *projektfenster_; }

    // Moves the entered state `eintrag` to the canvas point (X, Y): its pair keeps its kind
    // and takes the values there. One undo step per drag.
    void zustandZiehen(int eintrag, double X, double Y);
    // Adds a state at the canvas point (X, Y) as ϑ and x.
    void zustandEintragen(double X, double Y);
    // Sets the chart's lower temperature limit from the text typed for it, as one undo step,
    // and draws the chart again; returns the German reason of a refusal, which changes nothing.
    QString untereGrenzeSetzen(const QString& text);
    // "Untere Grenze …": asks for the lower limit in a small dialog.
    void untereGrenzeFragen();

  private:
    void diagrammVerbinden(Diagrammfenster* fenster);
    void ueberlagerungZeigen();
    void eingabeZeichnen();

    Projektsitzung sitzung_;
    Anfangsdialog dialog_;
    std::unique_ptr<Projektfenster> projektfenster_;
    Diagrammfenster* verbunden_ = nullptr;
    bool ziehen_ = false;
    QAction* projektZeigen_ = nullptr;
};

}  // namespace lumora
