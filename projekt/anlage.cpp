#include "projekt/anlage.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <system_error>
#include <thread>

#include "core/einheiten.h"
#include "core/groesse.h"
#include "core/prozess.h"
#include "core/text.h"
#include "projekt/eintrag.h"

namespace lumora {

namespace {

using Fehler = std::optional<std::string>;

// The slack of the window and the least change that counts as a component running [K, g/kg].
constexpr double kSpiel = 1e-9;
constexpr double kSpielX = InKgJeKg(kSpiel);  // the same in kg/kg
constexpr double kUnendlich = std::numeric_limits<double>::infinity();

// The frost protection's lowest setting [°C].
constexpr double kFrostschutzUnten = -50;
// What a humidifier's water or steam has when the unit names no temperature [°C].
constexpr double kDampfStandard = 100;
constexpr double kWasserStandard = 10;

// Fewer distinct outdoor states than this per core are computed on one core alone.
constexpr std::size_t kMindestensJeKern = 500;

constexpr Wertebereich kRueckwaermzahlAnlage{Grenze{0, false}, Grenze{1, true}};

// A number under key of the object j, where it is present; wo names the object in messages.
Fehler ZahlLesen(const Json& j, const char* key, std::optional<double>& wert,
                 const std::string& wo = "") {
    const auto it = j.find(key);
    if (it == j.end()) return std::nullopt;
    if (!it->is_number())
        return wo + Einsetzen(Text("Projekt", "%1 ist keine Zahl."), {Zitat(key)});
    wert = it->get<double>();
    return std::nullopt;
}

// A value of the key in the file's unit against a range in the code's units.
Fehler Bereich(const std::string& wo, const char* key, double dateiwert, const Wertebereich& b) {
    return Bereichsfehler(wo + Zitat(key) + " = " + Wertangabe(InCode(key, dateiwert), key),
                          InCode(key, dateiwert), b, key);
}

// A list [min, max] of two numbers, or with `offen` of numbers or nulls.
Fehler SpanneLesen(const Json& z, const char* key, bool offen, std::optional<double>& min,
                   std::optional<double>& max) {
    const std::string wo = "„zuluft“: " + Zitat(key);
    const auto it = z.find(key);
    const auto passt = [&](const Json& e) { return e.is_number() || (offen && e.is_null()); };
    if (!it->is_array() || it->size() != 2 || !passt((*it)[0]) || !passt((*it)[1])) {
        return Einsetzen(offen
                             ? Text("Projekt", "%1 muss [min, max] aus zwei Zahlen oder null sein.")
                             : Text("Projekt", "%1 muss [min, max] aus zwei Zahlen sein."),
                         {wo});
    }
    if ((*it)[0].is_number()) min = (*it)[0].get<double>();
    if ((*it)[1].is_number()) max = (*it)[1].get<double>();
    if (min && max && *min > *max) {
        return Einsetzen(
            Text("Projekt", "%1: das Minimum %2 liegt über dem Maximum %3."),
            {wo, Wertangabe(InCode(key, *min), key), Wertangabe(InCode(key, *max), key)});
    }
    return std::nullopt;
}

Fehler ZuluftLesen(const Json& j, const Luftdruck& d, Anlage& a) {
    const auto it = j.find("zuluft");
    if (it == j.end()) return Text("Projekt", "„zuluft“ fehlt.");
    if (!it->is_object()) return Text("Projekt", "„zuluft“ ist kein JSON-Objekt.");
    if (!it->contains("theta")) return Text("Projekt", "„zuluft“: „theta“ fehlt.");
    std::optional<double> min, max;
    if (auto f = SpanneLesen(*it, "theta", false, min, max)) return f;
    a.thetaMin = *min;
    a.thetaMax = *max;
    for (const double t : {a.thetaMin, a.thetaMax}) {
        if (auto f = Bereich("„zuluft“: ", "theta", t, kTemperaturBereich)) return f;
    }
    if (!it->contains("x")) return std::nullopt;
    if (auto f = SpanneLesen(*it, "x", true, a.xMin, a.xMax)) return f;
    for (const auto& x : {a.xMin, a.xMax}) {
        if (!x) continue;
        if (auto f = Bereich("„zuluft“: ", "x", *x, kNichtNegativ)) return f;
    }
    if (a.xMin) {
        const auto xS = Saettigungsgehalt(d, a.thetaMin);
        if (!xS || InKgJeKg(*a.xMin) >= *xS) {
            if (!xS) {
                return Einsetzen(Text("Projekt",
                                      "„zuluft“: xmin = %1 liegt im Nebel: bei ϑmin = %2 "
                                      "gibt es keine gesättigte Luft."),
                                 {GrammText(InKgJeKg(*a.xMin)), GradText(a.thetaMin)});
            }
            return Einsetzen(Text("Projekt",
                                  "„zuluft“: xmin = %1 liegt im Nebel: bei ϑmin = %2 "
                                  "ist die Luft schon mit %3 gesättigt."),
                             {GrammText(InKgJeKg(*a.xMin)), GradText(a.thetaMin), GrammText(*xS)});
        }
    }
    return std::nullopt;
}

Fehler StromLesen(const Json& j, Anlage& a) {
    if (j.contains("massenstrom") && j.contains("volumenstrom")) return ZweiStroemeText();
    if (!j.contains("massenstrom") && !j.contains("volumenstrom")) {
        return Text("Projekt", "Es fehlt der Luftstrom: „massenstrom“ oder „volumenstrom“.");
    }
    for (const char* key : {"massenstrom", "volumenstrom"}) {
        auto& strom = key[0] == 'm' ? a.massenstrom : a.volumenstrom;
        if (auto f = ZahlLesen(j, key, strom)) return f;
        if (strom) {
            if (auto f = Bereich("", key, *strom, kPositiv)) return f;
        }
    }
    return std::nullopt;
}

Fehler RueckgewinnungLesen(const Json& j, const Luftdruck& d, Anlage& a) {
    const bool phi = j.contains("rueckwaermzahl");
    const bool abluft = j.contains("abluft");
    if (phi && !abluft) {
        return Text("Projekt", "Zur Rückwärmzahl „rueckwaermzahl“ fehlt die Abluft „abluft“.");
    }
    if (abluft && !phi) {
        return Text("Projekt", "Zur Abluft „abluft“ fehlt die Rückwärmzahl „rueckwaermzahl“.");
    }
    if (!phi) return std::nullopt;
    if (auto f = ZahlLesen(j, "rueckwaermzahl", a.rueckwaermzahl)) return f;
    if (auto f = Bereich("", "rueckwaermzahl", *a.rueckwaermzahl, kRueckwaermzahlAnlage)) {
        return f;
    }
    const Json& e = j["abluft"];
    if (!e.is_object()) return Text("Projekt", "„abluft“ ist kein JSON-Objekt.");
    const Zustandseintrag paar = WertepaarLesen(e);
    if (!paar.fehler.empty()) return "„abluft“: " + paar.fehler;
    const auto z = ZustandAusPaar(d, paar.paar->paar, paar.a, paar.b);
    if (!z) return "„abluft“: " + z.grund();
    a.abluft = *z;
    return std::nullopt;
}

Fehler GeraeteLesen(const Json& j, Anlage& a) {
    if (auto f = ZahlLesen(j, "frostschutz", a.frostschutz)) return f;
    if (a.frostschutz) {
        if (auto f = Bereich("", "theta", *a.frostschutz,
                             Eingeschlossen(kFrostschutzUnten, a.thetaMin))) {
            return "„frostschutz“: " + *f;
        }
    }
    if (const auto k = j.find("kuehler"); k != j.end()) {
        if (!k->is_object()) return Text("Projekt", "„kuehler“ ist kein JSON-Objekt.");
        std::optional<double> bf;
        if (auto f = ZahlLesen(*k, "bypass", bf, "„kuehler“: ")) return f;
        a.bypass = bf.value_or(0);
        if (auto f = Bereich("„kuehler“: ", "bypass", *a.bypass, kBypassBereich)) return f;
    }
    if (const auto b = j.find("befeuchter"); b != j.end()) {
        if (!b->is_object()) return Text("Projekt", "„befeuchter“ ist kein JSON-Objekt.");
        const auto art = b->find("art");
        if (art == b->end()) return Text("Projekt", "„befeuchter“: „art“ fehlt.");
        const bool dampf = *art == "dampf";
        if (!dampf && *art != "wasser") {
            return Text("Projekt", "„befeuchter“: „art“ muss „dampf“ oder „wasser“ sein.");
        }
        a.befeuchter = dampf ? Befeuchterart::Dampf : Befeuchterart::Wasser;
        const char* key = dampf ? "dampf" : "wasser";
        std::optional<double> t;
        if (auto f = ZahlLesen(*b, key, t, "„befeuchter“: ")) return f;
        a.befeuchterTemperatur = t.value_or(dampf ? kDampfStandard : kWasserStandard);
        if (auto f = NichtEndlich("„befeuchter“: " + Zitat(key), a.befeuchterTemperatur)) {
            return f;
        }
    }
    if (const auto b = j.find("betrieb"); b != j.end()) {
        const auto fenster = ZeitfensterAusJson(*b, "betrieb");
        if (!fenster) return fenster.grund();
        a.betrieb = *fenster;
    }
    return std::nullopt;
}

}  // namespace

Ergebnis<Anlage> AnlageAusJson(const Json& j, const Luftdruck& d) {
    using E = Ergebnis<Anlage>;
    if (!j.is_object()) return E::Fehler(Text("Projekt", "„anlage“ ist kein JSON-Objekt."));
    Anlage a;
    const auto name = EintragsName(j, Eintragsart::Anlage);
    if (!name) return E::Fehler(name.grund());
    a.name = *name;
    const auto w = j.find("wetterjahr");
    if (w == j.end()) return E::Fehler(Text("Projekt", "„wetterjahr“ fehlt."));
    if (!w->is_string()) return E::Fehler(Text("Projekt", "„wetterjahr“ ist kein Name."));
    a.wetterjahr = *w;
    if (auto f = StromLesen(j, a)) return E::Fehler(*f);
    if (auto f = ZuluftLesen(j, d, a)) return E::Fehler(*f);
    if (auto f = RueckgewinnungLesen(j, d, a)) return E::Fehler(*f);
    if (auto f = GeraeteLesen(j, a)) return E::Fehler(*f);
    return a;
}

std::string_view SchluesselVon(Komponente k) {
    static constexpr std::array<std::string_view, kKomponenten> kSchluessel{
        "frostschutz", "vorerhitzer", "nacherhitzer", "kuehler",
        "befeuchter",  "wrg_heizen",  "wrg_kuehlen"};
    return kSchluessel[static_cast<std::size_t>(k)];
}

std::string_view SchluesselVon(Betriebsart a) {
    static constexpr std::array<std::string_view, kBetriebsarten> kSchluessel{
        "entfeuchten", "befeuchten", "kuehlen", "heizen", "wrg", "frei"};
    return kSchluessel[static_cast<std::size_t>(a)];
}

std::string NameVon(Betriebsart a) {
    switch (a) {
        case Betriebsart::Entfeuchten:
            return Text("Projekt", "Entfeuchten");
        case Betriebsart::Befeuchten:
            return Text("Projekt", "Befeuchten");
        case Betriebsart::Kuehlen:
            return Text("Projekt", "Kühlen");
        case Betriebsart::Heizen:
            return Text("Projekt", "Heizen");
        case Betriebsart::Wrg:
            return Text("Projekt", "Wärmerückgewinnung");
        case Betriebsart::Frei:
            return Text("Projekt", "Frei");
    }
    return {};
}

double Anlagensumme::Heizen() const {
    const auto e = [&](Komponente k) { return energie[static_cast<std::size_t>(k)]; };
    return e(Komponente::Frostschutz) + e(Komponente::Vorerhitzer) + e(Komponente::Nacherhitzer);
}

void Anlagensumme::Addieren(const Anlagenstunde& s) {
    stunden += s.gewicht;
    for (std::size_t k = 0; k < kKomponenten; ++k) energie[k] += s.leistung[k] * s.gewicht;
    befeuchterwasser += s.befeuchterwasser * s.gewicht;
    kondensat += s.kondensat * s.gewicht;
}

Ergebnis<double> AnlagenMassenstrom(const Anlage& a, const Luftdruck& d) {
    if (a.massenstrom) return *a.massenstrom;
    const double theta = (a.thetaMin + a.thetaMax) / 2;
    Ergebnis<Zustandswerte> z = Ergebnis<Zustandswerte>::Fehler("");
    if (a.xMin || a.xMax) {
        const double x = a.xMin && a.xMax ? (*a.xMin + *a.xMax) / 2 : a.xMin ? *a.xMin : *a.xMax;
        z = ZustandAusThetaX(d, theta, InKgJeKg(x));
    } else {
        z = ZustandAusPaar(d, Paar::ThetaPhi, theta, 50);
    }
    if (!z) {
        return Ergebnis<double>::Fehler(
            Einsetzen(Text("Projekt", "„volumenstrom“: Zuluftzustand: %1"), {z.grund()}));
    }
    return MassenstromBei(*a.volumenstrom, *z);
}

namespace {

// One hour's air on its way through the unit: the steps so far, each through one of the
// project's processes.
class Luftweg {
  public:
    Luftweg(const Luftdruck& d, const Zustandswerte& aussen, Anlagenstunde& s, bool mitSchritten)
        : d_(d), s_(s), jetzt_(aussen), mitSchritten_(mitSchritten) {}

