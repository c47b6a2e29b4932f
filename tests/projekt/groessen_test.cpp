#include "projekt/groessen.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace lumora {
namespace {

const Luftdruck kDruck = *LuftdruckBei(1013);

// A process of each kind that computes from 26 °C / 50 % (and 32 °C / 40 % as the second
// state), for a parameter to be moved to its bounds.
Prozess Grundfall(Prozessart art) {
    Prozess p{.art = art};
    p.theta = 30;
    p.wasser = 15;
    p.dampf = 100;
    p.epsilon = 2500;
    p.ziel = art == Prozessart::Kuehlen ? Ziel::Oberflaeche : Ziel::DX;
    p.zielwert = art == Prozessart::Kuehlen ? 9 : 0.001;
    p.massenstroeme = {2000, 6000};
    p.rueckwaermzahl = 0.5;
    return p;
}

// Each value next to a bound of the range, and the bound itself.
std::vector<double> AnDenGrenzen(const Wertebereich& b) {
    std::vector<double> werte;
    for (const auto& g : {b.unten, b.oben}) {
        if (!g) continue;
        for (double richtung : {-1.0, 1.0}) {
            werte.push_back(std::nextafter(g->wert, g->wert + richtung));
        }
        werte.push_back(g->wert);
    }
    return werte;
}

// The ranges the forms show are the ones the computation holds to: every bounded parameter of
// every kind is accepted exactly where its row's range contains it.
TEST(Schema, ProcessParametersAreRefusedExactlyOutsideTheirRows) {
    const Zustandswerte start = *ZustandAusPaar(kDruck, Paar::ThetaPhi, 26, 50);
    const Zustandswerte zweiter = *ZustandAusPaar(kDruck, Paar::ThetaPhi, 32, 40);
    int geprueft = 0;
    for (const Prozessname& n : kProzessnamen) {
        for (const char* k : SchemaVon(n.art).schluessel) {
            const Parameter& par = *ParameterZu(k);
            for (double v : AnDenGrenzen(par.bereich)) {
                Prozess p = Grundfall(n.art);
                // The exhaust flow is bounded by the outdoor flow as well, Φ ṁ / ṁABL <= 1:
                // next to 0 it is refused for that reason, inside its row's range.
                const bool abluft = std::string_view(k) == "massenstrom_abluft";
                if (abluft) p.massenstrom = 1000;
                if (par.wert)
                    p.*par.wert = v;
                else if (par.wahl)
                    p.*par.wahl = v;
                else
                    p.massenstroeme[std::string_view(k) == "massenstrom1" ? 0 : 1] = v;
                const auto r = Rechne(kDruck, p, start, &zweiter);
                if (abluft && Enthaelt(par.bereich, v)) {
                    EXPECT_FALSE(r);
                    EXPECT_NE(r.grund().find("kälter werden als die Außenluft"), std::string::npos)
                        << v << ": " << r.grund();
                    continue;
                }
                EXPECT_EQ(static_cast<bool>(r), Enthaelt(par.bereich, v))
                    << n.schluessel << " " << k << " = " << v << ": " << (r ? "" : r.grund());
                ++geprueft;
            }
        }
    }
    EXPECT_GT(geprueft, 40);
}

// A value just outside either range of a pair gives no state.
TEST(Schema, StatePairsRefuseValuesOutsideTheirRanges) {
    struct Fall {
        Paar paar;
        double a, b;
    };
    for (const Fall& f : {Fall{Paar::ThetaPhi, 20, 50}, Fall{Paar::ThetaX, 20, 0.007},
                          Fall{Paar::HX, 40, 0.007}, Fall{Paar::ThetaTaupunkt, 20, 10},
                          Fall{Paar::ThetaKuehlgrenze, 20, 15}, Fall{Paar::XPhi, 0.007, 50}}) {
        const Zustandspaar& paar = kZustandspaare[static_cast<int>(f.paar)];
        ASSERT_EQ(paar.paar, f.paar);
        ASSERT_TRUE(ZustandAusPaar(kDruck, f.paar, f.a, f.b));
        for (bool erster : {true, false}) {
            for (double v : AnDenGrenzen(erster ? paar.bereichA : paar.bereichB)) {
                if (Enthaelt(erster ? paar.bereichA : paar.bereichB, v)) continue;
                EXPECT_FALSE(ZustandAusPaar(kDruck, f.paar, erster ? v : f.a, erster ? f.b : v))
                    << paar.anzeige << (erster ? " a = " : " b = ") << v;
            }
        }
    }
}

}  // namespace
}  // namespace lumora
