#include <gtest/gtest.h>

#include <numeric>
#include <string>

#include "projekt/auswertung.h"

namespace lumora {
namespace {

using nlohmann::ordered_json;

// -- CSV dialects ----------------------------------------------------------------------

struct Dialekt {
    const char* name;
    const char* kopf;  // header with "S" for the separator
    char trenner;
    char dezimal;
    bool bom;
    const char* ende;  // line end
    bool zitiert;      // values in quotes
};

// A year of hourly values as a logger writes it: date and time, ϑ and φ with one decimal.
// ϑ and φ run through values given in tenths, so the expected doubles are tenths / 10.
std::string Jahr(const Dialekt& d) {
    std::string s = d.bom ? "\xEF\xBB\xBF" : "";
    const std::string ende = d.ende;
    for (const char* k = d.kopf; *k; ++k) s += *k == 'S' ? d.trenner : *k;
    s += ende;
    const auto zahl = [&](int zehntel) {
        std::string t = std::to_string(zehntel / 10) + d.dezimal + std::to_string(zehntel % 10);
        return d.zitiert ? "\"" + t + "\"" : t;
    };
    for (int i = 0; i < 8760; ++i) {
        const int tag = i / 24 % 28 + 1, monat = i / 24 / 28 % 12 + 1;
        s += (tag < 10 ? "0" : "") + std::to_string(tag) + "." + (monat < 10 ? "0" : "") +
             std::to_string(monat) + ".2024 " + std::to_string(i % 24) + ":00";
        s += d.trenner + zahl(150 + i % 130) + d.trenner + zahl(300 + i % 400) + ende;
    }
    return s + ende + ende;  // empty trailing lines, as spreadsheets leave them
}

class CsvDialekt : public ::testing::TestWithParam<Dialekt> {};

TEST_P(CsvDialekt, ReadsAYearOfHourlyValues) {
    const Dialekt& d = GetParam();
    const auto im = MessreiheAusCsv(Jahr(d), "Büro 2024", "logger.csv");
    ASSERT_TRUE(im) << im.grund();
    EXPECT_EQ(im->trenner, d.trenner);
    EXPECT_EQ(im->dezimaltrenner, d.dezimal);
    EXPECT_EQ(im->uebersprungen, 0u) << im->Meldung();
    const Messreihe& r = im->reihe;
    ASSERT_EQ(r.Punkte(), 8760u);
    ASSERT_EQ(r.zeit.size(), 8760u);
    EXPECT_EQ(r.feuchteart, Feuchteart::Phi);
    EXPECT_EQ(r.zeit[0], "01.01.2024 0:00");
    EXPECT_EQ(r.zeit[8759], "01.02.2024 23:00");  // hour 8759: day 364 = 13 months of 28 days
    for (std::size_t i : {0u, 1u, 129u, 130u, 4321u, 8759u}) {
        EXPECT_EQ(r.theta[i], (150 + static_cast<int>(i) % 130) / 10.0) << i;
        EXPECT_EQ(r.feuchte[i], (300 + static_cast<int>(i) % 400) / 10.0) << i;
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Messreihe, CsvDialekt, ::testing::Values(
    Dialekt{"deutsch",  "DatumSTemperatur [°C]SrF (%)", ';',  ',', false, "\n",   false},
    Dialekt{"englisch", "timeSTSrF",                    ',',  '.', false, "\r\n", false},
    Dialekt{"bom",      "\"Zeit\"S\"ϑ\"S\"φ\"",         ';',  ',', true,  "\r\n", false},
    Dialekt{"tab",      "ZeitSTSrF %",                  '\t', '.', false, "\r",   false},
    Dialekt{"zitiert",  "DatumSTheta [degC]SPhi",       ',',  ',', false, "\n",   true}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

// -- Rows that cannot be read, and files that are refused ------------------------------

TEST(Messreihe, SkipsUnreadableRowsAndNamesTheirLines) {
    const std::string csv =
        "Zeit;T;rF\n"      // 1
        "a;21,5;40\n"      // 2
        "b;21.5;40\n"      // 3: the other decimal separator is not guessed at
        "c;;40\n"          // 4: gap
        "\n"               // 5: blank lines hold no row
        "d;n/a;40\n"       // 6
        "e;22;41;7\n"      // 7: an extra value
        "f;22\n"           // 8: a missing value
        "g;\"22,5\";42\n"  // 9
        "h;1e400;42\n"     // 10: not finite
        "i;\"22;43\n"      // 11: quote not closed
        "j;23,0;44;\n";    // 12: an empty trailing field is allowed
    const auto im = MessreiheAusCsv(csv, "R", "r.csv");
    ASSERT_TRUE(im) << im.grund();
    EXPECT_EQ(im->reihe.theta, (std::vector<double>{21.5, 22.5, 23}));
    EXPECT_EQ(im->reihe.zeit, (std::vector<std::string>{"a", "g", "j"}));
    EXPECT_EQ(im->uebersprungen, 7u);
    EXPECT_EQ(im->ersteZeilen, (std::vector<std::size_t>{3, 4, 6, 7, 8}));
    EXPECT_EQ(im->Meldung(),
              "7 Zeilen konnten nicht gelesen werden und wurden übersprungen: Zeile 3, 4, 6, 7, 8, "
              "….");
}

struct Abgelehnt {
    const char* name;
    std::string daten;
    const char* teil;  // part of the German reason
};

class CsvAbgelehnt : public ::testing::TestWithParam<Abgelehnt> {};

TEST_P(CsvAbgelehnt, IsRefusedWithAReason) {
    const auto im = MessreiheAusCsv(GetParam().daten, "R", "r.csv");
    ASSERT_FALSE(im);
    EXPECT_NE(im.grund().find(GetParam().teil), std::string::npos) << im.grund();
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Messreihe, CsvAbgelehnt, ::testing::Values(
    Abgelehnt{"leer", "", "leer"},
    Abgelehnt{"nurZeilenenden", "\xEF\xBB\xBF \r\n\r\n", "leer"},
    Abgelehnt{"binaer", std::string("PK\x03\x04\0\0\x14\x00", 8) + "Zeit;T;rF\n1;2;3\n", "Binärdaten"},
    Abgelehnt{"langeKopfzeile", "T;rF" + std::string(70'000, ' ') + "\n1;2\n", "länger als 65 536"},
    Abgelehnt{"utf16", "\xFF\xFEZ\0e\0", "UTF-16"},
    Abgelehnt{"ohneSpalten", "Datum;Wert;Messwert 2\n1;2;3\n",
              "keine Spalte für die Temperatur und keine für die Feuchte. Gefundene Spalten: "
              "„Datum“, „Wert“, „Messwert 2“."},
    Abgelehnt{"fahrenheit", "Zeit,Temperatur [°F],rF\n1,70,40\n",
              "Die Spalte „Temperatur [°F]“ ist in „°F“ angegeben; gelesen wird die Temperatur "
              "nur in °C."},
    Abgelehnt{"latin1", "Zeit;Temperatur [\xB0""F];rF\n1;70;40\n", "„Temperatur [°F]“ ist in „°F“"},
    // A second column that contradicts its unit is refused too, not passed over.
    Abgelehnt{"kgProKg", "T [°C];r.F. [%];x [kg/kg]\n20;50;0,007\n",
              "Die Spalte „x [kg/kg]“ ist in „kg/kg“ angegeben; gelesen wird der Wassergehalt "
              "nur in g/kg."},
    Abgelehnt{"feuchteInGramm", "Datum/Uhrzeit;Temperatur [°C];rel. Feuchte [g/kg]\n1;2;3\n",
              "„rel. Feuchte [g/kg]“ ist in „g/kg“ angegeben; gelesen wird die relative Feuchte"},
    Abgelehnt{"ohneFeuchte", "Zeit;T;Druck\n1;2;3\n", "keine Spalte für die Feuchte"},
    Abgelehnt{"keineZeile", "T;rF\nx;y\n", "keine lesbare Messzeile. 1 Zeile konnte"},
    Abgelehnt{"kommaOhneAnfuehrung", "T,rF\n21,5,40,2\n", "keine lesbare Messzeile"}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

// -- Headers as loggers write them -------------------------------------------------------

struct Kopfzeile {
    const char* name;
    const char* kopf;
    Feuchteart art;
    std::vector<std::string> zeit;  // the time texts of the row "01.03.2024;14:30;…"
};

class LoggerKopf : public ::testing::TestWithParam<Kopfzeile> {};

TEST_P(LoggerKopf, NamesTheColumnsWithTheirUnits) {
    const Kopfzeile& k = GetParam();
    const auto im =
        MessreiheAusCsv(std::string(k.kopf) + "\n01.03.2024;14:30;21,5;45,5\n", "R", "r.csv");
    ASSERT_TRUE(im) << im.grund();
    EXPECT_EQ(im->reihe.feuchteart, k.art);
    EXPECT_EQ(im->reihe.zeit, k.zeit);
    EXPECT_EQ(im->reihe.theta, std::vector<double>{21.5});
    EXPECT_EQ(im->reihe.feuchte, std::vector<double>{45.5});
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Messreihe, LoggerKopf, ::testing::Values(
    Kopfzeile{"relFeuchte",  "Datum;Uhrzeit;Temperatur [°C];rel. Feuchte [%]", Feuchteart::Phi,
              {"01.03.2024 14:30"}},
    Kopfzeile{"rF",          "Datum;Uhrzeit;Temperatur [°C];r.F. [%]",         Feuchteart::Phi,
              {"01.03.2024 14:30"}},
    Kopfzeile{"datumUhrzeit", "Datum/Uhrzeit;Nr.;Temperatur [°C];r.F. [%rF]",  Feuchteart::Phi,
              {"01.03.2024"}},
    Kopfzeile{"wassergehalt", "Messpunkt;Datum_Zeit;Lufttemperatur (°C);x [g/kg]", Feuchteart::X,
              {"14:30"}}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

// -- Times and the hours a point stands for ----------------------------------------------

struct Zeittext {
    const char* text;
    std::optional<double> sekunden;  // from 1970-01-01 00:00
};

class Zeiten : public ::testing::TestWithParam<Zeittext> {};

TEST_P(Zeiten, ReadIso8601AndGermanDates) {
    const auto s = ZeitLesen(GetParam().text);
    EXPECT_EQ(s.has_value(), GetParam().sekunden.has_value()) << GetParam().text;
    if (s && GetParam().sekunden) {
        EXPECT_DOUBLE_EQ(*s, *GetParam().sekunden) << GetParam().text;
    }
}

// 2024-03-01 is day 19783 after 1970-01-01 (date -u -d 2024-03-01 +%s gives 1709251200).
constexpr double kMaerz = 1709251200;
// clang-format off
INSTANTIATE_TEST_SUITE_P(Messreihe, Zeiten, ::testing::Values(
    Zeittext{"2024-03-01T14:30:00",       kMaerz + 14 * 3600 + 30 * 60},
    Zeittext{"2024-03-01 14:30",          kMaerz + 14 * 3600 + 30 * 60},
    Zeittext{"2024-03-01T14:30:15.5Z",    kMaerz + 14 * 3600 + 30 * 60 + 15.5},
    Zeittext{"2024-03-01T14:30+01:00",    kMaerz + 13 * 3600 + 30 * 60},
    Zeittext{"2024-03-01T14:30:00-0230",  kMaerz + 17 * 3600},
    Zeittext{"2024-03-01",                kMaerz},
    Zeittext{"01.03.2024 14:30",          kMaerz + 14 * 3600 + 30 * 60},
    Zeittext{" 1.3.2024  9:05:30 ",       kMaerz + 9 * 3600 + 5 * 60 + 30},
    Zeittext{"29.02.2024 00:00",          kMaerz - 86400},
    Zeittext{"1969-12-31T23:00Z",         -3600.0},
    Zeittext{"29.02.2023 00:00",          std::nullopt},  // no leap year
    Zeittext{"2024-13-01",                std::nullopt},
    Zeittext{"01.03.24 14:30",            std::nullopt},  // two-digit year
    Zeittext{"01.03.2024 25:00",          std::nullopt},
    Zeittext{"01.03.2024 14:30+01:00",    std::nullopt},  // an offset only in ISO form
    Zeittext{"01.03.2024 14:30 Uhr",      std::nullopt},
    Zeittext{"3/1/2024 14:30",            std::nullopt},
    Zeittext{"",                          std::nullopt},
    Zeittext{"März",                      std::nullopt}));
// clang-format on

TEST(Messreihe, EachPointStandsForItsIntervalUpToThreeHours) {
    Messreihe r;
    r.theta = {20, 21, 22, 23, 24, 25};
    r.feuchte = {40, 40, 150, 40, 40, 40};  // the third point is impossible
    r.zeit = {"01.03.2024 10:00", "2024-03-01T10:15", "01.03.2024 11:15",
              "01.03.2024 14:15", "01.03.2024 17:15", "01.03.2024 20:16"};
    const auto d = LuftdruckBei(1013);
    ASSERT_TRUE(d);
    const Messauswertung a = MessreiheAuswerten(r, *d);
    ASSERT_TRUE(a.zeitLesbar);
    std::vector<double> stunden;
    for (const Messpunkt& p : a.moeglich) stunden.push_back(p.stunden);
    // 15 min; 1 h (the impossible point is left out, the interval to it stays); exactly 3 h
    // counts; before a gap of 3 h 1 min the 3 h before it; the last point after that gap none.
    EXPECT_EQ(stunden, (std::vector<double>{0.25, 1, 3, 3, 0}));
    EXPECT_EQ(a.moeglich[1].index, 1u);

    r.zeit[4] = "gestern";  // one unreadable time: no hours at all rather than wrong ones
    EXPECT_FALSE(MessreiheAuswerten(r, *d).zeitLesbar);
}

TEST(Messreihe, HoursAtBothEndsAndAroundGaps) {
    const auto stunden = [](std::vector<double> zeitenH) {
        for (double& t : zeitenH) t *= 3600;
        std::vector<double> w;
        for (std::size_t i = 0; i < zeitenH.size(); ++i) w.push_back(PunktStunden(zeitenH, i));
        return w;
    };
    // 48 hourly readings stand for 48 hours: the last one weighs the hour before it.
    std::vector<double> tag(48);
    for (std::size_t i = 0; i < tag.size(); ++i) tag[i] = static_cast<double>(i);
    const std::vector<double> w = stunden(tag);
    EXPECT_EQ(std::accumulate(w.begin(), w.end(), 0.0), 48.0);
    // A gap of 5 h: the point before it takes the interval before it, the point after it its
    // next; a lone point between two gaps and a lone reading stand for nothing.
    EXPECT_EQ(stunden({0, 2, 7, 8}), (std::vector<double>{2, 2, 1, 1}));
    EXPECT_EQ(stunden({0, 1, 5, 9, 10}), (std::vector<double>{1, 1, 0, 1, 1}));
    EXPECT_EQ(stunden({4}), (std::vector<double>{0}));
    // Times that go backwards or repeat count as gaps, never as negative hours.
    EXPECT_EQ(stunden({0, 1, 1, 0.5}), (std::vector<double>{1, 1, 0, 0}));
}

TEST(Messreihe, WaterContentColumnAndLatin1TimeTexts) {
    const auto im = MessreiheAusCsv("Zeit;T;x [g/kg]\nM\xE4rz;20;7,25\n", "R", "r.csv");
    ASSERT_TRUE(im) << im.grund();
    EXPECT_EQ(im->reihe.feuchteart, Feuchteart::X);
    EXPECT_EQ(im->reihe.feuchte, std::vector<double>{7.25});
    EXPECT_EQ(im->reihe.zeit, std::vector<std::string>{"März"});
}

TEST(Messreihe, ProgressCanCancelAndTooManyRowsAreRefused) {
    std::string csv = "T;rF\n";
    for (std::size_t i = 0; i <= kMessreiheMaxPunkte; ++i) csv += "1;2\n";
    double zuletzt = 0;
    const auto ab = MessreiheAusCsv(csv, "R", "r.csv", [&](double anteil) {
        EXPECT_GE(anteil, zuletzt);
        zuletzt = anteil;
        return anteil < 0.5;
    });
    ASSERT_FALSE(ab);
    EXPECT_EQ(ab.grund(), "Der Import wurde abgebrochen.");
    EXPECT_GE(zuletzt, 0.5);
    const auto gross = MessreiheAusCsv(csv, "R", "r.csv");
    ASSERT_FALSE(gross);
    EXPECT_NE(gross.grund().find("mehr als 1 000 000 Messzeilen"), std::string::npos);
}

// -- The project file ------------------------------------------------------------------

TEST(Messreihe, JsonWritesBackWhatItReadIncludingWrongValues) {
    const std::string text =
        R"({"name":"Büro","farbe":"#ff0000","quelle":"l.csv","zeit":["a",7,"c"],)"
        R"("theta":[21.5,20,null],"x":[8.25,"?",9]})";
    const auto r = MessreiheAusJson(ordered_json::parse(text));
    ASSERT_TRUE(r) << r.grund();
    EXPECT_EQ(r->feuchteart, Feuchteart::X);
    EXPECT_TRUE(std::isnan(r->theta[2]));
    EXPECT_TRUE(std::isnan(r->feuchte[1]));
    EXPECT_EQ(MessreiheZuJson(*r).dump(), text);

    const auto d = LuftdruckBei(1013);
    ASSERT_TRUE(d);
    const Messauswertung a = MessreiheAuswerten(*r, *d);
    EXPECT_EQ(a.unmoeglich, 2u);
    ASSERT_EQ(a.moeglich.size(), 1u);
    EXPECT_EQ(a.moeglich[0].xGkg, 8.25);
    EXPECT_EQ(a.moeglich[0].x, 0.00825);
}

class JsonAbgelehnt : public ::testing::TestWithParam<Abgelehnt> {};

TEST_P(JsonAbgelehnt, IsRefusedWithAReason) {
    const auto r = MessreiheAusJson(ordered_json::parse(GetParam().daten));
    ASSERT_FALSE(r);
    EXPECT_NE(r.grund().find(GetParam().teil), std::string::npos) << r.grund();
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Messreihe, JsonAbgelehnt, ::testing::Values(
    Abgelehnt{"laengen", R"({"name":"R","theta":[1,2],"phi":[3]})", "„phi“ hat 1 Werte, „theta“ aber 2."},
    Abgelehnt{"beide", R"({"name":"R","theta":[],"phi":[],"x":[]})", "„phi“ und „x“"},
    Abgelehnt{"keineListe", R"({"name":"R","theta":5,"phi":[]})", "„theta“ der Messreihe ist keine Liste."},
    Abgelehnt{"name", R"({"name":3,"theta":[],"phi":[]})", "„name“ der Messreihe ist kein Text."}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

}  // namespace
}  // namespace lumora
