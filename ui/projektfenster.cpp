#include "ui/projektfenster.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QHideEvent>
#include <QKeySequence>
#include <QLocale>
#include <QMenuBar>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QSettings>
#include <QShowEvent>
#include <QStandardPaths>
#include <QStatusBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <cmath>

#include "datei/dateifehler.h"
#include "datei/sprache.h"
#include "projekt/bearbeiten.h"
#include "projekt/messreihe.h"
#include "projekt/zone.h"
#include "ui/anlagenseite.h"
#include "ui/fenster.h"
#include "ui/formulare.h"
#include "ui/hilfe.h"
#include "ui/projekttabellen.h"
#include "ui/uebungsfenster.h"
#include "ui/wetterjahrformular.h"

namespace lumora {

namespace {

constexpr int kZuletztHoechstens = 8;
const char* const kDateifilter =
    QT_TRANSLATE_NOOP("lumora::Projektfenster", "Lumora-Projekt (*.lumora)");

// Undo or redo of the history, its text naming the step: "Rückgängig: Löschen".
QAction* VerlaufAktion(QUndoStack& verlauf, bool rueck, QObject* eltern) {
    const QString wort = rueck
                             ? QCoreApplication::translate("lumora::Projektfenster", "Rückgängig")
                             : QCoreApplication::translate("lumora::Projektfenster", "Wiederholen");
    const QString mitSchritt =
        rueck ? QCoreApplication::translate("lumora::Projektfenster", "Rückgängig: %1")
              : QCoreApplication::translate("lumora::Projektfenster", "Wiederholen: %1");
    QAction* a = rueck ? verlauf.createUndoAction(eltern, wort + ":")
                       : verlauf.createRedoAction(eltern, wort + ":");
    // Qt joins the prefix and the step's text; ours, set after, names the step in the
    // language's order, and with no step the word stands alone.
    const auto setzen = [a, wort, mitSchritt](const QString& schritt) {
        a->setText(schritt.isEmpty() ? wort : mitSchritt.arg(schritt));
    };
    QObject::connect(&verlauf, rueck ? &QUndoStack::undoTextChanged : &QUndoStack::redoTextChanged,
                     a, setzen);
    setzen(rueck ? verlauf.undoText() : verlauf.redoText());
    return a;
}

QTableView* Tabelle(QAbstractItemModel* modell, QWidget* eltern, const char* name) {
    auto* t = new QTableView(eltern);
    t->setObjectName(name);
    t->setModel(modell);
    t->setSelectionBehavior(QAbstractItemView::SelectRows);
    t->setAlternatingRowColors(true);
    t->verticalHeader()->setDefaultSectionSize(t->fontMetrics().height() + 6);
    t->horizontalHeader()->setStretchLastSection(true);
    // Columns fit their contents whenever the rows change; a few hundred rows tell enough.
    t->horizontalHeader()->setResizeContentsPrecision(200);
    QObject::connect(modell, &QAbstractItemModel::modelReset, t,
                     &QTableView::resizeColumnsToContents);
    t->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                       QAbstractItemView::AnyKeyPressed);
    return t;
}

// How long the status bar shows a message, in ms.
constexpr int kStatusMs = 8000;

// The states of the session as it stands when a form asks.
Prozessformular::Zustandssuche ZustaendeIn(const Projektsitzung& s) {
    return [&s](const std::string& name) { return ZustandNamens(s.stand(), name); };
}

}  // namespace

Projektfenster::Projektfenster(Projektsitzung& sitzung, Verbindungen verbindungen, QWidget* parent)
    : QMainWindow(parent), s_(sitzung), v_(std::move(verbindungen)) {
    setObjectName("frm_Projekt");
    tabellenAnlegen();
    uebung_ = new Uebungsfenster(
        s_, [this](const QString& pfad) { return schliessenErlaubt() && oeffnen(pfad); }, this);
    addDockWidget(Qt::RightDockWidgetArea, uebung_);
    menuesAnlegen();
    resize(980, 520);
    connect(&s_, &Projektsitzung::titelGeaendert, this, &Projektfenster::titelSetzen);
    connect(&s_, &Projektsitzung::projektGeaendert, this, [this] {
        const QString notiz = QString::fromStdString(s_.projekt().notiz());
        notiz_->setText(notiz);
        notiz_->setVisible(!notiz.isEmpty());
        grenzeZeigen();
    });
    titelSetzen();
}

