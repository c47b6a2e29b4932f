#pragma once

#include <string>

namespace lumora::test {

// A summer chart with a state inside the busiest class of a small weather year, whose entry
// ends with `einstellungen` (its settings, each with a comma before it). Of its five hours a
// window of May to September keeps the four of July: three in the class 20…21 °C, 8…9 g/kg
// and one in 15…16 °C, 6…7 g/kg.
inline std::string Wetterjahrprojekt(const std::string& einstellungen) {
    return R"({
  "lumora": 1,
  "eingabe": ["40", "5", "1", "0.02", "0.002", "0.0005", "1013"],
  "zustaende": [
    {"name": "Z", "theta": 20.5, "x": 8.5}
  ],
  "prozesse": [],
  "messreihen": [
    {"name": "Jahr", "quelle": "jahr.dat", "art": "wetterjahr", "format": "TRY",
     "monat": [7, 7, 7, 7, 1], "tag": [1, 1, 1, 1, 1], "stunde": [12, 13, 14, 15, 3],
     "theta": [20.2, 20.4, 20.8, 15.5, 20.5], "x": [8.1, 8.3, 8.9, 6.5, 8.5])" +
           einstellungen + R"(}
  ]
}
)";
}

}  // namespace lumora::test
