#include "core/zahlen.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>

namespace lumora {
namespace {

struct ZahlFall {
    const char* text;
    double wert;
};

class ZahlTest : public testing::TestWithParam<ZahlFall> {};

TEST_P(ZahlTest, ReadsTheLeadingNumber) {
    EXPECT_EQ(Zahl(GetParam().text), GetParam().wert) << GetParam().text;
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Texte, ZahlTest, testing::Values(
    ZahlFall{"200", 200},           ZahlFall{"0.02", 0.02},        ZahlFall{"0,02", 0.02},
    ZahlFall{"1013 hPa", 1013},     ZahlFall{"", 0},               ZahlFall{"abc", 0},
    ZahlFall{"1,013.5", 1.013},     ZahlFall{"  -12.5", -12.5},    ZahlFall{"+7", 7},
    ZahlFall{".5", 0.5},            ZahlFall{"5.", 5},             ZahlFall{"-", 0},
    ZahlFall{".", 0},               ZahlFall{"1e3", 1000},         ZahlFall{"2,5E-1", 0.25},
    ZahlFall{"2e", 2},              ZahlFall{"2e+", 2},            ZahlFall{"1 013", 1013},
    ZahlFall{"nan", 0},             ZahlFall{"inf", 0},            ZahlFall{"infinity", 0},
    ZahlFall{"-nan", 0},            ZahlFall{"1e-999", 0},         ZahlFall{"0x10", 0},
    ZahlFall{"12abc3", 12},         ZahlFall{"1.2.3", 1.2},        ZahlFall{"0.2 kg/kg", 0.2}));
// clang-format on

TEST(Zahl, OverflowingExponentIsRecognisablyInfinite) {
    EXPECT_TRUE(std::isinf(Zahl("1e999")));
    EXPECT_GT(Zahl("1e999"), 0);
    EXPECT_LT(Zahl("-1e999"), 0);
    EXPECT_TRUE(std::isinf(Zahl("1e99999999999999999999")));
    EXPECT_EQ(Zahl("0e999"), 0);
    EXPECT_EQ(Zahl("0.0001e-400"), 0);
}

TEST(Zahl, SameUnderAGermanLocale) {
    const char* vorher = std::setlocale(LC_ALL, nullptr);
    const std::string alt = vorher ? vorher : "C";
    if (!std::setlocale(LC_ALL, "de_DE.UTF-8")) GTEST_SKIP() << "de_DE.UTF-8 not installed";
    EXPECT_EQ(Zahl("0.02"), 0.02);
    EXPECT_EQ(Zahl("0,02"), 0.02);
    EXPECT_EQ(Zahl("1013.25"), 1013.25);
    EXPECT_EQ(ZahlText(2.5), " 2.5");
    EXPECT_EQ(MusterText(0.02, ","), "0,02");
    std::setlocale(LC_ALL, alt.c_str());
}

struct TextFall {
    double wert;
    const char* text;
};

class ZahlTextTest : public testing::TestWithParam<TextFall> {};

TEST_P(ZahlTextTest, PlainForm) { EXPECT_EQ(ZahlText(GetParam().wert), GetParam().text); }

// clang-format off
INSTANTIATE_TEST_SUITE_P(Formen, ZahlTextTest, testing::Values(
    TextFall{0, " 0"},                 TextFall{-0.0, " 0"},            TextFall{10, " 10"},
    TextFall{2.5, " 2.5"},             TextFall{0.5, " .5"},            TextFall{-0.5, "-.5"},
    TextFall{3 * 0.1, " .3"},          TextFall{200, " 200"},           TextFall{-10, "-10"},
    TextFall{1013, " 1013"},           TextFall{0.00001, " .00001"},    TextFall{1e-6, " 1E-06"},
    TextFall{123456789012345, " 123456789012345"},
    TextFall{1e15, " 1E+15"},          TextFall{-1.5e20, "-1.5E+20"},   TextFall{1e300, " 1E+300"},
    TextFall{1.0 / 3, " .333333333333333"},
    TextFall{2.0 / 3 * 100, " 66.6666666666667"},
    TextFall{0.1 * 3 * 1000, " 300"}));
// clang-format on

TEST(MusterText, PatternWithGivenSeparator) {
    EXPECT_EQ(MusterText(0, ","), "0,0");
    EXPECT_EQ(MusterText(0.02, ","), "0,02");
    EXPECT_EQ(MusterText(0.2, ","), "0,2");
    EXPECT_EQ(MusterText(0.125, ","), "0,125");
    EXPECT_EQ(MusterText(1.5, ","), "1,5");
    EXPECT_EQ(MusterText(0.201, "."), "0.201");
    EXPECT_EQ(MusterText(11 * 0.02, "."), "0.22");
    EXPECT_EQ(MusterText(0.123456, "."), "0.1235");        // rounded to four places
    EXPECT_EQ(MusterText(1234567.25, "."), "1234567.25");  // no grouping
    EXPECT_EQ(MusterText(-0.04, ","), "-0,04");
    EXPECT_EQ(MusterText(1e20, ".").size(), 23u);
}

}  // namespace
}  // namespace lumora
