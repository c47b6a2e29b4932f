#include "chart/diagrammlauf.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "chart/pruefung.h"
#include "tests/chart/lauf_hilfen.h"

namespace lumora {
namespace {

using test::Lauf;
using test::Standard;
using test::Zustandspunkt;
using Art = Operation::Art;

constexpr Farbe kGruen{0, 180, 0};
constexpr Farbe kSchwarz{0, 0, 0};
constexpr Farbe kRot{220, 0, 0};
constexpr Farbe kNebel{255, 0, 0};
constexpr Farbe kBlau{0, 0, 180};

class StandardLauf : public testing::Test {
  protected:
    void SetUp() override { l.druecken(Standard()); }
    Lauf l;
};

TEST_F(StandardLauf, BoilingTemperatureOfTheRun) {
    EXPECT_EQ(l.lauf.zustand().thetaSiede, 99.970703125);
}

TEST_F(StandardLauf, WaterContentGrid) {
    const auto dick = l.linien(kGruen, 2);
    ASSERT_EQ(dick.size(), 11u);
    EXPECT_EQ(dick.front().x1, 0);
    // The last counter value is 0.19999999999999998, which lands on the edge as a float.
    EXPECT_EQ(dick.back().x1, 12000.0f);
    for (const auto& op : dick) {
        EXPECT_EQ(op.x1, op.x2);
        EXPECT_EQ(op.y1, 0);
        EXPECT_EQ(op.y2, 8000);
    }
    const auto duenn = l.linien(kGruen, 1);
    ASSERT_EQ(duenn.size(), 100u);
    EXPECT_LT(duenn.back().x1, 12000);  // the counter passes Xmax before the edge
    EXPECT_GT(duenn.back().x1, 11800);
}

TEST_F(StandardLauf, EnthalpyLines) {
    const auto linien = l.linien(kSchwarz, 1);
    ASSERT_EQ(linien.size(), 21u + 50u);
    // hv = 0 has both ends in the bottom-left corner; hv = 200 runs from the top-left
    // corner to (4800, 8000), and the top-edge family starts with the same line.
    EXPECT_EQ(linien[0].x1, 0);
    EXPECT_EQ(linien[0].y1, 8000);
    EXPECT_EQ(linien[0].x2, 0);
    EXPECT_EQ(linien[20].y1, 0);
    EXPECT_EQ(linien[20].x2, 4800);
    EXPECT_EQ(linien[21].x1, 0);
    EXPECT_EQ(linien[21].x2, 4800);
    EXPECT_NEAR(linien.back().x1, 11760, 0.01);  // xs = 0.196
}

TEST_F(StandardLauf, IsothermsWithFogPartsUpTo64Degrees) {
    EXPECT_EQ(l.linien(kRot, 2).size(), 21u);
    const auto duenn = l.linien(kRot, 1);
    ASSERT_EQ(duenn.size(), 201u);
    EXPECT_EQ(l.linien(kNebel, 2).size(), 7u);  // 0, 10, ..., 60 °C
    const auto nebel = l.linien(kNebel, 1);
    ASSERT_EQ(nebel.size(), 65u);  // 0..64 °C

    // 0 °C ends on the bottom edge at the saturation content and continues along h.
    const auto [x0, h0] = Zustandspunkt(0, 100);
    EXPECT_NEAR(x0, 0.003773, 1e-6);
    EXPECT_EQ(duenn[0].y1, 8000);
    EXPECT_FLOAT_EQ(duenn[0].x2, static_cast<float>(12000 * x0 / 0.2));
    EXPECT_NEAR(duenn[0].y2, 8000, 1e-3);
    // The fog part keeps h at 0 °C, so it runs along the enthalpy line below the chart.
    EXPECT_FLOAT_EQ(nebel[0].x2, static_cast<float>(12000 * 4 * x0 / 0.2));
    EXPECT_EQ(nebel[0].y2, static_cast<float>(KoordY(Standard(), 4 * x0, h0)));
    EXPECT_GT(nebel[0].y2, 8000);
    // 64 °C is the last with a fog part, at X of about 11514.
    EXPECT_NEAR(nebel.back().x1, 11514, 1);
    // At and above thetaSiede the isotherm runs to the right edge: 100 °C ends at Y 2492,
    // 200 °C starts in the top-left corner and ends above the chart.
    EXPECT_EQ(duenn[100].x2, 12000);
    EXPECT_NEAR(duenn[100].y2, 2492, 1);
    EXPECT_EQ(duenn[200].y1, 0);
    EXPECT_NEAR(duenn[200].y2, -3016, 1);
    // 99 °C lies below thetaSiede and ends far outside the canvas.
    EXPECT_GT(duenn[99].x2, 1e6);
}

TEST_F(StandardLauf, SaturationLineFromZeroTo75Degrees) {
    const auto& ops = l.flaeche.operationen();
    // The saturation line is the first blue family, followed by its refresh.
    std::vector<Operation> saettigung;
    auto it = std::find_if(ops.begin(), ops.end(), [](auto& op) { return op.farbe == kBlau; });
    for (; it != ops.end() && it->art == Art::line; ++it) saettigung.push_back(*it);
    ASSERT_EQ(saettigung.size(), 75u);  // segments 0-1 °C up to 74-75 °C
    const auto [x75, h75] = Zustandspunkt(75, 100);
    EXPECT_NEAR(x75, 0.3812, 1e-4);
    EXPECT_FLOAT_EQ(saettigung.back().x2, static_cast<float>(12000 * x75 / 0.2));
    for (const auto& op : saettigung) EXPECT_EQ(op.breite, 2);

    const Randaufzeichnung& r = l.lauf.rand();
    EXPECT_NEAR(r.xLetzt[0], 0.19189, 1e-5);
    EXPECT_NEAR(r.hLetzt[0], 566.898, 1e-3);
    EXPECT_NEAR(r.xAusRechts[0], 0.20357, 1e-5);
    EXPECT_NEAR(r.hAusRechts[0], 598.873, 1e-3);
    EXPECT_EQ(r.ausRechts[0], 1);
    EXPECT_EQ(r.ausOben[0], 0);
}

TEST_F(StandardLauf, EdgeRecordsOfTheDrierCurves) {
    const Randaufzeichnung& r = l.lauf.rand();
    // 1 %: leaves through the top edge between 177 and 178 °C, never reaches Xmax.
    EXPECT_EQ(r.xLetzt[1], Zustandspunkt(177, 1).first);
    EXPECT_EQ(r.xAusOben[1], Zustandspunkt(178, 1).first);
    EXPECT_NEAR(r.xLetzt[1], 0.06461, 1e-5);
    EXPECT_EQ(r.ausOben[1], 1);
    EXPECT_EQ(r.ausRechts[1], 0);
    EXPECT_EQ(r.xAusRechts[1], 0);  // never written before the first run
    // 2 %: last inside 166, top 167, then beyond the right edge at 189 °C.
    EXPECT_EQ(r.xLetzt[2], Zustandspunkt(166, 2).first);
    EXPECT_EQ(r.xAusOben[2], Zustandspunkt(167, 2).first);
    EXPECT_EQ(r.xAusRechts[2], Zustandspunkt(189, 2).first);
    // 5 %: 148, 149, 151 °C.
    EXPECT_EQ(r.xLetzt[3], Zustandspunkt(148, 5).first);
    EXPECT_EQ(r.xAusOben[3], Zustandspunkt(149, 5).first);
    EXPECT_EQ(r.xAusRechts[3], Zustandspunkt(151, 5).first);
    // 10 % .. 90 % leave through the right edge only.
    const int rechts[] = {127, 106, 95, 87, 82, 77, 73, 70, 68};
    const double phi[] = {10, 20, 30, 40, 50, 60, 70, 80, 90};
    for (int i = 4; i <= 12; ++i) {
        EXPECT_EQ(r.xAusRechts[i], Zustandspunkt(rechts[i - 4], phi[i - 4]).first) << i;
        EXPECT_EQ(r.xLetzt[i], Zustandspunkt(rechts[i - 4] - 1, phi[i - 4]).first) << i;
        EXPECT_EQ(r.ausOben[i], 0) << i;
    }
}

TEST_F(StandardLauf, HumidityCurveSegmentsAndWidths) {
    const auto blau = l.linien(kBlau);
    auto endetBei = [&](double theta, double phi) {
        const float x = static_cast<float>(12000 * Zustandspunkt(theta, phi).first / 0.2);
        return std::count_if(blau.begin(), blau.end(), [&](auto& op) { return op.x2 == x; });
    };
    EXPECT_EQ(endetBei(71, 90), 1);  // the last segment of 90 %
    EXPECT_EQ(endetBei(72, 90), 0);  // x = 0.2682 is beyond 1.3 Xmax
    EXPECT_EQ(endetBei(4, 20), 1);   // first segment of 20 %
    EXPECT_EQ(endetBei(3, 20), 0);
    EXPECT_EQ(endetBei(56, 1), 1);  // 1 % begins with 55-56 °C
    EXPECT_EQ(endetBei(55, 1), 0);
    EXPECT_EQ(endetBei(1, 30), 1);

    // The unlabelled curves (30, 50, 70, 90 %) are thin, every other blue line thick.
    for (const auto& op : blau) {
        bool duenn = false;
        for (double phi : {30.0, 50.0, 70.0, 90.0}) {
            for (int theta = 1; theta <= 200 && !duenn; ++theta) {
                duenn = op.x2 == static_cast<float>(12000 * Zustandspunkt(theta, phi).first / 0.2);
            }
        }
        EXPECT_EQ(op.breite, duenn ? 1 : 2);
    }
    EXPECT_EQ(l.lauf.zustand().theta, 200);
}

TEST_F(StandardLauf, RefreshOrder) {
    std::vector<std::string> folge;
    for (const auto& op : l.flaeche.operationen()) {
        if (op.art == Art::box) folge.push_back("box");
        if (op.art == Art::refresh) {
            folge.push_back(op.bereich == Bereich::pic_gesamt ? "gesamt" : "diagramm");
        }
        if (op.art == Art::line && (folge.empty() || folge.back() != "line")) {
            folge.push_back("line");
        }
    }
    const std::vector<std::string> erwartet{"box",  "gesamt",   "line", "diagramm",
                                            "line", "diagramm", "line", "diagramm",
                                            "line", "diagramm", "line", "diagramm"};
    EXPECT_EQ(folge, erwartet);
}

TEST(Diagrammlauf, CoordinatesReachTheSurfaceAsRoundedDoubles) {
    Lauf l;
    Eingabe e = Standard();
    e.Xmax = 0.3;  // 12000 x / 0.3 is rarely exact
    l.druecken(e);
    const auto duenn = l.linien(kGruen, 1);
    ASSERT_GT(duenn.size(), 3u);
    double x = 0;
    for (int i = 0; i < 3; ++i) x = x + 0.002;
    EXPECT_EQ(duenn[3].x1, static_cast<float>(KoordX(e, x)));
}

TEST(Diagrammlauf, CurvesAreComputedUpToTheWholeNumberAboveThetamax) {
    Lauf l;
    Eingabe e = Standard();
    e.Thetamax = 45.5;
    l.druecken(e);
    EXPECT_EQ(l.lauf.zustand().theta, 46);

    e.Thetamax = -10;
    e.DeltaThetagross = 10;
    l.druecken(e);
    EXPECT_EQ(l.lauf.zustand().theta, 0);
    EXPECT_TRUE(l.linien(kBlau).empty());  // no saturation loop, curves only at 0 °C
}

TEST(Diagrammlauf, RecordsCarryOverToTheNextPress) {
    Lauf l;
    l.druecken(Standard());
    const Randaufzeichnung vorher = l.lauf.rand();
    Eingabe e = Standard();
    e.Thetamax = 100;  // 10 % no longer reaches Xmax
    l.druecken(e);
    const Randaufzeichnung& r = l.lauf.rand();
    EXPECT_EQ(r.ausRechts[4], 0);
    EXPECT_EQ(r.xAusRechts[4], vorher.xAusRechts[4]);
    EXPECT_EQ(r.hAusRechts[4], vorher.hAusRechts[4]);
    EXPECT_NE(r.xLetzt[4], vorher.xLetzt[4]);
}

TEST(Diagrammlauf, NoNonFiniteCoordinateForExtremeButAcceptedValues) {
    const Eingabe faelle[] = {
        {1e-300, 1, 1, 0.2, 0.02, 0.002, 1013},            // KoordY overflows a double
        {-300, 10, -1, 0.2, 0.02, 0.002, 1013},            // past the Magnus pole
        {-234.175, 10, -234.175, 0.2, 0.02, 0.002, 1013},  // on the pole
        {200, 10, 1, 1e-300, 1e-301, 1e-301, 1013},        // KoordX beyond the float range
        {500000, 50000, 50000, 0.2, 0.02, 0.002, 1013},   {200, 10, 1, 0.2, 0.02, 0.002, 1.3},
        {200, 10, 1, 0.2, 0.02, 0.002, 680000},
    };
    for (const Eingabe& e : faelle) {
        ASSERT_FALSE(Pruefen(e)) << Pruefen(e)->meldung;
        Lauf l;
        l.druecken(e);
        for (const auto& op : l.flaeche.operationen()) {
            ASSERT_TRUE(std::isfinite(op.x1) && std::isfinite(op.y1) && std::isfinite(op.x2) &&
                        std::isfinite(op.y2))
                << e.Thetamax << " " << e.Xmax << " " << e.Pges;
        }
    }
}

TEST(Diagrammlauf, BelowBoilingButAtTheTotalPressureIsDrawnAsAboveBoiling) {
    // At 1011 hPa the bisection stops where the saturation pressure already exceeds the
    // target, so a loop value just below thetaSiede has no finite water content.
    Zustand s;
    s.pS = 1.011;
    ASSERT_TRUE(s.Siedetemperatur());
    ASSERT_GT(s.pS, 1.011);
    Eingabe e{100, 100, s.theta - 1e-9, 0.2, 0.02, 0.002, 1011};
    ASSERT_FALSE(Pruefen(e));
    Lauf l;
    l.druecken(e);
    const auto duenn = l.linien(kRot, 1);
    ASSERT_EQ(duenn.size(), 2u);
    EXPECT_EQ(duenn[1].x2, 12000);              // straight to the right edge
    EXPECT_EQ(l.linien(kNebel, 1).size(), 1u);  // and without a fog part
    // The saturation line skips that temperature: its records keep the 0 °C point.
    EXPECT_GT(l.lauf.rand().xLetzt[0], 0);
    EXPECT_LT(l.lauf.rand().xLetzt[0], 0.004);
}

TEST(Diagrammlauf, PartialPressureEqualToTheTotalPressureDrawsAndRecordsNothing) {
    // Find a total pressure that equals pS * phi / 100 exactly at a whole temperature.
    const double phi[] = {0, 1, 2, 5, 10, 20, 30, 40, 50, 60, 70, 80, 90};
    int kurve = 0;
    int temperatur = 0;
    double Pges = 0;
    for (int theta = 100; theta <= 200 && !kurve; ++theta) {
        Zustand z;
        z.theta = theta;
        z.Saettigungsdruck();
        for (int i = 1; i <= 12 && !kurve; ++i) {
            const double pD = z.pS * phi[i] / 100;
            if ((pD * 1000) / 1000 == pD && pD * 1000 > 1.3 && pD * 1000 < 680000) {
                kurve = i, temperatur = theta, Pges = pD * 1000;
            }
        }
    }
    ASSERT_NE(kurve, 0);
    // A wide chart, so that the curve is still inside when it gets there.
    Eingabe e{200, 10, 1, 1000, 100, 100, Pges};
    ASSERT_FALSE(Pruefen(e));
    Lauf l;
    l.druecken(e);
    for (const auto& op : l.flaeche.operationen()) {
        ASSERT_TRUE(std::isfinite(op.x1) && std::isfinite(op.y1) && std::isfinite(op.x2) &&
                    std::isfinite(op.y2));
    }
    const Randaufzeichnung& r = l.lauf.rand();
    for (double v : {r.xLetzt[kurve], r.hLetzt[kurve], r.xAusRechts[kurve], r.hAusRechts[kurve],
                     r.xAusOben[kurve], r.hAusOben[kurve]}) {
        EXPECT_TRUE(std::isfinite(v)) << "curve " << kurve << " at " << temperatur << " °C";
    }
}

}  // namespace
}  // namespace lumora
