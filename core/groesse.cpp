#include "core/groesse.h"

#include <cmath>

#include "core/einheiten.h"
#include "core/text.h"
#include "core/zahlen.h"

namespace lumora {

namespace {

// clang-format off
const Groesse kGroessen[] = {
    {"theta", "ϑ", "°C", 1, &Zustandswerte::theta}, {"phi", "φ", "%", 1, nullptr, &Zustandswerte::phi},
    {"x", "x", "g/kg", kGrammJeKilogramm, &Zustandswerte::x}, {"h", "h", "kJ/kg", 1, &Zustandswerte::h},
    {"taupunkt", "ϑTau", "°C", 1, nullptr, &Zustandswerte::taupunkt},
    {"kuehlgrenze", "ϑK", "°C", 1, nullptr, &Zustandswerte::kuehlgrenze}, {"oberflaeche", "ϑO", "°C"},
    {"bypass", "BF", ""}, {"wasser", "ϑW", "°C"}, {"dampf", "ϑD", "°C"},
    {"epsilon", "ε", "kJ/kg"}, {"dx", "Δx", "g/kg", kGrammJeKilogramm}, {"massenstrom", "ṁ", "kg/h"},
    {"volumenstrom", "V̇", "m³/h"}, {"massenstroeme", "ṁ", "kg/h"},
    {"massenstrom1", "ṁ1", "kg/h"}, {"massenstrom2", "ṁ2", "kg/h"},
    {"aussenluftanteil", vorgemerkt::Text("Kern", "Außenluft"), "%"}, {"rueckwaermzahl", "Φ", ""},
    {"feuchterueckgewinnung", "Ψ", ""}, {"massenstrom_abluft", "ṁABL", "kg/h"},
};
// clang-format on

const Groesse kUnbekannt{"", "?", ""};

}  // namespace

const Groesse& GroesseZu(std::string_view schluessel) {
    for (const Groesse& g : kGroessen) {
        if (schluessel == g.schluessel) return g;
    }
    return kUnbekannt;
}

double InDatei(std::string_view schluessel, double wert) {
    return wert * GroesseZu(schluessel).faktor;
}

double InCode(std::string_view schluessel, double wert) {
    return wert / GroesseZu(schluessel).faktor;
}

std::optional<double> WertVon(const Zustandswerte& z, std::string_view schluessel) {
    const Groesse& g = GroesseZu(schluessel);
    if (g.zustand) return InDatei(schluessel, z.*g.zustand);
    if (g.zustandWahl && z.*g.zustandWahl) return InDatei(schluessel, *(z.*g.zustandWahl));
    return std::nullopt;
}

std::string Symbol(std::string_view schluessel) {
    return Text("Kern", GroesseZu(schluessel).symbol);
}

std::string Wertangabe(double v, std::string_view schluessel) {
    const Groesse& g = GroesseZu(schluessel);
    return MitEinheit(v * g.faktor, g.einheit);
}

std::string BereichText(const Wertebereich& b, std::string_view schluessel) {
    const Groesse& g = GroesseZu(schluessel);
    return BereichText(b, Symbol(schluessel), g.einheit, g.faktor);
}

std::optional<std::string> Bereichsfehler(std::string_view subjekt, double v, const Wertebereich& b,
                                          std::string_view schluessel) {
    const Groesse& g = GroesseZu(schluessel);
    return Bereichsfehler(subjekt, v, b, Symbol(schluessel), g.einheit, g.faktor);
}

std::optional<std::string> NichtEndlich(std::string_view name, double wert) {
    if (std::isfinite(wert)) return std::nullopt;
    return KeineEndlicheZahl(name);
}

std::optional<std::string> Wertfehler(std::string_view name, double wert, const Wertebereich& b,
                                      std::string_view schluessel, bool gleichung) {
    if (auto f = NichtEndlich(name, wert)) return f;
    if (Enthaelt(b, wert)) return std::nullopt;  // without building the subject's text
    return Bereichsfehler(
        std::string(name) + (gleichung ? " = " : " ") + Wertangabe(wert, schluessel), wert, b,
        schluessel);
}

}  // namespace lumora
