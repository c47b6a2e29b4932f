#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "core/text.h"
#include "projekt/messreihe.h"
#include "projekt/textdatei.h"

// The formats a series is read from, each in a file of its own (import_*.cpp), and what their
// readers share. A new format is a new file with its two functions, and a line in
// MessreiheLesen.

namespace lumora {

// TRY, the weather service's test reference years: a line of column names with MM, DD and HH.
bool IstTry(std::string_view daten);
Ergebnis<Messreihenimport> TryLesen(std::string_view daten, std::string name, std::string quelle,
                                    const Fortschritt& fortschritt);

// EPW, EnergyPlus weather files: the first line starts with "LOCATION,".
bool IstEpw(std::string_view daten);
Ergebnis<Messreihenimport> EpwLesen(std::string_view daten, std::string name, std::string quelle,
                                    const Fortschritt& fortschritt);

// The refusal of an import that the user cancelled.
inline std::string ImportAbgebrochen() { return Text("Projekt", "Der Import wurde abgebrochen."); }

// Asks `fortschritt` every kMessreiheFortschrittTakt lines how far the import is.
class Fortschrittstakt {
  public:
    Fortschrittstakt(const Fortschritt& fortschritt, std::size_t groesse)
        : f_(fortschritt), groesse_(groesse) {}
    // False when the user cancelled; pos is the bytes read so far.
    bool Weiter(std::size_t pos) {
        if (!f_ || ++takt_ < kMessreiheFortschrittTakt) return true;
        takt_ = 0;
        return f_(static_cast<double>(pos) / static_cast<double>(groesse_));
    }
    bool Ende() const { return !f_ || f_(1.0); }

  private:
    const Fortschritt& f_;
    std::size_t groesse_;
    std::size_t takt_ = 0;
};

// Counts a line that could not be read, keeping the first few line numbers.
void Ueberspringen(Messreihenimport& im, std::size_t zeile);

// A weather year being read from daten: its name, source and format, with room for an hour
// per line.
Messreihenimport Wetterjahrimport(std::string name, std::string quelle, const char* format,
                                  std::string_view daten);

// Adds one hour; false when the series already holds kMessreiheMaxPunkte points.
bool StundeAnhaengen(Messreihe& r, int monat, int tag, int stunde, double theta, double x);

// The refusal for a file with more lines than the program takes.
std::string ZuVieleZeilen();

// The end of a weather year's import: refused without any hour read.
Ergebnis<Messreihenimport> WetterjahrFertig(Messreihenimport im);

}  // namespace lumora
