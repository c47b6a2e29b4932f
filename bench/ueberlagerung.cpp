// Speed of what lies over the chart: one frame of dragging a state while a thousand states and
// a chain of a thousand processes (and, in the second case, a series of 100,000 points) lie over
// the stress chart, and drawing such a series into the overlay's background image.
#include <benchmark/benchmark.h>

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <string>

#include "bench/hintergrund.h"
#include "bild/projektbild.h"
#include "projekt/berechnung.h"
#include "projekt/messreihe.h"
#include "ui/anwendung.h"
#include "ui/diagrammfenster.h"
#include "ui/leinwand.h"

namespace {

using namespace lumora;

constexpr int kZustaende = 1000;
constexpr int kProzesse = 1000;
constexpr int kMesspunkte = 100'000;

std::string EingabeText(const char* duenn, const char* xDuenn) {
    return std::string(R"(  "eingabe": ["200", "10", ")") + duenn + R"(", "0.2", "0.02", ")" +
           xDuenn + R"(", "1013"],)" + "\n";
}

// A logger's year: ϑ 0..60 °C, φ 10..95 %, spread over the lower left of the chart.
std::string MessreiheText() {
    std::string zeit, theta, phi;
    for (int i = 0; i < kMesspunkte; ++i) {
        const char* komma = i ? ", " : "";
        zeit += komma + std::string("\"T") + std::to_string(i) + "\"";
        theta += komma + std::to_string(i % 61) + "." + std::to_string(i % 10);
        phi += komma + std::to_string(10 + (i * 7) % 86);
    }
    return R"(    {"name": "Logger", "quelle": "logger.csv", "zeit": [)" + zeit +
           "], \"theta\": [" + theta + "], \"phi\": [" + phi + "]}\n";
}

// The example weather year of 8,760 hours as a series of the project, named "Jahr".
std::string WetterjahrText() {
    QFile datei(LUMORA_WETTER "/beispieljahr.dat");
    if (!datei.open(QIODevice::ReadOnly)) return {};
    const QByteArray bytes = datei.readAll();
    const auto gelesen =
        MessreiheLesen(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())),
                       "Jahr", "beispieljahr.dat");
    return gelesen ? "    " + Kompakt(MessreiheZuJson(gelesen->reihe)) + "\n" : std::string();
}

// An air-handling unit with every component on that year, all of it in operation.
constexpr const char* kAnlage =
    R"({"name": "RLT 1", "wetterjahr": "Jahr", "massenstrom": 6000,)"
    R"( "zuluft": {"theta": [18, 22], "x": [6, 9]}, "abluft": {"theta": 22, "phi": 40},)"
    R"( "rueckwaermzahl": 0.7, "frostschutz": -5, "kuehler": {"bypass": 0.1},)"
    R"( "befeuchter": {"art": "dampf", "dampf": 100}})";

// States Z0 … Z999 all over the canvas, Z0 at 20 °C and 8 g/kg; processes P0 … P999 in one
// chain from Z0, heating, cooling with dehumidification and steam in turn, so that moving Z0
// moves every process.
// With a unit, its weather year is shown as the project's series, and the unit over it.
std::string Projekttext(const std::string& eingabe, bool mitMessreihe, bool mitAnlage = false) {
    std::string text = "{\n  \"lumora\": 1,\n" + eingabe + "  \"zustaende\": [\n";
    for (int i = 0; i < kZustaende; ++i) {
        const std::string werte = i == 0 ? R"("theta": 20, "x": 8)"
                                         : R"("theta": )" + std::to_string(30 + i % 150) +
                                               R"(, "x": )" + std::to_string(1 + (i * 37) % 20);
        text += R"(    {"name": "Z)" + std::to_string(i) + R"(", )" + werte + "}" +
                (i + 1 < kZustaende ? ",\n" : "\n");
    }
    text += "  ],\n  \"prozesse\": [\n";
    for (int i = 0; i < kProzesse; ++i) {
        const std::string von = i == 0 ? "Z0" : "P" + std::to_string(i - 1);
        const std::string k = std::to_string(i / 3 % 10);
        std::string art;
        switch (i % 3) {
            case 0:
                art = R"("art": "heizen", "theta": 7)" + k;
                break;
            case 1:
                art = R"("art": "kuehlen", "oberflaeche": 1)" + k + R"(, "bypass": 0.3)";
                break;
            default:
                art = R"("art": "befeuchten_dampf", "dampf": 100, "dx": 3)";
                break;
        }
        text += "    {" + art + R"(, "von": ")" + von + R"(", "nach": "P)" + std::to_string(i) +
                R"(", "massenstrom": 1000})" + (i + 1 < kProzesse ? ",\n" : "\n");
    }
    text += "  ]";
    if (mitMessreihe) text += ",\n  \"messreihen\": [\n" + MessreiheText() + "  ]";
    if (mitAnlage) {
        text += ",\n  \"messreihen\": [\n" + WetterjahrText() + "  ],\n  \"anlage\": " + kAnlage;
    }
    return text + "\n}\n";
}

