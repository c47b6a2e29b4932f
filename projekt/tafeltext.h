#pragma once

#include <string>

#include "core/text.h"

// The German entries of the project layer's constant tables (column heads, pairs of values,
// form labels, quantities of a task) are marked with vorgemerkt::Text("Projekt", …); the
// code that shows an entry translates it here.

namespace lumora::tafel {

// An entry of such a table in the program's language.
inline std::string Angezeigt(const char* eintrag) { return lumora::Text("Projekt", eintrag); }

}  // namespace lumora::tafel
