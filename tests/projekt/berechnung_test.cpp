#include "projekt/berechnung.h"

#include <gtest/gtest.h>

#include <string>

#include "projekt/bearbeiten.h"
#include "projekt/bericht.h"

namespace lumora {
namespace {

const std::string kEingabe = R"("eingabe": ["50", "10", "5", "0.03", "0.005", "0.0025", "1013"])";

Projekt Lies(const std::string& zustaende, const std::string& prozesse,
             const std::string& eingabe = kEingabe) {
    const auto p = Projekt::Lesen(R"({"lumora": 1, )" + eingabe + R"(, "zustaende": [)" +
                                  zustaende + R"(], "prozesse": [)" + prozesse + "]}");
    EXPECT_TRUE(p) << p.grund();
    return p ? *p : Projekt(Feldtexte{});
}

Berechnung Rechne(const std::string& zustaende, const std::string& prozesse,
                  const std::string& eingabe = kEingabe) {
    return Berechnen(Lies(zustaende, prozesse, eingabe));
}

// The CSV of the project's report, with a decimal comma.
std::string Csv(const std::string& zustaende, const std::string& prozesse,
                const std::string& eingabe = kEingabe) {
    const Projekt p = Lies(zustaende, prozesse, eingabe);
    return Tabelle(p, Berechnen(p), ",");
}

struct Eintrag {
    std::string json;
    std::string meldung;  // a part of the reason; empty: any reason
};

class KeptState : public testing::TestWithParam<Eintrag> {};

TEST_P(KeptState, ReasonAndTheOthersStillWork) {
    const Berechnung b = Rechne(R"({"name": "A", "theta": 20, "phi": 50}, )" + GetParam().json +
                                    R"(, {"name": "Z", "theta": 25, "x": 8})",
                                R"({"art": "heizen", "von": "A", "nach": "A1", "theta": 30})");
    ASSERT_EQ(b.zustaende.size(), 3u);
    EXPECT_FALSE(b.zustaende[1].punkt);
    EXPECT_FALSE(b.zustaende[1].fehler.empty());
    EXPECT_NE(b.zustaende[1].fehler.find(GetParam().meldung), std::string::npos)
        << b.zustaende[1].fehler;
    EXPECT_TRUE(b.zustaende[0].punkt);
    EXPECT_TRUE(b.zustaende[2].punkt);
    EXPECT_TRUE(b.prozesse[0].ende) << b.prozesse[0].fehler;
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Zustaende, KeptState, testing::Values(
    Eintrag{R"(7)", "kein JSON-Objekt"},
    Eintrag{R"({"theta": 20, "phi": 50})", "„name“ fehlt"},
    Eintrag{R"({"name": "", "theta": 20, "phi": 50})", "Der Name ist leer"},
    Eintrag{R"({"name": ["B"], "theta": 20, "phi": 50})", "ist kein Name"},
    Eintrag{R"({"name": "0123456789012345678901234567890123456789x", "theta": 20, "phi": 50})", "länger als 40"},
    Eintrag{R"({"name": "A", "theta": 20, "phi": 50})", "trägt schon zustaende[0]"},
    Eintrag{R"({"name": "B"})", "Es fehlt ein Wertepaar"},
    Eintrag{R"({"name": "B", "theta": 20})", "Zu „theta“ fehlt"},
    Eintrag{R"({"name": "B", "h": 40, "phi": 50})", "kein eindeutiges Wertepaar"},
    Eintrag{R"({"name": "B", "theta": 20, "phi": 50, "x": 5})", "kein eindeutiges Wertepaar"},
    Eintrag{R"({"name": "B", "theta": "20", "phi": 50})", "„theta“ ist keine Zahl"},
    Eintrag{R"({"name": "B", "theta": 20, "phi": 150})", ""},
    Eintrag{R"({"name": "B", "h": 40, "x": -1})", ""}
));
// clang-format on

TEST(Prozesskette, ChainsAndBrokenChains) {
    const Berechnung b =
        Rechne(R"({"name": "A", "theta": 10, "phi": 50}, {"name": "K", "theta": 20, "phi": 150})",
               R"({"art": "heizen", "von": "A", "nach": "A1", "theta": 20, "massenstrom": 1000},
           {"art": "heizen", "von": "A1", "nach": "A2", "theta": 30},
           {"art": "heizen", "von": "A4", "nach": "A3", "theta": 40},
           {"art": "heizen", "von": "A2", "nach": "A4", "theta": 45},
           {"art": "heizen", "von": "K", "nach": "K1", "theta": 30},
           {"art": "heizen", "von": "K1", "nach": "K2", "theta": 40},
           {"art": "heizen", "von": "A", "nach": "A", "theta": 40},
           {"art": "heizen", "von": "A5", "nach": "A5", "theta": 40},
           {"art": "fliegen", "von": "A", "nach": "F"},
           {"art": "befeuchten_wasser", "von": "A", "nach": "W", "wasser": 10, "phi": 60, "x": 9},
           {"art": "mischen", "von": "A", "nach": "M", "massenstroeme": [1, 2]},
           {"art": "mischen", "von": ["A", "K"], "nach": "M2", "aussenluftanteil": 30, "massenstroeme": [1, 2]},
           {"art": "heizen", "von": "A", "nach": "H", "theta": 40, "massenstrom": 0})");
    const char* meldungen[] = {"",
                               "",
                               "„A4“ macht erst ein späterer Prozess",
                               "",
                               "„K“ ist nicht berechnet",
                               "„K1“ ist nicht berechnet",
                               "trägt schon zustaende[0]",
                               "„A5“ gibt es nicht",
                               "„fliegen“ ist unbekannt",
                               "Mehr als ein Ziel",
                               "zwei Namen",
                               "beide angegeben",
                               "größer als 0"};
    ASSERT_EQ(b.prozesse.size(), std::size(meldungen));
    for (std::size_t i = 0; i < b.prozesse.size(); ++i) {
        const BerechneterProzess& r = b.prozesse[i];
        EXPECT_EQ(r.ende.has_value(), std::string(meldungen[i]).empty()) << i << r.fehler;
        EXPECT_NE(r.fehler.find(meldungen[i]), std::string::npos) << i << ": " << r.fehler;
    }
    // Heating keeps the water content along the whole chain.
    EXPECT_EQ(b.prozesse[3].ende->zustand.x, b.zustaende[0].punkt->zustand.x);
    EXPECT_EQ(b.prozesse[3].start[0].name, "A2");
    EXPECT_TRUE(b.prozesse[0].leistung);
    EXPECT_FALSE(b.prozesse[1].leistung);
}

TEST(Prozesskette, RefusedInputIsEveryEntrysReason) {
    const Berechnung b =
        Rechne(R"({"name": "A", "theta": 10, "phi": 50})",
               R"({"art": "heizen", "von": "A", "nach": "A1", "theta": 20})",
               R"("eingabe": ["0", "10", "5", "0.03", "0.005", "0.0025", "1013"])");
    EXPECT_FALSE(b.eingabe);
    EXPECT_NE(b.zustaende[0].fehler.find("Die Eingabe ergibt kein Diagramm"), std::string::npos);
    EXPECT_NE(b.prozesse[0].fehler.find("Die Eingabe ergibt kein Diagramm"), std::string::npos);
}

// The example project of the file format's description.
const std::string kBeispielZustaende =
    R"({"name": "AUL", "theta": 32, "phi": 40}, {"name": "ABL", "theta": 26, "x": 10.5},
       {"name": "HEISS", "theta": 120, "x": 10}, {"name": "X", "theta": 20, "phi": 500})";
const std::string kBeispielProzesse =
    R"({"art": "mischen", "von": ["AUL", "ABL"], "nach": "MI", "massenstroeme": [2000, 6000],
        "massenstrom": 8000},
       {"art": "kuehlen", "von": "MI", "nach": "ZUL", "oberflaeche": 9, "bypass": 0.1,
        "massenstrom": 8000})";