void Projektfenster::grenzeZeigen() {
    const Grenzvorschlag v = UntereGrenzeFuer(s_.stand());
    grenzvorschlag_ = v.grenze;
    grenze_->setVisible(!v.namen.empty());
    grenzeSenken_->setEnabled(v.grenze.has_value());
    if (v.namen.empty()) return;
    QStringList namen;
    for (const std::string& n : v.namen) namen << tr("„%1“").arg(QString::fromStdString(n));
    QString text = (v.namen.size() == 1 ? tr("%1 liegt unter der unteren Grenze des Diagramms.")
                                        : tr("%1 liegen unter der unteren Grenze des Diagramms."))
                       .arg(namen.join(", "));
    if (!v.grenze) text += " " + tr("Keine untere Grenze bis −50 °C bringt sie ins Diagramm.");
    grenzeText_->setText(text);
    grenzeSenken_->setVisible(v.grenze.has_value());
    grenzeSenken_->setEnabled(v.grenze.has_value());
    if (v.grenze) {
        grenzeSenken_->setText(
            tr("Untere Grenze auf %1 °C senken")
                .arg(QLocale().toString(*v.grenze, 'g', 6).replace('-', QString::fromUtf8("−"))));
    }
}

void Projektfenster::tabellenAnlegen() {
    auto* mitte = new QWidget(this);
    auto* spalte = new QVBoxLayout(mitte);
    notiz_ = new QLabel(mitte);
    notiz_->setObjectName("notiz");
    notiz_->setWordWrap(true);
    notiz_->setStyleSheet(
        "QLabel { background: rgb(255, 250, 225); border: 1px solid rgb(220, 200, 140);"
        " padding: 6px; }");
    notiz_->hide();
    spalte->addWidget(notiz_);
    grenze_ = new QWidget(mitte);
    grenze_->setObjectName("unterGrenze");
    auto* grenzzeile = new QHBoxLayout(grenze_);
    grenzzeile->setContentsMargins(0, 0, 0, 0);
    grenzeText_ = new QLabel(grenze_);
    grenzeText_->setWordWrap(true);
    grenzzeile->addWidget(grenzeText_, 1);
    grenzeSenken_ = new QAction(this);
    grenzeSenken_->setObjectName("grenzeSenken");
    grenzeSenken_->setEnabled(false);
    auto* senken = new QToolButton(grenze_);
    senken->setDefaultAction(grenzeSenken_);
    senken->setToolButtonStyle(Qt::ToolButtonTextOnly);
    grenzzeile->addWidget(senken);
    connect(grenzeSenken_, &QAction::triggered, this, [this] {
        if (!grenzvorschlag_ || !v_.untereGrenzeSetzen) return;
        const QString fehler = v_.untereGrenzeSetzen(*grenzvorschlag_);
        if (!fehler.isEmpty()) meldung(fehler);
    });
    grenze_->hide();
    spalte->addWidget(grenze_);
    reiter_ = new QTabWidget(mitte);
    reiter_->setObjectName("reiter");
    spalte->addWidget(reiter_);
    knoepfe_ = new QHBoxLayout;
    knoepfe_->addStretch();
    spalte->addLayout(knoepfe_);
    setCentralWidget(mitte);

    zustandsmodell_ = new Zustandsmodell(s_, this);
    connect(zustandsmodell_, &Zustandsmodell::ablehnung, this, &Projektfenster::meldung);
    zustaende_ = Tabelle(zustandsmodell_, reiter_, "zustaende");
    reiter_->addTab(zustaende_, tr("Zustände"));

    prozessmodell_ = new Prozessmodell(s_, this);
    prozesse_ = Tabelle(prozessmodell_, reiter_, "prozesse");
    prozesse_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    connect(prozesse_, &QTableView::doubleClicked, this, &Projektfenster::zeileBearbeiten);
    reiter_->addTab(prozesse_, tr("Prozesse"));

    auto* reihen = new Messreihenmodell(s_, this);
    messreihen_ = Tabelle(reihen, reiter_, "messreihen");
    connect(messreihen_, &QTableView::doubleClicked, this, &Projektfenster::zeileBearbeiten);
    reiter_->addTab(messreihen_, tr("Messreihen"));

    auto* zonen = new Zonenmodell(s_, this);
    zonen_ = Tabelle(zonen, reiter_, "zonen");
    zonen_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    connect(zonen_, &QTableView::doubleClicked, this, &Projektfenster::zeileBearbeiten);
    reiter_->addTab(zonen_, tr("Zonen"));

    anlage_ = new Anlagenseite(s_, reiter_);
    reiter_->addTab(anlage_, tr("Anlage"));
}

QAction* Projektfenster::aktionAnlegen(QMenu* menue, const char* name, const QString& text,
                                       const QKeySequence& taste, std::function<void()> tun) {
    QAction* a = menue->addAction(text);
    a->setObjectName(QString::fromUtf8(name));
    a->setShortcut(taste);
    connect(a, &QAction::triggered, this, std::move(tun));
    return a;
}

void Projektfenster::menuesAnlegen() {
    projektmenueAnlegen(menuBar()->addMenu(tr("&Projekt")));
    bearbeitenmenueAnlegen(menuBar()->addMenu(tr("&Bearbeiten")));
    ansichtmenueAnlegen(menuBar()->addMenu(tr("&Ansicht")));
    sprachmenueAnlegen(menuBar()->addMenu(tr("&Sprache")));
    hilfemenueAnlegen(menuBar()->addMenu(tr("&Hilfe")));
}

