#include "core/feuchte_luft.h"

#include <cmath>

namespace lumora {

double Enthalpie(const Stoffwerte& s, double theta, double x) {
    return s.cpL * theta + x * (s.r0 + s.cpD * theta);
}

void Zustand::Saettigungsdruck() {
    const double a = 17.08085 * theta;
    const double b = 234.175 + theta;
    pS = 610.78 * std::exp(a / b);  // Pa
    pS = pS * 1e-5;                 // bar
}

bool Zustand::Siedetemperatur() {
    // The interval halves with every step; after about 60 halvings its midpoint no longer
    // moves, so a target that has not been met by then never will be.
    constexpr int kMaxHalbierungen = 100;
    pSoll = pS;
    thetaUnten = -20;
    thetaOben = 500;
    if (!(pSoll > 0) || !std::isfinite(pSoll)) {
        return false;
    }
    for (int i = 0; i < kMaxHalbierungen; ++i) {
        theta = (thetaUnten + thetaOben) / 2;
        Saettigungsdruck();
        if (std::fabs((pSoll - pS) / pSoll) < 0.001) {
            return true;
        }
        if (pS > pSoll) {
            thetaOben = theta;
        } else {
            thetaUnten = theta;
        }
    }
    return false;
}

void Zustand::Wassergehalt() { x = 0.622 * pD / (Pges / 1000 - pD); }

}  // namespace lumora
