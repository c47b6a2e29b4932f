#include "projekt/berechnung.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <unordered_map>

#include "chart/pruefung.h"
#include "core/feldtexte.h"
#include "core/koordinaten.h"
#include "core/prozess.h"
#include "core/text.h"
#include "core/zahlen.h"
#include "projekt/groessen.h"

namespace lumora {

namespace {

using Fehler = std::optional<std::string>;

// Where a name was given: an entered state or the end state of a process.
struct Ort {
    Liste liste;
    std::size_t index;
};

class Rechnung {
  public:
    Rechnung(const Projekt& p, const Vorberechnung& v) : p_(p), v_(v) {}

    Berechnung rechnen() {
        eingabeLesen();
        const std::size_t nz = p_.anzahl(Liste::Zustaende);
        const std::size_t np = p_.anzahl(Liste::Prozesse);
        b_.zustaende.resize(nz);
        b_.prozesse.resize(np);
        namen_.reserve(nz + np);
        for (std::size_t i = 0; i < nz; ++i) zustandRechnen(i);
        for (std::size_t i = 0; i < np; ++i) prozessRechnen(i);
        messreihen();
        return std::move(b_);
    }

  private:
    void eingabeLesen() {
        const Eingabe e = EingabeLesen(p_.eingabe(), p_.thetaUnten().value_or(0));
        if (const auto ablehnung = Pruefen(e)) {
            eingabeFehler_ = Einsetzen(Text("Projekt", "Die Eingabe ergibt kein Diagramm: %1"),
                                       {ablehnung->meldung});
        } else if (const auto d = LuftdruckBei(e.Pges)) {
            b_.eingabe = e;
            b_.druck = d;
        } else {
            eingabeFehler_ =
                Text("Projekt", "Beim eingegebenen Gesamtdruck lässt sich kein Zustand berechnen.");
        }
    }

    Diagrammpunkt punktAus(std::string name, const Zustandswerte& z) const {
        Diagrammpunkt p{std::move(name), z, KoordX(*b_.eingabe, z.x),
                        KoordY(*b_.eingabe, z.x, z.h)};
        p.aufLeinwand = p.X >= 0 && p.X <= kLeinwandBreite && p.Y >= 0 && p.Y <= kLeinwandHoehe;
        return p;
    }

    // Gives the name to the entry at ort, unless an earlier entry has it.
    Fehler vergeben(const std::string& name, Ort ort) {
        const auto [it, neu] = namen_.try_emplace(name, ort);
        if (neu) return std::nullopt;
        return Einsetzen(Text("Projekt", "Den Namen %1 trägt schon %2."),
                         {Zitat(name), Wo(it->second.liste, it->second.index)});
    }

    void zustandRechnen(std::size_t i) {
        const Zustandseintrag& e = p_.zustand(i);
        BerechneterZustand& z = b_.zustaende[i];
        z.name = e.name;
        if (!e.benannt) {
            z.fehler = e.fehler;
        } else if (auto g = vergeben(e.name, {Liste::Zustaende, i})) {
            z.fehler = *g;
        } else if (const Diagrammpunkt* frueher = unveraendert(i, e.name)) {
            z.punkt = *frueher;
        } else if (!e.fehler.empty()) {
            z.fehler = e.fehler;
        } else if (!b_.druck) {
            z.fehler = eingabeFehler_;
        } else if (const auto zustand = ZustandAusPaar(*b_.druck, e.paar->paar, e.a, e.b)) {
            z.punkt = punktAus(e.name, *zustand);
        } else {
            z.fehler = zustand.grund();
        }
    }

    // The state entry i had in the earlier computation, when it is unchanged since.
    const Diagrammpunkt* unveraendert(std::size_t i, const std::string& name) const {
        if (!v_.vorher || !v_.nurZustand || *v_.nurZustand == i ||
            v_.vorher->zustaende.size() != b_.zustaende.size()) {
            return nullptr;
        }
        const auto& punkt = v_.vorher->zustaende[i].punkt;
        return punkt && punkt->name == name ? &*punkt : nullptr;
    }

    // Whether a process after the one computed now makes the state name.
    bool spaeterGemacht(const std::string& name) const {
        for (std::size_t i = jetzt_ + 1; i < p_.anzahl(Liste::Prozesse); ++i) {
            const Json& p = p_.eintrag(Liste::Prozesse, i);
            if (p.is_object() && p.contains("nach") && p["nach"] == name) return true;
        }
        return false;
    }

