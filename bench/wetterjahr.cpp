// Speed of a weather year: reading a TRY year of 8,760 hourly lines, drawing its frequency
// map (classing the evaluated hours and painting the classes into the overlay's background, as
// the window does when the map is switched on), and running an air-handling unit through it.
#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>
#include <cmath>
#include <string>

#include "bench/hintergrund.h"
#include "bild/projektbild.h"
#include "bild/ueberlagerung.h"
#include "projekt/berechnung.h"
#include "ui/diagrammfenster.h"
#include "ui/leinwand.h"

namespace {

using namespace lumora;

// A year in the 2015 edition's columns: ϑ and x rise and fall over the year and the day.
const std::string& TryJahr() {
    static const std::string text = [] {
        std::string s =
            "Hoehenlage        : 186 Meter ueber NN\n\n"
            "     RW      HW MM DD HH     t    p  WR   WG N    x  RF    B    D   A    E IL\n***\n";
        constexpr int kTage[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
        char zeile[160];
        int stunde = 0;
        for (int m = 1; m <= 12; ++m) {
            for (int d = 1; d <= kTage[m - 1]; ++d) {
                for (int h = 1; h <= 24; ++h, ++stunde) {
                    const double jahr = std::cos(2 * M_PI * (stunde / 8760.0 - 0.55));
                    const double tag = std::cos(2 * M_PI * (h - 15) / 24.0);
                    const double t = 10 + 12 * jahr + 5 * tag;
                    const double x = std::max(1.0, 7 + 4 * jahr + std::sin(stunde * 0.7));
                    std::snprintf(zeile, sizeof zeile,
                                  "3731500 2677500 %2d %2d %2d %5.1f %4d %3d %4.1f %d %4.1f %3d "
                                  "%4d %4d %3d %4d %2d\n",
                                  m, d, h, t, 990 + stunde % 20, 258, 1.8, 6, x, 80, 0, 0, 223,
                                  -289, 2);
                    s += zeile;
                }
            }
        }
        return s;
    }();
    return text;
}

void Import(benchmark::State& state) {
    std::size_t stunden = 0;
    for (auto _ : state) {
        const auto im = MessreiheLesen(TryJahr(), "Bench", "try.dat");
        if (!im) state.SkipWithError(im.grund().c_str());
        stunden = im ? im->reihe.Punkte() : 0;
        benchmark::DoNotOptimize(stunden);
    }
    state.counters["hours"] = static_cast<double>(stunden);
}

void Klassen(benchmark::State& state) {
    const auto im = MessreiheLesen(TryJahr(), "Bench", "try.dat");
    auto gelesen = Projekt::Lesen(
        R"({"lumora": 1, "eingabe": ["40", "5", "1", "0.02", "0.002", "0.0005", "1013"],
            "theta_unten": -20, "zustaende": [], "prozesse": []})");
    if (!im || !gelesen) {
        state.SkipWithError("no weather year");
        return;
    }
    Projekt projekt = *gelesen;
    Json reihe = MessreiheZuJson(im->reihe);
    reihe["haeufigkeitskarte"] = true;
    projekt.einfuegen(Liste::Messreihen, 0, reihe);
    // The hours are evaluated once, as a project is computed; the map is classed and drawn.
    const Berechnung b = Berechnen(projekt);
    const auto& a = b.messreihen.at(0).auswertung;
    if (!a) {
        state.SkipWithError("not evaluated");
        return;
    }
    Diagrammfenster fenster;  // not shown: only its canvas size counts
    const QSize innen = fenster.leinwand().innenGroesse();
    std::size_t klassen = 0;
    for (auto _ : state) {
        const Haeufigkeit h = Klassieren(a->moeglich, Klassenbreite{});
        const QImage bild = HintergrundBild(UeberlagerungAus(projekt, b), innen);
        benchmark::DoNotOptimize(bild.constBits());
        klassen = h.klassen.size();
    }
    state.counters["classes"] = static_cast<double>(klassen);
    // The share of the canvas the map covers, so that a map drawn nowhere shows.
    const QImage bild = HintergrundBild(UeberlagerungAus(projekt, b), innen);
    std::size_t gemalt = 0;
    for (int y = 0; y < bild.height(); ++y) {
        for (int x = 0; x < bild.width(); ++x) gemalt += qAlpha(bild.pixel(x, y)) > 0;
    }
    state.counters["painted"] =
        static_cast<double>(gemalt) / (static_cast<double>(innen.width()) * innen.height());
}

// Every hour of the year through a unit with every component, as a project computes it.
void Jahresbetrieb(benchmark::State& state) {
    const auto im = MessreiheLesen(TryJahr(), "Bench", "try.dat");
    const auto druck = LuftdruckBei(1013.25);
    const auto anlage =
        AnlageAusJson(Json::parse(R"({"name": "RLT", "wetterjahr": "Bench", "massenstrom": 6000,
            "zuluft": {"theta": [18, 22], "x": [6, 9]}, "abluft": {"theta": 22, "phi": 40},
            "rueckwaermzahl": 0.7, "frostschutz": -5, "kuehler": {"bypass": 0.1},
            "befeuchter": {"art": "dampf"}})"),
                      *druck);
    if (!im || !anlage) {
        state.SkipWithError("no weather year or no unit");
        return;
    }
    std::size_t stunden = 0;
    for (auto _ : state) {
        const auto jahr = AnlagenjahrRechnen(*anlage, im->reihe, *druck);
        stunden = jahr ? jahr->stunden.size() : 0;
        benchmark::DoNotOptimize(stunden);
    }
    state.counters["hours"] = static_cast<double>(stunden);
    if (stunden != 8760) state.SkipWithError("not every hour computed");
}

}  // namespace

BENCHMARK(Jahresbetrieb)->Name("anlage/jahr")->Unit(benchmark::kMillisecond);
BENCHMARK(Import)->Name("wetterjahr/import")->Unit(benchmark::kMillisecond);
BENCHMARK(Klassen)->Name("wetterjahr/klassen")->Unit(benchmark::kMillisecond);
