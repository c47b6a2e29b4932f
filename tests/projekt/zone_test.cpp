#include "projekt/zone.h"

#include <gtest/gtest.h>

#include <string>

namespace lumora {
namespace {

using nlohmann::ordered_json;

Zone Lesen(const char* text) {
    const auto z = ZoneAusJson(ordered_json::parse(text));
    EXPECT_TRUE(z) << z.grund();
    return z ? *z : Zone{};
}

Messreihe Reihe(Feuchteart art, std::vector<double> theta, std::vector<double> feuchte) {
    Messreihe r;
    r.name = "R";
    r.feuchteart = art;
    r.theta = std::move(theta);
    r.feuchte = std::move(feuchte);
    return r;
}

struct Rand {
    const char* zone;
    Feuchteart art;
    double theta;
    double feuchte;  // φ [%] or x [g/kg]
    bool innen;
};

class ZonenRand : public ::testing::TestWithParam<Rand> {};

TEST_P(ZonenRand, BoundsAreInclusiveAndComparedAsEntered) {
    const Rand& p = GetParam();
    const auto d = LuftdruckBei(1013);
    ASSERT_TRUE(d);
    const Messauswertung a = MessreiheAuswerten(Reihe(p.art, {p.theta}, {p.feuchte}), *d);
    ASSERT_EQ(a.moeglich.size(), 1u);
    EXPECT_EQ(Innen(Lesen(p.zone), a.moeglich[0]), p.innen);
}

constexpr auto kPhi = Feuchteart::Phi;
constexpr auto kX = Feuchteart::X;
constexpr const char* kFeld = R"({"name":"F","theta":[20,26],"phi":[30,65]})";
constexpr const char* kXGrenze = R"({"name":"X","x":[null,11.5]})";
constexpr const char* kPhiGrenze = R"({"name":"P","phi":[0,100]})";
constexpr const char* kHeiss = R"({"name":"H","theta":[100,130]})";

// clang-format off
INSTANTIATE_TEST_SUITE_P(Zone, ZonenRand, ::testing::Values(
    Rand{kFeld,      kPhi, 20,       30,              true},
    Rand{kFeld,      kPhi, 26,       65,              true},
    Rand{kFeld,      kPhi, 19.99999, 40,              false},
    Rand{kFeld,      kPhi, 26.00001, 40,              false},
    Rand{kFeld,      kPhi, 22,       29.99999,        false},
    Rand{kFeld,      kPhi, 22,       65.00001,        false},
    Rand{kXGrenze,   kX,   25,       11.5,            true},
    Rand{kXGrenze,   kX,   25,       11.500000000001, false},
    Rand{kXGrenze,   kX,   25,       0,               true},
    // 120 °C is above boiling at 1013 hPa: φ does not exist there.
    Rand{kPhiGrenze, kX,   120,      10,              false},
    Rand{kHeiss,     kX,   120,      10,              true}));
// clang-format on

TEST(Zone, ReportCountsAHandCheckedSeries) {
    // ϑ-φ points against the comfort field. By hand, with the Magnus form at 1013 hPa:
    // (26, 50): pS 33.66 hPa, x 10.5 g/kg, inside; (26, 65): x 13.7 g/kg, outside by x;
    // (22, 120) is impossible; (20, 30) and (24, 30) are inside; the rest is outside by ϑ or φ.
    const Messreihe r =
        Reihe(kPhi, {20, 26, 26, 19.999, 22, 22, 30, 24}, {30, 50, 65, 40, 65.0001, 120, 50, 30});
    const auto d = LuftdruckBei(1013);
    ASSERT_TRUE(d);
    const Messauswertung a = MessreiheAuswerten(r, *d);
    const Zone offen = Lesen(R"({"name":"Alles","x":[null,null]})");
    const ordered_json b = MessreiheBericht(r, a, {Behaglichkeitsfeld(), offen});
    EXPECT_EQ(b["punkte"], 8);
    EXPECT_EQ(b["unmoeglich"], 1);
    const ordered_json& feld = b["zonen"][Behaglichkeitsfeld().name];
    EXPECT_EQ(feld["innen"], 3);
    EXPECT_NEAR(feld["anteil"].get<double>(), 42.857142857142854, 1e-12);  // 3 of 7 in %
    EXPECT_EQ(b["zonen"]["Alles"]["innen"], 7);
    EXPECT_EQ(b["zonen"]["Alles"]["anteil"], 100.0);

    const Messreihe leer = Reihe(kPhi, {22}, {150});
    const ordered_json nichts = MessreiheBericht(leer, MessreiheAuswerten(leer, *d), {offen});
    EXPECT_EQ(nichts["zonen"]["Alles"]["anteil"], 0.0);
}

TEST(Zone, HoursCountTheIntervalsOfTheInsidePoints) {
    // Hourly values with a gap of four hours after 02:00; (30, 50) lies outside the field.
    Messreihe r = Reihe(kPhi, {22, 22, 30, 22, 22, 22}, {50, 50, 50, 50, 50, 50});
    r.zeit = {"2024-07-01T00:00", "2024-07-01T01:00", "2024-07-01T01:30",
              "2024-07-01T02:00", "2024-07-01T06:00", "2024-07-01T07:00"};
    const auto d = LuftdruckBei(1013);
    ASSERT_TRUE(d);
    const Zone offen = Lesen(R"({"name":"Alles"})");
    const ordered_json b =
        MessreiheBericht(r, MessreiheAuswerten(r, *d), {Behaglichkeitsfeld(), offen});
    const ordered_json& feld = b["zonen"][Behaglichkeitsfeld().name];
    // Inside: 00:00 (1 h), 01:00 (0.5 h), 02:00 (a gap of 4 h follows: the 0.5 h before it),
    // 06:00 (1 h), 07:00 (the last: the hour before it).
    EXPECT_EQ(feld["innen"], 5);
    EXPECT_EQ(feld["stunden"], 4.0);
    EXPECT_EQ(b["zonen"]["Alles"]["stunden"], 4.5);  // the point at 01:30 adds its half hour

    r.zeit.clear();  // without times there are points but no hours
    const ordered_json ohne = MessreiheBericht(r, MessreiheAuswerten(r, *d), {offen});
    EXPECT_EQ(ohne["zonen"]["Alles"]["innen"], 6);
    EXPECT_FALSE(ohne["zonen"]["Alles"].contains("stunden"));
}

TEST(Zone, ComfortFieldAndJsonRoundTrip) {
    EXPECT_EQ(ZoneZuJson(Behaglichkeitsfeld()).dump(),
              R"j({"name":"Behaglichkeitsfeld (20–26 °C, 30–65 %, x ≤ 11,5 g/kg)",)j"
              R"("theta":[20,26],"phi":[30,65],"x":[null,11.5]})");
    const char* text = R"({"farbe":"#00ff00","name":"Z","x":[0.5,null],"theta":[-10,40]})";
    EXPECT_EQ(ZoneZuJson(Lesen(text)).dump(), text);
}

struct Falsch {
    const char* json;
    const char* teil;
};

class ZoneFalsch : public ::testing::TestWithParam<Falsch> {};

TEST_P(ZoneFalsch, IsRefusedWithAReason) {
    const auto z = ZoneAusJson(ordered_json::parse(GetParam().json));
    ASSERT_FALSE(z);
    EXPECT_NE(z.grund().find(GetParam().teil), std::string::npos) << z.grund();
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Zone, ZoneFalsch, ::testing::Values(
    Falsch{R"({"name":"Z","theta":[26,20.5]})", "die untere Grenze 26 liegt über der oberen 20.5"},
    Falsch{R"({"name":"Z","phi":[30]})",        "„phi“ der Zone ist keine Liste"},
    Falsch{R"({"name":"Z","x":["a",2]})",       "„x“ der Zone ist keine Liste"},
    Falsch{R"({"theta":[1,2]})",                "Der Zone fehlt „name“."},
    Falsch{R"([1,2])",                          "kein JSON-Objekt"}));
// clang-format on

}  // namespace
}  // namespace lumora
