#pragma once

#include <string>
#include <string_view>

#include "projekt/jsontext.h"

namespace lumora {

// A file key of a value in a state or process entry: its symbol and unit as forms, tables
// and reports show them.
struct Groesse {
    const char* schluessel;
    const char* symbol;
    const char* einheit;
};
// The quantity of a key; one with an empty key and the symbol "?" for a key this version does
// not know.
const Groesse& GroesseZu(std::string_view schluessel);

// A value of an entry as a cell or a field shows it: a number as the shortest text that reads
// back to it, with the given decimal separator; a text as it stands.
std::string WertText(const Json& wert, std::string_view dezimaltrenner);

// "ϑ = 32 °C" for a key and its value in an entry; "?" for the value where it is missing.
std::string Angabe(const Json& eintrag, std::string_view schluessel,
                   std::string_view dezimaltrenner);

// The parameters of a process entry as one line in file order, e.g. "ϑO = 9 °C, BF = 0,1";
// keys this version does not know are left out.
std::string Parametertext(const Json& prozess, std::string_view dezimaltrenner);

}  // namespace lumora
