#include "projekt/projekt.h"

#include <algorithm>
#include <array>
#include <functional>
#include <iterator>
#include <queue>
#include <unordered_map>
#include <utility>

#include "core/text.h"
#include "core/zahlen.h"
#include "projekt/messreihe.h"

namespace lumora {

namespace {

// The known top-level keys in the order a file has them.
constexpr std::array<std::string_view, 11> kReihenfolge{
    "lumora",     "eingabe", "theta_unten", "zustaende",    "prozesse", "uebung",
    "messreihen", "anlage",  "zonen",       "randmassstab", "notiz"};

// The truth value under `schluessel` of an object; none when the key is missing or no bool.
std::optional<bool> Wahrheitswert(const Json& objekt, const char* schluessel) {
    const auto it = objekt.find(schluessel);
    if (it == objekt.end() || !it->is_boolean()) return std::nullopt;
    return it->get<bool>();
}

int Rang(std::string_view schluessel) {
    const auto it = std::find(kReihenfolge.begin(), kReihenfolge.end(), schluessel);
    return it == kReihenfolge.end() ? -1 : static_cast<int>(it - kReihenfolge.begin());
}

std::optional<std::string> FormatFehler(const Json& d) {
    if (!d.contains("lumora")) {
        return Text("Projekt", "Die Datei ist kein Lumora-Projekt: „lumora“ fehlt.");
    }
    const Json& f = d["lumora"];
    if (!f.is_number()) return Text("Projekt", "Der Eintrag „lumora“ ist keine Formatnummer.");
    if (f.is_number_integer() && f.get<double>() == kFormat) return std::nullopt;
    if (f.get<double>() > kFormat) {
        return Einsetzen(Text("Projekt",
                              "Die Datei stammt aus einer neueren Lumora-Version (Format "
                              "%1) und kann nicht geöffnet werden."),
                         {Kompakt(f)});
    }
    return Einsetzen(Text("Projekt", "Die Formatnummer %1 ist unbekannt."), {Kompakt(f)});
}

std::optional<std::string> EingabeFehler(const Json& d) {
    if (!d.contains("eingabe"))
        return Einsetzen(Text("Projekt", "Der Eintrag %1 fehlt."), {Zitat("eingabe")});
    const Json& e = d["eingabe"];
    if (!e.is_array()) {
        return Einsetzen(Text("Projekt", "Der Eintrag %1 ist keine Liste."), {Zitat("eingabe")});
    }
    if (e.size() != kFelder) {
        return Einsetzen(Text("Projekt", "Der Eintrag „eingabe“ hat %1 statt sieben Eingabetexte."),
                         {std::to_string(e.size())});
    }
    for (std::size_t i = 0; i < e.size(); ++i) {
        if (!e[i].is_string()) {
            return Einsetzen(Text("Projekt", "%1 ist kein Text."),
                             {"eingabe[" + std::to_string(i) + "]"});
        }
    }
    return std::nullopt;
}

std::optional<std::string> AufbauFehler(const Json& d) {
    if (!d.is_object()) {
        return Text("Projekt", "Die Datei ist kein Lumora-Projekt: sie enthält kein JSON-Objekt.");
    }
    if (auto f = FormatFehler(d)) return f;
    if (auto f = EingabeFehler(d)) return f;
    for (const char* pflicht : {"zustaende", "prozesse"}) {
        if (!d.contains(pflicht)) {
            return Einsetzen(Text("Projekt", "Der Eintrag %1 fehlt."), {Zitat(pflicht)});
        }
    }
    for (const char* liste : {"zustaende", "prozesse", "messreihen", "zonen"}) {
        if (d.contains(liste) && !d[liste].is_array()) {
            return Einsetzen(Text("Projekt", "Der Eintrag %1 ist keine Liste."), {Zitat(liste)});
        }
    }
    if (d.contains("theta_unten")) {
        const Json& t = d["theta_unten"];
        if (!t.is_number() || !(t.get<double>() >= kThetaUntenMin) ||
            !(t.get<double>() <= kThetaUntenMax)) {
            return Einsetzen(
                Text("Projekt", "Der Eintrag „theta_unten“ ist keine Zahl von %1 bis %2 (°C)."),
                {KurzText(kThetaUntenMin), KurzText(kThetaUntenMax)});
        }
    }
    if (d.contains("randmassstab") && !d["randmassstab"].is_boolean()) {
        return Text("Projekt", "Der Eintrag „randmassstab“ ist weder true noch false.");
    }
    if (d.contains("notiz") && !d["notiz"].is_string()) {
        return Text("Projekt", "Der Eintrag „notiz“ ist kein Text.");
    }
    return std::nullopt;
}

std::string NameVergeben(const std::string& name) {
    return Einsetzen(Text("Projekt", "Den Namen %1 trägt schon ein Zustand."), {Zitat(name)});
}

std::size_t Zeichen(std::string_view text) {
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

// Replaces the name alt by neu where a process's "von" holds it; true when it did.
bool VonUmbenennen(Json& prozess, const std::string& alt, const std::string& neu) {
    if (!prozess.is_object() || !prozess.contains("von")) return false;
    Json& von = prozess["von"];
    bool geaendert = false;
    if (von.is_string() && von.get_ref<const std::string&>() == alt) {
        von = neu;
        geaendert = true;
    } else if (von.is_array()) {
        for (Json& teil : von) {
            if (teil.is_string() && teil.get_ref<const std::string&>() == alt) {
                teil = neu;
                geaendert = true;
            }
        }
    }
    return geaendert;
}

bool NenntZustand(const Json& eintrag, const char* schluessel, const std::string& name) {
    return eintrag.is_object() && eintrag.contains(schluessel) && eintrag[schluessel] == name;
}

}  // namespace

const char* Schluessel(Liste liste) {
    switch (liste) {
        case Liste::Zustaende:
            return "zustaende";
        case Liste::Prozesse:
            return "prozesse";
        case Liste::Messreihen:
            return "messreihen";
        case Liste::Zonen:
            return "zonen";
    }
    return "";
}

std::optional<std::string> NamensFehler(std::string_view name) {
    if (name.empty()) return Text("Projekt", "Der Name ist leer.");
    if (Zeichen(name) > kMaxName) {
        return Einsetzen(Text("Projekt", "Der Name ist länger als %1 Zeichen."),
                         {std::to_string(kMaxName)});
    }
    return std::nullopt;
}

Projekt::Projekt(const Feldtexte& eingabe) {
    dokument_ = Json::object();
    dokument_["lumora"] = kFormat;
    setEingabe(eingabe);
    dokument_["zustaende"] = Json::array();
    dokument_["prozesse"] = Json::array();
}

Ergebnis<Projekt> Projekt::Lesen(std::string_view text) {
    JsonGelesen gelesen = JsonLesen(text);
    if (!gelesen.fehler.empty()) return Ergebnis<Projekt>::Fehler(std::move(gelesen.fehler));
    if (auto fehler = AufbauFehler(gelesen.wert)) {
        return Ergebnis<Projekt>::Fehler(std::move(*fehler));
    }
    Projekt p;
    p.dokument_ = std::move(gelesen.wert);
    p.AllesLesen();
    return p;
}

std::string Projekt::schreiben() const {
    return DokumentSchreiben(dokument_,
                             {"zustaende", "prozesse", "uebung", "messreihen", "anlage", "zonen"});
}

Json& Projekt::Feld(std::string_view schluessel) {
    const std::string s(schluessel);
    if (dokument_.contains(s)) return dokument_[s];
    // A known key that is missing goes after the known keys that come before it.
    auto& alt = dokument_.get_ref<Json::object_t&>();
    const int rang = Rang(schluessel);
    std::size_t stelle = 0;
    std::size_t i = 0;
    for (const auto& [k, v] : alt) {
        ++i;
        const int r = Rang(k);
        if (r >= 0 && r < rang) stelle = i;
    }
    Json::object_t neu;
    i = 0;
    for (auto& [k, v] : alt) {
        if (i++ == stelle) neu.Json::object_t::Container::emplace_back(s, Json());
        neu.Json::object_t::Container::emplace_back(k, std::move(v));
    }
    if (stelle == alt.size()) neu.Json::object_t::Container::emplace_back(s, Json());
    dokument_ = Json(std::move(neu));
    return dokument_[s];
}

Feldtexte Projekt::eingabe() const {
    Feldtexte texte;
    const auto it = dokument_.find("eingabe");
    if (it == dokument_.end()) return texte;
    const Json& e = *it;
    for (std::size_t i = 0; i < texte.size() && i < e.size(); ++i) {
        if (e[i].is_string()) texte[i] = e[i].get<std::string>();
    }
    return texte;
}

Feldtexte Projekt::setEingabe(const Feldtexte& texte) {
    const Feldtexte vorher = dokument_.contains("eingabe") ? eingabe() : Feldtexte{};
    Feld("eingabe") = Json(texte);
    return vorher;
}

std::optional<double> Projekt::thetaUnten() const {
    const auto it = dokument_.find("theta_unten");
    if (it == dokument_.end() || !it->is_number()) return std::nullopt;
    return it->get<double>();
}

std::optional<double> Projekt::setThetaUnten(std::optional<double> wert) {
    const auto vorher = thetaUnten();
    if (wert) {
        Feld("theta_unten") = JsonZahl(*wert);
    } else {
        dokument_.erase("theta_unten");
    }
    return vorher;
}

bool Projekt::randmassstab() const {
    return dokument_.contains("randmassstab") && dokument_["randmassstab"] == true;
}

std::optional<bool> Projekt::setRandmassstab(std::optional<bool> an) {
    const auto vorher = Wahrheitswert(dokument_, "randmassstab");
    if (an) {
        Feld("randmassstab") = *an;
    } else {
        dokument_.erase("randmassstab");
    }
    return vorher;
}

std::string Projekt::notiz() const {
    return dokument_.contains("notiz") ? dokument_["notiz"].get<std::string>() : std::string();
}

std::string Projekt::setNotiz(std::string text) {
    std::string vorher = notiz();
    Feld("notiz") = std::move(text);
    return vorher;
}

const Json& Projekt::Objekt(std::string_view schluessel) const {
    static const Json keins;
    const auto it = dokument_.find(schluessel);
    return it == dokument_.end() ? keins : *it;
}

Json Projekt::setObjekt(std::string_view schluessel, Json wert) {
    Json vorher = Objekt(schluessel);
    if (wert.is_null()) {
        dokument_.erase(std::string(schluessel));
    } else {
        Feld(schluessel) = std::move(wert);
    }
    return vorher;
}

const Json& Projekt::uebung() const { return Objekt("uebung"); }
Json Projekt::setUebung(Json uebung) { return setObjekt("uebung", std::move(uebung)); }
const Json& Projekt::anlage() const { return Objekt("anlage"); }
Json Projekt::setAnlage(Json anlage) { return setObjekt("anlage", std::move(anlage)); }

Json& Projekt::Liste_(Liste liste) {
    Json& l = Feld(Schluessel(liste));
    if (!l.is_array()) l = Json::array();
    return l;
}

const Json* Projekt::Liste_(Liste liste) const {
    const char* s = Schluessel(liste);
    return dokument_.contains(s) ? &dokument_[s] : nullptr;
}

std::size_t Projekt::anzahl(Liste liste) const {
    const Json* l = Liste_(liste);
    return l ? l->size() : 0;
}

const Json& Projekt::eintrag(Liste liste, std::size_t index) const {
    return (*Liste_(liste))[index];
}

void Projekt::AllesLesen() {
    zustaende_.clear();
    prozesse_.clear();
    for (std::size_t i = 0; i < anzahl(Liste::Zustaende); ++i) {
        zustaende_.push_back(std::make_shared<const Zustandseintrag>(
            ZustandseintragLesen(eintrag(Liste::Zustaende, i))));
    }
    for (std::size_t i = 0; i < anzahl(Liste::Prozesse); ++i) {
        prozesse_.push_back(std::make_shared<const Prozesseintrag>(
            ProzesseintragLesen(eintrag(Liste::Prozesse, i))));
    }
}

void Projekt::Einlesen(Liste liste, std::size_t index) {
    if (liste == Liste::Zustaende) {
        zustaende_[index] =
            std::make_shared<const Zustandseintrag>(ZustandseintragLesen(eintrag(liste, index)));
    } else if (liste == Liste::Prozesse) {
        prozesse_[index] =
            std::make_shared<const Prozesseintrag>(ProzesseintragLesen(eintrag(liste, index)));
    }
}

void Projekt::einfuegen(Liste liste, std::size_t index, Json eintrag) {
    auto& l = Liste_(liste).get_ref<Json::array_t&>();
    index = std::min(index, l.size());
    l.insert(l.begin() + static_cast<std::ptrdiff_t>(index), std::move(eintrag));
    if (liste == Liste::Zustaende) {
        zustaende_.insert(zustaende_.begin() + static_cast<std::ptrdiff_t>(index), nullptr);
    } else if (liste == Liste::Prozesse) {
        prozesse_.insert(prozesse_.begin() + static_cast<std::ptrdiff_t>(index), nullptr);
    }
    Einlesen(liste, index);
}

Json Projekt::ersetzen(Liste liste, std::size_t index, Json eintrag) {
    Json& alt = Liste_(liste)[index];
    std::swap(alt, eintrag);
    Einlesen(liste, index);
    return eintrag;
}

Json Projekt::entfernen(Liste liste, std::size_t index) {
    auto& l = Liste_(liste).get_ref<Json::array_t&>();
    Json alt = std::move(l[index]);
    l.erase(l.begin() + static_cast<std::ptrdiff_t>(index));
    if (liste == Liste::Zustaende) {
        zustaende_.erase(zustaende_.begin() + static_cast<std::ptrdiff_t>(index));
    } else if (liste == Liste::Prozesse) {
        prozesse_.erase(prozesse_.begin() + static_cast<std::ptrdiff_t>(index));
    }
    return alt;
}

void Projekt::leereListeEntfernen(Liste liste) {
    if (anzahl(liste) == 0) dokument_.erase(Schluessel(liste));
}

void Projekt::zuruecksetzen(const std::vector<Ersetzung>& ersetzungen) {
    for (auto it = ersetzungen.rbegin(); it != ersetzungen.rend(); ++it) {
        ersetzen(it->liste, it->index, it->vorher);
    }
}

Ergebnis<std::vector<Ersetzung>> Projekt::umbenennen(const std::string& alt,
                                                     const std::string& neu) {
    using E = Ergebnis<std::vector<Ersetzung>>;
    if (auto fehler = NamensFehler(neu)) return E::Fehler(std::move(*fehler));
    const std::size_t nz = anzahl(Liste::Zustaende);
    const std::size_t np = anzahl(Liste::Prozesse);
    for (std::size_t i = 0; i < nz; ++i) {
        if (NenntZustand(eintrag(Liste::Zustaende, i), "name", neu)) {
            return E::Fehler(NameVergeben(neu));
        }
    }
    for (std::size_t i = 0; i < np; ++i) {
        if (NenntZustand(eintrag(Liste::Prozesse, i), "nach", neu)) {
            return E::Fehler(NameVergeben(neu));
        }
    }
    std::vector<Ersetzung> ersetzungen;
    for (std::size_t i = 0; i < nz; ++i) {
        const Json& z = eintrag(Liste::Zustaende, i);
        if (!NenntZustand(z, "name", alt)) continue;
        ersetzungen.push_back({Liste::Zustaende, i, z});
        Liste_(Liste::Zustaende)[i]["name"] = neu;
        Einlesen(Liste::Zustaende, i);
    }
    for (std::size_t i = 0; i < np; ++i) {
        Json p = eintrag(Liste::Prozesse, i);
        const bool nach = NenntZustand(p, "nach", alt);
        if (nach) p["nach"] = neu;
        if (VonUmbenennen(p, alt, neu) || nach) {
            ersetzungen.push_back({Liste::Prozesse, i, ersetzen(Liste::Prozesse, i, std::move(p))});
        }
    }
    return ersetzungen;
}

std::vector<std::string> VonNamen(const Json& prozess) {
    std::vector<std::string> namen;
    if (!prozess.is_object() || !prozess.contains("von")) return namen;
    const Json& von = prozess["von"];
    if (von.is_string()) namen.push_back(von.get<std::string>());
    if (von.is_array()) {
        for (const Json& teil : von) {
            if (teil.is_string()) namen.push_back(teil.get<std::string>());
        }
    }
    return namen;
}

std::vector<std::size_t> Rechenfolge(const Projekt& projekt) {
    const std::size_t n = projekt.anzahl(Liste::Prozesse);
    // Which process makes each name; a name made twice belongs to the first, as in the
    // computation.
    std::unordered_map<std::string, std::size_t> macher;
    for (std::size_t i = 0; i < n; ++i) {
        const Json& p = projekt.eintrag(Liste::Prozesse, i);
        if (p.is_object() && p.contains("nach") && p["nach"].is_string()) {
            macher.try_emplace(p["nach"].get<std::string>(), i);
        }
    }
    // A stable topological order: of the processes whose makers are placed, the one first in
    // the list goes next.
    std::vector<std::vector<std::size_t>> folger(n);
    std::vector<std::size_t> offen(n, 0);
    for (std::size_t i = 0; i < n; ++i) {
        for (const std::string& name : VonNamen(projekt.eintrag(Liste::Prozesse, i))) {
            const auto it = macher.find(name);
            if (it == macher.end() || it->second == i) continue;
            folger[it->second].push_back(i);
            ++offen[i];
        }
    }
    std::priority_queue<std::size_t, std::vector<std::size_t>, std::greater<>> bereit;
    for (std::size_t i = 0; i < n; ++i) {
        if (offen[i] == 0) bereit.push(i);
    }
    std::vector<std::size_t> folge;
    std::vector<bool> platziert(n, false);
    std::size_t rest = 0;  // the first index that may still be unplaced
    while (folge.size() < n) {
        if (bereit.empty()) {
            // Only circles are left: the first of them goes as it stands.
            while (platziert[rest]) ++rest;
            offen[rest] = 0;
            bereit.push(rest);
        }
        const std::size_t i = bereit.top();
        bereit.pop();
        if (platziert[i]) continue;
        platziert[i] = true;
        folge.push_back(i);
        for (std::size_t f : folger[i]) {
            if (offen[f] > 0 && --offen[f] == 0) bereit.push(f);
        }
    }
    return folge;
}

std::vector<Ersetzung> Projekt::ordnen() {
    const std::vector<std::size_t> folge = Rechenfolge(*this);
    std::vector<Ersetzung> ersetzungen;
    if (folge.empty()) return ersetzungen;
    const Json alt = *static_cast<const Projekt&>(*this).Liste_(Liste::Prozesse);
    for (std::size_t i = 0; i < folge.size(); ++i) {
        if (folge[i] != i)
            ersetzungen.push_back(
                {Liste::Prozesse, i, ersetzen(Liste::Prozesse, i, alt[folge[i]])});
    }
    return ersetzungen;
}

Ergebnis<std::vector<Ersetzung>> Projekt::tauschen(Liste liste, std::size_t index) {
    using E = Ergebnis<std::vector<Ersetzung>>;
    if (index + 1 >= anzahl(liste)) {
        return E::Fehler(Text("Projekt", "Die Zeile lässt sich nicht verschieben."));
    }
    const Json& erster = eintrag(liste, index);
    const Json& zweiter = eintrag(liste, index + 1);
    if (liste == Liste::Prozesse && erster.is_object() && erster.contains("nach") &&
        erster["nach"].is_string()) {
        const std::string name = erster["nach"].get<std::string>();
        for (const std::string& von : VonNamen(zweiter)) {
            if (von != name) continue;
            const std::string nach = zweiter.value("nach", std::string());
            return E::Fehler(Einsetzen(Text("Projekt",
                                            "Der Prozess nach %1 beginnt an %2 und muss nach "
                                            "dem Prozess stehen, der %2 macht."),
                                       {Zitat(nach), Zitat(name)}));
        }
    }
    Json a = erster;
    Json b = zweiter;
    std::vector<Ersetzung> ersetzungen;
    ersetzungen.push_back({liste, index, ersetzen(liste, index, std::move(b))});
    ersetzungen.push_back({liste, index + 1, ersetzen(liste, index + 1, std::move(a))});
    return ersetzungen;
}

bool Projekt::sichtbar(std::size_t messreihe) const {
    if (messreihe >= anzahl(Liste::Messreihen)) return false;
    const Json& r = eintrag(Liste::Messreihen, messreihe);
    return !(r.is_object() && r.contains("sichtbar") && r["sichtbar"] == false);
}

std::optional<bool> Projekt::setSichtbar(std::size_t messreihe, std::optional<bool> an) {
    if (messreihe >= anzahl(Liste::Messreihen)) return std::nullopt;
    Json& r = Liste_(Liste::Messreihen)[messreihe];
    if (!r.is_object()) return std::nullopt;
    const auto vorher = Wahrheitswert(r, "sichtbar");
    if (an) {
        r["sichtbar"] = *an;
    } else {
        r.erase("sichtbar");
    }
    return vorher;
}

}  // namespace lumora
