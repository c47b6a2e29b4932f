#pragma once

#include <QLabel>
#include <QWidget>
#include <array>
#include <vector>

#include "chart/aufzeichnung.h"
#include "chart/beschriftung.h"

namespace lumora {

// The chart labels of the window, placed in area units of pic_gesamt: shown as labels of the
// window that paint themselves as every picture draws them (EtikettMalen), and kept as the
// recording every picture of the chart draws them from.
class Etiketten : public Beschriftung {
  public:
    // Creates every label, hidden, as a child of the area.
    explicit Etiketten(QWidget* gesamt);

    void setVisible(Gruppe g, int index, bool sichtbar) override;
    void setText(Gruppe g, int index, const std::string& text) override;
    void setLeft(Gruppe g, int index, float left) override;
    void setTop(Gruppe g, int index, float top) override;

    QLabel* etikett(Gruppe g, int index) const;
    const Aufzeichnungsbeschriftung& aufzeichnung() const { return aufzeichnung_; }

  private:
    Aufzeichnungsbeschriftung aufzeichnung_;
    std::array<std::vector<QLabel*>, kGruppen.size()> gruppen_;
};

}  // namespace lumora
