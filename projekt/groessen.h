#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/einheiten.h"
#include "core/prozess.h"
#include "core/zustandswerte.h"
#include "projekt/jsontext.h"

namespace lumora {

// The ways to enter a state: the pair, its two keys in the project file, its name in a form.
struct Zustandspaar {
    Paar paar;
    const char* a;
    const char* b;
    const char* anzeige;
};
inline constexpr std::array<Zustandspaar, 6> kZustandspaare{{
    {Paar::ThetaPhi, "theta", "phi", "ϑ und φ"},
    {Paar::ThetaX, "theta", "x", "ϑ und x"},
    {Paar::HX, "h", "x", "h und x"},
    {Paar::ThetaTaupunkt, "theta", "taupunkt", "ϑ und Taupunkt"},
    {Paar::ThetaKuehlgrenze, "theta", "kuehlgrenze", "ϑ und Kühlgrenztemperatur"},
    {Paar::XPhi, "x", "phi", "x und φ"},
}};

// A file key of a value in a state or process entry: its symbol and unit as forms, tables
// and reports show them.
struct Groesse {
    const char* schluessel;
    const char* symbol;
    const char* einheit;
    double faktor = 1;  // file units per unit of the code: 1000 for g/kg against kg/kg
    // The state's value the key names, where it names one, or one that may not exist.
    double Zustandswerte::*zustand = nullptr;
    std::optional<double> Zustandswerte::*zustandWahl = nullptr;
};
// The quantity of a key; one with an empty key and the symbol "?" for a key this version does
// not know.
const Groesse& GroesseZu(std::string_view schluessel);

// A value under the key in the file's units, from the code's, and back.
double InDatei(std::string_view schluessel, double wert);
double InCode(std::string_view schluessel, double wert);
// The value of a state that the key names, in the file's units; none for a key that names
// no value of a state.
std::optional<double> WertVon(const Zustandswerte& z, std::string_view schluessel);

// A parameter of a process as the file and the form hold it. The two flows of a mixing are
// one file key, "massenstroeme"; the form has a field for each, "massenstrom1" and "2".
struct Parameter {
    const char* schluessel;
    const char* beschriftung;                        // the form's label, with symbol and unit
    bool freiwillig;                                 // may be left out
    double Prozess::*wert = nullptr;                 // where the process keeps it
    std::optional<double> Prozess::*wahl = nullptr;  // the same for a value that may be missing
};
// Every parameter, in the order of the form.
const std::vector<Parameter>& Prozessparameter();
const Parameter* ParameterZu(std::string_view schluessel);

// The target of a humidifier or of a direction, by its file key.
struct Zielart {
    const char* schluessel;
    const char* anzeige;
    Ziel ziel;
};
inline constexpr Zielart kZiele[] = {
    {"phi", "φ [%]", Ziel::Phi}, {"x", "x [g/kg]", Ziel::X}, {"dx", "Δx [g/kg]", Ziel::DX}};

// What a kind of process asks for: its parameters by key, and whether a target comes on top.
struct Prozessschema {
    Prozessart art;
    std::vector<const char*> schluessel;
    bool ziel;
    bool zielPhi;  // whether φ is an allowed target
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