TEST(Bericht, ShapeNullsAndFigures) {
    const Berechnung b = Rechne(kBeispielZustaende, kBeispielProzesse);
    const JsonGelesen gelesen = JsonLesen(BerichtText(b));
    ASSERT_TRUE(gelesen.fehler.empty()) << gelesen.fehler;
    const Json& j = gelesen.wert;
    std::string schluessel;
    for (const auto& [k, v] : j.items()) schluessel += k + " ";
    EXPECT_EQ(schluessel, "zustaende prozesse fehler ");
    schluessel.clear();
    for (const auto& [k, v] : j["zustaende"][0].items()) schluessel += k + " ";
    EXPECT_EQ(schluessel, "name theta x phi h pD taupunkt kuehlgrenze rho v nebel wasser eis X Y ");
    schluessel.clear();
    for (const auto& [k, v] : j["prozesse"][0].items()) schluessel += k + " ";
    EXPECT_EQ(schluessel, "art von nach dtheta dx dh leistung wasser massenstrom volumenstrom ");

    // Entered states, then the ones processes make; X is left out and named in fehler.
    ASSERT_EQ(j["zustaende"].size(), 5u);
    EXPECT_EQ(j["zustaende"][3]["name"], "MI");
    EXPECT_TRUE(j["zustaende"][2]["phi"].is_null());  // above the boiling temperature
    EXPECT_EQ(j["fehler"], Json::parse(R"([{"wo": "zustaende[3]", "meldung": ")" +
                                       b.zustaende[3].fehler + R"("}])"));
    EXPECT_TRUE(j["prozesse"][0]["leistung"].is_null());  // mixing, whatever its mass flow
    EXPECT_EQ(j["prozesse"][0]["von"], Json({"AUL", "ABL"}));
    // Full precision: the text reads back to the computed double.
    EXPECT_EQ(j["zustaende"][0]["x"].get<double>(), b.zustaende[0].punkt->zustand.x * 1000);

    // The figures of the documented example, rounded there to four decimals.
    const Json& aul = j["zustaende"][0];
    EXPECT_NEAR(aul["x"].get<double>(), 11.9175, 1e-4);
    EXPECT_NEAR(aul["h"].get<double>(), 62.6632, 1e-4);
    EXPECT_NEAR(aul["pD"].get<double>(), 19.0442, 1e-4);
    EXPECT_NEAR(aul["X"].get<double>(), 4767.0167, 1e-4);
    EXPECT_NEAR(aul["Y"].get<double>(), 2740.9069, 1e-4);
    const Json& kuehlen = j["prozesse"][1];
    EXPECT_NEAR(kuehlen["dtheta"].get<double>(), -16.6413, 1e-4);
    EXPECT_NEAR(kuehlen["dx"].get<double>(), -3.3449, 1e-4);
    EXPECT_NEAR(kuehlen["leistung"].get<double>(), -56.6449, 1e-4);
    EXPECT_NEAR(kuehlen["wasser"].get<double>(), -26.7589, 1e-4);
}

