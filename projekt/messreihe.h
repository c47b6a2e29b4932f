#pragma once

#include <cstddef>
#include <functional>
#include <initializer_list>
#include <map>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/zustandswerte.h"

namespace lumora {

// What a measured series records beside the temperature.
enum class Feuchteart {
    Phi,  // relative humidity φ [%]
    X,    // water content x [g/kg]
};

// A measured series as a data logger recorded it: one value of each column per point, in the
// units of the file (ϑ in °C, φ in %, x in g/kg). A value that the project file held as
// something other than a number is NaN here, its point counts as impossible, and the original
// JSON value is kept in `fremd` so that writing the series back does not lose it.
struct Messreihe {
    std::string name;
    std::string quelle;             // the file the series was imported from
    std::vector<std::string> zeit;  // empty when the series has no time column
    std::vector<double> theta;
    Feuchteart feuchteart = Feuchteart::Phi;
    std::vector<double> feuchte;  // φ or x, after feuchteart

    // Original JSON values that are not what their column holds, by column key and index.
    std::map<std::string, std::map<std::size_t, nlohmann::ordered_json>> fremd;
    // The series object as read, for its key order and the keys Lumora does not know; the
    // values of the keys above are written from the members.
    nlohmann::ordered_json vorlage = nlohmann::ordered_json::object();

    std::size_t Punkte() const { return theta.size(); }
};

// -- Import from CSV -------------------------------------------------------------------

// The most points one import takes; a larger file is refused instead of filling the memory.
inline constexpr std::size_t kMessreiheMaxPunkte = 1'000'000;
// The longest line read, in bytes; a longer one is no row of a logger and is not split.
inline constexpr std::size_t kMessreiheMaxZeile = 65'536;
// Every so many rows the import reports its progress.
inline constexpr std::size_t kMessreiheFortschrittTakt = 4096;
// How many line numbers of skipped rows the import keeps.
inline constexpr std::size_t kMessreiheGemeldeteZeilen = 5;

// Called with the fraction of the file read so far (0..1); returning false cancels.
using Fortschritt = std::function<bool(double anteil)>;

struct Messreihenimport {
    Messreihe reihe;
    std::size_t uebersprungen = 0;         // rows that could not be read
    std::vector<std::size_t> ersteZeilen;  // their line numbers (1 is the header), the first few
    char trenner = ';';                    // the separator found
    char dezimaltrenner = ',';             // the decimal separator found

    // A German line about the skipped rows, empty when none was skipped.
    std::string Meldung() const;
};

// The series in the CSV file with the bytes `daten`. The first row names the columns; each
// further row is one point. Rows that cannot be read are skipped and counted, never guessed.
// Refused, with a German reason, for an empty or binary file, a file without a temperature
// and a humidity column, a file with no readable row or more than kMessreiheMaxPunkte rows,
// and when `fortschritt` returns false ("Der Import wurde abgebrochen.").
Ergebnis<Messreihenimport> MessreiheAusCsv(std::string_view daten, std::string name,
                                           std::string quelle, const Fortschritt& fortschritt = {});

// -- In the project file ---------------------------------------------------------------

// The name of an entry of the project file, or the German reason why it has none; `wessen`
// names the entry in the genitive ("der Messreihe").
Ergebnis<std::string> EintragsName(const nlohmann::ordered_json& eintrag, std::string_view wessen);

// The template an entry is written back into: every key of the entry in the file's order, the
// values of the keys Lumora knows (`bekannt`) null, to be filled from the model, the others as
// they were.
nlohmann::ordered_json Vorlage(const nlohmann::ordered_json& eintrag,
                               std::initializer_list<std::string_view> bekannt);

// A finite number as the project file writes it: an integral value as a JSON integer, so that
// "20" reads and writes back as "20", anything else as the shortest text that reads back to the
// same double.
nlohmann::ordered_json JsonZahl(double v);

// The series as the project file stores it: name, quelle, zeit (when there is one), theta and
// phi or x, in the key order it was read with and with the keys Lumora does not know.
nlohmann::ordered_json MessreiheZuJson(const Messreihe& reihe);

// The series from its entry in the project file; refused, with a German reason naming the
// key, when the entry is not an object, the name is not a text, a column is not a list, the
// lists differ in length, or the humidity is missing or given twice (phi and x). A value
// inside a list that is not a number (or, in zeit, not a text) does not refuse the series:
// its point counts as impossible and the value is kept for writing back.
Ergebnis<Messreihe> MessreiheAusJson(const nlohmann::ordered_json& j);

// -- Times -----------------------------------------------------------------------------

// The moment a logger's time text names, in seconds from 1970-01-01 00:00: ISO 8601
// ("2024-03-01T14:30:00", "2024-03-01 14:30", seconds and their fraction optional, "Z" or an
// offset such as "+01:00" taken into account) or the German "01.03.2024 14:30" (seconds
// optional); a date alone is its midnight. None for any other text or an impossible date.
std::optional<double> ZeitLesen(std::string_view text);

// The longest interval between two points that a point stands for [h]; a longer one is a gap
// in the recording and counts for nothing.
inline constexpr double kMessreiheLueckeStunden = 3;

// The hours that point i of a series with the times zeiten [s] stands for: the interval to
// the next point where that is at most kMessreiheLueckeStunden; otherwise (the last point, or
// a point before a gap) the interval before it, where that is at most as long; else nothing.
// So 48 hourly readings stand for 48 hours, and a lone point between two gaps for none.
double PunktStunden(const std::vector<double>& zeiten, std::size_t i);

// -- Evaluated against the chart ---------------------------------------------------------

// A point whose pair describes a state, with the values the zones compare and the inputs of
// its canvas position (X = KoordX(x), Y = KoordY(x, h)).
struct Messpunkt {
    std::size_t index = 0;      // place in the series
    double theta = 0;           // °C, as entered
    std::optional<double> phi;  // %, as entered for a ϑ-φ series; none above boiling
    double xGkg = 0;            // g/kg, as entered for a ϑ-x series
    double x = 0;               // kg/kg, for the canvas
    double h = 0;               // kJ/kg, for the canvas
    double stunden = 0;         // h, as PunktStunden gives it
};

// A series evaluated at one total pressure: computed once, drawn and counted from then on.
struct Messauswertung {
    std::size_t punkte = 0;      // all points of the series
    std::size_t unmoeglich = 0;  // points whose pair describes no state
    bool zeitLesbar = false;     // every point's time could be read: the hours mean something
    std::vector<Messpunkt> moeglich;
};

Messauswertung MessreiheAuswerten(const Messreihe& reihe, const Luftdruck& druck);

}  // namespace lumora
