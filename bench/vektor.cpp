// Writing the chart area as a vector file: time per file and the file's size, for the
// default and the stress chart, SVG and PDF.
#include <benchmark/benchmark.h>

#include <QFileInfo>
#include <QTemporaryDir>

#include "chart/diagrammlauf.h"
#include "chart/pruefung.h"
#include "ui/ausgabe.h"
#include "ui/diagrammfenster.h"
#include "ui/leinwand.h"

namespace {

using namespace lumora;

const Feldtexte kStandard{"200", "10", "1", "0.2", "0.02", "0.002", "1013"};
const Feldtexte kStress{"200", "10", "0.001", "0.2", "0.02", "0.00001", "1013"};

void Vektor(benchmark::State& state, const Feldtexte& texte, const char* endung) {
    Diagrammfenster fenster;
    fenster.show();
    Diagrammlauf lauf;
    lauf.zeichnen(EingabeLesen(texte), fenster.leinwand(), fenster.etiketten(), ",");
    QTemporaryDir ordner;
    const QString pfad = ordner.filePath(QString("chart.") + endung);
    for (auto _ : state) {
        const QString fehler = DiagrammSpeichern(fenster, pfad);
        if (!fehler.isEmpty()) state.SkipWithError(fehler.toStdString().c_str());
    }
    state.counters["KB"] = static_cast<double>(QFileInfo(pfad).size()) / 1024;
    state.counters["lines"] = static_cast<double>(fenster.leinwand().operationen().size());
}

}  // namespace

BENCHMARK_CAPTURE(Vektor, svg_default, kStandard, "svg")
    ->Name("svg/default")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Vektor, svg_stress, kStress, "svg")
    ->Name("svg/stress")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Vektor, pdf_default, kStandard, "pdf")
    ->Name("pdf/default")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Vektor, pdf_stress, kStress, "pdf")
    ->Name("pdf/stress")
    ->Unit(benchmark::kMillisecond);