    // The state a process starts at, by name: an entered state or one an earlier process made.
    const Diagrammpunkt* startpunkt(const std::string& name, std::string& fehler) const {
        const auto it = namen_.find(name);
        if (it == namen_.end()) {
            fehler = Einsetzen(
                spaeterGemacht(name)
                    ? Text("Projekt", "Den Ausgangszustand %1 macht erst ein späterer Prozess.")
                    : Text("Projekt", "Den Ausgangszustand %1 gibt es nicht."),
                {Zitat(name)});
            return nullptr;
        }
        const Ort o = it->second;
        const auto& punkt =
            o.liste == Liste::Zustaende ? b_.zustaende[o.index].punkt : b_.prozesse[o.index].ende;
        if (!punkt) {
            fehler = Einsetzen(Text("Projekt", "Der Ausgangszustand %1 ist nicht berechnet."),
                               {Zitat(name)});
        }
        return punkt ? &*punkt : nullptr;
    }

    void prozessRechnen(std::size_t i) {
        jetzt_ = i;
        const Prozesseintrag& e = p_.prozess(i);
        BerechneterProzess& r = b_.prozesse[i];
        r.art = e.art;
        r.nach = e.nach;
        r.von = e.von;
        if (!e.benannt) {
            r.fehler = e.fehler;
            return;
        }
        if (!e.fehler.empty()) {
            r.fehler = e.fehler;
        } else {
            wirkungRechnen(e.prozess, r);
        }
        // Given after the process: a process cannot start at its own end.
        if (auto f = vergeben(e.nach, {Liste::Prozesse, i}); f && r.fehler.empty()) {
            r.fehler = *f;
            r.ende.reset();
        }
    }

    void messreihen() {
        if (v_.vorher && v_.messreihen) {
            b_.messreihen = v_.vorher->messreihen;
        } else {
            messreihenAuswerten();
        }
        zonen();
        anlage();
    }

    // The unit's year, taken over where neither it nor the series changed since.
    void anlage() {
        const Json& quelle = p_.anlage();
        if (quelle.is_null()) return;
        if (v_.vorher && v_.messreihen && v_.vorher->anlage &&
            v_.vorher->anlage->quelle == quelle) {
            b_.anlage = v_.vorher->anlage;
            return;
        }
        AnlagenErgebnis& e = b_.anlage.emplace();
        e.quelle = quelle;
        if (quelle.is_object() && quelle.contains("name") && quelle["name"].is_string()) {
            e.name = quelle["name"];
        }
        if (!b_.druck) {
            e.fehler = eingabeFehler_;
            return;
        }
        auto anlage = AnlageAusJson(quelle, *b_.druck);
        if (!anlage) {
            e.fehler = anlage.grund();
            return;
        }
        e.anlage = std::make_shared<const Anlage>(std::move(*anlage));
        const Messreihe* reihe = nullptr;
        for (const MessreihenErgebnis& m : b_.messreihen) {
            if (m.reihe && m.reihe->name == e.anlage->wetterjahr) {
                reihe = m.reihe.get();
                break;  // the first of that name, as the windows name it
            }
        }
        if (!reihe) {
            e.fehler = Einsetzen(
                Text("Projekt", "„wetterjahr“: Eine Messreihe %1 gibt es im Projekt nicht."),
                {Zitat(e.anlage->wetterjahr)});
            return;
        }
        auto jahr = AnlagenjahrRechnen(*e.anlage, *reihe, *b_.druck);
        if (!jahr) {
            e.fehler = jahr.grund();
            return;
        }
        e.jahr = std::make_shared<const Anlagenjahr>(std::move(*jahr));
    }

