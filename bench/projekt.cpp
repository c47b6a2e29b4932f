// Speed of opening a large project: reading a file of 10,000 states and 1,000 chained
// processes and computing every one of them.
#include <benchmark/benchmark.h>

#include <string>

#include "projekt/berechnung.h"

namespace {

using namespace lumora;

std::string GrossesProjekt() {
    const char* paare[] = {R"("theta": %T, "phi": 45.5)",
                           R"("theta": %T, "x": 8.25)",
                           R"("h": 48.5, "x": 7.5)",
                           R"("theta": %T, "taupunkt": 2.5)",
                           R"("theta": %T, "kuehlgrenze": 5.5)",
                           R"("x": 6.5, "phi": 55)"};
    std::string text = R"({
  "lumora": 1,
  "eingabe": ["50", "10", "5", "0.03", "0.005", "0.0025", "1013"],
  "zustaende": [
)";
    constexpr int kZustaende = 10000;
    for (int i = 0; i < kZustaende; ++i) {
        std::string paar = paare[i % 6];
        const auto t = paar.find("%T");
        if (t != std::string::npos) paar.replace(t, 2, std::to_string(10 + i % 25) + ".5");
        text += R"(    {"name": "Z)" + std::to_string(i) + R"(", )" + paar + "}" +
                (i + 1 < kZustaende ? ",\n" : "\n");
    }
    text += "  ],\n  \"prozesse\": [\n";
    constexpr int kProzesse = 1000;
    for (int i = 0; i < kProzesse; ++i) {
        const std::string von = i % 10 ? "P" + std::to_string(i - 1) : "Z" + std::to_string(i);
        text += R"(    {"art": "heizen", "von": ")" + von + R"(", "nach": "P)" + std::to_string(i) +
                R"(", "theta": 40, "massenstrom": 1000})" + (i + 1 < kProzesse ? ",\n" : "\n");
    }
    return text + "  ]\n}\n";
}

void ProjektLaden(benchmark::State& state) {
    const std::string text = GrossesProjekt();
    std::size_t berechnet = 0;
    for (auto _ : state) {
        const auto projekt = Projekt::Lesen(text);
        if (!projekt) {
            state.SkipWithError(projekt.grund().c_str());
            break;
        }
        const Berechnung b = Berechnen(*projekt);
        berechnet = 0;
        for (const BerechneterZustand& z : b.zustaende) berechnet += z.punkt.has_value();
        benchmark::DoNotOptimize(b.prozesse.data());
    }
    state.counters["states"] = static_cast<double>(berechnet);
    state.counters["bytes"] = static_cast<double>(text.size());
}

}  // namespace

BENCHMARK(ProjektLaden)->Name("projekt/laden")->Unit(benchmark::kMillisecond);
