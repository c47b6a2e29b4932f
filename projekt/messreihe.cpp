#include "projekt/messreihe.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <system_error>

#include "core/einheiten.h"

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

// The lines of a file: ends are "\n" or "\r\n"; a file without any "\n" has its lines
// ended by "\r", as old Mac programs wrote them.
class Zeilen {
  public:
    explicit Zeilen(std::string_view daten)
        : daten_(daten), ende_(daten.find('\n') == std::string_view::npos ? '\r' : '\n') {}
    bool Naechste(std::string_view& zeile) {
        if (pos_ >= daten_.size()) return false;
        const void* e = std::memchr(daten_.data() + pos_, ende_, daten_.size() - pos_);
        const std::size_t ende =
            e ? static_cast<std::size_t>(static_cast<const char*>(e) - daten_.data())
              : daten_.size();
        zeile = daten_.substr(pos_, ende - pos_);
        if (ende_ == '\n' && !zeile.empty() && zeile.back() == '\r') zeile.remove_suffix(1);
        pos_ = std::min(ende + 1, daten_.size());
        ++nummer_;
        return true;
    }
    std::size_t nummer() const { return nummer_; }  // line number of the last line, from 1
    std::size_t pos() const { return pos_; }

  private:
    std::string_view daten_;
    char ende_;
    std::size_t pos_ = 0;
    std::size_t nummer_ = 0;
};

// -- The header ------------------------------------------------------------------------

enum class Rolle { Keine, Zeit, Theta, Phi, X };

struct Kopf {
    std::string_view text;  // as in the file
    Rolle rolle = Rolle::Keine;
    Rolle falscheEinheit = Rolle::Keine;  // the column the name means, when its unit does not fit
    std::string einheit;                  // the unit as written, for the message
};

// A header's name or unit as it is compared: lower case, without blanks and without the
// marks loggers put between words and abbreviations ("rel. Feuchte", "r.F.", "Datum/Uhrzeit",
// "Datum_Zeit").
std::string Klein(std::string_view s) {
    std::string t;
    for (const char c : s) {
        if (IstLeer(c) || c == '.' || c == '_' || c == '-' || c == '/') continue;
        t += (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    }
    return t;
}

// A unit as compared, also without the degree sign (UTF-8 or Latin-1).
std::string EinheitNormal(std::string_view s) {
    std::string t = Klein(s);
    for (const std::string_view grad : {std::string_view("\xC2\xB0"), std::string_view("\xB0")}) {
        for (std::size_t p; (p = t.find(grad)) != std::string::npos;) t.erase(p, grad.size());
    }
    return t;
}

// The columns read beside the time: how a message names each, the unit it is read in, and
// the units accepted for it, as EinheitNormal writes them (padded with empty texts, which
// EinheitPasst never compares).
struct Spaltenart {
    Rolle rolle;
    const char* was;
    const char* einheit;
    std::array<std::string_view, 3> einheiten;
};
constexpr Spaltenart kSpaltenarten[] = {
    {Rolle::Theta, "die Temperatur", "°C", {"c", "degc", ""}},
    {Rolle::Phi, "die relative Feuchte", "%", {"%", "%rf", "%rh"}},
    {Rolle::X, "der Wassergehalt", "g/kg", {"gkg", "", ""}},
};

const Spaltenart* ArtVon(Rolle rolle) {
    for (const Spaltenart& a : kSpaltenarten) {
        if (a.rolle == rolle) return &a;
    }
    return nullptr;
}

bool EinheitPasst(Rolle rolle, const std::string& e) {
    const Spaltenart* a = ArtVon(rolle);
    // Any unit goes with a time column: it may say its zone or format.
    return e.empty() || !a ||
           std::find(a->einheiten.begin(), a->einheiten.end(), e) != a->einheiten.end();
}

// The names a column is known by, as Klein writes them.
struct Spaltenname {
    Rolle rolle;
    std::string_view name;
};
constexpr Spaltenname kSpaltennamen[] = {
    {Rolle::Zeit, "zeit"},
    {Rolle::Zeit, "datum"},
    {Rolle::Zeit, "uhrzeit"},
    {Rolle::Zeit, "datumuhrzeit"},
    {Rolle::Zeit, "datumzeit"},
    {Rolle::Zeit, "zeitstempel"},
    {Rolle::Zeit, "time"},
    {Rolle::Zeit, "date"},
    {Rolle::Zeit, "datetime"},
    {Rolle::Zeit, "timestamp"},
    {Rolle::Theta, "theta"},
    {Rolle::Theta, "t"},
    {Rolle::Theta, "temp"},
    {Rolle::Theta, "temperatur"},
    {Rolle::Theta, "lufttemperatur"},
    {Rolle::Theta, "temperature"},
    {Rolle::Theta, "\xCF\x91"},  // ϑ
    {Rolle::Theta, "\xCE\xB8"},  // θ
    {Rolle::Phi, "phi"},
    {Rolle::Phi, "rf"},
    {Rolle::Phi, "rh"},
    {Rolle::Phi, "feuchte"},
    {Rolle::Phi, "relfeuchte"},
    {Rolle::Phi, "relativefeuchte"},
    {Rolle::Phi, "luftfeuchte"},
    {Rolle::Phi, "relluftfeuchte"},
    {Rolle::Phi, "luftfeuchtigkeit"},
    {Rolle::Phi, "relluftfeuchtigkeit"},
    {Rolle::Phi, "humidity"},
    {Rolle::Phi, "\xCF\x86"},  // φ
    {Rolle::Phi, "\xCF\x95"},  // ϕ
    {Rolle::X, "x"},
    {Rolle::X, "wassergehalt"},
};

bool IstEinheit(const std::string& e) {
    return std::any_of(std::begin(kSpaltenarten), std::end(kSpaltenarten),
                       [&e](const Spaltenart& a) { return EinheitPasst(a.rolle, e); });
}

// Logger files often name the unit with the column: "Temperatur [°C]", "rF (%)", "x g/kg".
// A bracketed suffix, or a last word after a blank that is one of the units read, is taken
// as the unit; what is left names the column, compared without blanks, marks and case. A
// unit that does not fit the column (°F, K, kg/kg) makes the column unusable rather than
// misread, and the import is refused for it.
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
    for (const Spaltenname& s : kSpaltennamen) {
        if (n == s.name) k.rolle = s.rolle;
    }
    if (k.rolle != Rolle::Keine && !EinheitPasst(k.rolle, EinheitNormal(einheit))) {
        k.falscheEinheit = k.rolle;
        k.rolle = Rolle::Keine;
        k.einheit = std::string(Getrimmt(einheit));
    }
    return k;
}

