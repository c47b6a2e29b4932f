#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "core/zustandswerte.h"
#include "projekt/messreihe.h"

// A measured series evaluated against the chart: its points as states, the hours they stand
// for, and for a weather year its frequency classes and design values.

namespace lumora {

// A point whose pair describes a state, with the values the zones compare and the inputs of
// its canvas position (X = KoordX(x), Y = KoordY(x, h)).
struct Messpunkt {
    std::size_t index = 0;      // place in the series
    double theta = 0;           // °C, as entered
    std::optional<double> phi;  // %, as entered for a ϑ-φ series; none above boiling
    double xGkg = 0;            // g/kg, as entered for a ϑ-x series
    double x = 0;               // kg/kg, for the canvas
    double h = 0;               // kJ/kg, for the canvas
    double stunden = 0;         // h: PunktStunden, or 1 for an hour of a weather year
    int monat = 0;              // a weather year's month (1..12) and hour (1..24); else 0
    int stunde = 0;
};

// One class of a weather year's frequency map: ϑ from theta to theta + Δϑ and x from x to
// x + Δx, with the hours that fall into it.
struct Klasse {
    std::int64_t i = 0;  // floor(ϑ/Δϑ + 1e-9)
    std::int64_t j = 0;  // floor(x/Δx + 1e-9)
    double theta = 0;    // lower bound [°C], i·Δϑ rounded to 9 decimals
    double x = 0;        // lower bound [g/kg], j·Δx rounded to 9 decimals
    double stunden = 0;
};

// A weather year's frequency map: the classes with hours, sorted by ϑ and then x.
struct Haeufigkeit {
    Klassenbreite breite;
    std::vector<Klasse> klassen;
    double hoechste = 0;  // the most hours of one class

    // The class that holds ϑ [°C] and x [g/kg]; none where it has no hours.
    const Klasse* Bei(double theta, double xGkg) const;
};

// The outdoor states to design for: each value at most k of the counted hours exceed (or,
// for theta_min, undershoot).
struct Auslegung {
    int k = 0;
    double thetaMax = 0;  // °C
    double xMax = 0;      // g/kg
    double hMax = 0;      // kJ/kg
    double thetaMin = 0;  // °C
};

// A series evaluated at one total pressure: computed once, drawn and counted from then on.
// For a weather year with a time window, every count holds only the hours inside it.
struct Messauswertung {
    std::size_t punkte = 0;      // the points counted (inside the time window)
    std::size_t unmoeglich = 0;  // of those, the points whose pair describes no state
    bool zeitLesbar = false;     // every point's time could be read: the hours mean something
    std::vector<Messpunkt> moeglich;
    bool wetterjahr = false;
    std::optional<Haeufigkeit> haeufigkeit;  // a weather year's classes
    std::optional<Auslegung> auslegung;      // a weather year's, with more than k hours

    double Stunden() const;  // the hours the possible points stand for
};

// A weather year's month (1..12) and hour (1..24) at point i, its time fields whole numbers in
// their ranges; false where any is not.
bool WetterstundeLesen(const Messreihe& reihe, std::size_t i, int& monat, int& stunde);

Messauswertung MessreiheAuswerten(const Messreihe& reihe, const Luftdruck& druck);

// A class's lower bound as written: k·breite rounded to 9 decimals.
double Klassengrenze(std::int64_t k, double breite);

// The classes of the points, each weighing its hours.
Haeufigkeit Klassieren(const std::vector<Messpunkt>& punkte, Klassenbreite breite);

// The design values of the points for k hours; none with k or fewer points.
std::optional<Auslegung> Auslegungswerte(const std::vector<Messpunkt>& punkte, int k);

}  // namespace lumora