    const Zustandswerte& jetzt() const { return jetzt_; }

    // The process p from the present state, by component.
    Fehler Prozess(Komponente k, const lumora::Prozess& p) {
        const auto w = Rechne(d_, p, jetzt_);
        if (!w) return w.grund();
        return Schritt(k, w->ende);
    }
    Fehler Heizen(Komponente k, double theta) {
        lumora::Prozess p;
        p.art = Prozessart::Heizen;
        p.theta = theta;
        return Prozess(k, p);
    }
    // Cooling that keeps x: to theta, but not below the dew point of x, and never warmer.
    Fehler TrockenKuehlen(Komponente k, double theta) {
        const double tau = std::min(jetzt_.theta, jetzt_.taupunkt.value_or(-kUnendlich));
        const auto z = ZustandAusThetaX(d_, std::max(theta, tau), jetzt_.x);
        if (!z) return z.grund();
        return Schritt(k, *z);
    }

    // The state a component made; it runs where it changes ϑ or x by more than the slack.
    Fehler Schritt(Komponente k, const Zustandswerte& ende) {
        if (std::abs(ende.theta - jetzt_.theta) <= kSpiel &&
            std::abs(ende.x - jetzt_.x) <= kSpielX) {
            return std::nullopt;
        }
        s_.leistung[static_cast<std::size_t>(k)] += std::abs(ende.h - jetzt_.h);
        if (k == Komponente::Befeuchter) s_.befeuchterwasser += std::abs(ende.x - jetzt_.x);
        if (k == Komponente::Kuehler) s_.kondensat += std::abs(ende.x - jetzt_.x);
        s_.laeuft[static_cast<std::size_t>(k)] = true;
        if (mitSchritten_) s_.schritte.push_back({k, ende});
        jetzt_ = ende;
        return std::nullopt;
    }