// The columns a file's header offers: the first of each kind; every time column (a date and
// a time column are joined); φ before x when both are there; the first column whose unit
// contradicts its name.
struct Spalten {
    std::vector<std::size_t> zeit;
    std::optional<std::size_t> theta;
    std::optional<std::size_t> feuchte;
    std::optional<std::size_t> falsch;
    Feuchteart art = Feuchteart::Phi;
    std::size_t anzahl = 0;
    bool brauchbar() const { return theta && feuchte; }
};

Spalten SpaltenFinden(const std::vector<std::string_view>& felder) {
    Spalten s;
    s.anzahl = felder.size();
    std::optional<std::size_t> phi, x;
    for (std::size_t i = 0; i < felder.size(); ++i) {
        const Kopf k = KopfLesen(felder[i]);
        if (k.falscheEinheit != Rolle::Keine && !s.falsch) s.falsch = i;
        switch (k.rolle) {
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

// A header as a message names it: trimmed, in UTF-8, cut to about kGezeigteZeichen bytes.
std::string KopfText(std::string_view feld, bool utf8) {
    std::string_view text = Getrimmt(feld);
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
    return name;
}

// The German refusal for a column whose unit contradicts its name.
std::string FalscheEinheit(std::string_view feld, bool utf8) {
    const Kopf k = KopfLesen(feld);
    const std::string e = utf8 ? k.einheit : Latin1AlsUtf8(k.einheit);
    const Spaltenart& art = *ArtVon(k.falscheEinheit);
    return "Die Spalte „" + KopfText(feld, utf8) + "“ ist in „" + e + "“ angegeben; gelesen wird " +
           art.was + " nur in " + art.einheit + ".";
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
    for (std::size_t i = 0; i < felder.size() && i < kGezeigteSpalten; ++i) {
        m += (i == 0 ? " „" : ", „") + KopfText(felder[i], utf8) + "“";
    }
    if (felder.size() > kGezeigteSpalten) m += ", …";
    if (felder.empty() || (felder.size() == 1 && Getrimmt(felder[0]).empty())) m += " keine";
    m += ".";
    m += " Gelesen werden: Zeit/Datum/Uhrzeit, Temperatur/T/ϑ (°C), rel. Feuchte/r.F./φ (%) "
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
        if (zeile.empty() || zeile.size() > kMessreiheMaxZeile ||
            !Zerlegen(zeile, trenner, felder, puffer)) {
            continue;
        }
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
    if (kopfzeile.size() > kMessreiheMaxZeile) {
        return E::Fehler("Die erste Zeile ist länger als " + Gruppiert(kMessreiheMaxZeile) +
                         " Zeichen; sie nennt keine Spalten einer Messreihe.");
    }
    // The separator is the one whose split of the header gives a temperature and a humidity
    // column, or a column whose unit contradicts its name; ';' before tab before ',' when
    // several do. Failing all, the split with the most fields names the headers in the
    // refusal.
    std::vector<std::string_view> felder;
    std::string puffer;
    char trenner = 0;
    char besterTrenner = 0;
    std::size_t besteAnzahl = 0;
    Spalten spalten;
    for (const char t : {';', '\t', ','}) {
        if (!Zerlegen(kopfzeile, t, felder, puffer)) continue;
        const Spalten s = SpaltenFinden(felder);
        if (s.brauchbar() || s.falsch) {
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
    if (spalten.falsch) {
        Zerlegen(kopfzeile, trenner, felder, puffer);
        return E::Fehler(FalscheEinheit(felder[*spalten.falsch], utf8));
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
        if (zeile.size() <= kMessreiheMaxZeile && Zerlegen(zeile, trenner, felder, puffer) &&
            felder.size() >= spalten.anzahl &&
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

Ergebnis<std::string> EintragsName(const ordered_json& eintrag, std::string_view wessen) {
    const auto name = eintrag.find("name");
    if (name == eintrag.end()) {
        std::string w(wessen);
        w[0] = 'D';  // "der Messreihe" opens the sentence
        return Ergebnis<std::string>::Fehler(w + " fehlt „name“.");
    }
    if (!name->is_string()) {
        return Ergebnis<std::string>::Fehler("„name“ " + std::string(wessen) + " ist kein Text.");
    }
    return name->get<std::string>();
}

ordered_json Vorlage(const ordered_json& eintrag, std::initializer_list<std::string_view> bekannt) {
    ordered_json v = ordered_json::object();
    for (const auto& [schluessel, wert] : eintrag.items()) {
        const bool b = std::find(bekannt.begin(), bekannt.end(), schluessel) != bekannt.end();
        v[schluessel] = b ? ordered_json() : wert;
    }
    return v;
}

ordered_json JsonZahl(double v) {
    constexpr double kGanzBis = 9007199254740992.0;  // 2^53: every integer up to it is exact
    if (v == std::trunc(v) && std::fabs(v) <= kGanzBis && !(v == 0 && std::signbit(v))) {
        return static_cast<std::int64_t>(v);
    }
    return v;
}

namespace {

const char* FeuchteSchluessel(Feuchteart art) { return art == Feuchteart::Phi ? "phi" : "x"; }

// A column for the file: each value from the members, except where a member holds no value of
// its own (NaN, an empty time text) and the file had something else there, which is kept.
template <class Eigen, class Wert>
ordered_json Spalte(const Messreihe& r, const char* schluessel, std::size_t n, Eigen eigen,
                    Wert wert) {
    ordered_json a = ordered_json::array();
    const auto f = r.fremd.find(schluessel);
    for (std::size_t i = 0; i < n; ++i) {
        if (f != r.fremd.end() && !eigen(i)) {
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
    if (!r.zeit.empty() || j.contains("zeit")) {  // a file's empty time list stays
        j["zeit"] = Spalte(
            r, "zeit", r.zeit.size(), [&](std::size_t i) { return !r.zeit[i].empty(); },
            [&](std::size_t i) { return ordered_json(r.zeit[i]); });
    }
    const auto zahlen = [&](const char* schluessel, const std::vector<double>& werte) {
        return Spalte(
            r, schluessel, werte.size(), [&](std::size_t i) { return std::isfinite(werte[i]); },
            [&](std::size_t i) {
                return std::isfinite(werte[i]) ? JsonZahl(werte[i]) : ordered_json();
            });
    };
    j["theta"] = zahlen("theta", r.theta);
    const char* f = FeuchteSchluessel(r.feuchteart);
    j[f] = zahlen(f, r.feuchte);
    return j;
}

Ergebnis<Messreihe> MessreiheAusJson(const ordered_json& j) {
    using E = Ergebnis<Messreihe>;
    if (!j.is_object()) return E::Fehler("Die Messreihe ist kein JSON-Objekt.");
    Messreihe r;
    const auto name = EintragsName(j, "der Messreihe");
    if (!name) return E::Fehler(name.grund());
    r.name = *name;
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
    r.vorlage = Vorlage(j, {"name", "quelle", "zeit", "theta", feuchte});
    return r;
}

// -- Times -----------------------------------------------------------------------------

namespace {

// Reads a text from the front, a piece at a time.
class Leser {
  public:
    explicit Leser(std::string_view s) : s_(s) {}
    bool Ende() const { return s_.empty(); }
    // A whole number of min to max digits.
    std::optional<int> Ziffern(std::size_t min, std::size_t max) {
        std::size_t n = 0;
        int v = 0;
        while (n < s_.size() && n < max && s_[n] >= '0' && s_[n] <= '9')
            v = v * 10 + (s_[n++] - '0');
        if (n < min) return std::nullopt;
        s_.remove_prefix(n);
        return v;
    }
    bool Zeichen(char c) {
        if (s_.empty() || s_.front() != c) return false;
        s_.remove_prefix(1);
        return true;
    }
    char Vorn() const { return s_.empty() ? '\0' : s_.front(); }

  private:
    std::string_view s_;
};

// Days from 1970-01-01 to the given date of the Gregorian calendar.
std::int64_t TageSeit1970(int jahr, int monat, int tag) {
    const int j = jahr - (monat <= 2 ? 1 : 0);
    const int era = (j >= 0 ? j : j - 399) / 400;
    const int jahrInEra = j - era * 400;
    const int tagImJahr = (153 * (monat + (monat > 2 ? -3 : 9)) + 2) / 5 + tag - 1;
    const int tagInEra = jahrInEra * 365 + jahrInEra / 4 - jahrInEra / 100 + tagImJahr;
    return static_cast<std::int64_t>(era) * 146097 + tagInEra - 719468;
}

bool DatumGibtEs(int jahr, int monat, int tag) {
    static constexpr int kTage[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (monat < 1 || monat > 12 || tag < 1) return false;
    const bool schalt = (jahr % 4 == 0 && jahr % 100 != 0) || jahr % 400 == 0;
    return tag <= kTage[monat - 1] + (monat == 2 && schalt ? 1 : 0);
}

// hh:mm[:ss[.fff]] after the date; seconds of the day, none when malformed.
std::optional<double> Uhrzeit(Leser& l) {
    const auto stunde = l.Ziffern(1, 2);
    if (!stunde || !l.Zeichen(':')) return std::nullopt;
    const auto minute = l.Ziffern(2, 2);
    if (!minute) return std::nullopt;
    double sekunde = 0;
    if (l.Zeichen(':')) {
        const auto s = l.Ziffern(2, 2);
        if (!s) return std::nullopt;
        sekunde = *s;
        if (l.Zeichen('.') || l.Zeichen(',')) {
            double stelle = 0.1;
            bool ziffer = false;
            while (l.Vorn() >= '0' && l.Vorn() <= '9') {
                sekunde += stelle * (l.Vorn() - '0');
                stelle /= 10;
                l.Zeichen(l.Vorn());
                ziffer = true;
            }
            if (!ziffer) return std::nullopt;
        }
    }
    if (*stunde > 24 || *minute > 59 || sekunde >= 61 ||
        (*stunde == 24 && (*minute > 0 || sekunde > 0))) {
        return std::nullopt;
    }
    return *stunde * 3600.0 + *minute * 60.0 + sekunde;
}

}  // namespace

std::optional<double> ZeitLesen(std::string_view text) {
    Leser l(Getrimmt(text));
    int jahr = 0, monat = 0, tag = 0;
    bool iso = false;
    const auto erste = l.Ziffern(1, 4);
    if (!erste) return std::nullopt;
    if (l.Zeichen('-')) {  // 2024-03-01
        const auto m = l.Ziffern(2, 2);
        if (!m || !l.Zeichen('-')) return std::nullopt;
        const auto t = l.Ziffern(2, 2);
        if (!t) return std::nullopt;
        jahr = *erste, monat = *m, tag = *t;
        iso = true;
    } else if (l.Zeichen('.')) {  // 01.03.2024
        const auto m = l.Ziffern(1, 2);
        if (!m || !l.Zeichen('.')) return std::nullopt;
        const auto j = l.Ziffern(4, 4);
        if (!j || *erste > 31) return std::nullopt;
        jahr = *j, monat = *m, tag = *erste;
    } else {
        return std::nullopt;
    }
    if (!DatumGibtEs(jahr, monat, tag)) return std::nullopt;
    double sekunden = static_cast<double>(TageSeit1970(jahr, monat, tag)) * 86400;
    if (l.Ende()) return sekunden;
    if (!(iso && l.Zeichen('T')) && !l.Zeichen(' ')) return std::nullopt;
    while (l.Zeichen(' ')) {
    }
    const auto uhrzeit = Uhrzeit(l);
    if (!uhrzeit) return std::nullopt;
    sekunden += *uhrzeit;
    if (iso && l.Zeichen('Z')) {
    } else if (iso && (l.Vorn() == '+' || l.Vorn() == '-')) {
        const int vorzeichen = l.Vorn() == '+' ? 1 : -1;
        l.Zeichen(l.Vorn());
        const auto h = l.Ziffern(2, 2);
        if (!h) return std::nullopt;
        l.Zeichen(':');
        const auto m = l.Ziffern(2, 2);
        if (!m || *h > 23 || *m > 59) return std::nullopt;
        sekunden -= vorzeichen * (*h * 3600.0 + *m * 60.0);
    }
    if (!l.Ende()) return std::nullopt;
    return sekunden;
}

// -- Evaluation ------------------------------------------------------------------------

double PunktStunden(const std::vector<double>& zeiten, std::size_t i) {
    const auto abstand = [&](std::size_t von) -> std::optional<double> {
        if (von + 1 >= zeiten.size()) return std::nullopt;
        const double stunden = (zeiten[von + 1] - zeiten[von]) / 3600;
        if (stunden > 0 && stunden <= kMessreiheLueckeStunden) return stunden;
        return std::nullopt;
    };
    if (const auto danach = abstand(i)) return *danach;
    if (i > 0) {
        if (const auto davor = abstand(i - 1)) return *davor;
    }
    return 0;
}

Messauswertung MessreiheAuswerten(const Messreihe& r, const Luftdruck& druck) {
    Messauswertung a;
    a.punkte = r.Punkte();
    const bool phi = r.feuchteart == Feuchteart::Phi;
    // Each point stands for an interval of time (PunktStunden), when every time can be read.
    std::vector<double> zeiten;
    if (r.zeit.size() == r.Punkte() && !r.zeit.empty()) {
        zeiten.reserve(r.zeit.size());
        for (const std::string& t : r.zeit) {
            const auto s = ZeitLesen(t);
            if (!s) break;
            zeiten.push_back(*s);
        }
        a.zeitLesbar = zeiten.size() == r.zeit.size();
    }
    for (std::size_t i = 0; i < r.Punkte(); ++i) {
        const double theta = r.theta[i];
        const double f = i < r.feuchte.size() ? r.feuchte[i] : std::nan("");
        const auto z = std::isfinite(theta) && std::isfinite(f)
                           ? ZustandAusPaar(druck, phi ? Paar::ThetaPhi : Paar::ThetaX, theta,
                                            phi ? f : InKgJeKg(f))
                           : Ergebnis<Zustandswerte>::Fehler("");
        if (!z) {
            ++a.unmoeglich;
            continue;
        }
        Messpunkt p;
        p.index = i;
        p.theta = theta;
        p.phi = phi ? std::optional<double>(f) : z->phi;
        p.xGkg = phi ? InGrammJeKg(z->x) : f;
        p.x = z->x;
        p.h = z->h;
        if (a.zeitLesbar) p.stunden = PunktStunden(zeiten, i);
        a.moeglich.push_back(p);
    }
    return a;
}

}  // namespace lumora
