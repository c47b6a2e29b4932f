#pragma once

#include <array>
#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/eingabe.h"
#include "core/prozess.h"
#include "core/zustandswerte.h"
#include "projekt/anlage.h"
#include "projekt/auswertung.h"
#include "projekt/groessen.h"
#include "projekt/projekt.h"
#include "projekt/zone.h"

namespace lumora {

// The decimals the tables show of each value, in the file's units; the CSV of a report rounds
// to the same, while --json keeps every digit.
namespace stellen {
inline constexpr int kTheta = 2;   // ϑ, dew point, wet-bulb temperature, Δϑ [°C, K]
inline constexpr int kX = 3;       // x, Δx, ice [g/kg]
inline constexpr int kPhi = 1;     // φ [%]
inline constexpr int kH = 2;       // h, Δh [kJ/kg]
inline constexpr int kRho = 4;     // ρ [kg/m³], v [m³/kg]
inline constexpr int kDruck = 2;   // pD [hPa]
inline constexpr int kWasser = 2;  // liquid water in fog [g/kg], water flow [kg/h], power [kW]
inline constexpr int kStrom = 1;   // mass and volume flows [kg/h, m³/h]
}  // namespace stellen

// The place of an entry as messages and the report name it: "zustaende[2]".
std::string Wo(Liste liste, std::size_t index);

// A computed state with its place on the canvas.
struct Diagrammpunkt {
    std::string name;
    Zustandswerte zustand;
    double X = 0;  // canvas units, unclipped
    double Y = 0;
    bool aufLeinwand = false;  // inside 0..12000 × 0..8000: drawn
};

// One entry of zustaende: its state, or the German reason why it has none.
struct BerechneterZustand {
    std::string name;  // as in the file, when it is a text
    std::optional<Diagrammpunkt> punkt;
    std::string fehler;  // empty when computed
};

// One entry of prozesse as computed.
struct BerechneterProzess {
    std::string art;               // as in the file, when it is a text
    std::vector<std::string> von;  // the names it starts at (two for mischen, waermerueckgewinnung)
    std::string nach;              // as in the file, when it is a text
    std::vector<Diagrammpunkt> start;          // the states it starts at, in the order of von
    std::optional<Diagrammpunkt> ende;         // the state it makes
    std::optional<Diagrammpunkt> oberflaeche;  // a cooler's surface point O, for drawing
    bool oberflaecheGesucht = false;           // O's temperature found for a target ϑ or x
    std::optional<Fortluft> fortluft;          // a heat recovery's exhaust side
    double dtheta = 0;                         // end minus (first) start [K]
    double dx = 0;                             // [kg/kg]
    double dh = 0;                             // [kJ/kg]
    std::optional<double> massenstrom;         // dry air [kg/h], given or from the volume flow
    std::optional<double> volumenstrom;        // moist air at the start [m³/h], given or from ṁ
    std::optional<double> leistung;            // [kW], with a mass flow
    std::optional<double> wasser;              // [kg/h], with a mass flow; negative: condensate
    std::string fehler;                        // empty when computed
};

// One entry of messreihen: the series and its points on the chart, or the reason.
// Shared, so that a recomputation of states and processes can keep a large series as it is.
struct MessreihenErgebnis {
    std::shared_ptr<const Messreihe> reihe;
    std::shared_ptr<const Messauswertung> auswertung;  // none without a chart
    std::string fehler;                                // empty when read and evaluated
};

// One entry of zonen: the zone, or the reason why it is none.
struct ZonenErgebnis {
    std::optional<Zone> zone;
    std::string fehler;
};

// The project's air-handling unit: its settings and year, or the German reason why it
// computes nothing. Shared, so that a drag of a state does not compute the year again.
struct AnlagenErgebnis {
    std::string name;  // as in the file, when it is a text
    Json quelle;       // the entry it was computed from
    std::shared_ptr<const Anlage> anlage;
    std::shared_ptr<const Anlagenjahr> jahr;
    std::string fehler;  // empty when computed
};

// A project as the chart shows it.
struct Berechnung {
    std::optional<Eingabe> eingabe;  // none when the input texts are refused as a chart
    std::optional<Luftdruck> druck;
    std::vector<BerechneterZustand> zustaende;  // one per entry of zustaende, in file order
    std::vector<BerechneterProzess> prozesse;   // one per entry of prozesse, in file order
    std::vector<MessreihenErgebnis> messreihen;
    std::vector<ZonenErgebnis> zonen;
    std::optional<AnlagenErgebnis> anlage;  // none without "anlage" in the project

