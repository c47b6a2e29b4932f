#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "core/zustandswerte.h"
#include "projekt/berechnung.h"

// The columns of values that the window's tables and the report's CSV share: each with its key,
// its header, its decimals and its value in the file's unit, written once.

namespace lumora {

struct Zustandsspalte {
    std::string_view schluessel;  // the file key where the value can be entered ("theta")
    std::string_view kopf;        // German, "ϑ [°C]"; Kopf() gives it in the program's language
    int stellen;
    std::optional<double> (*wert)(const Zustandswerte&);
    bool janein = false;  // shown as "ja" or "nein" (a value of 1 or 0)
};

// Every value of a state in the report's order: ϑ, x, φ, h, pD, ϑTau, ϑK, ρ, v, Nebel, Wasser,
// Eis.
std::span<const Zustandsspalte> Zustandsspalten();
// The column with the key; the first column for an unknown key.
const Zustandsspalte& ZustandsspalteZu(std::string_view schluessel);

struct Prozessspalte {
    std::string_view schluessel;
    std::string_view kopf;  // German, "Δϑ [K]"; Kopf() gives it in the program's language
    int stellen;
    std::optional<double> (*wert)(const BerechneterProzess&);
};

// The computed values of a process: Δϑ, Δx, Δh, ṁ, V̇, power and water.
std::span<const Prozessspalte> Prozessspalten();
const Prozessspalte& ProzessspalteZu(std::string_view schluessel);

// A column's header in the program's language.
std::string Kopf(const Zustandsspalte& s);
std::string Kopf(const Prozessspalte& s);

}  // namespace lumora
