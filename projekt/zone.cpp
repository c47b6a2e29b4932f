#include "projekt/zone.h"

#include <algorithm>
#include <cmath>

#include "core/text.h"

namespace lumora {

using nlohmann::ordered_json;

namespace {

using Grenzfeld = std::optional<Wertebereich> Zone::*;

Grenzfeld Feld(std::string_view groesse) {
    if (groesse == "theta") return &Zone::theta;
    if (groesse == "phi") return &Zone::phi;
    return &Zone::x;
}

bool Haelt(const std::optional<Wertebereich>& g, std::optional<double> v) {
    if (!g || Unbegrenzt(*g)) return true;
    return v && Enthaelt(*g, *v);
}

ordered_json Ende(const std::optional<Grenze>& g) { return g ? JsonZahl(g->wert) : ordered_json(); }

// Texts of a bound for a message, as the file wrote them.
std::string GrenzText(double v) { return JsonZahl(v).dump(); }

}  // namespace

bool IstZonengrenze(std::string_view schluessel) {
    for (const char* g : kZonengrenzen) {
        if (schluessel == g) return true;
    }
    return false;
}

Zone Behaglichkeitsfeld() {
    Zone z;
    z.name = Text("Projekt", "Behaglichkeitsfeld (20–26 °C, 30–65 %, x ≤ 11,5 g/kg)");
    z.theta = Eingeschlossen(20, 26);
    z.phi = Eingeschlossen(30, 65);
    z.x = Eingeschlossen(std::nullopt, 11.5);
    return z;
}

bool Innen(const Zone& zone, const Messpunkt& p) {
    return Haelt(zone.theta, p.theta) && Haelt(zone.phi, p.phi) && Haelt(zone.x, p.xGkg);
}

std::size_t InnenAnzahl(const Zone& zone, const Messauswertung& a) {
    std::size_t n = 0;
    for (const Messpunkt& p : a.moeglich) n += Innen(zone, p) ? 1 : 0;
    return n;
}

double Anteil(std::size_t innen, const Messauswertung& a) {
    const std::size_t moeglich = a.punkte - a.unmoeglich;
    return moeglich == 0 ? 0.0 : 100.0 * static_cast<double>(innen) / static_cast<double>(moeglich);
}

std::optional<double> InnenStunden(const Zone& zone, const Messauswertung& a) {
    if (!a.zeitLesbar) return std::nullopt;
    double stunden = 0;
    for (const Messpunkt& p : a.moeglich) {
        if (Innen(zone, p)) stunden += p.stunden;
    }
    return stunden;
}

ordered_json ZoneZuJson(const Zone& zone) {
    ordered_json j = zone.vorlage.is_object() ? zone.vorlage : ordered_json::object();
    j["name"] = zone.name;
    for (const char* g : kZonengrenzen) {
        const std::optional<Wertebereich>& grenze = zone.*Feld(g);
        if (grenze) {
            j[g] = ordered_json::array({Ende(grenze->unten), Ende(grenze->oben)});
        } else {
            j.erase(g);
        }
    }
    return j;
}

Ergebnis<Zone> ZoneAusJson(const ordered_json& j) {
    using E = Ergebnis<Zone>;
    if (!j.is_object()) return E::Fehler(Text("Projekt", "Die Zone ist kein JSON-Objekt."));
    Zone z;
    const auto name = EintragsName(j, Eintragsart::Zone);
    if (!name) return E::Fehler(name.grund());
    z.name = *name;
    for (const char* g : kZonengrenzen) {
        const auto w = j.find(g);
        if (w == j.end()) continue;
        const auto ende = [](const ordered_json& e) {
            return e.is_null() || (e.is_number() && std::isfinite(e.get<double>()));
        };
        if (!w->is_array() || w->size() != 2 || !ende((*w)[0]) || !ende((*w)[1])) {
            return E::Fehler(Einsetzen(Text("Projekt",
                                            "%1 der Zone ist keine Liste aus unterer und "
                                            "oberer Grenze (Zahl oder null)."),
                                       {Zitat(g)}));
        }
        const auto zahl = [](const ordered_json& e) {
            return e.is_null() ? std::nullopt : std::optional<double>(e.get<double>());
        };
        const Wertebereich grenze = Eingeschlossen(zahl((*w)[0]), zahl((*w)[1]));
        if (grenze.unten && grenze.oben && grenze.unten->wert > grenze.oben->wert) {
            return E::Fehler(Einsetzen(
                Text("Projekt", "%1 der Zone: die untere Grenze %2 liegt über der oberen %3."),
                {Zitat(g), GrenzText(grenze.unten->wert), GrenzText(grenze.oben->wert)}));
        }
        z.*Feld(g) = grenze;
    }
    z.vorlage = Vorlage(j, {"name", "theta", "phi", "x"});
    return z;
}

ordered_json MessreiheBericht(const Messreihe& reihe, const Messauswertung& a,
                              const std::vector<Zone>& zonen) {
    ordered_json j = ordered_json::object();
    j["name"] = reihe.name;
    if (a.wetterjahr) j["art"] = "wetterjahr";
    j["punkte"] = a.punkte;
    j["unmoeglich"] = a.unmoeglich;
    if (a.wetterjahr) {
        j["stunden"] = JsonZahl(a.Stunden());
        if (reihe.druck) j["druck"] = JsonZahl(*reihe.druck);
        j["auslegung"] = ordered_json();
        if (const auto& w = a.auslegung) {
            j["auslegung"] = {{"k", w->k},
                              {"theta_max", JsonZahl(w->thetaMax)},
                              {"x_max", JsonZahl(w->xMax)},
                              {"h_max", JsonZahl(w->hMax)},
                              {"theta_min", JsonZahl(w->thetaMin)}};
        }
        if (const auto& h = a.haeufigkeit) {
            ordered_json klassen = ordered_json::array();
            for (const Klasse& k : h->klassen) {
                klassen.push_back({JsonZahl(k.theta), JsonZahl(k.x), JsonZahl(k.stunden)});
            }
            j["haeufigkeit"] = {{"dtheta", JsonZahl(h->breite.dtheta)},
                                {"dx", JsonZahl(h->breite.dx)},
                                {"klassen", std::move(klassen)}};
        }
    }
    ordered_json z = ordered_json::object();
    for (const Zone& zone : zonen) {
        const std::size_t innen = InnenAnzahl(zone, a);
        ordered_json& e = z[zone.name];
        e = {{"innen", innen}, {"anteil", Anteil(innen, a)}};
        if (const auto stunden = InnenStunden(zone, a)) e["stunden"] = *stunden;
    }
    j["zonen"] = std::move(z);
    return j;
}

}  // namespace lumora
