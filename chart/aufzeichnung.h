#pragma once

#include <array>
#include <string>
#include <vector>

#include "chart/beschriftung.h"
#include "chart/zeichenflaeche.h"

namespace lumora {

// A canvas that keeps every operation instead of drawing it, for tests and the trace.
class Aufzeichnungsflaeche : public Zeichenflaeche {
  public:
    void Line(float x1, float y1, float x2, float y2, Farbe farbe) override;
    void Box(float x1, float y1, float x2, float y2, Farbe farbe) override;
    void DrawWidth(int breite) override { breite_ = breite; }
    void Refresh(Bereich bereich) override;

    const std::vector<Operation>& operationen() const { return operationen_; }
    void leeren() { operationen_.clear(); }

  private:
    std::vector<Operation> operationen_;
    int breite_ = 1;
};

// Chart labels as plain records, starting as the chart window creates them.
class Aufzeichnungsbeschriftung : public Beschriftung {
  public:
    struct Etikett {
        bool sichtbar = false;
        std::string text;
        float left = 0;
        float top = 0;
        // When it was last shown, counted over all labels: a label shown later lies over
        // the earlier ones.
        int gezeigt = 0;
    };

    Aufzeichnungsbeschriftung();

    void setVisible(Gruppe g, int index, bool sichtbar) override;
    void setText(Gruppe g, int index, const std::string& text) override;
    void setLeft(Gruppe g, int index, float left) override;
    void setTop(Gruppe g, int index, float top) override;

    const Etikett& etikett(Gruppe g, int index) const;
    // How many labels are shown.
    int sichtbare() const;

  private:
    Etikett& zugriff(Gruppe g, int index);
    std::array<std::vector<Etikett>, kGruppen.size()> gruppen_;
    int gezeigt_ = 0;
};

}  // namespace lumora
