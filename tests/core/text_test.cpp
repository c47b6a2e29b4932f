#include "core/text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "core/feldtexte.h"
#include "core/feuchte_luft.h"
#include "core/prozess.h"
#include "core/zahlen.h"

namespace lumora {
namespace {

// A translator that marks every text it is asked for: a message built of translated
// templates then lies wholly inside marks, while a German fragment glued to it from outside
// a template stands before or after them.
std::string Markiert(const char* /*kontext*/, const char* quelle) {
    return "‹" + std::string(quelle) + "›";
}

class MitMarken : public testing::Test {
  protected:
    void SetUp() override { UebersetzerSetzen(&Markiert); }
    void TearDown() override { UebersetzerSetzen(nullptr); }
};

const Luftdruck kDruck = *LuftdruckBei(1013);

// Whether the message, after an optional field name "ϑu: ", is one translated template.
::testing::AssertionResult GanzUebersetzt(const std::string& meldung) {
    std::string_view rest = meldung;
    if (const auto doppelpunkt = rest.find(": ‹");
        doppelpunkt != std::string_view::npos &&
        rest.substr(0, doppelpunkt).find(' ') == std::string_view::npos) {
        rest.remove_prefix(doppelpunkt + 2);
    }
    const std::string_view auf = "‹", zu = "›";
    if (rest.substr(0, auf.size()) == auf && rest.size() >= zu.size() &&
        rest.substr(rest.size() - zu.size()) == zu) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure() << "not one template: " << meldung;
}

TEST_F(MitMarken, CoreMessagesAreWholeTemplates) {
    std::vector<std::string> meldungen;
    const auto zustand = [&](Paar paar, double a, double b) {
        const auto z = ZustandAusPaar(kDruck, paar, a, b);
        ASSERT_FALSE(z) << static_cast<int>(paar) << " " << a << " " << b;
        meldungen.push_back(z.grund());
    };
    zustand(Paar::ThetaPhi, -200, 50);
    zustand(Paar::ThetaPhi, 20, 120);
    zustand(Paar::ThetaPhi, 150, 50);
    zustand(Paar::ThetaTaupunkt, 20, 25);
    zustand(Paar::ThetaKuehlgrenze, 20, 25);
    zustand(Paar::ThetaKuehlgrenze, 20, std::numeric_limits<double>::infinity());
    zustand(Paar::XPhi, -0.001, 50);
    zustand(Paar::HX, -500, 0.001);

    const Zustandswerte start = *ZustandAusThetaX(kDruck, 30, 0.010);
    const Zustandswerte zweiter = *ZustandAusThetaX(kDruck, 20, 0.005);
    for (const Prozess& p : {
             Prozess{.art = Prozessart::Mischen},
             Prozess{.art = Prozessart::Heizen, .theta = 15},
             Prozess{.art = Prozessart::Kuehlen, .bypass = 0.1},
             Prozess{.art = Prozessart::Kuehlen, .bypass = 0.1, .ziel = Ziel::Theta, .zielwert = 2},
             Prozess{.art = Prozessart::Kuehlen, .bypass = 0.5, .ziel = Ziel::X, .zielwert = 0.004},
             Prozess{.art = Prozessart::BefeuchtenDampf,
             .dampf = 1000,
             .ziel = Ziel::Phi,
             .zielwert = 99.9},
             Prozess{.art = Prozessart::Richtung, .epsilon = 1000, .ziel = Ziel::Phi},
             Prozess{.art = Prozessart::Heizen, .theta = 40, .massenstrom = 1, .volumenstrom = 1},
         }) {
        const auto r = Rechne(kDruck, p, start, p.art == Prozessart::Mischen ? nullptr : &zweiter);
        ASSERT_FALSE(r) << static_cast<int>(p.art);
        meldungen.push_back(r.grund());
    }
    const auto wrg =
        Rechne(kDruck, {.art = Prozessart::Waermerueckgewinnung, .rueckwaermzahl = 0.7},
               *ZustandAusThetaX(kDruck, -5, 0.002), &start);
    ASSERT_TRUE(wrg && wrg->fortluft && !wrg->fortluft->warnung.empty());
    meldungen.push_back(wrg->fortluft->warnung);

    meldungen.push_back(*Hoehenbereichsfehler(20000));
    meldungen.push_back(ThetaUntenLesen("abc").grund());
    meldungen.push_back(ThetaUntenLesen("-80").grund());
    meldungen.push_back(OhneZahl({"200", "x"})->meldung);
    for (const std::string& m : meldungen) EXPECT_TRUE(GanzUebersetzt(m));

    // The values go into the translated template in their places.
    EXPECT_EQ(meldungen[1], "‹φ = 120 % liegt nicht zwischen 0 und 100 %.›");
    EXPECT_EQ(KurzText(std::nan("")), "‹nicht endlich›");
    EXPECT_EQ(Feldname(Feld::DeltaThetagross), "‹Δϑ fett›");
    EXPECT_EQ(Anzeigename(Prozessart::Heizen), "‹Erwärmen›");
}

}  // namespace
}  // namespace lumora
