// Speed of grading: a hundred hand-ins of the summer exercise, each read, computed and graded
// against the solution, as `lumora-export LOESUNG --bewerte` does after reading the files.
#include "projekt/uebung.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace {

using namespace lumora;

const char* const kEingabe = R"("eingabe": ["50", "10", "5", "0.03", "0.005", "0.0025", "1013"],
  "zustaende": [
    {"name": "AUL", "theta": 32, "phi": 40},
    {"name": "ABL", "theta": 26, "phi": 50}
  ],)";

const char* const kUebung = R"("uebung": {
    "titel": "Sommerfall",
    "gegeben": ["AUL", "ABL"],
    "aufgaben": [
      {"text": "ϑ von MI?", "name": "MI", "groesse": "theta", "toleranz": 0.3, "punkte": 2},
      {"text": "x nach K?", "name": "K", "groesse": "x", "toleranz": 0.2, "punkte": 2},
      {"text": "Kühlleistung?", "name": "K", "groesse": "leistung", "toleranz": 2, "punkte": 3},
      {"text": "φ von ZUL?", "name": "ZUL", "groesse": "phi", "toleranz": 2, "punkte": 2},
      {"text": "Heizleistung?", "name": "ZUL", "groesse": "leistung", "toleranz": 1, "punkte": 1}
    ]%A
  })";

// The chain of the solution, with the cooler's surface at t °C.
std::string Kette(int t) {
    return R"(  "prozesse": [
    {"art": "mischen", "von": ["AUL", "ABL"], "nach": "MI", "massenstroeme": [2000, 6000]},
    {"art": "kuehlen", "von": "MI", "nach": "K", "oberflaeche": )" +
           std::to_string(t) + R"(, "bypass": 0.1, "massenstrom": 8000},
    {"art": "heizen", "von": "K", "nach": "ZUL", "theta": 18, "massenstrom": 8000}
  ],
)";
}

std::string Projekttext(int t, const std::string& antworten) {
    std::string uebung = kUebung;
    uebung.replace(uebung.find("%A"), 2, antworten);
    return std::string("{\n  \"lumora\": 1,\n  ") + kEingabe + "\n" + Kette(t) + "  " + uebung +
           "\n}\n";
}

void AbgabenBewerten(benchmark::State& state) {
    const auto loesung = Projekt::Lesen(Projekttext(9, ""));
    const auto bereit =
        loesung ? Loesung::Aus(*loesung) : Ergebnis<Loesung>::Fehler(loesung.grund());
    if (!bereit) {
        state.SkipWithError(bereit.grund().c_str());
        return;
    }
    // A hundred hand-ins: different coolers, some answers typed, every tenth no project.
    std::vector<std::string> abgaben;
    for (int i = 0; i < 100; ++i) {
        if (i % 10 == 9) {
            abgaben.push_back("{\"lumora\": 1, \"eingabe\": [");
            continue;
        }
        const std::string antworten =
            i % 3 ? ",\n    \"antworten\": {\"1\": 27." + std::to_string(i % 10) + "}" : "";
        abgaben.push_back(Projekttext(7 + i % 5, antworten));
    }
    double punkte = 0;
    for (auto _ : state) {
        punkte = 0;
        for (std::size_t i = 0; i < abgaben.size(); ++i) {
            punkte += bereit->Bewerten(abgaben[i], std::to_string(i)).punkte;
        }
        benchmark::DoNotOptimize(punkte);
    }
    state.counters["hand-ins"] = static_cast<double>(abgaben.size());
    state.counters["points"] = punkte;
}

}  // namespace

BENCHMARK(AbgabenBewerten)->Name("uebung/bewerten")->Unit(benchmark::kMillisecond);
