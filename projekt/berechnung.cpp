#include "projekt/berechnung.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <unordered_map>

#include "chart/pruefung.h"
#include "core/koordinaten.h"
#include "core/prozess.h"
#include "core/zahlen.h"
#include "projekt/groessen.h"

namespace lumora {

namespace {

using Fehler = std::optional<std::string>;

}  // namespace

Fehler WertLesen(const Json& e, const char* key, double& wert) {
    const auto it = e.find(key);
    if (it == e.end()) return Zitat(key) + " fehlt.";
    if (!it->is_number()) return Zitat(key) + " ist keine Zahl.";
    wert = it->get<double>();
    return std::nullopt;
}

namespace {

// A name under key that names a state.
Fehler NameLesen(const Json& e, const char* key, std::string& name) {
    const auto it = e.find(key);
    if (it == e.end()) return Zitat(key) + " fehlt.";
    if (!it->is_string()) return Zitat(key) + " ist kein Name.";
    name = it->get<std::string>();
    if (auto f = NamensFehler(name)) return Zitat(key) + ": " + *f;
    return std::nullopt;
}

// The value keys of a state and the pairs they form.
constexpr std::array<const char*, 6> kWerte{"theta", "phi", "x", "h", "taupunkt", "kuehlgrenze"};
// A value of the file in the code's unit: water contents are in g/kg there.
std::string Aufzaehlung(const std::vector<const char*>& keys) {
    std::string s;
    for (std::size_t i = 0; i < keys.size(); ++i) s += (i ? ", " : "") + Zitat(keys[i]);
    return s;
}

Ergebnis<Luftzustand> ZustandLesen(const Json& e, const Luftdruck* druck,
                                   const std::string& eingabeFehler) {
    using E = Ergebnis<Luftzustand>;
    std::vector<const char*> da;
    for (const char* k : kWerte) {
        if (e.contains(k)) da.push_back(k);
    }
    const Zustandspaar* paar = nullptr;
    for (const Zustandspaar& p : kZustandspaare) {
        if (da.size() == 2 && e.contains(p.a) && e.contains(p.b)) paar = &p;
    }
    if (da.empty()) return E::Fehler("Es fehlt ein Wertepaar, z. B. „theta“ und „phi“.");
    if (da.size() == 1) return E::Fehler("Zu " + Zitat(da[0]) + " fehlt der zweite Wert.");
    if (!paar) return E::Fehler(Aufzaehlung(da) + " ergeben kein eindeutiges Wertepaar.");
    double a = 0;
    double b = 0;
    if (auto f = WertLesen(e, paar->a, a)) return E::Fehler(*f);
    if (auto f = WertLesen(e, paar->b, b)) return E::Fehler(*f);
    if (!druck) return E::Fehler(eingabeFehler);
    return ZustandAusPaar(*druck, paar->paar, InCode(paar->a, a), InCode(paar->b, b));
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
        if (!schema.ziel || key != schema.schluessel.front()) continue;
        // The target comes right after the kind's own value.
        std::vector<const char*> da;
        std::vector<const char*> alle;
        for (const Zielart& z : kZiele) {
            if (z.ziel == Ziel::Phi && !schema.zielPhi) continue;
            alle.push_back(z.schluessel);
            if (!e.contains(z.schluessel)) continue;
            da.push_back(z.schluessel);
            p.ziel = z.ziel;
            if (auto f = lesen(z.schluessel, p.zielwert)) return f;
        }
        if (da.empty()) return "Es fehlt ein Ziel: " + Aufzaehlung(alle) + ".";
        if (da.size() > 1) return "Mehr als ein Ziel: " + Aufzaehlung(da) + ".";
    }
    if (art == Prozessart::Mischen) {
        // Two flows, or the outdoor-air share instead.
        const auto it = e.find("massenstroeme");
        if (p.aussenluftanteil && it != e.end()) {
            return "„massenstroeme“ und „aussenluftanteil“ sind beide angegeben; es darf nur "
                   "eins sein.";
        }
        if (!p.aussenluftanteil) {
            if (it == e.end()) return "„massenstroeme“ oder „aussenluftanteil“ fehlt.";
            if (!it->is_array() || it->size() != 2 || !(*it)[0].is_number() ||
                !(*it)[1].is_number()) {
                return "„massenstroeme“ muss zwei Zahlen nennen.";
            }
            p.massenstroeme = {(*it)[0].get<double>(), (*it)[1].get<double>()};
        }
    }
    if (e.contains("massenstrom") && e.contains("volumenstrom")) {
        return "„massenstrom“ und „volumenstrom“ sind beide angegeben; es darf nur einer sein.";
    }
    for (const char* strom : {"massenstrom", "volumenstrom"}) {
        if (!e.contains(strom)) continue;
        double m = 0;
        if (auto f = lesen(strom, m)) return f;
        if (!(m > 0)) return Zitat(strom) + " muss größer als 0 sein.";
        p.*ParameterZu(strom)->wahl = m;
    }
    return std::nullopt;
}

// Where a name was given: an entered state or the end state of a process.
struct Ort {
    Liste liste;
    std::size_t index;
};

class Rechnung {
  public:
    Rechnung(const Projekt& p, const Vorberechnung& v) : p_(p), v_(v) {}

