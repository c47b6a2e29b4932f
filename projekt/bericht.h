#pragma once

#include <string>
#include <string_view>

#include "projekt/berechnung.h"

namespace lumora {

// The computed project as one JSON object: "zustaende" (the entered states in file order,
// then the states that processes make, in process order), "prozesse", "fehler" (every entry
// that could not be computed, by its place in the file, with the German reason), and
// "messreihen" (how each series lies against the zones) when the project has series. File
// units; null for a property that does not exist.
Json BerichtJson(const Berechnung& b);
// The same as text, each list with one entry per line, every number in full precision.
std::string BerichtText(const Berechnung& b);

// The table of states, then after an empty line the table of processes, then the one of the
// series against the zones when there are series: ';'-separated, each with a header row, numbers
// with the given decimal separator, every state of the file with its reason or whether it lies
// outside the chart.
std::string Tabelle(const Projekt& projekt, const Berechnung& b, std::string_view dezimaltrenner);

// The class table of a weather year's frequency map, for the single-frequency method: ';'-
// separated with a decimal point; the first row "ϑ \ x [g/kg]" and the lower bounds of the x
// classes from the lowest to the highest with hours, then one row for each ϑ class from the
// lowest to the highest with hours: its lower bound and the hours of each x class, 0 where none.
std::string Klassentabelle(const Haeufigkeit& h);

// What a computed process adds to its row: a cooler's surface temperature ϑO where it was
// found for a target, a heat recovery's exhaust outlet temperature with its warning: "ϑO =
// 12,35 °C", "Fortluft ϑ = 3,10 °C; Kondensat: …"; empty for the others. Temperatures with the
// tables' decimals and the given separator.
std::string Prozesshinweis(const BerechneterProzess& r, std::string_view dezimaltrenner);

// Cells of such a table. A number as the shortest text that reads back to the same double, or
// rounded to the given decimals ("-0,00" is written "0,00"), with the given separator; empty for
// a value that does not exist. A text, quoted where it holds the separator, a quote or a line
// break.
std::string Zelle(std::optional<double> v, std::string_view trenner);
std::string Zelle(std::optional<double> v, std::string_view trenner, int stellen);
std::string Zelle(std::string_view text);

}  // namespace lumora