    void messreihenAuswerten() {
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

    void zonen() {
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

    void wirkungRechnen(const lumora::Prozess& prozess, BerechneterProzess& r) {
        if (!b_.druck) {
            r.fehler = eingabeFehler_;
            return;
        }
        for (const std::string& name : r.von) {
            const Diagrammpunkt* s = startpunkt(name, r.fehler);
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
        r.ende = punktAus(r.nach, ergebnis->ende);
        if (ergebnis->oberflaeche) r.oberflaeche = punktAus("", *ergebnis->oberflaeche);
        r.oberflaecheGesucht = ergebnis->oberflaecheGesucht;
        r.fortluft = ergebnis->fortluft;
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

Zonenzaehlung ZonenZaehlen(const Berechnung& b) {
    Zonenzaehlung innen(b.messreihen.size());
    for (std::size_t r = 0; r < b.messreihen.size(); ++r) {
        innen[r].assign(b.zonen.size(), 0);
        const auto& auswertung = b.messreihen[r].auswertung;
        for (std::size_t z = 0; z < b.zonen.size(); ++z) {
            if (b.zonen[z].zone && auswertung) {
                innen[r][z] = InnenAnzahl(*b.zonen[z].zone, *auswertung);
            }
        }
    }
    return innen;
}

bool UnterDerUnterenGrenze(const Diagrammpunkt& p) { return p.Y > kLeinwandHoehe; }

Grenzvorschlag UntereGrenzeFuer(const Berechnung& b) {
    Grenzvorschlag v;
    if (!b.eingabe) return v;
    const Eingabe& e = *b.eingabe;
    double tiefste = INFINITY;  // the lowest h - 2500 x of a state below the edge
    bool erreichbar = true;
    const auto pruefen = [&](const std::optional<Diagrammpunkt>& p) {
        if (!p || !UnterDerUnterenGrenze(*p)) return;
        v.namen.push_back(p->name);
        erreichbar = erreichbar && p->X >= 0 && p->X <= kLeinwandBreite;
        tiefste = std::fmin(tiefste, p->zustand.h - kSchraege * p->zustand.x);
    };
    for (const BerechneterZustand& z : b.zustaende) pruefen(z.punkt);
    for (const BerechneterProzess& p : b.prozesse) pruefen(p.ende);
    if (v.namen.empty() || !erreichbar || !(e.DeltaThetagross > 0) ||
        !(tiefste >= kThetaUntenMin)) {
        return v;
    }
    v.grenze =
        std::fmax(kThetaUntenMin, std::floor(tiefste / e.DeltaThetagross) * e.DeltaThetagross);
    return v;
}

const Zustandswerte* ZustandNamens(const Berechnung& b, const std::string& name) {
    for (const BerechneterZustand& z : b.zustaende) {
        if (z.punkt && z.punkt->name == name) return &z.punkt->zustand;
    }
    for (const BerechneterProzess& p : b.prozesse) {
        if (p.ende && p.nach == name) return &p.ende->zustand;
    }
    return nullptr;
}

Summen SummenVon(const std::vector<BerechneterProzess>& prozesse) {
    Summen s;
    for (const BerechneterProzess& p : prozesse) {
        if (!p.fehler.empty() || !p.ende ||
            p.art == NameVon(Prozessart::Waermerueckgewinnung).schluessel) {
            continue;
        }
        const double leistung = p.leistung.value_or(0);
        const double wasser = p.wasser.value_or(0);
        if (p.art == NameVon(Prozessart::BefeuchtenWasser).schluessel ||
            p.art == NameVon(Prozessart::BefeuchtenDampf).schluessel) {
            s.befeuchtenLeistung += leistung;
            s.befeuchten += wasser;
            continue;
        }
        (leistung > 0 ? s.heizen : s.kuehlen) += leistung;
        (wasser > 0 ? s.befeuchten : s.kondensat) += wasser;
    }
    return s;
}

std::array<Summenzeile, kSummenzeilen> SummenzeilenVon(const Summen& s) {
    // -0.0 would read "-0"; an amount is never negative.
    const auto betrag = [](double v) { return v == 0 ? 0.0 : std::abs(v); };
    return {{
        {Text("Projekt", "Summe Heizen (zugeführt)"), betrag(s.heizen), std::nullopt},
        {Text("Projekt", "Summe Befeuchten (zugeführt)"), betrag(s.befeuchtenLeistung),
         betrag(s.befeuchten)},
        {Text("Projekt", "Summe Kühlen (entzogen, Kondensat abgeschieden)"), betrag(s.kuehlen),
         betrag(s.kondensat)},
    }};
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
    return Rechnung(projekt, vorberechnung).rechnen();
}

}  // namespace lumora
