#include "core/zustandswerte.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "core/feuchte_luft.h"

namespace lumora {
namespace {

constexpr double kKeins = std::numeric_limits<double>::quiet_NaN();  // property that is none

Luftdruck Normaldruck() { return *LuftdruckBei(1013); }

void ErwarteWert(const std::optional<double>& ist, double soll, double toleranz, const char* name) {
    if (std::isnan(soll)) {
        EXPECT_FALSE(ist.has_value()) << name;
    } else {
        ASSERT_TRUE(ist.has_value()) << name;
        EXPECT_NEAR(*ist, soll, toleranz) << name;
    }
}

struct PaarFall {
    Paar paar;
    double a, b;
    double theta, xG, h, pDhPa, phi, tau, tK, v, rho;
    bool nebel;
    double wasserG;
};

class Paare : public testing::TestWithParam<PaarFall> {};

// Expected values worked out with mpmath (40 digits) from the formulas of the material
// model, with separate bisections for the boiling, fog and wet-bulb temperatures.
// clang-format off
INSTANTIATE_TEST_SUITE_P(Normaldruck, Paare, testing::Values(
    PaarFall{Paar::ThetaPhi, 32, 40, 32, 11.917541747317696, 62.66318645309459, 19.04422735606355, 40, 16.702772227026315, 21.59644280159, 0.8814103985619499, 1.1480662622069067, false, 0},
    PaarFall{Paar::ThetaX, 10, 0.012, 10, 12, 29.47807526795977, 12.293857711660257, 100, 10, 10, 0.812348401364198, 1.2457709011312412, true, 4.35861640744345},
    PaarFall{Paar::HX, 40, 0.015, 14.152204485065017, 15, 40, 16.167561145810836, 100, 14.152204485065017, 14.152204485065017, 0.827463515234943, 1.226640185714786, true, 4.911822046789043},
    PaarFall{Paar::ThetaTaupunkt, 20, 10, 20, 7.64138359255655, 39.48771845103448, 12.293857711660257, 52.493034720247316, 10, 14.123454356426313, 0.8410380853254975, 1.198092454044552, false, 0},
    PaarFall{Paar::ThetaKuehlgrenze, 30, 20, 30, 10.544427674769572, 57.09944825117607, 16.88656917555458, 39.741748835409695, 14.82484012274247, 20, 0.873737114607042, 1.156577202433773, false, 0},
    PaarFall{Paar::XPhi, 0.008, 60, 18.580643321452193, 8, 38.95002651068266, 12.863492063492064, 60, 10.677002645291722, 13.911992416718187, 0.837442618289553, 1.2036645592014463, false, 0},
    PaarFall{Paar::ThetaX, 120, 0.05, 120, 50, 256.76, 75.37202380952381, kKeins, 40.39346581888923, 49.2321480460782, 1.2038035661401776, 0.8722353293624752, false, 0},
    PaarFall{Paar::ThetaX, -20, 0, -20, 0, -20.1, 0, 0, kKeins, -21.542775010835683, 0.7174665844027641, 1.393793135094122, false, 0}
));
// clang-format on

TEST_P(Paare, AllProperties) {
    const PaarFall& f = GetParam();
    const auto z = ZustandAusPaar(Normaldruck(), f.paar, f.a, f.b);
    ASSERT_TRUE(z) << z.grund();
    EXPECT_NEAR(z->theta, f.theta, 1e-9);
    EXPECT_NEAR(z->x * 1000, f.xG, 1e-9);
    EXPECT_NEAR(z->h, f.h, 1e-9);
    EXPECT_NEAR(z->pD * 1000, f.pDhPa, 1e-9);
    ErwarteWert(z->phi, f.phi, 1e-9, "phi");
    ErwarteWert(z->taupunkt, f.tau, 1e-9, "taupunkt");
    ErwarteWert(z->kuehlgrenze, f.tK, 1e-8, "kuehlgrenze");
    EXPECT_NEAR(z->v, f.v, 1e-12);
    EXPECT_NEAR(z->rho, f.rho, 1e-12);
    EXPECT_EQ(z->nebel, f.nebel);
    EXPECT_NEAR(z->wasser * 1000, f.wasserG, 1e-9);
}

// A state entered by theta and phi, entered again by each other pair of its properties,
// is the same state.
TEST(Paare, RoundTripsThroughEveryPair) {
    // Below 0 °C over ice.
    const Luftdruck d = Normaldruck();
    {
        for (auto [theta, phi] : {std::pair{32.0, 40.0},
                                  {-30.0, 80.0},
                                  {0.5, 99.0},
                                  {60.0, 5.0},
                                  {95.0, 70.0},
                                  {20.0, 100.0}}) {
            const auto z = ZustandAusPaar(d, Paar::ThetaPhi, theta, phi);
            ASSERT_TRUE(z) << z.grund();
            const Zustandswerte a = *z;
            for (auto [paar, p, q] : {std::tuple{Paar::HX, a.h, a.x},
                                      {Paar::ThetaX, a.theta, a.x},
                                      {Paar::ThetaTaupunkt, a.theta, *a.taupunkt},
                                      {Paar::ThetaKuehlgrenze, a.theta, *a.kuehlgrenze},
                                      {Paar::XPhi, a.x, *a.phi}}) {
                const auto b = ZustandAusPaar(d, paar, p, q);
                ASSERT_TRUE(b) << b.grund();
                EXPECT_NEAR(b->theta, a.theta, 1e-9) << theta << " " << phi;
                EXPECT_NEAR(b->x, a.x, 1e-12) << theta << " " << phi;
                EXPECT_NEAR(b->h, a.h, 1e-9) << theta << " " << phi;
                EXPECT_NEAR(*b->phi, phi, 1e-8) << theta << " " << phi;
                EXPECT_NEAR(*b->kuehlgrenze, *a.kuehlgrenze, 1e-8) << theta << " " << phi;
                EXPECT_LT(b->wasser, 1e-15);
                EXPECT_LT(b->eis, 1e-15);
            }
        }
    }
}

struct GrundFall {
    Paar paar;
    double a, b;
    const char* grund;
};

class Gruende : public testing::TestWithParam<GrundFall> {};

// clang-format off
INSTANTIATE_TEST_SUITE_P(Normaldruck, Gruende, testing::Values(
    GrundFall{Paar::ThetaPhi, 20, 130, "φ = 130 % liegt nicht zwischen 0 und 100 %."},
    GrundFall{Paar::ThetaPhi, 120, 50, "Die Temperatur 120 °C liegt nicht unter der Siedetemperatur 99,9707 °C."},
    GrundFall{Paar::HX, -150, 0.05, "Der Zustand mit h = -150 kJ/kg und x = 50 g/kg liegt im Nebel unter -100 °C."},
    GrundFall{Paar::ThetaTaupunkt, 20, 25, "Der Taupunkt 25 °C liegt über der Temperatur 20 °C."},
    GrundFall{Paar::ThetaTaupunkt, 150, 120, "Beim Taupunkt 120 °C erreicht der Dampfdruck den Gesamtdruck 1013 hPa."},
    GrundFall{Paar::ThetaKuehlgrenze, 150, 100, "Bei der Kühlgrenztemperatur 100 °C gibt es keine gesättigte Luft (Siedetemperatur 99,9707 °C)."},
    GrundFall{Paar::ThetaKuehlgrenze, 60, 5, "Zur Kühlgrenztemperatur 5 °C gehört bei 60 °C ein negativer Wassergehalt (-16,1434 g/kg)."},
    GrundFall{Paar::XPhi, 2, 10, "Zu x = 2000 g/kg und φ = 10 % gehört keine Temperatur unter der Siedetemperatur 99,9707 °C."},
    GrundFall{Paar::ThetaX, kKeins, 0.01, "Die Temperatur ist keine endliche Zahl."},
    GrundFall{Paar::HX, 1e308, 1e306, "Der Zustand lässt sich nicht mit endlichen Zahlen berechnen."}
));
// clang-format on

TEST_P(Gruende, ImpossibleWithGermanReason) {
    const GrundFall& f = GetParam();
    const auto z = ZustandAusPaar(Normaldruck(), f.paar, f.a, f.b);
    ASSERT_FALSE(z);
    EXPECT_EQ(z.grund(), f.grund);
}

// Every pair of extreme inputs gives a state of finite numbers or a reason.
TEST(Paare, NothingNonFinite) {
    const Luftdruck d = Normaldruck();
    {
        const double werte[] = {kKeins, HUGE_VAL, -HUGE_VAL, -1e308,  -234.175, -100, -1e-300,
                                0,      1e-300,   1e-9,      99.9707, 100,      1e6,  1e308};
        for (Paar paar : {Paar::ThetaPhi, Paar::ThetaX, Paar::HX, Paar::ThetaTaupunkt,
                          Paar::ThetaKuehlgrenze, Paar::XPhi}) {
            for (double a : werte) {
                for (double b : werte) {
                    const auto z = ZustandAusPaar(d, paar, a, b);
                    if (!z) continue;
                    for (double w :
                         {z->theta, z->x, z->h, z->pD, z->v, z->rho, z->wasser, z->phi.value_or(0),
                          z->taupunkt.value_or(0), z->kuehlgrenze.value_or(0)}) {
                        EXPECT_TRUE(std::isfinite(w))
                            << static_cast<int>(paar) << " " << a << " " << b;
                    }
                    EXPECT_GE(z->theta, kTiefsteTemperatur);
                    EXPECT_TRUE(std::isfinite(z->eis));
                }
            }
        }
    }
}

// Saturation below 0 °C is over ice. Expected values worked out by hand (in Python) from
// pSE = 0.0061078 exp(22.46 t / (272.62 + t)), cE = 2.05, rE = 333.5.
TEST(Eis, SaturationIceFogAndFrostPointByHand) {
    const Luftdruck d = Normaldruck();
    EXPECT_NEAR(SaettigungsdruckEis(-10), 0.002596952277938164, 1e-15);
    EXPECT_NEAR(*Saettigungsgehalt(d, -10), 0.001598673242840287, 1e-15);
    // At 0 °C the two forms meet; below it supercooled water would hold more vapour.
    EXPECT_NEAR(SaettigungsdruckEis(0), Saettigungsdruck(0), 1e-15);
    EXPECT_GT(Saettigungsdruck(-10), SaettigungsdruckEis(-10) * 1.05);

    // -14 °C and 85 %: pD = 0.85 pSE(-14) = 1.5391184300252545 mbar, x = 0.946484 g/kg, by
    // every pair that names the state (over supercooled water it would be 1.078 g/kg).
    const auto kalt = ZustandAusPaar(d, Paar::ThetaPhi, -14, 85);
    ASSERT_TRUE(kalt);
    EXPECT_NEAR(kalt->x * 1000, 0.9464841210564192, 1e-12);
    EXPECT_NEAR(ZustandAusPaar(d, Paar::XPhi, kalt->x, 85)->theta, -14, 1e-9);
    EXPECT_NEAR(ZustandAusPaar(d, Paar::ThetaTaupunkt, -14, *kalt->taupunkt)->x, kalt->x, 1e-15);

    // Ice fog at -10 °C with 3 g/kg: its condensate is ice, and (h, x) leads back to it.
    const auto nebel = ZustandAusThetaX(d, -10, 0.003);
    ASSERT_TRUE(nebel);
    EXPECT_TRUE(nebel->nebel);
    EXPECT_NEAR(nebel->h, -6.579121887250649, 1e-12);
    EXPECT_NEAR(nebel->eis, 0.001401326757159713, 1e-15);
    EXPECT_EQ(nebel->wasser, 0);
    const auto zurueck = ZustandAusHX(d, nebel->h, 0.003);
    ASSERT_TRUE(zurueck) << zurueck.grund();
    EXPECT_NEAR(zurueck->theta, -10, 1e-9);
    EXPECT_NEAR(zurueck->eis, nebel->eis, 1e-12);

    // -5 °C, 50 % over ice: the frost point, and the wet-bulb temperature on the ice-fog
    // isotherm that passes through the state.
    const auto z = ZustandAusPaar(d, Paar::ThetaPhi, -5, 50);
    ASSERT_TRUE(z);
    EXPECT_NEAR(z->x, 0.0012349700559055547, 1e-15);
    EXPECT_TRUE(z->reifpunkt);
    EXPECT_NEAR(*z->taupunkt, -12.869250518788172, 1e-9);
    EXPECT_NEAR(*z->kuehlgrenze, -7.254835950688645, 1e-9);
    // Warm, dry air whose dew point lies below 0 °C has a frost point: 20 °C and 1 g/kg,
    // pD = 1.6260032 mbar, -15.170 °C over ice (over water the dew point would be -16.839 °C).
    const auto trocken = ZustandAusThetaX(d, 20, 0.001);
    ASSERT_TRUE(trocken);
    EXPECT_TRUE(trocken->reifpunkt);
    EXPECT_NEAR(*trocken->taupunkt, -15.170077982907339, 1e-9);
}

// At 0 °C the water-fog isotherm h = hS(0) and the ice-fog isotherm hS(0) - rE (x - xS(0))
// bound the mixed fog. At x = 6 g/kg: hS(0) = 9.432617513572954, the ice edge 8.689928689883585.
TEST(Eis, MixedFogWedgeAtZeroFromBothSides) {
    const Luftdruck d = Normaldruck();
    const double x = 0.006;
    const double xS0 = 0.0037730470054291817;
    const double hWasser = 9.432617513572954;
    const double hEis = 8.689928689883585;

    const auto warm = ZustandAusHX(d, hWasser + 0.01, x);
    ASSERT_TRUE(warm);
    EXPECT_GT(warm->theta, 0);
    EXPECT_EQ(warm->eis, 0);
    EXPECT_NEAR(warm->wasser, x - *Saettigungsgehalt(d, warm->theta), 1e-15);

    const auto kalt = ZustandAusHX(d, hEis - 0.01, x);
    ASSERT_TRUE(kalt);
    EXPECT_LT(kalt->theta, 0);
    EXPECT_EQ(kalt->wasser, 0);
    EXPECT_GT(kalt->eis, 0);

    for (double anteil : {0.0, 0.25, 0.5, 1.0}) {
        const double h = hWasser - anteil * (hWasser - hEis);
        const auto misch = ZustandAusHX(d, h, x);
        ASSERT_TRUE(misch);
        EXPECT_EQ(misch->theta, 0) << anteil;
        EXPECT_NEAR(misch->eis, anteil * (x - xS0), 1e-12) << anteil;
        EXPECT_NEAR(misch->wasser + misch->eis, x - xS0, 1e-15) << anteil;
        EXPECT_EQ(misch->h, h);
        EXPECT_EQ(*misch->kuehlgrenze, 0);
    }
}

}  // namespace
}  // namespace lumora
