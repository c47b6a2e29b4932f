#include "core/feuchte_luft.h"

#include <cmath>

#include "core/einheiten.h"
#include "core/text.h"
#include "core/zahlen.h"

namespace lumora {

double Saettigungsdruck(double theta) {
    const double a = kMagnusA * theta;
    const double b = kMagnusB + theta;
    const double pa = kMagnusC * std::exp(a / b);  // Pa
    return pa * 1e-5;                              // bar
}

double SaettigungsdruckEis(double theta) {
    return kEisCbar * std::exp(kEisA * theta / (kEisB + theta));
}

std::optional<double> Reifpunkt(double pD) {
    if (!(pD > 0)) return std::nullopt;
    const double L = std::log(pD / kEisCbar);
    return kEisB * L / (kEisA - L);
}

Siedesuche SucheSiedetemperatur(double pSoll) {
    // The interval halves with every step; after about 60 halvings its bounds are
    // neighbouring doubles, so a target that has not been met by then never will be.
    constexpr int kMaxHalbierungen = 100;
    Siedesuche s;
    s.thetaUnten = kSiedeUnten;
    s.thetaOben = kSiedeOben;
    if (!(pSoll > 0) || !std::isfinite(pSoll)) return s;
    Halbiere(s.thetaUnten, s.thetaOben, kMaxHalbierungen, [&](double theta) {
        s.theta = theta;
        s.pS = Saettigungsdruck(theta);
        if (std::fabs((pSoll - s.pS) / pSoll) < kSiedeToleranz) {
            s.erreicht = true;
            return Halbschritt::fertig;
        }
        return s.pS > pSoll ? Halbschritt::oben : Halbschritt::unten;
    });
    return s;
}

std::optional<double> Siedetemperatur(double Pges) {
    const Siedesuche s = SucheSiedetemperatur(InBar(Pges));
    if (!s.erreicht) return std::nullopt;
    return s.theta;
}

double Wassergehalt(double pD, double Pges) { return kMolmassen * pD / (InBar(Pges) - pD); }

double Partialdruck(double x, double Pges) { return x * InBar(Pges) / (kMolmassen + x); }

double Enthalpie(double theta, double x) {
    return kStoffwerte.cpL * theta + x * (kStoffwerte.r0 + kStoffwerte.cpD * theta);
}

std::optional<double> Taupunkt(double pD) {
    if (!(pD > 0)) return std::nullopt;
    const double L = std::log(pD / kMagnusCbar);
    return kMagnusB * L / (kMagnusA - L);
}

double Saettigungsdruck(double theta, bool ueberEis) {
    return ueberEis && theta < 0 ? SaettigungsdruckEis(theta) : Saettigungsdruck(theta);
}

double Eisenthalpie(double t) { return kCE * t - kRE; }

std::optional<Saettigung> Gesaettigt(double theta, double Pges, double thetaSiede, bool ueberEis) {
    if (!(theta < thetaSiede)) return std::nullopt;
    const double pS = Saettigungsdruck(theta, ueberEis);
    if (!(InBar(Pges) - pS > 0)) return std::nullopt;
    const double x = Wassergehalt(pS, Pges);
    return Saettigung{pS, x, Enthalpie(theta, x)};
}

Druckbereich Siedebereich() {
    return {InHpa(Saettigungsdruck(kSiedeUnten)) / (1 + kSiedeToleranz),
            InHpa(Saettigungsdruck(kSiedeOben)) / (1 - kSiedeToleranz)};
}

double NormdruckInHoehe(double H) { return 1013.25 * std::pow(1 - 0.0065 * H / 288.15, 5.255); }

std::optional<std::string> Hoehenbereichsfehler(double H) {
    if (H >= kHoeheUnten && H <= kHoeheOben) return std::nullopt;
    return Einsetzen(
        Text("Kern", "Die Höhe muss zwischen %1 m und %2 m über dem Meeresspiegel liegen."),
        {GruppiertText(kHoeheUnten), GruppiertText(kHoeheOben)});
}

void Zustand::Saettigungsdruck() { pS = lumora::Saettigungsdruck(theta); }

bool Zustand::Siedetemperatur() {
    pSoll = pS;
    const Siedesuche s = SucheSiedetemperatur(pSoll);
    thetaUnten = s.thetaUnten;
    thetaOben = s.thetaOben;
    theta = s.theta;
    pS = s.pS;
    return s.erreicht;
}

void Zustand::Wassergehalt() { x = lumora::Wassergehalt(pD, Pges); }

}  // namespace lumora