// A volume flow of moist air at the start state: 1000 m³/h of air at 20 °C and 50 % is
// ṁ = V̇ ρ / (1 + x) = 1189.7004 kg/h of dry air (v = 0.8405477 m³/kg, worked out by hand).
TEST(Prozesskette, VolumeFlowGivesTheMassFlow) {
    const std::string a = R"({"name": "A", "theta": 20, "phi": 50})";
    const Berechnung b =
        Rechne(a, R"({"art": "heizen", "von": "A", "nach": "H", "theta": 30, "volumenstrom": 1000},
              {"art": "heizen", "von": "A", "nach": "M", "theta": 30, "massenstrom": 1189.7004181522066},
              {"art": "heizen", "von": "A", "nach": "X", "theta": 30, "massenstrom": 1, "volumenstrom": 1},
              {"art": "heizen", "von": "A", "nach": "Y", "theta": 30, "volumenstrom": 0})");
    ASSERT_TRUE(b.prozesse[0].massenstrom) << b.prozesse[0].fehler;
    EXPECT_NEAR(*b.prozesse[0].massenstrom, 1189.7004181522066, 1e-9);
    EXPECT_EQ(*b.prozesse[0].volumenstrom, 1000);
    EXPECT_NEAR(*b.prozesse[0].leistung, *b.prozesse[1].leistung, 1e-9);
    EXPECT_NEAR(*b.prozesse[1].volumenstrom, 1000, 1e-9);
    EXPECT_NE(b.prozesse[2].fehler.find("beide angegeben"), std::string::npos);
    EXPECT_NE(b.prozesse[3].fehler.find("größer als 0"), std::string::npos);
    const Json j = JsonLesen(BerichtText(b)).wert;
    EXPECT_EQ(j["prozesse"][0]["volumenstrom"], 1000.0);
    EXPECT_NEAR(j["prozesse"][0]["massenstrom"].get<double>(), 1189.7004181522066, 1e-9);
}