void Projektfenster::projektmenueAnlegen(QMenu* m) {
    aktionAnlegen(m, "neu", tr("Neu"), QKeySequence::New, [this] { neu(); });
    aktionAnlegen(m, "oeffnen", tr("Öffnen …"), QKeySequence::Open, [this] { oeffnenFragen(); });
    zuletzt_ = m->addMenu(tr("Zuletzt geöffnet"));
    connect(zuletzt_, &QMenu::aboutToShow, this, &Projektfenster::zuletztFuellen);
    aktionAnlegen(m, "speichern", tr("Speichern"), QKeySequence::Save, [this] { speichern(); });
    aktionAnlegen(m, "speichernUnter", tr("Speichern unter …"), QKeySequence::SaveAs,
                  [this] { speichernUnter(); });
    m->addSeparator();
    aktionAnlegen(m, "messreihe", tr("Messreihe importieren …"), QKeySequence(Qt::CTRL | Qt::Key_I),
                  [this] { messreiheImportieren(); });
    aktionAnlegen(m, "exportieren", tr("Exportieren …"), QKeySequence(Qt::CTRL | Qt::Key_E),
                  [this] { v_.diagrammExportieren(); });
    aktionAnlegen(m, "drucken", tr("Drucken …"), QKeySequence::Print,
                  [this] { v_.diagrammDrucken(); });
    m->addAction(uebung_->aufgabeAktion());
    aktionAnlegen(m, "uebungErstellen", tr("Übung erstellen …"), {},
                  [this] { uebung_->erstellen(); });
    aktionAnlegen(m, "abgabenBewerten", tr("Abgaben bewerten …"), {},
                  [this] { uebung_->bewerten(); });
    m->addSeparator();
    aktionAnlegen(m, "schliessen", tr("Schließen"), QKeySequence::Close, [this] { close(); });
    aktionAnlegen(m, "beenden", tr("Beenden"), QKeySequence(Qt::CTRL | Qt::Key_Q),
                  [this] { v_.beenden ? v_.beenden() : void(close()); });
}

void Projektfenster::bearbeitenmenueAnlegen(QMenu* m) {
    QAction* rueck = VerlaufAktion(s_.verlauf(), true, this);
    rueck->setObjectName("rueckgaengig");
    rueck->setShortcut(QKeySequence::Undo);
    m->addAction(rueck);
    QAction* wieder = VerlaufAktion(s_.verlauf(), false, this);
    wieder->setObjectName("wiederholen");
    wieder->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    m->addAction(wieder);
    m->addSeparator();
    aktionAnlegen(m, "zustand", tr("Zustand hinzufügen …"), QKeySequence(Qt::CTRL | Qt::Key_T),
                  [this] { zustandHinzufuegen(); });
    aktionAnlegen(m, "prozess", tr("Prozess hinzufügen …"), QKeySequence(Qt::CTRL | Qt::Key_R),
                  [this] { prozessHinzufuegen(); });
    aktionAnlegen(m, "zone", tr("Zone hinzufügen …"), {}, [this] { zoneHinzufuegen(); });
    aktionAnlegen(m, "wetterjahr", tr("Wetterjahr einstellen …"),
                  QKeySequence(Qt::CTRL | Qt::Key_J), [this] { wetterjahrEinstellen(); });
    aktionAnlegen(m, "anlageHinzufuegen", tr("Anlage hinzufügen"), {}, [this] {
        anlage_->hinzufuegen();
        reiter_->setCurrentWidget(anlage_);
    });
    aktionAnlegen(m, "anlageEntfernen", tr("Anlage entfernen"), {},
                  [this] { anlage_->entfernen(); });
    aktionAnlegen(m, "loeschen", tr("Löschen"), QKeySequence::Delete, [this] { loeschen(); });
    // Moving rows: in the menu and as buttons under the tables.
    for (const bool hoch : {true, false}) {
        QAction* a =
            aktionAnlegen(m, hoch ? "hoch" : "runter", hoch ? tr("Nach oben") : tr("Nach unten"),
                          QKeySequence(Qt::ALT | (hoch ? Qt::Key_Up : Qt::Key_Down)),
                          [this, hoch] { zeileVerschieben(hoch); });
        auto* knopf = new QToolButton(this);
        knopf->setDefaultAction(a);
        knopf->setToolButtonStyle(Qt::ToolButtonTextOnly);
        knopf->setToolTip(a->text() + " (" + a->shortcut().toString(QKeySequence::NativeText) +
                          ")");
        knoepfe_->addWidget(knopf);
    }
    m->addSeparator();
    aktionAnlegen(m, "hoehe", tr("Gesamtdruck aus Höhe …"), {}, [this] { gesamtdruckAusHoehe(); });
}

