// Starts the program the way main() does, in the language the environment's locale chooses
// (ctest runs this binary once under LANG=en_US.UTF-8 and once under LANG=de_DE.UTF-8), opens
// every menu command, form and message of the project and chart windows, and reads what they
// show: under English no German word may be left, under German no English one.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPointer>
#include <QRegularExpression>
#include <QSet>
#include <QSettings>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <QXmlStreamReader>
#include <algorithm>
#include <functional>
#include <map>
#include <nlohmann/json.hpp>

#include "bild/zeichnung.h"
#include "datei/sprache.h"
#include "ui/anwendung.h"
#include "ui/diagrammfenster.h"

namespace lumora {
namespace {

Sprache Erwartet() {
    return qgetenv("LUMORA_ERWARTET") == "en" ? Sprache::Englisch : Sprache::Deutsch;
}

// The words of a text: letters only, at least three of them, as written.
QStringList Woerter(const QString& text) {
    static const QRegularExpression wort(QStringLiteral("\\p{L}{3,}"));
    QStringList woerter;
    for (auto it = wort.globalMatch(text); it.hasNext();) woerter << it.next().captured();
    return woerter;
}

// The words that belong to one language only: those of the German texts in the translation
// file that no English text uses, and the other way round.
struct Wortschatz {
    QSet<QString> nurDeutsch;
    QSet<QString> nurEnglisch;
};

Wortschatz WortschatzLesen() {
    QFile datei(QStringLiteral(LUMORA_TS));
    EXPECT_TRUE(datei.open(QIODevice::ReadOnly)) << LUMORA_TS;
    QSet<QString> deutsch, englisch;
    QXmlStreamReader xml(&datei);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        if (xml.name() == QLatin1String("source")) {
            for (const QString& w : Woerter(xml.readElementText())) deutsch.insert(w);
        } else if (xml.name() == QLatin1String("translation")) {
            for (const QString& w : Woerter(xml.readElementText())) englisch.insert(w);
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return {deutsch - englisch, englisch - deutsch};
}

QString OhneAuszeichnung(QString text) {
    static const QRegularExpression tag(QStringLiteral("<[^>]*>"));
    return text.remove(tag).remove(QLatin1Char('&'));
}

// Every text the example projects hold (titles, notes, names, the tasks of an exercise): the
// user's own words, which stay as written in every language.
QStringList TexteDerBeispiele() {
    QStringList texte;
    std::function<void(const nlohmann::ordered_json&)> sammeln = [&](const auto& j) {
        if (j.is_string()) texte << QString::fromStdString(j.template get<std::string>());
        if (j.is_structured()) {
            for (const auto& wert : j) sammeln(wert);
        }
    };
    for (const QFileInfo& datei : QDir(QStringLiteral(LUMORA_BEISPIELE))
                                      .entryInfoList({QStringLiteral("*.lumora")}, QDir::Files)) {
        QFile f(datei.filePath());
        if (f.open(QIODevice::ReadOnly)) {
            sammeln(nlohmann::ordered_json::parse(f.readAll().toStdString(), nullptr, false));
        }
    }
    // The longest first, so that a title is taken out before a name inside it.
    std::sort(texte.begin(), texte.end(),
              [](const QString& a, const QString& b) { return a.size() > b.size(); });
    texte.removeAll(QString());
    return texte;
}

// Everything a window shows in words, with where it stands.
class Texte {
  public:
    void lesen(QWidget* fenster) {
        const QString wo = fenster->metaObject()->className();
        if (fenster->isWindow()) add(wo + " title", fenster->windowTitle());
        QList<QWidget*> alle = fenster->findChildren<QWidget*>();
        alle.prepend(fenster);
        for (QWidget* w : alle) {
            const QString ort = wo + "/" + w->metaObject()->className();
            add(ort + " tooltip", w->toolTip());
            for (QAction* a : w->actions()) aktion(ort, a);
            if (auto* l = qobject_cast<QLabel*>(w)) add(ort, l->text());
            if (auto* b = qobject_cast<QAbstractButton*>(w)) add(ort, b->text());
            if (auto* g = qobject_cast<QGroupBox*>(w)) add(ort, g->title());
            if (auto* e = qobject_cast<QLineEdit*>(w)) add(ort, e->placeholderText());
            if (auto* t = qobject_cast<QTabBar*>(w)) {
                for (int i = 0; i < t->count(); ++i) add(ort + " tab", t->tabText(i));
            }
            if (auto* c = qobject_cast<QComboBox*>(w); c && !c->isEditable()) {
                for (int i = 0; i < c->count(); ++i) add(ort + " item", c->itemText(i));
            }
            if (auto* m = qobject_cast<QMenuBar*>(w)) {
                for (QAction* a : m->actions()) aktion(ort, a);
            }
            if (auto* box = qobject_cast<QMessageBox*>(w)) add(ort, box->informativeText());
            if (auto* v = qobject_cast<QAbstractItemView*>(w); v && v->model()) {
                for (int s = 0; s < v->model()->columnCount(); ++s) {
                    add(ort + " header", v->model()->headerData(s, Qt::Horizontal).toString());
                    add(ort + " header tooltip",
                        v->model()->headerData(s, Qt::Horizontal, Qt::ToolTipRole).toString());
                }
            }
        }
    }

    void add(const QString& ort, const QString& text) {
        const QString sauber = OhneAuszeichnung(text).trimmed();
        // A path of the file dialogs is the user's, in no language.
        if (sauber.isEmpty() || QFileInfo::exists(sauber)) return;
        texte_.emplace(sauber, ort);
    }

    // The texts that use a word of `fremd`, each with the first such word and its place. The
    // texts of the projects' own, `daten`, are taken out first.
    QStringList mitWortAus(const QSet<QString>& fremd, const QStringList& daten) const {
        QStringList funde;
        for (const auto& [text, ort] : texte_) {
            QString eigenes = text;
            for (const QString& d : daten) eigenes.replace(d, QStringLiteral(" "));
            for (const QString& w : Woerter(eigenes)) {
                if (fremd.contains(w)) {
                    funde << QStringLiteral("%1: \"%2\" (%3)").arg(ort, text, w);
                    break;
                }
            }
        }
        return funde;
    }

    bool enthaelt(const QString& text) const { return texte_.count(text) > 0; }
    bool enthaeltTeil(const QString& teil) const {
        return std::any_of(texte_.begin(), texte_.end(),
                           [&teil](const auto& t) { return t.first.contains(teil); });
    }
    std::size_t anzahl() const { return texte_.size(); }

  private:
    void aktion(const QString& ort, QAction* a) {
        if (a->isSeparator()) return;
        add(ort + " action", a->text());
        add(ort + " action tooltip",
            a->toolTip() == OhneAuszeichnung(a->text()) ? QString() : a->toolTip());
        if (QMenu* m = a->menu()) {
            add(ort + " menu", m->title());
            for (QAction* b : m->actions()) aktion(ort + "/" + m->title(), b);
        }
    }

    std::map<QString, QString> texte_;
};

class Sprachen : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(AktiveSprache(), Erwartet()) << "the locale did not choose the language";
        anwendung_ = std::make_unique<Anwendung>();
        anwendung_->starten();
    }
    void TearDown() override {
        anwendung_.reset();
        for (QWidget* w : QApplication::topLevelWidgets()) w->close();
        QCoreApplication::processEvents();
    }