    Berechnung Rechnen() {
        EingabeLesen_();
        const std::size_t nz = p_.anzahl(Liste::Zustaende);
        const std::size_t np = p_.anzahl(Liste::Prozesse);
        b_.zustaende.resize(nz);
        b_.prozesse.resize(np);
        namen_.reserve(nz + np);
        for (std::size_t i = 0; i < nz; ++i) Zustand(i);
        for (std::size_t i = 0; i < np; ++i) Prozess_(i);
        Messreihen();
        return std::move(b_);
    }

  private:
    void EingabeLesen_() {
        const Eingabe e = EingabeLesen(p_.eingabe(), p_.thetaUnten().value_or(0));
        if (const auto ablehnung = Pruefen(e)) {
            eingabeFehler_ = "Die Eingabe ergibt kein Diagramm: " + ablehnung->meldung;
        } else if (const auto d = LuftdruckBei(e.Pges, e.Winter())) {
            b_.eingabe = e;
            b_.druck = d;
        } else {
            eingabeFehler_ = "Beim eingegebenen Gesamtdruck lässt sich kein Zustand berechnen.";
        }
    }

    Punkt PunktAus(std::string name, const Luftzustand& z) const {
        Punkt p{std::move(name), z, KoordX(*b_.eingabe, z.x), KoordY(*b_.eingabe, z.x, z.h)};
        p.aufLeinwand = p.X >= 0 && p.X <= kLeinwandBreite && p.Y >= 0 && p.Y <= kLeinwandHoehe;
        return p;
    }

    // Gives the name to the entry at ort, unless an earlier entry has it.
    Fehler Vergeben(const std::string& name, Ort ort) {
        const auto [it, neu] = namen_.try_emplace(name, ort);
        if (neu) return std::nullopt;
        return "Den Namen " + Zitat(name) + " trägt schon " +
               Wo(it->second.liste, it->second.index) + ".";
    }

    void Zustand(std::size_t i) {
        const Json& e = p_.eintrag(Liste::Zustaende, i);
        ZustandErgebnis& z = b_.zustaende[i];
        std::string name;
        if (e.is_object() && e.contains("name") && e["name"].is_string()) z.name = e["name"];
        if (!e.is_object()) {
            z.fehler = "Der Eintrag ist kein JSON-Objekt.";
        } else if (auto f = NameLesen(e, "name", name)) {
            z.fehler = *f;
        } else if (auto g = Vergeben(name, {Liste::Zustaende, i})) {
            z.fehler = *g;
        } else if (const Punkt* frueher = Frueher(i, name)) {
            z.punkt = *frueher;
        } else if (const auto zustand =
                       ZustandLesen(e, b_.druck ? &*b_.druck : nullptr, eingabeFehler_)) {
            z.punkt = PunktAus(name, *zustand);
        } else {
            z.fehler = zustand.grund();
        }
    }

