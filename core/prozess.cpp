#include "core/prozess.h"

#include <cmath>
#include <string>

#include "core/feuchte_luft.h"
#include "core/groesse.h"
#include "core/zahlen.h"

namespace lumora {

namespace {

using Prozessfehler = Ergebnis<Prozesswirkung>;
using Endpunkt = Ergebnis<Zustandswerte>;

// The state at (h, x) as the end of a process.
Endpunkt EndeAusHX(const Luftdruck& d, double h, double x) {
    if (!std::isfinite(x) || !std::isfinite(h)) {
        return Endpunkt::Fehler("Der Endzustand lässt sich nicht mit endlichen Zahlen berechnen.");
    }
    if (x < 0) {
        return Endpunkt::Fehler("Der Wassergehalt am Ende " + GrammText(x) + " wäre negativ.");
    }
    auto z = ZustandAusHX(d, h, x);
    if (!z) return Endpunkt::Fehler("Endzustand: " + z.grund());
    return z;
}

// Water content at the end of a line from start in the direction eps [kJ/kg] whose target
// is an x or a Δx; humidifiers (mindestensStart) may not lower x.
Ergebnis<double> XZiel(const Prozess& p, const Zustandswerte& start, bool mindestensStart) {
    if (auto f = NichtEndlich("Das Ziel", p.zielwert)) return Ergebnis<double>::Fehler(*f);
    const double x2 = p.ziel == Ziel::X ? p.zielwert : start.x + p.zielwert;
    if (mindestensStart && x2 < start.x) {
        return Ergebnis<double>::Fehler("Der Wassergehalt am Ende " + GrammText(x2) +
                                        " liegt unter dem am Anfang " + GrammText(start.x) + ".");
    }
    return x2;
}

// The smallest x >= x1 on the line h = h1 + eps (x - x1) where φ reaches phiZiel, fog
// counting as 100 %: steps of 0.1 g/kg up to x1 + 1 kg/kg find the first crossing, a
// bisection then narrows it to neighbouring doubles.
Ergebnis<double> XBeiPhi(const Luftdruck& d, const Zustandswerte& start, double eps,
                         double phiZiel) {
    using E = Ergebnis<double>;
    if (auto f = NichtEndlich("Das Ziel φ", phiZiel)) return E::Fehler(*f);
    if (!start.phi) {
        return E::Fehler(
            "Am Anfang gibt es keine relative Feuchte: er liegt über der "
            "Siedetemperatur.");
    }
    // Below, the target is bounded by the start's φ, which the next check names.
    if (auto f = Bereichsfehler("Das Ziel φ = " + ProzentText(phiZiel), phiZiel,
                                Wertebereich{std::nullopt, kPhiBereich.oben}, "phi")) {
        return E::Fehler(*f);
    }
    if (phiZiel < *start.phi) {
        return E::Fehler("Das Ziel φ = " + ProzentText(phiZiel) +
                         " liegt unter φ = " + ProzentText(*start.phi) + " am Anfang.");
    }
    const auto phiBei = [&](double x) {
        return RelativeFeuchte(d, start.h + eps * (x - start.x), x);
    };
    const std::string unerreichbar =
        "φ = " + ProzentText(phiZiel) + " ist auf dieser Linie nicht erreichbar";
    if (const auto phi = phiBei(start.x); phi && *phi >= phiZiel) return start.x;

    constexpr double kSchritt = 1e-4;  // [kg/kg]
    constexpr int kSchritte = 10000;   // up to x1 + 1 kg/kg
    double xUnten = start.x;
    for (int i = 1; i <= kSchritte; ++i) {
        const double xOben = start.x + i * kSchritt;
        const auto phi = phiBei(xOben);
        if (!phi) {
            if (UngesaettigteTemperatur(start.h + eps * (xOben - start.x), xOben) >= d.thetaSiede) {
                return E::Fehler(unerreichbar + ": sie erreicht vorher die Siedetemperatur " +
                                 GradText(d.thetaSiede) + ".");
            }
            return E::Fehler(unerreichbar + ".");
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
    return E::Fehler(unerreichbar + ".");
}

// End state along the direction eps from start, for humidifiers and richtung.
Endpunkt EndeInRichtung(const Luftdruck& d, const Prozess& p, const Zustandswerte& start,
                        double eps) {
    if (auto f = NichtEndlich("Die Richtung ε", eps)) return Endpunkt::Fehler(*f);
    const bool befeuchter = p.art != Prozessart::Richtung;
    Ergebnis<double> x2 = Ergebnis<double>::Fehler("");
    switch (p.ziel) {
        case Ziel::Keins:
            return Endpunkt::Fehler(befeuchter ? "Es fehlt ein Ziel: phi, x oder dx."
                                               : "Es fehlt ein Ziel: x oder dx.");
        case Ziel::Phi:
            if (!befeuchter) {
                return Endpunkt::Fehler(
                    "Eine Zustandsänderung in Richtung ε nimmt nur ein Ziel x oder dx.");
            }
            x2 = XBeiPhi(d, start, eps, p.zielwert);
            break;
        case Ziel::X:
        case Ziel::DX:
            x2 = XZiel(p, start, befeuchter);
            break;
    }
    if (!x2) return Endpunkt::Fehler(x2.grund());
    return EndeAusHX(d, start.h + eps * (*x2 - start.x), *x2);
}

struct Kuehlung {
    Zustandswerte o;
    Zustandswerte ende;
};

Ergebnis<Kuehlung> Kuehle(const Luftdruck& d, const Prozess& p, const Zustandswerte& start) {
    using E = Ergebnis<Kuehlung>;
    if (auto f = NichtEndlich("Die Oberflächentemperatur", p.oberflaeche)) return E::Fehler(*f);
    if (p.oberflaeche > start.theta) {
        return E::Fehler("Die Oberflächentemperatur " + GradText(p.oberflaeche) +
                         " liegt über der Eintrittstemperatur " + GradText(start.theta) + ".");
    }
    if (auto f = Wertfehler("Der Bypassfaktor", p.bypass, kBypassBereich, "bypass")) {
        return E::Fehler(*f);
    }
    // The surface dries the air down to its own saturation content, never wets it.
    const double xO = std::min(start.x, Saettigungsgehalt(d, p.oberflaeche).value_or(start.x));
    const auto o = ZustandAusThetaX(d, p.oberflaeche, xO);
    if (!o) return E::Fehler("Oberflächenpunkt: " + o.grund());
    // The bypass-factor model of a coil: the share BF of the air passes it untouched, the rest
    // leaves it at the surface state O, and the two mix, so the end lies on the straight line
    // from O to the start at BF of the way: h2 = hO + BF (h1 - hO), x2 = xO + BF (x1 - xO).
    const auto ende =
        EndeAusHX(d, o->h + p.bypass * (start.h - o->h), xO + p.bypass * (start.x - xO));
    if (!ende) return E::Fehler(ende.grund());
    return Kuehlung{*o, *ende};
}

Endpunkt Mische(const Luftdruck& d, const Prozess& p, const Zustandswerte& a,
                const Zustandswerte& b) {
    double m1 = p.massenstroeme[0];
    double m2 = p.massenstroeme[1];
    if (const auto anteil = p.aussenluftanteil) {
        // A share weighs the streams as flows of anteil and 100 - anteil would.
        if (auto f = Wertfehler("Der Außenluftanteil", *anteil, kAussenluftBereich,
                                "aussenluftanteil")) {
            return Endpunkt::Fehler(*f);
        }
        m1 = *anteil;
        m2 = 100 - *anteil;
    } else {
        for (double m : p.massenstroeme) {
            if (auto f = Wertfehler("Der Massenstrom", m, kPositiv, "massenstrom")) {
                return Endpunkt::Fehler(*f);
            }
        }
    }
    const double summe = m1 + m2;
    return EndeAusHX(d, (m1 * a.h + m2 * b.h) / summe, (m1 * a.x + m2 * b.x) / summe);
}

Endpunkt GewinneZurueck(const Luftdruck& d, const Prozess& p, const Zustandswerte& aussen,
                        const Zustandswerte& fort) {
    if (auto f = Wertfehler("Die Rückwärmzahl", p.rueckwaermzahl, kRueckgewinnungsBereich,
                            "rueckwaermzahl")) {
        return Endpunkt::Fehler(*f);
    }
    if (auto f = Wertfehler("Die Feuchterückgewinnung", p.feuchterueckgewinnung,
                            kRueckgewinnungsBereich, "feuchterueckgewinnung")) {
        return Endpunkt::Fehler(*f);
    }
    const double theta = aussen.theta + p.rueckwaermzahl * (fort.theta - aussen.theta);
    const double x = aussen.x + p.feuchterueckgewinnung * (fort.x - aussen.x);
    auto z = ZustandAusThetaX(d, theta, x);
    if (!z) return Endpunkt::Fehler("Endzustand: " + z.grund());
    return z;
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

bool HatZweitenZustand(Prozessart art) {
    return art == Prozessart::Mischen || art == Prozessart::Waermerueckgewinnung;
}

Ergebnis<Prozesswirkung> Rechne(const Luftdruck& d, const Prozess& p, const Zustandswerte& start,
                                const Zustandswerte* zweiter) {
    if (HatZweitenZustand(p.art) && !zweiter) {
        return Prozessfehler::Fehler(std::string(NameVon(p.art).anzeige) +
                                     " braucht einen zweiten Zustand.");
    }
    Prozesswirkung r;
    Endpunkt ende = Endpunkt::Fehler("");
    switch (p.art) {
        case Prozessart::Heizen:
            if (auto f = NichtEndlich("Die Endtemperatur", p.theta))
                return Prozessfehler::Fehler(*f);
            if (p.theta < start.theta) {
                return Prozessfehler::Fehler("Die Endtemperatur " + GradText(p.theta) +
                                             " liegt unter der Anfangstemperatur " +
                                             GradText(start.theta) + ".");
            }
            ende = ZustandAusThetaX(d, p.theta, start.x);
            break;
        case Prozessart::Kuehlen: {
            const auto k = Kuehle(d, p, start);
            if (!k) return Prozessfehler::Fehler(k.grund());
            r.oberflaeche = k->o;
            ende = k->ende;
            break;
        }
        case Prozessart::BefeuchtenWasser:
            if (auto f = NichtEndlich("Die Wassertemperatur", p.wasser))
                return Prozessfehler::Fehler(*f);
            ende = EndeInRichtung(d, p, start, kStoffwerte.cW * p.wasser);
            break;
        case Prozessart::BefeuchtenDampf:
            if (auto f = NichtEndlich("Die Dampftemperatur", p.dampf))
                return Prozessfehler::Fehler(*f);
            ende = EndeInRichtung(d, p, start, kStoffwerte.r0 + kStoffwerte.cpD * p.dampf);
            break;
        case Prozessart::Richtung:
            ende = EndeInRichtung(d, p, start, p.epsilon);
            break;
        case Prozessart::Mischen:
            ende = Mische(d, p, start, *zweiter);
            break;
        case Prozessart::Waermerueckgewinnung:
            ende = GewinneZurueck(d, p, start, *zweiter);
            break;
    }
    if (!ende) return Prozessfehler::Fehler(ende.grund());
    r.ende = *ende;
    r.dtheta = r.ende.theta - start.theta;
    r.dx = r.ende.x - start.x;
    r.dh = r.ende.h - start.h;
    // A mixing's mass flows are its own; it exchanges neither heat nor water.
    if (p.massenstrom && p.volumenstrom) {
        return Prozessfehler::Fehler(
            "Massenstrom und Volumenstrom sind beide angegeben; es darf nur einer sein.");
    }
    if (p.volumenstrom && p.art != Prozessart::Mischen) {
        if (auto f = Wertfehler("Der Volumenstrom", *p.volumenstrom, kPositiv, "volumenstrom")) {
            return Prozessfehler::Fehler(*f);
        }
        // Moist air at the start state: its density per kg of moist air, to dry air.
        r.volumenstrom = *p.volumenstrom;
        r.massenstrom = *p.volumenstrom * start.rho / (1 + start.x);
    } else if (p.massenstrom && p.art != Prozessart::Mischen) {
        if (auto f = Wertfehler("Der Massenstrom", *p.massenstrom, kPositiv, "massenstrom")) {
            return Prozessfehler::Fehler(*f);
        }
        r.massenstrom = *p.massenstrom;
        r.volumenstrom = *p.massenstrom * (1 + start.x) / start.rho;
    }
    if (r.massenstrom) {
        r.leistung = *r.massenstrom * r.dh / 3600;
        r.wasser = *r.massenstrom * r.dx;
        if (!std::isfinite(*r.leistung) || !std::isfinite(*r.wasser)) {
            return Prozessfehler::Fehler(
                "Leistung oder Wasserstrom lassen sich nicht mit endlichen Zahlen berechnen.");
        }
    }
    if (!std::isfinite(r.dtheta) || !std::isfinite(r.dx) || !std::isfinite(r.dh)) {
        return Prozessfehler::Fehler(
            "Die Änderungen lassen sich nicht mit endlichen Zahlen berechnen.");
    }
    return r;
}

}  // namespace lumora