// Cooling and reheating are summed apart, not into one net power; heat recovery buys none.
TEST(Bericht, TotalsByWhatTheyCost) {
    const std::string zustaende =
        R"({"name": "A", "theta": 30, "phi": 50}, {"name": "F", "theta": 20, "phi": 40})";
    const std::string prozesse =
        R"({"art": "kuehlen", "von": "A", "nach": "K", "oberflaeche": 10, "massenstrom": 1000},
           {"art": "heizen", "von": "K", "nach": "H", "theta": 18, "massenstrom": 1000},
           {"art": "befeuchten_dampf", "von": "H", "nach": "D", "dampf": 100, "dx": 1, "massenstrom": 1000},
           {"art": "waermerueckgewinnung", "von": ["D", "F"], "nach": "W", "rueckwaermzahl": 0.5, "massenstrom": 1000},
           {"art": "heizen", "von": "fehlt", "nach": "X", "theta": 50, "massenstrom": 1000})";
    const Berechnung b = Rechne(zustaende, prozesse);
    const Summen s = SummenVon(b.prozesse);
    EXPECT_EQ(s.kuehlen, *b.prozesse[0].leistung);
    EXPECT_LT(s.kuehlen, 0);
    EXPECT_EQ(s.kondensat, *b.prozesse[0].wasser);
    // The steam humidifier's enthalpy is humidifying, never the heater's power.
    EXPECT_EQ(s.heizen, *b.prozesse[1].leistung);
    EXPECT_EQ(s.befeuchtenLeistung, *b.prozesse[2].leistung);
    EXPECT_GT(s.befeuchtenLeistung, 0.7);  // 1000 kg/h of steam at 100 °C taking up 1 g/kg
    EXPECT_EQ(s.befeuchten, *b.prozesse[2].wasser);
    EXPECT_NEAR(s.befeuchten, 1, 1e-12);  // 1000 kg/h taking up 1 g/kg
    // The rows show amounts: the word says the direction, no number has a minus sign.
    const auto zeilen = SummenzeilenVon(s);
    EXPECT_EQ(zeilen[0].leistung, s.heizen);
    EXPECT_FALSE(zeilen[0].wasser);
    EXPECT_EQ(zeilen[1].wasser, s.befeuchten);
    EXPECT_EQ(zeilen[2].leistung, -s.kuehlen);
    EXPECT_EQ(zeilen[2].wasser, -s.kondensat);
    const std::string tabelle = Csv(zustaende, prozesse);
    const auto kuehlen = tabelle.find("Summe Kühlen (entzogen, Kondensat abgeschieden);;;;;;;;;");
    ASSERT_NE(kuehlen, std::string::npos) << tabelle;
    EXPECT_NE(tabelle[tabelle.find(";;;;;;;;;", kuehlen) + 9], '-') << tabelle;
    EXPECT_NE(tabelle.find("Summe Heizen (zugeführt);"), std::string::npos) << tabelle;
    EXPECT_NE(tabelle.find("Summe Befeuchten (zugeführt);"), std::string::npos) << tabelle;
    // Each process row carries its parameters as the window shows them.
    EXPECT_NE(tabelle.find(";K;ϑO = 10 °C, ṁ = 1000 kg/h;"), std::string::npos) << tabelle;
    EXPECT_NE(tabelle.find(";W;Φ = 0,5, ṁ = 1000 kg/h;"), std::string::npos) << tabelle;
}

