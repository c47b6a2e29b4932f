#include "chart/aufzeichnung.h"

#include <stdexcept>

namespace lumora {

void Aufzeichnungsflaeche::Line(float x1, float y1, float x2, float y2, Farbe farbe) {
    operationen_.push_back({Operation::Art::line, x1, y1, x2, y2, farbe, breite_});
}

void Aufzeichnungsflaeche::Box(float x1, float y1, float x2, float y2, Farbe farbe) {
    operationen_.push_back({Operation::Art::box, x1, y1, x2, y2, farbe, 0});
}

void Aufzeichnungsflaeche::Refresh(Bereich bereich) {
    operationen_.push_back({Operation::Art::refresh, 0, 0, 0, 0, {}, 0, bereich});
}

Aufzeichnungsbeschriftung::Aufzeichnungsbeschriftung() {
    for (const Gruppenlayout& g : kGruppen) {
        auto& etiketten = gruppen_[static_cast<int>(g.gruppe)];
        for (int n = 0; n < g.anzahl; ++n) {
            etiketten.push_back({false, Starttext(g.gruppe, n),
                                 static_cast<float>(StartLinks(g.gruppe, n)),
                                 static_cast<float>(StartOben(g.gruppe, n))});
        }
    }
}

Aufzeichnungsbeschriftung::Etikett& Aufzeichnungsbeschriftung::zugriff(Gruppe g, int index) {
    // An index outside the array is a fault of the run, never silently accepted.
    return gruppen_.at(static_cast<int>(g)).at(index);
}

const Aufzeichnungsbeschriftung::Etikett& Aufzeichnungsbeschriftung::etikett(Gruppe g,
                                                                             int index) const {
    return gruppen_.at(static_cast<int>(g)).at(index);
}

void Aufzeichnungsbeschriftung::setVisible(Gruppe g, int index, bool sichtbar) {
    Etikett& e = zugriff(g, index);
    e.sichtbar = sichtbar;
    if (sichtbar) e.gezeigt = ++gezeigt_;
}
void Aufzeichnungsbeschriftung::setText(Gruppe g, int index, const std::string& text) {
    zugriff(g, index).text = text;
}
void Aufzeichnungsbeschriftung::setLeft(Gruppe g, int index, float left) {
    zugriff(g, index).left = left;
}
void Aufzeichnungsbeschriftung::setTop(Gruppe g, int index, float top) {
    zugriff(g, index).top = top;
}

int Aufzeichnungsbeschriftung::sichtbare() const {
    int anzahl = 0;
    for (const auto& etiketten : gruppen_) {
        for (const Etikett& e : etiketten) anzahl += e.sichtbar ? 1 : 0;
    }
    return anzahl;
}

}  // namespace lumora
