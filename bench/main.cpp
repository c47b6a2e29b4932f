// Speed of a press: the whole press into the canvas's backing image, the chart run alone,
// and a minimal Bresenham raster of the same lines as the yardstick.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <QApplication>
#include <cstdio>
#include <map>

#include "bench/referenz.h"
#include "chart/aufzeichnung.h"
#include "chart/diagrammlauf.h"
#include "chart/pruefung.h"
#include "ui/diagrammfenster.h"
#include "ui/leinwand.h"

namespace {

using namespace lumora;

const Feldtexte kStandard{"200", "10", "1", "0.2", "0.02", "0.002", "1013"};
const Feldtexte kStress{"200", "10", "0.001", "0.2", "0.02", "0.00001", "1013"};

// The default limits on a winter chart down to -20 °C.
constexpr double kWinter = -20;

Eingabe Lesen(const Feldtexte& texte, benchmark::State& state, double thetaUnten = 0) {
    const Eingabe e = EingabeLesen(texte, thetaUnten);
    if (const auto ablehnung = Pruefen(e)) state.SkipWithError(ablehnung->meldung.c_str());
    return e;
}

void Druck(benchmark::State& state, const Feldtexte& texte, double thetaUnten = 0) {
    Diagrammfenster fenster;  // not shown: the screen is left out
    Diagrammlauf lauf;
    std::size_t linien = 0;
    for (auto _ : state) {
        const Eingabe e = Lesen(texte, state, thetaUnten);
        lauf.zeichnen(e, fenster.leinwand(), fenster.etiketten(), ",");
        linien = fenster.leinwand().operationen().size() - 1;
    }
    benchmark::DoNotOptimize(fenster.leinwand().bild().constBits());
    state.counters["lines"] = static_cast<double>(linien);
}

void Lauf(benchmark::State& state, const Feldtexte& texte) {
    Diagrammlauf lauf;
    Aufzeichnungsflaeche flaeche;
    Aufzeichnungsbeschriftung beschriftung;
    for (auto _ : state) {
        flaeche.leeren();
        lauf.zeichnen(Lesen(texte, state), flaeche, beschriftung, ",");
    }
}

void Referenz(benchmark::State& state, const Feldtexte& texte) {
    Diagrammlauf lauf;
    Aufzeichnungsflaeche flaeche;
    Aufzeichnungsbeschriftung beschriftung;
    lauf.zeichnen(Lesen(texte, state), flaeche, beschriftung, ",");
    Diagrammfenster fenster;
    const QSize groesse = fenster.leinwand().innenGroesse();
    std::vector<std::uint32_t> puffer;
    for (auto _ : state) {
        ReferenzRastern(flaeche.operationen(), groesse.width(), groesse.height(), puffer);
        benchmark::DoNotOptimize(puffer.data());
    }
}

// Each benchmark that has an aim, the yardstick it is measured against and the largest ratio
// it may reach.
struct Verhaeltnis {
    const char* messung;
    const char* massstab;
    double ziel;
};
constexpr Verhaeltnis kVerhaeltnisse[] = {
    {"press/default", "reference/default", 1.5},
    {"press/stress", "reference/stress", 1.5},
    {"press/winter", "press/default", 1.5},
    {"projekt/laden", "reference/default", 400},
    {"messreihe/import", "reference/default", 300},
    {"messreihe/zeichnen", "reference/default", 10},
    {"overlay/drag", "reference/default", 10},
    {"overlay/drag_messreihe", "reference/default", 10},
    {"overlay/drag_anlage", "reference/default", 10},
    {"wetterjahr/import", "reference/default", 30},
    {"wetterjahr/klassen", "reference/default", 3},
    {"anlage/jahr", "reference/default", 10},
};

// Passes every report on to the reporter Google Benchmark's own flags ask for
// (--benchmark_format and friends) and afterwards prints the time of each benchmark with an
// aim as a multiple of its yardstick's, from the same run, on stderr, so that JSON or CSV on
// stdout stays valid.
class Verhaeltnisse : public benchmark::BenchmarkReporter {
  public:
    Verhaeltnisse() : anzeige_(benchmark::CreateDefaultDisplayReporter()) {}

    bool ReportContext(const Context& context) override { return anzeige_->ReportContext(context); }
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& r : runs) {
            const std::string name = r.benchmark_name();
            if (r.run_type == Run::RT_Iteration || r.aggregate_name == "median") {
                zeiten_[name.substr(0, name.find("_median"))] = r.GetAdjustedRealTime();
            }
        }
        anzeige_->ReportRuns(runs);
    }
    void Finalize() override {
        anzeige_->Finalize();
        for (const Verhaeltnis& v : kVerhaeltnisse) {
            const auto m = zeiten_.find(v.messung);
            const auto r = zeiten_.find(v.massstab);
            if (m != zeiten_.end() && r != zeiten_.end()) {
                std::fprintf(stderr, "ratio %s : %s = %.2f (aim at most %g)\n", v.messung,
                             v.massstab, m->second / r->second, v.ziel);
            }
        }
    }

  private:
    benchmark::BenchmarkReporter* anzeige_;  // owned by the library
    std::map<std::string, double> zeiten_;
};

}  // namespace

BENCHMARK_CAPTURE(Druck, default, kStandard)->Name("press/default")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Druck, stress, kStress)->Name("press/stress")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Druck, winter, kStandard, kWinter)
    ->Name("press/winter")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Lauf, default, kStandard)->Name("run/default")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Lauf, stress, kStress)->Name("run/stress")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Referenz, default, kStandard)
    ->Name("reference/default")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Referenz, stress, kStress)
    ->Name("reference/stress")
    ->Unit(benchmark::kMillisecond);

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    Verhaeltnisse bericht;
    benchmark::RunSpecifiedBenchmarks(&bericht);
    benchmark::Shutdown();
    return 0;
}
