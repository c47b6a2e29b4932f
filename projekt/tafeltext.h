#pragma once

// Marks a German text of a constant table for lupdate without translating it: lupdate reads
// tafel::Text("Projekt", "…") like Text(), the table keeps the German, and the code that shows
// the entry translates it with Angezeigt(eintrag).

#include <string>

#include "core/text.h"

namespace lumora::tafel {

constexpr const char* Text(const char* /*kontext*/, const char* quelle) { return quelle; }

// An entry of such a table in the program's language.
inline std::string Angezeigt(const char* eintrag) { return lumora::Text("Projekt", eintrag); }

}  // namespace lumora::tafel
