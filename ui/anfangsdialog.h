#pragma once

#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QWidget>
#include <array>
#include <functional>
#include <memory>

#include "chart/diagrammlauf.h"
#include "chart/pruefung.h"
#include "core/eingabe.h"

namespace lumora {

class Diagrammfenster;

// frm_Anfang: the start window with the seven input fields and "Berechne Diagramm !".
// A press reads the fields and draws the chart in the chart window, or, for values the
// chart cannot be drawn with, says why and leaves everything as it was.
class Anfangsdialog : public QWidget {
    Q_OBJECT

  public:
    explicit Anfangsdialog(QWidget* parent = nullptr);
    ~Anfangsdialog() override;

    QLineEdit* feld(Feld f) const { return felder_[static_cast<int>(f)]; }
    QPushButton* knopf() const { return knopf_; }
    // The chart window, once the first press has created it.
    Diagrammfenster* diagrammfenster() const { return fenster_.get(); }
    const Eingabe& eingabe() const { return eingabe_; }
    const Diagrammlauf& lauf() const { return lauf_; }

    // The press of "Berechne Diagramm !".
    void berechnen();
    // Brings the dialog in front of the chart window, the focus in its first field.
    void nachVorn();

    // The chart's lower temperature limit [°C] that a press draws with; set in the chart
    // window, not in the dialog.
    double thetaUnten() const { return thetaUnten_; }
    void setThetaUnten(double thetaUnten) { thetaUnten_ = thetaUnten; }

    // The seven texts as they stand in the fields, and putting texts into them.
    Feldtexte texte() const;
    void setTexte(const Feldtexte& texte);
    // Asked before the program ends with the dialog; false keeps it open.
    void setBeendenErlaubt(std::function<bool()> frage) { beendenErlaubt_ = std::move(frage); }

  signals:
    // A press drew the chart for these texts.
    void gezeichnet(const Feldtexte& texte);

  protected:
    void closeEvent(QCloseEvent* ereignis) override;
    void showEvent(QShowEvent* ereignis) override;

  private:
    void steuerelementeAnlegen();
    void ablehnen(const Ablehnung& ablehnung);

    std::array<QLineEdit*, kFelder> felder_{};
    QPushButton* knopf_ = nullptr;
    std::unique_ptr<Diagrammfenster> fenster_;
    Diagrammlauf lauf_;
    Eingabe eingabe_;
    double thetaUnten_ = 0;
    bool gezeigt_ = false;
    std::function<bool()> beendenErlaubt_;
};

}  // namespace lumora
