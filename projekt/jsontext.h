#pragma once

#include <cstddef>
#include <initializer_list>
#include <nlohmann/json.hpp>
#include <string>
#include <string_view>

#include "core/ergebnis.h"

namespace lumora {

using Json = nlohmann::ordered_json;

// The deepest nesting of lists and objects a read file may have.
inline constexpr int kMaxTiefe = 64;

// A JSON text read into a value, or the German reason why it is none, with its place.
struct JsonGelesen {
    Json wert;
    std::string fehler;  // empty when read
};

// Reads a whole JSON text. Refuses, with line and column, what is not JSON, a NUL byte,
// invalid UTF-8, nesting deeper than kMaxTiefe, a number beyond the range of a double and
// a key that appears twice in one object (the second would silently replace the first).
JsonGelesen JsonLesen(std::string_view text);

// A name or key as messages quote it: „name“ in German.
std::string Zitat(std::string_view text);

// Line and column (both from 1, the column in characters) of the byte at offset in text.
struct Stelle {
    std::size_t zeile = 1;
    std::size_t spalte = 1;
};
Stelle StelleIn(std::string_view text, std::size_t offset);

// A value on one line with ", " and ": " between its parts, e.g. {"name": "AUL", "theta": 32}.
// Numbers in the shortest text that reads back to the same double; a number that is not
// finite is written as null.
void KompaktSchreiben(const Json& wert, std::string& aus);
std::string Kompakt(const Json& wert);

// A top-level object with one key per line and two-space indentation; the lists named in
// zeilenweise get one entry per line, the objects named there one key per line (and a list of
// objects in them one entry per line), everything else is compact. Ends with a newline.
std::string DokumentSchreiben(const Json& objekt,
                              std::initializer_list<std::string_view> zeilenweise);

// The entries of the project file that have a name, as the messages about it name them.
enum class Eintragsart { Messreihe, Zone, Anlage };
// The name of an entry of the project file, or the reason why it has none.
Ergebnis<std::string> EintragsName(const Json& eintrag, Eintragsart art);

// The template an entry is written back into: every key of the entry in the file's order, the
// values of the keys Lumora knows (`bekannt`) null, to be filled from the model, the others as
// they were.
Json Vorlage(const Json& eintrag, std::initializer_list<std::string_view> bekannt);

// A finite number as the project file writes it: an integral value as a JSON integer, so that
// "20" reads and writes back as "20", anything else as the shortest text that reads back to the
// same double.
Json JsonZahl(double v);

}  // namespace lumora
