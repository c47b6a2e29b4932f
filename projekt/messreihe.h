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
#include "projekt/jsontext.h"
#include "projekt/textdatei.h"
#include "projekt/zeit.h"

namespace lumora {

// What a measured series records beside the temperature.
enum class Feuchteart {
    Phi,  // relative humidity φ [%]
    X,    // water content x [g/kg]
};

// What kind of file a series came from.
enum class Reihenart {
    Logger,      // a data logger's readings, with or without their times
    Wetterjahr,  // a weather year (TRY, EPW): one point per hour, with month, day and hour
};

// The class widths of a weather year's frequency map: Δϑ [K] and Δx [g/kg], both > 0.
struct Klassenbreite {
    double dtheta = 1;
    double dx = 1;
};

// The hours a design value may be exceeded by default: 0.1 % of 8,760 hours.
inline constexpr int kUeberschreitungStandard = 9;

// A measured series as a data logger recorded it or a weather file gives it: one value of each
// column per point, in the units of the file (ϑ in °C, φ in %, x in g/kg). A value that the
// project file held as something other than a number is NaN here, its point counts as
// impossible, and the original JSON value is kept in `fremd` so that writing the series back
// does not lose it.
struct Messreihe {
    std::string name;
    std::string quelle;  // the file the series was imported from
    Reihenart art = Reihenart::Logger;
    std::vector<std::string> zeit;  // empty when the series has no time column
    std::vector<double> theta;
    Feuchteart feuchteart = Feuchteart::Phi;
    std::vector<double> feuchte;  // φ or x, after feuchteart

    // A weather year: where it comes from, and each hour's month, day and hour (HH 1..24, the
    // hour that ends at HH:00), as the file gives them. Its x is the feuchte.
    std::string format;              // "TRY" or "EPW"
    std::optional<std::string> ort;  // the place, where the file names one
    std::optional<double> hoehe;     // the station's height [m]
    std::optional<double> druck;     // the mean station pressure of the hours with one [hPa]
    std::vector<double> monat, tag, stunde;
    // Its optional settings, as the project file holds them; they are written back as read.
    Zeitfenster zeitfenster;
    Klassenbreite klassen;
    int ueberschreitung = kUeberschreitungStandard;
    bool haeufigkeitskarte = false;  // drawn as a frequency map instead of dots

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
    // For a weather year, a German line with what was read: the format, the hours, the place,
    // the height and the mean station pressure; empty for a logger's series.
    std::string Zusammenfassung() const;
};

// The series in the file with the bytes `daten`, in the format its content shows: an EPW file
// by its LOCATION line, a TRY file by its column line, and otherwise a logger's CSV file.
// Refused as each format's reader refuses, for an empty or binary file too.
Ergebnis<Messreihenimport> MessreiheLesen(std::string_view daten, std::string name,
                                          std::string quelle, const Fortschritt& fortschritt = {});

// The series in the CSV file with the bytes `daten`. The first row names the columns; each
// further row is one point. Rows that cannot be read are skipped and counted, never guessed.
// Refused, with a German reason, for an empty or binary file, a file without a temperature
// and a humidity column, a file with no readable row or more than kMessreiheMaxPunkte rows,
// and when `fortschritt` returns false ("Der Import wurde abgebrochen.").
Ergebnis<Messreihenimport> MessreiheAusCsv(std::string_view daten, std::string name,
                                           std::string quelle, const Fortschritt& fortschritt = {});

// -- In the project file ---------------------------------------------------------------

// The series as the project file stores it: name, quelle, zeit (when there is one), theta and
// phi or x, for a weather year art, format, ort, hoehe, druck, monat, tag and stunde before
// theta and x, in the key order it was read with and with the keys Lumora does not know.
nlohmann::ordered_json MessreiheZuJson(const Messreihe& reihe);

// The series from its entry in the project file; refused, with a German reason naming the
// key, when the entry is not an object, the name is not a text, a column is not a list, the
// lists differ in length, or the humidity is missing or given twice (phi and x); for a weather
// year also when a list of monat, tag, stunde or x is missing, or zeitfenster, klassen,
// ueberschreitung or haeufigkeitskarte is not what it must be. A value
// inside a list that is not a number (or, in zeit, not a text) does not refuse the series:
// its point counts as impossible and the value is kept for writing back.
Ergebnis<Messreihe> MessreiheAusJson(const nlohmann::ordered_json& j);

}  // namespace lumora
