#include "core/wertebereich.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "core/groesse.h"
#include "core/prozess.h"
#include "core/zustandswerte.h"

namespace lumora {
namespace {

struct Text {
    Wertebereich bereich;
    const char* schluessel;
    const char* text;
};

// How each kind of range reads, in the key's file unit: x's bound in g/kg, φ's with its %,
// a bound without a unit bare.
TEST(Wertebereich, TextsOfEveryKindOfBound) {
    for (const Text& t : {Text{kBypassBereich, "bypass", "0 ≤ BF < 1"},
                          Text{kRueckgewinnungsBereich, "rueckwaermzahl", "0 ≤ Φ ≤ 1"},
                          Text{kPositiv, "massenstrom", "ṁ > 0 kg/h"},
                          Text{kPhiPositivBereich, "phi", "0 < φ ≤ 100 %"},
                          Text{kTemperaturBereich, "taupunkt", "ϑTau ≥ -100 °C"},
                          Text{Eingeschlossen(std::nullopt, 0.0115), "x", "x ≤ 11,5 g/kg"},
                          Text{kBeliebig, "epsilon", ""}}) {
        EXPECT_EQ(BereichText(t.bereich, t.schluessel), t.text);
    }
}

// The bounds themselves, the doubles next to them, and NaN.
TEST(Wertebereich, BoundsWithAndWithoutThemselves) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_TRUE(Enthaelt(kBypassBereich, 0));
    EXPECT_FALSE(Enthaelt(kBypassBereich, std::nextafter(0.0, -1.0)));
    EXPECT_TRUE(Enthaelt(kBypassBereich, std::nextafter(1.0, 0.0)));
    EXPECT_FALSE(Enthaelt(kBypassBereich, 1));
    EXPECT_FALSE(Enthaelt(kPositiv, 0));
    EXPECT_TRUE(Enthaelt(kPositiv, std::numeric_limits<double>::denorm_min()));
    EXPECT_TRUE(Enthaelt(kBeliebig, -1e308));
    EXPECT_FALSE(Enthaelt(kBeliebig, nan));
    EXPECT_FALSE(Enthaelt(kRueckgewinnungsBereich, nan));
}

// The reason names the range as a whole where both bounds are given, the crossed bound where
// only one is.
TEST(Wertebereich, ReasonsAfterTheSubject) {
    EXPECT_EQ(Bereichsfehler("Der Bypassfaktor 1", 1, kBypassBereich, "bypass"),
              "Der Bypassfaktor 1 liegt nicht in 0 ≤ BF < 1.");
    EXPECT_EQ(Bereichsfehler("Φ 2", 2, kRueckgewinnungsBereich, "rueckwaermzahl"),
              "Φ 2 liegt nicht zwischen 0 und 1.");
    EXPECT_EQ(Bereichsfehler("V̇", 0, kPositiv, "volumenstrom"), "V̇ ist nicht größer als 0 m³/h.");
    EXPECT_EQ(Bereichsfehler("x", -0.001, kNichtNegativ, "x"), "x ist negativ.");
    EXPECT_EQ(Bereichsfehler("ϑ", -101, kTemperaturBereich, "theta"), "ϑ liegt unter -100 °C.");
    EXPECT_EQ(Bereichsfehler("x", 0.02, Eingeschlossen(std::nullopt, 0.0115), "x"),
              "x ist größer als 11,5 g/kg.");
    EXPECT_EQ(Bereichsfehler("BF", 0.5, kBypassBereich, "bypass"), std::nullopt);
}

}  // namespace
}  // namespace lumora
