#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/zustandswerte.h"
#include "projekt/jsontext.h"

// Time in measured series: the times a logger writes, the hours a point stands for, and the
// time windows of weather years.

namespace lumora {

// The moment a logger's time text names, in seconds from 1970-01-01 00:00: ISO 8601
// ("2024-03-01T14:30:00", "2024-03-01 14:30", seconds and their fraction optional, "Z" or an
// offset such as "+01:00" taken into account) or the German "01.03.2024 14:30" (seconds
// optional); a date alone is its midnight. None for any other text or an impossible date.
std::optional<double> ZeitLesen(std::string_view text);

// A time text as ZeitLesen reads it, with the month (1..12) and the hour (0..24) that its own
// clock shows, before any offset is taken into account.
struct Zeitangabe {
    double sekunden = 0;  // as ZeitLesen gives them
    int monat = 0;
    int stunde = 0;
};
std::optional<Zeitangabe> ZeitangabeLesen(std::string_view text);

// The longest interval between two points that a point stands for [h]; a longer one is a gap
// in the recording and counts for nothing.
inline constexpr double kMessreiheLueckeStunden = 3;

// The hours that point i of a series with the times zeiten [s] stands for: the interval to
// the next point where that is at most kMessreiheLueckeStunden; otherwise (the last point, or
// a point before a gap) the interval before it, where that is at most as long; else nothing.
// So 48 hourly readings stand for 48 hours, and a lone point between two gaps for none.
double PunktStunden(const std::vector<double>& zeiten, std::size_t i);

// The months and hours of the day that count, each [von, bis] and wrapping past its end when
// von > bis; without a part every month or every hour counts.
struct Zeitfenster {
    std::optional<std::array<int, 2>> monate;   // 1..12; [10, 4] is October to April
    std::optional<std::array<int, 2>> stunden;  // 0..24, von != bis; of the clock

    // Whether the hour HH (1..24, the hour that ends at HH:00) of month monat (1..12) lies
    // inside: its span HH - 1 to HH lies within the hours, [6, 18] keeping HH = 7..18 and
    // [22, 6] HH = 23, 24 and 1..6.
    bool Enthaelt(int monat, int stunde) const;
};

// The window of the JSON value j (an object with "monate" and "stunden") under the key
// `schluessel`; refused, with a German reason naming the key, for anything else, numbers out
// of range, or hours that keep no hour of the day.
Ergebnis<Zeitfenster> ZeitfensterAusJson(const Json& j,
                                         std::string_view schluessel = "zeitfenster");

}  // namespace lumora
