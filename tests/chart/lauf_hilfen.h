#pragma once

#include <vector>

#include "chart/aufzeichnung.h"
#include "chart/diagrammlauf.h"
#include "core/koordinaten.h"

namespace lumora::test {

inline Eingabe Standard() { return {200, 10, 1, 0.2, 0.02, 0.002, 1013}; }

// A chart run with its recording canvas and labels, kept across presses.
struct Lauf {
    Diagrammlauf lauf;
    Aufzeichnungsflaeche flaeche;
    Aufzeichnungsbeschriftung beschriftung;

    void druecken(const Eingabe& e, std::string_view trenner = ",") {
        flaeche.leeren();
        lauf.zeichnen(e, flaeche, beschriftung, trenner);
    }

    std::vector<Operation> linien(Farbe farbe, int breite = 0) const {
        std::vector<Operation> aus;
        for (const auto& op : flaeche.operationen()) {
            if (op.art == Operation::Art::line && op.farbe == farbe &&
                (breite == 0 || op.breite == breite)) {
                aus.push_back(op);
            }
        }
        return aus;
    }
};

// The water content and enthalpy of air at theta [°C] with phi [%] at 1013 hPa.
inline std::pair<double, double> Zustandspunkt(double theta, double phi) {
    Zustand z;
    z.Pges = 1013;
    z.theta = theta;
    z.Saettigungsdruck();
    z.pD = z.pS * phi / 100;
    z.Wassergehalt();
    return {z.x, Enthalpie(theta, z.x)};
}

}  // namespace lumora::test
