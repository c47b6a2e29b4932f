#include "chart/ablesung.h"

#include <cmath>

#include "core/feuchte_luft.h"

namespace lumora {

namespace {

// Saturation state at t for the total pressure of e; xS is infinite at or above boiling.
struct Saettigung {
    double x;
    double h;
};

Saettigung Gesaettigt(const Eingabe& e, double t) {
    Zustand z;
    z.Pges = e.Pges;
    z.theta = t;
    z.Saettigungsdruck();
    z.pD = z.pS;
    if (!(e.Pges / 1000 - z.pD > 0)) return {INFINITY, INFINITY};
    z.Wassergehalt();
    return {z.x, Enthalpie(Stoffwerte{}, t, z.x)};
}

// Temperature of the fog isotherm through (x, h): h = hS(t) + cW t (x - xS(t)) grows with t
// while xS(t) <= x, so bisection between a cold bound and the saturation temperature of x.
double Nebeltemperatur(const Eingabe& e, double x, double h, double tOben) {
    const Stoffwerte s;
    double tUnten = -100;
    for (int i = 0; i < 100; ++i) {
        const double t = (tUnten + tOben) / 2;
        const Saettigung g = Gesaettigt(e, t);
        const double f = g.h + s.cW * t * (x - g.x) - h;
        (f > 0 ? tOben : tUnten) = t;
    }
    return (tUnten + tOben) / 2;
}

// Saturation temperature of the water content x: xS(t) = x, by bisection below boiling.
double Taupunktlinie(const Eingabe& e, double x, double thetaSiede) {
    double tUnten = -100;
    double tOben = thetaSiede;
    for (int i = 0; i < 100; ++i) {
        const double t = (tUnten + tOben) / 2;
        (Gesaettigt(e, t).x > x ? tOben : tUnten) = t;
    }
    return (tUnten + tOben) / 2;
}

}  // namespace

Ablesung Ablesen(const Eingabe& e, double X, double Y) {
    const Stoffwerte s;
    Ablesung a;
    a.x = X * e.Xmax / 12000;
    a.h = e.Thetamax * (8000 - Y) / 8000 + 2500 * a.x;
    a.theta = (a.h - s.r0 * a.x) / (s.cpL + s.cpD * a.x);

    Zustand z;
    z.Pges = e.Pges;
    z.pS = e.Pges / 1000;
    z.Siedetemperatur();
    const double thetaSiede = z.theta;

    const double P = e.Pges / 1000;
    a.pD = a.x > 0 ? a.x * P / (0.622 + a.x) : 0;
    if (a.theta >= thetaSiede) {
        a.gebiet = Ablesung::Gebiet::ueberSiedepunkt;
    } else {
        const Saettigung g = Gesaettigt(e, a.theta);
        if (a.x > g.x) {
            a.gebiet = Ablesung::Gebiet::Nebel;
            a.theta = Nebeltemperatur(e, a.x, a.h, Taupunktlinie(e, a.x, thetaSiede));
            a.xS = Gesaettigt(e, a.theta).x;
            z.theta = a.theta;
            z.Saettigungsdruck();
            a.pD = z.pS;
            a.phi = 100;
        } else {
            z.theta = a.theta;
            z.Saettigungsdruck();
            a.phi = 100 * a.pD / z.pS;
        }
    }
    a.mitTaupunkt = a.pD > 0;
    if (a.mitTaupunkt) {
        const double L = std::log(a.pD / 0.0061078);
        a.tau = 234.175 * L / (17.08085 - L);
    }
    return a;
}

}  // namespace lumora