    // The state entry i had in the earlier computation, when it is unchanged since.
    const Punkt* Frueher(std::size_t i, const std::string& name) const {
        if (!v_.vorher || !v_.nurZustand || *v_.nurZustand == i ||
            v_.vorher->zustaende.size() != b_.zustaende.size()) {
            return nullptr;
        }
        const auto& punkt = v_.vorher->zustaende[i].punkt;
        return punkt && punkt->name == name ? &*punkt : nullptr;
    }

    // Whether a process after the one computed now makes the state name.
    bool SpaeterGemacht(const std::string& name) const {
        for (std::size_t i = jetzt_ + 1; i < p_.anzahl(Liste::Prozesse); ++i) {
            const Json& p = p_.eintrag(Liste::Prozesse, i);
            if (p.is_object() && p.contains("nach") && p["nach"] == name) return true;
        }
        return false;
    }

    // The state a process starts at, by name: an entered state or one an earlier process made.
    const Punkt* Start(const std::string& name, std::string& fehler) const {
        const auto it = namen_.find(name);
        if (it == namen_.end()) {
            fehler =
                "Den Ausgangszustand " + Zitat(name) +
                (SpaeterGemacht(name) ? " macht erst ein späterer Prozess." : " gibt es nicht.");
            return nullptr;
        }
        const Ort o = it->second;
        const auto& punkt =
            o.liste == Liste::Zustaende ? b_.zustaende[o.index].punkt : b_.prozesse[o.index].ende;
        if (!punkt) fehler = "Der Ausgangszustand " + Zitat(name) + " ist nicht berechnet.";
        return punkt ? &*punkt : nullptr;
    }

    void Prozess_(std::size_t i) {
        jetzt_ = i;
        const Json& e = p_.eintrag(Liste::Prozesse, i);
        ProzessErgebnis& r = b_.prozesse[i];
        if (!e.is_object()) {
            r.fehler = "Der Eintrag ist kein JSON-Objekt.";
            return;
        }
        if (const auto it = e.find("art"); it != e.end() && it->is_string()) r.art = *it;
        const auto art = ProzessartZu(r.art);
        if (!art) {
            const Json& a = e.contains("art") ? e["art"] : Json();
            r.fehler = a.is_null()     ? "„art“ fehlt."
                       : a.is_string() ? "Die Art " + Zitat(r.art) + " ist unbekannt."
                                       : "„art“ ist kein Text.";
            return;
        }
        if (const auto it = e.find("nach"); it != e.end() && it->is_string()) r.nach = *it;
        if (auto f = VonLesen(e, *art, r.von)) {
            r.fehler = *f;
            return;
        }
        std::string nach;
        if (auto f = NameLesen(e, "nach", nach)) {
            r.fehler = *f;
            return;
        }
        lumora::Prozess prozess;
        if (auto f = ProzessLesen(e, *art, prozess)) {
            r.fehler = *f;
        } else {
            Rechnen(prozess, r);
        }
        // Given after the process: a process cannot start at its own end.
        if (auto f = Vergeben(nach, {Liste::Prozesse, i}); f && r.fehler.empty()) {
            r.fehler = *f;
            r.ende.reset();
        }
    }

    void Messreihen() {
        if (v_.vorher && v_.messreihen) {
            b_.messreihen = v_.vorher->messreihen;
        } else {
            MessreihenAuswerten();
        }
        Zonen();
    }

    void MessreihenAuswerten() {
        b_.messreihen.resize(p_.anzahl(Liste::Messreihen));
        for (std::size_t i = 0; i < b_.messreihen.size(); ++i) {
            MessreihenErgebnis& m = b_.messreihen[i];
            auto reihe = MessreiheAusJson(p_.eintrag(Liste::Messreihen, i));
            if (!reihe) {
                m.fehler = reihe.grund();
                continue;
            }
            m.reihe = std::make_shared<const Messreihe>(std::move(*reihe));
            if (b_.druck) {
                m.auswertung =
                    std::make_shared<const Messauswertung>(MessreiheAuswerten(*m.reihe, *b_.druck));
            } else {
                m.fehler = eingabeFehler_;
            }
        }
    }

