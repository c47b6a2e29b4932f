// Speed of reading a measured series: a CSV of 100,000 logger rows in the German form, and
// the evaluation of its points against the chart (state, canvas inputs) that follows it.
#include <benchmark/benchmark.h>

#include <string>

#include "projekt/auswertung.h"

namespace {

using namespace lumora;

constexpr int kZeilen = 100'000;

const std::string& Logger() {
    static const std::string csv = [] {
        std::string s = "Datum;Temperatur [°C];rF [%]\r\n";
        for (int i = 0; i < kZeilen; ++i) {
            s += "01.01.2024 " + std::to_string(i % 24) + ":00;" + std::to_string(15 + i % 15) +
                 "," + std::to_string(i % 10) + ";" + std::to_string(30 + i % 50) + "," +
                 std::to_string(i % 7) + "\r\n";
        }
        return s;
    }();
    return csv;
}

void Import(benchmark::State& state) {
    std::size_t punkte = 0;
    for (auto _ : state) {
        const auto im = MessreiheAusCsv(Logger(), "Bench", "logger.csv");
        if (!im) state.SkipWithError(im.grund().c_str());
        punkte = im ? im->reihe.Punkte() : 0;
        benchmark::DoNotOptimize(punkte);
    }
    state.counters["points"] = static_cast<double>(punkte);
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * Logger().size()));
}

void Auswerten(benchmark::State& state) {
    const auto im = MessreiheAusCsv(Logger(), "Bench", "logger.csv");
    const auto druck = LuftdruckBei(1013);
    if (!im || !druck) {
        state.SkipWithError("no series");
        return;
    }
    for (auto _ : state) {
        const Messauswertung a = MessreiheAuswerten(im->reihe, *druck);
        benchmark::DoNotOptimize(a.moeglich.data());
    }
}

}  // namespace

BENCHMARK(Import)->Name("messreihe/import")->Unit(benchmark::kMillisecond);
BENCHMARK(Auswerten)->Name("messreihe/auswerten")->Unit(benchmark::kMillisecond);
