#include "projekt/jsontext.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <optional>
#include <unordered_set>
#include <vector>

#include "core/text.h"

namespace lumora {

namespace {

std::string StelleText(std::string_view text, std::size_t offset) {
    const Stelle s = StelleIn(text, offset);
    return Einsetzen(Text("Projekt", "Zeile %1, Spalte %2"),
                     {std::to_string(s.zeile), std::to_string(s.spalte)});
}

// What nlohmann's parser would only find by recursing or would silently cut off: a NUL byte
// ends its input early, and the nesting depth decides the depth of every later walk.
std::optional<std::string> Vorpruefen(std::string_view text) {
    int tiefe = 0;
    bool imText = false;
    bool maskiert = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\0')
            return Einsetzen(Text("Projekt", "Die Datei enthält ein NUL-Byte (%1)."),
                             {StelleText(text, i)});
        if (imText) {
            if (maskiert) {
                maskiert = false;
            } else if (c == '\\') {
                maskiert = true;
            } else if (c == '"') {
                imText = false;
            }
        } else if (c == '"') {
            imText = true;
        } else if (c == '[' || c == '{') {
            if (++tiefe > kMaxTiefe) {
                return Einsetzen(
                    Text("Projekt", "Die Datei ist tiefer als %1 Ebenen verschachtelt (%2)."),
                    {std::to_string(kMaxTiefe), StelleText(text, i)});
            }
        } else if (c == ']' || c == '}') {
            --tiefe;
        }
    }
    return std::nullopt;
}

// Builds the value from the parser's events, refusing a key that appears twice in one object.
class Aufbau final : public nlohmann::json_sax<Json> {
  public:
    explicit Aufbau(std::string_view text) : text_(text) {}

    Json wurzel;
    std::string fehler;

    bool null() override { return Neu(nullptr) != nullptr; }
    bool boolean(bool b) override { return Neu(b) != nullptr; }
    bool number_integer(number_integer_t v) override { return Neu(v) != nullptr; }
    bool number_unsigned(number_unsigned_t v) override { return Neu(v) != nullptr; }
    bool number_float(number_float_t v, const string_t&) override { return Neu(v) != nullptr; }
    bool string(string_t& s) override { return Neu(std::move(s)) != nullptr; }
    bool binary(binary_t&) override { return false; }  // JSON text holds none
    bool start_object(std::size_t) override {
        offen_.push_back({Neu(Json::object()), {}});
        return true;
    }
    bool key(string_t& k) override {
        if (!offen_.back().schluessel.insert(k).second) {
            fehler = Einsetzen(Text("Projekt", "Der Schlüssel %1 steht zweimal im selben Objekt."),
                               {Zitat(k)});
            return false;
        }
        schluessel_ = std::move(k);
        return true;
    }
    bool end_object() override {
        offen_.pop_back();
        return true;
    }
    bool start_array(std::size_t) override {
        offen_.push_back({Neu(Json::array()), {}});
        return true;
    }
    bool end_array() override {
        offen_.pop_back();
        return true;
    }
    bool parse_error(std::size_t position, const std::string& zeichen,
                     const nlohmann::detail::exception& e) override {
        // position counts the bytes read, up to and including the one that failed.
        const std::size_t offset = std::min(position > 0 ? position - 1 : 0, text_.size());
        if (e.id == 406) {  // a number beyond the range of a double
            const std::size_t anfang = position >= zeichen.size() ? position - zeichen.size() : 0;
            fehler =
                Einsetzen(Text("Projekt", "Die Zahl %1 (%2) liegt außerhalb des Zahlenbereichs."),
                          {Zitat(zeichen), StelleText(text_, anfang)});
        } else if (offset >= text_.size()) {
            fehler = Einsetzen(
                Text("Projekt", "Die Datei ist kein gültiges JSON: sie endet unerwartet (%1)."),
                {StelleText(text_, offset)});
        } else if (std::strstr(e.what(), "UTF-8") != nullptr) {
            fehler = Einsetzen(Text("Projekt", "Die Datei enthält ungültiges UTF-8 (%1)."),
                               {StelleText(text_, offset)});
        } else {
            fehler = Einsetzen(Text("Projekt", "Die Datei ist kein gültiges JSON (%1)."),
                               {StelleText(text_, offset)});
        }
        return false;
    }