// A cooler given by the end it makes reports the surface it found; a heat recovery its exhaust
// side. The other processes keep their keys.
TEST(Bericht, FoundSurfaceAndExhaustSide) {
    const std::string zustaende =
        R"({"name": "A", "theta": 30, "x": 10}, {"name": "AUL", "theta": -5, "x": 2},
           {"name": "ABL", "theta": 22, "x": 6.5})";
    const std::string prozesse =
        R"({"art": "kuehlen", "von": "A", "nach": "K1", "theta": 13, "bypass": 0.1},
           {"art": "kuehlen", "von": "A", "nach": "K2", "x": 8, "bypass": 0.1, "massenstrom": 1000},
           {"art": "kuehlen", "von": "A", "nach": "K3", "oberflaeche": 9, "bypass": 0.1},
           {"art": "kuehlen", "von": "A", "nach": "K4", "bypass": 0.1},
           {"art": "kuehlen", "von": "A", "nach": "K5", "oberflaeche": 9, "theta": 13},
           {"art": "waermerueckgewinnung", "von": ["AUL", "ABL"], "nach": "W", "rueckwaermzahl": 0.7,
            "massenstrom": 5000, "massenstrom_abluft": 4000},
           {"art": "waermerueckgewinnung", "von": ["ABL", "A"], "nach": "S", "rueckwaermzahl": 0.5})";
    const Berechnung b = Rechne(zustaende, prozesse);
    EXPECT_EQ(b.prozesse[3].fehler, "Es fehlt ein Ziel: „oberflaeche“, „theta“, „x“.");
    EXPECT_EQ(b.prozesse[4].fehler, "Mehr als ein Ziel: „oberflaeche“, „theta“.");
    const Json j = JsonLesen(BerichtText(b)).wert;
    ASSERT_EQ(j["prozesse"].size(), 5u);
    EXPECT_NEAR(j["prozesse"][0]["oberflaeche"].get<double>(), 11.105031495145211, 1e-9);
    EXPECT_NEAR(j["prozesse"][1]["oberflaeche"].get<double>(), 10.260760966510674, 1e-9);
    EXPECT_NEAR(j["prozesse"][1]["dx"].get<double>(), -2, 1e-12);
    EXPECT_FALSE(j["prozesse"][2].contains("oberflaeche"));  // given, not found
    const Json& w = j["prozesse"][3];
    std::string schluessel;
    for (const auto& [k, v] : w.items()) schluessel += k + " ";
    EXPECT_EQ(schluessel,
              "art von nach dtheta dx dh leistung wasser massenstrom volumenstrom fortluft ");
    EXPECT_NEAR(w["fortluft"]["theta"].get<double>(), -1.430581364481019, 1e-9);
    EXPECT_EQ(w["fortluft"]["warnung"],
              "Kondensat und Vereisungsgefahr: die Fortluft kühlt auf -1,43058 °C ab, unter ihren "
              "Taupunkt 7,63871 °C und unter 0 °C.");
    EXPECT_TRUE(j["prozesse"][4]["fortluft"]["warnung"].is_null());
    // The table names the found surface and the exhaust outlet in the process's note.
    const std::string tabelle = Csv(zustaende, prozesse);
    EXPECT_NE(
        tabelle.find(";K2;x = 8 g/kg, BF = 0,1, ṁ = 1000 kg/h;-17,76;-2,000;-23,22;1000,0;873,0;"
                     "-6,45;-2,00;ϑO = 10,26 °C\n"),
        std::string::npos)
        << tabelle;
    EXPECT_NE(tabelle.find("\"Fortluft ϑ = -1,43 °C; Kondensat und Vereisungsgefahr: "),
              std::string::npos)
        << tabelle;
}

// A lower limit of 0 is the chart without one: every computed number and byte the same.
TEST(Winter, LimitZeroComputesAsWithout) {
    const std::string mitNull = kEingabe + R"(, "theta_unten": 0)";
    EXPECT_EQ(BerichtText(Rechne(kBeispielZustaende, kBeispielProzesse, mitNull)),
              BerichtText(Rechne(kBeispielZustaende, kBeispielProzesse)));
    EXPECT_EQ(Csv(kBeispielZustaende, kBeispielProzesse, mitNull),
              Csv(kBeispielZustaende, kBeispielProzesse));
}

