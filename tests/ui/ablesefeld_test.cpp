#include "ui/ablesefeld.h"

#include <gtest/gtest.h>

#include "chart/ablesung.h"
#include "core/einheiten.h"
#include "core/feuchte_luft.h"
#include "core/koordinaten.h"

namespace lumora {
namespace {

using Gebiet = Ablesung::Gebiet;

struct TextFall {
    Ablesung ablesung;
    const char* text;
};

class AblesungTexte : public testing::TestWithParam<TextFall> {};

TEST_P(AblesungTexte, EveryNumberInItsUnitToTheDigitShown) {
    EXPECT_EQ(AblesungText(GetParam().ablesung), QString::fromUtf8(GetParam().text));
}

// Worked out by hand: x and xS in g/kg are kg/kg times 1000, pD in hPa is bar times 1000;
// the tests run in a German locale, so with a decimal comma.
// clang-format off
INSTANTIATE_TEST_SUITE_P(Faelle, AblesungTexte, testing::Values(
    TextFall{{Gebiet::ungesaettigt, 25.04, 0.01234, 56.62, 61.23, 0.0196, 17.26, 0, true},
             "ϑ = 25,0 °C\nx = 12,34 g/kg\nh = 56,6 kJ/kg\nφ = 61,2 %\npD = 19,60 hPa\n"
             "τ = 17,3 °C"},
    TextFall{{Gebiet::ungesaettigt, 30, 0, 30.2, 0, 0, 0, 0, false},
             "ϑ = 30,0 °C\nx = 0,00 g/kg\nh = 30,2 kJ/kg\nφ = 0,0 %\npD = 0,00 hPa"},
    TextFall{{Gebiet::Nebel, 10, 0.02, 49.5, 0, 0, 0, 0.0077, true},
             "Nebelgebiet\nϑ = 10,0 °C\nx = 20,00 g/kg\nxS = 7,70 g/kg\n"
             "x − xS = 12,30 g/kg Wasser\nh = 49,5 kJ/kg"},
    TextFall{{Gebiet::ueberSiedepunkt, 120, 0.05, 253.4, 0, 0.07418, 39.96, 0, true},
             "über der Siedetemperatur\nϑ = 120,0 °C\nx = 50,00 g/kg\nh = 253,4 kJ/kg\n"
             "pD = 74,18 hPa\nτ = 40,0 °C"},
    // On a winter chart: a frost point, ice fog, and mixed fog at 0 °C.
    TextFall{{Gebiet::ungesaettigt, -5, 0.00123, -2.0, 50, 0.002, -12.87, 0, true, true, 0},
             "ϑ = -5,0 °C\nx = 1,23 g/kg\nh = -2,0 kJ/kg\nφ = 50,0 %\npD = 2,00 hPa\n"
             "Reifpunkt = -12,9 °C"},
    TextFall{{Gebiet::Nebel, -10, 0.003, -6.6, 0, 0, 0, 0.0016, true, true, 0.0014},
             "Eisnebel\nϑ = -10,0 °C\nx = 3,00 g/kg\nxS = 1,60 g/kg\nEis = 1,40 g/kg\n"
             "h = -6,6 kJ/kg"},
    TextFall{{Gebiet::Nebel, 0, 0.006, 9.0, 0, 0, 0, 0.004, true, false, 0.0005},
             "Mischnebel\nϑ = 0,0 °C\nx = 6,00 g/kg\nxS = 4,00 g/kg\nWasser = 1,50 g/kg\n"
             "Eis = 0,50 g/kg\nh = 9,0 kJ/kg"}));
// clang-format on

// The read-out reads ice fog and the frost point off a winter chart's own mapping.
TEST(Ablesung, WinterChartShowsIceAndFrostPoint) {
    const Eingabe e{40, 5, 1, 0.012, 0.002, 0.0005, 1013, -20};
    // -10 °C with 3 g/kg lies in ice fog (its saturation content is 1.60 g/kg).
    const auto nebel = Ablesen(e, KoordX(e, 0.003), KoordY(e, 0.003, -6.579121887250649));
    ASSERT_TRUE(nebel);
    EXPECT_NEAR(nebel->theta, -10, 1e-6);
    EXPECT_NEAR(nebel->eis, 0.0014013, 1e-6);
    EXPECT_TRUE(AblesungText(*nebel).startsWith("Eisnebel"));
    const auto kalt = Ablesen(e, KoordX(e, 0.001), KoordY(e, 0.001, Enthalpie(-5, 0.001)));
    ASSERT_TRUE(kalt);
    EXPECT_TRUE(kalt->reifpunkt);
    EXPECT_TRUE(AblesungText(*kalt).contains("Reifpunkt = "));
}

}  // namespace
}  // namespace lumora

