#include "chart/ablesung.h"

#include <cmath>

#include "core/feuchte_luft.h"
#include "core/koordinaten.h"

namespace lumora {

namespace {

// Temperature of the fog isotherm through (x, h): h = hS(t) + cW t (x - xS(t)) grows with t
// while xS(t) <= x, so bisection between a cold bound and the saturation temperature of x.
double Nebeltemperatur(double Pges, double thetaSiede, double x, double h, double tOben) {
    double tUnten = -100;
    for (int i = 0; i < 100; ++i) {
        const double t = (tUnten + tOben) / 2;
        const auto g = Gesaettigt(t, Pges, thetaSiede);
        const double f = g ? g->h + kCW * t * (x - g->x) - h : INFINITY;
        (f > 0 ? tOben : tUnten) = t;
    }
    return (tUnten + tOben) / 2;
}

// Saturation temperature of the water content x: xS(t) = x, by bisection below boiling.
double Taupunktlinie(double Pges, double thetaSiede, double x) {
    double tUnten = -100;
    double tOben = thetaSiede;
    for (int i = 0; i < 100; ++i) {
        const double t = (tUnten + tOben) / 2;
        const auto g = Gesaettigt(t, Pges, thetaSiede);
        (!g || g->x > x ? tOben : tUnten) = t;
    }
    return (tUnten + tOben) / 2;
}

}  // namespace

Ablesung Ablesen(const Eingabe& e, double X, double Y) {
    Ablesung a;
    a.x = XAusKoord(e, X);
    a.h = HAusKoord(e, a.x, Y);
    a.theta = (a.h - kR0 * a.x) / (kCpL + kCpD * a.x);

    const double thetaSiede = Siedetemperatur(e.Pges).value_or(0);
    a.pD = a.x > 0 ? Partialdruck(a.x, e.Pges) : 0;
    if (a.theta >= thetaSiede) {
        a.gebiet = Ablesung::Gebiet::ueberSiedepunkt;
    } else {
        const auto g = Gesaettigt(a.theta, e.Pges, thetaSiede);
        if (g && a.x > g->x) {
            a.gebiet = Ablesung::Gebiet::Nebel;
            a.theta = Nebeltemperatur(e.Pges, thetaSiede, a.x, a.h,
                                      Taupunktlinie(e.Pges, thetaSiede, a.x));
            const auto n = Gesaettigt(a.theta, e.Pges, thetaSiede);
            a.xS = n ? n->x : a.x;
            a.pD = Saettigungsdruck(a.theta);
            a.phi = 100;
        } else {
            a.phi = 100 * a.pD / Saettigungsdruck(a.theta);
        }
    }
    const auto tau = Taupunkt(a.pD);
    a.mitTaupunkt = tau.has_value();
    a.tau = tau.value_or(0);
    return a;
}

}  // namespace lumora
