#pragma once

#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/wertebereich.h"
#include "core/zustandswerte.h"
#include "projekt/auswertung.h"

namespace lumora {

// A region of the chart bounded by ϑ [°C], φ [%] and x [g/kg], each range with its bounds
// included. A quantity without bounds (key absent or both ends null) does not restrict the
// zone.
struct Zone {
    std::string name;
    std::optional<Wertebereich> theta;
    std::optional<Wertebereich> phi;
    std::optional<Wertebereich> x;

    // The zone object as read, for its key order and the keys Lumora does not know.
    nlohmann::ordered_json vorlage = nlohmann::ordered_json::object();
};

// The keys of a zone's bounds in the project file.
inline constexpr const char* kZonengrenzen[] = {"theta", "phi", "x"};
bool IstZonengrenze(std::string_view schluessel);

// The comfort field the program offers ready-made: 20–26 °C, 30–65 %, x up to 11.5 g/kg.
Zone Behaglichkeitsfeld();

// True when every bound of the zone holds for the point: ϑ and φ as entered for a ϑ-φ series,
// x as entered (g/kg) for a ϑ-x series, the computed values otherwise. A bound on φ never
// holds where φ does not exist (at and above the boiling temperature).
bool Innen(const Zone& zone, const Messpunkt& punkt);

// The possible points of an evaluated series that lie in the zone.
std::size_t InnenAnzahl(const Zone& zone, const Messauswertung& auswertung);

// The share of a series' possible points that `innen` is, in %; 0 when no point is possible.
double Anteil(std::size_t innen, const Messauswertung& auswertung);

// The hours the points inside the zone stand for, each weighed as PunktStunden says; none
// when the series' times cannot be read.
std::optional<double> InnenStunden(const Zone& zone, const Messauswertung& auswertung);

nlohmann::ordered_json ZoneZuJson(const Zone& zone);

// The zone from its entry in the project file; refused, with a German reason naming the key,
// when the entry is not an object, the name is not a text, or a bound is not a list of two
// numbers or nulls with the lower not above the upper.
Ergebnis<Zone> ZoneAusJson(const nlohmann::ordered_json& j);

// How a series lies against the zones: {"name", "punkte", "unmoeglich", "zonen": {zone name:
// {"innen", "anteil", "stunden"}}}, anteil as Anteil gives it, stunden only where the series'
// times can be read.
nlohmann::ordered_json MessreiheBericht(const Messreihe& reihe, const Messauswertung& auswertung,
                                        const std::vector<Zone>& zonen);

}  // namespace lumora
