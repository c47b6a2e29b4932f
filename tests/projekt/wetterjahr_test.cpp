#include <gtest/gtest.h>

#include <string>

#include "projekt/auswertung.h"
#include "projekt/bericht.h"

namespace lumora {
namespace {

using nlohmann::ordered_json;

const Luftdruck kDruck = *LuftdruckBei(1013);

// -- TRY -------------------------------------------------------------------------------

constexpr const char* kKopf2015 =
    "Koordinatensystem : Lambert konform konisch\n"
    "Hoehenlage        : 186 Meter ueber NN\n"
    "Format: (i7,1x,i7)\n"
    "MM Monat {1..12}\n"
    "x  Wasserdampfgehalt, Mischungsverhaeltnis [g/kg]\n"
    "\n"
    "     RW      HW MM DD HH     t    p  WR   WG N    x  RF    B    D   A    E IL\n";

// One hour of the 2015 edition: month, day, hour, t, p and x in their columns.
std::string Stunde2015(int mm, int dd, int hh, const char* t, int p, const char* x) {
    return "3731500 2677500 " + std::to_string(mm) + " " + std::to_string(dd) + " " +
           std::to_string(hh) + " " + t + " " + std::to_string(p) + " 258 1.8 6 " + x +
           " 95 0 0 223 -289 2\n";
}

// The editions' column orders, with and without the line of stars, read to the same hours;
// lines that are not an hour are skipped and named.
TEST(Try, BothColumnOrdersWithAndWithoutStars) {
    const std::string stunden2015 = Stunde2015(1, 1, 1, "-2.0", 999, "3.2") +
                                    Stunde2015(1, 1, 2, "-2.3", 997, "3.1") +
                                    Stunde2015(12, 31, 24, "4.5", 1001, "5.0");
    const std::string try2011 =
        "Ort : Aachen\n"
        "Hoehenlage : 202 Meter\n"
        "RG IS MM DD HH N WR WG t p x RF W B D IK A E IL\n"
        "***\n"
        "5 1 1 1 1 6 258 1.8 -2.0 999 3.2 95 0 0 0 0 223 -289 2\n"
        "5 1 1 1 2 4 226 1.7 -2.3 997 3.1 93 0 0 0 0 219 -289 2\n"
        "5 1 12 31 24 4 226 1.7 4.5 1001 5.0 93 0 0 0 0 219 -289 2\n";
    for (const std::string& datei : {std::string(kKopf2015) + "***\n" + stunden2015,
                                     std::string(kKopf2015) + stunden2015, try2011}) {
        const auto im = MessreiheLesen(datei, "TRY", "try.dat");
        ASSERT_TRUE(im) << im.grund();
        const Messreihe& r = im->reihe;
        EXPECT_EQ(r.art, Reihenart::Wetterjahr);
        EXPECT_EQ(r.format, "TRY");
        EXPECT_EQ(im->uebersprungen, 0u) << im->Meldung();
        ASSERT_EQ(r.Punkte(), 3u);
        EXPECT_EQ(r.theta, (std::vector<double>{-2.0, -2.3, 4.5}));
        EXPECT_EQ(r.feuchte, (std::vector<double>{3.2, 3.1, 5.0}));
        EXPECT_EQ(r.monat, (std::vector<double>{1, 1, 12}));
        EXPECT_EQ(r.stunde, (std::vector<double>{1, 2, 24}));
        EXPECT_NEAR(*r.druck, (999 + 997 + 1001) / 3.0, 1e-12);
    }
    const auto mitOrt = MessreiheLesen(try2011, "TRY", "try.dat");
    EXPECT_EQ(mitOrt->reihe.ort, "Aachen");
    EXPECT_EQ(mitOrt->reihe.hoehe, 202);
    EXPECT_EQ(mitOrt->Zusammenfassung(),
              "TRY: 3 Stunden gelesen, Aachen, Höhe 202 m, mittlerer Luftdruck 999 hPa.");

    // Hour 25, month 13, text in a number field, a short line: skipped, counted and named.
    const std::string schlecht = std::string(kKopf2015) + "***\n" + stunden2015 +
                                 Stunde2015(1, 2, 25, "1.0", 999, "3.0") +
                                 Stunde2015(13, 1, 1, "1.0", 999, "3.0") +
                                 Stunde2015(1, 2, 1, "abc", 999, "3.0") + "3731500 2677500 1 2\n";
    const auto im = MessreiheLesen(schlecht, "TRY", "try.dat");
    ASSERT_TRUE(im);
    EXPECT_EQ(im->reihe.Punkte(), 3u);
    EXPECT_EQ(im->Meldung(),
              "4 Zeilen konnten nicht gelesen werden und wurden übersprungen: "
              "Zeile 12, 13, 14, 15.");
}

TEST(Try, RefusedWithTheLineOfTheColumnNames) {
    const auto ohneX = MessreiheLesen("Kopf\nMM DD HH t p\n1 1 1 2.0 999\n", "T", "t.dat");
    ASSERT_FALSE(ohneX);
    EXPECT_EQ(
        ohneX.grund(),
        "Zeile 2: Die Spaltenzeile der TRY-Datei nennt keine Spalte „x“ (Wasserdampfgehalt).");
    const auto leer = MessreiheLesen("MM DD HH t x\n***\n", "T", "t.dat");
    ASSERT_FALSE(leer);
    EXPECT_EQ(leer.grund(), "Die Datei enthält keine lesbare Stunde.");
}

// -- EPW -------------------------------------------------------------------------------

// x = 622 pD / (p - pD) with pD by the Magnus form over water, worked out by hand (Python):
// hour 1 from its dew point 2 °C at 980 hPa; hour 2 from 75 % at -3 °C at the pressure of the
// elevation 200 m, 1013.25 (1 - 0.0065 200 / 288.15)^5.255 = 989.4571762067299 hPa; hour 7
// from its dew point -1.5 °C (over water, not ice) at 1001 hPa.
TEST(Epw, MissingValuesAndThePressureFromTheElevation) {
    std::string datei = "LOCATION,Testort,NW,DEU,Quelle,104100,51.4,6.96,1.0,200.0\n";
    for (const char* k :
         {"DESIGN CONDITIONS,0", "TYPICAL/EXTREME PERIODS,0", "GROUND TEMPERATURES,0",
          "HOLIDAYS/DAYLIGHT SAVINGS,No,0,0,0", "COMMENTS 1,x", "COMMENTS 2,y",
          "DATA PERIODS,1,1,Data,Monday, 1/ 1,12/31"}) {
        datei += std::string(k) + "\n";
    }
    datei +=
        "2005,1,1,1,0,?9,5.0,2.0,80,98000,0,0,319\n"     // dew point
        "2005,1,1,2,0,?9,-3.0,99.9,75,999999,0,0,319\n"  // humidity, elevation
        "2005,1,1,3,0,?9,99.9,1.0,80,98000,0,0,319\n"    // no temperature
        "2005,1,1,4,0,?9,4.0,99.9,999,98000,0,0,319\n"   // no humidity at all
        "2005,1,1\n"                                     // too short: skipped
        "2005,13,1,5,0,?9,4.0,1.0,80,98000,0,0,319\n"    // month 13: skipped
        "2005,1,1,7,0,?9,-1.5,-1.5,100,100100,0,0,0,0,0,0,0,0,0,0\n";
    const auto im = MessreiheLesen(datei, "EPW", "e.epw");
    ASSERT_TRUE(im) << im.grund();
    const Messreihe& r = im->reihe;
    EXPECT_EQ(r.format, "EPW");
    EXPECT_EQ(r.ort, "Testort");
    EXPECT_EQ(r.hoehe, 200);
    ASSERT_EQ(r.Punkte(), 5u);
    EXPECT_EQ(im->Meldung(),
              "2 Zeilen konnten nicht gelesen werden und wurden übersprungen: "
              "Zeile 13, 14.");
    EXPECT_NEAR(r.feuchte[0], 4.512396285420955, 1e-12);
    EXPECT_NEAR(r.feuchte[1], 2.3157254311323094, 1e-12);
    EXPECT_TRUE(std::isnan(r.theta[2]));
    EXPECT_TRUE(std::isnan(r.feuchte[3]));
    EXPECT_NEAR(r.feuchte[4], 3.418207436511585, 1e-12);
    EXPECT_NEAR(*r.druck, (980 + 980 + 980 + 1001) / 4.0, 1e-12);  // hours with a pressure
    const Messauswertung a = MessreiheAuswerten(r, kDruck);
    EXPECT_EQ(a.punkte, 5u);
    EXPECT_EQ(a.unmoeglich, 2u);
    EXPECT_EQ(a.Stunden(), 3);

    // Without an elevation an hour without a pressure is impossible; a place in Windows-1252
    // is read as such.
    const auto ohneHoehe = MessreiheLesen(
        "LOCATION,K\xF6ln \x96 "
        "Bonn,,,,,,,,\n2\n3\n4\n5\n6\n7\n8\n2005,1,1,2,0,?9,-3.0,99.9,75,999999\n",
        "E", "e.epw");
    ASSERT_TRUE(ohneHoehe) << ohneHoehe.grund();
    EXPECT_EQ(ohneHoehe->reihe.ort, "Köln – Bonn");
    EXPECT_TRUE(std::isnan(ohneHoehe->reihe.feuchte[0]));
}

// -- In the project --------------------------------------------------------------------

std::string Wetterjahr(const std::string& einstellungen, const std::string& monat,
                       const std::string& stunde, const std::string& theta, const std::string& x) {
    const auto n = std::count(theta.begin(), theta.end(), ',') + 1;
    std::string tag = "[";
    for (long i = 0; i < n; ++i) tag += i ? ", 1" : "1";
    return R"({"name": "W", "quelle": "w.dat", "art": "wetterjahr", "format": "TRY", )" +
           einstellungen + R"("monat": [)" + monat + R"(], "tag": )" + tag + R"(], "stunde": [)" +
           stunde + R"(], "theta": [)" + theta + R"(], "x": [)" + x + "]}";
}

Messauswertung Auswerten(const std::string& json) {
    const auto r = MessreiheAusJson(ordered_json::parse(json));
    EXPECT_TRUE(r) << r.grund();
    return r ? MessreiheAuswerten(*r, kDruck) : Messauswertung{};
}

TEST(Wetterjahr, RoundTripKeepsEveryByteAndUnknownKeys) {
    const std::string text = Wetterjahr(
        R"("ort": "Aachen", "hoehe": 186, "druck": 993.7, "zeitfenster": {"monate": [10, 4]},
           "klassen": [2, 0.5], "ueberschreitung": 1, "haeufigkeitskarte": true, "eigen": [1], )",
        "1, 12", "1, 24", "-2, null", "3.2, 4");
    const auto r = MessreiheAusJson(ordered_json::parse(text));
    ASSERT_TRUE(r) << r.grund();
    EXPECT_EQ(MessreiheZuJson(*r).dump(), ordered_json::parse(text).dump());
    EXPECT_EQ(r->klassen.dtheta, 2);
    EXPECT_TRUE(r->haeufigkeitskarte);
}

// The windows at their edges: HH = 1 and 24, December to January, and past midnight.
TEST(Wetterjahr, TimeWindowsWrapAtTheirEdges) {
    const std::string monate = "12, 12, 1, 1, 6, 6";
    const std::string stunden = "1, 24, 1, 24, 7, 18";
    const std::string theta = "1, 2, 3, 4, 5, 6", x = "3, 3, 3, 3, 3, 3";
    const auto gezaehlt = [&](const std::string& fenster) {
        const Messauswertung a =
            Auswerten(Wetterjahr(R"("zeitfenster": )" + fenster + ", ", monate, stunden, theta, x));
        std::vector<double> t;
        for (const Messpunkt& p : a.moeglich) t.push_back(p.theta);
        EXPECT_EQ(a.punkte, t.size());
        return t;
    };
    EXPECT_EQ(gezaehlt(R"({"monate": [12, 1]})"), (std::vector<double>{1, 2, 3, 4}));
    EXPECT_EQ(gezaehlt(R"({"monate": [6, 6]})"), (std::vector<double>{5, 6}));
    EXPECT_EQ(gezaehlt(R"({"stunden": [6, 18]})"), (std::vector<double>{5, 6}));
    EXPECT_EQ(gezaehlt(R"({"stunden": [22, 6]})"), (std::vector<double>{1, 2, 3, 4}));
    EXPECT_EQ(gezaehlt(R"({"stunden": [0, 1]})"), (std::vector<double>{1, 3}));
    EXPECT_EQ(gezaehlt(R"({"stunden": [23, 24]})"), (std::vector<double>{2, 4}));
    EXPECT_EQ(gezaehlt(R"({"monate": [12, 1], "stunden": [0, 23]})"), (std::vector<double>{1, 3}));

    for (const auto& [fenster, grund] :
         {std::pair{R"({"monate": [0, 4]})",
                    "„zeitfenster“: „monate“ ist keine Liste [von, bis] aus ganzen Zahlen von 1 "
                    "bis 12."},
          std::pair{R"({"stunden": [6.5, 18]})",
                    "„zeitfenster“: „stunden“ ist keine Liste [von, bis] aus ganzen Zahlen von 0 "
                    "bis 24."},
          std::pair{R"({"stunden": [24, 0]})",
                    "„zeitfenster“: „stunden“ [24, 0] umfasst keine Stunde des Tages."}}) {
        const auto r = MessreiheAusJson(ordered_json::parse(Wetterjahr(
            R"("zeitfenster": )" + std::string(fenster) + ", ", monate, stunden, theta, x)));
        ASSERT_FALSE(r) << fenster;
        EXPECT_EQ(r.grund(), grund);
    }
}

// Classes by floor, not truncation: -0.5 °C lies in -1..0; 0.3/0.1 stays in class 3.
TEST(Wetterjahr, ClassesFloorAtNegativeTemperatures) {
    const Messauswertung a =
        Auswerten(Wetterjahr(R"("klassen": [0.1, 1], )", "1, 1, 1, 1", "1, 2, 3, 4",
                             "-0.5, -0.05, 0.3, 0.3", "2.5, 2.5, 2.999, 3"));
    ASSERT_TRUE(a.haeufigkeit);
    const auto& k = a.haeufigkeit->klassen;
    ASSERT_EQ(k.size(), 4u);
    EXPECT_EQ(k[0].theta, -0.5);
    EXPECT_EQ(k[1].theta, -0.1);
    EXPECT_EQ(k[2].theta, 0.3);
    EXPECT_EQ(k[2].x, 2);
    EXPECT_EQ(k[3].x, 3);
    EXPECT_EQ(a.haeufigkeit->Bei(-0.05, 2.5), &k[1]);
    EXPECT_EQ(a.haeufigkeit->Bei(0.35, 3.5), &k[3]);
    EXPECT_EQ(a.haeufigkeit->Bei(5, 3), nullptr);
    // A width far too small for any class number still classes without overflow.
    const Messauswertung fein =
        Auswerten(Wetterjahr(R"("klassen": [1e-300, 1], )", "1", "1", "20", "3"));
    ASSERT_TRUE(fein.haeufigkeit);
    EXPECT_EQ(fein.haeufigkeit->klassen.size(), 1u);
    EXPECT_EQ(Klassentabelle(*a.haeufigkeit),
              "ϑ \\ x [g/kg];2;3\n-0.5;1;0\n-0.4;0;0\n-0.3;0;0\n-0.2;0;0\n-0.1;1;0\n0;0;0\n"
              "0.1;0;0\n0.2;0;0\n0.3;1;1\n");
}

// The (k + 1)-th value from the top, ties counted one by one; none with n <= k.
TEST(Wetterjahr, DesignValuesWithTiesAndTooFewHours) {
    const std::string monat = "1, 1, 1, 1, 1", stunde = "1, 2, 3, 4, 5";
    const Messauswertung a = Auswerten(Wetterjahr(R"("ueberschreitung": 2, )", monat, stunde,
                                                  "30, 30, 30, 20, -5", "9, 12, 8, 12, 2"));
    ASSERT_TRUE(a.auslegung);
    EXPECT_EQ(a.auslegung->k, 2);
    EXPECT_EQ(a.auslegung->thetaMax, 30);
    EXPECT_EQ(a.auslegung->xMax, 9);
    EXPECT_EQ(a.auslegung->thetaMin, 30);
    // h from the top: 60.82 (30 °C, 12 g/kg), 53.15 (30, 9), 50.5964 (30, 8), 50.5464 (20, 12).
    EXPECT_NEAR(a.auslegung->hMax, 50.5964, 1e-9);
    EXPECT_FALSE(Auswerten(Wetterjahr(R"("ueberschreitung": 5, )", monat, stunde,
                                      "30, 30, 30, 20, -5", "9, 12, 8, 12, 2"))
                     .auslegung);
    EXPECT_TRUE(Auswerten(Wetterjahr(R"("ueberschreitung": 0, )", monat, stunde,
                                     "30, 30, 30, 20, -5", "9, 12, 8, 12, 2"))
                    .auslegung);
}

}  // namespace
}  // namespace lumora
