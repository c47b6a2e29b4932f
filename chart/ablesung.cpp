#include "chart/ablesung.h"

#include "core/koordinaten.h"
#include "core/zustandswerte.h"

namespace lumora {

std::optional<Ablesung> Ablesen(const Eingabe& e, double X, double Y) {
    const auto druck = LuftdruckBei(e.Pges);
    if (!druck) return std::nullopt;
    const double x = XAusKoord(e, X);
    const auto z = ZustandAusHX(*druck, HAusKoord(e, x, Y), x);
    if (!z) return std::nullopt;
    Ablesung a;
    a.theta = z->theta;
    a.x = z->x;
    a.h = z->h;
    a.pD = z->pD;
    if (z->nebel) {
        a.gebiet = Ablesung::Gebiet::Nebel;
        a.xS = z->x - z->wasser - z->eis;
    } else if (!z->phi) {
        a.gebiet = Ablesung::Gebiet::ueberSiedepunkt;
    } else {
        a.phi = *z->phi;
    }
    a.eis = z->eis;
    a.reifpunkt = z->reifpunkt;
    a.mitTaupunkt = z->taupunkt.has_value();
    a.tau = z->taupunkt.value_or(0);
    return a;
}

}  // namespace lumora