// One frame of a drag as the program makes it: the mouse move reaches Anwendung, which
// replaces the state as one merged undo step; the session computes states and processes anew
// (the series are kept) and hands the chart window a new overlay that keeps its background
// image. Then the canvas is painted as the screen would: its image copied and the overlay
// painted over it. The canvas's own image must not be drawn again.
void Ziehen(benchmark::State& state, bool mitMessreihe, bool mitAnlage = false) {
    QTemporaryDir ordner;
    const QString pfad = ordner.filePath("ziehen.lumora");
    QFile datei(pfad);
    const std::string text = Projekttext(EingabeText("0.001", "0.00001"), mitMessreihe, mitAnlage);
    if (!datei.open(QIODevice::WriteOnly) ||
        datei.write(text.data(), static_cast<qint64>(text.size())) !=
            static_cast<qint64>(text.size())) {
        state.SkipWithError("cannot write the project");
        return;
    }
    datei.close();

    Anwendung anwendung;
    const QString fehler = anwendung.sitzung().oeffnen(pfad);
    Diagrammfenster* fenster = anwendung.dialog().diagrammfenster();
    if (!fehler.isEmpty() || !fenster || !anwendung.sitzung().stand().zustaende[0].punkt) {
        state.SkipWithError("the project does not open onto a chart");
        return;
    }
    Leinwand& leinwand = fenster->leinwand();
    QImage bild(leinwand.size(), QImage::Format_ARGB32_Premultiplied);
    leinwand.render(&bild);  // the first frame lays out the background image
    const qint64 leinwandbild = leinwand.bild().cacheKey();
    const std::size_t operationen = leinwand.operationen().size();

    const Diagrammpunkt z0 = *anwendung.sitzung().stand().zustaende[0].punkt;
    int schritt = 0;
    for (auto _ : state) {
        const double d = ++schritt % 2 ? 60 : -60;  // canvas units, about 1.5 K
        anwendung.zustandZiehen(0, z0.X + d, z0.Y - d);
        leinwand.render(&bild);
        if (leinwand.bild().cacheKey() != leinwandbild ||
            leinwand.operationen().size() != operationen) {
            state.SkipWithError("the drag drew the canvas anew");
            break;
        }
    }
    benchmark::DoNotOptimize(bild.constBits());

    const Berechnung& b = anwendung.sitzung().stand();
    std::size_t prozesse = 0;
    for (const BerechneterProzess& p : b.prozesse) prozesse += p.ende.has_value();
    if (prozesse != kProzesse) state.SkipWithError("the chain of processes broke");
    state.counters["markers"] = static_cast<double>(fenster->ueberlagerung().marken.size());
    state.counters["processes"] = static_cast<double>(prozesse);
    std::size_t punkte = 0;
    for (const auto& r : fenster->ueberlagerung().reihen) punkte += r.punkte->size();
    state.counters["points"] = static_cast<double>(punkte);
    if (mitAnlage) {
        const auto& anlage = fenster->ueberlagerung().anlage;
        std::size_t stunden = 0;
        if (anlage && anlage->punkte) {
            for (const auto& art : *anlage->punkte) stunden += art.size();
        }
        if (stunden == 0) state.SkipWithError("the unit's hours are not on the chart");
        state.counters["unit_hours"] = static_cast<double>(stunden);
    }
}

// The background layer of 100,000 points over the default chart, as the overlay draws it when
// a series is shown: into a clear image of the canvas interior.
void Zeichnen(benchmark::State& state) {
    const auto projekt = Projekt::Lesen(Projekttext(EingabeText("1", "0.002"), true));
    if (!projekt) {
        state.SkipWithError(projekt.grund().c_str());
        return;
    }
    const Berechnung b = Berechnen(*projekt);
    const Ueberlagerung u = UeberlagerungAus(*projekt, b);
    Diagrammfenster fenster;  // not shown: only its canvas size counts
    const QSize innen = fenster.leinwand().innenGroesse();
    for (auto _ : state) {
        const QImage bild = HintergrundBild(u, innen);
        benchmark::DoNotOptimize(bild.constBits());
    }
    state.counters["points"] =
        static_cast<double>(u.reihen.empty() ? 0 : u.reihen[0].punkte->size());
}

}  // namespace

BENCHMARK_CAPTURE(Ziehen, drag, false)->Name("overlay/drag")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Ziehen, drag_messreihe, true)
    ->Name("overlay/drag_messreihe")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Ziehen, drag_anlage, false, true)
    ->Name("overlay/drag_anlage")
    ->Unit(benchmark::kMillisecond);
BENCHMARK(Zeichnen)->Name("messreihe/zeichnen")->Unit(benchmark::kMillisecond);
