#pragma once

#include <QLabel>
#include <QWidget>
#include <array>
#include <vector>

#include "chart/beschriftung.h"

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
    Etiketten& etiketten() { return etiketten_; }
    QWidget* gesamt() const { return gesamt_; }

  private:
    void flaechenAnlegen();

    QWidget* gesamt_ = nullptr;
    Leinwand* leinwand_ = nullptr;
    Etiketten etiketten_;
};

}  // namespace lumora
