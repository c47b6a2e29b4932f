#include "core/zustandswerte.h"

#include <algorithm>
#include <cmath>

#include "core/einheiten.h"
#include "core/feuchte_luft.h"
#include "core/groesse.h"
#include "core/text.h"
#include "core/zahlen.h"

namespace lumora {

namespace {

constexpr double kNullpunkt = 273.15;  // 0 °C in K

using Zustandsergebnis = Ergebnis<Zustandswerte>;

std::string Hektopascal(double pBar) { return MitEinheit(InHpa(pBar), "hPa"); }

// The reason against a temperature that no state can have, or none.
template <class Name>
std::optional<std::string> TemperaturFehler(const Name& name, double theta,
                                            std::string_view schluessel = "theta") {
    return Wertfehler(name, theta, kTemperaturBereich, schluessel);
}

// The reason against a temperature of the state itself, or none.
std::optional<std::string> TemperaturFehler(double theta) {
    return TemperaturFehler([] { return Text("Kern", "Die Temperatur"); }, theta);
}

std::optional<std::string> WassergehaltFehler(double x, const Wertebereich& b) {
    return Wertfehler([] { return Text("Kern", "Der Wassergehalt"); }, x, b, "x");
}

// Enthalpy [kJ/kg] on the fog isotherm of t [°C], extended to the water content x [kg/kg]:
// hS(t) + (x - xS(t)) cW t, with ice below 0 °C hS(t) + (x - xS(t)) (cE t - rE); eisBeiNull
// takes the ice-fog isotherm at 0 °C itself. None where t has no saturation content.
std::optional<double> AufNebelisotherme(const Luftdruck& d, double t, double x,
                                        bool eisBeiNull = false) {
    const auto g = Gesaettigt(t, d.Pges, d.thetaSiede, true);
    if (!g) return std::nullopt;
    if (t < 0 || (t == 0 && eisBeiNull)) return g->h + (x - g->x) * Eisenthalpie(t);
    return g->h + (x - g->x) * kStoffwerte.cW * t;
}

// Temperature t in [unten, oben] of the fog isotherm through (x, h). The isotherm's
// enthalpy at x grows with t, and without saturation near the boiling temperature it counts
// as above h. None where h lies below the isotherm at unten or above the one at oben.
std::optional<double> IsothermeZwischen(const Luftdruck& d, double x, double h, double unten,
                                        double oben, bool eisOben) {
    const auto kalt = AufNebelisotherme(d, unten, x);
    if (!kalt || *kalt > h || !(oben >= unten)) return std::nullopt;
    const auto warm = AufNebelisotherme(d, oben, x, eisOben);
    if (warm && *warm < h) return std::nullopt;
    // The bracket [a, b] with f(a) <= 0 < f(b), f(t) = enthalpy on the isotherm of t - h.
    double a = unten, fa = *kalt - h;
    double b = oben;
    std::optional<double> fb;
    if (warm) fb = *warm - h;
    // Regula falsi with the Illinois step converges in a dozen evaluations where halving
    // takes sixty; a step onto a temperature without saturation halves instead.
    int seite = 0;
    for (int i = 0; i < 200 && b - a > 1e-12 * (1 + std::fabs(a)); ++i) {
        double t = fb && *fb != fa ? b - *fb * (b - a) / (*fb - fa) : a + (b - a) / 2;
        if (!(t > a && t < b)) t = a + (b - a) / 2;
        const auto e = AufNebelisotherme(d, t, x);
        if (!e || *e - h > 0) {
            b = t;
            fb = e ? std::optional<double>(*e - h) : std::nullopt;
            if (seite == 1) fa /= 2;  // the other end has stood twice: pull it in
            seite = 1;
        } else if (*e - h < 0) {
            a = t;
            fa = *e - h;
            if (seite == -1 && fb) *fb /= 2;
            seite = -1;
        } else {
            return t;
        }
    }
    return a;
}

// Temperature t in [-100 °C, tOben] of the fog isotherm through (x, h). With ice the
// isotherms jump at 0 °C from ice fog to water fog; the states between the two 0 °C
// isotherms lie in mixed fog at 0 °C, and where both an ice and a water isotherm pass
// through (x, h) (left of the saturation content at 0 °C), the water one counts.
std::optional<double> IsothermeDurch(const Luftdruck& d, double x, double h, double tOben) {
    if (tOben < 0) return IsothermeZwischen(d, x, h, kTiefsteTemperatur, tOben, false);
    const auto wasser0 = AufNebelisotherme(d, 0, x);
    const auto eis0 = AufNebelisotherme(d, 0, x, true);
    if (!wasser0 || !eis0) return IsothermeZwischen(d, x, h, kTiefsteTemperatur, tOben, false);
    if (h > *wasser0) return IsothermeZwischen(d, x, h, 0, tOben, false);
    if (h >= *eis0) return 0.0;
    return IsothermeZwischen(d, x, h, kTiefsteTemperatur, 0, true);
}

std::string NichtEndlicherZustand() {
    return Text("Kern", "Der Zustand lässt sich nicht mit endlichen Zahlen berechnen.");
}

Zustandsergebnis Endlich(const Zustandswerte& z) {
    const bool endlich =
        std::isfinite(z.theta) && std::isfinite(z.x) && std::isfinite(z.h) && std::isfinite(z.pD) &&
        std::isfinite(z.rho) && std::isfinite(z.v) && std::isfinite(z.wasser) &&
        std::isfinite(z.eis) && std::isfinite(z.phi.value_or(0)) &&
        std::isfinite(z.taupunkt.value_or(0)) && std::isfinite(z.kuehlgrenze.value_or(0));
    if (!endlich) return Zustandsergebnis::Fehler(NichtEndlicherZustand());
    return z;
}

// The state at theta and x. Where the pair describes saturated air by its nature (a relative
// humidity, a dew point, a wet-bulb temperature), nebelMoeglich is false, so that the last
// bit of rounding cannot turn it into fog.
Zustandsergebnis Aufbau(const Luftdruck& d, double theta, double x, bool nebelMoeglich) {
    if (auto f = TemperaturFehler(theta)) return Zustandsergebnis::Fehler(*f);
    if (auto f = WassergehaltFehler(x, kNichtNegativ)) {
        return Zustandsergebnis::Fehler(*f);
    }

    Zustandswerte z;
    z.theta = theta;
    z.x = x;
    // Saturation at theta once, for the fog and for φ.
    const auto g =
        theta >= kTiefsteTemperatur ? Gesaettigt(theta, d.Pges, d.thetaSiede, true) : std::nullopt;
    const std::optional<double> xS = g ? std::optional(g->x) : std::nullopt;
    z.nebel = nebelMoeglich && xS && x > *xS;
    const double xDampf = z.nebel ? *xS : x;
    if (theta < 0) {
        z.eis = x - xDampf;
        z.h = Enthalpie(theta, xDampf) + z.eis * Eisenthalpie(theta);
    } else {
        z.wasser = x - xDampf;
        z.h = Enthalpie(theta, xDampf) + z.wasser * kStoffwerte.cW * theta;
    }
    z.pD = Partialdruck(xDampf, d.Pges);
    if (theta < d.thetaSiede) {
        const double pS = g ? g->pS : SaettigungsdruckLuft(theta);
        z.phi = z.nebel ? 100 : std::min(100.0, 100 * z.pD / pS);
    }
    z.taupunkt = TaupunktOderReifpunkt(z.pD);
    z.reifpunkt = IstReifpunkt(z.pD);
    if (xS && x >= *xS) {
        z.kuehlgrenze = theta;
    } else if (d.mitKuehlgrenze) {
        z.kuehlgrenze = IsothermeDurch(d, x, z.h, std::min(theta, d.thetaSiede));
    }
    z.v = (kRLuft + xDampf * kRDampf) * (theta + kNullpunkt) / InPa(InBar(d.Pges));
    z.rho = (1 + x) / z.v;
    return Endlich(z);
}

// Whether (theta, x) with theta from UngesaettigteTemperatur lies in the fog.
bool ImNebel(const Luftdruck& d, double theta, double x) {
    if (!(theta < d.thetaSiede)) return false;
    // Far out in the fog the unsaturated formula gives a temperature below the coldest state;
    // air holds next to no vapour there, so the point lies in the fog all the same.
    const auto xS = Saettigungsgehalt(d, std::max(theta, kTiefsteTemperatur));
    return xS && x > *xS;
}

// The state at theta and x of a pair that describes unsaturated or saturated air, with the
// property the pair gives kept exactly as entered.
Zustandsergebnis Eingegeben(const Luftdruck& d, double theta, double x,
                            std::optional<double> Zustandswerte::*eigenschaft, double wert) {
    auto z = Aufbau(d, theta, x, false);
    if (!z) return z;
    Zustandswerte w = *z;
    w.*eigenschaft = wert;
    return w;
}

Zustandsergebnis AusThetaPhi(const Luftdruck& d, double theta, double phi) {
    if (auto f = TemperaturFehler(theta)) return Zustandsergebnis::Fehler(*f);
    if (auto f = Wertfehler("φ", phi, kPhiBereich, "phi", true)) {
        return Zustandsergebnis::Fehler(*f);
    }
    if (!(theta < d.thetaSiede)) {
        return Zustandsergebnis::Fehler(
            Einsetzen(Text("Kern", "Die Temperatur %1 liegt nicht unter der Siedetemperatur %2."),
                      {GradText(theta), GradText(d.thetaSiede)}));
    }
    const double pD = phi / 100 * SaettigungsdruckLuft(theta);
    if (!(pD < InBar(d.Pges))) {
        return Zustandsergebnis::Fehler(
            Einsetzen(Text("Kern", "Der Dampfdruck %1 erreicht den Gesamtdruck %2."),
                      {Hektopascal(pD), MitEinheit(d.Pges, "hPa")}));
    }
    return Eingegeben(d, theta, Wassergehalt(pD, d.Pges), &Zustandswerte::phi, phi);
}

Zustandsergebnis AusThetaTaupunkt(const Luftdruck& d, double theta, double tau) {
    if (auto f = TemperaturFehler(theta)) return Zustandsergebnis::Fehler(*f);
    if (auto f = TemperaturFehler([] { return Text("Kern", "Der Taupunkt"); }, tau, "taupunkt"))
        return Zustandsergebnis::Fehler(*f);
    if (tau > theta) {
        return Zustandsergebnis::Fehler(
            Einsetzen(Text("Kern", "Der Taupunkt %1 liegt über der Temperatur %2."),
                      {GradText(tau), GradText(theta)}));
    }
    const double pD = SaettigungsdruckLuft(tau);
    if (!(pD < InBar(d.Pges))) {
        return Zustandsergebnis::Fehler(
            Einsetzen(Text("Kern", "Beim Taupunkt %1 erreicht der Dampfdruck den Gesamtdruck %2."),
                      {GradText(tau), MitEinheit(d.Pges, "hPa")}));
    }
    return Eingegeben(d, theta, Wassergehalt(pD, d.Pges), &Zustandswerte::taupunkt, tau);
}

Zustandsergebnis AusThetaKuehlgrenze(const Luftdruck& d, double theta, double tK) {
    if (auto f = TemperaturFehler(theta)) return Zustandsergebnis::Fehler(*f);
    if (auto f = TemperaturFehler([] { return Text("Kern", "Die Kühlgrenztemperatur"); }, tK,
                                  "kuehlgrenze")) {
        return Zustandsergebnis::Fehler(*f);
    }
    if (tK > theta) {
        return Zustandsergebnis::Fehler(
            Einsetzen(Text("Kern", "Die Kühlgrenztemperatur %1 liegt über der Temperatur %2."),
                      {GradText(tK), GradText(theta)}));
    }
    const auto g = Gesaettigt(tK, d.Pges, d.thetaSiede, true);
    if (!g) {
        return Zustandsergebnis::Fehler(
            Einsetzen(Text("Kern",
                           "Bei der Kühlgrenztemperatur %1 gibt es keine gesättigte Luft "
                           "(Siedetemperatur %2)."),
                      {GradText(tK), GradText(d.thetaSiede)}));
    }
    // The fog isotherm of tK, hS + (x - xS) cW tK (over ice hS + (x - xS) (cE tK - rE)),
    // meets the isotherm theta of unsaturated air.
    double x = 0;
    if (tK < 0) {
        const double k = Eisenthalpie(tK);
        x = (g->h - g->x * k - kStoffwerte.cpL * theta) /
            (kStoffwerte.r0 + kStoffwerte.cpD * theta - k);
    } else {
        x = (g->h - g->x * kStoffwerte.cW * tK - kStoffwerte.cpL * theta) /
            (kStoffwerte.r0 + kStoffwerte.cpD * theta - kStoffwerte.cW * tK);
    }
    if (x < 0) {
        return Zustandsergebnis::Fehler(
            Einsetzen(Text("Kern",
                           "Zur Kühlgrenztemperatur %1 gehört bei %2 ein negativer "
                           "Wassergehalt (%3)."),
                      {GradText(tK), GradText(theta), GrammText(x)}));
    }
    return Eingegeben(d, theta, x, &Zustandswerte::kuehlgrenze, tK);
}

Zustandsergebnis AusXPhi(const Luftdruck& d, double x, double phi) {
    if (auto f = WassergehaltFehler(x, kPositiv)) {
        return Zustandsergebnis::Fehler(*f);
    }
    if (auto f = Wertfehler("φ", phi, kPhiPositivBereich, "phi", true)) {
        return Zustandsergebnis::Fehler(*f);
    }
    // The saturation pressure the temperature must have; the Magnus form solved for it.
    const double pS = 100 * Partialdruck(x, d.Pges) / phi;
    const auto theta = pS < InBar(d.Pges) ? TaupunktOderReifpunkt(pS) : std::nullopt;
    if (!theta || !(*theta < d.thetaSiede)) {
        return Zustandsergebnis::Fehler(
            Einsetzen(Text("Kern",
                           "Zu x = %1 und φ = %2 gehört keine Temperatur unter der "
                           "Siedetemperatur %3."),
                      {GrammText(x), ProzentText(phi), GradText(d.thetaSiede)}));
    }
    return Eingegeben(d, *theta, x, &Zustandswerte::phi, phi);
}

}  // namespace

std::string GradText(double theta) { return MitEinheit(theta, "°C"); }
std::string GrammText(double x) { return MitEinheit(InGrammJeKg(x), "g/kg"); }
std::string ProzentText(double phi) { return MitEinheit(phi, "%"); }

double UngesaettigteTemperatur(double h, double x) {
    return (h - kStoffwerte.r0 * x) / (kStoffwerte.cpL + kStoffwerte.cpD * x);
}

std::optional<Luftdruck> LuftdruckBei(double Pges) {
    if (!std::isfinite(Pges) || !(Pges > 0)) return std::nullopt;
    const auto thetaSiede = Siedetemperatur(Pges);
    if (!thetaSiede) return std::nullopt;
    return Luftdruck{Pges, *thetaSiede};
}

double SaettigungsdruckLuft(double theta) { return Saettigungsdruck(theta, true); }

bool IstReifpunkt(double pD) { return pD < kEisCbar; }

std::optional<double> TaupunktOderReifpunkt(double pD) {
    return IstReifpunkt(pD) ? Reifpunkt(pD) : Taupunkt(pD);
}

std::optional<double> Saettigungsgehalt(const Luftdruck& d, double theta) {
    if (!(theta >= kTiefsteTemperatur)) return std::nullopt;
    const auto g = Gesaettigt(theta, d.Pges, d.thetaSiede, true);
    if (!g) return std::nullopt;
    return g->x;
}

Zustandsergebnis ZustandAusThetaX(const Luftdruck& d, double theta, double x) {
    return Aufbau(d, theta, x, true);
}

Zustandsergebnis ZustandAusHX(const Luftdruck& d, double h, double x) {
    if (auto f = NichtEndlich([] { return Text("Kern", "Die Enthalpie"); }, h))
        return Zustandsergebnis::Fehler(*f);
    if (auto f = WassergehaltFehler(x, kNichtNegativ)) {
        return Zustandsergebnis::Fehler(*f);
    }
    double theta = UngesaettigteTemperatur(h, x);
    if (!std::isfinite(theta)) return Zustandsergebnis::Fehler(NichtEndlicherZustand());
    if (ImNebel(d, theta, x)) {
        // The fog isotherm through (x, h) lies between this isotherm and the dew point of x.
        const auto tTau = TaupunktOderReifpunkt(Partialdruck(x, d.Pges));
        const auto t = IsothermeDurch(d, x, h, std::min(tTau.value_or(theta), d.thetaSiede));
        if (!t) {
            const auto kalt = AufNebelisotherme(d, kTiefsteTemperatur, x);
            if (!kalt || *kalt > h) {
                return Zustandsergebnis::Fehler(Einsetzen(
                    Text("Kern",
                         "Der Zustand mit h = %1 kJ/kg und x = %2 liegt im Nebel unter %3."),
                    {KurzText(h), GrammText(x), GradText(kTiefsteTemperatur)}));
            }
            // Above even the isotherm at the dew point: the state lies on the saturation
            // line, and only the last bit of rounding put x beyond the saturation content.
            auto z = Aufbau(d, theta, x, false);
            if (!z) return z;
            Zustandswerte w = *z;
            w.h = h;
            return w;
        }
        theta = *t;
    }
    auto z = Aufbau(d, theta, x, true);
    if (!z) return z;
    Zustandswerte w = *z;
    if (theta == 0 && w.nebel) {
        // Mixed fog at 0 °C: of the condensate, the share (hS(0) - h) / (rE (x - xS(0)))
        // is ice; Aufbau gave the enthalpy of water fog, hS(0).
        const double kondensat = w.wasser;
        const double anteil = std::clamp((w.h - h) / (kRE * kondensat), 0.0, 1.0);
        w.eis = anteil * kondensat;
        w.wasser = kondensat - w.eis;
    }
    w.h = h;
    return w;
}

std::optional<double> RelativeFeuchte(const Luftdruck& d, double h, double x) {
    const double theta = UngesaettigteTemperatur(h, x);
    if (!std::isfinite(theta) || !std::isfinite(x) || x < 0 || theta < kTiefsteTemperatur ||
        !(theta < d.thetaSiede)) {
        return std::nullopt;
    }
    if (ImNebel(d, theta, x)) return 100.0;
    return std::min(100.0, 100 * Partialdruck(x, d.Pges) / SaettigungsdruckLuft(theta));
}

Zustandsergebnis ZustandAusPaar(const Luftdruck& d, Paar paar, double a, double b) {
    switch (paar) {
        case Paar::ThetaPhi:
            return AusThetaPhi(d, a, b);
        case Paar::ThetaX:
            return ZustandAusThetaX(d, a, b);
        case Paar::HX:
            return ZustandAusHX(d, a, b);
        case Paar::ThetaTaupunkt:
            return AusThetaTaupunkt(d, a, b);
        case Paar::ThetaKuehlgrenze:
            return AusThetaKuehlgrenze(d, a, b);
        case Paar::XPhi:
            return AusXPhi(d, a, b);
    }
    return Zustandsergebnis::Fehler(Text("Kern", "Unbekannte Art der Eingabe."));
}

}  // namespace lumora