    void oeffnen(const char* beispiel) {
        ASSERT_TRUE(anwendung_->oeffnen(QStringLiteral(LUMORA_BEISPIELE "/") + beispiel));
        QCoreApplication::processEvents();
    }

    // Reads every window that is open, and every modal one that `tun` opens: each is read
    // and then answered with its escape, so that nothing waits for a user.
    void lesenWaehrend(const std::function<void()>& tun) {
        QTimer waechter;
        waechter.setInterval(20);
        QObject::connect(&waechter, &QTimer::timeout, [this] {
            QWidget* offen = QApplication::activeModalWidget();
            if (!offen) offen = QApplication::activePopupWidget();
            if (!offen) return;
            texte_.lesen(offen);
            if (auto* box = qobject_cast<QMessageBox*>(offen)) {
                // Its escape, or else closed without an answer, as a window manager does.
                if (QAbstractButton* k = box->escapeButton()) {
                    k->click();
                } else {
                    box->done(0);
                }
                return;
            }
            if (auto* dialog = qobject_cast<QDialog*>(offen)) {
                dialog->reject();
            } else {
                offen->close();
            }
        });
        waechter.start();
        tun();
        QTest::qWait(50);
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w->isVisible()) texte_.lesen(w);
        }
        waechter.stop();
    }

    // The chart window: its context menu, and the read-out box over a grid of places on the
    // canvas, in the fog, on ice and in the frequency map's classes where the chart has them.
    void diagrammLesen() {
        Diagrammfenster* fenster = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (auto* d = qobject_cast<Diagrammfenster*>(w); d && d->isVisible()) fenster = d;
        }
        ASSERT_NE(fenster, nullptr);
        const QSize innen = Innengroesse();
        for (int i = 1; i < 10; ++i) {
            for (int k = 1; k < 10; ++k) {
                fenster->ablesen(QPointF(innen.width() * i / 10.0, innen.height() * k / 10.0));
                texte_.lesen(fenster);
            }
        }
        const QPoint mitte = fenster->rect().center();
        lesenWaehrend([fenster, mitte] {
            QContextMenuEvent menue(QContextMenuEvent::Mouse, mitte, fenster->mapToGlobal(mitte));
            QApplication::sendEvent(fenster, &menue);
        });
    }

    // Triggers every command of the project window's menus but those that end the program,
    // reading what each one opens.
    void jedenBefehlAusfuehren() {
        std::vector<QPointer<QAction>> befehle;
        std::function<void(QMenu*)> sammeln = [&](QMenu* m) {
            for (QAction* a : m->actions()) {
                if (a->menu()) {
                    sammeln(a->menu());
                } else if (!a->isSeparator() && a->objectName() != QLatin1String("beenden") &&
                           a->objectName() != QLatin1String("schliessen")) {
                    befehle.emplace_back(a);
                }
            }
        };
        for (QAction* a : anwendung_->projektfenster().menuBar()->actions()) {
            if (a->menu()) sammeln(a->menu());
        }
        for (const QPointer<QAction>& a : befehle) {
            if (a && a->isEnabled()) lesenWaehrend([&a] { a->trigger(); });
        }
    }

    std::unique_ptr<Anwendung> anwendung_;
    Texte texte_;
};

