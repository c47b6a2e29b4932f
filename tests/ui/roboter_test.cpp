// A careless user from a seed: drives the real windows with random actions (every action of
// every menu, the context menu, the tables' forms, the canvas, the input dialog, undo and redo)
// and answers every dialog that comes up by a timer. Checks that a form confirmed unchanged
// changes nothing and that undoing everything gives back the project as opened.
//
// LUMORA_ROBOTER_SEED     the seed (else one from the clock, printed first)
// LUMORA_ROBOTER_AKTIONEN the number of actions (default 300)
// LUMORA_ROBOTER_PROTOKOLL when set, every action as it is done
// On failure, and on a crash or a sanitizer report, it prints the seed and the last actions.

#include <gtest/gtest.h>
#include <unistd.h>

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPointer>
#include <QPrintDialog>
#include <QProgressDialog>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QThreadPool>
#include <QTimer>
#include <QWheelEvent>
#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <csignal>
#include <deque>
#include <mutex>
#include <random>
#include <set>
#include <thread>

#include "bild/leinwandbild.h"
#include "ui/anlagenseite.h"
#include "ui/anwendung.h"
#include "ui/diagrammfenster.h"
#include "ui/formulare.h"
#include "ui/leinwand.h"
#include "ui/projektfenster.h"
#include "ui/uebungsfenster.h"
#include "ui/wetterjahrformular.h"

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/common_interface_defs.h>
#endif

namespace lumora {
namespace {

// --- What was done, for a replay --------------------------------------------------------------

constexpr std::size_t kProtokollZeilen = 30;

// Written by a crash handler too: kept ready as one text after every line. The watchdog
// reads it under the lock.
// Never destroyed: the leak check at exit may report, and call back, after static destructors.
std::string& gAusgabe = *new std::string;
std::mutex gAusgabeSperre;

class Protokoll {
  public:
    explicit Protokoll(std::uint64_t seed) : seed_(seed) { neuSchreiben(); }
    void operator()(const std::string& zeile) {
        zeilen_.push_back(std::to_string(++nummer_) + ": " + zeile);
        if (alles_) std::fprintf(stderr, "%s\n", zeilen_.back().c_str());
        if (zeilen_.size() > kProtokollZeilen) zeilen_.pop_front();
        neuSchreiben();
    }
    int nummer() const { return nummer_; }

  private:
    void neuSchreiben() {
        std::string t =
            "Roboter: LUMORA_ROBOTER_SEED=" + std::to_string(seed_) + ", the last actions:\n";
        for (const std::string& z : zeilen_) t += "  " + z + "\n";
        const std::lock_guard<std::mutex> sperre(gAusgabeSperre);
        gAusgabe = std::move(t);
    }

