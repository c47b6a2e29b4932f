#include <algorithm>
#include <array>
#include <cstring>

#include "core/text.h"
#include "projekt/leseformate.h"

// Reading a data logger's CSV file: its separators, its header's names and units, and its rows.

namespace lumora {

namespace {

constexpr std::string_view kBom = "\xEF\xBB\xBF";
constexpr std::size_t kGezeigteSpalten = 12;  // headers named in a refusal, at most
constexpr std::size_t kGezeigteZeichen = 40;  // bytes of one header named in a refusal, about

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

// The columns read beside the time and the units accepted for each, as EinheitNormal writes
// them (padded with empty texts, which EinheitPasst never compares).
struct Spaltenart {
    Rolle rolle;
    std::array<std::string_view, 3> einheiten;
};
constexpr Spaltenart kSpaltenarten[] = {
    {Rolle::Theta, {"c", "degc", ""}},
    {Rolle::Phi, {"%", "%rf", "%rh"}},
    {Rolle::X, {"gkg", "", ""}},
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
    std::string name = utf8 ? std::string(text) : Cp1252AlsUtf8(text);
    if (gekuerzt) name += "…";
    return name;
}

// The German refusal for a column whose unit contradicts its name.
std::string FalscheEinheit(std::string_view feld, bool utf8) {
    const Kopf k = KopfLesen(feld);
    const std::string e = utf8 ? k.einheit : Cp1252AlsUtf8(k.einheit);
    std::string vorlage;
    switch (k.falscheEinheit) {
        case Rolle::Theta:
            vorlage = Text("Projekt",
                           "Die Spalte „%1“ ist in „%2“ angegeben; gelesen wird die "
                           "Temperatur nur in °C.");
            break;
        case Rolle::Phi:
            vorlage = Text("Projekt",
                           "Die Spalte „%1“ ist in „%2“ angegeben; gelesen wird die "
                           "relative Feuchte nur in %.");
            break;
        default:
            vorlage = Text("Projekt",
                           "Die Spalte „%1“ ist in „%2“ angegeben; gelesen wird der "
                           "Wassergehalt nur in g/kg.");
            break;
    }
    return Einsetzen(vorlage, {KopfText(feld, utf8), e});
}

// The German refusal for a header without the columns a series needs, naming what it found.
std::string OhneSpalten(const std::vector<std::string_view>& felder, const Spalten& s, bool utf8) {
    std::string m;
    if (!s.theta && !s.feuchte) {
        m = Text("Projekt",
                 "Die Datei hat keine Spalte für die Temperatur und keine für die Feuchte.");
    } else if (!s.theta) {
        m = Text("Projekt", "Die Datei hat keine Spalte für die Temperatur.");
    } else {
        m = Text("Projekt", "Die Datei hat keine Spalte für die Feuchte.");
    }
    std::string gefunden;
    for (std::size_t i = 0; i < felder.size() && i < kGezeigteSpalten; ++i) {
        gefunden += (i == 0 ? "" : ", ") + Zitat(KopfText(felder[i], utf8));
    }
    if (felder.size() > kGezeigteSpalten) gefunden += ", …";
    if (felder.empty() || (felder.size() == 1 && Getrimmt(felder[0]).empty())) {
        gefunden += (gefunden.empty() ? "" : " ") + Text("Projekt", "keine");
    }
    m += " " + Einsetzen(Text("Projekt", "Gefundene Spalten: %1."), {gefunden});
    m += " " + Text("Projekt",
                    "Gelesen werden: Zeit/Datum/Uhrzeit, Temperatur/T/ϑ (°C), rel. "
                    "Feuchte/r.F./φ (%) oder x (g/kg).");
    return m;
}

// -- Numbers ---------------------------------------------------------------------------

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

// Why the bytes are no text file to read, or none; a byte-order mark is taken off.
std::optional<std::string> KeinText(std::string_view& daten) {
    if (daten.size() >= 2 && ((daten[0] == '\xFF' && daten[1] == '\xFE') ||
                              (daten[0] == '\xFE' && daten[1] == '\xFF'))) {
        return Text("Projekt",
                    "Die Datei ist in UTF-16 geschrieben; bitte als UTF-8 oder ANSI speichern.");
    }
    if (const void* null = std::memchr(daten.data(), '\0', daten.size())) {
        const auto stelle = static_cast<const char*>(null) - daten.data();
        return Einsetzen(Text("Projekt",
                              "Die Datei enthält Binärdaten (ein Nullbyte an Stelle %1) und ist "
                              "keine CSV-Datei."),
                         {std::to_string(stelle + 1)});
    }
    if (daten.substr(0, kBom.size()) == kBom) daten.remove_prefix(kBom.size());
    if (daten.find_first_not_of(" \t\r\n") == std::string_view::npos)
        return Text("Projekt", "Die Datei ist leer.");
    return std::nullopt;
}

// The header row: its separator and its columns.
struct Kopfzeile {
    char trenner = 0;
    Spalten spalten;
};

// The separator is the one whose split of the header gives a temperature and a humidity
// column, or a column whose unit contradicts its name; ';' before tab before ',' when several
// do. Failing all, the split with the most fields names the headers in the refusal.
Ergebnis<Kopfzeile> KopfzeileLesen(std::string_view kopfzeile, bool utf8) {
    using E = Ergebnis<Kopfzeile>;
    if (kopfzeile.size() > kMessreiheMaxZeile) {
        return E::Fehler(Einsetzen(Text("Projekt",
                                        "Die erste Zeile ist länger als %1 Zeichen; sie "
                                        "nennt keine Spalten einer Messreihe."),
                                   {Gruppiert(kMessreiheMaxZeile)}));
    }
    std::vector<std::string_view> felder;
    std::string puffer;
    char besterTrenner = 0;
    std::size_t besteAnzahl = 0;
    for (const char t : {';', '\t', ','}) {
        if (!Zerlegen(kopfzeile, t, felder, puffer)) continue;
        const Spalten s = SpaltenFinden(felder);
        if (s.falsch) return E::Fehler(FalscheEinheit(felder[*s.falsch], utf8));
        if (s.brauchbar()) return Kopfzeile{t, s};
        if (felder.size() > besteAnzahl) {
            besteAnzahl = felder.size();
            besterTrenner = t;
        }
    }
    if (besterTrenner == 0 || !Zerlegen(kopfzeile, besterTrenner, felder, puffer)) {
        felder.assign(1, kopfzeile);
    }
    return E::Fehler(OhneSpalten(felder, SpaltenFinden(felder), utf8));
}

// The time of a row: its time columns joined by a blank, in UTF-8.
std::string ZeitDerZeile(const std::vector<std::string_view>& felder, const Spalten& spalten,
                         bool utf8) {
    std::string zeit;
    for (const std::size_t s : spalten.zeit) {
        const std::string_view teil = Getrimmt(felder[s]);
        if (!zeit.empty() && !teil.empty()) zeit += ' ';
        zeit += teil;
    }
    return utf8 ? zeit : Cp1252AlsUtf8(zeit);
}

// Reads every row after the header into im's series; refused when cancelled or too long.
std::optional<std::string> ZeilenLesen(Zeilen& zeilen, std::size_t groesse, const Kopfzeile& kopf,
                                       bool utf8, const Fortschritt& fortschritt,
                                       Messreihenimport& im) {
    Messreihe& r = im.reihe;
    const Spalten& spalten = kopf.spalten;
    std::vector<std::string_view> felder;
    std::string puffer;
    std::string_view zeile;
    Fortschrittstakt takt(fortschritt, groesse);
    while (zeilen.Naechste(zeile)) {
        if (!takt.Weiter(zeilen.pos())) return ImportAbgebrochen();
        if (Getrimmt(zeile).empty()) continue;  // a blank line holds no row
        std::optional<double> theta, feuchte;
        if (zeile.size() <= kMessreiheMaxZeile && Zerlegen(zeile, kopf.trenner, felder, puffer) &&
            felder.size() >= spalten.anzahl &&
            std::all_of(felder.begin() + static_cast<std::ptrdiff_t>(spalten.anzahl), felder.end(),
                        [](std::string_view f) { return Getrimmt(f).empty(); })) {
            theta = Wert(felder[*spalten.theta], im.dezimaltrenner);
            feuchte = Wert(felder[*spalten.feuchte], im.dezimaltrenner);
        }
        if (!theta || !feuchte) {
            Ueberspringen(im, zeilen.nummer());
            continue;
        }
        if (r.theta.size() == kMessreiheMaxPunkte) return ZuVieleZeilen();
        r.theta.push_back(*theta);
        r.feuchte.push_back(*feuchte);
        if (!spalten.zeit.empty()) r.zeit.push_back(ZeitDerZeile(felder, spalten, utf8));
    }
    if (!takt.Ende()) return ImportAbgebrochen();
    return std::nullopt;
}

}  // namespace

Ergebnis<Messreihenimport> MessreiheAusCsv(std::string_view daten, std::string name,
                                           std::string quelle, const Fortschritt& fortschritt) {
    using E = Ergebnis<Messreihenimport>;
    if (auto f = KeinText(daten)) return E::Fehler(*f);
    const bool utf8 = IstUtf8(daten);

    // Blank lines before the header are passed over; the first line with text names the
    // columns.
    Zeilen zeilen(daten);
    std::string_view kopfzeile;
    while (zeilen.Naechste(kopfzeile) && Getrimmt(kopfzeile).empty()) {
    }
    const auto kopf = KopfzeileLesen(kopfzeile, utf8);
    if (!kopf) return E::Fehler(kopf.grund());

    const std::string_view rest = daten.substr(zeilen.pos());
    Messreihenimport im;
    im.trenner = kopf->trenner;
    im.dezimaltrenner = DezimaltrennerFinden(rest, kopf->trenner, kopf->spalten);
    Messreihe& r = im.reihe;
    r.name = AlsUtf8(name);
    r.quelle = AlsUtf8(quelle);
    r.feuchteart = kopf->spalten.art;
    const auto zeilenZahl =
        std::min(static_cast<std::size_t>(std::count(rest.begin(), rest.end(), '\n')) + 1,
                 kMessreiheMaxPunkte);
    r.theta.reserve(zeilenZahl);
    r.feuchte.reserve(zeilenZahl);
    if (!kopf->spalten.zeit.empty()) r.zeit.reserve(zeilenZahl);

    if (auto f = ZeilenLesen(zeilen, daten.size(), *kopf, utf8, fortschritt, im)) {
        return E::Fehler(*f);
    }
    if (r.theta.empty()) {
        std::string m = Text("Projekt", "Die Datei enthält keine lesbare Messzeile.");
        if (im.uebersprungen > 0) m += " " + im.Meldung();
        return E::Fehler(m);
    }
    return im;
}

}  // namespace lumora
