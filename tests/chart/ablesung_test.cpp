#include "chart/ablesung.h"

#include <gtest/gtest.h>

#include <cmath>

#include "core/feuchte_luft.h"
#include "core/koordinaten.h"
#include "tests/chart/lauf_hilfen.h"

namespace lumora {
namespace {

using test::Standard;

// Reads back a state (x, h) through the chart's canvas coordinates.
Ablesung ZurueckGelesen(const Eingabe& e, double x, double h) {
    return *Ablesen(e, KoordX(e, x), KoordY(e, x, h));
}

double Saettigungsgehalt(double theta) { return test::Zustandspunkt(theta, 100).first; }

// Round trips are exact to rounding: 1e-9 K, 1e-9 %.
TEST(Ablesung, GridPointsAndIsotherms) {
    const Eingabe e = Standard();
    for (double theta : {0.0, 10.0, 23.5, 50.0, 64.0}) {
        for (double anteil : {0.0, 0.25, 0.5, 0.99}) {
            const double x = anteil * Saettigungsgehalt(theta);
            const Ablesung a = ZurueckGelesen(e, x, Enthalpie(theta, x));
            EXPECT_EQ(a.gebiet, Ablesung::Gebiet::ungesaettigt);
            EXPECT_NEAR(a.theta, theta, 1e-9) << theta << " " << anteil;
            EXPECT_NEAR(a.x, x, 1e-15);
        }
    }
    // A crossing of the grid: x = 0.1 on the 100 °C isotherm is above boiling.
    const Ablesung a = ZurueckGelesen(e, 0.1, Enthalpie(100, 0.1));
    EXPECT_EQ(a.gebiet, Ablesung::Gebiet::ueberSiedepunkt);
    EXPECT_NEAR(a.theta, 100, 1e-9);
    EXPECT_NEAR(a.h, Enthalpie(100, 0.1), 1e-9);
}

TEST(Ablesung, RelativeHumidityCurves) {
    const Eingabe e = Standard();
    for (double phi : {1.0, 10.0, 30.0, 60.0, 90.0}) {
        for (double theta : {5.0, 25.0, 45.0}) {
            const auto [x, h] = test::Zustandspunkt(theta, phi);
            const Ablesung a = ZurueckGelesen(e, x, h);
            EXPECT_NEAR(a.phi, phi, 1e-9) << phi << " at " << theta;
            EXPECT_NEAR(a.theta, theta, 1e-9);
            // The dew point is where this vapour pressure saturates, over ice below 0 °C.
            EXPECT_NEAR(Saettigungsdruck(a.tau, true), a.pD, 1e-12);
            EXPECT_LT(a.tau, theta);
        }
    }
    // 100 %: the dew point is the temperature itself.
    const auto [x, h] = test::Zustandspunkt(30, 100);
    EXPECT_NEAR(ZurueckGelesen(e, x * (1 - 1e-12), h).tau, 30, 1e-6);
}

TEST(Ablesung, FogIsotherms) {
    const Eingabe e = Standard();
    for (double t : {0.0, 5.0, 20.0, 40.0}) {
        const double xS = Saettigungsgehalt(t);
        const double hS = Enthalpie(t, xS);
        for (double faktor : {1.5, 2.0, 4.0}) {
            const double x = faktor * xS;
            const double h = hS + kStoffwerte.cW * t * (x - xS);  // along the drawn fog isotherm
            const Ablesung a = ZurueckGelesen(e, x, h);
            EXPECT_EQ(a.gebiet, Ablesung::Gebiet::Nebel) << t << " " << faktor;
            EXPECT_NEAR(a.theta, t, 1e-6);
            EXPECT_NEAR(a.xS, xS, 1e-9);
            EXPECT_NEAR(a.x - a.xS, x - xS, 1e-9);
            EXPECT_NEAR(a.tau, t, 1e-6);
        }
    }
}

TEST(Ablesung, EdgesOfTheChart) {
    const Eingabe e = Standard();
    // x = 0: dry air, no vapour and so no dew point.
    const Ablesung links = *Ablesen(e, 0, 4000);
    EXPECT_EQ(links.x, 0);
    EXPECT_EQ(links.h, 100);
    EXPECT_NEAR(links.theta, 100 / 1.005, 1e-12);
    EXPECT_EQ(links.pD, 0);
    EXPECT_FALSE(links.mitTaupunkt);
    // The top edge: h - 2500 x = Thetamax.
    const Ablesung oben = *Ablesen(e, 6000, 0);
    EXPECT_NEAR(oben.h - 2500 * oben.x, 200, 1e-12);
    EXPECT_EQ(oben.gebiet, Ablesung::Gebiet::ueberSiedepunkt);
    // Above boiling the vapour pressure still holds; no relative humidity is given.
    EXPECT_NEAR(oben.pD, 0.1 * 1.013 / 0.722, 1e-12);
    EXPECT_EQ(oben.phi, 0);
    EXPECT_TRUE(oben.mitTaupunkt);
}

}  // namespace
}  // namespace lumora
