#include "core/prozess.h"

#include <cmath>
#include <string>

#include "core/feuchte_luft.h"
#include "core/groesse.h"
#include "core/text.h"
#include "core/zahlen.h"

namespace lumora {

namespace {

using Prozessfehler = Ergebnis<Prozesswirkung>;
using Endpunkt = Ergebnis<Zustandswerte>;

// The reason why the end state of a process cannot be computed, from the state's own.
std::string Endzustandsfehler(const std::string& grund) {
    return Einsetzen(Text("Kern", "Endzustand: %1"), {grund});
}

// The refusal of a target other than x or dx for a change in the direction ε.
std::string NurXOderDx() {
    return Text("Kern", "Eine Zustandsänderung in Richtung ε nimmt nur ein Ziel x oder dx.");
}

// The state at (h, x) as the end of a process.
Endpunkt EndeAusHX(const Luftdruck& d, double h, double x) {
    if (!std::isfinite(x) || !std::isfinite(h)) {
        return Endpunkt::Fehler(
            Text("Kern", "Der Endzustand lässt sich nicht mit endlichen Zahlen berechnen."));
    }
    if (x < 0) {
        return Endpunkt::Fehler(
            Einsetzen(Text("Kern", "Der Wassergehalt am Ende %1 wäre negativ."), {GrammText(x)}));
    }
    auto z = ZustandAusHX(d, h, x);
    if (!z) return Endpunkt::Fehler(Endzustandsfehler(z.grund()));
    return z;
}

// Water content at the end of a line from start in the direction eps [kJ/kg] whose target
// is an x or a Δx; humidifiers (mindestensStart) may not lower x.
Ergebnis<double> XZiel(const Prozess& p, const Zustandswerte& start, bool mindestensStart) {
    if (auto f = NichtEndlich([] { return Text("Kern", "Das Ziel"); }, p.zielwert)) {
        return Ergebnis<double>::Fehler(*f);
    }
    const double x2 = p.ziel == Ziel::X ? p.zielwert : start.x + p.zielwert;
    if (mindestensStart && x2 < start.x) {
        return Ergebnis<double>::Fehler(
            Einsetzen(Text("Kern", "Der Wassergehalt am Ende %1 liegt unter dem am Anfang %2."),
                      {GrammText(x2), GrammText(start.x)}));
    }
    return x2;
}

// The smallest x >= x1 on the line h = h1 + eps (x - x1) where φ reaches phiZiel, fog
// counting as 100 %: steps of 0.1 g/kg up to x1 + 1 kg/kg find the first crossing, a
// bisection then narrows it to neighbouring doubles.
Ergebnis<double> XBeiPhi(const Luftdruck& d, const Zustandswerte& start, double eps,
                         double phiZiel) {
    using E = Ergebnis<double>;
    if (auto f = NichtEndlich([] { return Text("Kern", "Das Ziel φ"); }, phiZiel))
        return E::Fehler(*f);
    if (!start.phi) {
        return E::Fehler(Text("Kern",
                              "Am Anfang gibt es keine relative Feuchte: er liegt über der "
                              "Siedetemperatur."));
    }
    // Below, the target is bounded by the start's φ, which the next check names.
    const std::string ziel = Text("Kern", "Das Ziel") + " φ = " + ProzentText(phiZiel);
    if (auto f =
            Bereichsfehler(ziel, phiZiel, Wertebereich{std::nullopt, kPhiBereich.oben}, "phi")) {
        return E::Fehler(*f);
    }
    if (phiZiel < *start.phi) {
        return E::Fehler(Einsetzen(Text("Kern", "%1 liegt unter φ = %2 am Anfang."),
                                   {ziel, ProzentText(*start.phi)}));
    }
    const auto phiBei = [&](double x) {
        return RelativeFeuchte(d, start.h + eps * (x - start.x), x);
    };
    const std::string phiText = ProzentText(phiZiel);
    const std::string unerreichbar =
        Einsetzen(Text("Kern", "φ = %1 ist auf dieser Linie nicht erreichbar."), {phiText});
    if (const auto phi = phiBei(start.x); phi && *phi >= phiZiel) return start.x;

    constexpr double kSchritt = 1e-4;  // [kg/kg]
    constexpr int kSchritte = 10000;   // up to x1 + 1 kg/kg
    double xUnten = start.x;
    for (int i = 1; i <= kSchritte; ++i) {
        const double xOben = start.x + i * kSchritt;
        const auto phi = phiBei(xOben);
        if (!phi) {
            if (UngesaettigteTemperatur(start.h + eps * (xOben - start.x), xOben) >= d.thetaSiede) {
                return E::Fehler(Einsetzen(Text("Kern",
                                                "φ = %1 ist auf dieser Linie nicht erreichbar: "
                                                "sie erreicht vorher die Siedetemperatur %2."),
                                           {phiText, GradText(d.thetaSiede)}));
            }
            return E::Fehler(unerreichbar);
        }
        if (*phi >= phiZiel) {
            const auto [x, xDarueber] = Halbiere(xUnten, xOben, [&](double xm) {
                const auto pm = phiBei(xm);
                return !pm || *pm >= phiZiel;
            });
            (void)xDarueber;
            return x;
        }
        xUnten = xOben;
    }
    return E::Fehler(unerreichbar);
}

// End state along the direction eps from start, for humidifiers and richtung.
Endpunkt EndeInRichtung(const Luftdruck& d, const Prozess& p, const Zustandswerte& start,
                        double eps) {
    if (auto f = NichtEndlich([] { return Text("Kern", "Die Richtung ε"); }, eps))
        return Endpunkt::Fehler(*f);
    const bool befeuchter = p.art != Prozessart::Richtung;
    Ergebnis<double> x2 = Ergebnis<double>::Fehler("");
    switch (p.ziel) {
        case Ziel::Keins:
            return Endpunkt::Fehler(befeuchter ? Text("Kern", "Es fehlt ein Ziel: phi, x oder dx.")
                                               : Text("Kern", "Es fehlt ein Ziel: x oder dx."));
        case Ziel::Phi:
            if (!befeuchter) {
                return Endpunkt::Fehler(NurXOderDx());
            }
            x2 = XBeiPhi(d, start, eps, p.zielwert);
            break;
        case Ziel::X:
        case Ziel::DX:
            x2 = XZiel(p, start, befeuchter);
            break;
        case Ziel::Oberflaeche:
        case Ziel::Theta:
            return Endpunkt::Fehler(
                befeuchter ? Text("Kern", "Ein Befeuchter nimmt nur ein Ziel phi, x oder dx.")
                           : NurXOderDx());
    }
    if (!x2) return Endpunkt::Fehler(x2.grund());
    return EndeAusHX(d, start.h + eps * (*x2 - start.x), *x2);
}

struct Kuehlung {
    Zustandswerte o;
    Zustandswerte ende;
};

// The cooler with the surface temperature thetaO [°C] and the bypass factor bf.
Ergebnis<Kuehlung> KuehleAn(const Luftdruck& d, const Zustandswerte& start, double thetaO,
                            double bf) {
    using E = Ergebnis<Kuehlung>;
    // The surface dries the air down to its own saturation content, never wets it.
    const double xO = std::min(start.x, Saettigungsgehalt(d, thetaO).value_or(start.x));
    const auto o = ZustandAusThetaX(d, thetaO, xO);
    if (!o) return E::Fehler(Einsetzen(Text("Kern", "Oberflächenpunkt: %1"), {o.grund()}));
    // The bypass-factor model of a coil: the share BF of the air passes it untouched, the rest
    // leaves it at the surface state O, and the two mix, so the end lies on the straight line
    // from O to the start at BF of the way: h2 = hO + BF (h1 - hO), x2 = xO + BF (x1 - xO).
    const auto ende = EndeAusHX(d, o->h + bf * (start.h - o->h), xO + bf * (start.x - xO));
    if (!ende) return E::Fehler(ende.grund());
    return Kuehlung{*o, *ende};
}

// The surface temperature at which the cooler's end reaches the target ϑ or x of p.
//
// The search runs over surfaces from 0 °C (a colder one freezes) up to the start's ϑ1, and
// both targets grow with the surface temperature: ϑ2 everywhere (the end lies at BF of the
// way from O to the start, and O warms with its surface), x2 only below the dew point of the
// start, above which the surface leaves x1 as it is. So a target x below x1 has one surface,
// just below the dew point or colder, where x2 reaches it; x = x1 itself is left by every
// surface from the dew point up and fixes none, and is refused with that reason.
Ergebnis<double> OberflaecheFuer(const Luftdruck& d, const Prozess& p, const Zustandswerte& start) {
    using E = Ergebnis<double>;
    const bool temperatur = p.ziel == Ziel::Theta;
    const char* schluessel = temperatur ? "theta" : "x";
    // The target as the messages name it after "Ziel": "ϑ = 12 °C".
    const std::string ziel = Symbol(schluessel) + " = " + Wertangabe(p.zielwert, schluessel);
    if (auto f = NichtEndlich([] { return Text("Kern", "Das Ziel"); }, p.zielwert))
        return E::Fehler(*f);
    if (temperatur && p.zielwert > start.theta) {
        return E::Fehler(Einsetzen(Text("Kern",
                                        "Das Ziel %1 liegt über der Eintrittstemperatur "
                                        "%2: ein Kühler kann die Luft nicht erwärmen."),
                                   {ziel, GradText(start.theta)}));
    }
    if (!temperatur) {
        if (auto f = Wertfehler([] { return Text("Kern", "Das Ziel x"); }, p.zielwert,
                                kNichtNegativ, "x", true)) {
            return E::Fehler(*f);
        }
        if (p.zielwert > start.x) {
            return E::Fehler(Einsetzen(Text("Kern",
                                            "Das Ziel %1 liegt über dem Wassergehalt am "
                                            "Anfang %2: ein Kühler kann die Luft nicht "
                                            "befeuchten."),
                                       {ziel, GrammText(start.x)}));
        }
        if (p.zielwert == start.x) {
            return E::Fehler(
                Einsetzen(Text("Kern",
                               "Das Ziel %1 ist der Wassergehalt am Anfang. Jede Oberfläche ab dem "
                               "Taupunkt lässt ihn unverändert, er legt die Oberflächentemperatur "
                               "also nicht fest: bitte „oberflaeche“ oder „theta“ angeben."),
                          {ziel}));
        }
        // Even the coldest surface (xO = 0) leaves the bypassed share's water.
        if (p.zielwert < p.bypass * start.x) {
            return E::Fehler(Einsetzen(Text("Kern",
                                            "Das Ziel %1 ist nicht erreichbar: mit dem "
                                            "Bypassfaktor BF = %2 bleiben am Ende "
                                            "mindestens BF·x1 = %3."),
                                       {ziel, KurzText(p.bypass), GrammText(p.bypass * start.x)}));
        }
    }
    if (start.theta < 0) {
        return E::Fehler(Einsetzen(Text("Kern",
                                        "Bei der Eintrittstemperatur %1 müsste die "
                                        "Oberfläche unter 0 °C liegen, wo sie vereist."),
                                   {GradText(start.theta)}));
    }
    const auto wert = [&](double thetaO) -> std::optional<double> {
        const auto k = KuehleAn(d, start, thetaO, p.bypass);
        if (!k) return std::nullopt;
        return temperatur ? k->ende.theta : k->ende.x;
    };
    if (const auto kalt = wert(0); kalt && *kalt >= p.zielwert) {
        if (*kalt == p.zielwert) return 0.0;
        return E::Fehler(
            Einsetzen(Text("Kern",
                           "Für das Ziel %1 müsste die Oberfläche unter 0 °C liegen, wo sie "
                           "vereist: mit 0 °C käme die Luft nur auf %2 = %3."),
                      {ziel, Symbol(schluessel), Wertangabe(*kalt, schluessel)}));
    }
    // At ϑO = ϑ1 the end is the start again, recomputed from its h and x, which may round its
    // ϑ a little below ϑ1: a target within the searches' tolerance of it is met there.
    const double toleranz = temperatur ? 1e-9 : 1e-12;  // [K], [kg/kg]
    if (const auto warm = wert(start.theta); !warm || *warm < p.zielwert) {
        if (warm && *warm >= p.zielwert - toleranz) return start.theta;
        return E::Fehler(
            Einsetzen(Text("Kern",
                           "Das Ziel %1 ist mit keiner Oberfläche zwischen 0 °C und %2 "
                           "erreichbar."),
                      {ziel, GradText(start.theta)}));
    }
    // An end that cannot be computed counts as above the target, so that the search stays
    // where ends exist; the end at the result is computed again and names its reason.
    const auto [unten, oben] = Halbiere(0.0, start.theta, [&](double thetaO) {
        const auto w = wert(thetaO);
        return !w || *w >= p.zielwert;
    });
    (void)unten;
    return oben;
}

Ergebnis<Kuehlung> Kuehle(const Luftdruck& d, const Prozess& p, const Zustandswerte& start) {
    using E = Ergebnis<Kuehlung>;
    if (auto f = Wertfehler([] { return Text("Kern", "Der Bypassfaktor"); }, p.bypass,
                            kBypassBereich, "bypass")) {
        return E::Fehler(*f);
    }
    switch (p.ziel) {
        case Ziel::Oberflaeche:
            if (auto f = NichtEndlich([] { return Text("Kern", "Die Oberflächentemperatur"); },
                                      p.zielwert)) {
                return E::Fehler(*f);
            }
            if (p.zielwert > start.theta) {
                return E::Fehler(Einsetzen(Text("Kern",
                                                "Die Oberflächentemperatur %1 liegt über "
                                                "der Eintrittstemperatur %2."),
                                           {GradText(p.zielwert), GradText(start.theta)}));
            }
            return KuehleAn(d, start, p.zielwert, p.bypass);
        case Ziel::Theta:
        case Ziel::X: {
            const auto thetaO = OberflaecheFuer(d, p, start);
            if (!thetaO) return E::Fehler(thetaO.grund());
            return KuehleAn(d, start, *thetaO, p.bypass);
        }
        case Ziel::Keins:
        case Ziel::Phi:
        case Ziel::DX:
            break;
    }
    return E::Fehler(
        Text("Kern",
             "Ein Kühler braucht genau eins: die Oberflächentemperatur „oberflaeche“, die "
             "Endtemperatur „theta“ oder den Wassergehalt am Ende „x“."));
}

Endpunkt Mische(const Luftdruck& d, const Prozess& p, const Zustandswerte& a,
                const Zustandswerte& b) {
    double m1 = p.massenstroeme[0];
    double m2 = p.massenstroeme[1];
    if (const auto anteil = p.aussenluftanteil) {
        // A share weighs the streams as flows of anteil and 100 - anteil would.
        if (auto f = Wertfehler([] { return Text("Kern", "Der Außenluftanteil"); }, *anteil,
                                kAussenluftBereich, "aussenluftanteil")) {
            return Endpunkt::Fehler(*f);
        }
        m1 = *anteil;
        m2 = 100 - *anteil;
    } else {
        for (double m : p.massenstroeme) {
            if (auto f = Wertfehler([] { return Text("Kern", "Der Massenstrom"); }, m, kPositiv,
                                    "massenstrom")) {
                return Endpunkt::Fehler(*f);
            }
        }
    }
    const double summe = m1 + m2;
    return EndeAusHX(d, (m1 * a.h + m2 * b.h) / summe, (m1 * a.x + m2 * b.x) / summe);
}

Endpunkt GewinneZurueck(const Luftdruck& d, const Prozess& p, const Zustandswerte& aussen,
                        const Zustandswerte& fort) {
    if (auto f = Wertfehler([] { return Text("Kern", "Die Rückwärmzahl"); }, p.rueckwaermzahl,
                            kRueckgewinnungsBereich, "rueckwaermzahl")) {
        return Endpunkt::Fehler(*f);
    }
    if (auto f =
            Wertfehler([] { return Text("Kern", "Die Feuchterückgewinnung"); },
                       p.feuchterueckgewinnung, kRueckgewinnungsBereich, "feuchterueckgewinnung")) {
        return Endpunkt::Fehler(*f);
    }
    const double theta = aussen.theta + p.rueckwaermzahl * (fort.theta - aussen.theta);
    const double x = aussen.x + p.feuchterueckgewinnung * (fort.x - aussen.x);
    auto z = ZustandAusThetaX(d, theta, x);
    if (!z) return Endpunkt::Fehler(Endzustandsfehler(z.grund()));
    return z;
}

// The exhaust side of a heat recovery whose outdoor stream w made, by the sensible balance of
// the two streams: ṁAUL (cpL + x1 cpD) (ϑ2 - ϑ1) = ṁABL (cpL + x3 cpD) (ϑ3 - ϑ4). Each side's
// enthalpy change splits into the sensible part with the water content the stream brings in
// and the latent part of the water that it gains or loses, counted at its outlet temperature:
// h(ϑ2, x2) - h(ϑ1, x1) = (cpL + x1 cpD) (ϑ2 - ϑ1) + (x2 - x1) (r0 + cpD ϑ2). So the outdoor
// side takes its inlet x1, and the exhaust side x3, which it keeps: the exhaust's loss of the
// water that Ψ moves is left out, so its dew point stays that of the exhaust air, the
// cautious side for the warnings.
Ergebnis<Fortluft> FortluftNach(const Prozess& p, const Zustandswerte& aussen,
                                const Prozesswirkung& w, const Zustandswerte& abluft) {
    using E = Ergebnis<Fortluft>;
    double verhaeltnis = 1;  // ṁAUL / ṁABL; equal streams without an exhaust flow
    if (p.massenstromAbluft) {
        if (auto f = Wertfehler([] { return Text("Kern", "Der Massenstrom der Abluft"); },
                                *p.massenstromAbluft, kPositiv, "massenstrom_abluft")) {
            return E::Fehler(*f);
        }
        if (!w.massenstrom) {
            return E::Fehler(Text("Kern",
                                  "Zum Massenstrom der Abluft „massenstrom_abluft“ fehlt der der "
                                  "Außenluft: „massenstrom“ oder „volumenstrom“."));
        }
        verhaeltnis = *w.massenstrom / *p.massenstromAbluft;
        // The exhaust's own temperature ratio is about Φ ṁAUL / ṁABL; above 1 it would leave
        // colder than the outdoor air enters, which no exchanger does.
        if (p.rueckwaermzahl * verhaeltnis > 1) {
            return E::Fehler(
                Einsetzen(Text("Kern",
                               "Die Abluft müsste kälter werden als die Außenluft: Φ·ṁ/ṁABL = %1 "
                               "liegt über 1; der Massenstrom der Abluft ist zu klein."),
                          {KurzText(p.rueckwaermzahl * verhaeltnis)}));
        }
    }
    const auto& s = kStoffwerte;
    Fortluft f;
    f.theta = abluft.theta -
              verhaeltnis * (s.cpL + aussen.x * s.cpD) / (s.cpL + abluft.x * s.cpD) * w.dtheta;
    if (!std::isfinite(f.theta)) {
        return E::Fehler(Text(
            "Kern", "Die Fortlufttemperatur lässt sich nicht mit endlichen Zahlen berechnen."));
    }
    // Water leaves the exhaust where it cools below its dew point; below 0 °C it leaves as
    // ice, below the frost point where the vapour is thin, or as condensate that freezes.
    const auto tau = TaupunktOderReifpunkt(abluft.pD);
    if (!tau || !(f.theta < *tau)) return f;
    std::string warnung;
    if (f.theta >= 0) {
        warnung = Text("Kern", "Kondensat: die Fortluft kühlt auf %1 ab, unter ihren Taupunkt %2.");
    } else if (IstReifpunkt(abluft.pD)) {
        warnung = Text("Kern",
                       "Vereisungsgefahr: die Fortluft kühlt auf %1 ab, unter 0 °C und "
                       "unter ihren Reifpunkt %2.");
    } else {
        warnung = Text("Kern",
                       "Kondensat und Vereisungsgefahr: die Fortluft kühlt auf %1 ab, unter "
                       "ihren Taupunkt %2 und unter 0 °C.");
    }
    f.warnung = Einsetzen(warnung, {GradText(f.theta), GradText(*tau)});
    return f;
}

}  // namespace

std::optional<Prozessart> ProzessartZu(std::string_view schluessel) {
    for (const Prozessname& n : kProzessnamen) {
        if (n.schluessel == schluessel) return n.art;
    }
    return std::nullopt;
}

const Prozessname& NameVon(Prozessart art) {
    for (const Prozessname& n : kProzessnamen) {
        if (n.art == art) return n;
    }
    return kProzessnamen[0];
}

std::string Anzeigename(Prozessart art) { return Text("Kern", NameVon(art).anzeige.data()); }

bool HatZweitenZustand(Prozessart art) {
    return art == Prozessart::Mischen || art == Prozessart::Waermerueckgewinnung;
}

// Moist air at z: its density per kg of moist air, to dry air.
double VolumenstromBei(double massenstrom, const Zustandswerte& z) {
    return massenstrom * (1 + z.x) / z.rho;
}

double MassenstromBei(double volumenstrom, const Zustandswerte& z) {
    return volumenstrom * z.rho / (1 + z.x);
}

namespace {

Endpunkt Heize(const Luftdruck& d, const Prozess& p, const Zustandswerte& start) {
    if (auto f = NichtEndlich([] { return Text("Kern", "Die Endtemperatur"); }, p.theta))
        return Endpunkt::Fehler(*f);
    if (p.theta < start.theta) {
        return Endpunkt::Fehler(
            Einsetzen(Text("Kern", "Die Endtemperatur %1 liegt unter der Anfangstemperatur %2."),
                      {GradText(p.theta), GradText(start.theta)}));
    }
    return ZustandAusThetaX(d, p.theta, start.x);
}

// The end state of the process, with a cooler's surface point in r.
Endpunkt Ende(const Luftdruck& d, const Prozess& p, const Zustandswerte& start,
              const Zustandswerte* zweiter, Prozesswirkung& r) {
    switch (p.art) {
        case Prozessart::Heizen:
            return Heize(d, p, start);
        case Prozessart::Kuehlen: {
            const auto k = Kuehle(d, p, start);
            if (!k) return Endpunkt::Fehler(k.grund());
            r.oberflaeche = k->o;
            r.oberflaecheGesucht = p.ziel != Ziel::Oberflaeche;
            return k->ende;
        }
        case Prozessart::BefeuchtenWasser:
            if (auto f =
                    NichtEndlich([] { return Text("Kern", "Die Wassertemperatur"); }, p.wasser))
                return Endpunkt::Fehler(*f);
            return EndeInRichtung(d, p, start, kStoffwerte.cW * p.wasser);
        case Prozessart::BefeuchtenDampf:
            if (auto f =
                    NichtEndlich([] { return Text("Kern", "Die Dampftemperatur"); }, p.dampf)) {
                return Endpunkt::Fehler(*f);
            }
            return EndeInRichtung(d, p, start, kStoffwerte.r0 + kStoffwerte.cpD * p.dampf);
        case Prozessart::Richtung:
            return EndeInRichtung(d, p, start, p.epsilon);
        case Prozessart::Mischen:
            return Mische(d, p, start, *zweiter);
        case Prozessart::Waermerueckgewinnung:
            return GewinneZurueck(d, p, start, *zweiter);
    }
    return Endpunkt::Fehler("");
}

// The mass and volume flow of the process in r, given by one of them at the start; a mixing's
// mass flows are its own, and its mixed stream carries both on (a share alone gives none).
std::optional<std::string> Stroeme(const Prozess& p, const Zustandswerte& start,
                                   Prozesswirkung& r) {
    if (p.massenstrom && p.volumenstrom) {
        return Text("Kern",
                    "Massenstrom und Volumenstrom sind beide angegeben; es darf nur einer sein.");
    }
    if (p.art == Prozessart::Mischen) {
        if (!p.aussenluftanteil) r.massenstrom = p.massenstroeme[0] + p.massenstroeme[1];
    } else if (p.volumenstrom) {
        if (auto f = Wertfehler([] { return Text("Kern", "Der Volumenstrom"); }, *p.volumenstrom,
                                kPositiv, "volumenstrom")) {
            return f;
        }
        r.volumenstrom = *p.volumenstrom;
        r.massenstrom = MassenstromBei(*p.volumenstrom, start);
    } else if (p.massenstrom) {
        if (auto f = Wertfehler([] { return Text("Kern", "Der Massenstrom"); }, *p.massenstrom,
                                kPositiv, "massenstrom")) {
            return f;
        }
        r.massenstrom = *p.massenstrom;
        r.volumenstrom = VolumenstromBei(*p.massenstrom, start);
    }
    return std::nullopt;
}

}  // namespace

Ergebnis<Prozesswirkung> Rechne(const Luftdruck& d, const Prozess& p, const Zustandswerte& start,
                                const Zustandswerte* zweiter) {
    if (HatZweitenZustand(p.art) && !zweiter) {
        return Prozessfehler::Fehler(
            Einsetzen(Text("Kern", "%1 braucht einen zweiten Zustand."), {Anzeigename(p.art)}));
    }
    Prozesswirkung r;
    const Endpunkt ende = Ende(d, p, start, zweiter, r);
    if (!ende) return Prozessfehler::Fehler(ende.grund());
    r.ende = *ende;
    r.dtheta = r.ende.theta - start.theta;
    r.dx = r.ende.x - start.x;
    r.dh = r.ende.h - start.h;
    if (auto f = Stroeme(p, start, r)) return Prozessfehler::Fehler(*f);
    if (p.art == Prozessart::Waermerueckgewinnung) {
        const auto fort = FortluftNach(p, start, r, *zweiter);
        if (!fort) return Prozessfehler::Fehler(fort.grund());
        r.fortluft = *fort;
    }
    // A mixing exchanges neither heat nor water.
    if (r.massenstrom && p.art != Prozessart::Mischen) {
        r.leistung = *r.massenstrom * r.dh / 3600;
        r.wasser = *r.massenstrom * r.dx;
        if (!std::isfinite(*r.leistung) || !std::isfinite(*r.wasser)) {
            return Prozessfehler::Fehler(Text(
                "Kern",
                "Leistung oder Wasserstrom lassen sich nicht mit endlichen Zahlen berechnen."));
        }
    }
    if (!std::isfinite(r.dtheta) || !std::isfinite(r.dx) || !std::isfinite(r.dh)) {
        return Prozessfehler::Fehler(
            Text("Kern", "Die Änderungen lassen sich nicht mit endlichen Zahlen berechnen."));
    }
    return r;
}

}  // namespace lumora