    std::vector<Zone> GueltigeZonen() const;  // the zones that could be read, in file order
};

// Whether a computed state lies below the chart's bottom edge, where h - 2500 x falls under
// the lower limit: colder than the chart reaches.
bool UnterDerUnterenGrenze(const Diagrammpunkt& p);

// The states below the bottom edge, and the lower limit [°C] that brings them onto the chart:
// a multiple of the coarse temperature step, not below the lowest limit a chart may have.
// No limit when no state lies below the edge, or when no allowed limit reaches all of them
// (or one lies beyond the right edge as well).
struct Grenzvorschlag {
    std::vector<std::string> namen;
    std::optional<double> grenze;
};
Grenzvorschlag UntereGrenzeFuer(const Berechnung& b);

// How many possible points of each series lie in each zone: [series][zone entry], 0 for an
// entry that is no zone or a series that could not be evaluated.
using Zonenzaehlung = std::vector<std::vector<std::size_t>>;
Zonenzaehlung ZonenZaehlen(const Berechnung& b);

// The values of the state called name: an entered state or one a process made. None where
// no state has that name or it could not be computed.
const Zustandswerte* ZustandNamens(const Berechnung& b, const std::string& name);

// The project's totals of the processes that computed, by what they cost: heating power,
// humidifying (the humidifiers' power, which is the steam's enthalpy, and their water) and
// cooling power with condensate [kW, kg/h], each summed on its own, so that cooling and
// reheating do not cancel and a steam humidifier does not size the heater. Humidifiers count
// as humidifying whatever their sign; every other process by the signs of its power and its
// water. Heat recovery moves heat between two streams and buys none, so it counts nowhere.
struct Summen {
    double heizen = 0;              // power of the processes that heat [kW], >= 0
    double befeuchtenLeistung = 0;  // power of the humidifiers [kW]
    double befeuchten = 0;          // water taken up [kg/h], >= 0
    double kuehlen = 0;             // power of the processes that cool [kW], <= 0
    double kondensat = 0;           // water given off [kg/h], <= 0
};
Summen SummenVon(const std::vector<BerechneterProzess>& prozesse);

// A row of totals as the table of processes and its CSV show it: a name that says the
// direction, and amounts without sign [kW, kg/h]; none where the row has no such column.
struct Summenzeile {
    std::string name;
    std::optional<double> leistung;
    std::optional<double> wasser;
};
inline constexpr std::size_t kSummenzeilen = 3;
std::array<Summenzeile, kSummenzeilen> SummenzeilenVon(const Summen& s);

// What an earlier computation of the same project, at the same input texts, lends to the next:
// its series when they are unchanged, and its states when only one entry of zustaende has
// changed since. Evaluating a year of logger data, or a thousand states, takes far longer
// than the one state a drag moves.
struct Vorberechnung {
    const Berechnung* vorher = nullptr;
    bool messreihen = false;                // the series are unchanged
    std::optional<std::size_t> nurZustand;  // the only entry of zustaende that changed
};

// Computes every state and process of the project in file order; entries that cannot be
// computed keep their reason and do not stop the others.
Berechnung Berechnen(const Projekt& projekt, const Vorberechnung& vorberechnung = {});

}  // namespace lumora