// Below 0 °C the states saturate over ice on every chart: the lower limit decides only what
// is drawn. A mixing of cold outdoor air with humid air ends in ice fog, with its ice in
// "eis". Expected values worked out by hand (in Python) from the Magnus forms.
TEST(Winter, IceBelowZeroWhateverTheLowerLimit) {
    const std::string winter = R"("eingabe": ["40", "5", "1", "0.012", "0.002", "0.0005", "1013"],
        "theta_unten": -20)";
    const std::string zustaende = R"({"name": "AUL", "theta": -15, "phi": 95},
        {"name": "F", "theta": 10, "phi": 100}, {"name": "K", "theta": -14, "phi": 85})";
    const std::string prozesse =
        R"({"art": "mischen", "von": ["AUL", "F"], "nach": "MI", "massenstroeme": [1, 1]})";
    for (const Berechnung& b : {Rechne(zustaende, prozesse, winter), Rechne(zustaende, prozesse)}) {
        ASSERT_TRUE(b.prozesse[0].ende) << b.prozesse[0].fehler;
        const Zustandswerte& mi = b.prozesse[0].ende->zustand;
        EXPECT_NEAR(mi.theta, -0.5061406423853598, 1e-9);
        EXPECT_NEAR(mi.x * 1000, 4.303181782035284, 1e-12);
        EXPECT_NEAR(mi.h, 8.303057851896366, 1e-12);
        EXPECT_EQ(mi.wasser, 0);
        EXPECT_NEAR(mi.eis * 1000, 0.6854096473405302, 1e-9);
        // -14 °C and 85 %: 0.946 g/kg (over supercooled water it would be 1.078 g/kg), with a
        // frost point and a wet-bulb temperature on the ice-fog isotherm.
        const Zustandswerte& k = b.zustaende[2].punkt->zustand;
        EXPECT_NEAR(k.x * 1000, 0.9464841210564192, 1e-12);
        EXPECT_NEAR(k.h, -11.72843614387126, 1e-12);
        EXPECT_TRUE(k.reifpunkt);
        EXPECT_NEAR(*k.taupunkt, -15.763151958486144, 1e-9);
        EXPECT_NEAR(*k.kuehlgrenze, -14.367305705399016, 1e-9);
        const Json j = JsonLesen(BerichtText(b)).wert;
        EXPECT_NEAR(j["zustaende"][3]["eis"].get<double>(), mi.eis * 1000, 1e-12);
        EXPECT_EQ(j["zustaende"][0]["eis"], 0);
    }
}

TEST(Bericht, SeriesAgainstZones) {
    const auto p = Projekt::Lesen(R"({"lumora": 1, )" + kEingabe + R"(, "zustaende": [],
        "prozesse": [], "messreihen": [
            {"name": "R", "theta": [21, 30, 22], "phi": [50, 50, 500]}, {"name": 3}],
        "zonen": [{"name": "Z", "theta": [20, 26]}, {"name": "kaputt", "theta": [26, 20]}]})");
    ASSERT_TRUE(p) << p.grund();
    const Json j = BerichtJson(Berechnen(*p));
    // One of three points is impossible (φ above 100 %), one of the two others is inside.
    EXPECT_EQ(j["messreihen"], Json::parse(R"([{"name": "R", "punkte": 3, "unmoeglich": 1,
                                                "zonen": {"Z": {"innen": 1, "anteil": 50.0}}}])"));
    ASSERT_EQ(j["fehler"].size(), 2u);
    EXPECT_EQ(j["fehler"][0]["wo"], "messreihen[1]");
    EXPECT_EQ(j["fehler"][1]["wo"], "zonen[1]");
}