    void Zonen() {
        b_.zonen.resize(p_.anzahl(Liste::Zonen));
        for (std::size_t i = 0; i < b_.zonen.size(); ++i) {
            auto zone = ZoneAusJson(p_.eintrag(Liste::Zonen, i));
            if (zone) {
                b_.zonen[i].zone = *zone;
            } else {
                b_.zonen[i].fehler = zone.grund();
            }
        }
    }

    static Fehler VonLesen(const Json& e, Prozessart art, std::vector<std::string>& von) {
        const auto it = e.find("von");
        if (it == e.end()) return "„von“ fehlt.";
        if (HatZweitenZustand(art)) {
            if (!it->is_array() || it->size() != 2 || !(*it)[0].is_string() ||
                !(*it)[1].is_string()) {
                return "„von“ muss zwei Namen nennen.";
            }
            von = {(*it)[0].get<std::string>(), (*it)[1].get<std::string>()};
        } else {
            if (!it->is_string()) return "„von“ ist kein Name.";
            von = {it->get<std::string>()};
        }
        return std::nullopt;
    }

    void Rechnen(const lumora::Prozess& prozess, ProzessErgebnis& r) {
        if (!b_.druck) {
            r.fehler = eingabeFehler_;
            return;
        }
        for (const std::string& name : r.von) {
            const Punkt* s = Start(name, r.fehler);
            if (!s) {
                r.start.clear();
                return;
            }
            r.start.push_back(*s);
        }
        const auto ergebnis = Rechne(*b_.druck, prozess, r.start[0].zustand,
                                     r.start.size() > 1 ? &r.start[1].zustand : nullptr);
        if (!ergebnis) {
            r.fehler = ergebnis.grund();
            return;
        }
        r.ende = PunktAus(r.nach, ergebnis->ende);
        if (ergebnis->oberflaeche) r.oberflaeche = PunktAus("", *ergebnis->oberflaeche);
        r.dtheta = ergebnis->dtheta;
        r.dx = ergebnis->dx;
        r.dh = ergebnis->dh;
        r.leistung = ergebnis->leistung;
        r.wasser = ergebnis->wasser;
        r.massenstrom = ergebnis->massenstrom;
        r.volumenstrom = ergebnis->volumenstrom;
    }

    const Projekt& p_;
    const Vorberechnung& v_;
    Berechnung b_;
    std::string eingabeFehler_;
    std::unordered_map<std::string, Ort> namen_;
    std::size_t jetzt_ = 0;  // the process computed now
};

}  // namespace

Summen SummenVon(const std::vector<ProzessErgebnis>& prozesse) {
    Summen s;
    for (const ProzessErgebnis& p : prozesse) {
        if (!p.fehler.empty() || !p.ende ||
            p.art == NameVon(Prozessart::Waermerueckgewinnung).schluessel) {
            continue;
        }
        const double leistung = p.leistung.value_or(0);
        const double wasser = p.wasser.value_or(0);
        (leistung > 0 ? s.heizen : s.kuehlen) += leistung;
        (wasser > 0 ? s.befeuchten : s.kondensat) += wasser;
    }
    return s;
}

std::string Wo(Liste liste, std::size_t index) {
    return std::string(Schluessel(liste)) + "[" + std::to_string(index) + "]";
}

std::vector<Zone> Berechnung::GueltigeZonen() const {
    std::vector<Zone> gueltig;
    for (const ZonenErgebnis& z : zonen) {
        if (z.zone) gueltig.push_back(*z.zone);
    }
    return gueltig;
}

Berechnung Berechnen(const Projekt& projekt, const Vorberechnung& vorberechnung) {
    return Rechnung(projekt, vorberechnung).Rechnen();
}

}  // namespace lumora