namespace lumora {
namespace {

// A map of three classes of width 1 K and 1 g/kg, with 41 hours in 12…13 °C, 7…8 g/kg.
Haeufigkeitskarte Karte(const QString& name, Klassenbreite breite = {}) {
    std::vector<Messpunkt> punkte;
    const auto punkt = [&](double theta, double xGkg, double stunden) {
        Messpunkt p;
        p.theta = theta;
        p.xGkg = xGkg;
        p.stunden = stunden;
        punkte.push_back(p);
    };
    punkt(12.4, 7.5, 41);
    punkt(12.9, 7.1, 0);  // no hours: counts nowhere
    punkt(-3.5, 2.2, 5);
    punkt(25, 12, 2);
    punkt(12.5, 16.5, 7);
    const Eingabe e{40, 5, 1, 0.02, 0.002, 0.0005, 1013, -10};
    return KarteAus(name, std::make_shared<const Haeufigkeit>(Klassieren(punkte, breite)), e);
}

// The enthalpy of the chart point at ϑ [°C] and x [g/kg] off the unsaturated isotherm.
double H(double theta, double xGkg) { return Enthalpie(theta, InKgJeKg(xGkg)); }

TEST(Klassenablesung, NamesTheClassUnderTheCursorWithItsHours) {
    const std::vector<Haeufigkeitskarte> eine{Karte("TRY")};
    EXPECT_EQ(KlassenZeilen(eine, H(12.5, 7.5), 0.0075),
              QStringList{QString::fromUtf8("Klasse 12…13 °C, 7…8 g/kg: 41 h")});
    // Below 0 °C.
    EXPECT_EQ(KlassenZeilen(eine, H(-3.2, 2.9), 0.0029),
              QStringList{QString::fromUtf8("Klasse -4…-3 °C, 2…3 g/kg: 5 h")});
    // A class without hours, and no map: no line. A width of a half with the decimal comma.
    EXPECT_TRUE(KlassenZeilen(eine, H(30, 5), 0.005).isEmpty());
    EXPECT_TRUE(KlassenZeilen({}, H(12.5, 7.5), 0.0075).isEmpty());
    const std::vector<Haeufigkeitskarte> halb{Karte("Halb", {0.5, 2})};
    EXPECT_EQ(KlassenZeilen(halb, H(12.2, 7.5), 0.0075),
              QStringList{QString::fromUtf8("Klasse 12…12,5 °C, 6…8 g/kg: 41 h")});
    // Two maps: each line names its series.
    const std::vector<Haeufigkeitskarte> zwei{Karte("A"), Karte("B", {2, 2})};
    EXPECT_EQ(KlassenZeilen(zwei, H(12.5, 7.5), 0.0075),
              (QStringList{QString::fromUtf8("A: Klasse 12…13 °C, 7…8 g/kg: 41 h"),
                           QString::fromUtf8("B: Klasse 12…14 °C, 6…8 g/kg: 41 h")}));
}

// Beyond the saturation line the class is the one drawn there, by the unsaturated isotherm,
// not by the fog isotherm that the read-out's ϑ follows.
TEST(Klassenablesung, InTheFogTheClassDrawnUnderTheCursor) {
    const std::vector<Haeufigkeitskarte> karte{Karte("TRY")};
    const Eingabe e{40, 5, 1, 0.02, 0.002, 0.0005, 1013, -10};
    // 12.5 °C with 16.5 g/kg, far above saturation (about 9 g/kg): a foggy hour's class.
    const double x = 0.0165;
    const auto a = Ablesen(e, KoordX(e, x), KoordY(e, x, H(12.5, 16.5)));
    ASSERT_TRUE(a);
    ASSERT_EQ(a->gebiet, Ablesung::Gebiet::Nebel);
    EXPECT_GE(a->theta, 13);  // the fog isotherm through the point is another
    EXPECT_EQ(KlassenZeilen(karte, a->h, a->x),
              QStringList{QString::fromUtf8("Klasse 12…13 °C, 16…17 g/kg: 7 h")});
}

}  // namespace
}  // namespace lumora
