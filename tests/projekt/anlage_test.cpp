#include "projekt/anlage.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "projekt/bericht.h"
#include "projekt/projekt.h"

namespace lumora {
namespace {

// Hours worked out by hand with h = 1.005 ϑ + x (2500 + 1.86 ϑ) and the Magnus form over water.
constexpr double kP = 1013.25;  // [hPa]
const Luftdruck kDruck = *LuftdruckBei(kP);
constexpr double kM = 6000;  // [kg/h]

double H(double theta, double x) { return 1.005 * theta + x * (2500 + 1.86 * theta); }
double ThetaBei(double h, double x) { return (h - 2500 * x) / (1.005 + 1.86 * x); }
// The saturation temperature of x [kg/kg] over water.
double Taupunkt(double x) {
    const double l = std::log(x * kP / (0.622 + x) / 6.1078);
    return 234.175 * l / (17.08085 - l);
}
double Kw(double dh) { return kM * dh / 3600; }

Json Einheit() {
    return Json::parse(R"({"name": "RLT 1", "wetterjahr": "Jahr", "massenstrom": 6000,
        "zuluft": {"theta": [18, 22], "x": [6, 9]}, "abluft": {"theta": 22, "phi": 40},
        "rueckwaermzahl": 0.7, "frostschutz": -5, "kuehler": {"bypass": 0.1},
        "befeuchter": {"art": "dampf", "dampf": 100}})");
}

Anlage Lesen(const Json& j) {
    const auto a = AnlageAusJson(j, kDruck);
    EXPECT_TRUE(a) << a.grund();
    return a ? *a : Anlage{};
}

Anlagenstunde Stunde(const Anlage& a, double theta, double xGkg) {
    const auto aussen = ZustandAusThetaX(kDruck, theta, xGkg / 1000);
    const auto s = AnlagenstundeRechnen(a, kDruck, kM, *aussen);
    EXPECT_TRUE(s) << s.grund();
    return s ? *s : Anlagenstunde{};
}

double Leistung(const Anlagenstunde& s, Komponente k) {
    return s.leistung[static_cast<std::size_t>(k)];
}

// −10 °C, 1 g/kg: frost protection to −5 °C, full heat recovery to 13.9 °C (below the window
// that the steam humidifier needs), preheating to that window, steam to 6 g/kg at 18 °C.
TEST(Anlagenstunde, WinterWithFrostProtectionRecoveryAndSteam) {
    const Anlagenstunde s = Stunde(Lesen(Einheit()), -10, 1);
    const double x = 0.001, eps = 2500 + 1.86 * 100;
    const double lo = ThetaBei(H(18, 0.006) - eps * 0.005, x);
    const double voll = -5 + 0.7 * (22 + 5);
    EXPECT_EQ(s.art, Betriebsart::Befeuchten);
    EXPECT_NEAR(Leistung(s, Komponente::Frostschutz), Kw(H(-5, x) - H(-10, x)), 1e-9);
    EXPECT_NEAR(Leistung(s, Komponente::WrgHeizen), Kw(H(voll, x) - H(-5, x)), 1e-9);
    EXPECT_NEAR(Leistung(s, Komponente::Vorerhitzer), Kw(H(lo, x) - H(voll, x)), 1e-9);
    EXPECT_NEAR(Leistung(s, Komponente::Befeuchter), Kw(eps * 0.005), 1e-9);
    EXPECT_NEAR(s.befeuchterwasser, kM * 0.005, 1e-9);
    EXPECT_NEAR(s.zuluft.theta, 18, 1e-9);
    EXPECT_NEAR(s.zuluft.x, 0.006, 1e-15);
    EXPECT_TRUE(s.erreicht);
    ASSERT_EQ(s.schritte.size(), 4u);
    EXPECT_EQ(s.schritte[1].komponente, Komponente::WrgHeizen);
}

// 30 °C, 14 g/kg: the recovery cools fully to 24.4 °C, the coil with BF = 0.1 dries to 9 g/kg
// at the surface where xS(ϑO) = (9 − 1.4)/0.9 g/kg, and the re-heater brings it to 18 °C.
TEST(Anlagenstunde, HumidSummerDehumidifiedWithBypassAndReheated) {
    const Anlagenstunde s = Stunde(Lesen(Einheit()), 30, 14);
    const double x1 = 0.014, t1 = 30 + 0.7 * (22 - 30);
    const double xO = (0.009 - 0.1 * x1) / 0.9, tO = Taupunkt(xO);
    const double hEnde = H(tO, xO) + 0.1 * (H(t1, x1) - H(tO, xO));
    const double tEnde = ThetaBei(hEnde, 0.009);
    EXPECT_EQ(s.art, Betriebsart::Entfeuchten);
    EXPECT_NEAR(Leistung(s, Komponente::WrgKuehlen), Kw(H(30, x1) - H(t1, x1)), 1e-9);
    EXPECT_NEAR(Leistung(s, Komponente::Kuehler), Kw(H(t1, x1) - hEnde), 1e-6);
    EXPECT_NEAR(Leistung(s, Komponente::Nacherhitzer), Kw(H(18, 0.009) - hEnde), 1e-6);
    EXPECT_NEAR(s.kondensat, kM * 0.005, 1e-9);
    EXPECT_NEAR(s.schritte[1].ende.theta, tEnde, 1e-6);
    EXPECT_NEAR(s.zuluft.theta, 18, 1e-9);
    EXPECT_TRUE(s.erreicht);
}

// 10 °C, 3 g/kg without recovery: the pre-heater warms it so far that water at 10 °C brings it
// to 18 °C and 6 g/kg.
TEST(Anlagenstunde, DryMildHumidifiedWithWaterAfterPreheating) {
    Json j = Einheit();
    j.erase("abluft");
    j.erase("rueckwaermzahl");
    j["befeuchter"] = {{"art", "wasser"}};  // 10 °C when not given
    const Anlagenstunde s = Stunde(Lesen(j), 10, 3);
    const double eps = 4.1868 * 10;
    const double lo = ThetaBei(H(18, 0.006) - eps * 0.003, 0.003);
    EXPECT_EQ(s.art, Betriebsart::Befeuchten);
    EXPECT_NEAR(s.schritte[0].ende.theta, lo, 1e-9);
    EXPECT_NEAR(Leistung(s, Komponente::Vorerhitzer), Kw(H(lo, 0.003) - H(10, 0.003)), 1e-9);
    EXPECT_NEAR(Leistung(s, Komponente::Befeuchter), Kw(eps * 0.003), 1e-9);
    EXPECT_NEAR(s.zuluft.theta, 18, 1e-9);
    EXPECT_TRUE(s.erreicht);
}

// Inside the window nothing runs; the recovery, modulated, makes exactly ϑmin (heating) or
// ϑmax (cooling) where its full effect would overshoot.
TEST(Anlagenstunde, FreeAndModulatedRecoveryAtBothEnds) {
    const Anlage a = Lesen(Einheit());
    const Anlagenstunde frei = Stunde(a, 20, 7);
    EXPECT_EQ(frei.art, Betriebsart::Frei);
    EXPECT_TRUE(frei.schritte.empty());
    EXPECT_EQ(frei.leistung, (std::array<double, kKomponenten>{}));

    const Anlagenstunde heizt = Stunde(a, 10, 7);  // full: 18.4 °C, modulated to 18 °C
    EXPECT_EQ(heizt.art, Betriebsart::Wrg);
    EXPECT_NEAR(heizt.zuluft.theta, 18, 1e-12);
    EXPECT_NEAR(Leistung(heizt, Komponente::WrgHeizen), Kw(H(18, 0.007) - H(10, 0.007)), 1e-9);

    Json j = Einheit();
    j["zuluft"]["theta"] = {16, 20};
    j["abluft"]["theta"] = 18;
    const Anlagenstunde kuehlt = Stunde(Lesen(j), 22, 7);  // full: 19.2 °C, modulated to 20 °C
    EXPECT_EQ(kuehlt.art, Betriebsart::Wrg);
    EXPECT_NEAR(kuehlt.zuluft.theta, 20, 1e-12);
    EXPECT_NEAR(Leistung(kuehlt, Komponente::WrgKuehlen), Kw(H(22, 0.007) - H(20, 0.007)), 1e-9);
    EXPECT_EQ(Leistung(kuehlt, Komponente::WrgHeizen), 0);
}

// A coil that would need a surface below 0 °C runs at 0 °C; the hour misses xmax and its
// energy still counts.
TEST(Anlagenstunde, SurfaceBelowZeroRunsAtZeroAndMissesTheWindow) {
    Json j = Einheit();
    j["zuluft"]["x"] = {nullptr, 6};
    j["kuehler"]["bypass"] = 0.3;
    j.erase("abluft");
    j.erase("rueckwaermzahl");
    const Anlagenstunde s = Stunde(Lesen(j), 28, 14);
    const double xO = 0.622 * 6.1078 / (kP - 6.1078);
    EXPECT_EQ(s.art, Betriebsart::Entfeuchten);
    EXPECT_NEAR(s.schritte[0].ende.x, xO + 0.3 * (0.014 - xO), 1e-9);
    EXPECT_FALSE(s.erreicht);
    EXPECT_NEAR(s.zuluft.theta, 18, 1e-9);
    EXPECT_GT(Leistung(s, Komponente::Nacherhitzer), 0);
}

// A series of hours in three months; the operating time keeps some of them.
Messreihe Jahr() {
    Messreihe r;
    r.name = "Jahr";
    r.art = Reihenart::Wetterjahr;
    r.feuchteart = Feuchteart::X;
    const double stunden[][4] = {{1, 1, 8, -12}, {1, 1, 9, -3},  {1, 1, 3, -8},  {7, 2, 14, 31},
                                 {7, 2, 15, 24}, {4, 3, 10, 12}, {4, 3, 11, 20}, {1, 4, 12, NAN}};
    for (const auto& s : stunden) {
        r.monat.push_back(s[0]);
        r.tag.push_back(s[1]);
        r.stunde.push_back(s[2]);
        r.theta.push_back(s[3]);
        r.feuchte.push_back(s[3] > 25 ? 15 : s[3] > 15 ? 10 : 1.0);
    }
    return r;
}

TEST(Anlagenjahr, SumsAreTheHoursAndTheMonthsAreTheYear) {
    Json j = Einheit();
    j["betrieb"] = {{"stunden", {6, 18}}};
    const auto jahr = AnlagenjahrRechnen(Lesen(j), Jahr(), kDruck);
    ASSERT_TRUE(jahr) << jahr.grund();
    // The night hour is outside; the hour without a temperature counts as impossible.
    EXPECT_EQ(jahr->stunden.size(), 6u);
    EXPECT_EQ(jahr->unmoeglich, 1);
    EXPECT_EQ(jahr->summe.stunden, 6);
    double arten = 0;
    for (double h : jahr->arten) arten += h;
    EXPECT_EQ(arten, 6);
    Anlagensumme stunden, monate;
    for (const Anlagenstunde& s : jahr->stunden) stunden.Addieren(s);
    for (const Anlagensumme& m : jahr->monate) {
        monate.stunden += m.stunden;
        for (std::size_t k = 0; k < kKomponenten; ++k) monate.energie[k] += m.energie[k];
        monate.kondensat += m.kondensat;
        monate.befeuchterwasser += m.befeuchterwasser;
    }
    for (std::size_t k = 0; k < kKomponenten; ++k) {
        EXPECT_DOUBLE_EQ(jahr->summe.energie[k], stunden.energie[k]);
        EXPECT_NEAR(jahr->summe.energie[k], monate.energie[k], 1e-9);
    }
    EXPECT_GT(jahr->summe.energie[static_cast<std::size_t>(Komponente::Kuehler)], 0);
    EXPECT_GT(jahr->summe.kondensat, 0);
    EXPECT_NEAR(jahr->summe.kondensat, monate.kondensat, 1e-9);
    EXPECT_EQ(jahr->monate[6].stunden, 2);
    EXPECT_EQ(jahr->monate[1].stunden, 0);

    const Json bericht = AnlagenBericht("RLT 1", *jahr);
    EXPECT_EQ(bericht["stunden"]["betrieb"], 6);
    EXPECT_EQ(bericht["monate"].size(), 12u);
    EXPECT_DOUBLE_EQ(bericht["energie"]["heizen"].get<double>(), jahr->summe.Heizen());
}

// A logger's series: each point weighs the interval to the next one of at most 3 h, its hour
// is that of its clock plus one.
TEST(Anlagenjahr, LoggerTimesGiveWeightsMonthsAndHours) {
    Messreihe r;
    r.name = "Jahr";
    r.zeit = {"2024-03-01 05:00", "2024-03-01 06:00", "2024-03-01 06:30",
              "2024-03-01 07:30", "kaputt",           "2024-03-01 12:00"};
    r.theta = {20, 20, 20, 20, 20, 20};
    r.feuchte = {50, 50, 50, 50, 50, 50};
    Json j = Einheit();
    j["betrieb"] = {{"monate", {3, 3}}, {"stunden", {6, 18}}};
    const auto jahr = AnlagenjahrRechnen(Lesen(j), r, kDruck);
    ASSERT_TRUE(jahr) << jahr.grund();
    // 05:00 is HH 6, outside; 06:00 weighs the half hour to 06:30, which weighs 1 h; 07:30
    // weighs the hour before it; the unreadable time and the lone point after it weigh nothing.
    EXPECT_EQ(jahr->summe.stunden, 2.5);
    EXPECT_EQ(jahr->monate[2].stunden, 2.5);

    r.zeit = {"a", "b", "c", "d", "e", "f"};
    const auto ohne = AnlagenjahrRechnen(Lesen(j), r, kDruck);
    ASSERT_FALSE(ohne);
    EXPECT_NE(ohne.grund().find("Zeiten"), std::string::npos);
}

TEST(Anlage, BadSettingsNameTheirKey) {
    const struct {
        const char* pfad;
        Json wert;
        const char* schluessel;
    } faelle[] = {
        {"/zuluft/theta", {24, 18}, "„theta“"},
        {"/zuluft/x", {20, nullptr}, "Nebel"},
        {"/zuluft/x", {-1, 9}, "„x“"},
        {"/kuehler/bypass", 1, "BF"},
        {"/massenstrom", -5, "„massenstrom“"},
        {"/volumenstrom", 5000, "„volumenstrom“"},
        {"/betrieb", {{"stunden", {6, 25}}}, "„betrieb“"},
        {"/frostschutz", 30, "„frostschutz“"},
        {"/befeuchter/art", "nebel", "„befeuchter“"},
        {"/abluft/phi", "viel", "„abluft“"},
    };
    for (const auto& f : faelle) {
        Json j = Einheit();
        j[Json::json_pointer(f.pfad)] = f.wert;
        const auto a = AnlageAusJson(j, kDruck);
        ASSERT_FALSE(a) << f.pfad;
        EXPECT_NE(a.grund().find(f.schluessel), std::string::npos) << f.pfad << ": " << a.grund();
    }
    Json ohneAbluft = Einheit();
    ohneAbluft.erase("abluft");
    EXPECT_NE(AnlageAusJson(ohneAbluft, kDruck).grund().find("„abluft“"), std::string::npos);
}

// The volume flow becomes a mass flow at the middle of the window: 20 °C and 7.5 g/kg.
TEST(Anlage, VolumeFlowAtTheMiddleOfTheWindow) {
    Json j = Einheit();
    j.erase("massenstrom");
    j["volumenstrom"] = 5000;
    const auto m = AnlagenMassenstrom(Lesen(j), kDruck);
    ASSERT_TRUE(m);
    // ṁ = V̇ / v, v = (RL + x RD) T / P per kg of dry air.
    EXPECT_NEAR(*m, 5000 * kP * 100 / ((287.1 + 0.0075 * 461.5) * 293.15), 1e-9);
}

// In a project: the unit is written back byte for byte, a unit on a missing series says so in
// the report and keeps the rest of the project computing.
TEST(Anlage, InTheProjectAndTheReport) {
    const std::string datei =
        "{\n"
        "  \"lumora\": 1,\n"
        "  \"eingabe\": [\"40\", \"5\", \"1\", \"0.02\", \"0.002\", \"0.0005\", \"1013.25\"],\n"
        "  \"zustaende\": [\n"
        "    {\"name\": \"A\", \"theta\": 20, \"phi\": 50}\n"
        "  ],\n"
        "  \"prozesse\": [],\n"
        "  \"anlage\": {\n"
        "    \"name\": \"RLT 1\",\n"
        "    \"wetterjahr\": \"Fehlt\",\n"
        "    \"massenstrom\": 6000,\n"
        "    \"zuluft\": {\"theta\": [18, 22], \"x\": [6, null]},\n"
        "    \"eigenes\": true\n"
        "  }\n"
        "}\n";
    const auto p = Projekt::Lesen(datei);
    ASSERT_TRUE(p) << p.grund();
    EXPECT_EQ(p->schreiben(), datei);
    const Berechnung b = Berechnen(*p);
    ASSERT_TRUE(b.anlage);
    EXPECT_NE(b.anlage->fehler.find("„Fehlt“"), std::string::npos);
    EXPECT_TRUE(b.zustaende[0].punkt);
    const Json bericht = BerichtJson(b);
    EXPECT_EQ(bericht["anlage"]["fehler"], b.anlage->fehler);
    EXPECT_EQ(bericht["fehler"].back()["wo"], "anlage");
}

// A drag of a state keeps the year as it was computed; a change to the unit computes it anew.
TEST(Anlage, TheYearIsComputedAgainOnlyWhenTheUnitChanges) {
    auto p = Projekt::Lesen(
        R"({"lumora": 1, "eingabe": ["40", "5", "1", "0.02", "0.002", "0.0005", "1013.25"],
            "zustaende": [{"name": "A", "theta": 20, "phi": 50}], "prozesse": []})");
    ASSERT_TRUE(p);
    Projekt projekt = *p;
    projekt.einfuegen(Liste::Messreihen, 0, MessreiheZuJson(Jahr()));
    projekt.setAnlage(Einheit());
    const Berechnung erste = Berechnen(projekt);
    ASSERT_TRUE(erste.anlage && erste.anlage->jahr) << erste.anlage->fehler;

    Json a = projekt.eintrag(Liste::Zustaende, 0);
    a["theta"] = 21;
    projekt.ersetzen(Liste::Zustaende, 0, a);
    const Berechnung gezogen = Berechnen(projekt, {&erste, true, 0});
    EXPECT_EQ(gezogen.anlage->jahr, erste.anlage->jahr);

    Json einheit = Einheit();
    einheit["massenstrom"] = 3000;
    projekt.setAnlage(einheit);
    const Berechnung geaendert = Berechnen(projekt, {&gezogen, true, std::nullopt});
    ASSERT_TRUE(geaendert.anlage->jahr);
    EXPECT_NE(geaendert.anlage->jahr, erste.anlage->jahr);
    EXPECT_DOUBLE_EQ(geaendert.anlage->jahr->summe.Heizen() * 2,
                     erste.anlage->jahr->summe.Heizen());
}

}  // namespace
}  // namespace lumora