void Projektfenster::ansichtmenueAnlegen(QMenu* m) {
    aktionAnlegen(m, "eingaben", tr("Eingaben ändern …"), QKeySequence(Qt::Key_F2),
                  [this] { v_.eingabenZeigen(); });
    // The chart window's context menu offers these same actions.
    aktionAnlegen(m, "untereGrenze", tr("Untere Grenze …"), {}, [this] {
        if (v_.untereGrenzeFragen) v_.untereGrenzeFragen();
    });
    QAction* rand = m->addAction(tr("Randmaßstab"));
    rand->setObjectName("randmassstab");
    rand->setCheckable(true);
    connect(rand, &QAction::triggered, this, [this](bool an) { s_.setRandmassstab(an); });
    connect(&s_, &Projektsitzung::projektGeaendert, rand,
            [this, rand] { rand->setChecked(s_.projekt().randmassstab()); });
    // On from the start: the chart places them only where they have room.
    QAction* enthalpie = m->addAction(tr("Enthalpieetiketten"));
    enthalpie->setObjectName("enthalpieetiketten");
    enthalpie->setCheckable(true);
    enthalpie->setChecked(true);
    m->addAction(uebung_->loesungAktion());
}

void Projektfenster::hilfemenueAnlegen(QMenu* m) {
    aktionAnlegen(m, "handbuch", tr("Handbuch"), QKeySequence::HelpContents,
                  [this] { HandbuchZeigen(this); });
    aktionAnlegen(m, "tastenkuerzel", tr("Tastenkürzel"), {},
                  [this] { TastenkuerzelZeigen(this); });
    beispieleAnlegen(m);
    m->addSeparator();
    aktionAnlegen(m, "ueber", tr("Über Lumora"), {}, [this] { UeberLumoraZeigen(this); });
}

void Projektfenster::sprachmenueAnlegen(QMenu* m) {
    m->setObjectName("sprachmenue");
    // Each language by its own name, in both languages alike.
    auto* gruppe = new QActionGroup(m);
    gruppe->setExclusive(true);
    for (const auto& [sprache, name, text] :
         {std::tuple{Sprache::Deutsch, "deutsch", tr("Deutsch")},
          std::tuple{Sprache::Englisch, "englisch", tr("English")}}) {
        QAction* a = m->addAction(text);
        a->setObjectName(name);
        a->setCheckable(true);
        a->setChecked(sprache == AktiveSprache());
        gruppe->addAction(a);
        // A copy: clang before 16, which the lifetime check parses with, cannot capture a
        // structured binding in a lambda.
        const Sprache gewaehlt = sprache;
        connect(a, &QAction::triggered, this, [this, gewaehlt] { spracheWaehlen(gewaehlt); });
    }
}

