#include "projekt/groessen.h"

#include "core/zahlen.h"
#include "projekt/tafeltext.h"

namespace lumora {

namespace {

std::string MitEinheit(const Groesse& g, std::string wert) {
    std::string text = Symbol(g.schluessel) + " = " + wert;
    if (*g.einheit) text += std::string(" ") + g.einheit;
    return text;
}

}  // namespace

const std::vector<Parameter>& Prozessparameter() {
    using P = Prozess;
    static const std::vector<Parameter> parameter = {
        {"theta", vorgemerkt::Text("Projekt", "Endtemperatur ϑ [°C]"), false, kBeliebig, &P::theta},
        {"bypass", vorgemerkt::Text("Projekt", "Bypassfaktor BF"), true, kBypassBereich,
         &P::bypass},
        {"wasser", vorgemerkt::Text("Projekt", "Wassertemperatur ϑW [°C]"), false, kBeliebig,
         &P::wasser},
        {"dampf", vorgemerkt::Text("Projekt", "Dampftemperatur ϑD [°C]"), false, kBeliebig,
         &P::dampf},
        {"epsilon", vorgemerkt::Text("Projekt", "Richtung ε [kJ/kg]"), false, kBeliebig,
         &P::epsilon},
        {"rueckwaermzahl", vorgemerkt::Text("Projekt", "Rückwärmzahl Φ"), false,
         kRueckgewinnungsBereich, &P::rueckwaermzahl},
        {"feuchterueckgewinnung", vorgemerkt::Text("Projekt", "Feuchterückgewinnung Ψ"), true,
         kRueckgewinnungsBereich, &P::feuchterueckgewinnung},
        {"massenstrom1", vorgemerkt::Text("Projekt", "Massenstrom 1 [kg/h]"), true, kPositiv},
        {"massenstrom2", vorgemerkt::Text("Projekt", "Massenstrom 2 [kg/h]"), true, kPositiv},
        {"aussenluftanteil", vorgemerkt::Text("Projekt", "oder Außenluftanteil von 1 [%]"), true,
         kAussenluftBereich, nullptr, &P::aussenluftanteil},
        {"massenstrom", vorgemerkt::Text("Projekt", "Massenstrom trockener Luft [kg/h]"), true,
         kPositiv, nullptr, &P::massenstrom},
        {"volumenstrom", vorgemerkt::Text("Projekt", "oder Volumenstrom feuchter Luft [m³/h]"),
         true, kPositiv, nullptr, &P::volumenstrom},
        {"massenstrom_abluft", vorgemerkt::Text("Projekt", "Massenstrom trockener Abluft [kg/h]"),
         true, kPositiv, nullptr, &P::massenstromAbluft},
    };
    return parameter;
}

const Parameter* ParameterZu(std::string_view schluessel) {
    for (const Parameter& p : Prozessparameter()) {
        if (schluessel == p.schluessel) return &p;
    }
    return nullptr;
}

const Zielart& ZielartVon(Ziel ziel) {
    for (const Zielart& z : kZiele) {
        if (z.ziel == ziel) return z;
    }
    return kZiele[0];
}

const Prozessschema& SchemaVon(Prozessart art) {
    using A = Prozessart;
    using Z = Ziel;
    static const std::vector<Prozessschema> schemata = {
        {A::Heizen, {"theta", "massenstrom", "volumenstrom"}, {}},
        {A::Kuehlen, {"bypass", "massenstrom", "volumenstrom"}, {Z::Oberflaeche, Z::Theta, Z::X}},
        {A::BefeuchtenWasser, {"wasser", "massenstrom", "volumenstrom"}, {Z::Phi, Z::X, Z::DX}},
        {A::BefeuchtenDampf, {"dampf", "massenstrom", "volumenstrom"}, {Z::Phi, Z::X, Z::DX}},
        {A::Richtung, {"epsilon", "massenstrom", "volumenstrom"}, {Z::X, Z::DX}},
        {A::Mischen, {"massenstrom1", "massenstrom2", "aussenluftanteil"}, {}},
        {A::Waermerueckgewinnung,
         {"rueckwaermzahl", "feuchterueckgewinnung", "massenstrom", "volumenstrom",
          "massenstrom_abluft"},
         {}},
    };
    for (const Prozessschema& s : schemata) {
        if (s.art == art) return s;
    }
    return schemata.front();
}

bool IstParameterschluessel(std::string_view schluessel) {
    if (schluessel == "massenstroeme") return true;
    for (const Zielart& z : kZiele) {
        if (schluessel == z.schluessel) return true;
    }
    return ParameterZu(schluessel) != nullptr;
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
