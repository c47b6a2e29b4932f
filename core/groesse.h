#pragma once

#include <cmath>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>

#include "core/wertebereich.h"
#include "core/zustandswerte.h"

namespace lumora {

// A file key of a value in a state or process entry: its symbol and unit as forms, tables
// and messages show them.
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

// The symbol of the key's quantity in the program's language: most are letters, but the
// outdoor air share's is a word.
std::string Symbol(std::string_view schluessel);

// A value under the key in the file's units, from the code's, and back.
double InDatei(std::string_view schluessel, double wert);
double InCode(std::string_view schluessel, double wert);
// The value of a state that the key names, in the file's units; none for a key that names
// no value of a state.
std::optional<double> WertVon(const Zustandswerte& z, std::string_view schluessel);

// A value in the code's units as a message names it, in the key's file unit: "8000 kg/h", "0,1".
std::string Wertangabe(double v, std::string_view schluessel);

// A range of the quantity under the key, with its symbol and in its file unit: "0 ≤ BF < 1".
std::string BereichText(const Wertebereich& b, std::string_view schluessel);
// The reason why v, in the code's units, lies outside the range of the quantity under the key,
// after the subject that names it: "Der Bypassfaktor 1 liegt nicht in 0 ≤ BF < 1."
std::optional<std::string> Bereichsfehler(std::string_view subjekt, double v, const Wertebereich& b,
                                          std::string_view schluessel);

// The reason against a value that is not a finite number, or none: "Die Temperatur ist keine
// endliche Zahl."
std::optional<std::string> NichtEndlich(std::string_view name, double wert);
// The reason against a value of the key that is not finite or lies outside its range, or none.
// The message names it as "Die Temperatur -120 °C" or, with `gleichung`, "φ = 120 %".
std::optional<std::string> Wertfehler(std::string_view name, double wert, const Wertebereich& b,
                                      std::string_view schluessel, bool gleichung = false);

// NichtEndlich and Wertfehler with a name that `name()` makes only for a refusal, so that a
// translated subject costs nothing for the many values that pass.
template <class Name>
requires std::is_invocable_r_v<std::string, const Name&> std::optional<std::string> NichtEndlich(
    const Name& name, double wert) {
    if (std::isfinite(wert)) return std::nullopt;
    return NichtEndlich(std::string_view(name()), wert);
}
template <class Name>
requires std::is_invocable_r_v<std::string, const Name&> std::optional<std::string> Wertfehler(
    const Name& name, double wert, const Wertebereich& b, std::string_view schluessel,
    bool gleichung = false) {
    if (std::isfinite(wert) && Enthaelt(b, wert)) return std::nullopt;
    return Wertfehler(std::string_view(name()), wert, b, schluessel, gleichung);
}

}  // namespace lumora
