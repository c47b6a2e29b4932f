#include "core/koordinaten.h"

#include <gtest/gtest.h>

namespace lumora {
namespace {

TEST(KoordX, ScalesWaterContentToTheWidth) {
    Eingabe e;
    e.Xmax = 0.02;
    EXPECT_EQ(KoordX(e, 0), 0);
    EXPECT_EQ(KoordX(e, 0.01), 6000);
    EXPECT_EQ(KoordX(e, 0.02), 12000);
    EXPECT_GT(KoordX(e, 0.03), 12000);  // unclipped
}

TEST(KoordY, SkewedMollierHeight) {
    Eingabe e;
    e.Thetamax = 50;
    EXPECT_EQ(KoordY(e, 0, 0), 8000);
    EXPECT_EQ(KoordY(e, 0, 50), 0);
    EXPECT_EQ(KoordY(e, 0.01, 50), 4000);
    EXPECT_NEAR(KoordY(e, 0, 1.005 * 50), -40, 1e-9);  // above the chart, unclipped
}

// 8000 - (8000 (h - 2500 x)) / ϑmax, each step rounded to double, gives 5074.280000000001
// at x = 0.00403, h = 83.218, ϑmax = 200 (worked out in Python); the algebraically equal
// 8000 (1 - (h - 2500 x) / ϑmax) gives 5074.28, one bit less.
TEST(KoordY, FollowsTheStatedEvaluationOrder) {
    Eingabe e;
    e.Thetamax = 200;
    EXPECT_EQ(KoordY(e, 0.00403, 83.218), 0x1.3d247ae147ae2p+12);
    EXPECT_NE(KoordY(e, 0.00403, 83.218), 5074.28);
    // A winter chart's bottom edge h - 2500 x = -20 on a chart up to 40 °C: 7333.33…
    e.Thetamax = 40;
    e.ThetaUnten = -20;
    EXPECT_EQ(KoordY(e, 0.002, -10), 7333.333333333333);
}

}  // namespace
}  // namespace lumora
