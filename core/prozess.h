#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "core/text.h"
#include "core/wertebereich.h"
#include "core/zustandswerte.h"

namespace lumora {

// The kinds of process between states of humid air.
enum class Prozessart {
    Heizen,
    Kuehlen,
    BefeuchtenWasser,
    BefeuchtenDampf,
    Richtung,
    Mischen,
    Waermerueckgewinnung
};

// A kind's key in the project file and its German name in the table of processes; Anzeigename
// gives the name in the program's language.
struct Prozessname {
    Prozessart art;
    std::string_view schluessel;
    std::string_view anzeige;
};

inline constexpr std::array<Prozessname, 7> kProzessnamen{{
    {Prozessart::Heizen, "heizen", vorgemerkt::Text("Kern", "Erwärmen")},
    {Prozessart::Kuehlen, "kuehlen", vorgemerkt::Text("Kern", "Kühlen")},
    {Prozessart::BefeuchtenWasser, "befeuchten_wasser",
     vorgemerkt::Text("Kern", "Befeuchten mit Wasser")},
    {Prozessart::BefeuchtenDampf, "befeuchten_dampf",
     vorgemerkt::Text("Kern", "Befeuchten mit Dampf")},
    {Prozessart::Richtung, "richtung", vorgemerkt::Text("Kern", "Zustandsänderung in Richtung ε")},
    {Prozessart::Mischen, "mischen", vorgemerkt::Text("Kern", "Mischen")},
    {Prozessart::Waermerueckgewinnung, "waermerueckgewinnung",
     vorgemerkt::Text("Kern", "Wärmerückgewinnung")},
}};

// The kind with the file key schluessel; none for an unknown key.
std::optional<Prozessart> ProzessartZu(std::string_view schluessel);
// The key and table name of a kind.
const Prozessname& NameVon(Prozessart art);
// The name of a kind in the program's language.
std::string Anzeigename(Prozessart art);
// Whether a kind starts at two states: mixing, and heat recovery (outdoor air, exhaust air).
bool HatZweitenZustand(Prozessart art);

// The target of a humidifier or of a change in a direction: φ [%], x or Δx [kg/kg]; what a
// cooler is given: its surface temperature ϑO, or the end's ϑ [°C] or x [kg/kg] that it makes.
enum class Ziel { Keins, Phi, X, DX, Oberflaeche, Theta };

// The ranges of the parameters that do not depend on the start; flows are kPositiv, the
// temperatures and the direction are bounded only by their start.
inline constexpr Wertebereich kBypassBereich{Grenze{0, true}, Grenze{1, false}};
inline constexpr Wertebereich kRueckgewinnungsBereich{Grenze{0, true}, Grenze{1, true}};  // Φ, Ψ
inline constexpr Wertebereich kAussenluftBereich{Grenze{0, true}, Grenze{100, true}};     // [%]

// A process as entered. Only the fields of its kind are read; units inside the code.
struct Prozess {
    Prozessart art = Prozessart::Heizen;
    double theta = 0;    // heizen: end temperature [°C]
    double bypass = 0;   // kuehlen: bypass factor BF, kBypassBereich
    double wasser = 0;   // befeuchten_wasser: water temperature [°C]
    double dampf = 0;    // befeuchten_dampf: steam temperature [°C]
    double epsilon = 0;  // richtung: direction dh/dx [kJ/kg]
    // befeuchten_*: Phi, X or DX; richtung: X or DX; kuehlen: Oberflaeche, Theta or X.
    Ziel ziel = Ziel::Keins;
    double zielwert = 0;                    // [%], [kg/kg] or [°C]
    std::array<double, 2> massenstroeme{};  // mischen: the two streams [kg/h], > 0
    // mischen, instead of massenstroeme: the first stream's (the outdoor air's) share of the
    // total [%], kAussenluftBereich.
    std::optional<double> aussenluftanteil{};
    double rueckwaermzahl = 0;            // waermerueckgewinnung: Φ, kRueckgewinnungsBereich
    double feuchterueckgewinnung = 0;     // waermerueckgewinnung: Ψ, the same
    std::optional<double> massenstrom{};  // dry air [kg/h], > 0; gives power and water flow
    // Instead of massenstrom: moist air at the start state [m³/h], > 0; ṁ = V̇ ρ / (1 + x).
    std::optional<double> volumenstrom{};
    // waermerueckgewinnung: the exhaust air's dry air [kg/h], > 0; without it the exhaust
    // stream equals the outdoor stream.
    std::optional<double> massenstromAbluft{};
};

// The exhaust air after a heat recovery: its outlet temperature, and a warning where it
// cools below its dew point (condensate) or below 0 °C and its frost point (icing).
struct Fortluft {
    double theta = 0;     // [°C]
    std::string warnung;  // empty without a warning
};

// What a process makes.
struct Prozesswirkung {
    Zustandswerte ende;
    std::optional<Zustandswerte> oberflaeche;  // kuehlen: the surface point O
    bool oberflaecheGesucht = false;           // kuehlen: ϑO found for a target ϑ or x
    std::optional<Fortluft> fortluft;          // waermerueckgewinnung: the exhaust side
    double dtheta = 0;                         // end minus start [K]
    double dx = 0;                             // [kg/kg]
    double dh = 0;                             // [kJ/kg]
    // ṁ of dry air [kg/h], given or from the volume flow; a mixing's is the sum of its two
    // streams, the air that leaves it.
    std::optional<double> massenstrom;
    std::optional<double> volumenstrom;  // V̇ of moist air at the start [m³/h], given or from ṁ
    std::optional<double> leistung;      // ṁ Δh / 3600 [kW]; none without mass flow
    std::optional<double> wasser;        // ṁ Δx [kg/h], negative for condensate
};

// The volume flow of moist air at state z [m³/h] that carries the mass flow of dry air
// massenstrom [kg/h], V̇ = ṁ (1 + x) / ρ, and the mass flow a volume flow carries.
double VolumenstromBei(double massenstrom, const Zustandswerte& z);
double MassenstromBei(double volumenstrom, const Zustandswerte& z);

// The end state of process p from start, and for mixing and heat recovery the second state
// (the exhaust air for heat recovery); or the German reason why the process is impossible.
Ergebnis<Prozesswirkung> Rechne(const Luftdruck& d, const Prozess& p, const Zustandswerte& start,
                                const Zustandswerte* zweiter = nullptr);

}  // namespace lumora
