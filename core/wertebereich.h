#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace lumora {

// A bound of a range, with or without the bound itself.
struct Grenze {
    double wert;
    bool eingeschlossen;
};

// The values a quantity may take, in the code's units; a missing bound is no bound. Every
// range of an entered value is written once as such a constant, which the computation checks
// and forms, tables and messages describe.
struct Wertebereich {
    std::optional<Grenze> unten;
    std::optional<Grenze> oben;
};

inline constexpr Wertebereich kBeliebig{};
// The range from unten to oben, both included; a missing bound is an open end.
constexpr Wertebereich Eingeschlossen(std::optional<double> unten, std::optional<double> oben) {
    Wertebereich b;
    if (unten) b.unten = Grenze{*unten, true};
    if (oben) b.oben = Grenze{*oben, true};
    return b;
}
inline constexpr Wertebereich kPositiv{Grenze{0, false}, std::nullopt};
inline constexpr Wertebereich kNichtNegativ{Grenze{0, true}, std::nullopt};

// Whether b takes every value.
constexpr bool Unbegrenzt(const Wertebereich& b) { return !b.unten && !b.oben; }

// Whether v lies in b; never for NaN.
constexpr bool Enthaelt(const Wertebereich& b, double v) {
    if (v != v) return false;
    if (b.unten && (b.unten->eingeschlossen ? v < b.unten->wert : v <= b.unten->wert)) {
        return false;
    }
    if (b.oben && (b.oben->eingeschlossen ? v > b.oben->wert : v >= b.oben->wert)) return false;
    return true;
}

// How a range reads, in the unit `einheit` that is `faktor` of the code's units:
// "0 ≤ BF < 1", "ṁ > 0 kg/h", "0 < φ ≤ 100 %"; empty for a range without bounds.
std::string BereichText(const Wertebereich& b, std::string_view symbol, std::string_view einheit,
                        double faktor = 1);

// The reason why a value lies outside b, after the subject that names it with its
// value, "Der Bypassfaktor 1": "… liegt nicht in 0 ≤ BF < 1.", "… liegt nicht zwischen 0
// und 1.", "… ist nicht größer als 0 kg/h.", "… ist negativ."; none inside.
std::optional<std::string> Bereichsfehler(std::string_view subjekt, double v, const Wertebereich& b,
                                          std::string_view symbol, std::string_view einheit,
                                          double faktor = 1);

// "Die Temperatur ist keine endliche Zahl.": the reason against a value of the subject that is
// not a finite number.
std::string KeineEndlicheZahl(std::string_view subjekt);

}  // namespace lumora
