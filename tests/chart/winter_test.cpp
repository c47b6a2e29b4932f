// The chart below 0 °C: a winter chart down to -20 °C on the default limits, checked against
// values worked out by hand (in Python) from the ice form pSE = 0.0061078 exp(22.46 t /
// (272.62 + t)), cE = 2.05 kJ/(kg K), rE = 333.5 kJ/kg and the mapping's bottom edge at
// h - 2500 x = -20.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "chart/pruefung.h"
#include "lauf_hilfen.h"

namespace lumora {
namespace {

using test::Lauf;
using test::Standard;

constexpr Farbe kSchwarz{0, 0, 0};
constexpr Farbe kIsotherme{220, 0, 0};
constexpr Farbe kNebel{255, 0, 0};
constexpr Farbe kBlau{0, 0, 180};

Eingabe Winter(double thetaUnten = -20) {
    Eingabe e = Standard();
    e.ThetaUnten = thetaUnten;
    return e;
}

// Whether one of the lines runs from (x1, y1) to (x2, y2), to a hundredth of a unit.
bool HatLinie(const std::vector<Operation>& linien, double x1, double y1, double x2, double y2) {
    return std::any_of(linien.begin(), linien.end(), [&](const Operation& op) {
        return std::abs(op.x1 - x1) < 0.01 && std::abs(op.y1 - y1) < 0.01 &&
               std::abs(op.x2 - x2) < 0.01 && std::abs(op.y2 - y2) < 0.01;
    });
}

TEST(Winterdiagramm, LineFamiliesReachTheBottomEdge) {
    Lauf ohne, mit;
    ohne.druecken(Standard());
    mit.druecken(Winter());
    // Enthalpy lines -10 and -20; isotherms -10, -20 coarse and -1 .. -20 fine, each with its
    // ice-fog part, and the second fog part of both 0 °C isotherms.
    EXPECT_EQ(mit.linien(kSchwarz).size(), ohne.linien(kSchwarz).size() + 2);
    EXPECT_EQ(mit.linien(kIsotherme, 2).size(), ohne.linien(kIsotherme, 2).size() + 2);
    EXPECT_EQ(mit.linien(kIsotherme, 1).size(), ohne.linien(kIsotherme, 1).size() + 20);
    EXPECT_EQ(mit.linien(kNebel).size(), ohne.linien(kNebel).size() + 22 + 2);

    // h = -10 from the left edge to the bottom edge at x = 10 / 2500.
    EXPECT_TRUE(HatLinie(mit.linien(kSchwarz), 0, 7636.3636, 240, 8000));
    // The -10 °C isotherm: to saturation over ice, then along the ice-fog isotherm to 4 xS.
    EXPECT_TRUE(HatLinie(mit.linien(kIsotherme, 2), 0, 7636.3636, 95.9204, 7639.2631));
    EXPECT_TRUE(HatLinie(mit.linien(kNebel, 2), 95.9204, 7639.2631, 383.6816, 8137.0028));
    // The ice-fog isotherm of 0 °C, beside the water-fog one, bounds the mixed fog.
    EXPECT_TRUE(HatLinie(mit.linien(kNebel, 2), 226.3828, 7272.7273, 905.5313, 8439.0104));
    EXPECT_TRUE(HatLinie(mit.linien(kNebel, 2), 226.3828, 7272.7273, 905.5313, 8301.7401));
    // The saturation line over ice joins the one over water at 0 °C without a gap.
    EXPECT_TRUE(HatLinie(mit.linien(kBlau, 2), 208.3162, 7309.5076, 226.3828, 7272.7273));
}

TEST(Winterdiagramm, TemperatureLabelsBelowZero) {
    Lauf l;
    l.druecken(Winter());
    // Labels 0..20 keep their texts; the new mapping moves them.
    EXPECT_EQ(l.beschriftung.etikett(Gruppe::txt_Temp, 0).text, " 0°C");
    EXPECT_NEAR(l.beschriftung.etikett(Gruppe::txt_Temp, 0).top, 8066 - 7900 * 20.0 / 220, 1e-3);
    const auto& minus10 = l.beschriftung.etikett(Gruppe::txt_Temp, 21);
    EXPECT_TRUE(minus10.sichtbar);
    EXPECT_EQ(minus10.text, "−10°C");
    EXPECT_NEAR(minus10.top, 7706.9091, 1e-3);
    EXPECT_EQ(l.beschriftung.etikett(Gruppe::txt_Temp, 22).text, "−20°C");
    EXPECT_NEAR(l.beschriftung.etikett(Gruppe::txt_Temp, 22).top, 8066, 1e-3);
    EXPECT_FALSE(l.beschriftung.etikett(Gruppe::txt_Temp, 23).sichtbar);
}

TEST(Winterdiagramm, RefusesWhatTheChartCannotHold) {
    const auto feld = [](const Eingabe& e) {
        const auto a = Pruefen(e);
        return a ? std::optional<Feld>(a->feld) : std::nullopt;
    };
    EXPECT_EQ(feld(Winter(-50)), std::nullopt);
    EXPECT_EQ(feld(Winter(-50.5)), Feld::ThetaUnten);
    EXPECT_EQ(feld(Winter(0.5)), Feld::ThetaUnten);
    EXPECT_EQ(feld(Winter(NAN)), Feld::ThetaUnten);
    Eingabe kalt = Winter(-20);
    kalt.Thetamax = -25;  // no room between the limits
    EXPECT_EQ(feld(kalt), Feld::ThetaUnten);
    kalt.Thetamax = -10;
    EXPECT_EQ(feld(kalt), std::nullopt);

    // 41 labels from 0 to 200 °C at 5 K, and 2 or 4 below 0: 43 fit, 45 do not.
    Eingabe fein = Winter(-10);
    fein.DeltaThetagross = 5;
    EXPECT_EQ(feld(fein), std::nullopt);
    fein.ThetaUnten = -20;
    const auto ablehnung = Pruefen(fein);
    ASSERT_TRUE(ablehnung);
    EXPECT_EQ(ablehnung->feld, Feld::DeltaThetagross);
    EXPECT_NE(ablehnung->meldung.find("ϑu = -20 °C"), std::string::npos) << ablehnung->meldung;

    // The line budget counts the lines below 0 °C: 25,000 fine isotherms above 0 °C fit,
    // with 1,250,000 more down to -50 °C they do not.
    Eingabe budget = Standard();
    budget.Thetamax = 1;
    budget.DeltaThetagross = 5;
    budget.DeltaThetaklein = 4e-5;
    EXPECT_EQ(feld(budget), std::nullopt);
    budget.ThetaUnten = -50;
    EXPECT_EQ(feld(budget), Feld::DeltaThetaklein);
}

TEST(Winterdiagramm, LowerLimitTextIsReadStrictly) {
    EXPECT_EQ(*ThetaUntenLesen(" -20 "), -20);
    EXPECT_EQ(*ThetaUntenLesen("−12,5"), -12.5);
    EXPECT_EQ(*ThetaUntenLesen("-0"), 0);
    EXPECT_EQ(ThetaUntenLesen("abc").grund(), "ϑu: „abc“ ist keine Zahl.");
    EXPECT_FALSE(ThetaUntenLesen("-20 °C"));
    EXPECT_FALSE(ThetaUntenLesen(""));
    EXPECT_FALSE(ThetaUntenLesen("nan"));
    EXPECT_EQ(ThetaUntenLesen("-60").grund(),
              "ϑu: Die untere Grenze muss zwischen -50 und 0 °C liegen.");
}

}  // namespace
}  // namespace lumora
