// Drives the real program on a real X server as a user would: xdotool moves the mouse,
// clicks and types, and every check reads the screen. Nothing calls into the program.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <chrono>
#include <cstdlib>
#include <functional>
#include <map>
#include <nlohmann/json.hpp>
#include <thread>

#include "bild/ueberlagerung.h"
#include "core/einheiten.h"
#include "core/feuchte_luft.h"
#include "core/koordinaten.h"
#include "core/prozess.h"
#include "core/version.h"
#include "datei/sprache.h"
#include "tests/e2e/x_sitzung.h"

namespace lumora::test {
namespace {

const std::string kDialog = "Lumora - Anfangsdialog";
const std::string kDiagramm =
    std::string("Lumora  ") + kVersionsText + "   " + Stand() + "  -  h,x-Diagramm";
const std::string kMeldung = "Lumora - Eingabe";

// Places in device-independent pixels at 96 dpi, from the layouts in form units / 15.
constexpr QPoint kKnopf(301, 323);  // centre of "Berechne Diagramm !"
constexpr QPoint kThetamax(191, 199);
constexpr QPoint kDeltaThetagross(191, 225);
constexpr QPoint kDeltaXgross(411, 224);
constexpr QPoint kInnen(51, 25);  // canvas interior in the chart window
constexpr QSize kInnenGroesse(917, 675);

const std::string kProjekttitel = "Lumora - Zustände und Prozesse - ";
const QColor kOrange(255, 140, 0);  // states and processes over the chart

bool IstRot(QColor c) { return c.red() > 150 && c.green() < 110 && c.blue() < 110; }
bool IstGruen(QColor c) { return c.green() > 90 && c.red() < 110 && c.blue() < 110; }
bool IstDunkel(QColor c) { return c.red() < 90 && c.green() < 90 && c.blue() < 90; }
// Orange, also where antialiasing mixes it with a light background.
bool IstOrange(QColor c) {
    return c.red() > 200 && c.green() > 100 && c.green() < 190 && c.blue() < 110;
}

int Zaehlen(const QImage& bild, const QRect& kasten, const std::function<bool(QColor)>& farbe) {
    int n = 0;
    for (int y = kasten.top(); y <= kasten.bottom(); ++y) {
        for (int x = kasten.left(); x <= kasten.right(); ++x) n += farbe(bild.pixelColor(x, y));
    }
    return n;
}

void Warten(int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

class EndeZuEnde : public testing::Test {
  protected:
    void SetUp() override {
        if (!std::getenv("DISPLAY"))
            GTEST_SKIP() << "needs an X server (scripts/test.sh starts Xvfb)";
    }

    // Starts the program and waits for its dialog.
    void starten(const std::vector<std::string>& umgebung = {}) {
        programm_ = std::make_unique<Programm>(LUMORA_PROGRAMM, umgebung);
        ASSERT_TRUE(FensterSuchen(kDialog, dialog)) << "no dialog";
    }

    QPoint imDialog(QPoint p) const { return dialog.flaeche.topLeft() + p * skala; }
    QPoint imDiagramm(QPoint p) const { return diagramm.flaeche.topLeft() + p * skala; }

    // A click on the dialog, brought to the front first as a user would.
    void dialogKlick(QPoint p) {
        Shell("xdotool windowraise " + dialog.id);
        Warten(100);
        const QPoint q = imDialog(p);
        Klicken(q.x(), q.y());
    }

    void eintragen(QPoint feld, const std::string& text) {
        dialogKlick(feld);
        Taste("ctrl+a");
        Tippen(text);
    }

    void berechnen() {
        dialogKlick(kKnopf);
        ASSERT_TRUE(FensterSuchen(kDiagramm, diagramm)) << "no chart window";
        Shell("xdotool windowraise " + diagramm.id);
        Warten(300);
    }

    // Screen pixel of a canvas point in canvas units.
    QPoint leinwand(double X, double Y) const {
        const QSize innen = kInnenGroesse * skala;
        const int px = static_cast<int>(std::floor(X * (innen.width() - 1) / 12000 + 0.5));
        const int py = static_cast<int>(std::floor(Y * (innen.height() - 1) / 8000 + 0.5));
        return imDiagramm(kInnen) + QPoint(px, py);
    }

    QRect kanvas() const { return QRect(imDiagramm(kInnen), kInnenGroesse * skala); }

    // Screen pixel under which the overlay centres a shape at a canvas point: the painter
    // maps X onto 0..w-1 of the interior, and pixel i covers [i, i+1).
    QPoint ueberlagert(QPointF canvas) const {
        const QSize innen = kInnenGroesse * skala;
        const QPointF px(canvas.x() * (innen.width() - 1) / 12000,
                         canvas.y() * (innen.height() - 1) / 8000);
        return imDiagramm(kInnen) +
               QPoint(static_cast<int>(std::floor(px.x())), static_cast<int>(std::floor(px.y())));
    }

    int skala = 1;
    Fenster dialog, diagramm;
    std::unique_ptr<Programm> programm_;
};

TEST_F(EndeZuEnde, DefaultChartAsTheUserSeesIt) {
    starten();
    EXPECT_EQ(dialog.flaeche.size(), QSize(572, 353));
    berechnen();
    EXPECT_EQ(diagramm.flaeche.size(), QSize(1016, 734));
    const QImage bild = Bildschirm();

    // The grid line x = 0.1 is green over most of its height.
    const QPoint oben = leinwand(6000, 0);
    EXPECT_GT(Zaehlen(bild, QRect(oben.x(), oben.y(), 1, 675), IstGruen), 675 * 6 / 10);
    // The 100 °C isotherm, a quarter of the way along, and the saturation line at 30 °C
    // (x = 0.027317, h = 99.98 kJ/kg).
    auto nahe = [&](QPoint p, QColor farbe) {
        return Zaehlen(bild, QRect(p - QPoint(1, 1), QSize(3, 3)),
                       [&](QColor c) { return c == farbe; }) > 0;
    };
    EXPECT_TRUE(nahe(leinwand(3000, 4000 + (2492.3 - 4000) * 0.25), QColor(220, 0, 0)));
    EXPECT_TRUE(nahe(leinwand(1639.0, 6732.8), QColor(0, 0, 180)));
    // " 0°C" in red in its box beside the bottom-left corner; the caption in black.
    EXPECT_GT(Zaehlen(bild, QRect(imDiagramm({12, 692}), QSize(35, 15)), IstRot), 10);
    EXPECT_GT(Zaehlen(bild, QRect(imDiagramm({54, 4}), QSize(207, 17)), IstDunkel), 100);
    // The emblem in the bottom-right corner of the canvas stays above the drawing.
    EXPECT_FALSE(nahe(imDiagramm({51 + 873 + 17, 25 + 641 + 13}), QColor(0, 180, 0)));
}

TEST_F(EndeZuEnde, SecondPressRedrawsAndLeavesNoOldLabel) {
    starten();
    berechnen();
    const QImage vorher = Bildschirm().copy(kanvas());
    eintragen(kThetamax, "100");
    eintragen(kDeltaXgross, "0,04");
    berechnen();
    const QImage bild = Bildschirm();
    EXPECT_NE(bild.copy(kanvas()), vorher);
    // The new labels stand at every second old place, 0.04 kg/kg apart; the old labels
    // between them are gone.
    for (int n = 0; n <= 10; ++n) {
        const int links = static_cast<int>(std::lround((150 + 1200 * n) * 1.1465904 / 15));
        const QRect kasten(imDiagramm({4 + links, 706}), QSize(69, 20));
        EXPECT_EQ(Zaehlen(bild, kasten, IstGruen) > 5, n % 2 == 0) << n;
    }
    // Temperature labels now stand every second old place: the odd ones are gone.
    for (int n = 1; n < 20; n += 2) {
        const int oben = static_cast<int>(std::lround((8066 - 7900 * n / 20.0) * 1.2794118 / 15));
        EXPECT_EQ(Zaehlen(bild, QRect(imDiagramm({12, 4 + oben}), QSize(35, 15)), IstRot), 0) << n;
    }
}

TEST_F(EndeZuEnde, RefusedPressShowsAMessageAndKeepsTheChart) {
    starten();
    berechnen();
    const QImage vorher = Bildschirm().copy(kanvas());
    eintragen(kDeltaThetagross, "0");
    dialogKlick(kKnopf);
    Fenster meldung;
    ASSERT_TRUE(FensterSuchen(kMeldung, meldung, 5));
    const QPoint mitte = meldung.flaeche.center();
    Shell("xdotool mousemove " + std::to_string(mitte.x()) + " " + std::to_string(mitte.y()) +
          " sleep 0.05");
    Taste("Return");
    Warten(300);
    EXPECT_FALSE(FensterSichtbar(kMeldung));
    Shell("xdotool windowraise " + diagramm.id);
    Warten(300);
    EXPECT_EQ(Bildschirm().copy(kanvas()), vorher);
    EXPECT_TRUE(programm_->laeuft());
}

TEST_F(EndeZuEnde, ClosedChartWindowComesBackOnTheNextPress) {
    starten();
    berechnen();
    Schliessen(diagramm);
    EXPECT_FALSE(FensterSichtbar(kDiagramm));
    EXPECT_TRUE(programm_->laeuft());
    berechnen();
    const QPoint oben = leinwand(6000, 0);
    EXPECT_GT(Zaehlen(Bildschirm(), QRect(oben.x(), oben.y(), 1, 675), IstGruen), 400);
}

TEST_F(EndeZuEnde, CoveredChartIsStillThereWhenUncovered) {
    starten();
    berechnen();
    const QImage vorher = Bildschirm().copy(kanvas());
    // Cover the canvas with the dialog, then bring the chart to the front again.
    Shell("xdotool windowmove " + dialog.id + " " + std::to_string(kanvas().x() + 100) + " " +
          std::to_string(kanvas().y() + 100));
    Shell("xdotool windowraise " + dialog.id);
    Warten(300);
    EXPECT_NE(Bildschirm().copy(kanvas()), vorher);
    Shell("xdotool windowraise " + diagramm.id);
    Warten(400);
    EXPECT_EQ(Bildschirm().copy(kanvas()), vorher);
}

TEST_F(EndeZuEnde, DoubleScaleKeepsLayoutAndSharpLines) {
    skala = 2;
    starten({"QT_SCALE_FACTOR=2"});
    EXPECT_EQ(dialog.flaeche.size(), QSize(1144, 706));
    berechnen();
    EXPECT_EQ(diagramm.flaeche.size(), QSize(2032, 1468));
    const QImage bild = Bildschirm();
    // The thick grid line x = 0.1 is four device pixels of exact green, with no blur.
    const QPoint mitte = leinwand(6000, 0);
    int scharf = 0;
    for (int y = mitte.y() + 10; y < mitte.y() + 1300; y += 37) {
        int gruen = 0;
        for (int dx = -3; dx <= 3; ++dx)
            gruen += bild.pixelColor(mitte.x() + dx, y) == QColor(0, 180, 0);
        scharf += gruen == 4;
    }
    EXPECT_GT(scharf, 20);
    // " 0°C" still stands beside the bottom-left corner.
    EXPECT_GT(Zaehlen(bild, QRect(imDiagramm({12, 692}), QSize(35, 15) * 2), IstRot), 40);
}

// The chart window made half as large again by its border: the chart fills it in its
// proportions, every line and label scaled with it, and back at its first size the picture is
// what it was, pixel for pixel.
TEST_F(EndeZuEnde, ResizedWindowFillsWithTheChart) {
    starten();
    berechnen();
    Zeigen(diagramm.flaeche.bottomRight() + QPoint(40, 40));  // no read-out over the canvas
    const QImage vorher = Bildschirm().copy(diagramm.flaeche);
    Shell("xdotool windowsize --sync " + diagramm.id + " 1524 1101");
    Warten(500);
    ASSERT_TRUE(FensterSuchen(kDiagramm, diagramm));
    ASSERT_EQ(diagramm.flaeche.size(), QSize(1524, 1101));
    const QImage bild = Bildschirm();
    // At 1.5 times the layout every point of the window stands 1.5 times as far from its
    // corner: the grid line x = 0.1 (window x 509 at the layout) runs down at 763.5, three
    // pixels wide, over most of the canvas's height.
    const auto imFenster = [&](QPointF p) {
        return diagramm.flaeche.topLeft() + (p * 1.5).toPoint();
    };
    const QPoint oben = imFenster({509, 25});
    int gruen = 0;
    for (int dx = -2; dx <= 2; ++dx)
        gruen += Zaehlen(bild, QRect(oben.x() + dx, oben.y(), 1, 1012), IstGruen);
    EXPECT_GT(gruen, 3 * 1012 * 6 / 10);
    // " 0°C" in red in its box, scaled; the caption in black, scaled.
    EXPECT_GT(Zaehlen(bild, QRect(imFenster({12, 692}), QSize(53, 23)), IstRot), 20);
    EXPECT_GT(Zaehlen(bild, QRect(imFenster({54, 4}), QSize(310, 25)), IstDunkel), 200);
    // Back to the layout's size.
    Shell("xdotool windowsize --sync " + diagramm.id + " 1016 734");
    Warten(500);
    ASSERT_TRUE(FensterSuchen(kDiagramm, diagramm));
    ASSERT_EQ(diagramm.flaeche.size(), QSize(1016, 734));
    EXPECT_EQ(Bildschirm().copy(diagramm.flaeche), vorher);
}

// The wheel zooms around the pointer: the line under it stays there and the next one moves
// away by the zoom; Ctrl+0 brings back the whole chart as it was.
TEST_F(EndeZuEnde, WheelZoomsAroundThePointerAndCtrlZeroShowsAll) {
    starten();
    berechnen();
    Zeigen(diagramm.flaeche.bottomRight() + QPoint(40, 40));
    const QImage vorher = Bildschirm().copy(diagramm.flaeche);
    const QPoint zeiger = leinwand(6000, 4000);  // on the grid line x = 0.1
    Shell("xdotool mousemove " + std::to_string(zeiger.x()) + " " + std::to_string(zeiger.y()) +
          " sleep 0.1 click 4 sleep 0.1 click 4");
    Warten(500);
    const QImage bild = Bildschirm();
    // Two notches: 1.5625 times. x = 0.12 was 91.6 pixels right of x = 0.1; now 143.1.
    const auto gruenBei = [&](int x) {
        int n = 0;
        for (int dx = -2; dx <= 2; ++dx)
            n += Zaehlen(bild, QRect(x + dx, zeiger.y() - 150, 1, 120), IstGruen);
        return n;
    };
    EXPECT_GE(gruenBei(zeiger.x()), 2 * 120 * 8 / 10);
    EXPECT_GE(gruenBei(zeiger.x() + 143), 2 * 120 * 8 / 10);
    EXPECT_LT(gruenBei(zeiger.x() + 92), 120);
    // Ctrl+0 in the chart window: the whole chart at its layout.
    Klicken(diagramm.flaeche.x() + 2, diagramm.flaeche.y() + 2);
    Taste("ctrl+0");
    Zeigen(diagramm.flaeche.bottomRight() + QPoint(40, 40));
    Warten(300);
    EXPECT_EQ(Bildschirm().copy(diagramm.flaeche), vorher);
}

// The states of a project as lumora-export computes them: name and canvas point; and its
// processes as the lines between them.
struct Rechnung {
    std::map<std::string, QPointF> orte;
    struct Linie {
        std::string von, nach;
        Prozessart art;
    };
    std::vector<Linie> linien;
};

Rechnung Rechnen(const std::string& datei) {
    const auto j = nlohmann::ordered_json::parse(
        Shell(std::string(LUMORA_EXPORT) + " '" + datei + "' --json"), nullptr, false);
    Rechnung r;
    if (j.is_discarded()) return r;
    for (const auto& z : j["zustaende"]) {
        r.orte[z["name"].get<std::string>()] = {z["X"].get<double>(), z["Y"].get<double>()};
    }
    for (const auto& p : j["prozesse"]) {
        const auto& von = p["von"];
        const auto art = ProzessartZu(p["art"].get<std::string>());
        if (!art) continue;
        // Mixing draws the line between its two streams, every other process start to end.
        if (von.is_array()) {
            r.linien.push_back({von[0].get<std::string>(), von[1].get<std::string>(), *art});
        } else {
            r.linien.push_back({von.get<std::string>(), p["nach"].get<std::string>(), *art});
        }
    }
    return r;
}

// Opens projects as `lumora DATEI`, in a home of its own: no recovery file, settings or
// recent files of the user are read or left behind.
class Projekte : public EndeZuEnde {
  protected:
    void SetUp() override {
        EndeZuEnde::SetUp();
        if (IsSkipped()) return;
        ASSERT_TRUE(heim_.isValid());
        umgebung_ = {"XDG_DATA_HOME=" + pfad("daten"), "XDG_CONFIG_HOME=" + pfad("konfig")};
    }
    void TearDown() override { programm_.reset(); }  // ended before its home goes

    std::string pfad(const char* name) const { return heim_.filePath(name).toStdString(); }
    std::string sicherung() const {
        return pfad("daten") + "/Lumora/lumora/wiederherstellung.lumora";
    }

    // A copy of an example, so that saving never touches the repository.
    std::string beispiel(const char* name) {
        const QString ziel = heim_.filePath(QString(name) + ".lumora");
        QFile::copy(QString(LUMORA_BEISPIELE) + "/" + name + ".lumora", ziel);
        return ziel.toStdString();
    }

    void oeffnen(const std::string& datei) {
        programm_ =
            std::make_unique<Programm>(LUMORA_PROGRAMM, umgebung_, std::vector<std::string>{datei});
        ASSERT_TRUE(FensterSuchen(kDiagramm, diagramm)) << "no chart window";
        vorn();
    }

    // The chart window in front, with the pointer off the canvas so that no read-out box
    // covers it.
    void vorn() {
        Shell("xdotool windowraise " + diagramm.id);
        Zeigen(diagramm.flaeche.bottomRight() + QPoint(20, 20));
        Warten(300);
    }

    // Whether a state's marker stands at that screen pixel: the filled circle of 8 px is
    // solid orange three pixels across around its centre.
    static bool Marke(const QImage& bild, QPoint p) {
        return Zaehlen(bild, QRect(p - QPoint(1, 1), QSize(3, 3)),
                       [](QColor c) { return c == kOrange; }) == 9;
    }

    QTemporaryDir heim_;
    std::vector<std::string> umgebung_;
};

TEST_F(Projekte, StatesAndProcessesStandWhereTheyBelong) {
    const std::string datei = beispiel("sommerfall");
    const Rechnung r = Rechnen(datei);
    ASSERT_EQ(r.orte.size(), 5u);
    ASSERT_EQ(r.linien.size(), 3u);
    oeffnen(datei);
    const QImage bild = Bildschirm();
    for (const auto& [name, ort] : r.orte) EXPECT_TRUE(Marke(bild, ueberlagert(ort))) << name;
    // Each process line has the colour of its kind between its markers: seven places along
    // it, each with a pixel of that colour within one pixel.
    for (const auto& l : r.linien) {
        const QPointF a = r.orte.at(l.von);
        const QPointF b = r.orte.at(l.nach);
        const QColor soll = Linienfarbe(l.art);
        const auto inFarbe = [&](QColor c) {
            return std::max({std::abs(c.red() - soll.red()), std::abs(c.green() - soll.green()),
                             std::abs(c.blue() - soll.blue())}) < 40;
        };
        int getroffen = 0;
        for (int i = 2; i <= 8; ++i) {
            const QPoint p = ueberlagert(a + (b - a) * i / 10.0);
            getroffen += Zaehlen(bild, QRect(p - QPoint(1, 1), QSize(3, 3)), inFarbe) > 0;
        }
        EXPECT_GE(getroffen, 6) << l.von << " - " << l.nach;
    }
    // Away from every state and process, nothing orange: the overlay is where the
    // states are and nowhere else.
    EXPECT_EQ(Zaehlen(bild, QRect(ueberlagert({300, 300}), QSize(200, 150)), IstOrange), 0);
    // The picture of the chart window, for the AppStream data (scripts/screenshot.sh).
    if (const char* foto = std::getenv("LUMORA_BILDSCHIRMFOTO")) {
        EXPECT_TRUE(bild.copy(diagramm.flaeche).save(foto));
    }
}

TEST_F(Projekte, DraggedMarkerMovesAndUndoBringsItBack) {
    const std::string datei = beispiel("sommerfall");
    const Rechnung r = Rechnen(datei);
    ASSERT_EQ(r.orte.count("ABL"), 1u);
    oeffnen(datei);
    const QImage vorher = Bildschirm().copy(kanvas());
    const QPoint alt = ueberlagert(r.orte.at("ABL"));
    const QPoint neu = alt + QPoint(-40, 40);
    Ziehen(alt, neu);
    vorn();
    QImage bild = Bildschirm();
    EXPECT_TRUE(Marke(bild, neu));
    EXPECT_FALSE(Marke(bild, alt));
    Fenster projekt;
    EXPECT_TRUE(FensterSuchen(kProjekttitel + "sommerfall.lumora*", projekt, 5));
    // Ctrl+Z in the chart window: a click on its margin makes it the active window.
    Klicken(diagramm.flaeche.x() + 2, diagramm.flaeche.y() + 2);
    Taste("ctrl+z");
    vorn();
    EXPECT_EQ(Bildschirm().copy(kanvas()), vorher);
    EXPECT_TRUE(FensterSuchen(kProjekttitel + "sommerfall.lumora", projekt, 5));
}

// Zoomed in around a state, its marker dragged: the state goes where the pointer let it go,
// as the whole chart shows afterwards.
TEST_F(Projekte, MarkerDraggedAtZoomLandsUnderThePointer) {
    const std::string datei = beispiel("sommerfall");
    const Rechnung r = Rechnen(datei);
    ASSERT_EQ(r.orte.count("ABL"), 1u);
    oeffnen(datei);
    const QPoint alt = ueberlagert(r.orte.at("ABL"));
    // Two notches of the wheel with the pointer on the marker: it stays under the pointer.
    Shell("xdotool mousemove " + std::to_string(alt.x()) + " " + std::to_string(alt.y()) +
          " sleep 0.1 click 4 sleep 0.1 click 4");
    Warten(500);
    vorn();
    const auto markeNahe = [](const QImage& bild, QPoint p) {
        for (int dy = -2; dy <= 2; ++dy) {
            for (int dx = -2; dx <= 2; ++dx) {
                if (Marke(bild, p + QPoint(dx, dy))) return true;
            }
        }
        return false;
    };
    EXPECT_TRUE(markeNahe(Bildschirm(), alt));
    const QPoint neu = alt + QPoint(-50, 50);
    Ziehen(alt, neu);
    vorn();
    EXPECT_TRUE(markeNahe(Bildschirm(), neu));
    // The whole chart again: the marker moved by the pointer's way divided by the zoom.
    Klicken(diagramm.flaeche.x() + 2, diagramm.flaeche.y() + 2);
    Taste("ctrl+0");
    vorn();
    const QImage bild = Bildschirm();
    EXPECT_TRUE(markeNahe(bild, alt + QPoint(-32, 32)));
    EXPECT_FALSE(markeNahe(bild, alt));
}

// The winter example as a new user opens it, then "Untere Grenze …" from the chart's
// context menu: the limit -10 °C leaves the outdoor air at -12 °C below the chart, and
// Ctrl+Z brings back the chart to -20 °C pixel for pixel.
TEST_F(Projekte, WinterExampleAndLowerLimitFromTheMenuWithUndo) {
    const std::string datei = beispiel("winterfall");
    const Rechnung r = Rechnen(datei);
    ASSERT_EQ(r.orte.count("AUL"), 1u);
    oeffnen(datei);
    const QImage vorher = Bildschirm().copy(kanvas());
    const QPoint aul = ueberlagert(r.orte.at("AUL"));
    for (const auto& [name, ort] : r.orte) {
        EXPECT_TRUE(Marke(Bildschirm(), ueberlagert(ort))) << name;
    }

    const QPoint mitte = kanvas().center();
    Shell("xdotool mousemove " + std::to_string(mitte.x()) + " " + std::to_string(mitte.y()) +
          " sleep 0.05 click 3");
    Warten(300);
    // Exportieren, Drucken, Kopieren, Eingaben ändern, Untere Grenze.
    for (int i = 0; i < 5; ++i) Taste("Down");
    Taste("Return");
    Fenster grenze;
    ASSERT_TRUE(FensterSuchen("Lumora - Untere Grenze", grenze, 5));
    // Without a window manager the new dialog gets the keyboard only when given it.
    Shell("xdotool windowfocus --sync " + grenze.id);
    Taste("ctrl+a");
    Taste("minus");  // xdotool would take a text "-10" for an option
    Tippen("10");
    Taste("Return");
    ASSERT_TRUE(WartenBis([] { return !FensterSichtbar("Lumora - Untere Grenze"); }, 5));
    vorn();
    const QImage bild = Bildschirm();
    EXPECT_NE(bild.copy(kanvas()), vorher);
    EXPECT_FALSE(Marke(bild, aul));
    Fenster projekt;
    EXPECT_TRUE(FensterSuchen(kProjekttitel + "winterfall.lumora*", projekt, 5));

    Klicken(diagramm.flaeche.x() + 2, diagramm.flaeche.y() + 2);
    Taste("ctrl+z");
    vorn();
    EXPECT_EQ(Bildschirm().copy(kanvas()), vorher);
    EXPECT_TRUE(FensterSuchen(kProjekttitel + "winterfall.lumora", projekt, 5));
}

// The summer chain built in the wrong order: cooler and heater are there, and the mixing
// that feeds them is added last through the form, typed as a user types. It moves before
// them, the chain computes, and the saved file is the example's chain in its order.
TEST_F(Projekte, SummerChainBuiltInTheWrongOrderComputes) {
    QFile vorlage(QString(LUMORA_BEISPIELE) + "/sommerfall.lumora");
    ASSERT_TRUE(vorlage.open(QIODevice::ReadOnly));
    // The example without its note, as Lumora writes it; and without its first process.
    std::string richtig = vorlage.readAll().toStdString();
    richtig = richtig.substr(0, richtig.find(",\n  \"notiz\"")) + "\n}\n";
    std::string falsch = richtig;
    const std::size_t mischung = falsch.find("    {\"art\": \"mischen\"");
    ASSERT_NE(mischung, std::string::npos);
    falsch.erase(mischung, falsch.find('\n', mischung) + 1 - mischung);
    const auto Schreiben = [this](const std::string& text, const char* name) {
        const QString pfad = heim_.filePath(name);
        QFile f(pfad);
        f.open(QIODevice::WriteOnly);
        f.write(QByteArray::fromStdString(text));
        return pfad.toStdString();
    };
    const std::string erwartet = Schreiben(richtig, "richtig.lumora");
    const std::string datei = Schreiben(falsch, "kette.lumora");
    oeffnen(datei);
    Fenster projekt;
    ASSERT_TRUE(FensterSuchen(kProjekttitel + "kette.lumora", projekt, 5));
    Shell("xdotool windowfocus --sync " + projekt.id);
    Taste("ctrl+r");
    Fenster form;
    ASSERT_TRUE(FensterSuchen("Prozess hinzufügen", form, 5));
    Shell("xdotool windowfocus --sync " + form.id);
    // Art, von, zweiter Zustand, the two mass flows, the share left empty, the name.
    Tippen("Mi");
    Taste("Tab");
    Tippen("AUL");
    Taste("Tab");
    Tippen("ABL");
    Taste("Tab");
    Tippen("2000");
    Taste("Tab");
    Tippen("6000");
    Taste("Tab");
    Taste("Tab");
    Tippen("MIL");
    Taste("Return");
    ASSERT_TRUE(WartenBis([] { return !FensterSichtbar("Prozess hinzufügen"); }, 5));
    ASSERT_TRUE(FensterSuchen(kProjekttitel + "kette.lumora*", projekt, 5));
    Klicken(projekt.flaeche.x() + 2, projekt.flaeche.bottom() - 2);
    Taste("ctrl+s");
    ASSERT_TRUE(FensterSuchen(kProjekttitel + "kette.lumora", projekt, 5));
    QFile gespeichert(QString::fromStdString(datei));
    QFile soll(QString::fromStdString(erwartet));
    ASSERT_TRUE(gespeichert.open(QIODevice::ReadOnly) && soll.open(QIODevice::ReadOnly));
    EXPECT_EQ(gespeichert.readAll().toStdString(), soll.readAll().toStdString());
    // Every state of the chain stands on the chart.
    const Rechnung r = Rechnen(erwartet);
    ASSERT_EQ(r.orte.size(), 5u);
    vorn();
    const QImage bild = Bildschirm();
    for (const auto& [name, ort] : r.orte) EXPECT_TRUE(Marke(bild, ueberlagert(ort))) << name;
}

// A student opens the example exercise, types the first answer where the focus stands, saves,
// and lumora-export grades the saved hand-in against the solution.
TEST_F(Projekte, AnswerTypedIntoTheExerciseIsSavedAndGraded) {
    const std::string datei = beispiel("uebung-sommerfall");
    oeffnen(datei);
    Fenster projekt;
    ASSERT_TRUE(FensterSuchen(kProjekttitel + "uebung-sommerfall.lumora", projekt, 5));
    Shell("xdotool windowfocus --sync " + projekt.id);
    Tippen("27,5");
    Taste("Return");
    ASSERT_TRUE(FensterSuchen(kProjekttitel + "uebung-sommerfall.lumora*", projekt, 5));
    Taste("ctrl+s");
    ASSERT_TRUE(FensterSuchen(kProjekttitel + "uebung-sommerfall.lumora", projekt, 5));
    QFile gespeichert(QString::fromStdString(datei));
    ASSERT_TRUE(gespeichert.open(QIODevice::ReadOnly));
    EXPECT_TRUE(gespeichert.readAll().contains("\"antworten\": {\"1\": 27.5}"));
    const auto note = nlohmann::ordered_json::parse(
        Shell(std::string(LUMORA_EXPORT) + " '" + LUMORA_BEISPIELE +
              "/uebung-sommerfall-loesung.lumora' --json --bewerte '" + datei + "'"),
        nullptr, false);
    ASSERT_FALSE(note.is_discarded());
    EXPECT_EQ(note["punkte"], 2);
    EXPECT_EQ(note["aufgaben"][0]["meldung"], "Aufgabe 1: richtig (27,5 °C)");
}

// A weather year imported through the window, in a TRY file of the 2011 edition's column
// order, and switched to a frequency map in its form: the classes appear on the chart in
// their colours, the busiest the darkest.
TEST_F(Projekte, WeatherYearImportedAndShownAsAFrequencyMap) {
    const QString projektdatei = heim_.filePath("leer.lumora");
    {
        QFile f(projektdatei);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(R"({
  "lumora": 1,
  "eingabe": ["40", "5", "1", "0.02", "0.002", "0.0005", "1013"],
  "zustaende": [],
  "prozesse": []
}
)");
    }
    // Twelve hours at 20…21 °C and 8…9 g/kg, four at 10…11 °C and 5…6 g/kg.
    const QString wetterdatei = heim_.filePath("kurz.dat");
    {
        QFile f(wetterdatei);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        std::string text =
            "Ort               : Probe\n"
            "Hoehenlage        : 100 Meter ueber NN\n\n"
            "RG IS MM DD HH N WR WG t p x RF W B D IK A E IL\n";
        for (int h = 1; h <= 16; ++h) {
            const bool warm = h <= 12;
            text += "1 1 7 1 " + std::to_string(h) + " 4 180 2 " + (warm ? "20.5" : "10.5") +
                    " 1013 " + (warm ? "8.5" : "5.5") + " 60 0 0 0 0 300 -350 1\n";
        }
        f.write(text.c_str());
    }
    oeffnen(projektdatei.toStdString());
    Fenster projekt;
    ASSERT_TRUE(FensterSuchen(kProjekttitel + "leer.lumora", projekt, 5));
    const Eingabe e{40, 5, 1, 0.02, 0.002, 0.0005, 1013, 0};
    const auto mitte = [&](double theta, double xGkg) {
        const double x = InKgJeKg(xGkg);
        return ueberlagert({KoordX(e, x), KoordY(e, x, Enthalpie(theta, x))});
    };
    const auto farbeBei = [&](const QImage& bild, QPoint p, double anteil) {
        const QColor c = Kartenfarbe(anteil);
        const auto ueberWeiss = [](int v) {
            return (v * kKartenDeckung + 255 * (255 - kKartenDeckung)) / 255;
        };
        const QColor soll(ueberWeiss(c.red()), ueberWeiss(c.green()), ueberWeiss(c.blue()));
        return Zaehlen(bild, QRect(p - QPoint(3, 3), QSize(7, 7)), [&](QColor q) {
            return std::max({std::abs(q.red() - soll.red()), std::abs(q.green() - soll.green()),
                             std::abs(q.blue() - soll.blue())}) < 14;
        });
    };

    // Projekt > Messreihe importieren (Ctrl+I), the path typed into the file dialog.
    Shell("xdotool windowfocus --sync " + projekt.id);
    Taste("ctrl+i");
    Fenster dateidialog;
    ASSERT_TRUE(FensterSuchen("Messreihe importieren", dateidialog, 5));
    Shell("xdotool windowfocus --sync " + dateidialog.id);
    Tippen(wetterdatei.toStdString());
    Taste("Return");
    ASSERT_TRUE(WartenBis([] { return !FensterSichtbar("Messreihe importieren"); }, 5));
    ASSERT_TRUE(FensterSuchen(kProjekttitel + "leer.lumora*", projekt, 5));
    vorn();
    const QImage punkte = Bildschirm();
    EXPECT_LT(farbeBei(punkte, mitte(20.7, 8.3), 1), 10);  // dots, no map yet

    // Its settings (Ctrl+J): the first field is how it is drawn.
    Shell("xdotool windowfocus --sync " + projekt.id);
    Taste("ctrl+j");
    Fenster form;
    ASSERT_TRUE(FensterSuchen("Wetterjahr „kurz“ einstellen", form, 5));
    Shell("xdotool windowfocus --sync " + form.id);
    Taste("Down");  // Häufigkeitskarte
    Taste("Return");
    ASSERT_TRUE(WartenBis([] { return !FensterSichtbar("Wetterjahr „kurz“ einstellen"); }, 5));
    vorn();
    const QImage karte = Bildschirm();
    EXPECT_GE(farbeBei(karte, mitte(20.7, 8.3), 1), 25);
    EXPECT_GE(farbeBei(karte, mitte(10.7, 5.3), 4.0 / 12), 25);
    EXPECT_NE(karte.copy(kanvas()), punkte.copy(kanvas()));
}

TEST_F(Projekte, ChangeOfAKilledProgramComesBack) {
    const std::string datei = beispiel("sommerfall");
    const Rechnung r = Rechnen(datei);
    ASSERT_EQ(r.orte.count("AUL"), 1u);
    oeffnen(datei);
    const QPoint neu = ueberlagert(r.orte.at("AUL")) + QPoint(50, -40);
    Ziehen(ueberlagert(r.orte.at("AUL")), neu);
    const QPoint imFenster = neu - diagramm.flaeche.topLeft();
    Fenster projekt;
    ASSERT_TRUE(FensterSuchen(kProjekttitel + "sommerfall.lumora*", projekt, 5));
    ASSERT_TRUE(WartenBis([&] { return QFile::exists(QString::fromStdString(sicherung())); }, 10))
        << "no recovery file";
    programm_->toeten();
    // The user's file is untouched until the user saves.
    EXPECT_EQ(Rechnen(datei).orte, r.orte);

    programm_ = std::make_unique<Programm>(LUMORA_PROGRAMM, umgebung_);
    Fenster frage;
    ASSERT_TRUE(FensterSuchen("Lumora", frage)) << "no question";
    Zeigen(frage.flaeche.center());
    Taste("Return");  // "Wiederherstellen"
    ASSERT_TRUE(FensterSuchen(kProjekttitel + "sommerfall.lumora*", projekt));
    // The chart shows the restored project, the dragged marker where it was dropped.
    ASSERT_TRUE(FensterSuchen(kDiagramm, diagramm));
    vorn();
    EXPECT_TRUE(Marke(Bildschirm(), diagramm.flaeche.topLeft() + imFenster));
    // Saved with Ctrl+S in the project window, the file holds the dragged state.
    Klicken(projekt.flaeche.x() + 2, projekt.flaeche.bottom() - 2);
    Taste("ctrl+s");
    ASSERT_TRUE(FensterSuchen(kProjekttitel + "sommerfall.lumora", projekt, 5));
    const QPoint gespeichert = ueberlagert(Rechnen(datei).orte["AUL"]);
    EXPECT_LE((gespeichert - neu).manhattanLength(), 2)
        << gespeichert.x() << "," << gespeichert.y();
    EXPECT_FALSE(QFile::exists(QString::fromStdString(sicherung())));
}

// The program as a user starts it under a locale: the titles of its windows and forms, the
// message of a refused press, its help, and the chart's lines, which are the same in every
// language.
struct Sprachfall {
    const char* lang;
    std::string dialog, diagramm, projekt, form, meldung, hilfe;
};

// The release month in English, as the program shows it under an English locale.
std::string EnglischerStand() {
    const Sprachwahl englisch(Sprache::Englisch);
    return Stand();
}

// Made when the test runs: the translation is not there before main().
Sprachfall Englisch() {
    return {"en_US.UTF-8",
            "Lumora - Start Dialog",
            std::string("Lumora  ") + kVersionsText + "   " + EnglischerStand() + "  -  h,x Chart",
            "Lumora - States and Processes - ",
            "Add Process",
            "Lumora - Input",
            "Usage: lumora [options] [PROJECT]"};
}
const Sprachfall kDeutsch{"de_DE.UTF-8",
                          kDialog,
                          kDiagramm,
                          kProjekttitel,
                          "Prozess hinzufügen",
                          kMeldung,
                          "Verwendung: lumora [Optionen] [PROJEKT]"};

class Sprachen : public Projekte {
  protected:
    // The chart's interior as the default press draws it, after the checks of the titles.
    QImage pruefen(const Sprachfall& fall) {
        umgebung_.insert(umgebung_.end(), {std::string("LANG=") + fall.lang,
                                           "LC_ALL=", "LC_MESSAGES=", "LANGUAGE="});
        const std::string hilfe = Shell(std::string("env LC_ALL= LC_MESSAGES= LANGUAGE= LANG=") +
                                        fall.lang + " " + LUMORA_PROGRAMM + " --help");
        EXPECT_NE(hilfe.find(fall.hilfe), std::string::npos) << hilfe;

        programm_ = std::make_unique<Programm>(LUMORA_PROGRAMM, umgebung_);
        EXPECT_TRUE(FensterSuchen(fall.dialog, dialog)) << fall.dialog;
        if (dialog.id.empty()) return {};
        dialogKlick(kKnopf);
        EXPECT_TRUE(FensterSuchen(fall.diagramm, diagramm)) << fall.diagramm;
        vorn();
        const QImage bild = Bildschirm().copy(kanvas());

        eintragen(kDeltaThetagross, "0");
        dialogKlick(kKnopf);
        Fenster meldung;
        EXPECT_TRUE(FensterSuchen(fall.meldung, meldung, 5)) << fall.meldung;
        Taste("Return");
        programm_.reset();

        const std::string datei = beispiel("sommerfall");
        programm_ =
            std::make_unique<Programm>(LUMORA_PROGRAMM, umgebung_, std::vector<std::string>{datei});
        Fenster projekt;
        EXPECT_TRUE(FensterSuchen(fall.projekt + "sommerfall.lumora", projekt, 10));
        if (projekt.id.empty()) return bild;
        Shell("xdotool windowfocus --sync " + projekt.id);
        Taste("ctrl+r");
        Fenster form;
        EXPECT_TRUE(FensterSuchen(fall.form, form, 5)) << fall.form;
        Taste("Escape");
        return bild;
    }
};

TEST_F(Sprachen, EnglishAndGermanLocalesNameTheirWindowsAndDrawTheSameChart) {
    const QImage englisch = pruefen(Englisch());
    programm_.reset();
    umgebung_.resize(2);  // the home of this test, without the locale of the first round
    const QImage deutsch = pruefen(kDeutsch);
    ASSERT_FALSE(englisch.isNull());
    EXPECT_EQ(englisch, deutsch) << "the chart's lines differ between the languages";
}

}  // namespace
}  // namespace lumora::test
