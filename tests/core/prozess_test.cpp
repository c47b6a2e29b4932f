#include "core/prozess.h"

#include <gtest/gtest.h>

namespace lumora {
namespace {

// Expected values worked out with mpmath (40 digits) from the formulas of the material model
// and of each process, with separate bisections for fog temperatures and φ targets.

const Luftdruck kDruck = *LuftdruckBei(1013);

Zustandswerte ThetaPhi(double theta, double phi) {
    return *ZustandAusPaar(kDruck, Paar::ThetaPhi, theta, phi);
}

Prozesswirkung Ok(const Prozess& p, const Zustandswerte& a, const Zustandswerte* b = nullptr) {
    const auto r = Rechne(kDruck, p, a, b);
    EXPECT_TRUE(r) << r.grund();
    return r ? *r : Prozesswirkung{};
}

void ErwarteZustand(const Zustandswerte& z, double theta, double xG, double h) {
    EXPECT_NEAR(z.theta, theta, 1e-9);
    EXPECT_NEAR(z.x * 1000, xG, 1e-9);
    EXPECT_NEAR(z.h, h, 1e-9);
}

// Mixing outdoor air 32 °C/40 % with return air 26 °C/50 % at 1:3, cooling at a 9 °C surface
// with bypass 0.1, reheating to 18 °C; 8000 kg/h.
TEST(Prozess, SummerAirHandlingUnit) {
    const Zustandswerte aul = ThetaPhi(32, 40);
    const Zustandswerte rul = ThetaPhi(26, 50);
    Prozess mischen{.art = Prozessart::Mischen, .massenstroeme = {2000, 6000}, .massenstrom = 8000};
    const auto mi = Ok(mischen, aul, &rul);
    ErwarteZustand(mi.ende, 27.502871719409846, 10.862309515658202, 55.351825018797754);
    EXPECT_FALSE(mi.leistung || mi.wasser);  // a mixing exchanges neither heat nor water

    const auto kue = Ok({.art = Prozessart::Kuehlen,
                         .bypass = 0.1,
                         .ziel = Ziel::Oberflaeche,
                         .zielwert = 9,
                         .massenstrom = 8000},
                        mi.ende);
    ErwarteZustand(kue.ende, 10.86160842515627, 7.510313668612417, 29.843428439179625);
    ErwarteZustand(*kue.oberflaeche, 9, 7.137869685607329, 27.00916215255539);
    EXPECT_NEAR(*kue.leistung, -56.68532573248473, 1e-9);
    EXPECT_NEAR(*kue.wasser, -26.815966776366285, 1e-9);

    const auto zul = Ok({.art = Prozessart::Heizen, .theta = 18, .massenstrom = 8000}, kue.ende);
    ErwarteZustand(zul.ende, 18, 7.510313668612417, 37.117229473156186);
    EXPECT_NEAR(*zul.leistung, 16.164002297725688, 1e-9);
}

// The example project: return air 26 °C with 10.5 g/kg; the values it lists, rounded there.
TEST(Prozess, ExampleProjectCooler) {
    const Zustandswerte abl = *ZustandAusThetaX(kDruck, 26, 0.0105);
    const auto mi =
        Ok({.art = Prozessart::Mischen, .massenstroeme = {2000, 6000}}, ThetaPhi(32, 40), &abl);
    // 25 % outdoor air mixes as 2000 of 8000 kg/h do.
    const auto anteil =
        Ok({.art = Prozessart::Mischen, .aussenluftanteil = 25}, ThetaPhi(32, 40), &abl);
    EXPECT_NEAR(anteil.ende.h, mi.ende.h, 1e-12);
    EXPECT_NEAR(anteil.ende.x, mi.ende.x, 1e-15);
    const auto zul = Ok({.art = Prozessart::Kuehlen,
                         .bypass = 0.1,
                         .ziel = Ziel::Oberflaeche,
                         .zielwert = 9,
                         .massenstrom = 8000},
                        mi.ende);
    EXPECT_NEAR(zul.dtheta, -16.6413, 5e-5);
    EXPECT_NEAR(zul.dx * 1000, -3.3449, 5e-5);
    EXPECT_NEAR(*zul.leistung, -56.6449, 5e-5);
    EXPECT_NEAR(*zul.wasser, -26.7589, 5e-5);
}

// A cooler without bypass ends on the saturation line at its surface temperature; no
// rounding of the last bit may turn that into fog "below -100 °C". The surfaces in 0.01 K
// steps below the dew point 9.7 °C of air at 16.27 °C, first seen failing at 5.79 °C.
TEST(Prozess, CoolerEndsOnTheSaturationLine) {
    const auto start = ZustandAusPaar(kDruck, Paar::ThetaTaupunkt, 16.27, 9.7);
    ASSERT_TRUE(start);
    Prozess p;
    p.art = Prozessart::Kuehlen;
    p.ziel = Ziel::Oberflaeche;
    for (int i = 0; i <= 900; ++i) {
        p.zielwert = 0.7 + i * 0.01;
        const auto r = Rechne(kDruck, p, *start);
        ASSERT_TRUE(r) << p.zielwert << ": " << r.grund();
        EXPECT_NEAR(r->ende.theta, p.zielwert, 1e-9);
        EXPECT_NEAR(*r->ende.phi, 100, 1e-9);
        EXPECT_LT(r->ende.wasser, 1e-12);
    }
    // Fog that really lies below -100 °C keeps its reason.
    const auto kalt = ZustandAusHX(kDruck, -200, 0.01);
    ASSERT_FALSE(kalt);
    EXPECT_NE(kalt.grund().find("unter -100 °C"), std::string::npos) << kalt.grund();
}

TEST(Prozess, MixingEndsInFog) {
    const Zustandswerte kalt = ThetaPhi(-10, 100);
    const Zustandswerte warm = ThetaPhi(30, 95);
    const auto r = Ok({.art = Prozessart::Mischen, .massenstroeme = {1000, 1000}}, kalt, &warm);
    // The cold stream saturated over ice.
    ErwarteZustand(r.ende, 15.993766858497107, 13.706449064339242, 45.02147187400458);
    EXPECT_TRUE(r.ende.nebel);
    EXPECT_NEAR(r.ende.wasser * 1000, 2.3250628296633686, 1e-9);
}

struct ZielFall {
    Prozessart art;
    double temperatur;  // water or steam
    double theta1, phi1, phiZiel;
    double theta, xG, h;
};

class PhiZiel : public testing::TestWithParam<ZielFall> {};

// clang-format off
INSTANTIATE_TEST_SUITE_P(Befeuchter, PhiZiel, testing::Values(
    ZielFall{Prozessart::BefeuchtenWasser, 20, 30, 20, 60, 20.664600150599124, 9.121470207653045, 43.92219292489049},
    ZielFall{Prozessart::BefeuchtenWasser, 20, 30, 20, 100, 15.726605962244875, 11.185027716212625, 44.094986976427236},
    ZielFall{Prozessart::BefeuchtenDampf, 100, 20, 30, 50, 20.45880943901956, 7.4859623394167, 39.56087554592025}
));
// clang-format on

TEST_P(PhiZiel, SmallestXWherePhiIsReached) {
    const ZielFall& f = GetParam();
    const auto r = Ok({.art = f.art,
                       .wasser = f.temperatur,
                       .dampf = f.temperatur,
                       .ziel = Ziel::Phi,
                       .zielwert = f.phiZiel},
                      ThetaPhi(f.theta1, f.phi1));
    ErwarteZustand(r.ende, f.theta, f.xG, f.h);
    EXPECT_NEAR(*r.ende.phi, f.phiZiel, 1e-8);
    EXPECT_FALSE(r.ende.nebel);
}

struct RueckFall {
    double theta1, phi1, theta3, phi3;  // outdoor air, exhaust air
    double rueckwaerme, feuchte;
    double theta, xG, h, nebelG;  // nebelG: the condensate, ice below 0 °C
};

class Waermerueckgewinnung : public testing::TestWithParam<RueckFall> {};

// Φ = 0, Φ = 1, Ψ = 1, exhaust air colder than outdoor air, and an end in ice fog.
// clang-format off
INSTANTIATE_TEST_SUITE_P(Grenzen, Waermerueckgewinnung, testing::Values(
    RueckFall{-5, 80, 22, 40, 0, 0, -5, 1.9783088278705154, -0.09762620242290687, 0},
    RueckFall{-5, 80, 22, 40, 1, 0, 22, 1.9783088278705154, 27.13672446691275, 0},
    RueckFall{-5, 80, 22, 40, 0.7, 1, 13.9, 6.572794241659729, 30.571418626473186, 0},
    RueckFall{32, 40, 26, 50, 0.6, 0, 28.4, 11.917541747317703, 58.96538659355456, 0},
    RueckFall{-10, 80, 22, 60, 0.3, 0.9, -0.4, 9.048232193506418, 6.9150934458628415, 5.398392403503994}
));
// clang-format on

TEST_P(Waermerueckgewinnung, OutdoorStreamEndState) {
    const RueckFall& f = GetParam();
    const Zustandswerte aul = ThetaPhi(f.theta1, f.phi1);
    const Zustandswerte abl = ThetaPhi(f.theta3, f.phi3);
    const auto r = Ok({.art = Prozessart::Waermerueckgewinnung,
                       .rueckwaermzahl = f.rueckwaerme,
                       .feuchterueckgewinnung = f.feuchte,
                       .massenstrom = 5000},
                      aul, &abl);
    ErwarteZustand(r.ende, f.theta, f.xG, f.h);
    EXPECT_NEAR((f.theta < 0 ? r.ende.eis : r.ende.wasser) * 1000, f.nebelG, 1e-9);
    EXPECT_EQ(f.theta < 0 ? r.ende.wasser : r.ende.eis, 0);
    EXPECT_NEAR(*r.leistung, 5000 * (f.h - aul.h) / 3600, 1e-9);  // power of the outdoor stream
}

struct GrundFall {
    Prozess p;
    const char* grund;
};

class ProzessGruende : public testing::TestWithParam<GrundFall> {};

// From 20 °C/30 %, with 25 °C/50 % as the second state.
// clang-format off
INSTANTIATE_TEST_SUITE_P(Prozess, ProzessGruende, testing::Values(
    GrundFall{{.art = Prozessart::Kuehlen, .ziel = Ziel::Oberflaeche, .zielwert = 22}, "Die Oberflächentemperatur 22 °C liegt über der Eintrittstemperatur 20 °C."},
    GrundFall{{.art = Prozessart::Kuehlen, .bypass = 1, .ziel = Ziel::Oberflaeche, .zielwert = 5}, "Der Bypassfaktor 1 liegt nicht in 0 ≤ BF < 1."},
    GrundFall{{.art = Prozessart::Heizen, .theta = 15}, "Die Endtemperatur 15 °C liegt unter der Anfangstemperatur 20 °C."},
    GrundFall{{.art = Prozessart::BefeuchtenDampf, .dampf = 1000, .ziel = Ziel::Phi, .zielwert = 95}, "φ = 95 % ist auf dieser Linie nicht erreichbar: sie erreicht vorher die Siedetemperatur 99,9707 °C."},
    GrundFall{{.art = Prozessart::BefeuchtenWasser, .wasser = 15, .ziel = Ziel::DX, .zielwert = -0.001}, "Der Wassergehalt am Ende 3,34422 g/kg liegt unter dem am Anfang 4,34422 g/kg."},
    GrundFall{{.art = Prozessart::Richtung, .epsilon = 1000, .ziel = Ziel::X, .zielwert = -0.002}, "Der Wassergehalt am Ende -2 g/kg wäre negativ."},
    GrundFall{{.art = Prozessart::Mischen, .massenstroeme = {1000, 0}}, "Der Massenstrom 0 kg/h ist nicht größer als 0 kg/h."},
    GrundFall{{.art = Prozessart::Mischen, .aussenluftanteil = 101}, "Der Außenluftanteil 101 % liegt nicht zwischen 0 und 100 %."},
    GrundFall{{.art = Prozessart::Waermerueckgewinnung, .rueckwaermzahl = 1.5}, "Die Rückwärmzahl 1,5 liegt nicht zwischen 0 und 1."}
));
// clang-format on

TEST_P(ProzessGruende, ImpossibleWithGermanReason) {
    const Zustandswerte zweiter = ThetaPhi(25, 50);
    const auto r = Rechne(kDruck, GetParam().p, ThetaPhi(20, 30), &zweiter);
    ASSERT_FALSE(r);
    EXPECT_EQ(r.grund(), GetParam().grund);
}

// A cooler given the end it makes: air at 30 °C with 10 g/kg (dew point 14.0191 °C), bypass
// 0.1. Above the dew point the end lies at ϑO + BF (ϑ1 - ϑO), so ϑ2 = 16 °C needs ϑO = 130/9;
// below it ϑO solves the model's equations (mpmath); x2 = 8 g/kg needs xO = (8 - 1)/0.9 g/kg,
// so ϑO is the dew point of xO.
TEST(Kuehlerziel, SurfaceForTheEndTemperatureOrWaterContent) {
    const Zustandswerte start = *ZustandAusThetaX(kDruck, 30, 0.010);
    struct Fall {
        Ziel ziel;
        double wert;
        double thetaO, theta2, xG2, h2;
    };
    for (const Fall& f : {
             Fall{Ziel::Theta, 16, 130.0 / 9, 16, 10, 41.3776},
             Fall{Ziel::Theta, 13, 11.105031495145211, 13, 8.410963060756636, 34.29578473870069},
             Fall{Ziel::X, 0.008, 10.260760966510674, 12.241884733491071, 8, 32.48525340199287},
         }) {
        const auto r = Ok(
            {.art = Prozessart::Kuehlen, .bypass = 0.1, .ziel = f.ziel, .zielwert = f.wert}, start);
        ASSERT_TRUE(r.oberflaeche);
        EXPECT_TRUE(r.oberflaecheGesucht);
        EXPECT_NEAR(r.oberflaeche->theta, f.thetaO, 1e-9) << f.wert;
        ErwarteZustand(r.ende, f.theta2, f.xG2, f.h2);
        // The surface found, given as the surface, makes the same end.
        const auto direkt = Ok({.art = Prozessart::Kuehlen,
                                .bypass = 0.1,
                                .ziel = Ziel::Oberflaeche,
                                .zielwert = r.oberflaeche->theta},
                               start);
        EXPECT_FALSE(direkt.oberflaecheGesucht);
        EXPECT_EQ(direkt.ende.h, r.ende.h);
    }
}

// Air close to saturation, 30 °C with 26 g/kg: the straight line from a cold surface to it
// runs through the fog, where the end's temperature is that of its fog isotherm. Targets
// across the whole reach, from the end at a 0 °C surface up to the start, are each met.
TEST(Kuehlerziel, TargetsAcrossTheReachThroughTheFog) {
    const Zustandswerte start = *ZustandAusThetaX(kDruck, 30, 0.026);
    const Prozess kalt{.art = Prozessart::Kuehlen, .bypass = 0.3, .ziel = Ziel::Oberflaeche};
    const Prozesswirkung unten = Ok(kalt, start);
    ASSERT_TRUE(unten.ende.nebel);  // the end at a 0 °C surface lies in the fog
    int nebel = 0;
    for (int i = 0; i <= 40; ++i) {
        const double theta2 = unten.ende.theta + (start.theta - unten.ende.theta) * i / 40;
        const auto r =
            Ok({.art = Prozessart::Kuehlen, .bypass = 0.3, .ziel = Ziel::Theta, .zielwert = theta2},
               start);
        EXPECT_NEAR(r.ende.theta, theta2, 1e-9) << i;
        nebel += r.ende.nebel;
        const double x2 = unten.ende.x + (start.x - unten.ende.x) * i / 41;
        const auto rx =
            Ok({.art = Prozessart::Kuehlen, .bypass = 0.3, .ziel = Ziel::X, .zielwert = x2}, start);
        EXPECT_NEAR(rx.ende.x, x2, 1e-12) << i;
    }
    EXPECT_GT(nebel, 3);
}

class KuehlerGruende : public testing::TestWithParam<GrundFall> {};

TEST_P(KuehlerGruende, ImpossibleWithGermanReason) {
    const auto r = Rechne(kDruck, GetParam().p, *ZustandAusThetaX(kDruck, 30, 0.010));
    ASSERT_FALSE(r);
    EXPECT_EQ(r.grund(), GetParam().grund);
}

// From 30 °C with 10 g/kg, bypass 0.1 unless named.
// clang-format off
INSTANTIATE_TEST_SUITE_P(Unerreichbar, KuehlerGruende, testing::Values(
    GrundFall{{.art = Prozessart::Kuehlen, .bypass = 0.1, .ziel = Ziel::Theta, .zielwert = 2}, "Für das Ziel ϑ = 2 °C müsste die Oberfläche unter 0 °C liegen, wo sie vereist: mit 0 °C käme die Luft nur auf ϑ = 3,03087 °C."},
    GrundFall{{.art = Prozessart::Kuehlen, .bypass = 0.1, .ziel = Ziel::X, .zielwert = 0.004}, "Für das Ziel x = 4 g/kg müsste die Oberfläche unter 0 °C liegen, wo sie vereist: mit 0 °C käme die Luft nur auf x = 4,39574 g/kg."},
    GrundFall{{.art = Prozessart::Kuehlen, .bypass = 0.5, .ziel = Ziel::X, .zielwert = 0.004}, "Das Ziel x = 4 g/kg ist nicht erreichbar: mit dem Bypassfaktor BF = 0,5 bleiben am Ende mindestens BF·x1 = 5 g/kg."},
    GrundFall{{.art = Prozessart::Kuehlen, .ziel = Ziel::Theta, .zielwert = 35}, "Das Ziel ϑ = 35 °C liegt über der Eintrittstemperatur 30 °C: ein Kühler kann die Luft nicht erwärmen."},
    GrundFall{{.art = Prozessart::Kuehlen, .ziel = Ziel::X, .zielwert = 0.012}, "Das Ziel x = 12 g/kg liegt über dem Wassergehalt am Anfang 10 g/kg: ein Kühler kann die Luft nicht befeuchten."},
    GrundFall{{.art = Prozessart::Kuehlen, .ziel = Ziel::X, .zielwert = 0.010}, "Das Ziel x = 10 g/kg ist der Wassergehalt am Anfang. Jede Oberfläche ab dem Taupunkt lässt ihn unverändert, er legt die Oberflächentemperatur also nicht fest: bitte „oberflaeche“ oder „theta“ angeben."},
    GrundFall{{.art = Prozessart::Kuehlen, .bypass = 0.1}, "Ein Kühler braucht genau eins: die Oberflächentemperatur „oberflaeche“, die Endtemperatur „theta“ oder den Wassergehalt am Ende „x“."}
));
// clang-format on

// The exhaust side of a heat recovery by the sensible balance ṁAUL (cpL + x1 cpD) (ϑ2 - ϑ1) =
// ṁABL (cpL + x3 cpD) (ϑ3 - ϑ4), worked out with mpmath; the dew and frost points of the exhaust
// from its vapour pressure. States by ϑ and x [g/kg], so that they do not depend on how
// saturation below 0 °C is taken.
struct FortluftFall {
    double theta1, xG1, theta3, xG3, rueckwaerme;
    std::optional<double> massenstrom, abluft;
    double theta4;
    const char* warnung;
};

class Fortluftseite : public testing::TestWithParam<FortluftFall> {};

// clang-format off
INSTANTIATE_TEST_SUITE_P(Waermerueckgewinnung, Fortluftseite, testing::Values(
    // Equal streams, without any flow: below the exhaust's dew point 7.63871 °C.
    FortluftFall{-5, 2, 22, 6.5, 0.7, std::nullopt, std::nullopt, 3.255534908415184, "Kondensat: die Fortluft kühlt auf 3,25553 °C ab, unter ihren Taupunkt 7,63871 °C."},
    // Equal streams with the outdoor flow only.
    FortluftFall{-5, 2, 22, 6.5, 0.7, 5000, std::nullopt, 3.255534908415184, "Kondensat: die Fortluft kühlt auf 3,25553 °C ab, unter ihren Taupunkt 7,63871 °C."},
    // Less exhaust air cools more; its condensate freezes.
    FortluftFall{-5, 2, 22, 6.5, 0.7, 5000, 4000, -1.430581364481019, "Kondensat und Vereisungsgefahr: die Fortluft kühlt auf -1,43058 °C ab, unter ihren Taupunkt 7,63871 °C und unter 0 °C."},
    // Dry exhaust air: below its frost point -7.46011 °C.
    FortluftFall{-20, 0.5, 20, 2, 0.8, 5000, 4500, -15.457213101752716, "Vereisungsgefahr: die Fortluft kühlt auf -15,4572 °C ab, unter 0 °C und unter ihren Reifpunkt -7,46011 °C."},
    // Summer: the exhaust air is warmed, without a warning.
    FortluftFall{32, 12, 26, 10.5, 0.6, std::nullopt, std::nullopt, 29.609803519662675, ""}
));
// clang-format on

TEST_P(Fortluftseite, OutletByTheSensibleBalance) {
    const FortluftFall& f = GetParam();
    const Zustandswerte aul = *ZustandAusThetaX(kDruck, f.theta1, f.xG1 / 1000);
    const Zustandswerte abl = *ZustandAusThetaX(kDruck, f.theta3, f.xG3 / 1000);
    const auto r = Ok({.art = Prozessart::Waermerueckgewinnung,
                       .rueckwaermzahl = f.rueckwaerme,
                       .massenstrom = f.massenstrom,
                       .massenstromAbluft = f.abluft},
                      aul, &abl);
    ASSERT_TRUE(r.fortluft);
    EXPECT_NEAR(r.fortluft->theta, f.theta4, 1e-9);
    EXPECT_EQ(r.fortluft->warnung, f.warnung);
    // The outdoor stream does not depend on the exhaust flow.
    EXPECT_NEAR(r.ende.theta, f.theta1 + f.rueckwaerme * (f.theta3 - f.theta1), 1e-12);
}

TEST(Fortluft, ExhaustFlowThatCannotBe) {
    const Zustandswerte aul = *ZustandAusThetaX(kDruck, -5, 0.002);
    const Zustandswerte abl = *ZustandAusThetaX(kDruck, 22, 0.0065);
    struct Fall {
        std::optional<double> massenstrom, abluft;
        const char* grund;
    };
    for (const Fall& f : {
             Fall{std::nullopt, 4000,
                  "Zum Massenstrom der Abluft „massenstrom_abluft“ fehlt der der Außenluft: "
                  "„massenstrom“ oder „volumenstrom“."},
             // Φ ṁ / ṁABL = 7/6
             Fall{5000, 3000,
                  "Die Abluft müsste kälter werden als die Außenluft: Φ·ṁ/ṁABL = 1,16667 liegt "
                  "über 1; der Massenstrom der Abluft ist zu klein."},
             Fall{5000, 0, "Der Massenstrom der Abluft 0 kg/h ist nicht größer als 0 kg/h."},
         }) {
        const auto r = Rechne(kDruck,
                              {.art = Prozessart::Waermerueckgewinnung,
                               .rueckwaermzahl = 0.7,
                               .massenstrom = f.massenstrom,
                               .massenstromAbluft = f.abluft},
                              aul, &abl);
        ASSERT_FALSE(r);
        EXPECT_EQ(r.grund(), f.grund);
    }
    // A volume flow gives the outdoor mass flow: 4000 m³/h are more than 4000 kg/h of
    // exhaust air, which cools more than with equal streams.
    const auto r = Ok({.art = Prozessart::Waermerueckgewinnung,
                       .rueckwaermzahl = 0.7,
                       .volumenstrom = 4000,
                       .massenstromAbluft = 4000},
                      aul, &abl);
    ASSERT_TRUE(r.fortluft && r.massenstrom);
    EXPECT_GT(*r.massenstrom, 4000);
    EXPECT_LT(r.fortluft->theta, 3.255534908415184);
}

}  // namespace
}  // namespace lumora