  private:
    struct Offen {
        Json* behaelter;
        std::unordered_set<std::string> schluessel;
    };

    // Places v in the innermost open list or object, or as the whole value.
    Json* Neu(Json v) {
        if (offen_.empty()) {
            wurzel = std::move(v);
            return &wurzel;
        }
        Json& b = *offen_.back().behaelter;
        if (b.is_array()) {
            auto& liste = b.get_ref<Json::array_t&>();
            liste.push_back(std::move(v));
            return &liste.back();
        }
        // Appended directly: the key is known to be new, and the map's own insert would
        // search all earlier keys again.
        auto& objekt = b.get_ref<Json::object_t&>();
        objekt.Json::object_t::Container::emplace_back(std::move(schluessel_), std::move(v));
        return &objekt.back().second;
    }

    std::string_view text_;
    std::vector<Offen> offen_;
    std::string schluessel_;
};

}  // namespace

std::string Zitat(std::string_view text) { return Einsetzen(Text("Projekt", "„%1“"), {text}); }

Stelle StelleIn(std::string_view text, std::size_t offset) {
    offset = std::min(offset, text.size());
    Stelle s;
    std::size_t zeilenanfang = 0;
    for (std::size_t i = 0; i < offset; ++i) {
        if (text[i] == '\n') {
            ++s.zeile;
            zeilenanfang = i + 1;
        }
    }
    for (std::size_t i = zeilenanfang; i < offset; ++i) {
        const auto b = static_cast<unsigned char>(text[i]);
        if ((b & 0xC0) != 0x80) ++s.spalte;  // continuation bytes belong to the character before
    }
    return s;
}

JsonGelesen JsonLesen(std::string_view text) {
    JsonGelesen ergebnis;
    if (auto fehler = Vorpruefen(text)) {
        ergebnis.fehler = std::move(*fehler);
        return ergebnis;
    }
    Aufbau aufbau(text);
    if (!Json::sax_parse(text.begin(), text.end(), &aufbau)) {
        ergebnis.fehler = aufbau.fehler.empty()
                              ? Text("Projekt", "Die Datei ist kein gültiges JSON.")
                              : aufbau.fehler;
        return ergebnis;
    }
    ergebnis.wert = std::move(aufbau.wurzel);
    return ergebnis;
}

void KompaktSchreiben(const Json& wert, std::string& aus) {
    switch (wert.type()) {
        case Json::value_t::object: {
            aus += '{';
            bool erstes = true;
            for (const auto& [schluessel, teil] : wert.items()) {
                if (!erstes) aus += ", ";
                erstes = false;
                KompaktSchreiben(Json(schluessel), aus);
                aus += ": ";
                KompaktSchreiben(teil, aus);
            }
            aus += '}';
            return;
        }
        case Json::value_t::array: {
            aus += '[';
            bool erstes = true;
            for (const Json& teil : wert) {
                if (!erstes) aus += ", ";
                erstes = false;
                KompaktSchreiben(teil, aus);
            }
            aus += ']';
            return;
        }
        case Json::value_t::number_float:
            if (!std::isfinite(wert.get<double>())) {
                aus += "null";
                return;
            }
            break;
        case Json::value_t::binary:
        case Json::value_t::discarded:
            aus += "null";
            return;
        default:
            break;
    }
    aus += wert.dump(-1, ' ', false, Json::error_handler_t::replace);
}

std::string Kompakt(const Json& wert) {
    std::string aus;
    KompaktSchreiben(wert, aus);
    return aus;
}

