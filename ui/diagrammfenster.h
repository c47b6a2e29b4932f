#pragma once

#include <QLabel>
#include <QWidget>
#include <array>
#include <optional>
#include <vector>

#include "chart/ablesung.h"
#include "chart/beschriftung.h"
#include "core/eingabe.h"

namespace lumora {

class Leinwand;

// The chart labels of the window, placed in area units of pic_gesamt.
class Etiketten : public Beschriftung {
  public:
    // Creates every label, hidden, as a child of the area.
    explicit Etiketten(QWidget* gesamt);

    void setVisible(Gruppe g, int index, bool sichtbar) override;
    void setText(Gruppe g, int index, const std::string& text) override;
    void setLeft(Gruppe g, int index, float left) override;
    void setTop(Gruppe g, int index, float top) override;

    QLabel* etikett(Gruppe g, int index) const;

  private:
    std::array<std::vector<QLabel*>, kGruppen.size()> gruppen_;
};

// frm_Lumora: the chart window with the area pic_gesamt, the canvas pic_Diagramm, the two
// pictures and the chart labels. Created on the first press and reused after that.
class Diagrammfenster : public QWidget {
    Q_OBJECT

  public:
    explicit Diagrammfenster(QWidget* parent = nullptr);

    Leinwand& leinwand() { return *leinwand_; }
    const Leinwand& leinwand() const { return *leinwand_; }
    Etiketten& etiketten() { return etiketten_; }
    QWidget* gesamt() const { return gesamt_; }
    QLabel* ablesung() const { return ablesung_; }

    // The values the chart on the canvas was drawn for; from then on the state under the
    // cursor can be read.
    void setEingabe(const Eingabe& eingabe) { eingabe_ = eingabe; }

    // Shows the state at a point of the canvas interior, in pixels, in the read-out box.
    void ablesen(QPoint imInnern);

    void speichernUnter();
    void drucken();
    void kopieren();

  protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;
    void contextMenuEvent(QContextMenuEvent* ereignis) override;

  private:
    void flaechenAnlegen();
    void aktionenAnlegen();

    QWidget* gesamt_ = nullptr;
    Leinwand* leinwand_ = nullptr;
    Etiketten etiketten_;
    QLabel* ablesung_ = nullptr;
    std::optional<Eingabe> eingabe_;
};

// The lines of the read-out box, numbers in the user's locale.
QString AblesungText(const Ablesung& a);

}  // namespace lumora