TEST(Bericht, TableWithSeparatorAndQuotes) {
    const std::string t = Csv(R"({"name": "A;1", "theta": 20.5, "phi": 50},
                                 {"name": "B", "theta": 20, "phi": 500})",
                              R"({"art": "heizen", "von": "A;1", "nach": "C", "theta": 30})");
    const std::string zeile = t.substr(t.find('\n') + 1, t.find("\nB;") - t.find('\n'));
    EXPECT_EQ(zeile.find('.'), std::string::npos);  // no point as decimal separator
    // Rounded to the digits the window shows, without the canvas coordinates.
    EXPECT_EQ(zeile.rfind("\"A;1\";20,50;7,505;50,0;39,65;12,08;9,74;14,19;1,1961;0,8423;nein;0,00;"
                          "0,000;\n",
                          0),
              0u)
        << zeile;
    EXPECT_EQ(t.rfind("Name;ϑ [°C];", 0), 0u);
    EXPECT_EQ(t.find(";X;"), std::string::npos);
    EXPECT_NE(t.find("\n\n"), std::string::npos);
    EXPECT_EQ(std::count(t.begin(), t.end(), '\n'),
              4 + 1 + 2 + 3);  // 3 states + header, empty line, process + header, 3 totals
    EXPECT_NE(t.find("\nErwärmen;\"A;1\";C;ϑ = 30 °C;9,50;0,000;"), std::string::npos) << t;
}

// A unit given by its volume flow at the outdoor air: each new process takes over the mass
// flow before it, so the chain carries one mass flow and the totals add equal flows, where a
// volume flow taken over would grow or shrink with each state's density.
TEST(Kette, OneMassFlowAlongTheChain) {
    const std::string zustaende = R"({"name": "AUL", "theta": -12, "phi": 90})";
    std::string prozesse = R"({"art": "heizen", "von": "AUL", "nach": "VE", "theta": 15,
                               "volumenstrom": 5000})";
    const char* const folgende[] = {
        R"({"art": "befeuchten_dampf", "von": "VE", "nach": "BE", "dampf": 100, "x": 6)",
        R"({"art": "heizen", "von": "BE", "nach": "ZUL", "theta": 22)"};
    Berechnung b = Rechne(zustaende, prozesse);
    for (std::size_t i = 1; i <= 2; ++i) {
        const auto m = UebernommenerMassenstrom(b, i);
        ASSERT_TRUE(m) << i << b.prozesse[i - 1].fehler;
        prozesse +=
            std::string(", ") + folgende[i - 1] + R"(, "massenstrom": )" + std::to_string(*m) + "}";
        b = Rechne(zustaende, prozesse);
    }
    const Zustandswerte& aul = b.zustaende[0].punkt->zustand;
    const double m = 5000 * aul.rho / (1 + aul.x);
    double dh = 0;
    for (const BerechneterProzess& p : b.prozesse) {
        ASSERT_TRUE(p.massenstrom) << p.fehler;
        EXPECT_NEAR(*p.massenstrom, m, 0.005);
        if (p.art == "heizen") dh += p.dh;
    }
    // The volume flow at each start differs: 5000 m³/h at -12 °C is about 5500 at 15 °C.
    EXPECT_GT(*b.prozesse[1].volumenstrom, 5400);
    EXPECT_NEAR(SummenVon(b.prozesse).heizen, m * dh / 3600, 1e-4);

    // A mixing passes on its two streams together; a share alone, a failed process or the
    // first place pass on nothing.
    const Berechnung mischung =
        Rechne(R"({"name": "A", "theta": 30, "phi": 40}, {"name": "B", "theta": 24, "phi": 50})",
               R"({"art": "mischen", "von": ["A", "B"], "nach": "M", "massenstroeme": [2000, 6000]},
           {"art": "mischen", "von": ["A", "B"], "nach": "N", "aussenluftanteil": 30},
           {"art": "heizen", "von": "A", "nach": "H", "theta": 10, "massenstrom": 100})");
    EXPECT_EQ(UebernommenerMassenstrom(mischung, 1), 8000);
    EXPECT_EQ(mischung.prozesse[0].leistung, std::nullopt);
    EXPECT_FALSE(UebernommenerMassenstrom(mischung, 2));
    EXPECT_FALSE(UebernommenerMassenstrom(mischung, 3));
    EXPECT_FALSE(UebernommenerMassenstrom(mischung, 0));
    EXPECT_FALSE(UebernommenerMassenstrom(mischung, 4));
    EXPECT_EQ(ZustandNamens(mischung, "M"), &mischung.prozesse[0].ende->zustand);
    EXPECT_EQ(ZustandNamens(mischung, "B"), &mischung.zustaende[1].punkt->zustand);
    EXPECT_EQ(ZustandNamens(mischung, "H"), nullptr);
}

}  // namespace
}  // namespace lumora
