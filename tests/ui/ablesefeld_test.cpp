#include "ui/ablesefeld.h"

#include <gtest/gtest.h>

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
             "pD = 74,18 hPa\nτ = 40,0 °C"}));
// clang-format on

}  // namespace
}  // namespace lumora