namespace {

// A list with one entry per line, indented by einzug blanks, its closing bracket by einzug - 2.
void ListeSchreiben(const Json& liste, std::size_t einzug, std::string& aus) {
    aus += "[\n";
    std::size_t eintraege = liste.size();
    for (const Json& eintrag : liste) {
        aus.append(einzug, ' ');
        KompaktSchreiben(eintrag, aus);
        aus += --eintraege ? ",\n" : "\n";
    }
    aus.append(einzug - 2, ' ');
    aus += ']';
}

}  // namespace

std::string DokumentSchreiben(const Json& objekt,
                              std::initializer_list<std::string_view> zeilenweise) {
    if (!objekt.is_object()) return Kompakt(objekt) + "\n";
    std::string aus = "{\n";
    std::size_t rest = objekt.size();
    for (const auto& [schluessel, wert] : objekt.items()) {
        aus += "  ";
        KompaktSchreiben(Json(schluessel), aus);
        aus += ": ";
        const bool genannt = !wert.empty() && std::find(zeilenweise.begin(), zeilenweise.end(),
                                                        schluessel) != zeilenweise.end();
        if (genannt && wert.is_array()) {
            ListeSchreiben(wert, 4, aus);
        } else if (genannt && wert.is_object()) {
            // One key per line, and a list of objects in it one entry per line.
            aus += "{\n";
            std::size_t teile = wert.size();
            for (const auto& [k, teil] : wert.items()) {
                aus += "    ";
                KompaktSchreiben(Json(k), aus);
                aus += ": ";
                if (teil.is_array() && !teil.empty() && teil.front().is_object()) {
                    ListeSchreiben(teil, 6, aus);
                } else {
                    KompaktSchreiben(teil, aus);
                }
                aus += --teile ? ",\n" : "\n";
            }
            aus += "  }";
        } else {
            KompaktSchreiben(wert, aus);
        }
        aus += --rest ? ",\n" : "\n";
    }
    aus += "}\n";
    return aus;
}

namespace {

std::string OhneName(Eintragsart art) {
    switch (art) {
        case Eintragsart::Messreihe:
            return Text("Projekt", "Der Messreihe fehlt „name“.");
        case Eintragsart::Zone:
            return Text("Projekt", "Der Zone fehlt „name“.");
        case Eintragsart::Anlage:
            break;
    }
    return Text("Projekt", "Der Anlage fehlt „name“.");
}

std::string NameOhneText(Eintragsart art) {
    switch (art) {
        case Eintragsart::Messreihe:
            return Text("Projekt", "„name“ der Messreihe ist kein Text.");
        case Eintragsart::Zone:
            return Text("Projekt", "„name“ der Zone ist kein Text.");
        case Eintragsart::Anlage:
            break;
    }
    return Text("Projekt", "„name“ der Anlage ist kein Text.");
}

}  // namespace

Ergebnis<std::string> EintragsName(const Json& eintrag, Eintragsart art) {
    const auto name = eintrag.find("name");
    if (name == eintrag.end()) return Ergebnis<std::string>::Fehler(OhneName(art));
    if (!name->is_string()) return Ergebnis<std::string>::Fehler(NameOhneText(art));
    return name->get<std::string>();
}

Json Vorlage(const Json& eintrag, std::initializer_list<std::string_view> bekannt) {
    Json v = Json::object();
    for (const auto& [schluessel, wert] : eintrag.items()) {
        const bool b = std::find(bekannt.begin(), bekannt.end(), schluessel) != bekannt.end();
        v[schluessel] = b ? Json() : wert;
    }
    return v;
}

Json JsonZahl(double v) {
    constexpr double kGanzBis = 9007199254740992.0;  // 2^53: every integer up to it is exact
    if (v == std::trunc(v) && std::fabs(v) <= kGanzBis && !(v == 0 && std::signbit(v))) {
        return static_cast<std::int64_t>(v);
    }
    return v;
}

}  // namespace lumora