  private:
    const Luftdruck& d_;
    Anlagenstunde& s_;
    Zustandswerte jetzt_;
    bool mitSchritten_;
};

// What the humidity step of an hour does.
enum class Feuchteschritt { Keiner, Befeuchten, Entfeuchten };

// The enthalpy a humidifier brings per kg of water [kJ/kg].
double Richtung(const Anlage& a) {
    const auto& s = kStoffwerte;
    return a.befeuchter == Befeuchterart::Wasser ? s.cW * a.befeuchterTemperatur
                                                 : s.r0 + s.cpD * a.befeuchterTemperatur;
}

// The surface temperature at which a cooler with the bypass factor bf dries air of x [kg/kg]
// to xZ: xS(ϑO) = (xZ - BF x) / (1 - BF), within 0 °C and the air's temperature.
double Oberflaeche(const Luftdruck& d, double bf, const Zustandswerte& luft, double xZ) {
    const double xS = (xZ - bf * luft.x) / (1 - bf);
    const auto tau = xS > 0 ? TaupunktOderReifpunkt(Partialdruck(xS, d.Pges)) : std::nullopt;
    return std::min(std::max(tau.value_or(0.0), 0.0), luft.theta);
}

Fehler StundeDurchlaufen(const Anlage& a, const Luftdruck& d, Luftweg& weg) {
    // 1. Frost protection.
    if (a.frostschutz && weg.jetzt().theta < *a.frostschutz) {
        if (auto f = weg.Heizen(Komponente::Frostschutz, *a.frostschutz)) return f;
    }
    // 2. The humidity target.
    const double x = weg.jetzt().x;
    const std::optional<double> xMin = a.xMin ? std::optional(InKgJeKg(*a.xMin)) : std::nullopt;
    const std::optional<double> xMax = a.xMax ? std::optional(InKgJeKg(*a.xMax)) : std::nullopt;
    Feuchteschritt feuchte = Feuchteschritt::Keiner;
    double xZ = x;
    if (xMax && x > *xMax && a.bypass) {
        feuchte = Feuchteschritt::Entfeuchten;
        xZ = *xMax;
    } else if (xMin && x < *xMin && a.befeuchter != Befeuchterart::Keiner) {
        feuchte = Feuchteschritt::Befeuchten;
        xZ = *xMin;
    }
    // 3. The temperatures the air must have before the humidity step.
    double lo = a.thetaMin;
    double hi = a.thetaMax;
    if (feuchte == Feuchteschritt::Befeuchten) {
        const double eps = Richtung(a);
        lo = UngesaettigteTemperatur(Enthalpie(a.thetaMin, xZ) - eps * (xZ - x), x);
        hi = UngesaettigteTemperatur(Enthalpie(a.thetaMax, xZ) - eps * (xZ - x), x);
    } else if (feuchte == Feuchteschritt::Entfeuchten) {
        lo = hi = -kUnendlich;
    }
    // 4. Heat recovery, modulated to the point of the pre-window nearest to the air.
    if (a.rueckwaermzahl) {
        const double theta = weg.jetzt().theta;
        const double voll = theta + *a.rueckwaermzahl * (a.abluft->theta - theta);
        double ziel = std::clamp(theta, lo, std::max(lo, hi));
        ziel = std::clamp(ziel, std::min(theta, voll), std::max(theta, voll));
        if (ziel < theta) {
            ziel = std::max(ziel, std::min(theta, weg.jetzt().taupunkt.value_or(-kUnendlich)));
        }
        if (std::abs(ziel - theta) > kSpiel) {
            const auto z = ZustandAusThetaX(d, ziel, weg.jetzt().x);
            if (!z) return z.grund();
            const Komponente k = ziel > theta ? Komponente::WrgHeizen : Komponente::WrgKuehlen;
            if (auto f = weg.Schritt(k, *z)) return f;
        }
    }
    // 5. The pre-stage.
    if (feuchte != Feuchteschritt::Entfeuchten) {
        if (weg.jetzt().theta < lo) {
            if (auto f = weg.Heizen(Komponente::Vorerhitzer, lo)) return f;
        } else if (weg.jetzt().theta > hi && a.bypass) {
            if (auto f = weg.TrockenKuehlen(Komponente::Kuehler, hi)) return f;
        }
    }
    // 6. Humidifying or dehumidifying.
    if (feuchte == Feuchteschritt::Befeuchten) {
        Prozess p;
        p.art = a.befeuchter == Befeuchterart::Wasser ? Prozessart::BefeuchtenWasser
                                                      : Prozessart::BefeuchtenDampf;
        p.wasser = p.dampf = a.befeuchterTemperatur;
        p.ziel = Ziel::X;
        p.zielwert = xZ;
        if (auto f = weg.Prozess(Komponente::Befeuchter, p)) return f;
    } else if (feuchte == Feuchteschritt::Entfeuchten) {
        Prozess p;
        p.art = Prozessart::Kuehlen;
        p.bypass = *a.bypass;
        p.ziel = Ziel::Oberflaeche;
        p.zielwert = Oberflaeche(d, *a.bypass, weg.jetzt(), xZ);
        if (auto f = weg.Prozess(Komponente::Kuehler, p)) return f;
    }
    // 7. The final temperature.
    if (weg.jetzt().theta < a.thetaMin) {
        if (auto f = weg.Heizen(Komponente::Nacherhitzer, a.thetaMin)) return f;
    } else if (weg.jetzt().theta > a.thetaMax && a.bypass) {
        if (auto f = weg.TrockenKuehlen(Komponente::Kuehler, a.thetaMax)) return f;
    }
    return std::nullopt;
}

// The first mode that applies to the components that ran in an hour.
Betriebsart ArtVon(const Anlagenstunde& s) {
    const auto lief = [&](Komponente k) { return s.laeuft[static_cast<std::size_t>(k)]; };
    // Before the sums become flows, kondensat is the water the cooler took out [kg/kg].
    if (s.kondensat > kSpielX) return Betriebsart::Entfeuchten;
    if (lief(Komponente::Befeuchter)) return Betriebsart::Befeuchten;
    if (lief(Komponente::Kuehler)) return Betriebsart::Kuehlen;
    if (lief(Komponente::Frostschutz) || lief(Komponente::Vorerhitzer) ||
        lief(Komponente::Nacherhitzer)) {
        return Betriebsart::Heizen;
    }
    return lief(Komponente::WrgHeizen) || lief(Komponente::WrgKuehlen) ? Betriebsart::Wrg
                                                                       : Betriebsart::Frei;
}

bool Erreicht(const Anlage& a, const Zustandswerte& z) {
    const double x = InGrammJeKg(z.x);
    return z.theta >= a.thetaMin - kSpiel && z.theta <= a.thetaMax + kSpiel &&
           (!a.xMin || x >= *a.xMin - kSpiel) && (!a.xMax || x <= *a.xMax + kSpiel);
}

}  // namespace

namespace {

// One hour into s; with mitSchritten it keeps every state on the way.
Fehler StundeRechnen(const Anlage& a, const Luftdruck& d, double massenstrom,
                     const Zustandswerte& aussen, Anlagenstunde& s, bool mitSchritten) {
    s.aussen = aussen;
    if (mitSchritten) s.schritte.reserve(kKomponenten);
    Luftweg weg(d, aussen, s, mitSchritten);
    if (auto f = StundeDurchlaufen(a, d, weg)) return f;
    s.zuluft = weg.jetzt();
    s.art = ArtVon(s);
    s.erreicht = Erreicht(a, s.zuluft);
    // Δh and Δx were summed per component; now as power [kW] and water [kg/h].
    for (double& p : s.leistung) p = massenstrom * p / 3600;
    s.befeuchterwasser *= massenstrom;
    s.kondensat *= massenstrom;
    return std::nullopt;
}

}  // namespace

Ergebnis<Anlagenstunde> AnlagenstundeRechnen(const Anlage& a, const Luftdruck& d,
                                             double massenstrom, const Zustandswerte& aussen) {
    Anlagenstunde s;
    if (auto f = StundeRechnen(a, d, massenstrom, aussen, s, true)) {
        return Ergebnis<Anlagenstunde>::Fehler(*f);
    }
    return s;
}

namespace {

// Where a point of a series lies in the year: its month, hour (HH 1..24) and the hours it
// stands for; none where its time cannot be read.
struct Zeitstelle {
    int monat = 0;
    int stunde = 0;
    double gewicht = 0;
};

std::vector<std::optional<Zeitstelle>> ZeitstellenVon(const Messreihe& r) {
    std::vector<std::optional<Zeitstelle>> stellen(r.Punkte());
    if (r.art == Reihenart::Wetterjahr) {
        for (std::size_t i = 0; i < r.Punkte(); ++i) {
            int monat = 0, stunde = 0;
            if (WetterstundeLesen(r, i, monat, stunde)) stellen[i] = Zeitstelle{monat, stunde, 1};
        }
        return stellen;
    }
    if (r.zeit.size() != r.Punkte()) return stellen;
    // A time that cannot be read is NaN, so no interval reaches it.
    std::vector<double> sekunden(r.Punkte(), std::nan(""));
    std::vector<std::optional<Zeitangabe>> angaben(r.Punkte());
    for (std::size_t i = 0; i < r.Punkte(); ++i) {
        angaben[i] = ZeitangabeLesen(r.zeit[i]);
        if (angaben[i]) sekunden[i] = angaben[i]->sekunden;
    }
    for (std::size_t i = 0; i < r.Punkte(); ++i) {
        if (!angaben[i]) continue;
        stellen[i] = Zeitstelle{angaben[i]->monat, std::min(angaben[i]->stunde + 1, 24),
                                PunktStunden(sekunden, i)};
    }
    return stellen;
}

}  // namespace

namespace {

// The outdoor states of the hours in operation, each distinct pair once: an hour depends on
// nothing else, and a weather year's rounded values repeat.
struct Aussenwerte {
    std::vector<std::pair<double, double>> paare;  // ϑ and φ or x, as the series holds them
    std::vector<std::size_t> paarVon;              // per point in operation: its pair
    std::vector<std::size_t> punkte;               // the points in operation
};

Aussenwerte AussenwerteVon(const Anlage& a, const Messreihe& r,
                           const std::vector<std::optional<Zeitstelle>>& stellen) {
    Aussenwerte w;
    for (std::size_t i = 0; i < r.Punkte(); ++i) {
        const auto& stelle = stellen[i];
        if (stelle && stelle->gewicht > 0 && a.betrieb.Enthaelt(stelle->monat, stelle->stunde)) {
            w.punkte.push_back(i);
        }
    }
    const auto paarVon = [&](std::size_t i) {
        return std::pair{r.theta[i], i < r.feuchte.size() ? r.feuchte[i] : std::nan("")};
    };
    const auto zahlen = [](const std::pair<double, double>& p) {
        return !std::isnan(p.first) && !std::isnan(p.second);
    };
    // The points in the order of their pairs, so that equal pairs stand together; a value that
    // is no number cannot be ordered and keeps a pair of its own, which computes nothing.
    std::vector<std::size_t> folge(w.punkte.size());
    for (std::size_t k = 0; k < folge.size(); ++k) folge[k] = k;
    const auto mitZahlen = std::stable_partition(
        folge.begin(), folge.end(), [&](std::size_t k) { return zahlen(paarVon(w.punkte[k])); });
    std::sort(folge.begin(), mitZahlen, [&](std::size_t k, std::size_t l) {
        return paarVon(w.punkte[k]) < paarVon(w.punkte[l]);
    });
    w.paarVon.resize(w.punkte.size());
    for (auto it = folge.begin(); it != folge.end(); ++it) {
        const auto paar = paarVon(w.punkte[*it]);
        if (it == folge.begin() || it > mitZahlen || !(paar == w.paare.back())) {
            w.paare.push_back(paar);
        }
        w.paarVon[*it] = w.paare.size() - 1;
    }
    return w;
}

// The hour of each pair, none where it computes nothing; the pairs split among the cores.
std::vector<std::optional<Anlagenstunde>> PaareRechnen(
    const Anlage& a, const Luftdruck& d, double massenstrom, bool phi,
    const std::vector<std::pair<double, double>>& paare) {
    std::vector<std::optional<Anlagenstunde>> stunden(paare.size());
    // Every teile-th pair from `erste`: the pairs come sorted by temperature, and winter hours
    // take more steps than summer ones, so interleaving keeps the parts alike.
    const auto rechnen = [&](std::size_t erste, std::size_t teile) {
        for (std::size_t k = erste; k < paare.size(); k += teile) {
            const auto [theta, f] = paare[k];
            if (!std::isfinite(theta) || !std::isfinite(f)) continue;
            const auto aussen = ZustandAusPaar(d, phi ? Paar::ThetaPhi : Paar::ThetaX, theta,
                                               phi ? f : InKgJeKg(f));
            if (!aussen) continue;
            // A year keeps what each hour made, not how.
            if (StundeRechnen(a, d, massenstrom, *aussen, stunden[k].emplace(), false)) {
                stunden[k].reset();
            }
        }
    };
    const std::size_t kerne = std::clamp<std::size_t>(std::thread::hardware_concurrency(), 1, 8);
    const std::size_t teile = std::min(kerne, 1 + paare.size() / kMindestensJeKern);
    std::vector<std::thread> helfer;
    for (std::size_t t = 1; t < teile; ++t) {
        try {
            helfer.emplace_back(rechnen, t, teile);
        } catch (const std::system_error&) {
            rechnen(t, teile);  // no thread to be had: this one does the part
        }
    }
    rechnen(0, teile);
    for (std::thread& h : helfer) h.join();
    return stunden;
}

}  // namespace

Ergebnis<Anlagenjahr> AnlagenjahrRechnen(const Anlage& a, const Messreihe& r,
                                         const Luftdruck& druck) {
    using E = Ergebnis<Anlagenjahr>;
    // An hour's states need no wet-bulb temperature.
    Luftdruck d = druck;
    d.mitKuehlgrenze = false;
    const auto stellen = ZeitstellenVon(r);
    if (std::none_of(stellen.begin(), stellen.end(), [](const auto& s) { return s.has_value(); })) {
        return E::Fehler(Einsetzen(
            Text("Projekt", "„wetterjahr“: Die Zeiten der Messreihe %1 lassen sich nicht lesen."),
            {Zitat(r.name)}));
    }
    const auto m = AnlagenMassenstrom(a, d);
    if (!m) return E::Fehler(m.grund());
    Anlagenjahr j;
    j.massenstrom = *m;
    const Aussenwerte aussen = AussenwerteVon(a, r, stellen);
    const auto paare =
        PaareRechnen(a, d, j.massenstrom, r.feuchteart == Feuchteart::Phi, aussen.paare);
    // Summed in the order of the series, so that the sums do not depend on the split.
    j.stunden.reserve(aussen.punkte.size());
    for (std::size_t k = 0; k < aussen.punkte.size(); ++k) {
        const std::size_t i = aussen.punkte[k];
        const Zeitstelle& stelle = *stellen[i];
        const auto& gerechnet = paare[aussen.paarVon[k]];
        if (!gerechnet) {
            j.unmoeglich += stelle.gewicht;
            continue;
        }
        Anlagenstunde& s = j.stunden.emplace_back(*gerechnet);
        s.index = i;
        s.monat = stelle.monat;
        s.gewicht = stelle.gewicht;
        j.Addieren(s);
    }
    return j;
}

void Anlagenjahr::Addieren(const Anlagenstunde& s) {
    summe.Addieren(s);
    monate[static_cast<std::size_t>(s.monat - 1)].Addieren(s);
    arten[static_cast<std::size_t>(s.art)] += s.gewicht;
    if (!s.erreicht) nichtErreicht += s.gewicht;
    // The heat recovery's highest load is the larger of heating and cooling.
    constexpr auto kWrg = static_cast<std::size_t>(Komponente::WrgHeizen);
    for (std::size_t k = 0; k < kKomponenten; ++k) {
        auto& h = hoechstleistung[k == static_cast<std::size_t>(Komponente::WrgKuehlen) ? kWrg : k];
        h = std::max(h, s.leistung[k]);
    }
}

Json AnlagenBericht(const std::string& name, const Anlagenjahr& j) {
    const auto energie = [](const Anlagensumme& s, Json& o) {
        o["heizen"] = JsonZahl(s.Heizen());
        for (std::size_t k = 0; k < kKomponenten; ++k) {
            o[std::string(SchluesselVon(static_cast<Komponente>(k)))] = JsonZahl(s.energie[k]);
        }
    };
    Json b = Json::object();
    b["name"] = name;
    b["massenstrom"] = JsonZahl(j.massenstrom);
    Json& stunden = b["stunden"] = Json::object();
    stunden["betrieb"] = JsonZahl(j.summe.stunden);
    stunden["unmoeglich"] = JsonZahl(j.unmoeglich);
    for (const Betriebsart art :
         {Betriebsart::Frei, Betriebsart::Wrg, Betriebsart::Heizen, Betriebsart::Kuehlen,
          Betriebsart::Entfeuchten, Betriebsart::Befeuchten}) {
        stunden[std::string(SchluesselVon(art))] = JsonZahl(j.arten[static_cast<std::size_t>(art)]);
    }
    stunden["nicht_erreicht"] = JsonZahl(j.nichtErreicht);
    energie(j.summe, b["energie"] = Json::object());
    b["wasser"] = {{"befeuchterwasser", JsonZahl(j.summe.befeuchterwasser)},
                   {"kondensat", JsonZahl(j.summe.kondensat)}};
    Json& hoechste = b["hoechstleistung"] = Json::object();
    for (std::size_t k = 0; k < static_cast<std::size_t>(Komponente::WrgHeizen); ++k) {
        hoechste[std::string(SchluesselVon(static_cast<Komponente>(k)))] =
            JsonZahl(j.hoechstleistung[k]);
    }
    hoechste["wrg"] = JsonZahl(j.hoechstleistung[static_cast<std::size_t>(Komponente::WrgHeizen)]);
    Json& monate = b["monate"] = Json::array();
    for (std::size_t m = 0; m < j.monate.size(); ++m) {
        const Anlagensumme& s = j.monate[m];
        Json o = {{"monat", m + 1}, {"stunden", JsonZahl(s.stunden)}};
        energie(s, o);
        o["befeuchterwasser"] = JsonZahl(s.befeuchterwasser);
        o["kondensat"] = JsonZahl(s.kondensat);
        monate.push_back(std::move(o));
    }
    return b;
}

}  // namespace lumora