void Projektfenster::spracheWaehlen(Sprache sprache) {
    if (sprache == GewuenschteSprache()) return;  // what the next start brings anyway
    SpracheWaehlen(sprache);
    // Back to the language the windows speak, nothing changes.
    if (sprache == AktiveSprache()) return;
    // Told without waiting for an answer: the windows go on as they are until the next start.
    auto* box = new QMessageBox(QMessageBox::Information, "Lumora",
                                tr("Die Sprache wechselt beim nächsten Start von Lumora."),
                                QMessageBox::Ok, this);
    box->setObjectName("sprachhinweis");
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

QString Beispielname(const QString& pfad) {
    // The examples that come with the program by file, with their names to translate; their
    // notes stay as the files have them.
    static constexpr std::pair<const char*, const char*> kNamen[] = {
        {"jahresbetrieb", QT_TRANSLATE_NOOP("lumora::Projektfenster", "Jahresbetrieb")},
        {"mischungsnebel", QT_TRANSLATE_NOOP("lumora::Projektfenster", "Mischungsnebel")},
        {"sommerfall", QT_TRANSLATE_NOOP("lumora::Projektfenster", "Sommerfall")},
        {"uebung-sommerfall", QT_TRANSLATE_NOOP("lumora::Projektfenster",
                                                "Übung: Sommerfall – Mischen, Kühlen, Nachheizen")},
        {"uebung-sommerfall-loesung",
         QT_TRANSLATE_NOOP("lumora::Projektfenster",
                           "Lösung: Sommerfall – Mischen, Kühlen, Nachheizen")},
        {"wetterjahr", QT_TRANSLATE_NOOP("lumora::Projektfenster", "Wetterjahr")},
        {"winterfall", QT_TRANSLATE_NOOP("lumora::Projektfenster", "Winterfall")},
    };
    const QString datei = QFileInfo(pfad).completeBaseName();
    for (const auto& [name, text] : kNamen) {
        if (datei == QLatin1String(name)) {
            return QCoreApplication::translate("lumora::Projektfenster", text);
        }
    }
    return Beispieltitel(pfad);
}

void Projektfenster::beispieleAnlegen(QMenu* hilfe) {
    // The examples that come with the program, opened as new projects.
    QMenu* beispiele = hilfe->addMenu(tr("Beispiele"));
    const QStringList orte = QStandardPaths::locateAll(
        QStandardPaths::GenericDataLocation, "lumora/beispiele", QStandardPaths::LocateDirectory);
    QStringList ordner = orte;
    ordner << QCoreApplication::applicationDirPath() + "/../share/lumora/beispiele";
    for (const QString& o : ordner) {
        const QFileInfoList dateien = QDir(o).entryInfoList({"*.lumora"}, QDir::Files, QDir::Name);
        if (dateien.isEmpty()) continue;
        for (const QFileInfo& d : dateien) {
            QAction* a = beispiele->addAction(Beispielname(d.absoluteFilePath()));
            const QString pfad = d.absoluteFilePath();
            connect(a, &QAction::triggered, this, [this, pfad] {
                if (schliessenErlaubt()) oeffnen(pfad, true);
            });
        }
        break;
    }
    beispiele->setEnabled(!beispiele->isEmpty());
}

QAction* Projektfenster::aktion(const char* name) const {
    return findChild<QAction*>(QString::fromUtf8(name));
}

void Projektfenster::titelSetzen() {
    // Qt shows "[*]" as the "*" of unsaved changes; a "[*]" of the file name itself is
    // doubled, which Qt shows as it is.
    setWindowTitle(
        tr("Lumora - Zustände und Prozesse - %1").arg(s_.titelname().replace("[*]", "[*][*]")) +
        "[*]");
    setWindowModified(s_.geaendert());
}

void Projektfenster::meldung(const QString& text) { QMessageBox::warning(this, "Lumora", text); }

bool Projektfenster::schliessenErlaubt() {
    if (!s_.geaendert() || s_.leer()) return true;
    QMessageBox frage(QMessageBox::Question, "Lumora",
                      tr("Das Projekt „%1“ hat ungespeicherte Änderungen.").arg(s_.titelname()),
                      QMessageBox::NoButton, this);
    QPushButton* sichern = frage.addButton(tr("Speichern"), QMessageBox::AcceptRole);
    QPushButton* verwerfen = frage.addButton(tr("Verwerfen"), QMessageBox::DestructiveRole);
    frage.addButton(tr("Abbrechen"), QMessageBox::RejectRole);
    frage.setDefaultButton(sichern);
    frage.exec();
    if (frage.clickedButton() == sichern) return speichern();
    if (frage.clickedButton() == verwerfen) {
        s_.wiederherstellungLoeschen();
        return true;
    }
    return false;
}

void Projektfenster::showEvent(QShowEvent* ereignis) {
    if (!platziert_) {
        platziert_ = true;
        const QByteArray ort = QSettings().value("projektfenster/geometrie").toByteArray();
        if (ort.isEmpty() || !restoreGeometry(ort)) {
            if (QWidget* diagramm = v_.nachbar ? v_.nachbar() : nullptr) {
                NebenPlatzieren(this, diagramm);
            }
        }
    }
    QMainWindow::showEvent(ereignis);
}

void Projektfenster::hideEvent(QHideEvent* ereignis) {
    QSettings().setValue("projektfenster/geometrie", saveGeometry());
    QMainWindow::hideEvent(ereignis);
}

void Projektfenster::closeEvent(QCloseEvent* ereignis) {
    if (!schliessenErlaubt()) {
        ereignis->ignore();
        return;
    }
    // The project is closed with its window; the chart keeps the input texts.
    s_.neu(s_.projekt().eingabe());
    ereignis->accept();
}

void Projektfenster::neu() {
    if (!schliessenErlaubt()) return;
    s_.neu(v_.eingabetexte ? v_.eingabetexte() : s_.projekt().eingabe());
    show();
}

void Projektfenster::oeffnenFragen() {
    if (!schliessenErlaubt()) return;
    const QString pfad = QFileDialog::getOpenFileName(
        this, tr("Projekt öffnen"), LetzterOrdner(Ordnerart::Projekt), tr(kDateifilter));
    if (!pfad.isEmpty()) oeffnen(pfad);
}

bool Projektfenster::oeffnen(const QString& pfad, bool alsVorlage) {
    const QString fehler = s_.oeffnen(pfad, alsVorlage);
    if (!fehler.isEmpty()) {
        meldung(tr("„%1“ lässt sich nicht öffnen.\n\n%2").arg(QFileInfo(pfad).fileName(), fehler));
        return false;
    }
    if (!alsVorlage) zuletztMerken(pfad);
    show();
    raise();
    return true;
}

bool Projektfenster::speichern() {
    if (s_.pfad().isEmpty()) return speichernUnter();
    const QString fehler = s_.speichern(s_.pfad());
    if (!fehler.isEmpty()) {
        meldung(tr("Das Projekt wurde nicht gespeichert; die Datei ist unverändert.\n\n%1")
                    .arg(fehler));
        return false;
    }
    zuletztMerken(s_.pfad());
    return true;
}

bool Projektfenster::speichernUnter() {
    QString pfad = QFileDialog::getSaveFileName(
        this, tr("Projekt speichern unter"),
        s_.pfad().isEmpty()
            ? QDir(LetzterOrdner(Ordnerart::Projekt))
                  .filePath(QFileInfo(s_.titelname()).completeBaseName() + ".lumora")
            : s_.pfad(),
        tr(kDateifilter));
    if (pfad.isEmpty()) return false;
    if (QFileInfo(pfad).suffix().isEmpty()) pfad += ".lumora";
    const QString fehler = s_.speichern(pfad);
    if (!fehler.isEmpty()) {
        meldung(tr("Das Projekt wurde nicht gespeichert.\n\n%1").arg(fehler));
        return false;
    }
    zuletztMerken(pfad);
    return true;
}

void Projektfenster::zuletztMerken(const QString& pfad) {
    OrdnerMerken(Ordnerart::Projekt, pfad);
    QSettings einstellungen;
    QStringList liste = einstellungen.value("zuletzt").toStringList();
    const QString absolut = QFileInfo(pfad).absoluteFilePath();
    liste.removeAll(absolut);
    liste.prepend(absolut);
    while (liste.size() > kZuletztHoechstens) liste.removeLast();
    einstellungen.setValue("zuletzt", liste);
}

void Projektfenster::zuletztFuellen() {
    zuletzt_->clear();
    const QStringList liste = QSettings().value("zuletzt").toStringList();
    for (const QString& pfad : liste) {
        QAction* a = zuletzt_->addAction(pfad);
        connect(a, &QAction::triggered, this, [this, pfad] {
            if (schliessenErlaubt()) oeffnen(pfad);
        });
    }
    if (liste.isEmpty()) zuletzt_->addAction(tr("(keine)"))->setEnabled(false);
}

// --- Entries --------------------------------------------------------------------------------

void Projektfenster::zustandHinzufuegen() {
    const std::size_t index = s_.projekt().anzahl(Liste::Zustaende);
    Zustandsformular form(
        [this, index](const Json& e) {
            return EintragPruefen(s_.projekt(), Liste::Zustaende, index, e);
        },
        this);
    form.setWindowTitle(tr("Zustand hinzufügen"));
    if (form.exec() != QDialog::Accepted) return;
    s_.eintragEinfuegen(Liste::Zustaende, index, form.eintrag(), tr("Zustand hinzufügen"));
}

void Projektfenster::prozessHinzufuegen() {
    const std::size_t index = s_.projekt().anzahl(Liste::Prozesse);
    Prozessformular form(
        ZustandsNamen(s_.stand(), s_.projekt()),
        [this, index](const Json& e) {
            return EintragPruefen(s_.projekt(), Liste::Prozesse, index, e);
        },
        this);
    form.setWindowTitle(tr("Prozess hinzufügen"));
    form.setZustandssuche(ZustaendeIn(s_));
    form.fortsetzen(UebernommenerMassenstrom(s_.stand(), index));
    if (form.exec() != QDialog::Accepted) return;
    s_.eintragEinfuegen(Liste::Prozesse, index, form.eintrag(), tr("Prozess hinzufügen"));
}

void Projektfenster::zoneHinzufuegen() {
    const std::size_t index = s_.projekt().anzahl(Liste::Zonen);
    Zonenformular form(
        [this, index](const Json& e) {
            return EintragPruefen(s_.projekt(), Liste::Zonen, index, e);
        },
        this);
    form.setWindowTitle(tr("Zone hinzufügen"));
    form.setEintrag(ZoneZuJson(Behaglichkeitsfeld()));
    if (form.exec() != QDialog::Accepted) return;
    s_.eintragEinfuegen(Liste::Zonen, index, form.eintrag(), tr("Zone hinzufügen"));
    reiter_->setCurrentWidget(zonen_);
}

void Projektfenster::zeileBearbeiten(const QModelIndex& index) {
    const auto zeile = static_cast<std::size_t>(index.row());
    if (index.model() == prozesse_->model() && zeile < s_.projekt().anzahl(Liste::Prozesse)) {
        std::vector<std::string> namen = ZustandsNamen(s_.stand(), s_.projekt());
        Prozessformular form(
            namen,
            [this, zeile](const Json& e) {
                return EintragPruefen(s_.projekt(), Liste::Prozesse, zeile, e);
            },
            this);
        form.setWindowTitle(tr("Prozess bearbeiten"));
        form.setZustandssuche(ZustaendeIn(s_));
        form.setEintrag(s_.projekt().eintrag(Liste::Prozesse, zeile));
        if (form.exec() != QDialog::Accepted) return;
        const Json& alt = s_.projekt().eintrag(Liste::Prozesse, zeile);
        const std::string altNach = alt.value("nach", std::string());
        const Json e = EintragZusammenfuehren(Liste::Prozesse, alt, form.eintrag());
        const std::string neuNach = e.value("nach", std::string());
        s_.verlauf().beginMacro(tr("Prozess bearbeiten"));
        // A new name for the state it makes goes to the processes that start at it too.
        if (!altNach.empty() && neuNach != altNach) s_.umbenennen(altNach, neuNach);
        s_.eintragErsetzen(Liste::Prozesse, zeile, e, tr("Prozess bearbeiten"));
        s_.verlauf().endMacro();
    } else if (index.model() == messreihen_->model() &&
               zeile < s_.projekt().anzahl(Liste::Messreihen)) {
        if (IstWetterjahr(s_.projekt().eintrag(Liste::Messreihen, zeile))) {
            wetterjahrBearbeiten(zeile);
        }
    } else if (index.model() == zonen_->model() && zeile < s_.projekt().anzahl(Liste::Zonen)) {
        Zonenformular form(
            [this, zeile](const Json& e) {
                return EintragPruefen(s_.projekt(), Liste::Zonen, zeile, e);
            },
            this);
        form.setWindowTitle(tr("Zone bearbeiten"));
        form.setEintrag(s_.projekt().eintrag(Liste::Zonen, zeile));
        if (form.exec() != QDialog::Accepted) return;
        s_.eintragErsetzen(
            Liste::Zonen, zeile,
            EintragZusammenfuehren(Liste::Zonen, s_.projekt().eintrag(Liste::Zonen, zeile),
                                   form.eintrag()),
            tr("Zone bearbeiten"));
    }
}

void Projektfenster::loeschen() {
    QTableView* tabelle = qobject_cast<QTableView*>(reiter_->currentWidget());
    if (!tabelle || !tabelle->selectionModel()) return;
    const QModelIndexList zeilen = tabelle->selectionModel()->selectedRows();
    std::vector<int> nummern;
    for (const QModelIndex& i : zeilen) nummern.push_back(i.row());
    std::sort(nummern.rbegin(), nummern.rend());  // from the end, so the indices stay valid
    Liste liste = Liste::Zustaende;
    if (tabelle == prozesse_) liste = Liste::Prozesse;
    if (tabelle == messreihen_) liste = Liste::Messreihen;
    if (tabelle == zonen_) liste = Liste::Zonen;
    s_.verlauf().beginMacro(tr("Löschen"));
    for (int n : nummern) {
        if (n >= 0 && static_cast<std::size_t>(n) < s_.projekt().anzahl(liste)) {
            s_.eintragEntfernen(liste, static_cast<std::size_t>(n), tr("Löschen"));
        }
    }
    s_.verlauf().endMacro();
}

void Projektfenster::zeileVerschieben(bool hoch) {
    QTableView* tabelle = qobject_cast<QTableView*>(reiter_->currentWidget());
    if (!tabelle) return;
    const int zeile = tabelle->currentIndex().row();
    if (zeile < 0) return;
    Liste liste = Liste::Zustaende;
    std::optional<std::size_t> index = static_cast<std::size_t>(zeile);
    if (tabelle == zustaende_) index = zustandsmodell_->eintragDerZeile(zeile);
    if (tabelle == prozesse_) liste = Liste::Prozesse;
    if (tabelle == messreihen_) liste = Liste::Messreihen;
    if (tabelle == zonen_) liste = Liste::Zonen;
    // A state that a process makes stands where its process stands.
    if (!index) return;
    const std::size_t n = s_.projekt().anzahl(liste);
    if (*index >= n || (hoch ? *index == 0 : *index + 1 >= n)) return;
    if (const QString fehler = s_.verschieben(liste, *index, hoch); !fehler.isEmpty()) {
        // Said in the status bar: a refused move needs no answer.
        statusBar()->showMessage(fehler, kStatusMs);
        return;
    }
    const int neu = hoch ? zeile - 1 : zeile + 1;
    tabelle->setCurrentIndex(tabelle->model()->index(neu, tabelle->currentIndex().column()));
    tabelle->selectRow(neu);
}

void Projektfenster::messreiheImportieren() {
    const QString pfad = QFileDialog::getOpenFileName(
        this, tr("Messreihe importieren"), LetzterOrdner(Ordnerart::Import),
        tr("Messreihen und Wetterjahre (*.csv *.txt *.dat *.epw);;Alle Dateien (*)"));
    if (pfad.isEmpty()) return;
    OrdnerMerken(Ordnerart::Import, pfad);
    messreiheImportieren(pfad);
}

bool Projektfenster::messreiheImportieren(const QString& pfad) {
    QFile datei(pfad);
    if (!datei.open(QIODevice::ReadOnly)) {
        meldung(
            tr("Die Datei lässt sich nicht öffnen: %1").arg(Dateifehler(datei, Zugriff::Lesen)));
        return false;
    }
    const QByteArray bytes = datei.readAll();
    QProgressDialog fortschritt(tr("Messreihe wird gelesen …"), tr("Abbrechen"), 0, 1000, this);
    fortschritt.setWindowModality(Qt::WindowModal);
    fortschritt.setMinimumDuration(300);
    const auto ergebnis =
        MessreiheLesen(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())),
                       QFileInfo(pfad).completeBaseName().toStdString(),
                       QFileInfo(pfad).fileName().toStdString(), [&fortschritt](double anteil) {
                           fortschritt.setValue(static_cast<int>(anteil * 1000));
                           QCoreApplication::processEvents();
                           return !fortschritt.wasCanceled();
                       });
    fortschritt.reset();
    if (!ergebnis) {
        meldung(QString::fromStdString(ergebnis.grund()));
        return false;
    }
    const std::size_t index = s_.projekt().anzahl(Liste::Messreihen);
    s_.eintragEinfuegen(Liste::Messreihen, index, MessreiheZuJson(ergebnis->reihe),
                        tr("Messreihe importieren"));
    reiter_->setCurrentWidget(messreihen_);
    if (const std::string was = ergebnis->Zusammenfassung(); !was.empty()) {
        statusBar()->showMessage(QString::fromStdString(was), kStatusMs);
    }
    if (const std::string bericht = ergebnis->Meldung(); !bericht.empty()) {
        QMessageBox::information(this, "Lumora", QString::fromStdString(bericht));
    }
    if (ergebnis->reihe.druck) druckAnbieten(*ergebnis->reihe.druck);
    // The new row current, for its settings; after the pressure, which lays the table out anew.
    messreihen_->selectRow(static_cast<int>(index));
    return true;
}

