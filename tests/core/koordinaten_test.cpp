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

TEST(KoordY, FollowsTheStatedEvaluationOrder) {
    // 8000 - (8000*(h - 2500x))/Thetamax, each step rounded: differs in the last bit
    // from the algebraically equal 8000*(1 - (h - 2500x)/Thetamax).
    Eingabe e;
    e.Thetamax = 200;
    const double x = 0.0037730;
    const double h = 9.4326;
    const double a = 2500 * x;
    const double b = h - a;
    const double c = 8000 * b;
    EXPECT_EQ(KoordY(e, x, h), 8000 - c / 200);
}

}  // namespace
}  // namespace lumora
