#include "projekt/bearbeiten.h"

#include <algorithm>
#include <cmath>
#include <set>
#include <string_view>

#include "core/groesse.h"
#include "core/koordinaten.h"
#include "core/text.h"
#include "projekt/groessen.h"
#include "projekt/zone.h"

namespace lumora {

namespace {

// Whether an edit form of the list owns the key, so that the form's entry decides it.
bool GehoertDemFormular(Liste liste, std::string_view k) {
    if (liste == Liste::Zonen) return k == "name" || IstZonengrenze(k);
    return k == "art" || k == "von" || k == "nach" || IstParameterschluessel(k);
}

}  // namespace

Json EintragZusammenfuehren(Liste liste, const Json& alt, const Json& neu) {
    if (!alt.is_object() || !neu.is_object()) return neu;
    Json e = Json::object();
    for (auto it = alt.begin(); it != alt.end(); ++it) {
        const std::string& k = it.key();
        if (const auto n = neu.find(k); n != neu.end()) {
            e[k] = *n;
        } else if (!GehoertDemFormular(liste, k)) {
            e[k] = it.value();
        }
    }
    for (auto it = neu.begin(); it != neu.end(); ++it) {
        if (!e.contains(it.key())) e[it.key()] = it.value();
    }
    return e;
}

std::optional<double> UebernommenerMassenstrom(const Berechnung& b, std::size_t index) {
    if (index == 0 || index > b.prozesse.size()) return std::nullopt;
    const auto& m = b.prozesse[index - 1].massenstrom;
    if (!m || !std::isfinite(*m)) return std::nullopt;
    return std::round(*m * 100) / 100;
}

std::string EintragPruefen(const Projekt& projekt, Liste liste, std::size_t index,
                           const Json& eintrag) {
    if (liste == Liste::Zonen) {
        const auto zone = ZoneAusJson(eintrag);
        return zone ? std::string() : zone.grund();
    }
    Projekt probe = projekt;
    if (index < probe.anzahl(liste)) {
        probe.ersetzen(liste, index, eintrag);
    } else {
        index = probe.anzahl(liste);
        probe.einfuegen(liste, index, eintrag);
    }
    if (liste == Liste::Prozesse) {
        // The session puts the process where it computes; it is checked there.
        const std::vector<std::size_t> folge = Rechenfolge(probe);
        index =
            static_cast<std::size_t>(std::find(folge.begin(), folge.end(), index) - folge.begin());
        probe.ordnen();
    }
    const Berechnung b = Berechnen(probe);
    if (liste == Liste::Zustaende && index < b.zustaende.size()) return b.zustaende[index].fehler;
    if (liste == Liste::Prozesse && index < b.prozesse.size()) return b.prozesse[index].fehler;
    return {};
}

Json ProzessEintrag(const Prozessfelder& f) {
    const Prozessschema& schema = SchemaVon(f.art);
    Json e = Json::object();
    e["art"] = std::string(NameVon(f.art).schluessel);
    e["von"] = HatZweitenZustand(f.art) ? Json::array({f.von, f.von2}) : Json(f.von);
    e["nach"] = f.nach;
    const auto wert = [&](const std::string& key) -> std::optional<double> {
        const auto it = f.parameter.find(key);
        return it == f.parameter.end() ? std::nullopt : std::optional<double>(it->second);
    };
    bool zielDa = schema.ziele.empty() || f.ziel.empty();
    const auto ziel = [&] {
        if (zielDa) return;
        zielDa = true;
        e[f.ziel] = JsonZahl(f.zielwert.value_or(0));
    };
    for (const char* k : schema.schluessel) {
        const std::string key = k;
        if (ParameterZu(key)->freiwillig) ziel();
        if (key == "massenstrom1" || key == "massenstrom2") continue;
        if (const auto v = wert(key)) e[key] = JsonZahl(*v);
    }
    ziel();
    const auto m1 = wert("massenstrom1"), m2 = wert("massenstrom2");
    if (f.art == Prozessart::Mischen && (m1 || m2 || !e.contains("aussenluftanteil"))) {
        e["massenstroeme"] = Json::array({JsonZahl(m1.value_or(0)), JsonZahl(m2.value_or(0))});
    }
    return e;
}

bool MischungVollstaendig(const Prozessfelder& f) {
    if (f.art != Prozessart::Mischen) return true;
    const auto da = [&](const char* k) { return f.parameter.count(k) > 0; };
    return da("aussenluftanteil") || (da("massenstrom1") && da("massenstrom2"));
}

std::vector<std::string> ZustandsNamen(const Berechnung& b, const Projekt& p) {
    std::vector<std::string> namen;
    for (std::size_t i = 0; i < p.anzahl(Liste::Zustaende); ++i) {
        const Json& e = p.eintrag(Liste::Zustaende, i);
        if (e.is_object() && e.contains("name") && e["name"].is_string()) {
            namen.push_back(e["name"].get<std::string>());
        }
    }
    for (const BerechneterProzess& pr : b.prozesse) {
        if (!pr.nach.empty()) namen.push_back(pr.nach);
    }
    return namen;
}

std::string FreierZustandsname(const Berechnung& b, const Projekt& p) {
    const std::vector<std::string> namen = ZustandsNamen(b, p);
    const std::set<std::string> vergeben(namen.begin(), namen.end());
    std::string name;
    for (int n = 1; vergeben.count(name = "Z" + std::to_string(n)); ++n) {
    }
    return name;
}

int GezogeneStellen(std::string_view schluessel) { return schluessel == "x" ? 3 : 2; }

namespace {

Json GezogenerWert(double wert, std::string_view schluessel) {
    const double f = std::pow(10.0, GezogeneStellen(schluessel));
    return JsonZahl(std::round(wert * f) / f);
}

// The state at the chart position X, Y, from its water content and enthalpy there.
Ergebnis<Zustandswerte> ZustandBei(const Berechnung& b, double X, double Y) {
    if (!b.eingabe || !b.druck)
        return Ergebnis<Zustandswerte>::Fehler(Text("Projekt", "Es gibt kein Diagramm."));
    const double x = XAusKoord(*b.eingabe, X);
    return ZustandAusHX(*b.druck, HAusKoord(*b.eingabe, x, Y), x);
}

}  // namespace

Ergebnis<Json> ZustandAnStelle(const Berechnung& b, double X, double Y, const std::string& name) {
    const auto z = ZustandBei(b, X, Y);
    if (!z) return Ergebnis<Json>::Fehler(z.grund());
    Json e = Json::object();
    e["name"] = name;
    for (const char* k : {"theta", "x"}) e[k] = GezogenerWert(*WertVon(*z, k), k);
    return e;
}

std::optional<Json> ZustandVerschoben(const Projekt& p, const Berechnung& b, std::size_t index,
                                      double X, double Y) {
    if (index >= p.anzahl(Liste::Zustaende)) return std::nullopt;
    const Zustandspaar* paar = p.zustand(index).paar;
    const auto z = ZustandBei(b, X, Y);
    if (!paar || !z) return std::nullopt;  // e.g. left of x = 0: the marker stays
    Json e = p.eintrag(Liste::Zustaende, index);
    for (const char* k : {paar->a, paar->b}) {
        const auto wert = WertVon(*z, k);
        if (!wert) return std::nullopt;
        e[k] = GezogenerWert(*wert, k);
    }
    return e;
}

}  // namespace lumora
