#include "chart/pruefung.h"

#include <gtest/gtest.h>

#include "core/zahlen.h"
#include "tests/chart/lauf_hilfen.h"

namespace lumora {
namespace {

using test::Standard;

Feldtexte StandardTexte() { return {"200", "10", "1", "0.2", "0.02", "0.002", "1013"}; }

TEST(EingabeLesen, ReadsTheSevenFieldsInTabOrder) {
    EXPECT_EQ(EingabeLesen(StandardTexte()), Standard());
    Feldtexte texte = StandardTexte();
    texte[4] = "0,02";
    texte[6] = "1013 hPa";
    EXPECT_EQ(EingabeLesen(texte), Standard());
    texte[6] = "";
    EXPECT_EQ(EingabeLesen(texte).Pges, 0);
}

struct AbFall {
    Feldtexte texte;
    Feld feld;
    const char* meldung;
};

class Ablehnen : public testing::TestWithParam<AbFall> {};

TEST_P(Ablehnen, NamesTheFieldAndTheReason) {
    const auto ablehnung = Pruefen(EingabeLesen(GetParam().texte));
    ASSERT_TRUE(ablehnung);
    EXPECT_EQ(ablehnung->feld, GetParam().feld);
    EXPECT_EQ(ablehnung->meldung, GetParam().meldung);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Faelle, Ablehnen, testing::Values(
    AbFall{{"1e999", "10", "1", "0.2", "0.02", "0.002", "1013"}, Feld::Thetamax,
           "ϑmax: Die Zahl ist zu groß, um damit zu rechnen."},
    AbFall{{"200", "10", "1", "0.2", "0.02", "-1e400", "1013"}, Feld::DeltaXklein,
           "ΔΧ dünn: Die Zahl ist zu groß, um damit zu rechnen."},
    AbFall{{"", "10", "1", "0.2", "0.02", "0.002", "1013"}, Feld::Thetamax,
           "ϑmax: Die obere Temperaturgrenze darf nicht 0 sein."},
    AbFall{{"200", "10", "1", "abc", "0.02", "0.002", "1013"}, Feld::Xmax,
           "Χmax: Der größte Wassergehalt darf nicht 0 sein."},
    AbFall{{"200", "0", "1", "0.2", "0.02", "0.002", "1013"}, Feld::DeltaThetagross,
           "Δϑ fett: Die Schrittweite darf nicht 0 sein."},
    AbFall{{"200", "10", "0", "0.2", "0.02", "0.002", "1013"}, Feld::DeltaThetaklein,
           "Δϑ dünn: Die Schrittweite darf nicht 0 sein."},
    AbFall{{"200", "10", "1", "0.2", "", "0.002", "1013"}, Feld::DeltaXgross,
           "ΔΧ fett: Die Schrittweite darf nicht 0 sein."},
    AbFall{{"200", "10", "1", "0.2", "0.02", "0,0", "1013"}, Feld::DeltaXklein,
           "ΔΧ dünn: Die Schrittweite darf nicht 0 sein."},
    AbFall{{"200", "-10", "1", "0.2", "0.02", "0.002", "1013"}, Feld::DeltaThetagross,
           "Δϑ fett: Die Schrittweite muss größer als 0 sein, wenn ϑmax über 0 liegt."},
    AbFall{{"200", "10", "1", "0.2", "-0.02", "0.002", "1013"}, Feld::DeltaXgross,
           "ΔΧ fett: Die Schrittweite muss größer als 0 sein, wenn Χmax über 0 liegt."},
    AbFall{{"200", "10", "1", "0.2", "0.02", "0.002", ""}, Feld::Pges,
           "Pgesamt: Der Gesamtdruck muss zwischen etwa 1,24 und 689000 hPa liegen, damit sich "
           "die Siedetemperatur bestimmen lässt."},
    AbFall{{"200", "10", "1", "0.2", "0.02", "0.002", "-1013"}, Feld::Pges,
           "Pgesamt: Der Gesamtdruck muss zwischen etwa 1,24 und 689000 hPa liegen, damit sich "
           "die Siedetemperatur bestimmen lässt."},
    AbFall{{"200", "10", "1", "0.2", "0.02", "0.002", "1.2"}, Feld::Pges,
           "Pgesamt: Der Gesamtdruck muss zwischen etwa 1,24 und 689000 hPa liegen, damit sich "
           "die Siedetemperatur bestimmen lässt."},
    AbFall{{"200", "10", "1", "0.2", "0.02", "0.002", "700000"}, Feld::Pges,
           "Pgesamt: Der Gesamtdruck muss zwischen etwa 1,24 und 689000 hPa liegen, damit sich "
           "die Siedetemperatur bestimmen lässt."},
    AbFall{{"200", "4", "1", "0.2", "0.02", "0.002", "1013"}, Feld::DeltaThetagross,
           "Δϑ fett: Für ϑmax = 200 °C reichen die 43 Temperaturbeschriftungen erst ab einer "
           "Schrittweite von 4,762 grd."},
    AbFall{{"200", "10", "1", "0.2", "0.01", "0.002", "1013"}, Feld::DeltaXgross,
           "ΔΧ fett: Für Χmax = 0,2 kg/kg reichen die 14 Wassergehaltsbeschriftungen erst ab "
           "einer Schrittweite von 0,01443 kg/kg."},
    AbFall{{"200", "10", "1", "-0.2", "-1", "0.002", "1013"}, Feld::DeltaXgross,
           "ΔΧ fett: Mit dieser Schrittweite reichen die 14 Wassergehaltsbeschriftungen nicht "
           "aus."},
    AbFall{{"200", "10", "0.0001", "0.2", "0.02", "0.002", "1013"}, Feld::DeltaThetaklein,
           "Δϑ dünn: Mit dieser Schrittweite bräuchte eine Linienschar mehr als 1 000 000 Linien, "
           "die Grenze des Programms."},
    AbFall{{"200", "10", "1", "0.2", "0.02", "1e-8", "1013"}, Feld::DeltaXklein,
           "ΔΧ dünn: Mit dieser Schrittweite bräuchte eine Linienschar mehr als 1 000 000 Linien, "
           "die Grenze des Programms."},
    AbFall{{"2000000", "50000", "50000", "0.2", "0.02", "0.002", "1013"}, Feld::Thetamax,
           "ϑmax: Die Feuchtekurven bräuchten mehr als 1 000 000 Temperaturen, die Grenze des "
           "Programms."},
    AbFall{{"200", "10", "1", "1e10", "1e9", "1e9", "1013"}, Feld::DeltaThetagross,
           "Δϑ fett: Mit dieser Schrittweite bräuchte eine Linienschar mehr als 1 000 000 Linien, "
           "die Grenze des Programms."}));
// clang-format on

TEST(Pruefen, SmallestSuggestedStepFits) {
    for (double Thetamax : {200.0, 123.4, 1.0, 1e5}) {
        Eingabe e = Standard();
        e.Thetamax = Thetamax;
        e.DeltaThetagross = Thetamax / 100;
        const auto ablehnung = Pruefen(e);
        ASSERT_TRUE(ablehnung);
        const std::string& m = ablehnung->meldung;
        const std::size_t von = m.rfind("von ") + 4;
        e.DeltaThetagross = Zahl(m.substr(von));
        EXPECT_FALSE(Pruefen(e)) << m;
        e.DeltaThetagross *= 0.999;
        EXPECT_TRUE(Pruefen(e)) << m;  // and is the smallest at four digits
    }
}

TEST(Pruefen, AcceptsWhatTheChartDefines) {
    const Eingabe faelle[] = {
        Standard(),
        {200, 10, -1, 0.2, 0.02, -0.002, 1013},  // negative fine steps: no such lines
        {-50, 10, 1, 0.2, 0.02, 0.002, 1013},    // negative Thetamax
        {-50, -10, -1, -0.2, -0.02, -0.002, 1013},
        {200, 10, 20, 0.2, 0.02, 0.05, 1013},        // fine steps larger than coarse ones
        {200, 5, 1, 0.2, 0.02, 0.002, 1013},         // 41 temperature labels
        {200, 10, 0.001, 0.2, 0.02, 0.00001, 1013},  // the stress chart
        {200, 10, 1, 0.2, 0.02, 0.002, 1.25},
        {200, 10, 1, 0.2, 0.02, 0.002, 688000},
    };
    for (const Eingabe& e : faelle) {
        const auto ablehnung = Pruefen(e);
        EXPECT_FALSE(ablehnung) << ablehnung->meldung;
    }
}

TEST(Pruefen, HumidityCurvesVisitAtMostAMillionTemperatures) {
    Eingabe e{999999, 999999 / 42.0, 1, 0.2, 0.2 / 13.5, 0.002, 1013};
    EXPECT_FALSE(Pruefen(e));  // 0 .. 999999: a million temperatures
    e.Thetamax = 999999.5;     // 0 .. 1000000: one more
    e.DeltaThetagross = e.Thetamax / 42;
    ASSERT_TRUE(Pruefen(e));
    EXPECT_EQ(Pruefen(e)->feld, Feld::Thetamax);
}

TEST(Pruefen, AcceptedPressesEndQuickly) {
    // The largest accepted families: every loop ends, and the run stays bounded.
    Eingabe e{999999, 999999 / 42.0, 1, 0.2, 0.2 / 13.5, 0.2 / 999999, 1013};
    ASSERT_FALSE(Pruefen(e)) << Pruefen(e)->meldung;
    test::Lauf l;
    l.druecken(e);
    EXPECT_LT(l.flaeche.operationen().size(), 6'000'000u);
}

}  // namespace
}  // namespace lumora
