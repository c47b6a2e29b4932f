#include "projekt/groessen.h"

#include "core/zahlen.h"

namespace lumora {

namespace {

// clang-format off
const Groesse kGroessen[] = {
    {"theta", "ϑ", "°C"}, {"phi", "φ", "%"}, {"x", "x", "g/kg"}, {"h", "h", "kJ/kg"},
    {"taupunkt", "ϑTau", "°C"}, {"kuehlgrenze", "ϑK", "°C"}, {"oberflaeche", "ϑO", "°C"},
    {"bypass", "BF", ""}, {"wasser", "ϑW", "°C"}, {"dampf", "ϑD", "°C"},
    {"epsilon", "ε", "kJ/kg"}, {"dx", "Δx", "g/kg"}, {"massenstrom", "ṁ", "kg/h"}, {"volumenstrom", "V̇", "m³/h"},
    {"massenstroeme", "ṁ", "kg/h"}, {"aussenluftanteil", "Außenluft", "%"}, {"rueckwaermzahl", "Φ", ""},
    {"feuchterueckgewinnung", "Ψ", ""},
};
// clang-format on

const Groesse kUnbekannt{"", "?", ""};

std::string MitEinheit(const Groesse& g, std::string wert) {
    std::string text = std::string(g.symbol) + " = " + wert;
    if (*g.einheit) text += std::string(" ") + g.einheit;
    return text;
}

}  // namespace

const Groesse& GroesseZu(std::string_view schluessel) {
    for (const Groesse& g : kGroessen) {
        if (schluessel == g.schluessel) return g;
    }
    return kUnbekannt;
}

std::string WertText(const Json& wert, std::string_view dezimaltrenner) {
    if (wert.is_number()) return KuerzesterText(wert.get<double>(), dezimaltrenner);
    if (wert.is_string()) return wert.get<std::string>();
    return wert.dump();
}

std::string Angabe(const Json& eintrag, std::string_view schluessel,
                   std::string_view dezimaltrenner) {
    const auto it = eintrag.find(std::string(schluessel));
    return MitEinheit(GroesseZu(schluessel),
                      it == eintrag.end() ? "?" : WertText(*it, dezimaltrenner));
}

std::string Parametertext(const Json& prozess, std::string_view dezimaltrenner) {
    if (!prozess.is_object()) return {};
    std::string text;
    for (auto it = prozess.begin(); it != prozess.end(); ++it) {
        const std::string& k = it.key();
        if (k == "art" || k == "von" || k == "nach" || k == "name") continue;
        const Groesse& g = GroesseZu(k);
        if (g.schluessel[0] == '\0') continue;
        std::string wert;
        if (it->is_array()) {
            for (const Json& w : *it) {
                wert += (wert.empty() ? "" : " : ") + WertText(w, dezimaltrenner);
            }
        } else {
            wert = WertText(*it, dezimaltrenner);
        }
        text += (text.empty() ? "" : ", ") + MitEinheit(g, std::move(wert));
    }
    return text;
}

}  // namespace lumora