    std::uint64_t seed_;
    bool alles_ = qEnvironmentVariableIsSet("LUMORA_ROBOTER_PROTOKOLL");  // every action
    std::deque<std::string> zeilen_;
    int nummer_ = 0;
};

void AusgabeSchreiben() {
    const char* p = gAusgabe.data();
    std::size_t rest = gAusgabe.size();
    while (rest > 0) {
        const ssize_t n = write(STDERR_FILENO, p, rest);
        if (n <= 0) break;
        p += n;
        rest -= static_cast<std::size_t>(n);
    }
}

void BeimAbsturz(int signal) {
    AusgabeSchreiben();
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

// Ends a run that hangs (a dialog no one answers, a loop) with its seed and last actions,
// before ctest's timeout kills it without a word.
class Wachhund {
  public:
    explicit Wachhund(std::chrono::seconds frist)
        : faden_([this, frist] {
              std::unique_lock<std::mutex> sperre(m_);
              int gesehen = -1;
              auto seit = std::chrono::steady_clock::now();
              while (!ende_) {
                  cv_.wait_for(sperre, std::chrono::seconds(1));
                  if (schritte_ != gesehen) {
                      gesehen = schritte_;
                      seit = std::chrono::steady_clock::now();
                  } else if (std::chrono::steady_clock::now() - seit > frist) {
                      std::fprintf(stderr, "Roboter: no action has ended for %lld s.\n",
                                   static_cast<long long>(frist.count()));
                      const std::lock_guard<std::mutex> a(gAusgabeSperre);
                      AusgabeSchreiben();
                      std::_Exit(3);
                  }
              }
          }) {}
    ~Wachhund() {
        {
            const std::lock_guard<std::mutex> sperre(m_);
            ende_ = true;
        }
        cv_.notify_all();
        faden_.join();
    }
    void weiter() {
        const std::lock_guard<std::mutex> sperre(m_);
        ++schritte_;
    }

  private:
    std::mutex m_;
    std::condition_variable cv_;
    int schritte_ = 0;
    bool ende_ = false;
    std::thread faden_;
};

void AbsturzBerichten() {
#if defined(__SANITIZE_ADDRESS__)
    __sanitizer_set_death_callback(&AusgabeSchreiben);
#endif
    for (int s : {SIGSEGV, SIGABRT, SIGBUS, SIGFPE, SIGILL}) std::signal(s, &BeimAbsturz);
}

std::string S(const QString& t) {
    return t.size() > 60 ? (t.left(57) + "…").toStdString() : t.toStdString();
}

// --- Random texts -----------------------------------------------------------------------------

class Zufall {
  public:
    explicit Zufall(std::uint64_t seed) : z_(seed) {}
    int bis(int n) { return n <= 1 ? 0 : std::uniform_int_distribution<int>(0, n - 1)(z_); }
    bool ja(double p) { return std::uniform_real_distribution<double>(0, 1)(z_) < p; }
    template <class T>
    const T& aus(const std::vector<T>& v) {
        return v[static_cast<std::size_t>(bis(static_cast<int>(v.size())))];
    }

    // What a careless user types into a number field: numbers, near-numbers and garbage.
    QString text() {
        static const std::vector<QString> kTexte = {"",
                                                    " ",
                                                    "abc",
                                                    "nan",
                                                    "NaN",
                                                    "inf",
                                                    "-inf",
                                                    "1e400",
                                                    "-1e400",
                                                    "1e-400",
                                                    "1,5",
                                                    "1.5",
                                                    "0",
                                                    "-0",
                                                    "20",
                                                    "50",
                                                    "100",
                                                    "1013",
                                                    "-273.15",
                                                    "99999999999999999999",
                                                    "0x10",
                                                    "1e308",
                                                    "-1e308",
                                                    "2,5e3",
                                                    "°C",
                                                    "ϑ",
                                                    QString::fromUtf8("日本語"),
                                                    QString::fromUtf8("\xF0\x9F\x98\x80"),
                                                    "12abc",
                                                    "--5",
                                                    "1..2",
                                                    "+7",
                                                    "5 ",
                                                    "\t3",
                                                    "0.0001",
                                                    "-40",
                                                    "35",
                                                    "60",
                                                    "0.5",
                                                    "1e-9",
                                                    "'",
                                                    "\"",
                                                    "\\",
                                                    "%s%n",
                                                    "<b>x</b>",
                                                    QString(300, '9'),
                                                    QString::fromUtf8("−5"),
                                                    "1 000",
                                                    "1_000",
                                                    ".",
                                                    "-",
                                                    "e"};
        switch (bis(4)) {
            case 0: {  // a random number, sometimes with a comma
                const double w = std::uniform_real_distribution<double>(-300, 3000)(z_);
                QString t = QString::number(w, 'g', 1 + bis(10));
                if (ja(0.2)) t.replace('.', ',');
                return t;
            }
            case 1: {  // random characters
                QString t;
                for (int i = 0, n = bis(12); i < n; ++i) {
                    t += QChar(static_cast<char16_t>(ja(0.7) ? 32 + bis(95) : 0xA0 + bis(0x2000)));
                }
                return t;
            }
            default:
                return aus(kTexte);
        }
    }

    // A name for an entry: mostly sound, sometimes odd.
    QString name() {
        static const std::vector<QString> kNamen = {"R1",
                                                    "AUL",
                                                    "ZUL",
                                                    "MI",
                                                    "X",
                                                    "",
                                                    " ",
                                                    "Zustand mit Leerzeichen",
                                                    QString::fromUtf8("Außenluft"),
                                                    QString(200, 'N'),
                                                    "a\"b",
                                                    "1",
                                                    "Z1"};
        return ja(0.6) ? "R" + QString::number(bis(1000)) : aus(kNamen);
    }

    std::mt19937_64& motor() { return z_; }

  private:
    std::mt19937_64 z_;
};

// Sound inputs of the dialog: the program's defaults and small charts.
const std::vector<Feldtexte> kGueltigeEingaben = {
    {"200", "10", "1", "0.2", "0.02", "0.002", "1013"},
    {"50", "10", "5", "0.03", "0.005", "0.0025", "1013"},
    {"40", "5", "1", "0.012", "0.002", "0.0005", "1013"},
    {"30", "10", "5", "0.02", "0.005", "0.001", "950"},
};

// --- The robot --------------------------------------------------------------------------------

// How a form opened from a table row is answered.
enum class Plan { Unveraendert, Zufall, Abbrechen, Gueltig };

const char* PlanName(Plan p) {
    switch (p) {
        case Plan::Unveraendert:
            return "unchanged OK";
        case Plan::Zufall:
            return "random texts OK";
        case Plan::Abbrechen:
            return "cancel";
        default:
            return "sound values OK";
    }
}

class Roboter {
  public:
    Roboter(std::uint64_t seed, const QString& ordner)
        : z_(seed), protokoll_(seed), ordner_(ordner) {
        // Dialogs are answered while their exec runs; every answer is queued, so that a dialog
        // that an answer opens is answered by the next tick.
        waechter_.setInterval(5);
        QObject::connect(&waechter_, &QTimer::timeout, &waechter_, [this] { antworten(); });
        waechter_.start();
        // The history is emptied when a project is opened or begun: that is the one to
        // come back to.
        QObject::connect(&app_.sitzung(), &Projektsitzung::titelGeaendert, &waechter_, [this] {
            if (app_.sitzung().verlauf().count() == 0) grundlageMerken();
        });
    }

    Anwendung& anwendung() { return app_; }
    Protokoll& protokoll() { return protokoll_; }

    void starten(const QString& datei) {
        app_.dialog().show();
        app_.dialog().knopf()->click();
        protokoll_("open " + QFileInfo(datei).fileName().toStdString());
        ASSERT_TRUE(app_.oeffnen(datei));
        grundlageMerken();
        aufraeumen();
    }

    // One random action; false after a broken invariant.
    bool schritt() {
        neustartWennBeendet();
        struct Art {
            int gewicht;
            void (Roboter::*tun)();
        };
        static const Art kArten[] = {
            {18, &Roboter::menueaktion},      {6, &Roboter::kontextmenue},
            {20, &Roboter::zeileDoppelklick}, {12, &Roboter::leinwand},
            {7, &Roboter::eingabe},           {10, &Roboter::verlauf},
            {2, &Roboter::allesZurueck},      {4, &Roboter::reiter},
            {3, &Roboter::fenster},           {5, &Roboter::uebung},
            {5, &Roboter::tastenkuerzel},     {8, &Roboter::anlage},
            {6, &Roboter::ansicht},
        };
        int summe = 0;
        for (const Art& a : kArten) summe += a.gewicht;
        int w = z_.bis(summe);
        for (const Art& a : kArten) {
            if (w < a.gewicht) {
                (this->*a.tun)();
                break;
            }
            w -= a.gewicht;
        }
        aufraeumen();
        if (app_.sitzung().verlauf().count() >= app_.sitzung().verlauf().undoLimit()) {
            grundlageGueltig_ = false;  // the oldest steps are gone
        }
        return !::testing::Test::HasFailure();
    }

    // Undoes everything there is and compares with the project as opened; redoes as many
    // steps and compares with the project before.
    void allesZurueck() {
        QUndoStack& v = app_.sitzung().verlauf();
        const std::string vorher = bytes();
        const int index = v.index();
        protokoll_("undo all (" + std::to_string(index) + " steps" +
                   (grundlageGueltig_ ? "" : ", beyond the history's limit") + ")");
        QAction* rueck = app_.projektfenster().aktion("rueckgaengig");
        QAction* wieder = app_.projektfenster().aktion("wiederholen");
        for (int n = 0; v.canUndo() && n < 1000; ++n) rueck->trigger();
        aufraeumen();
        if (grundlageGueltig_) {
            EXPECT_EQ(bytes(), grundlage_)
                << "Undoing all " << index << " steps does not give back the project as opened.";
        }
        while (v.canRedo() && v.index() < index) wieder->trigger();
        aufraeumen();
        EXPECT_EQ(bytes(), vorher)
            << "Redoing the " << index << " steps does not give back the project before.";
    }

    // Answers and closes what is left open: a message opened without waiting, a menu.
    void aufraeumen() {
        QCoreApplication::processEvents();
        const auto bis = std::chrono::steady_clock::now() + std::chrono::seconds(20);
        while (QWidget* offen = QApplication::activeModalWidget()
                                    ? QApplication::activeModalWidget()
                                    : QApplication::activePopupWidget()) {
            QTest::qWait(5);
            if (std::chrono::steady_clock::now() > bis) {
                ADD_FAILURE() << "A dialog stays open: " << offen->metaObject()->className()
                              << " \"" << S(offen->windowTitle()) << "\"";
                return;
            }
        }
    }

  private:
    std::string bytes() { return app_.sitzung().projekt().schreiben(); }

    void grundlageMerken() {
        grundlage_ = bytes();
        grundlageGueltig_ = true;
    }

    Projektfenster& pf() { return app_.projektfenster(); }

    // After "Beenden" the program would be started again.
    void neustartWennBeendet() {
        if (!app_.dialog().isVisible()) {
            protokoll_("start again (show the input dialog)");
            app_.dialog().show();
        }
    }

    // --- Menus ----------------------------------------------------------------------------

    // Every action the windows offer: their own, their menus' (filled as when opened), the
    // shortcuts of the chart window.
    std::vector<QAction*> aktionen() {
        std::vector<QWidget*> fenster{&app_.dialog(), &pf()};
        if (Diagrammfenster* d = app_.dialog().diagrammfenster()) fenster.push_back(d);
        for (QWidget* f : fenster) {
            for (QMenu* m : f->findChildren<QMenu*>()) emit m->aboutToShow();
        }
        std::vector<QAction*> liste;
        std::set<QAction*> gesehen;
        for (QWidget* f : fenster) {
            QList<QAction*> alle = f->actions();
            alle += f->findChildren<QAction*>();
            for (QAction* a : alle) {
                if (a->isSeparator() || a->text().isEmpty() || a->menu() ||
                    a->objectName().startsWith("_q_") || !a->isEnabled() ||
                    !gesehen.insert(a).second) {
                    continue;
                }
                liste.push_back(a);
            }
        }
        return liste;
    }

    // A shortcut typed in a window that offers it, as the keyboard brings it.
    void tastenkuerzel() {
        std::vector<std::pair<QWidget*, QKeySequence>> wahl;
        for (QAction* a : aktionen()) {
            for (QObject* o : a->associatedObjects()) {
                auto* w = qobject_cast<QWidget*>(o);
                if (!w || !w->isVisible() || qobject_cast<QMenu*>(w)) continue;
                for (const QKeySequence& k : a->shortcuts()) wahl.emplace_back(w->window(), k);
            }
        }
        if (wahl.empty()) return;
        const auto& [fenster, taste] = wahl[static_cast<std::size_t>(z_.bis(int(wahl.size())))];
        protokoll_("key " + taste.toString().toStdString() + " in " + S(fenster->windowTitle()));
        fenster->activateWindow();
        QCoreApplication::processEvents();
        QWidget* ziel = fenster->focusWidget() ? fenster->focusWidget() : fenster;
        QTest::keySequence(ziel, taste);
        if (mehrdeutig_) {
            ADD_FAILURE() << "The shortcut " << taste.toString().toStdString() << " in "
                          << S(fenster->windowTitle()) << " is ambiguous.";
        }
    }

    void menueaktion() {
        const auto liste = aktionen();
        if (liste.empty()) return;
        QAction* a = z_.aus(liste);
        protokoll_("menu action \"" + S(a->text()) + "\"" +
                   (a->objectName().isEmpty() ? "" : " (" + S(a->objectName()) + ")"));
        a->trigger();
    }

    void kontextmenue() {
        Diagrammfenster* d = app_.dialog().diagrammfenster();
        if (!d) return;
        const QSize innen = Innengroesse();
        const QPoint p(z_.bis(innen.width()), z_.bis(innen.height()));
        const QPoint imFenster = d->imFenster(p).toPoint();
        protokoll_("context menu of the chart at (" + std::to_string(p.x()) + ", " +
                   std::to_string(p.y()) + ")");
        QContextMenuEvent e(QContextMenuEvent::Mouse, imFenster, d->mapToGlobal(imFenster));
        QCoreApplication::sendEvent(d, &e);
    }

    // The surface that shows the chart, at the layout's scale or another, and a point of the
    // canvas interior (pixels at the layout's size) in its own pixels.
    static QWidget* Flaeche(Diagrammfenster* d) {
        return d->gesamt()->isVisible() ? &d->leinwand() : d->findChild<QWidget*>("Ansicht");
    }
    static QPoint AufFlaeche(Diagrammfenster* d, QWidget* f, QPointF imInnern) {
        return f->mapFrom(d, d->imFenster(imInnern).toPoint());
    }

    // The chart's view: the window resized, the wheel turned, the chart moved with the middle
    // button or with the space bar held.
    void ansicht() {
        Diagrammfenster* d = app_.dialog().diagrammfenster();
        if (!d || !d->isVisible()) return;
        const QPoint irgendwo(z_.bis(std::max(1, d->width())), z_.bis(std::max(1, d->height())));
        switch (z_.bis(5)) {
            case 0: {
                const double f = z_.ja(0.3) ? 1 : 0.4 + z_.bis(170) / 100.0;
                const QSize neu = Form(QRect(0, 0, 15240, 11010)).size() * f;
                protokoll_("resize the chart window to " + std::to_string(neu.width()) + " x " +
                           std::to_string(neu.height()));
                d->resize(neu);
                break;
            }
            case 1: {
                const int stufen = z_.bis(9) - 4;
                protokoll_("wheel " + std::to_string(stufen) + " at (" +
                           std::to_string(irgendwo.x()) + ", " + std::to_string(irgendwo.y()) +
                           ")");
                QWheelEvent rad(irgendwo, d->mapToGlobal(irgendwo), QPoint(),
                                QPoint(0, 120 * stufen), Qt::NoButton, Qt::NoModifier,
                                Qt::NoScrollPhase, false);
                QCoreApplication::sendEvent(d, &rad);
                break;
            }
            case 2:
            case 3: {
                const bool leertaste = z_.bis(5) == 3;
                const QPoint weg(z_.bis(401) - 200, z_.bis(401) - 200);
                protokoll_(std::string(leertaste ? "space and left button" : "middle button") +
                           " move the chart by (" + std::to_string(weg.x()) + ", " +
                           std::to_string(weg.y()) + ")");
                QWidget* f = d->childAt(irgendwo) ? d->childAt(irgendwo) : d;
                const QPoint von = f->mapFrom(d, irgendwo);
                const Qt::MouseButton knopf = leertaste ? Qt::LeftButton : Qt::MiddleButton;
                if (leertaste) QTest::keyPress(d, Qt::Key_Space);
                QTest::mousePress(f, knopf, {}, von);
                QTest::mouseMove(f, von + weg / 2);
                QTest::mouseMove(f, von + weg);
                QTest::mouseRelease(f, knopf, {}, von + weg);
                if (leertaste) QTest::keyRelease(d, Qt::Key_Space);
                break;
            }
            default: {
                // Escape in a help window that is open.
                for (QWidget* w : QApplication::topLevelWidgets()) {
                    if (w->isVisible() && qobject_cast<QTextBrowser*>(w)) {
                        protokoll_("Escape in \"" + S(w->windowTitle()) + "\"");
                        w->activateWindow();
                        QTest::keyClick(w, Qt::Key_Escape);
                        EXPECT_FALSE(w->isVisible()) << "Escape leaves a help window open";
                        return;
                    }
                }
            }
        }
        // The view stays within its bounds and the mapping inverts itself.
        const QPointF p = d->imInnern(irgendwo);
        EXPECT_NEAR(d->imFenster(p).x(), irgendwo.x(), 1e-6);
        EXPECT_GE(d->zoom(), 1);
        EXPECT_LE(d->zoom(), Diagrammfenster::kZoomHoechstens);
    }

    // --- Tables ---------------------------------------------------------------------------

    void zeileDoppelklick() {
        if (!pf().isVisible()) {
            protokoll_("show the project window (F3)");
            pf().show();
        }
        // A table with rows: the few zones are as likely as the many states.
        std::vector<QTableView*> tabellen;
        for (QTableView* t : {pf().zustaende(), pf().prozesse(), pf().messreihen(), pf().zonen()}) {
            if (t->model()->rowCount() > 0) tabellen.push_back(t);
        }
        if (tabellen.empty()) return;
        QTableView* t = z_.aus(tabellen);
        reiterWaehlen(t);
        const int zeilen = t->model()->rowCount();
        if (zeilen == 0) return;
        const int zeile = z_.bis(zeilen);
        const int spalte = z_.bis(t->model()->columnCount());
        const QModelIndex index = t->model()->index(zeile, spalte);
        t->scrollTo(index);
        const QRect r = t->visualRect(index);
        if (!r.isValid()) return;
        // The rows of series open only the form of a weather year, which gets sound values too.
        plan_ = static_cast<Plan>(z_.bis(t == pf().messreihen() ? 4 : 3));
        const std::string vorher = bytes();
        bestaetigt_ = false;
        protokoll_("double-click " + t->objectName().toStdString() + " row " +
                   std::to_string(zeile) + " column " + std::to_string(spalte) + ", " +
                   PlanName(*plan_));
        doppelklick(t->viewport(), r.center());
        // A state's cell is edited in place.
        if (auto* feld = qobject_cast<QLineEdit*>(t->indexWidget(index))) {
            bestaetigt_ = *plan_ != Plan::Abbrechen;
            if (*plan_ == Plan::Zufall)
                textSetzen(feld,
                           t->objectName() == "zustaende" && spalte == 0 ? z_.name() : z_.text());
            QTest::keyClick(feld, *plan_ == Plan::Abbrechen ? Qt::Key_Escape : Qt::Key_Return);
        }
        aufraeumen();
        const Plan plan = *plan_;
        plan_.reset();
        if (plan == Plan::Unveraendert && bestaetigt_) {
            EXPECT_EQ(bytes(), vorher) << "A form or cell confirmed unchanged changed the project.";
        }
    }

    // What a double-click brings: press, release, press and the double-click, release. QTest's
    // own sends the double-click alone, which a table takes for a press.
    static void doppelklick(QWidget* w, QPoint p) {
        QTest::mouseClick(w, Qt::LeftButton, {}, p);
        QTest::mousePress(w, Qt::LeftButton, {}, p);
        QTest::mouseDClick(w, Qt::LeftButton, {}, p);
        QTest::mouseRelease(w, Qt::LeftButton, {}, p);
    }

    void reiterWaehlen(QWidget* seite) {
        auto* reiter = pf().findChild<QTabWidget*>();
        const int i = reiter->indexOf(seite);
        if (i < 0 || reiter->currentIndex() == i) return;
        QTabBar* leiste = reiter->tabBar();
        QTest::mouseClick(leiste, Qt::LeftButton, {}, leiste->tabRect(i).center());
        if (reiter->currentIndex() != i) reiter->setCurrentIndex(i);  // hidden window
    }

    void reiter() {
        auto* reiter = pf().findChild<QTabWidget*>();
        QWidget* seite = reiter->widget(z_.bis(reiter->count()));
        protokoll_("tab " + S(reiter->tabText(reiter->indexOf(seite))));
        reiterWaehlen(seite);
        // Sometimes a row is chosen too, for "Löschen" and the moves.
        if (auto* t = qobject_cast<QTableView*>(seite); t && t->model()->rowCount() > 0) {
            const QRect r = t->visualRect(t->model()->index(z_.bis(t->model()->rowCount()), 0));
            if (r.isValid()) QTest::mouseClick(t->viewport(), Qt::LeftButton, {}, r.center());
        }
    }

    // --- The unit -------------------------------------------------------------------------

    // The tab "Anlage": its fields typed as a user would (unchanged, random texts or sound
    // values) and taken, or one of its buttons pressed. A refused change and an unchanged one
    // leave the project as it was; a taken one is one undo step.
    void anlage() {
        if (!pf().isVisible()) {
            protokoll_("show the project window (F3)");
            pf().show();
        }
        Anlagenseite* a = pf().anlage();
        reiterWaehlen(a);
        const std::string vorher = bytes();
        const int index = app_.sitzung().verlauf().index();
        if (auto* ergebnisse = a->findChild<QTabWidget*>("anlagenergebnisse"); z_.ja(0.3)) {
            ergebnisse->setCurrentIndex(z_.bis(ergebnisse->count()));
            protokoll_("unit: results tab " + S(ergebnisse->tabText(ergebnisse->currentIndex())));
        }
        if (z_.ja(0.3)) {
            std::vector<QPushButton*> knoepfe;
            for (QPushButton* k : a->findChildren<QPushButton*>()) {
                if (k->isVisible() && k->isEnabled()) knoepfe.push_back(k);
            }
            if (knoepfe.empty()) return;
            QPushButton* k = z_.aus(knoepfe);
            protokoll_("unit: press \"" + S(k->text()) + "\"");
            k->click();
            return;
        }
        const Plan plan = static_cast<Plan>(z_.bis(4));
        if (plan == Plan::Abbrechen) return;
        if (plan == Plan::Zufall) {
            for (QComboBox* c : a->findChildren<QComboBox*>()) {
                if (c->isVisible() && c->count() > 0 && z_.ja(0.2)) {
                    c->setCurrentIndex(z_.bis(c->count()));
                    protokoll_("unit: choose \"" + S(c->currentText()) + "\"");
                }
            }
            if (a->kuehler()->isVisible() && z_.ja(0.2)) a->kuehler()->toggle();
            for (QLineEdit* feld : a->findChildren<QLineEdit*>()) {
                if (!feld->isVisible() || !z_.ja(0.3)) continue;
                const QString text = z_.ja(0.2) ? z_.name() : z_.text();
                protokoll_("unit: type \"" + S(text) + "\" into " + S(feld->objectName()));
                textSetzen(feld, text);
            }
        } else if (plan == Plan::Gueltig) {
            anlageAusfuellen(a);
        } else {
            a->verwerfen();  // texts typed before and refused would be taken too
        }
        protokoll_(std::string("unit: take, ") + PlanName(plan));
        if (z_.ja(0.5)) {
            a->uebernehmenKnopf()->click();
        } else if (QLineEdit* feld = a->feld(Anlagenseite::Strom); feld->isVisible()) {
            QTest::keyClick(feld, Qt::Key_Return);
        }
        aufraeumen();
        const bool abgelehnt = !a->meldung()->text().isEmpty();
        if (plan == Plan::Unveraendert || abgelehnt) {
            EXPECT_EQ(bytes(), vorher) << (abgelehnt ? "A refused change of the unit changed the "
                                                       "project."
                                                     : "The unit taken unchanged changed the "
                                                       "project.");
        }
        EXPECT_LE(app_.sitzung().verlauf().index(), index + 1)
            << "A change of the unit took more than one undo step.";
    }

    // Sound values, each field changed or left as it is.
    void anlageAusfuellen(Anlagenseite* a) {
        using F = Anlagenseite;
        const auto setzen = [&](F::Feld f, const std::vector<QString>& werte) {
            if (a->feld(f)->isVisible() && z_.ja(0.4)) {
                textSetzen(a->feld(f), z_.aus(werte));
                protokoll_("unit: " + S(a->feld(f)->objectName()) + " " + S(a->feld(f)->text()));
            }
        };
        if (a->stromart()->isVisible() && z_.ja(0.2)) a->stromart()->setCurrentIndex(z_.bis(2));
        setzen(F::Strom, {"5000", "6000", "12000,5"});
        setzen(F::ThetaMin, {"16", "18"});
        setzen(F::ThetaMax, {"20", "22", "26"});
        setzen(F::XMin, {"", "5", "6"});
        setzen(F::XMax, {"", "9", "10"});
        if (z_.ja(0.3)) {
            const bool wrg = z_.ja(0.7);
            a->abluftpaar()->setCurrentIndex(0);
            textSetzen(a->feld(F::AbluftA), wrg ? "22" : "");
            textSetzen(a->feld(F::AbluftB), wrg ? "40" : "");
            textSetzen(a->feld(F::Rueckwaermzahl),
                       wrg ? z_.aus<QString>({"0,6", "0.75", "1"}) : "");
        }
        setzen(F::Frostschutz, {"", "-5", "2"});
        if (z_.ja(0.2)) a->kuehler()->toggle();
        setzen(F::Bypass, {"", "0", "0,15"});
        if (z_.ja(0.2)) a->befeuchter()->setCurrentIndex(z_.bis(3));
        setzen(F::Befeuchtertemperatur, {"", "100", "10", "15"});
        if (z_.ja(0.3)) {
            const bool leer = z_.ja(0.3);
            textSetzen(a->feld(F::MonatVon), leer ? "" : QString::number(1 + z_.bis(12)));
            textSetzen(a->feld(F::MonatBis), leer ? "" : QString::number(1 + z_.bis(12)));
        }
        if (z_.ja(0.3)) {
            const bool leer = z_.ja(0.3);
            const int von = z_.bis(24);
            textSetzen(a->feld(F::StundeVon), leer ? "" : QString::number(von));
            textSetzen(a->feld(F::StundeBis),
                       leer ? "" : QString::number(von + 1 + z_.bis(24 - von)));
        }
    }

    // --- The canvas -----------------------------------------------------------------------

    void leinwand() {
        Diagrammfenster* d = app_.dialog().diagrammfenster();
        if (!d) return;
        QWidget* l = Flaeche(d);
        if (!l) return;
        const QSize innen = Innengroesse();
        const QPointF m = Massstab(innen);
        const auto irgendwo = [&] {
            // Mostly inside, now and then on or beyond the edge.
            return AufFlaeche(
                d, l, QPoint(z_.bis(innen.width() + 40) - 20, z_.bis(innen.height() + 40) - 20));
        };
        const auto& marken = d->ueberlagerung().marken;
        if (!marken.empty() && z_.ja(0.6)) {
            const auto& marke = marken[static_cast<std::size_t>(z_.bis(int(marken.size())))];
            const QPoint von =
                AufFlaeche(d, l, QPointF(marke.ort.x() * m.x(), marke.ort.y() * m.y()));
            const int zuege = 1 + z_.bis(6);
            protokoll_("drag marker " + S(marke.name) + " in " + std::to_string(zuege) + " moves");
            QTest::mousePress(l, Qt::LeftButton, {}, von);
            QPoint p = von;
            for (int i = 0; i < zuege; ++i) {
                p = z_.ja(0.5) ? irgendwo() : p + QPoint(z_.bis(41) - 20, z_.bis(41) - 20);
                QTest::mouseMove(l, p);
            }
            QTest::mouseRelease(l, Qt::LeftButton, {}, p);
        } else {
            const QPoint p = irgendwo();
            protokoll_("click the canvas at (" + std::to_string(p.x()) + ", " +
                       std::to_string(p.y()) + ")");
            QTest::mouseMove(l, p);
            QTest::mouseClick(l, Qt::LeftButton, {}, p);
        }
    }

    // --- The input dialog -----------------------------------------------------------------

    void eingabe() {
        Anfangsdialog& a = app_.dialog();
        if (z_.ja(0.4)) {
            const Feldtexte& t = z_.aus(kGueltigeEingaben);
            protokoll_("type a sound chart " + t[0] + "/" + t[1] + "/" + t[2] + "/" + t[3] + "/" +
                       t[4] + "/" + t[5] + "/" + t[6]);
            for (int f = 0; f < kFelder; ++f) {
                textSetzen(a.feld(static_cast<Feld>(f)), QString::fromStdString(t[f]));
            }
        } else {
            for (int n = 1 + z_.bis(3); n > 0; --n) {
                const int f = z_.bis(kFelder);
                const QString text = z_.text();
                protokoll_("type \"" + S(text) + "\" into field " + std::to_string(f));
                textSetzen(a.feld(static_cast<Feld>(f)), text);
            }
        }
        if (z_.ja(0.3)) {
            protokoll_("Return on \"Berechne Diagramm !\"");
            a.knopf()->setFocus();
            QTest::keyClick(a.knopf(), Qt::Key_Return);
        } else {
            protokoll_("press \"Berechne Diagramm !\"");
            QTest::mouseClick(a.knopf(), Qt::LeftButton);
        }
    }

    // Replaces a field's text as a user would: select all and type; a long text or one beyond
    // the keyboard's ASCII pasted.
    void textSetzen(QLineEdit* feld, const QString& text) {
        const bool tastbar = std::all_of(text.begin(), text.end(), [](QChar c) {
            return c.unicode() >= 32 && c.unicode() < 127;
        });
        if (text.size() > 24 || !tastbar) {
            feld->selectAll();
            feld->insert(text);
            return;
        }
        QTest::keyClick(feld, Qt::Key_A, Qt::ControlModifier);
        if (text.isEmpty()) {
            QTest::keyClick(feld, Qt::Key_Delete);
        } else {
            QTest::keyClicks(feld, text);
        }
    }

    // --- Undo and redo --------------------------------------------------------------------

    void verlauf() {
        const bool rueck = z_.ja(0.6);
        const int n = 1 + z_.bis(z_.ja(0.3) ? 80 : 8);
        protokoll_(std::string(rueck ? "undo" : "redo") + " " + std::to_string(n) + " times");
        QAction* a = pf().aktion(rueck ? "rueckgaengig" : "wiederholen");
        for (int i = 0; i < n; ++i) a->trigger();
    }

    // --- Windows --------------------------------------------------------------------------

    void fenster() {
        switch (z_.bis(5)) {
            case 0:
                protokoll_("close the project window");
                pf().close();
                break;
            case 1:
                protokoll_("show the project window");
                pf().show();
                break;
            case 2:
                if (Diagrammfenster* d = app_.dialog().diagrammfenster()) {
                    protokoll_("close the chart window");
                    d->close();
                }
                break;
            case 3:
                protokoll_("close the input dialog");
                app_.dialog().close();
                break;
            default:
                protokoll_("hover over the chart");
                if (Diagrammfenster* d = app_.dialog().diagrammfenster()) {
                    const QSize innen = Innengroesse();
                    if (QWidget* l = Flaeche(d)) {
                        for (int i = 0; i < 5; ++i) {
                            QTest::mouseMove(l, AufFlaeche(d, l,
                                                           QPoint(z_.bis(innen.width()),
                                                                  z_.bis(innen.height()))));
                        }
                    }
                }
        }
    }

    // The exercise pane: answers typed and taken, the solution shown.
    void uebung() {
        Uebungsfenster* u = pf().uebung();
        std::vector<QWidget*> ziele;
        for (QWidget* w : u->findChildren<QWidget*>()) {
            if (w->isVisibleTo(u) && w->isEnabled() &&
                (qobject_cast<QLineEdit*>(w) || qobject_cast<QAbstractButton*>(w))) {
                ziele.push_back(w);
            }
        }
        if (ziele.empty()) return;
        QWidget* w = z_.aus(ziele);
        if (auto* feld = qobject_cast<QLineEdit*>(w)) {
            const QString text = z_.ja(0.5) ? QString::number(z_.bis(100)) : z_.text();
            protokoll_("exercise: type \"" + S(text) + "\" into " + S(feld->objectName()));
            textSetzen(feld, text);
            if (z_.ja(0.5)) QTest::keyClick(feld, Qt::Key_Return);
        } else {
            auto* knopf = qobject_cast<QAbstractButton*>(w);
            protokoll_("exercise: press \"" + S(knopf->text()) + "\"");
            knopf->click();
        }
    }

    // --- Dialogs ----------------------------------------------------------------------------

    // Called by the timer: answers the dialog or menu in front, once per dialog, by a queued
    // call, so that a dialog the answer opens gets its own.
    void antworten() {
        if (beschaeftigt_) return;
        if (auto* menue = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
            nachher([this, menue = QPointer<QMenu>(menue)] {
                if (menue) menueWaehlen(menue);
            });
            return;
        }
        QWidget* w = QApplication::activeModalWidget();
        if (!w || !w->isVisible()) return;
        std::erase_if(gesehen_, [](const auto& g) { return g.first.isNull(); });
        auto it = std::find_if(gesehen_.begin(), gesehen_.end(),
                               [w](const auto& g) { return g.first == w; });
        if (it == gesehen_.end()) it = gesehen_.insert(gesehen_.end(), {QPointer<QWidget>(w), 0});
        const int mal = ++it->second;
        if (mal > 1 && !qobject_cast<QProgressDialog*>(w)) {
            // Still open after its answer (OK was not enabled, a path refused): give up.
            if (mal % 4 == 0) {
                protokoll_("  dialog still open, cancel");
                nachher([w = QPointer<QWidget>(w)] {
                    if (!w) return;
                    if (auto* box = qobject_cast<QMessageBox*>(w)) {
                        if (box->escapeButton()) {
                            box->escapeButton()->click();
                            return;
                        }
                        if (!box->buttons().isEmpty()) {
                            box->buttons().first()->click();
                            return;
                        }
                    }
                    if (auto* d = qobject_cast<QDialog*>(w)) d->reject();
                });
            }
            return;
        }
        nachher([this, w = QPointer<QWidget>(w)] {
            if (w) dialogBeantworten(w);
        });
    }

    void nachher(std::function<void()> tun) {
        beschaeftigt_ = true;
        QMetaObject::invokeMethod(
            qApp,
            [this, tun = std::move(tun)] {
                beschaeftigt_ = false;
                tun();
            },
            Qt::QueuedConnection);
    }

    void menueWaehlen(QMenu* menue) {
        std::vector<QAction*> wahl;
        for (QAction* a : menue->actions()) {
            if (!a->isSeparator() && a->isEnabled() && a->isVisible()) wahl.push_back(a);
        }
        if (wahl.empty() || z_.ja(0.1)) {
            protokoll_("  menu closed");
            menue->close();
            return;
        }
        QAction* a = z_.aus(wahl);
        protokoll_("  menu chooses \"" + S(a->text()) + "\"");
        menue->setActiveAction(a);
        QTest::keyClick(menue, Qt::Key_Return);
    }

    void dialogBeantworten(QWidget* w) {
        const std::string titel = S(w->windowTitle());
        if (auto* box = qobject_cast<QMessageBox*>(w)) {
            const auto knoepfe = box->buttons();
            if (knoepfe.isEmpty()) return;
            QAbstractButton* k = knoepfe[z_.bis(int(knoepfe.size()))];
            protokoll_("  message \"" + S(box->text()) + "\": " + S(k->text()));
            k->click();
        } else if (auto* form = qobject_cast<Eintragsformular*>(w)) {
            formularAusfuellen(form);
        } else if (auto* aufgabe = qobject_cast<Aufgabenformular*>(w)) {
            aufgabeAusfuellen(aufgabe);
        } else if (auto* datei = qobject_cast<QFileDialog*>(w)) {
            dateiWaehlen(datei);
        } else if (auto* druck = qobject_cast<QPrintDialog*>(w)) {
            druckenInDatei(druck);
        } else if (auto* fort = qobject_cast<QProgressDialog*>(w)) {
            if (z_.ja(0.3)) {
                protokoll_("  progress: cancel");
                fort->cancel();
            }
        } else if (auto* d = qobject_cast<QDialog*>(w)) {
            // Any other small dialog (the lower limit, the altitude, the hand-ins): random
            // texts into its fields, then OK or Cancel.
            for (QLineEdit* feld : d->findChildren<QLineEdit*>()) {
                if (feld->isVisible() && z_.ja(0.7)) {
                    const QString text = z_.ja(0.5) ? QString::number(z_.bis(60) - 50) : z_.text();
                    protokoll_("  \"" + titel + "\": type \"" + S(text) + "\"");
                    textSetzen(feld, text);
                }
            }
            if (z_.ja(0.3)) {
                protokoll_("  \"" + titel + "\": cancel");
                d->reject();
            } else {
                protokoll_("  \"" + titel + "\": Enter");
                QTest::keyClick(d, Qt::Key_Return);
            }
        } else {
            protokoll_("  \"" + titel + "\": closed");
            w->close();
        }
    }

    // A task: a state or process of the project with a sound tolerance and points, or random
    // texts; then OK, which a refused task leaves disabled, or Escape.
    void aufgabeAusfuellen(Aufgabenformular* form) {
        const std::string titel = S(form->windowTitle());
        if (z_.ja(0.6)) {
            if (form->text()->text().isEmpty()) textSetzen(form->text(), "Frage");
            if (form->name()->count() > 0)
                form->name()->setCurrentIndex(z_.bis(form->name()->count()));
            form->groesse()->setCurrentIndex(z_.bis(form->groesse()->count()));
            textSetzen(form->toleranz(), "0.5");
            protokoll_("  \"" + titel + "\": " + S(form->name()->currentText()) + ", " +
                       S(form->groesse()->currentText()));
        } else {
            for (QLineEdit* feld : form->findChildren<QLineEdit*>()) {
                if (!feld->isVisible() || !z_.ja(0.5)) continue;
                const QString text = z_.ja(0.3) ? z_.name() : z_.text();
                protokoll_("  \"" + titel + "\": type \"" + S(text) + "\"");
                textSetzen(feld, text);
            }
        }
        if (z_.ja(0.2)) {
            protokoll_("  \"" + titel + "\": Escape");
            QTest::keyClick(form, Qt::Key_Escape);
        } else {
            protokoll_("  \"" + titel + "\": OK" + (form->ok()->isEnabled() ? "" : " (refused)"));
            form->ok()->click();
        }
    }

    void formularAusfuellen(Eintragsformular* form) {
        const Plan plan = plan_.value_or(z_.ja(0.5) ? Plan::Gueltig : static_cast<Plan>(z_.bis(3)));
        const std::string titel = S(form->windowTitle());
        if (plan == Plan::Abbrechen) {
            protokoll_("  \"" + titel + "\": Escape");
            QTest::keyClick(form, Qt::Key_Escape);
            return;
        }
        if (plan == Plan::Zufall) {
            for (QComboBox* c : form->findChildren<QComboBox*>()) {
                if (c->isVisible() && c->count() > 0 && z_.ja(0.2)) {
                    c->setCurrentIndex(z_.bis(c->count()));
                    protokoll_("  \"" + titel + "\": choose \"" + S(c->currentText()) + "\"");
                }
            }
            for (QLineEdit* feld : form->findChildren<QLineEdit*>()) {
                if (!feld->isVisible() || !z_.ja(0.5)) continue;
                const QString text = z_.ja(0.2) ? z_.name() : z_.text();
                protokoll_("  \"" + titel + "\": type \"" + S(text) + "\"");
                textSetzen(feld, text);
            }
        } else if (plan == Plan::Gueltig && qobject_cast<Wetterjahrformular*>(form)) {
            wetterjahrAusfuellen(static_cast<Wetterjahrformular*>(form));
        } else if (plan == Plan::Gueltig) {
            // Empty fields get plausible numbers; names are new ones.
            static const std::vector<QString> kWerte = {"20", "50", "5", "0.5", "8000", "30"};
            for (QLineEdit* feld : form->findChildren<QLineEdit*>()) {
                if (!feld->isVisible() || !feld->text().isEmpty()) continue;
                textSetzen(feld, z_.aus(kWerte));
            }
            QLineEdit* name = nullptr;
            if (auto* f = qobject_cast<Zustandsformular*>(form)) name = f->name();
            if (auto* f = qobject_cast<Prozessformular*>(form)) name = f->nach();
            if (auto* f = qobject_cast<Zonenformular*>(form)) name = f->name();
            if (name && z_.ja(0.5)) textSetzen(name, "R" + QString::number(z_.bis(1000)));
        }
        QPushButton* ok = nullptr;
        if (auto* knoepfe = form->findChild<QDialogButtonBox*>()) {
            ok = knoepfe->button(QDialogButtonBox::Ok);
        }
        bestaetigt_ = ok && ok->isEnabled();
        if (z_.ja(0.5) || !ok) {
            protokoll_("  \"" + titel + "\": Enter" + (bestaetigt_ ? "" : " (OK disabled)"));
            QWidget* ziel = QApplication::focusWidget();
            QTest::keyClick(ziel && form->isAncestorOf(ziel) ? ziel : form, Qt::Key_Return);
        } else {
            protokoll_("  \"" + titel + "\": click OK" + (bestaetigt_ ? "" : " (disabled)"));
            QTest::mouseClick(ok, Qt::LeftButton);
        }
    }

    // Sound settings of a weather year, each part changed or left as it is.
    void wetterjahrAusfuellen(Wetterjahrformular* f) {
        const std::string titel = S(f->windowTitle());
        const auto paar = [&](QLineEdit* von, QLineEdit* bis, int min, int max) {
            if (!z_.ja(0.5)) return;
            const bool leer = z_.ja(0.3);
            const int a = min + z_.bis(max - min + 1);
            int b = min + z_.bis(max - min + 1);
            if (b == a) b = a == max ? min : a + 1;  // hours of the same clock time keep none
            textSetzen(von, leer ? QString() : QString::number(a));
            textSetzen(bis, leer ? QString() : QString::number(b));
            protokoll_("  \"" + titel + "\": " + S(von->objectName()) + " " + S(von->text()) +
                       " to " + S(bis->text()));
        };
        paar(f->monatVon(), f->monatBis(), 1, 12);
        paar(f->stundeVon(), f->stundeBis(), 0, 24);
        static const std::vector<QString> kBreiten = {"", "0.5", "1", "2", "2,5", "5"};
        for (QLineEdit* feld : {f->dtheta(), f->dx()}) {
            if (z_.ja(0.4)) textSetzen(feld, z_.aus(kBreiten));
        }
        if (z_.ja(0.4)) textSetzen(f->ueberschreitung(), QString::number(z_.bis(30)));
        if (z_.ja(0.5)) f->darstellung()->setCurrentIndex(z_.bis(2));
        protokoll_("  \"" + titel + "\": widths " + S(f->dtheta()->text()) + "/" +
                   S(f->dx()->text()) + ", k " + S(f->ueberschreitung()->text()) + ", " +
                   S(f->darstellung()->currentText()));
    }

    void dateiWaehlen(QFileDialog* d) {
        if (z_.ja(0.25)) {
            protokoll_("  file dialog \"" + S(d->windowTitle()) + "\": cancel");
            d->reject();
            return;
        }
        QDir ordner(ordner_);
        QString pfad;
        if (d->fileMode() == QFileDialog::Directory) {
            pfad = z_.ja(0.8) ? ordner_ : ordner.filePath("fehlt");
        } else if (d->acceptMode() == QFileDialog::AcceptOpen) {
            QStringList dateien = ordner.entryList(QDir::Files);
            dateien << "fehlt.lumora";
            // An import takes mostly files of series, which the saved charts would crowd out.
            if (d->windowTitle().startsWith("Messreihe") && z_.ja(0.7)) {
                dateien = ordner.entryList({"*.csv", "*.dat"}, QDir::Files);
            }
            pfad = ordner.filePath(dateien[z_.bis(int(dateien.size()))]);
        } else {
            static const std::vector<QString> kEndungen = {".lumora", ".png", ".svg",   ".pdf",
                                                           "",        ".txt", ".lumora"};
            const QString name = "gespeichert" + QString::number(z_.bis(4)) + z_.aus(kEndungen);
            pfad = z_.ja(0.1) ? ordner.filePath("fehlt/" + name) : ordner.filePath(name);
        }
        protokoll_("  file dialog \"" + S(d->windowTitle()) +
                   "\": " + S(QDir(ordner_).relativeFilePath(pfad)));
        // Typed in full, as the file name field takes a path.
        if (auto* feld = d->findChild<QLineEdit*>("fileNameEdit")) {
            feld->setText(pfad);
        } else {
            d->selectFile(pfad);
        }
        static_cast<QDialog*>(d)->accept();  // as the button does
    }

    // Never to a real printer: to a PDF file in the temporary folder, or cancelled.
    void druckenInDatei(QPrintDialog* d) {
        auto* drucker = d->findChild<QComboBox*>("printers");
        auto* datei = d->findChild<QLineEdit*>("filename");
        int pdf = -1;
        for (int i = 0; drucker && i < drucker->count(); ++i) {
            if (drucker->itemText(i).contains("PDF") || drucker->itemText(i).contains("File")) {
                pdf = i;
            }
        }
        if (!drucker || !datei || pdf < 0 || z_.ja(0.5)) {
            protokoll_("  print dialog: cancel");
            d->reject();
            return;
        }
        drucker->setCurrentIndex(pdf);
        datei->setText(QDir(ordner_).filePath("druck.pdf"));
        protokoll_("  print dialog: print to druck.pdf");
        d->accept();
    }

    Anwendung app_;
    Zufall z_;

  public:
    static inline bool mehrdeutig_ = false;  // Qt said a shortcut is ambiguous

  private:
    Protokoll protokoll_;
    QString ordner_;
    QTimer waechter_;
    bool beschaeftigt_ = false;
    std::vector<std::pair<QPointer<QWidget>, int>> gesehen_;  // dialogs and their answers
    std::optional<Plan> plan_;
    bool bestaetigt_ = false;
    std::string grundlage_;
    bool grundlageGueltig_ = false;
};

std::uint64_t ZahlAusUmgebung(const char* name, std::uint64_t sonst) {
    const QByteArray wert = qgetenv(name);
    bool ok = false;
    const qulonglong n = wert.toULongLong(&ok);
    return ok ? n : sonst;
}

TEST(Roboter, ACarelessUserNeitherCrashesNorBreaksTheProject) {
    const std::uint64_t seed = ZahlAusUmgebung(
        "LUMORA_ROBOTER_SEED",
        static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count()));
    const auto anzahl = ZahlAusUmgebung("LUMORA_ROBOTER_AKTIONEN", 300);
    std::fprintf(stderr, "Roboter: LUMORA_ROBOTER_SEED=%llu LUMORA_ROBOTER_AKTIONEN=%llu\n",
                 static_cast<unsigned long long>(seed), static_cast<unsigned long long>(anzahl));
    AbsturzBerichten();
    // A shortcut that two actions of one window claim does nothing at all: Qt only says so.
    static QtMessageHandler vorher = nullptr;
    vorher = qInstallMessageHandler(
        [](QtMsgType art, const QMessageLogContext& ort, const QString& text) {
            if (text.contains("Ambiguous shortcut")) Roboter::mehrdeutig_ = true;
            if (vorher) vorher(art, ort, text);
        });

    // Everything the program writes goes to a folder of its own: files, the recovery file,
    // the examples it offers.
    QTemporaryDir tmp;
    ASSERT_TRUE(tmp.isValid());
    QDir wurzel(tmp.path());
    for (const char* d : {"dateien", "daten", "system/lumora/beispiele"}) wurzel.mkpath(d);
    // The dialogs start in the home folder and the working folder: both the temporary one.
    qputenv("HOME", tmp.path().toUtf8());
    const QString arbeitsordner = QDir::currentPath();
    QDir::setCurrent(tmp.path());
    qputenv("XDG_DATA_HOME", wurzel.filePath("daten").toUtf8());
    qputenv("XDG_DATA_DIRS", wurzel.filePath("system").toUtf8());
    const QDir dateien(wurzel.filePath("dateien"));
    QStringList beispiele;
    for (const QFileInfo& f : QDir(LUMORA_BEISPIELE).entryInfoList({"*.lumora"}, QDir::Files)) {
        QFile::copy(f.absoluteFilePath(),
                    wurzel.filePath("system/lumora/beispiele/" + f.fileName()));
        QFile::copy(f.absoluteFilePath(), dateien.filePath(f.fileName()));
        beispiele << dateien.filePath(f.fileName());
    }
    ASSERT_FALSE(beispiele.isEmpty());
    // Files to import and to open that are no projects.
    QFile csv(dateien.filePath("messung.csv"));
    ASSERT_TRUE(csv.open(QIODevice::WriteOnly));
    csv.write(
        "Datum/Uhrzeit;Temperatur [°C];rel. Feuchte [%]\n"
        "01.07.2024 10:00;24,5;55\n01.07.2024 11:00;26;50\n01.07.2024 12:00;abc;50\n"
        "01.07.2024 13:00;28;48\n");
    csv.close();
    // A weather year, at a pressure the charts do not have, so that the import asks.
    QFile wetter(dateien.filePath("wetter.dat"));
    ASSERT_TRUE(wetter.open(QIODevice::WriteOnly));
    wetter.write("Hoehenlage : 540 Meter ueber NN\n\nMM DD HH t p x\n***\n");
    for (int stunde = 1; stunde <= 48; ++stunde) {
        wetter.write(QString("%1 %2 %3 %4 950 %5\n")
                         .arg(stunde % 12 + 1)
                         .arg(stunde / 24 + 1)
                         .arg((stunde - 1) % 24 + 1)
                         .arg(5 + stunde * 0.5)
                         .arg(3 + (stunde % 7) * 0.8)
                         .toUtf8());
    }
    wetter.write("13 1 1 20 950 5\n");  // a month that is none: skipped and said
    wetter.close();
    QFile kaputt(dateien.filePath("kaputt.lumora"));
    ASSERT_TRUE(kaputt.open(QIODevice::WriteOnly));
    kaputt.write("{\"lumora\": 1, \"eingabe\": [");
    kaputt.close();

    Roboter roboter(seed, dateien.path());
    Zufall wahl(seed ^ 0x5bd1e995u);
    roboter.starten(beispiele[wahl.bis(int(beispiele.size()))]);
    Wachhund wachhund(std::chrono::seconds(90));
    for (std::uint64_t i = 0; i < anzahl && !testing::Test::HasFailure(); ++i) {
        if (!roboter.schritt()) break;
        wachhund.weiter();
    }
    if (!testing::Test::HasFailure()) roboter.allesZurueck();
    if (testing::Test::HasFailure()) AusgabeSchreiben();
    roboter.anwendung().sitzung().wiederherstellungLoeschen();
    QDir::setCurrent(arbeitsordner);
    // Threads that dialogs started end before the leak check stops the world at exit.
    QThreadPool::globalInstance()->waitForDone();
}

}  // namespace
}  // namespace lumora
