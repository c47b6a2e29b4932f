#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/einheiten.h"
#include "core/groesse.h"
#include "core/prozess.h"
#include "core/zustandswerte.h"
#include "projekt/jsontext.h"
#include "projekt/tafeltext.h"

namespace lumora {

// The ways to enter a state: the pair, its two keys in the project file, its name in a form
// (German; tafel::Angezeigt(anzeige) shows it in the program's language), and the ranges of its
// two values, in the code's units.
struct Zustandspaar {
    Paar paar;
    const char* a;
    const char* b;
    const char* anzeige;
    Wertebereich bereichA;
    Wertebereich bereichB;
};
// clang-format off
inline constexpr std::array<Zustandspaar, 6> kZustandspaare{{
    {Paar::ThetaPhi, "theta", "phi", vorgemerkt::Text("Projekt", "ϑ und φ"), kTemperaturBereich, kPhiBereich},
    {Paar::ThetaX, "theta", "x", vorgemerkt::Text("Projekt", "ϑ und x"), kTemperaturBereich, kNichtNegativ},
    {Paar::HX, "h", "x", vorgemerkt::Text("Projekt", "h und x"), kBeliebig, kNichtNegativ},
    {Paar::ThetaTaupunkt, "theta", "taupunkt", vorgemerkt::Text("Projekt", "ϑ und Taupunkt"), kTemperaturBereich, kTemperaturBereich},
    {Paar::ThetaKuehlgrenze, "theta", "kuehlgrenze", vorgemerkt::Text("Projekt", "ϑ und Kühlgrenztemperatur"), kTemperaturBereich, kTemperaturBereich},
    {Paar::XPhi, "x", "phi", vorgemerkt::Text("Projekt", "x und φ"), kPositiv, kPhiPositivBereich},
}};
// clang-format on

// A parameter of a process as the file and the form hold it. The two flows of a mixing are
// one file key, "massenstroeme"; the form has a field for each, "massenstrom1" and "2".
struct Parameter {
    const char* schluessel;
    const char* beschriftung;         // the form's label, with symbol and unit, German like anzeige
    bool freiwillig;                  // may be left out
    Wertebereich bereich;             // in the code's units
    double Prozess::*wert = nullptr;  // where the process keeps it
    std::optional<double> Prozess::*wahl = nullptr;  // the same for a value that may be missing
};
// Every parameter, in the order of the form.
const std::vector<Parameter>& Prozessparameter();
const Parameter* ParameterZu(std::string_view schluessel);

// The target of a humidifier, of a direction or of a cooler, by its file key, with its name in
// the form's list of targets (German, like a pair's anzeige).
struct Zielart {
    const char* schluessel;
    const char* anzeige;
    Ziel ziel;
};
// clang-format off
inline constexpr Zielart kZiele[] = {
    {"phi", "φ [%]", Ziel::Phi}, {"x", "x [g/kg]", Ziel::X}, {"dx", "Δx [g/kg]", Ziel::DX},
    {"oberflaeche", vorgemerkt::Text("Projekt", "Oberflächentemperatur ϑO [°C]"), Ziel::Oberflaeche},
    {"theta", vorgemerkt::Text("Projekt", "Endtemperatur ϑ [°C]"), Ziel::Theta}};
// clang-format on
const Zielart& ZielartVon(Ziel ziel);

// What a kind of process asks for: its parameters by key, and the targets it offers, of
// which an entry gives exactly one; none for a kind without a target.
struct Prozessschema {
    Prozessart art;
    std::vector<const char*> schluessel;
    std::vector<Ziel> ziele;
};
const Prozessschema& SchemaVon(Prozessart art);
// Whether the file key is one that some kind of process takes as a parameter or target: what
// a form replaces when it edits an entry, while other keys stay.
bool IstParameterschluessel(std::string_view schluessel);

// A value of an entry as a cell or a field shows it: a number as the shortest text that reads
// back to it, with the given decimal separator; a text as it stands.
std::string WertText(const Json& wert, std::string_view dezimaltrenner);

// "ϑ = 32 °C" for a key and its value in an entry; "?" for the value where it is missing.
std::string Angabe(const Json& eintrag, std::string_view schluessel,
                   std::string_view dezimaltrenner);

// The parameters of a process entry as one line in file order, e.g. "ϑO = 9 °C, BF = 0,1";
// keys this version does not know are left out.
std::string Parametertext(const Json& prozess, std::string_view dezimaltrenner);

}  // namespace lumora
