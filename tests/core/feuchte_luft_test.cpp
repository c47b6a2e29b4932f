#include "core/feuchte_luft.h"

#include <gtest/gtest.h>

#include <cmath>

namespace lumora {
namespace {

Zustand BeiDruck(double Pges) {
    Zustand z;
    z.Pges = Pges;
    return z;
}

TEST(Saettigungsdruck, MagnusReferencePoints) {
    Zustand z;
    z.theta = 0;
    z.Saettigungsdruck();
    EXPECT_NEAR(z.pS, 0.0061078, 1e-12);  // 610.78 Pa, the Magnus constant itself
    z.theta = 100;
    z.Saettigungsdruck();
    EXPECT_NEAR(z.pS, 1.0132, 1e-4);  // normal boiling point
}

TEST(Siedetemperatur, NormalPressureEndsAfterTwelveMidpointsBitForBit) {
    Zustand z = BeiDruck(1013);
    z.pS = 1013.0 / 1000;
    ASSERT_TRUE(z.Siedetemperatur());
    // Twelve halvings of -20..500 land on a binary fraction, so the value is exact.
    EXPECT_EQ(z.theta, 99.970703125);
    EXPECT_NEAR(z.pS, 1.0122, 1e-4);
    EXPECT_EQ(z.pSoll, 1.013);
    EXPECT_LT(std::fabs((z.pSoll - z.pS) / z.pSoll), 0.001);
    // The last bracket is one halving wide around the result.
    EXPECT_EQ(z.thetaOben - z.thetaUnten, 520.0 / 2048);
}

TEST(Siedetemperatur, EndsAndFailsOutsideItsReach) {
    for (double Pges : {0.0, -5.0, 1.0, 1.2, 700000.0, 1e9, HUGE_VAL, std::nan("")}) {
        Zustand z = BeiDruck(Pges);
        z.pS = Pges / 1000;
        EXPECT_FALSE(z.Siedetemperatur()) << Pges;
        EXPECT_TRUE(std::isfinite(z.theta)) << Pges;
    }
}

TEST(Siedetemperatur, ConvergesAcrossItsReach) {
    for (double Pges : {1.25, 6.1, 100.0, 1013.0, 5000.0, 100000.0, 680000.0}) {
        Zustand z = BeiDruck(Pges);
        z.pS = Pges / 1000;
        ASSERT_TRUE(z.Siedetemperatur()) << Pges;
        const double theta = z.theta;
        z.Saettigungsdruck();  // round trip: the result's saturation pressure is the target
        EXPECT_NEAR(z.pS, Pges / 1000, Pges / 1000 * 0.001) << Pges;
        EXPECT_GT(theta, -20);
        EXPECT_LT(theta, 500);
    }
}

// The reach that the refusal message names is the bisection's: just inside each end the
// boiling temperature is found, just outside it is not.
TEST(Siedetemperatur, ReachesExactlyItsRange) {
    const Druckbereich b = Siedebereich();
    EXPECT_NEAR(b.unten, 1.238, 0.001);  // 1.2393 hPa at -20 °C, less the per mille
    EXPECT_NEAR(b.oben, 689175, 1);      // 688486 hPa at 500 °C, plus the per mille
    EXPECT_TRUE(Siedetemperatur(b.unten * 1.0002));
    EXPECT_FALSE(Siedetemperatur(b.unten * 0.9998));
    EXPECT_TRUE(Siedetemperatur(b.oben * 0.9998));
    EXPECT_FALSE(Siedetemperatur(b.oben * 1.0002));
}

TEST(NormdruckInHoehe, StandardAtmosphereAndItsRange) {
    EXPECT_NEAR(NormdruckInHoehe(0), 1013.25, 1e-9);
    EXPECT_NEAR(NormdruckInHoehe(1000), 898.7, 0.1);  // the ICAO table: 898.76 hPa
    EXPECT_FALSE(Hoehenbereichsfehler(kHoeheUnten));
    EXPECT_FALSE(Hoehenbereichsfehler(kHoeheOben));
    EXPECT_EQ(Hoehenbereichsfehler(11001).value_or(""),
              "Die Höhe muss zwischen −500 m und 11 000 m über dem Meeresspiegel liegen.");
    EXPECT_TRUE(Hoehenbereichsfehler(std::nan("")));
}

TEST(Wassergehalt, SaturatedAirAtReferenceTemperatures) {
    Zustand z = BeiDruck(1013);
    for (auto [theta, x] : {std::pair{20.0, 0.01472}, std::pair{50.0, 0.08623}}) {
        z.theta = theta;
        z.Saettigungsdruck();
        z.pD = z.pS;
        z.Wassergehalt();
        EXPECT_NEAR(z.x, x, 1e-5) << theta;  // values stated for the chart at 1013 hPa
    }
}

TEST(Enthalpie, DryAirAndVapourTerms) {
    EXPECT_DOUBLE_EQ(Enthalpie(20, 0), 20.1);
    EXPECT_DOUBLE_EQ(Enthalpie(0, 0.01), 25);
    EXPECT_DOUBLE_EQ(Enthalpie(10, 0.01), 10.05 + 0.01 * 2518.6);
}

}  // namespace
}  // namespace lumora
