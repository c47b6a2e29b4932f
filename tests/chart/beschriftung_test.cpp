#include <gtest/gtest.h>

#include "chart/pruefung.h"
#include "tests/chart/lauf_hilfen.h"

namespace lumora {
namespace {

using test::Lauf;
using test::Standard;

std::vector<std::string> SichtbareTexte(const Aufzeichnungsbeschriftung& b, Gruppe g) {
    std::vector<std::string> texte;
    for (int n = 0; n < Layout(g).anzahl; ++n) {
        if (b.etikett(g, n).sichtbar) texte.push_back(b.etikett(g, n).text);
    }
    return texte;
}

struct SkalaFall {
    double Thetamax, DeltaThetagross;
    std::vector<std::string> texte;
    float topLetzter;
};

class Temperaturskala : public testing::TestWithParam<SkalaFall> {};

TEST_P(Temperaturskala, LabelsAndTheirHeights) {
    const SkalaFall& f = GetParam();
    Eingabe e = Standard();
    e.Thetamax = f.Thetamax;
    e.DeltaThetagross = f.DeltaThetagross;
    for (const char* trenner : {",", "."}) {  // the point stays whatever the locale
        Lauf l;
        l.druecken(e, trenner);
        EXPECT_EQ(SichtbareTexte(l.beschriftung, Gruppe::txt_Temp), f.texte);
        const int letzter = static_cast<int>(f.texte.size()) - 1;
        EXPECT_FLOAT_EQ(l.beschriftung.etikett(Gruppe::txt_Temp, letzter).top, f.topLetzter);
        EXPECT_FLOAT_EQ(l.beschriftung.etikett(Gruppe::txt_Temp, 0).top, 8066);
        EXPECT_NEAR(l.beschriftung.etikett(Gruppe::txt_Temp, 0).left, 104.66, 0.01);
    }
}

std::vector<std::string> Grade(double schritt, int anzahl) {
    std::vector<std::string> texte;
    for (int n = 0; n < anzahl; ++n) {
        std::string t = " " + std::to_string(n * schritt);
        t.erase(t.find_last_not_of('0') + 1);
        if (t.back() == '.') t.pop_back();
        if (t.rfind(" 0.", 0) == 0) t.erase(1, 1);
        texte.push_back(t + "°C");
    }
    return texte;
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Faelle, Temperaturskala, testing::Values(
    SkalaFall{200, 10, Grade(10, 21), 166},
    SkalaFall{195, 10, Grade(10, 21), static_cast<float>(8066 - 7900 * (200 / 195.0))},
    SkalaFall{20, 2.5, Grade(2.5, 9), 166},
    SkalaFall{2, 0.5, {" 0°C", " .5°C", " 1°C", " 1.5°C", " 2°C"}, 166},
    SkalaFall{-5, 10, {" 0°C"}, 8066},
    SkalaFall{200, 5, Grade(5, 41), 166}));
// clang-format on

TEST(Temperaturskala, StepOf195AndNeighbours) {
    Lauf l;
    Eingabe e = Standard();
    e.Thetamax = 195;
    l.druecken(e);
    EXPECT_NEAR(l.beschriftung.etikett(Gruppe::txt_Temp, 20).top, -36.5641, 1e-3);
    EXPECT_NEAR(l.beschriftung.etikett(Gruppe::txt_Temp, 19).top, 368.56, 1e-2);
}

TEST(Wassergehaltsskala, DefaultsWithBothSeparators) {
    for (const auto& [trenner, erster, letzter] :
         {std::tuple{",", "0,0 kg/kg", "0,2 kg/kg"}, std::tuple{".", "0.0 kg/kg", "0.2 kg/kg"}}) {
        Lauf l;
        l.druecken(Standard(), trenner);
        const auto texte = SichtbareTexte(l.beschriftung, Gruppe::txt_X);
        ASSERT_EQ(texte.size(), 11u);  // 11 * 0.02 is not below 0.202
        EXPECT_EQ(texte.front(), erster);
        EXPECT_EQ(texte[1], std::string("0") + trenner + "02 kg/kg");
        EXPECT_EQ(texte.back(), letzter);
        EXPECT_EQ(l.beschriftung.etikett(Gruppe::txt_X, 0).left, 150);
        EXPECT_EQ(l.beschriftung.etikett(Gruppe::txt_X, 1).left, 1350);
        EXPECT_EQ(l.beschriftung.etikett(Gruppe::txt_X, 10).left, 12150);
        EXPECT_NEAR(l.beschriftung.etikett(Gruppe::txt_X, 10).top, 8230.34, 0.01);
    }
}

TEST(Wassergehaltsskala, GridValueJustAboveXmaxIsLabelled) {
    Lauf l;
    Eingabe e = Standard();
    e.DeltaXgross = 0.0201;
    l.druecken(e);
    const auto texte = SichtbareTexte(l.beschriftung, Gruppe::txt_X);
    ASSERT_EQ(texte.size(), 11u);
    EXPECT_EQ(texte.back(), "0,201 kg/kg");
    EXPECT_NEAR(l.beschriftung.etikett(Gruppe::txt_X, 10).left, 12210, 1e-3);
}

// A scale right at the end of its labels: the refusal check accepts exactly the presses
// whose scale the run can finish, and the run then places the number worked out by hand.
struct GrenzFall {
    double Thetamax, DeltaThetagross, Xmax, DeltaXgross;
    Gruppe gruppe;
    int etiketten;  // labels the scale needs; 0 where it needs more than the group holds
};

class Skalengrenze : public testing::TestWithParam<GrenzFall> {};

TEST_P(Skalengrenze, CheckAcceptsWhatTheRunPlaces) {
    const GrenzFall& f = GetParam();
    Eingabe e = Standard();
    e.Thetamax = f.Thetamax;
    e.DeltaThetagross = f.DeltaThetagross;
    e.Xmax = f.Xmax;
    e.DeltaXgross = f.DeltaXgross;
    const auto ablehnung = Pruefen(e);
    if (f.etiketten == 0) {
        ASSERT_TRUE(ablehnung);
        EXPECT_EQ(ablehnung->feld,
                  f.gruppe == Gruppe::txt_Temp ? Feld::DeltaThetagross : Feld::DeltaXgross);
        return;
    }
    ASSERT_FALSE(ablehnung) << ablehnung->meldung;
    Lauf l;
    l.druecken(e);
    EXPECT_EQ(SichtbareTexte(l.beschriftung, f.gruppe).size(), std::size_t(f.etiketten));
}

// The temperature scale ends at the first n with n * step >= Thetamax, the water-content
// scale at the first n with (n + 1) * step >= 1.01 Xmax = 0.202; 43 and 14 labels exist.
// 0.01445: 0.202 / 0.01445 = 13.98, so n = 13 and 14 labels (with 1.05 Xmax: 14.5, too
// many); 0.0144: 14.03, so 15 labels, refused (with Xmax alone: 13.9, accepted).
// clang-format off
INSTANTIATE_TEST_SUITE_P(Faelle, Skalengrenze, testing::Values(
    GrenzFall{42,     1,  0.2, 0.02,    Gruppe::txt_Temp, 43},
    GrenzFall{42.5,   1,  0.2, 0.02,    Gruppe::txt_Temp, 0},
    GrenzFall{210,    5,  0.2, 0.02,    Gruppe::txt_Temp, 43},
    GrenzFall{210.01, 5,  0.2, 0.02,    Gruppe::txt_Temp, 0},
    GrenzFall{200,    10, 0.2, 0.01445, Gruppe::txt_X,    14},
    GrenzFall{200,    10, 0.2, 0.0144,  Gruppe::txt_X,    0},
    GrenzFall{200,    10, 0.2, 0.02,    Gruppe::txt_X,    11}));
// clang-format on

TEST(Beschriftung, SecondPressShowsOnlyItsOwnLabels) {
    Lauf l;
    l.druecken(Standard());
    Eingabe e = Standard();
    e.DeltaXgross = 0.04;
    e.DeltaThetagross = 20;
    l.druecken(e);
    const auto texte = SichtbareTexte(l.beschriftung, Gruppe::txt_X);
    EXPECT_EQ(texte, (std::vector<std::string>{"0,0 kg/kg", "0,04 kg/kg", "0,08 kg/kg",
                                               "0,12 kg/kg", "0,16 kg/kg", "0,2 kg/kg"}));
    EXPECT_EQ(l.beschriftung.etikett(Gruppe::txt_X, 5).left, 12150);
    EXPECT_FALSE(l.beschriftung.etikett(Gruppe::txt_X, 6).sichtbar);
    EXPECT_EQ(SichtbareTexte(l.beschriftung, Gruppe::txt_Temp).size(), 11u);
}

TEST(Feuchtebeschriftung, DefaultsLabelEachCurveOnTheEdgeItLeavesBy) {
    Lauf l;
    l.druecken(Standard());
    const auto& b = l.beschriftung;
    // 100 % to 10 % leave through the right edge, 5 %, 2 %, 1 % through the top edge.
    for (int k = 0; k < 9; ++k) {
        EXPECT_EQ(b.etikett(Gruppe::txt_rF, k).sichtbar, k <= 5) << k;
        EXPECT_EQ(b.etikett(Gruppe::txt_rFo, k).sichtbar, k >= 6) << k;
    }
    // Each right-edge label stands where its curve meets x = Xmax.
    const Eingabe e = Standard();
    const auto& r = l.lauf.rand();
    const double h = *RechtsKreuzung(e, r.xLetzt[0], r.hLetzt[0], r.xAusRechts[0], r.hAusRechts[0]);
    EXPECT_FLOAT_EQ(b.etikett(Gruppe::txt_rF, 0).top,
                    static_cast<float>(KoordY(e, 0.2, h) * 0.9875 + 160));
    // Drier curves meet the edges further up and further left.
    EXPECT_LT(b.etikett(Gruppe::txt_rF, 5).top, b.etikett(Gruppe::txt_rF, 4).top);
    EXPECT_LT(b.etikett(Gruppe::txt_rFo, 8).left, b.etikett(Gruppe::txt_rFo, 7).left);
    EXPECT_LT(b.etikett(Gruppe::txt_rFo, 7).left, b.etikett(Gruppe::txt_rFo, 6).left);
    EXPECT_EQ(b.etikett(Gruppe::txt_PhPa, 0).text, "Gesamtdruck  =  1013  hPa");
    EXPECT_EQ(b.sichtbare(), 21 + 11 + 9 + 1);
}

TEST(Kreuzungen, ArithmeticOfBothEdges) {
    Eingabe e;
    e.Xmax = 0.5;
    e.Thetamax = 100;
    EXPECT_EQ(*RechtsKreuzung(e, 0.25, 100, 0.75, 140), 120);  // lambda = 1
    // Top edge: YO = -1000, YL = 3000 gives lambda = 1/3 and (3 xAus + xIn) / 4.
    e.Thetamax = 50;
    const double hAus = 2500 * 0.1 + 50 * 9000.0 / 8000;  // Y = -1000 at x = 0.1
    const double hIn = 2500 * 0.06 + 50 * 5000.0 / 8000;  // Y = 3000 at x = 0.06
    EXPECT_NEAR(*ObenKreuzung(e, 0.1, hAus, 0.06, hIn), 0.09, 1e-15);
    // Zero denominators give no crossing.
    EXPECT_FALSE(RechtsKreuzung(e, 0.25, 100, 0.5, 140));              // xAusRechts = Xmax
    EXPECT_FALSE(RechtsKreuzung(e, 0, 0, 0, 0));                       // 1 + lambda = 0
    EXPECT_FALSE(ObenKreuzung(e, 0.1, hAus, 0.06, 2500 * 0.06 + 50));  // YL = 0
    EXPECT_FALSE(ObenKreuzung(e, 0.1, hAus, 0.1, hAus));               // YO = YL
}

// Records of one curve, as a run would leave them, placed by the label stretch alone.
class Feuchteetiketten : public testing::Test {
  protected:
    void platzieren() { Feuchtebeschriften(e, r, b, hRechts, xOben); }
    Eingabe e = Standard();
    Randaufzeichnung r;
    Aufzeichnungsbeschriftung b;
    std::array<double, kKurven> hRechts{}, xOben{};
};

TEST_F(Feuchteetiketten, RightEdgeAtY4000) {
    e.Thetamax = 100;
    e.Xmax = 0.5;
    r.xLetzt[9] = 0.25, r.hLetzt[9] = 1200, r.letztFrisch[9] = true;
    r.xAusRechts[9] = 0.75, r.hAusRechts[9] = 1400, r.ausRechts[9] = 1;
    platzieren();
    EXPECT_EQ(hRechts[9], 1300);
    EXPECT_TRUE(b.etikett(Gruppe::txt_rF, 2).sichtbar);  // 60 % is label 2
    EXPECT_EQ(b.etikett(Gruppe::txt_rF, 2).top, 4110);
    EXPECT_NEAR(b.etikett(Gruppe::txt_rF, 2).left, 12689.80, 0.01);
    EXPECT_FALSE(b.etikett(Gruppe::txt_rFo, 2).sichtbar);
}

TEST_F(Feuchteetiketten, TopEdgeAtHalfTheWidth) {
    e.Thetamax = 50;
    e.Xmax = 0.02;
    r.xLetzt[5] = 0.005, r.hLetzt[5] = 56.25, r.letztFrisch[5] = true;  // Y = 1000
    r.xAusOben[5] = 0.015, r.hAusOben[5] = 93.75, r.ausOben[5] = 1;     // Y = -1000
    platzieren();
    EXPECT_EQ(b.etikett(Gruppe::txt_rFo, 4).left, 6450);  // 20 % is label 4
    EXPECT_TRUE(b.etikett(Gruppe::txt_rFo, 4).sichtbar);
    EXPECT_NEAR(b.etikett(Gruppe::txt_rFo, 4).top, 46.90, 0.01);
    EXPECT_FALSE(b.etikett(Gruppe::txt_rF, 4).sichtbar);

    // Also when it later passed the right edge, above the chart.
    r.xAusRechts[5] = 0.03, r.hAusRechts[5] = 200, r.ausRechts[5] = 1;
    Aufzeichnungsbeschriftung neu;
    Feuchtebeschriften(e, r, neu, hRechts, xOben);
    EXPECT_EQ(neu.etikett(Gruppe::txt_rFo, 4).left, 6450);
    EXPECT_FALSE(neu.etikett(Gruppe::txt_rF, 4).sichtbar);
}

TEST_F(Feuchteetiketten, CrossingExactlyOnTheTopEdgeGetsNoLabel) {
    e.Thetamax = 100;
    e.Xmax = 0.5;
    // hRechts = 1350 puts the crossing at h - 2500 Xmax = Thetamax, Y = 0.
    r.xLetzt[0] = 0.25, r.hLetzt[0] = 1300, r.letztFrisch[0] = true;
    r.xAusRechts[0] = 0.75, r.hAusRechts[0] = 1400, r.ausRechts[0] = 1;
    platzieren();
    EXPECT_EQ(hRechts[0], 1350);
    EXPECT_FALSE(b.etikett(Gruppe::txt_rF, 0).sichtbar);
    EXPECT_FALSE(b.etikett(Gruppe::txt_rFo, 0).sichtbar);
}

TEST_F(Feuchteetiketten, UnlabelledAndStaleCurvesShowNothing) {
    e.Thetamax = 100;
    e.Xmax = 0.5;
    for (int i = 0; i < kKurven; ++i) {
        r.xLetzt[i] = 0.25, r.hLetzt[i] = 1200, r.letztFrisch[i] = i % 2 == 0;
        r.xAusRechts[i] = 0.75, r.hAusRechts[i] = 1400, r.ausRechts[i] = 1;
    }
    platzieren();
    // Curves 6, 8, 10, 12 have no label; odd curves have no fresh point inside.
    int sichtbar = 0;
    for (int k = 0; k < 9; ++k) sichtbar += b.etikett(Gruppe::txt_rF, k).sichtbar;
    EXPECT_EQ(sichtbar, 3);  // curves 0, 2 and 4: labels 0, 7 and 5
    EXPECT_TRUE(b.etikett(Gruppe::txt_rF, 0).sichtbar);
    EXPECT_TRUE(b.etikett(Gruppe::txt_rF, 7).sichtbar);
    EXPECT_TRUE(b.etikett(Gruppe::txt_rF, 5).sichtbar);
}

TEST_F(Feuchteetiketten, ZeroDenominatorsGiveNoLabel) {
    r.letztFrisch.fill(true);
    r.ausRechts.fill(1);  // every record (0, 0): xAusRechts - Xmax = -Xmax, 1 + lambda = 0
    platzieren();
    EXPECT_EQ(b.sichtbare(), 1);  // the caption only
}

struct DruckFall {
    double Pges;
    const char* text;
};

class Druckbeschriftung : public testing::TestWithParam<DruckFall> {};

TEST_P(Druckbeschriftung, RoundsFromSixTenthsUp) {
    Eingabe e = Standard();
    e.Pges = GetParam().Pges;
    Randaufzeichnung r;
    Aufzeichnungsbeschriftung b;
    std::array<double, kKurven> hRechts{}, xOben{};
    Feuchtebeschriften(e, r, b, hRechts, xOben);
    EXPECT_TRUE(b.etikett(Gruppe::txt_PhPa, 0).sichtbar);
    EXPECT_EQ(b.etikett(Gruppe::txt_PhPa, 0).text, GetParam().text);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Druecke, Druckbeschriftung, testing::Values(
    DruckFall{1013, "Gesamtdruck  =  1013  hPa"},  DruckFall{1013.7, "Gesamtdruck  =  1014  hPa"},
    DruckFall{1013.5, "Gesamtdruck  =  1013  hPa"}, DruckFall{950.25, "Gesamtdruck  =  950  hPa"},
    DruckFall{1013.6, "Gesamtdruck  =  1014  hPa"}));
// clang-format on

}  // namespace
}  // namespace lumora
