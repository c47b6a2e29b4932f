#include "projekt/bearbeiten.h"

#include <cmath>
#include <string_view>

#include "projekt/groessen.h"
#include "projekt/zone.h"

namespace lumora {

namespace {

// Whether an edit form of the list owns the key, so that the form's entry decides it.
bool GehoertDemFormular(Liste liste, std::string_view k) {
    if (liste == Liste::Zonen) return k == "name" || IstZonengrenze(k);
    return k == "art" || k == "von" || k == "nach" || IstParameterschluessel(k);
}

}  // namespace

Json EintragZusammenfuehren(Liste liste, const Json& alt, const Json& neu) {
    if (!alt.is_object() || !neu.is_object()) return neu;
    Json e = Json::object();
    for (auto it = alt.begin(); it != alt.end(); ++it) {
        const std::string& k = it.key();
        if (const auto n = neu.find(k); n != neu.end()) {
            e[k] = *n;
        } else if (!GehoertDemFormular(liste, k)) {
            e[k] = it.value();
        }
    }
    for (auto it = neu.begin(); it != neu.end(); ++it) {
        if (!e.contains(it.key())) e[it.key()] = it.value();
    }
    return e;
}

std::optional<double> UebernommenerMassenstrom(const Berechnung& b, std::size_t index) {
    if (index == 0 || index > b.prozesse.size()) return std::nullopt;
    const auto& m = b.prozesse[index - 1].massenstrom;
    if (!m || !std::isfinite(*m)) return std::nullopt;
    return std::round(*m * 100) / 100;
}

}  // namespace lumora
