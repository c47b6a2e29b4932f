#include "projekt/bericht.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "core/prozess.h"
#include "core/text.h"
#include "core/zahlen.h"
#include "projekt/groessen.h"
#include "projekt/spalten.h"

namespace lumora {

namespace {

Json Wert(std::optional<double> v) { return v && std::isfinite(*v) ? Json(*v) : Json(); }

// The values of a state under their file keys and in the file's units, where the file has
// them; the rest in the units the manual names.
Json ZustandJson(const Diagrammpunkt& p) {
    const Zustandswerte& z = p.zustand;
    Json j{{"name", p.name}};
    const auto datei = [&](const char* k) { j[k] = Wert(WertVon(z, k)); };
    for (const char* k : {"theta", "x", "phi", "h"}) datei(k);
    j["pD"] = Wert(InHpa(z.pD));
    for (const char* k : {"taupunkt", "kuehlgrenze"}) datei(k);
    j["rho"] = Wert(z.rho);
    j["v"] = Wert(z.v);
    j["nebel"] = z.nebel;
    j["wasser"] = Wert(InGrammJeKg(z.wasser));
    j["eis"] = Wert(InGrammJeKg(z.eis));
    j["X"] = Wert(p.X);
    j["Y"] = Wert(p.Y);
    return j;
}

Json VonJson(const std::vector<std::string>& von) {
    return von.size() == 1 ? Json(von[0]) : Json(von);
}

Json ProzessJson(const BerechneterProzess& r) {
    Json j{{"art", r.art},
           {"von", VonJson(r.von)},
           {"nach", r.nach},
           {"dtheta", Wert(r.dtheta)},
           {"dx", Wert(InDatei("dx", r.dx))},
           {"dh", Wert(r.dh)},
           {"leistung", Wert(r.leistung)},
           {"wasser", Wert(r.wasser)},
           {"massenstrom", Wert(r.massenstrom)},
           {"volumenstrom", Wert(r.volumenstrom)}};
    // Only where they exist, so that the other processes keep their keys.
    if (r.oberflaecheGesucht && r.oberflaeche)
        j["oberflaeche"] = Wert(r.oberflaeche->zustand.theta);
    if (r.fortluft) {
        j["fortluft"] =
            Json{{"theta", Wert(r.fortluft->theta)},
                 {"warnung", r.fortluft->warnung.empty() ? Json() : Json(r.fortluft->warnung)}};
    }
    return j;
}

// The characters from anfang to ende with the point replaced by the given separator.
std::string MitTrenner(const char* anfang, const char* ende, std::string_view trenner) {
    std::string s;
    for (const char* c = anfang; c != ende; ++c) {
        if (*c == '.') {
            s += trenner;
        } else {
            s += *c;
        }
    }
    return s;
}

}  // namespace

std::string Prozesshinweis(const BerechneterProzess& r, std::string_view trenner) {
    std::string text;
    const auto dazu = [&](const std::string& teil) { text += (text.empty() ? "" : "; ") + teil; };
    if (r.oberflaecheGesucht && r.oberflaeche) {
        dazu("ϑO = " + Zelle(r.oberflaeche->zustand.theta, trenner, stellen::kTheta) + " °C");
    }
    if (r.fortluft) {
        dazu(Einsetzen(Text("Projekt", "Fortluft ϑ = %1 °C"),
                       {Zelle(r.fortluft->theta, trenner, stellen::kTheta)}));
        if (!r.fortluft->warnung.empty()) dazu(r.fortluft->warnung);
    }
    return text;
}

std::string Zelle(std::optional<double> v, std::string_view trenner) {
    return v ? KuerzesterText(*v, trenner) : std::string();
}

std::string Zelle(std::optional<double> v, std::string_view trenner, int stellen) {
    if (!v || !std::isfinite(*v)) return {};
    char puffer[400];
    double w = *v;
    if (std::round(w * std::pow(10.0, stellen)) == 0) w = 0;
    const auto ende =
        std::to_chars(puffer, puffer + sizeof puffer, w, std::chars_format::fixed, stellen).ptr;
    return MitTrenner(puffer, ende, trenner);
}

std::string Zelle(std::string_view text) {
    if (text.find_first_of(";\"\r\n") == std::string_view::npos) return std::string(text);
    std::string s = "\"";
    for (const char c : text) {
        if (c == '"') s += '"';
        s += c;
    }
    return s + '"';
}

namespace {

void Zeile(std::string& aus, std::initializer_list<std::string> zellen) {
    bool erste = true;
    for (const std::string& z : zellen) {
        if (!erste) aus += ';';
        erste = false;
        aus += z;
    }
    aus += '\n';
}

void ZustandZeile(std::string& aus, const std::string& name, const Diagrammpunkt* p,
                  const std::string& fehler, std::string_view t) {
    aus += Zelle(name);
    for (const Zustandsspalte& s : Zustandsspalten()) {
        aus += ';';
        if (!p) continue;
        const auto w = s.wert(p->zustand);
        aus += s.janein ? (w == 1.0 ? Text("Projekt", "ja") : Text("Projekt", "nein"))
                        : Zelle(w, t, s.stellen);
    }
    aus += ';';
    aus += p ? (p->aufLeinwand ? "" : Text("Projekt", "außerhalb des Diagramms")) : Zelle(fehler);
    aus += '\n';
}

std::string ArtName(const std::string& art) {
    const auto a = ProzessartZu(art);
    return Zelle(a ? Anzeigename(*a) : art);
}

}  // namespace

Json BerichtJson(const Berechnung& b) {
    Json zustaende = Json::array();
    Json prozesse = Json::array();
    Json fehler = Json::array();
    for (std::size_t i = 0; i < b.zustaende.size(); ++i) {
        const BerechneterZustand& z = b.zustaende[i];
        if (z.punkt) {
            zustaende.push_back(ZustandJson(*z.punkt));
        } else {
            fehler.push_back(Json{{"wo", Wo(Liste::Zustaende, i)}, {"meldung", z.fehler}});
        }
    }
    for (std::size_t i = 0; i < b.prozesse.size(); ++i) {
        const BerechneterProzess& r = b.prozesse[i];
        if (r.ende) {
            zustaende.push_back(ZustandJson(*r.ende));
            prozesse.push_back(ProzessJson(r));
        } else {
            fehler.push_back(Json{{"wo", Wo(Liste::Prozesse, i)}, {"meldung", r.fehler}});
        }
    }
    Json bericht{{"zustaende", std::move(zustaende)}, {"prozesse", std::move(prozesse)}};
    if (!b.messreihen.empty()) {
        const std::vector<Zone> zonen = b.GueltigeZonen();
        Json reihen = Json::array();
        for (std::size_t i = 0; i < b.messreihen.size(); ++i) {
            const MessreihenErgebnis& m = b.messreihen[i];
            if (m.fehler.empty()) {
                reihen.push_back(MessreiheBericht(*m.reihe, *m.auswertung, zonen));
            } else {
                fehler.push_back(Json{{"wo", Wo(Liste::Messreihen, i)}, {"meldung", m.fehler}});
            }
        }
        bericht["messreihen"] = std::move(reihen);
    }
    if (b.anlage) {
        if (b.anlage->jahr) {
            bericht["anlage"] = AnlagenBericht(b.anlage->name, *b.anlage->jahr);
        } else {
            const Json& name = b.anlage->quelle.is_object() && b.anlage->quelle.contains("name")
                                   ? b.anlage->quelle["name"]
                                   : Json();
            bericht["anlage"] = Json{{"name", name}, {"fehler", b.anlage->fehler}};
            fehler.push_back(Json{{"wo", "anlage"}, {"meldung", b.anlage->fehler}});
        }
    }
    for (std::size_t i = 0; i < b.zonen.size(); ++i) {
        if (!b.zonen[i].zone) {
            fehler.push_back(Json{{"wo", Wo(Liste::Zonen, i)}, {"meldung", b.zonen[i].fehler}});
        }
    }
    bericht["fehler"] = std::move(fehler);
    return bericht;
}

std::string BerichtText(const Berechnung& b) {
    return DokumentSchreiben(BerichtJson(b),
                             {"zustaende", "prozesse", "messreihen", "anlage", "fehler"});
}

std::string Tabelle(const Projekt& p, const Berechnung& b, std::string_view t) {
    std::string aus;
    const std::string hinweis = Text("Projekt", "Hinweis");
    aus += Text("Projekt", "Name");
    for (const Zustandsspalte& s : Zustandsspalten()) (aus += ';') += Kopf(s);
    aus += ';' + hinweis + '\n';
    for (const BerechneterZustand& z : b.zustaende) {
        ZustandZeile(aus, z.name, z.punkt ? &*z.punkt : nullptr, z.fehler, t);
    }
    for (const BerechneterProzess& r : b.prozesse) {
        if (r.ende) ZustandZeile(aus, r.nach, &*r.ende, {}, t);
    }
    aus += '\n';
    aus += Text("Projekt", "Art") + ';' + Text("Projekt", "Von") + ';' + Text("Projekt", "Nach") +
           ';' + Text("Projekt", "Parameter");
    for (const Prozessspalte& s : Prozessspalten()) (aus += ';') += Kopf(s);
    aus += ';' + hinweis + '\n';
    for (std::size_t i = 0; i < b.prozesse.size(); ++i) {
        const BerechneterProzess& r = b.prozesse[i];
        std::string von;
        for (const std::string& n : r.von) von += (von.empty() ? "" : " + ") + n;
        const std::string parameter = i < p.anzahl(Liste::Prozesse)
                                          ? Zelle(Parametertext(p.eintrag(Liste::Prozesse, i), t))
                                          : std::string();
        if (!r.ende) {
            Zeile(aus, {ArtName(r.art), Zelle(von), Zelle(r.nach), parameter, "", "", "", "", "",
                        "", "", Zelle(r.fehler)});
            continue;
        }
        aus += ArtName(r.art) + ';' + Zelle(von) + ';' + Zelle(r.nach) + ';' + parameter;
        for (const Prozessspalte& s : Prozessspalten())
            (aus += ';') += Zelle(s.wert(r), t, s.stellen);
        aus += ';' + Zelle(Prozesshinweis(r, t)) + '\n';
    }
    if (!b.prozesse.empty()) {
        using stellen::kWasser;
        for (const Summenzeile& z : SummenzeilenVon(SummenVon(b.prozesse))) {
            Zeile(aus, {Zelle(z.name), "", "", "", "", "", "", "", "",
                        Zelle(z.leistung, t, kWasser), Zelle(z.wasser, t, kWasser), ""});
        }
    }
    if (b.messreihen.empty()) return aus;
    aus += '\n';
    Zeile(aus, {Text("Projekt", "Messreihe"), Text("Projekt", "Punkte"),
                Text("Projekt", "Unmöglich"), Text("Projekt", "Zone"), Text("Projekt", "Innen"),
                Text("Projekt", "Anteil [%]"), hinweis});
    const std::vector<Zone> zonen = b.GueltigeZonen();
    for (const MessreihenErgebnis& m : b.messreihen) {
        const std::string name = m.reihe ? Zelle(m.reihe->name) : "";
        if (!m.fehler.empty()) {
            Zeile(aus, {name, "", "", "", "", "", Zelle(m.fehler)});
            continue;
        }
        const Json j = MessreiheBericht(*m.reihe, *m.auswertung, zonen);
        const std::string punkte = std::to_string(m.auswertung->punkte);
        const std::string unmoeglich = std::to_string(m.auswertung->unmoeglich);
        if (j["zonen"].empty()) Zeile(aus, {name, punkte, unmoeglich, "", "", "", ""});
        for (const auto& [zone, werte] : j["zonen"].items()) {
            Zeile(aus, {name, punkte, unmoeglich, Zelle(zone), Kompakt(werte["innen"]),
                        Zelle(werte["anteil"].get<double>(), t), ""});
        }
    }
    return aus;
}

std::string Klassentabelle(const Haeufigkeit& h) {
    std::string aus = "ϑ \\ x [g/kg]";
    if (h.klassen.empty()) return aus + "\n";
    const auto [jmin, jmax] =
        std::minmax_element(h.klassen.begin(), h.klassen.end(),
                            [](const Klasse& a, const Klasse& b) { return a.j < b.j; });
    const std::int64_t j0 = jmin->j, j1 = jmax->j;
    const auto grenze = [](std::int64_t k, double breite) {
        return KuerzesterText(Klassengrenze(k, breite), ".");
    };
    for (std::int64_t j = j0; j <= j1; ++j) aus += ";" + grenze(j, h.breite.dx);
    aus += "\n";
    auto k = h.klassen.begin();
    for (std::int64_t i = h.klassen.front().i; i <= h.klassen.back().i; ++i) {
        aus += grenze(i, h.breite.dtheta);
        for (std::int64_t j = j0; j <= j1; ++j) {
            double stunden = 0;
            if (k != h.klassen.end() && k->i == i && k->j == j) stunden = (k++)->stunden;
            aus += ";" + KuerzesterText(stunden, ".");
        }
        aus += "\n";
    }
    return aus;
}

}  // namespace lumora
