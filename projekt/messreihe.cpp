#include "projekt/messreihe.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>
#include <system_error>

namespace lumora {

using nlohmann::ordered_json;

namespace {

constexpr std::string_view kBom = "\xEF\xBB\xBF";
constexpr std::size_t kGezeigteSpalten = 12;  // headers named in a refusal, at most
constexpr std::size_t kGezeigteZeichen = 40;  // bytes of one header named in a refusal, about

bool IstLeer(char c) { return c == ' ' || c == '\t'; }

std::string_view Getrimmt(std::string_view s) {
    while (!s.empty() && IstLeer(s.front())) s.remove_prefix(1);
    while (!s.empty() && IstLeer(s.back())) s.remove_suffix(1);
    return s;
}

// True when s is well-formed UTF-8 (no overlong forms, no surrogates, at most U+10FFFF).
bool IstUtf8(std::string_view s) {
    std::size_t i = 0;
    while (i < s.size()) {
        const auto c = static_cast<unsigned char>(s[i]);
        if (c < 0x80) {
            ++i;
            continue;
        }
        int folge = 0;
        unsigned char min2 = 0x80, max2 = 0xBF;  // allowed range of the second byte
        if (c >= 0xC2 && c <= 0xDF) {
            folge = 1;
        } else if (c >= 0xE0 && c <= 0xEF) {
            folge = 2;
            if (c == 0xE0) min2 = 0xA0;
            if (c == 0xED) max2 = 0x9F;
        } else if (c >= 0xF0 && c <= 0xF4) {
            folge = 3;
            if (c == 0xF0) min2 = 0x90;
            if (c == 0xF4) max2 = 0x8F;
        } else {
            return false;
        }
        if (i + folge >= s.size()) return false;
        for (int k = 1; k <= folge; ++k) {
            const auto f = static_cast<unsigned char>(s[i + k]);
            const unsigned char lo = k == 1 ? min2 : 0x80, hi = k == 1 ? max2 : 0xBF;
            if (f < lo || f > hi) return false;
        }
        i += folge + 1;
    }
    return true;
}

// Text of a file that is not UTF-8 read as Latin-1, the code page older Windows loggers write.
std::string Latin1AlsUtf8(std::string_view s) {
    std::string t;
    t.reserve(s.size());
    for (const char z : s) {
        const auto c = static_cast<unsigned char>(z);
        if (c < 0x80) {
            t += z;
        } else {
            t += static_cast<char>(0xC0 | (c >> 6));
            t += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return t;
}

std::string AlsUtf8(std::string_view s) { return IstUtf8(s) ? std::string(s) : Latin1AlsUtf8(s); }

// 1000000 as "1 000 000", the way the program writes large counts in messages.
std::string Gruppiert(std::size_t n) {
    std::string ziffern = std::to_string(n);
    for (std::size_t i = ziffern.size(); i > 3; i -= 3) ziffern.insert(i - 3, " ");
    return ziffern;
}

// -- One line of CSV ---------------------------------------------------------------------

// Splits a line into its fields. A field may be quoted ("21,5"; "" inside stands for one
// quote); blanks around the quotes are allowed. A quoted field ends on its line: a line
// break inside quotes leaves the field unclosed and the line unreadable (false), so that one
// stray quote cannot swallow the rest of the file. `puffer` holds unquoted texts; its
// capacity is made large enough first, so the views into it stay valid.
bool Zerlegen(std::string_view zeile, char trenner, std::vector<std::string_view>& felder,
              std::string& puffer) {
    felder.clear();
    puffer.clear();
    puffer.reserve(zeile.size());
    std::size_t i = 0;
    while (true) {
        std::size_t anfang = i;
        while (anfang < zeile.size() && zeile[anfang] == ' ') ++anfang;
        if (anfang < zeile.size() && zeile[anfang] == '"') {
            const std::size_t start = puffer.size();
            std::size_t j = anfang + 1;
            while (true) {
                const std::size_t q = zeile.find('"', j);
                if (q == std::string_view::npos) return false;
                puffer.append(zeile.substr(j, q - j));
                if (q + 1 < zeile.size() && zeile[q + 1] == '"') {
                    puffer += '"';
                    j = q + 2;
                } else {
                    j = q + 1;
                    break;
                }
            }
            felder.push_back(std::string_view(puffer).substr(start));
            while (j < zeile.size() && zeile[j] == ' ') ++j;
            if (j == zeile.size()) return true;
            if (zeile[j] != trenner) return false;
            i = j + 1;
        } else {
            const std::size_t t = std::min(zeile.find(trenner, i), zeile.size());
            felder.push_back(zeile.substr(i, t - i));
            if (t == zeile.size()) return true;
            i = t + 1;
        }
    }
}

// The lines of a file: ends are "\r\n", "\n" or a lone "\r".
class Zeilen {
  public:
    explicit Zeilen(std::string_view daten) : daten_(daten) {}
    bool Naechste(std::string_view& zeile) {
        if (pos_ >= daten_.size()) return false;
        const std::size_t ende = std::min(daten_.find_first_of("\r\n", pos_), daten_.size());
        zeile = daten_.substr(pos_, ende - pos_);
        pos_ = ende;
        if (pos_ < daten_.size()) {
            const bool crlf =
                daten_[pos_] == '\r' && pos_ + 1 < daten_.size() && daten_[pos_ + 1] == '\n';
            pos_ += crlf ? 2 : 1;
        }
        ++nummer_;
        return true;
    }
    std::size_t nummer() const { return nummer_; }  // line number of the last line, from 1
    std::size_t pos() const { return pos_; }

  private:
    std::string_view daten_;
    std::size_t pos_ = 0;
    std::size_t nummer_ = 0;
};

// -- The header ------------------------------------------------------------------------

enum class Rolle { Keine, Zeit, Theta, Phi, X };

struct Kopf {
    std::string_view text;  // as in the file
    Rolle rolle = Rolle::Keine;
    bool einheitFalsch = false;  // the name fits, the unit does not
    std::string einheit;         // the unit as written, for the message
};

std::string Klein(std::string_view s) {
    std::string t;
    for (const char c : s) {
        if (IstLeer(c)) continue;
        t += (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    }
    return t;
}

// A unit without blanks, lower case and without the degree sign (UTF-8 or Latin-1).
std::string EinheitNormal(std::string_view s) {
    std::string t = Klein(s);
    for (const std::string_view grad : {std::string_view("\xC2\xB0"), std::string_view("\xB0")}) {
        for (std::size_t p; (p = t.find(grad)) != std::string::npos;) t.erase(p, grad.size());
    }
    return t;
}

bool EinheitPasst(Rolle rolle, const std::string& e) {
    if (e.empty()) return true;
    switch (rolle) {
        case Rolle::Theta:
            return e == "c" || e == "degc";
        case Rolle::Phi:
            return e == "%" || e == "%rf" || e == "%rh";
        case Rolle::X:
            return e == "g/kg";
        default:
            return true;  // a time column may say its zone or format
    }
}

bool IstEinheit(const std::string& e) {
    return EinheitPasst(Rolle::Theta, e) || EinheitPasst(Rolle::Phi, e) ||
           EinheitPasst(Rolle::X, e);
}

// Logger files often name the unit with the column: "Temperatur [°C]", "rF (%)", "x g/kg".
// A bracketed suffix, or a last word after a blank that is one of the units read, is taken
// as the unit; what is left names the column, compared without blanks and case. A unit that
// does not fit the column (°F, K, kg/kg) makes the column unusable rather than misread.
Kopf KopfLesen(std::string_view text) {
    Kopf k;
    k.text = text;
    std::string_view name = Getrimmt(text);
    std::string_view einheit;
    if (!name.empty() && (name.back() == ']' || name.back() == ')')) {
        const char auf = name.back() == ']' ? '[' : '(';
        const std::size_t p = name.rfind(auf);
        if (p != std::string_view::npos) {
            einheit = name.substr(p + 1, name.size() - p - 2);
            name = Getrimmt(name.substr(0, p));
        }
    } else if (const std::size_t p = name.find_last_of(" \t"); p != std::string_view::npos) {
        if (IstEinheit(EinheitNormal(name.substr(p + 1)))) {
            einheit = name.substr(p + 1);
            name = Getrimmt(name.substr(0, p));
        }
    }
    const std::string n = Klein(name);
    if (n == "zeit" || n == "datum" || n == "time") {
        k.rolle = Rolle::Zeit;
    } else if (n == "theta" || n == "temperatur" || n == "t" || n == "\xCF\x91" /* ϑ */ ||
               n == "\xCE\xB8" /* θ */) {
        k.rolle = Rolle::Theta;
    } else if (n == "phi" || n == "rf" || n == "feuchte" || n == "\xCF\x86" /* φ */ ||
               n == "\xCF\x95" /* ϕ */) {
        k.rolle = Rolle::Phi;
    } else if (n == "x") {
        k.rolle = Rolle::X;
    }
    if (k.rolle != Rolle::Keine && !EinheitPasst(k.rolle, EinheitNormal(einheit))) {
        k.rolle = Rolle::Keine;
        k.einheitFalsch = true;
        k.einheit = std::string(Getrimmt(einheit));
    }
    return k;
}

// The columns a file's header offers: the first of each kind; every time column (a date and
// a time column are joined); φ before x when both are there.
struct Spalten {
    std::vector<std::size_t> zeit;
    std::optional<std::size_t> theta;
    std::optional<std::size_t> feuchte;
    Feuchteart art = Feuchteart::Phi;
    std::size_t anzahl = 0;
    bool brauchbar() const { return theta && feuchte; }
};

Spalten SpaltenFinden(const std::vector<std::string_view>& felder) {
    Spalten s;
    s.anzahl = felder.size();
    std::optional<std::size_t> phi, x;
    for (std::size_t i = 0; i < felder.size(); ++i) {
        switch (KopfLesen(felder[i]).rolle) {
            case Rolle::Zeit:
                s.zeit.push_back(i);
                break;
            case Rolle::Theta:
                if (!s.theta) s.theta = i;
                break;
            case Rolle::Phi:
                if (!phi) phi = i;
                break;
            case Rolle::X:
                if (!x) x = i;
                break;
            case Rolle::Keine:
                break;
        }
    }
    s.feuchte = phi ? phi : x;
    s.art = phi ? Feuchteart::Phi : Feuchteart::X;
    return s;
}

// The German refusal for a header without the columns a series needs, naming what it found.
std::string OhneSpalten(const std::vector<std::string_view>& felder, const Spalten& s, bool utf8) {
    std::string m = "Die Datei hat ";
    if (!s.theta && !s.feuchte) {
        m += "keine Spalte für die Temperatur und keine für die Feuchte.";
    } else if (!s.theta) {
        m += "keine Spalte für die Temperatur.";
    } else {
        m += "keine Spalte für die Feuchte.";
    }
    m += " Gefundene Spalten:";
    std::string einheiten;
    for (std::size_t i = 0; i < felder.size() && i < kGezeigteSpalten; ++i) {
        std::string_view text = Getrimmt(felder[i]);
        const bool gekuerzt = text.size() > kGezeigteZeichen;
        if (gekuerzt) {
            text = text.substr(0, kGezeigteZeichen);
            // Do not cut a UTF-8 character in two.
            while (!text.empty() && (static_cast<unsigned char>(text.back()) & 0xC0) == 0x80) {
                text.remove_suffix(1);
            }
            if (!text.empty() && static_cast<unsigned char>(text.back()) >= 0xC0) {
                text.remove_suffix(1);
            }
        }
        std::string name = utf8 ? std::string(text) : Latin1AlsUtf8(text);
        if (gekuerzt) name += "…";
        m += (i == 0 ? " „" : ", „") + name + "“";
        const Kopf k = KopfLesen(felder[i]);
        if (k.einheitFalsch) {
            const std::string e = utf8 ? k.einheit : Latin1AlsUtf8(k.einheit);
            einheiten += " Die Einheit „" + e + "“ von „" + name + "“ wird nicht gelesen.";
        }
    }
    if (felder.size() > kGezeigteSpalten) m += ", …";
    if (felder.empty() || (felder.size() == 1 && Getrimmt(felder[0]).empty())) m += " keine";
    m += ".";
    m += einheiten;
    m += " Gelesen werden: zeit/datum/time, theta/temperatur/t/ϑ (°C), phi/rf/feuchte/φ (%) "
         "oder x (g/kg).";
    return m;
}

// -- Numbers ---------------------------------------------------------------------------

// The number in a field, with the file's decimal separator; none for an empty field, text,
// the other separator (a thousands mark or a different convention is not guessed at), or a
// value that is not finite.
std::optional<double> Wert(std::string_view feld, char dezimal) {
    feld = Getrimmt(feld);
    if (!feld.empty() && feld.front() == '+') feld.remove_prefix(1);
    std::array<char, 64> puffer{};
    if (feld.empty() || feld.size() > puffer.size()) return std::nullopt;
    const char anderes = dezimal == ',' ? '.' : ',';
    for (std::size_t i = 0; i < feld.size(); ++i) {
        if (feld[i] == anderes) return std::nullopt;
        puffer[i] = feld[i] == dezimal ? '.' : feld[i];
    }
    double v = 0;
    const char* ende = puffer.data() + feld.size();
    const auto [p, fehler] = std::from_chars(puffer.data(), ende, v);
    if (fehler != std::errc() || p != ende || !std::isfinite(v)) return std::nullopt;
    return v;
}

// The decimal separator of the file: the first value in a ϑ or humidity column that holds
// either a comma or a point decides. Without any, values are whole numbers and either
// reads them; the usual convention of the column separator is taken.
char DezimaltrennerFinden(std::string_view rest, char trenner, const Spalten& s) {
    Zeilen zeilen(rest);
    std::vector<std::string_view> felder;
    std::string puffer;
    std::string_view zeile;
    while (zeilen.Naechste(zeile)) {
        if (!Zerlegen(zeile, trenner, felder, puffer)) continue;
        for (const std::size_t spalte : {*s.theta, *s.feuchte}) {
            if (spalte >= felder.size()) continue;
            const std::string_view f = felder[spalte];
            const bool komma = f.find(',') != std::string_view::npos;
            const bool punkt = f.find('.') != std::string_view::npos;
            if (komma != punkt) return komma ? ',' : '.';
        }
    }
    return trenner == ',' ? '.' : ',';
}

}  // namespace

// -- Import ----------------------------------------------------------------------------

std::string Messreihenimport::Meldung() const {
    if (uebersprungen == 0) return {};
    std::string m = Gruppiert(uebersprungen) +
                    (uebersprungen == 1
                         ? " Zeile konnte nicht gelesen werden und wurde übersprungen: Zeile "
                         : " Zeilen konnten nicht gelesen werden und wurden übersprungen: Zeile ");
    for (std::size_t i = 0; i < ersteZeilen.size(); ++i) {
        if (i > 0) m += ", ";
        m += std::to_string(ersteZeilen[i]);
    }
    if (uebersprungen > ersteZeilen.size()) m += ", …";
    m += ".";
    return m;
}

Ergebnis<Messreihenimport> MessreiheAusCsv(std::string_view daten, std::string name,
                                           std::string quelle, const Fortschritt& fortschritt) {
    using E = Ergebnis<Messreihenimport>;
    if (daten.size() >= 2 && ((daten[0] == '\xFF' && daten[1] == '\xFE') ||
                              (daten[0] == '\xFE' && daten[1] == '\xFF'))) {
        return E::Fehler(
            "Die Datei ist in UTF-16 geschrieben; bitte als UTF-8 oder ANSI speichern.");
    }
    if (const void* null = std::memchr(daten.data(), '\0', daten.size())) {
        const auto stelle = static_cast<const char*>(null) - daten.data();
        return E::Fehler("Die Datei enthält Binärdaten (ein Nullbyte an Stelle " +
                         std::to_string(stelle + 1) + ") und ist keine CSV-Datei.");
    }
    if (daten.substr(0, kBom.size()) == kBom) daten.remove_prefix(kBom.size());
    if (daten.find_first_not_of(" \t\r\n") == std::string_view::npos) {
        return E::Fehler("Die Datei ist leer.");
    }
    const bool utf8 = IstUtf8(daten);

    // Blank lines before the header are passed over; the first line with text names the
    // columns.
    Zeilen zeilen(daten);
    std::string_view kopfzeile;
    while (zeilen.Naechste(kopfzeile) && Getrimmt(kopfzeile).empty()) {
    }
    // The separator is the one whose split of the header gives a temperature and a humidity
    // column; ';' before tab before ',' when several do. Failing all, the split with the
    // most fields names the headers in the refusal.
    std::vector<std::string_view> felder;
    std::string puffer;
    char trenner = 0;
    char besterTrenner = 0;
    std::size_t besteAnzahl = 0;
    Spalten spalten;
    for (const char t : {';', '\t', ','}) {
        if (!Zerlegen(kopfzeile, t, felder, puffer)) continue;
        const Spalten s = SpaltenFinden(felder);
        if (s.brauchbar()) {
            trenner = t;
            spalten = s;
            break;
        }
        if (felder.size() > besteAnzahl) {
            besteAnzahl = felder.size();
            besterTrenner = t;
        }
    }
    if (trenner == 0) {
        if (besterTrenner == 0 || !Zerlegen(kopfzeile, besterTrenner, felder, puffer)) {
            felder.assign(1, kopfzeile);
        }
        return E::Fehler(OhneSpalten(felder, SpaltenFinden(felder), utf8));
    }

    const std::string_view rest = daten.substr(zeilen.pos());
    const char dezimal = DezimaltrennerFinden(rest, trenner, spalten);

    Messreihenimport im;
    im.trenner = trenner;
    im.dezimaltrenner = dezimal;
    Messreihe& r = im.reihe;
    r.name = AlsUtf8(name);
    r.quelle = AlsUtf8(quelle);
    r.feuchteart = spalten.art;
    const auto zeilenZahl =
        std::min(static_cast<std::size_t>(std::count(rest.begin(), rest.end(), '\n')) + 1,
                 kMessreiheMaxPunkte);
    r.theta.reserve(zeilenZahl);
    r.feuchte.reserve(zeilenZahl);
    if (!spalten.zeit.empty()) r.zeit.reserve(zeilenZahl);

    std::string_view zeile;
    std::size_t takt = 0;
    while (zeilen.Naechste(zeile)) {
        if (fortschritt && ++takt == kMessreiheFortschrittTakt) {
            takt = 0;
            if (!fortschritt(static_cast<double>(zeilen.pos()) /
                             static_cast<double>(daten.size()))) {
                return E::Fehler("Der Import wurde abgebrochen.");
            }
        }
        if (Getrimmt(zeile).empty()) continue;  // a blank line holds no row
        std::optional<double> theta, feuchte;
        if (Zerlegen(zeile, trenner, felder, puffer) && felder.size() >= spalten.anzahl &&
            std::all_of(felder.begin() + static_cast<std::ptrdiff_t>(spalten.anzahl), felder.end(),
                        [](std::string_view f) { return Getrimmt(f).empty(); })) {
            theta = Wert(felder[*spalten.theta], dezimal);
            feuchte = Wert(felder[*spalten.feuchte], dezimal);
        }
        if (!theta || !feuchte) {
            if (im.ersteZeilen.size() < kMessreiheGemeldeteZeilen) {
                im.ersteZeilen.push_back(zeilen.nummer());
            }
            ++im.uebersprungen;
            continue;
        }
        if (r.theta.size() == kMessreiheMaxPunkte) {
            return E::Fehler("Die Datei hat mehr als " + Gruppiert(kMessreiheMaxPunkte) +
                             " Messzeilen, die Grenze des Programms.");
        }
        r.theta.push_back(*theta);
        r.feuchte.push_back(*feuchte);
        if (!spalten.zeit.empty()) {
            std::string zeit;
            for (const std::size_t s : spalten.zeit) {
                const std::string_view teil = Getrimmt(felder[s]);
                if (!zeit.empty() && !teil.empty()) zeit += ' ';
                zeit += teil;
            }
            r.zeit.push_back(utf8 ? std::move(zeit) : Latin1AlsUtf8(zeit));
        }
    }
    if (r.theta.empty()) {
        std::string m = "Die Datei enthält keine lesbare Messzeile.";
        if (im.uebersprungen > 0) m += " " + im.Meldung();
        return E::Fehler(m);
    }
    if (fortschritt && !fortschritt(1.0)) return E::Fehler("Der Import wurde abgebrochen.");
    return im;
}

// -- JSON ------------------------------------------------------------------------------

ordered_json JsonZahl(double v) {
    constexpr double kGanzBis = 9007199254740992.0;  // 2^53: every integer up to it is exact
    if (v == std::trunc(v) && std::fabs(v) <= kGanzBis && !(v == 0 && std::signbit(v))) {
        return static_cast<std::int64_t>(v);
    }
    return v;
}

namespace {

const char* FeuchteSchluessel(Feuchteart art) { return art == Feuchteart::Phi ? "phi" : "x"; }

template <class F>
ordered_json Spalte(const Messreihe& r, const char* schluessel, std::size_t n, F wert) {
    ordered_json a = ordered_json::array();
    const auto f = r.fremd.find(schluessel);
    for (std::size_t i = 0; i < n; ++i) {
        if (f != r.fremd.end()) {
            if (const auto g = f->second.find(i); g != f->second.end()) {
                a.push_back(g->second);
                continue;
            }
        }
        a.push_back(wert(i));
    }
    return a;
}

}  // namespace

ordered_json MessreiheZuJson(const Messreihe& r) {
    ordered_json j = r.vorlage.is_object() ? r.vorlage : ordered_json::object();
    j.erase(r.feuchteart == Feuchteart::Phi ? "x" : "phi");
    j["name"] = r.name;
    j["quelle"] = r.quelle;
    if (r.zeit.empty()) {
        j.erase("zeit");
    } else {
        j["zeit"] = Spalte(r, "zeit", r.zeit.size(), [&](std::size_t i) { return r.zeit[i]; });
    }
    const auto zahl = [](double v) { return std::isfinite(v) ? JsonZahl(v) : ordered_json(); };
    j["theta"] =
        Spalte(r, "theta", r.theta.size(), [&](std::size_t i) { return zahl(r.theta[i]); });
    const char* f = FeuchteSchluessel(r.feuchteart);
    j[f] = Spalte(r, f, r.feuchte.size(), [&](std::size_t i) { return zahl(r.feuchte[i]); });
    return j;
}

Ergebnis<Messreihe> MessreiheAusJson(const ordered_json& j) {
    using E = Ergebnis<Messreihe>;
    if (!j.is_object()) return E::Fehler("Die Messreihe ist kein JSON-Objekt.");
    Messreihe r;
    const auto name = j.find("name");
    if (name == j.end()) return E::Fehler("Der Messreihe fehlt „name“.");
    if (!name->is_string()) return E::Fehler("„name“ der Messreihe ist kein Text.");
    r.name = name->get<std::string>();
    if (const auto q = j.find("quelle"); q != j.end()) {
        if (!q->is_string()) return E::Fehler("„quelle“ der Messreihe ist kein Text.");
        r.quelle = q->get<std::string>();
    }
    const bool hatPhi = j.contains("phi"), hatX = j.contains("x");
    if (hatPhi && hatX) {
        return E::Fehler("Die Messreihe hat „phi“ und „x“; erwartet wird eines von beiden.");
    }
    if (!hatPhi && !hatX) return E::Fehler("Der Messreihe fehlt „phi“ oder „x“.");
    if (!j.contains("theta")) return E::Fehler("Der Messreihe fehlt „theta“.");
    r.feuchteart = hatPhi ? Feuchteart::Phi : Feuchteart::X;
    const char* feuchte = FeuchteSchluessel(r.feuchteart);

    for (const char* s : {"zeit", "theta", feuchte}) {
        const auto a = j.find(s);
        if (a != j.end() && !a->is_array()) {
            return E::Fehler(std::string("„") + s + "“ der Messreihe ist keine Liste.");
        }
    }
    const std::size_t n = j["theta"].size();
    for (const char* s : {"zeit", feuchte}) {
        const auto a = j.find(s);
        if (a != j.end() && a->size() != n) {
            return E::Fehler(std::string("„") + s + "“ hat " + std::to_string(a->size()) +
                             " Werte, „theta“ aber " + std::to_string(n) + ".");
        }
    }

    const auto zahlen = [&](const char* s, std::vector<double>& werte) {
        werte.reserve(n);
        std::size_t i = 0;
        for (const auto& w : j[s]) {
            if (w.is_number() && std::isfinite(w.get<double>())) {
                werte.push_back(w.get<double>());
            } else {
                werte.push_back(std::numeric_limits<double>::quiet_NaN());
                r.fremd[s][i] = w;
            }
            ++i;
        }
    };
    zahlen("theta", r.theta);
    zahlen(feuchte, r.feuchte);
    if (const auto z = j.find("zeit"); z != j.end()) {
        r.zeit.reserve(n);
        for (std::size_t i = 0; i < n; ++i) {
            const auto& w = (*z)[i];
            if (w.is_string()) {
                r.zeit.push_back(w.get<std::string>());
            } else {
                r.zeit.emplace_back();
                r.fremd["zeit"][i] = w;
            }
        }
    }
    for (const auto& [schluessel, wert] : j.items()) {
        const bool bekannt = schluessel == "name" || schluessel == "quelle" ||
                             schluessel == "zeit" || schluessel == "theta" || schluessel == feuchte;
        r.vorlage[schluessel] = bekannt ? ordered_json() : wert;
    }
    return r;
}

// -- Evaluation ------------------------------------------------------------------------

Messauswertung MessreiheAuswerten(const Messreihe& r, const Luftdruck& druck) {
    Messauswertung a;
    a.punkte = r.Punkte();
    const bool phi = r.feuchteart == Feuchteart::Phi;
    for (std::size_t i = 0; i < r.Punkte(); ++i) {
        const double theta = r.theta[i];
        const double f = i < r.feuchte.size() ? r.feuchte[i] : std::nan("");
        const auto z = std::isfinite(theta) && std::isfinite(f)
                           ? ZustandAusPaar(druck, phi ? Paar::ThetaPhi : Paar::ThetaX, theta,
                                            phi ? f : f / 1000)
                           : Ergebnis<Luftzustand>::Fehler("");
        if (!z) {
            ++a.unmoeglich;
            continue;
        }
        Messpunkt p;
        p.index = i;
        p.theta = theta;
        p.phi = phi ? std::optional<double>(f) : z->phi;
        p.xGkg = phi ? z->x * 1000 : f;
        p.x = z->x;
        p.h = z->h;
        a.moeglich.push_back(p);
    }
    return a;
}

}  // namespace lumora
