#include "projekt/spalten.h"

#include <algorithm>
#include <array>

#include "core/einheiten.h"
#include "core/text.h"
#include "projekt/tafeltext.h"

namespace lumora {

namespace {

using Z = Zustandswerte;
using P = BerechneterProzess;
using W = std::optional<double>;

const std::array<Zustandsspalte, 12> kZustandsspalten{{
    {"theta", "ϑ [°C]", stellen::kTheta, [](const Z& z) -> W { return z.theta; }},
    {"x", "x [g/kg]", stellen::kX, [](const Z& z) -> W { return InGrammJeKg(z.x); }},
    {"phi", "φ [%]", stellen::kPhi, [](const Z& z) { return z.phi; }},
    {"h", "h [kJ/kg]", stellen::kH, [](const Z& z) -> W { return z.h; }},
    {"pD", "pD [hPa]", stellen::kDruck, [](const Z& z) -> W { return z.pD * kHpaJeBar; }},
    {"taupunkt", "ϑTau [°C]", stellen::kTheta, [](const Z& z) { return z.taupunkt; }},
    {"kuehlgrenze", "ϑK [°C]", stellen::kTheta, [](const Z& z) { return z.kuehlgrenze; }},
    {"rho", "ρ [kg/m³]", stellen::kRho, [](const Z& z) -> W { return z.rho; }},
    {"v", "v [m³/kg]", stellen::kRho, [](const Z& z) -> W { return z.v; }},
    {"nebel", vorgemerkt::Text("Projekt", "Nebel"), 0,
     [](const Z& z) -> W { return z.nebel ? 1 : 0; }, true},
    {"wasser", vorgemerkt::Text("Projekt", "Wasser [g/kg]"), stellen::kWasser,
     [](const Z& z) -> W { return InGrammJeKg(z.wasser); }},
    {"eis", vorgemerkt::Text("Projekt", "Eis [g/kg]"), stellen::kX,
     [](const Z& z) -> W { return InGrammJeKg(z.eis); }},
}};

const std::array<Prozessspalte, 7> kProzessspalten{{
    {"dtheta", "Δϑ [K]", stellen::kTheta, [](const P& p) -> W { return p.dtheta; }},
    {"dx", "Δx [g/kg]", stellen::kX, [](const P& p) -> W { return InGrammJeKg(p.dx); }},
    {"dh", "Δh [kJ/kg]", stellen::kH, [](const P& p) -> W { return p.dh; }},
    {"massenstrom", "ṁ [kg/h]", stellen::kStrom, [](const P& p) { return p.massenstrom; }},
    {"volumenstrom", "V̇ [m³/h]", stellen::kStrom, [](const P& p) { return p.volumenstrom; }},
    {"leistung", vorgemerkt::Text("Projekt", "Leistung [kW]"), stellen::kWasser,
     [](const P& p) { return p.leistung; }},
    {"wasser", vorgemerkt::Text("Projekt", "Wasser [kg/h]"), stellen::kWasser,
     [](const P& p) { return p.wasser; }},
}};

template <class Spalten>
const auto& Zu(const Spalten& spalten, std::string_view schluessel) {
    const auto it = std::find_if(spalten.begin(), spalten.end(),
                                 [&](const auto& s) { return s.schluessel == schluessel; });
    return it == spalten.end() ? spalten.front() : *it;
}

// The header of a column in the program's language; a header of symbols and units alone has
// no translation and stays as it is.
std::string KopfText(std::string_view kopf) { return tafel::Angezeigt(std::string(kopf).c_str()); }

}  // namespace

std::string Kopf(const Zustandsspalte& s) { return KopfText(s.kopf); }
std::string Kopf(const Prozessspalte& s) { return KopfText(s.kopf); }

std::span<const Zustandsspalte> Zustandsspalten() { return kZustandsspalten; }
const Zustandsspalte& ZustandsspalteZu(std::string_view s) { return Zu(kZustandsspalten, s); }
std::span<const Prozessspalte> Prozessspalten() { return kProzessspalten; }
const Prozessspalte& ProzessspalteZu(std::string_view s) { return Zu(kProzessspalten, s); }

}  // namespace lumora