TEST_F(Sprachen, EveryWindowMenuFormAndHeaderSpeaksTheLanguageOfTheLocale) {
    oeffnen("winterfall.lumora");
    lesenWaehrend([] {});
    diagrammLesen();
    jedenBefehlAusfuehren();
    for (const char* beispiel : {"jahresbetrieb.lumora", "wetterjahr.lumora"}) {
        oeffnen(beispiel);
        lesenWaehrend([] {});
        diagrammLesen();
    }
    EXPECT_GT(texte_.anzahl(), 200u) << "too few texts read to judge the language";

    const Wortschatz wortschatz = WortschatzLesen();
    const bool englisch = Erwartet() == Sprache::Englisch;
    const QStringList fremd = texte_.mitWortAus(
        englisch ? wortschatz.nurDeutsch : wortschatz.nurEnglisch, TexteDerBeispiele());
    EXPECT_TRUE(fremd.isEmpty()) << (englisch ? "German" : "English") << " left in " << fremd.size()
                                 << " texts:\n"
                                 << fremd.join('\n').toStdString();
    // The menus, as a user reads them first.
    const QStringList menues =
        englisch ? QStringList{"Project", "Edit", "View", "Help", "Language"}
                 : QStringList{"Projekt", "Bearbeiten", "Ansicht", "Hilfe", "Sprache"};
    for (const QString& menue : menues) {
        EXPECT_TRUE(texte_.enthaelt(menue)) << menue.toStdString();
    }
    // The chart's context menu, and the read-out in the fog and in a frequency map's class.
    const QStringList diagramm =
        englisch ? QStringList{"Add State Here", "Fog region", "Class "}
                 : QStringList{"Zustand hier eintragen", "Nebelgebiet", "Klasse "};
    for (const QString& teil : diagramm) {
        EXPECT_TRUE(texte_.enthaeltTeil(teil)) << teil.toStdString();
    }
}

TEST_F(Sprachen, RefusedPressSaysWhyInTheLanguageOfTheLocale) {
    anwendung_->dialog().feld(Feld::Thetamax)->setText(QStringLiteral("abc"));
    lesenWaehrend([this] { anwendung_->dialog().knopf()->click(); });
    const bool englisch = Erwartet() == Sprache::Englisch;
    const Wortschatz wortschatz = WortschatzLesen();
    const QStringList fremd = texte_.mitWortAus(
        englisch ? wortschatz.nurDeutsch : wortschatz.nurEnglisch, TexteDerBeispiele());
    EXPECT_TRUE(fremd.isEmpty()) << fremd.join('\n').toStdString();
    EXPECT_TRUE(texte_.enthaelt(englisch ? QStringLiteral("ϑmax: “abc” is not a number.")
                                         : QStringLiteral("ϑmax: „abc“ ist keine Zahl.")));
}

TEST_F(Sprachen, HelpShowsTheManualOfTheLanguage) {
    QAction* handbuch = anwendung_->projektfenster().aktion("handbuch");
    ASSERT_NE(handbuch, nullptr);
    handbuch->trigger();
    auto* browser = anwendung_->projektfenster().findChild<QTextBrowser*>("handbuch");
    ASSERT_NE(browser, nullptr);
    EXPECT_TRUE(browser->isVisible());
    QFile datei(Erwartet() == Sprache::Englisch ? ":/docs/manual.md" : ":/docs/handbuch.md");
    ASSERT_TRUE(datei.open(QIODevice::ReadOnly));
    const QString titel = QString::fromUtf8(datei.readLine()).remove('#').trimmed();
    EXPECT_TRUE(browser->toPlainText().startsWith(titel)) << titel.toStdString();
}

}  // namespace
}  // namespace lumora

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // Settings of this run's own: no choice from the menu overrides the locale.
    QTemporaryDir einstellungen;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, einstellungen.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, einstellungen.path());
    // As the program starts: the language first, then the application.
    lumora::Sprachwahl sprache(lumora::GewuenschteSprache());
    QApplication app(argc, argv);
    sprache.installieren();
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