void Projektfenster::druckAnbieten(double druck) {
    const auto& diagramm = s_.stand().druck;
    if (!diagramm || !std::isfinite(druck) ||
        !(std::fabs(druck - diagramm->Pges) > 0.01 * diagramm->Pges)) {
        return;
    }
    const QString feld = Druckfeldtext(druck);
    if (feld.isEmpty()) return;
    const QString gerundet = Zahltext(std::round(druck * 10) / 10, 1);
    QMessageBox frage(QMessageBox::Question, "Lumora",
                      tr("Gesamtdruck %1 hPa übernehmen?").arg(gerundet),
                      QMessageBox::Yes | QMessageBox::No, this);
    frage.setInformativeText(
        tr("Der mittlere Luftdruck des Wetterjahrs weicht um mehr als 1 % vom Gesamtdruck des "
           "Diagramms ab (%1 hPa).")
            .arg(Zahltext(diagramm->Pges, 1)));
    frage.setDefaultButton(QMessageBox::Yes);
    if (frage.exec() != QMessageBox::Yes) return;
    Feldtexte texte = s_.projekt().eingabe();
    texte[static_cast<int>(Feld::Pges)] = feld.toStdString();
    s_.setEingabe(texte, tr("Gesamtdruck übernehmen"));
}

void Projektfenster::wetterjahrEinstellen() {
    const Projekt& p = s_.projekt();
    std::optional<std::size_t> index;
    const int zeile = messreihen_->currentIndex().row();
    if (zeile >= 0 && static_cast<std::size_t>(zeile) < p.anzahl(Liste::Messreihen) &&
        IstWetterjahr(p.eintrag(Liste::Messreihen, static_cast<std::size_t>(zeile)))) {
        index = static_cast<std::size_t>(zeile);
    }
    for (std::size_t i = 0; !index && i < p.anzahl(Liste::Messreihen); ++i) {
        if (IstWetterjahr(p.eintrag(Liste::Messreihen, i))) index = i;
    }
    if (!index) {
        statusBar()->showMessage(tr("Das Projekt hat kein Wetterjahr."), kStatusMs);
        return;
    }
    wetterjahrBearbeiten(*index);
}

void Projektfenster::wetterjahrBearbeiten(std::size_t index) {
    if (index >= s_.projekt().anzahl(Liste::Messreihen)) return;
    Wetterjahrformular form(this);
    const Json& alt = s_.projekt().eintrag(Liste::Messreihen, index);
    form.setWindowTitle(tr("Wetterjahr „%1“ einstellen").arg(NameVon(alt)));
    form.setEintrag(alt);
    if (form.exec() != QDialog::Accepted) return;
    Json neu = form.eintrag();
    if (neu == s_.projekt().eintrag(Liste::Messreihen, index)) return;  // nothing to undo
    s_.eintragErsetzen(Liste::Messreihen, index, std::move(neu), tr("Wetterjahr einstellen"));
}

void Projektfenster::gesamtdruckAusHoehe() {
    Hoehendialog dialog(this);
    if (dialog.exec() != QDialog::Accepted) return;
    Feldtexte texte = s_.projekt().eingabe();
    texte[static_cast<int>(Feld::Pges)] = dialog.druckText().toStdString();
    s_.setEingabe(texte, tr("Gesamtdruck aus Höhe"));
}

}  // namespace lumora
