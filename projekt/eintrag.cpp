#include "projekt/eintrag.h"

#include <array>

#include "core/text.h"
#include "projekt/projekt.h"

namespace lumora {

namespace {

using Fehler = std::optional<std::string>;

// A name under key that names a state.
Fehler NameLesen(const Json& e, const char* key, std::string& name) {
    const auto it = e.find(key);
    if (it == e.end()) return Einsetzen(Text("Projekt", "%1 fehlt."), {Zitat(key)});
    if (!it->is_string()) return Einsetzen(Text("Projekt", "%1 ist kein Name."), {Zitat(key)});
    name = it->get<std::string>();
    if (auto f = NamensFehler(name)) return Zitat(key) + ": " + *f;
    return std::nullopt;
}

// The value keys of a state and the pairs they form.
constexpr std::array<const char*, 6> kWerte{"theta", "phi", "x", "h", "taupunkt", "kuehlgrenze"};

std::string Aufzaehlung(const std::vector<const char*>& keys) {
    std::string s;
    for (std::size_t i = 0; i < keys.size(); ++i) s += (i ? ", " : "") + Zitat(keys[i]);
    return s;
}

// The parameters of a process in the code's units, as its kind's schema lists them.
Fehler ProzessLesen(const Json& e, Prozessart art, Prozess& p) {
    p.art = art;
    const auto lesen = [&](const char* key, double& wert) -> Fehler {
        double w = 0;
        if (auto f = WertLesen(e, key, w)) return f;
        wert = InCode(key, w);
        return std::nullopt;
    };
    const Prozessschema& schema = SchemaVon(art);
    for (const char* key : schema.schluessel) {
        const Parameter* par = ParameterZu(key);
        if (!par || (!par->wert && !par->wahl) || (par->freiwillig && !e.contains(key))) continue;
        if (par->wert) {
            if (auto f = lesen(key, p.*par->wert)) return f;
        } else {
            double w = 0;
            if (auto f = lesen(key, w)) return f;
            p.*par->wahl = w;
        }
    }
    if (!schema.ziele.empty()) {
        // Exactly one of the kind's targets.
        std::vector<const char*> da;
        std::vector<const char*> alle;
        for (const Ziel ziel : schema.ziele) {
            const Zielart& z = ZielartVon(ziel);
            alle.push_back(z.schluessel);
            if (!e.contains(z.schluessel)) continue;
            da.push_back(z.schluessel);
            p.ziel = z.ziel;
            if (auto f = lesen(z.schluessel, p.zielwert)) return f;
        }
        if (da.empty())
            return Einsetzen(Text("Projekt", "Es fehlt ein Ziel: %1."), {Aufzaehlung(alle)});
        if (da.size() > 1)
            return Einsetzen(Text("Projekt", "Mehr als ein Ziel: %1."), {Aufzaehlung(da)});
    }
    if (art == Prozessart::Mischen) {
        // Two flows, or the outdoor-air share instead.
        const auto it = e.find("massenstroeme");
        if (p.aussenluftanteil && it != e.end()) {
            return Text("Projekt",
                        "„massenstroeme“ und „aussenluftanteil“ sind beide angegeben; es darf nur "
                        "eins sein.");
        }
        if (!p.aussenluftanteil) {
            if (it == e.end())
                return Text("Projekt", "„massenstroeme“ oder „aussenluftanteil“ fehlt.");
            if (!it->is_array() || it->size() != 2 || !(*it)[0].is_number() ||
                !(*it)[1].is_number()) {
                return Text("Projekt", "„massenstroeme“ muss zwei Zahlen nennen.");
            }
            p.massenstroeme = {(*it)[0].get<double>(), (*it)[1].get<double>()};
        }
    }
    if (e.contains("massenstrom") && e.contains("volumenstrom")) return ZweiStroemeText();
    for (const char* strom : {"massenstrom", "volumenstrom"}) {
        if (!e.contains(strom)) continue;
        double m = 0;
        if (auto f = lesen(strom, m)) return f;
        const Parameter& par = *ParameterZu(strom);
        if (auto f = Bereichsfehler(Zitat(strom) + " = " + Wertangabe(m, strom), m, par.bereich,
                                    strom)) {
            return f;
        }
        p.*par.wahl = m;
    }
    return std::nullopt;
}

Fehler VonLesen(const Json& e, Prozessart art, std::vector<std::string>& von) {
    const auto it = e.find("von");
    if (it == e.end()) return Text("Projekt", "„von“ fehlt.");
    if (HatZweitenZustand(art)) {
        if (!it->is_array() || it->size() != 2 || !(*it)[0].is_string() || !(*it)[1].is_string()) {
            return Text("Projekt", "„von“ muss zwei Namen nennen.");
        }
        von = {(*it)[0].get<std::string>(), (*it)[1].get<std::string>()};
    } else {
        if (!it->is_string()) return Text("Projekt", "„von“ ist kein Name.");
        von = {it->get<std::string>()};
    }
    return std::nullopt;
}

// The value keys the entry has, in the order of kWerte.
std::vector<const char*> Wertschluessel(const Json& e) {
    std::vector<const char*> da;
    for (const char* k : kWerte) {
        if (e.is_object() && e.contains(k)) da.push_back(k);
    }
    return da;
}

// Why the entry gives no pair of values, or none when it gives one.
Fehler PaarLesen(const Json& e, Zustandseintrag& z) {
    const std::vector<const char*> da = Wertschluessel(e);
    z.paar = PaarDerSchluessel(e);
    if (da.empty()) return Text("Projekt", "Es fehlt ein Wertepaar, z. B. „theta“ und „phi“.");
    if (da.size() == 1) {
        return Einsetzen(Text("Projekt", "Zu %1 fehlt der zweite Wert."), {Zitat(da[0])});
    }
    if (!z.paar) {
        return Einsetzen(Text("Projekt", "%1 ergeben kein eindeutiges Wertepaar."),
                         {Aufzaehlung(da)});
    }
    if (auto f = WertLesen(e, z.paar->a, z.a)) return f;
    if (auto f = WertLesen(e, z.paar->b, z.b)) return f;
    z.a = InCode(z.paar->a, z.a);
    z.b = InCode(z.paar->b, z.b);
    return std::nullopt;
}

}  // namespace

std::string ZweiStroemeText() {
    return Text("Projekt",
                "„massenstrom“ und „volumenstrom“ sind beide angegeben; es darf nur einer sein.");
}

const Zustandspaar* PaarDerSchluessel(const Json& e) {
    const std::vector<const char*> da = Wertschluessel(e);
    if (da.size() != 2) return nullptr;
    for (const Zustandspaar& p : kZustandspaare) {
        if (e.contains(p.a) && e.contains(p.b)) return &p;
    }
    return nullptr;
}

std::optional<std::string> WertLesen(const Json& e, const char* key, double& wert) {
    const auto it = e.find(key);
    if (it == e.end()) return Einsetzen(Text("Projekt", "%1 fehlt."), {Zitat(key)});
    if (!it->is_number()) return Einsetzen(Text("Projekt", "%1 ist keine Zahl."), {Zitat(key)});
    wert = it->get<double>();
    return std::nullopt;
}

Zustandseintrag ZustandseintragLesen(const Json& e) {
    Zustandseintrag z;
    if (!e.is_object()) {
        z.fehler = Text("Projekt", "Der Eintrag ist kein JSON-Objekt.");
        return z;
    }
    if (e.contains("name") && e["name"].is_string()) z.name = e["name"];
    if (auto f = NameLesen(e, "name", z.name)) {
        z.fehler = *f;
        return z;
    }
    z.benannt = true;
    if (auto f = PaarLesen(e, z)) {
        z.fehler = *f;
        z.paar = nullptr;
    }
    return z;
}

Zustandseintrag WertepaarLesen(const Json& e) {
    Zustandseintrag z;
    if (auto f = PaarLesen(e, z)) {
        z.fehler = *f;
        z.paar = nullptr;
    }
    return z;
}

Prozesseintrag ProzesseintragLesen(const Json& e) {
    Prozesseintrag r;
    if (!e.is_object()) {
        r.fehler = Text("Projekt", "Der Eintrag ist kein JSON-Objekt.");
        return r;
    }
    if (const auto it = e.find("art"); it != e.end() && it->is_string()) r.art = *it;
    const auto art = ProzessartZu(r.art);
    if (!art) {
        const Json& a = e.contains("art") ? e["art"] : Json();
        r.fehler = a.is_null() ? Text("Projekt", "„art“ fehlt.")
                   : a.is_string()
                       ? Einsetzen(Text("Projekt", "Die Art %1 ist unbekannt."), {Zitat(r.art)})
                       : Text("Projekt", "„art“ ist kein Text.");
        return r;
    }
    if (const auto it = e.find("nach"); it != e.end() && it->is_string()) r.nach = *it;
    if (auto f = VonLesen(e, *art, r.von)) {
        r.fehler = *f;
        return r;
    }
    std::string nach;
    if (auto f = NameLesen(e, "nach", nach)) {
        r.fehler = *f;
        return r;
    }
    r.benannt = true;
    if (auto f = ProzessLesen(e, *art, r.prozess)) r.fehler = *f;
    return r;
}

}  // namespace lumora
