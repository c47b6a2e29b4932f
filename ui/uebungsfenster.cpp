#include "ui/uebungsfenster.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollArea>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>
#include <cmath>

#include "bild/loesungsbild.h"
#include "bild/projektbild.h"
#include "core/zahlen.h"
#include "datei/dateien.h"
#include "projekt/bearbeiten.h"
#include "projekt/tafeltext.h"

namespace lumora {

namespace {

const char* const kRichtig = "✔";
const char* const kFalsch = "✘";

QString Q(const std::string& s) { return QString::fromStdString(s); }

std::string Trenner() { return QLocale().decimalPoint().toStdString(); }

// The names a task may ask about: the states and the states processes make.
QStringList Namensliste(const Projektsitzung& s) {
    QStringList namen;
    for (const std::string& n : ZustandsNamen(s.stand(), s.projekt())) namen << Q(n);
    return namen;
}

// The result of a task as the window shows it: a green tick or a red cross and the sentence.
QString Ergebnistext(const Aufgabenbewertung& a) {
    const char* farbe = a.richtig ? "#1a8a1a" : "#c81e1e";
    return QString("<span style=\"color:%1; font-weight:bold\">%2</span> %3")
        .arg(farbe, QString::fromUtf8(a.richtig ? kRichtig : kFalsch),
             Q(a.meldung).toHtmlEscaped());
}

}  // namespace

Abgabendialog::Abgabendialog(const Uebung& uebung, std::vector<Bewertung> bewertungen,
                             QString ordner, QWidget* parent)
    : QDialog(parent),
      uebung_(uebung),
      bewertungen_(std::move(bewertungen)),
      ordner_(std::move(ordner)) {
    setObjectName("abgaben");
    setWindowTitle(tr("Abgaben bewerten"));
    auto* spalte = new QVBoxLayout(this);
    tabelle_ = new QTableWidget(static_cast<int>(bewertungen_.size()),
                                3 + static_cast<int>(uebung_.aufgaben.size()), this);
    tabelle_->setObjectName("noten");
    QStringList kopf{tr("Datei"), tr("Punkte"), tr("von")};
    for (std::size_t i = 0; i < uebung_.aufgaben.size(); ++i) {
        kopf << tr("Aufgabe %1").arg(i + 1);
    }
    tabelle_->setHorizontalHeaderLabels(kopf);
    tabelle_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tabelle_->setSelectionBehavior(QAbstractItemView::SelectRows);
    tabelle_->setSelectionMode(QAbstractItemView::SingleSelection);
    const std::string t = Trenner();
    for (std::size_t r = 0; r < bewertungen_.size(); ++r) {
        const Bewertung& b = bewertungen_[r];
        const int zeile = static_cast<int>(r);
        tabelle_->setItem(zeile, 0, new QTableWidgetItem(Q(b.datei)));
        tabelle_->setItem(zeile, 1, new QTableWidgetItem(Q(KuerzesterText(b.punkte, t))));
        tabelle_->setItem(zeile, 2, new QTableWidgetItem(Q(KuerzesterText(b.von, t))));
        for (std::size_t i = 0; i < b.aufgaben.size(); ++i) {
            const Aufgabenbewertung& a = b.aufgaben[i];
            auto* zelle = new QTableWidgetItem(QString::fromUtf8(a.richtig ? kRichtig : kFalsch) +
                                               " " + Q(KuerzesterText(a.punkte, t)));
            zelle->setForeground(a.richtig ? QColor(26, 138, 26) : QColor(200, 30, 30));
            zelle->setToolTip(Q(a.meldung));
            tabelle_->setItem(zeile, 3 + static_cast<int>(i), zelle);
        }
    }
    tabelle_->resizeColumnsToContents();
    spalte->addWidget(tabelle_);
    saetze_ = new QLabel(this);
    saetze_->setObjectName("saetze");
    saetze_->setWordWrap(true);
    saetze_->setTextFormat(Qt::RichText);
    spalte->addWidget(saetze_);
    auto* knoepfe = new QDialogButtonBox(QDialogButtonBox::Close, this);
    QPushButton* speichern =
        knoepfe->addButton(tr("Noten speichern …"), QDialogButtonBox::ActionRole);
    oeffnen_ = knoepfe->addButton(tr("Abgabe öffnen"), QDialogButtonBox::ActionRole);
    oeffnen_->setEnabled(false);
    spalte->addWidget(knoepfe);
    connect(knoepfe, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(speichern, &QPushButton::clicked, this, [this] { notenSpeichern(); });
    connect(oeffnen_, &QPushButton::clicked, this, &QDialog::accept);
    connect(tabelle_, &QTableWidget::itemSelectionChanged, this, [this] { zeigen(); });
    connect(tabelle_, &QTableWidget::cellDoubleClicked, this, &QDialog::accept);
    resize(760, 460);
    if (!bewertungen_.empty()) tabelle_->selectRow(0);
}

int Abgabendialog::zeile() const {
    const QModelIndexList zeilen = tabelle_->selectionModel()->selectedRows();
    return zeilen.isEmpty() ? -1 : zeilen.front().row();
}

QString Abgabendialog::gewaehlt() const {
    const int r = zeile();
    if (r < 0 || static_cast<std::size_t>(r) >= bewertungen_.size()) return {};
    return QDir(ordner_).filePath(Q(bewertungen_[static_cast<std::size_t>(r)].datei));
}

void Abgabendialog::zeigen() {
    const int r = zeile();
    oeffnen_->setEnabled(r >= 0);
    if (r < 0) return;
    const Bewertung& b = bewertungen_[static_cast<std::size_t>(r)];
    QString text;
    if (!b.fehler.empty()) text += "<b>" + Q(b.fehler).toHtmlEscaped() + "</b><br>";
    for (const Aufgabenbewertung& a : b.aufgaben) text += Ergebnistext(a) + "<br>";
    saetze_->setText(text);
}

void Abgabendialog::notenSpeichern() {
    const QString pfad = QFileDialog::getSaveFileName(this, tr("Noten speichern"),
                                                      QDir(ordner_).filePath(tr("noten.csv")),
                                                      tr("CSV-Dateien (*.csv)"));
    if (pfad.isEmpty()) return;
    const QString grund = DateiSchreiben(pfad, Notentabelle(uebung_, bewertungen_, Trenner()));
    if (!grund.isEmpty()) {
        QMessageBox::warning(this, "Lumora",
                             tr("Die Noten wurden nicht gespeichert.\n\n%1").arg(grund));
    }
}

Aufgabenformular::Aufgabenformular(const QString& titel, Regel regel, const QStringList& namen,
                                   QWidget* parent)
    : QDialog(parent), regel_(std::move(regel)) {
    setObjectName("aufgabe");
    setWindowTitle(titel);
    auto* form = new QFormLayout(this);
    text_ = new QLineEdit(this);
    text_->setObjectName("text");
    text_->setMinimumWidth(text_->fontMetrics().horizontalAdvance(QString(48, 'x')));
    form->addRow(tr("Text"), text_);
    name_ = new QComboBox(this);
    name_->setObjectName("name");
    name_->setEditable(true);
    name_->addItems(namen);
    name_->setCurrentIndex(-1);
    form->addRow(tr("Zustand oder Prozess"), name_);
    groesse_ = new QComboBox(this);
    groesse_->setObjectName("groesse");
    for (const Aufgabengroesse& g : Aufgabengroessen()) {
        const QString art = g.bezug == Bezug::Zustand ? tr("Zustand") : tr("Prozess");
        groesse_->addItem(QString::fromUtf8("%1 [%2] (%3)")
                              .arg(QString::fromStdString(tafel::Angezeigt(g.bezeichnung)),
                                   QString::fromUtf8(g.einheit), art),
                          QString::fromUtf8(g.schluessel));
    }
    form->addRow(tr("Größe"), groesse_);
    auto* zeile = new QHBoxLayout;
    toleranz_ = new QLineEdit(this);
    toleranz_->setObjectName("toleranz");
    einheit_ = new QLabel(this);
    zeile->addWidget(toleranz_);
    zeile->addWidget(einheit_);
    form->addRow(tr("Toleranz"), zeile);
    punkte_ = new QLineEdit("1", this);
    punkte_->setObjectName("punkte");
    form->addRow(tr("Punkte"), punkte_);
    meldung_ = new QLabel(this);
    meldung_->setObjectName("meldung");
    meldung_->setWordWrap(true);
    meldung_->setStyleSheet("QLabel { color: rgb(200, 30, 30); }");
    form->addRow(meldung_);
    auto* knoepfe = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    ok_ = knoepfe->button(QDialogButtonBox::Ok);
    form->addRow(knoepfe);
    connect(knoepfe, &QDialogButtonBox::accepted, this, [this] {
        if (uebung_) accept();
    });
    connect(knoepfe, &QDialogButtonBox::rejected, this, &QDialog::reject);
    for (QLineEdit* feld : {text_, toleranz_, punkte_}) {
        connect(feld, &QLineEdit::textChanged, this, &Aufgabenformular::pruefen);
    }
    connect(name_, &QComboBox::currentTextChanged, this, &Aufgabenformular::pruefen);
    connect(groesse_, &QComboBox::currentIndexChanged, this, &Aufgabenformular::pruefen);
    pruefen();
}

void Aufgabenformular::setFelder(const Aufgabenfelder& f) {
    text_->setText(Q(f.text));
    name_->setCurrentText(Q(f.name));
    const int i = groesse_->findData(Q(f.groesse));
    if (i >= 0) groesse_->setCurrentIndex(i);
    toleranz_->setText(Q(f.toleranz));
    punkte_->setText(Q(f.punkte));
    pruefen();
}

Aufgabenfelder Aufgabenformular::felder() const {
    return {text_->text().toStdString(), name_->currentText().trimmed().toStdString(),
            groesse_->currentData().toString().toStdString(), toleranz_->text().toStdString(),
            punkte_->text().toStdString()};
}

void Aufgabenformular::pruefen() {
    const Aufgabengroesse* g = AufgabengroesseZu(groesse_->currentData().toString().toStdString());
    einheit_->setText(g ? QString::fromUtf8(g->toleranzeinheit) : QString());
    const auto neu = regel_ ? regel_(felder()) : Ergebnis<Json>::Fehler("");
    uebung_ = neu ? std::optional<Json>(*neu) : std::nullopt;
    meldung_->setText(neu ? QString() : Q(neu.grund()));
    ok_->setEnabled(neu.operator bool());
}

// One task's row: its text, the answer field with the unit, the button and the result; the
// menu that edits the task.
struct Uebungsfenster::Zeile {
    QLabel* text = nullptr;
    QLineEdit* antwort = nullptr;
    QLabel* einheit = nullptr;
    QPushButton* uebernehmen = nullptr;
    QLabel* ergebnis = nullptr;
    QToolButton* bearbeiten = nullptr;
};

struct Uebungsfenster::Anhang {
    Projekt projekt;
    Berechnung berechnung;
    Loesung loesung;
    QString name;
    QString abgabe;  // the file of the hand-in it grades; empty: whatever is open
    Ueberlagerung bild;
};

Uebungsfenster::Uebungsfenster(Projektsitzung& sitzung, std::function<bool(const QString&)> oeffnen,
                               QWidget* parent)
    : QDockWidget(tr("Übung"), parent), s_(sitzung), oeffnen_(std::move(oeffnen)) {
    setObjectName("uebung");
    setFeatures(QDockWidget::DockWidgetMovable | QDockWidget::DockWidgetFloatable);
    loesungZeigen_ = new QAction(tr("Lösung zeigen"), this);
    loesungZeigen_->setObjectName("loesungZeigen");
    loesungZeigen_->setCheckable(true);
    loesungZeigen_->setEnabled(false);
    connect(loesungZeigen_, &QAction::toggled, this, [this](bool an) {
        if (zeigen_->isChecked() != an) zeigen_->setChecked(an);
        emit loesungGeaendert();
    });
    aufbauen();
    connect(&s_, &Projektsitzung::projektGeaendert, this, &Uebungsfenster::aktualisieren);
    connect(&s_, &Projektsitzung::titelGeaendert, this, &Uebungsfenster::loesungPruefen);
    aktualisieren();
}

Uebungsfenster::~Uebungsfenster() = default;

void Uebungsfenster::aufbauen() {
    auto* flaeche = new QScrollArea(this);
    flaeche->setWidgetResizable(true);
    auto* innen = new QWidget(flaeche);
    auto* spalte = new QVBoxLayout(innen);
    titel_ = new QLabel(innen);
    titel_->setObjectName("titel");
    titel_->setWordWrap(true);
    QFont f = titel_->font();
    f.setBold(true);
    f.setPointSizeF(f.pointSizeF() * 1.2);
    titel_->setFont(f);
    spalte->addWidget(titel_);
    stand_ = new QLabel(innen);
    stand_->setObjectName("stand");
    stand_->setWordWrap(true);
    stand_->hide();
    spalte->addWidget(stand_);
    zeigen_ = new QCheckBox(tr("Lösung zeigen"), innen);
    zeigen_->hide();
    connect(zeigen_, &QCheckBox::toggled, loesungZeigen_, &QAction::setChecked);
    spalte->addWidget(zeigen_);
    raster_ = new QGridLayout;
    raster_->setColumnStretch(0, 1);
    spalte->addLayout(raster_);
    aufgabeHinzu_ = new QAction(tr("Aufgabe hinzufügen …"), this);
    aufgabeHinzu_->setObjectName("aufgabeHinzufuegen");
    connect(aufgabeHinzu_, &QAction::triggered, this, &Uebungsfenster::aufgabeHinzufuegen);
    auto* hinzu = new QToolButton(innen);
    hinzu->setDefaultAction(aufgabeHinzu_);
    hinzu->setToolButtonStyle(Qt::ToolButtonTextOnly);
    spalte->addWidget(hinzu, 0, Qt::AlignLeft);
    meldung_ = new QLabel(innen);
    meldung_->setObjectName("meldung");
    meldung_->setWordWrap(true);
    spalte->addWidget(meldung_);
    spalte->addStretch();
    flaeche->setWidget(innen);
    setWidget(flaeche);
    setMinimumWidth(320);
}

void Uebungsfenster::hinweis(const QString& text, bool fehler) {
    meldung_->setStyleSheet(fehler ? "QLabel { color: rgb(200, 30, 30); }" : QString());
    meldung_->setText(text);
}

void Uebungsfenster::zeilenAnlegen(const Uebung& uebung) {
    for (auto& z : zeilen_) {
        for (QWidget* w : std::initializer_list<QWidget*>{
                 z->text, z->antwort, z->einheit, z->uebernehmen, z->ergebnis, z->bearbeiten}) {
            delete w;
        }
    }
    zeilen_.clear();
    QWidget* innen = titel_->parentWidget();
    for (std::size_t i = 0; i < uebung.aufgaben.size(); ++i) {
        const Aufgabe& a = uebung.aufgaben[i];
        auto z = std::make_unique<Zeile>();
        const int r = static_cast<int>(i) * 3;
        const QString punkte = Q(KuerzesterText(a.punkte, Trenner()));
        z->text = new QLabel(
            QString("<b>%1.</b> %2 <i>(%3, %4)</i>")
                .arg(QString::number(i + 1), Q(a.text).toHtmlEscaped(),
                     QString::fromStdString(tafel::Angezeigt(a.groesse->bezeichnung)),
                     a.punkte == 1 ? tr("%1 Punkt").arg(punkte) : tr("%1 Punkte").arg(punkte)),
            innen);
        z->text->setWordWrap(true);
        raster_->addWidget(z->text, r, 0, 1, 3);
        z->bearbeiten = new QToolButton(innen);
        z->bearbeiten->setObjectName(QString("aufgabe%1").arg(i + 1));
        z->bearbeiten->setText(QString::fromUtf8("…"));
        z->bearbeiten->setToolTip(tr("Aufgabe %1 bearbeiten, verschieben oder löschen").arg(i + 1));
        z->bearbeiten->setPopupMode(QToolButton::InstantPopup);
        auto* menue = new QMenu(z->bearbeiten);
        // Queued: the edit lays out the rows anew, this menu's button among them, which must
        // not go while its menu still runs.
        const auto eintrag = [&](const QString& text, std::function<void()> tun) {
            connect(menue->addAction(text), &QAction::triggered, this, std::move(tun),
                    Qt::QueuedConnection);
        };
        const std::size_t nr = i + 1;
        eintrag(tr("Aufgabe bearbeiten …"), [this, nr] { aufgabeBearbeiten(nr); });
        eintrag(tr("Nach oben"), [this, nr] { aufgabeVerschieben(nr, true); });
        eintrag(tr("Nach unten"), [this, nr] { aufgabeVerschieben(nr, false); });
        eintrag(tr("Aufgabe löschen"), [this, nr] { aufgabeLoeschen(nr); });
        z->bearbeiten->setMenu(menue);
        raster_->addWidget(z->bearbeiten, r, 3, Qt::AlignTop);
        z->antwort = new QLineEdit(innen);
        z->antwort->setObjectName(QString("antwort%1").arg(i + 1));
        z->antwort->setPlaceholderText(tr("Antwort"));
        // Room for a sign and six digits with the decimal comma, and the frame around them.
        z->antwort->setMinimumWidth(
            z->antwort->fontMetrics().horizontalAdvance(QString::fromUtf8("−888888,")) + 16);
        raster_->addWidget(z->antwort, r + 1, 0);
        z->einheit = new QLabel(QString::fromUtf8(a.groesse->einheit), innen);
        raster_->addWidget(z->einheit, r + 1, 1);
        z->uebernehmen = new QPushButton(tr("aus dem Diagramm übernehmen"), innen);
        z->uebernehmen->setObjectName(QString("uebernehmen%1").arg(i + 1));
        z->uebernehmen->setToolTip(
            tr("Übernimmt %1 von „%2“ aus dem eigenen Diagramm.")
                .arg(QString::fromStdString(tafel::Angezeigt(a.groesse->bezeichnung)), Q(a.name)));
        raster_->addWidget(z->uebernehmen, r + 1, 2);
        z->ergebnis = new QLabel(innen);
        z->ergebnis->setObjectName(QString("ergebnis%1").arg(i + 1));
        z->ergebnis->setTextFormat(Qt::RichText);
        z->ergebnis->setWordWrap(true);
        z->ergebnis->hide();
        raster_->addWidget(z->ergebnis, r + 2, 0, 1, 3);
        connect(z->antwort, &QLineEdit::editingFinished, this, [this, i] { antwortGeaendert(i); });
        connect(z->uebernehmen, &QPushButton::clicked, this, [this, i] { uebernehmen(i); });
        zeilen_.push_back(std::move(z));
    }
}

void Uebungsfenster::aktualisieren() {
    const bool da = HatUebung(s_.projekt());
    setVisible(da || anhang_);
    if (!da) {
        if (!zeilen_.empty()) zeilenAnlegen(Uebung{});
        aufgabenText_.clear();
        titel_->setText(tr("Übung"));
    }
    const auto uebung = da ? UebungLesen(s_.projekt()) : Ergebnis<Uebung>::Fehler("");
    if (da && !uebung) {
        zeilenAnlegen(Uebung{});
        aufgabenText_.clear();
        titel_->setText(tr("Übung"));
        hinweis(Q(uebung.grund()), true);
    } else if (uebung) {
        const std::string aufgaben = Kompakt(s_.projekt().uebung().value("aufgaben", Json()));
        if (aufgaben != aufgabenText_) {
            zeilenAnlegen(*uebung);
            aufgabenText_ = aufgaben;
            hinweis({}, false);
            // A new exercise opens with the focus in its first answer, as a form does.
            if (!zeilen_.empty()) zeilen_.front()->antwort->setFocus();
        }
        titel_->setText(uebung->titel.empty() ? tr("Übung") : Q(uebung->titel));
        for (std::size_t i = 0; i < zeilen_.size(); ++i) {
            const auto& w = uebung->antworten[i];
            const QString text = w ? Q(KuerzesterText(*w, Trenner())) : QString();
            if (zeilen_[i]->antwort->text() != text) zeilen_[i]->antwort->setText(text);
        }
    }
    // The grade against the attached solution, task by task.
    bewertung_.reset();
    if (anhang_) {
        bewertung_ =
            anhang_->loesung.Bewerten(s_.projekt(), s_.stand(), s_.titelname().toStdString());
        const Bewertung& b = *bewertung_;
        QString stand = tr("Bewertet gegen „%1“: %2 von %3 Punkten.")
                            .arg(anhang_->name, Q(KuerzesterText(b.punkte, Trenner())),
                                 Q(KuerzesterText(b.von, Trenner())));
        if (!b.fehler.empty()) stand += "\n" + Q(b.fehler);
        stand_->setText(stand);
        for (std::size_t i = 0; i < zeilen_.size(); ++i) {
            if (i < b.aufgaben.size()) zeilen_[i]->ergebnis->setText(Ergebnistext(b.aufgaben[i]));
            zeilen_[i]->ergebnis->setVisible(i < b.aufgaben.size());
        }
    } else {
        for (auto& z : zeilen_) z->ergebnis->hide();
    }
    stand_->setVisible(anhang_ != nullptr);
    zeigen_->setVisible(anhang_ != nullptr);
}

void Uebungsfenster::antwortGeaendert(std::size_t i) {
    if (i >= zeilen_.size()) return;
    const QString text = zeilen_[i]->antwort->text().trimmed();
    const auto uebung = UebungLesen(s_.projekt());
    if (!uebung) return;
    const std::optional<double> vorher = uebung->antworten[i];
    std::optional<double> wert;
    if (!text.isEmpty()) {
        wert = GanzeZahl(text.toStdString());
        if (!wert || !std::isfinite(*wert)) {
            hinweis(tr("Aufgabe %1: „%2“ ist keine Zahl.").arg(QString::number(i + 1), text), true);
            zeilen_[i]->antwort->setText(vorher ? Q(KuerzesterText(*vorher, Trenner())) : "");
            return;
        }
    }
    hinweis({}, false);
    if (wert == vorher) return;
    s_.setUebung(MitAntwort(s_.projekt().uebung(), i + 1, wert),
                 wert ? tr("Antwort eingeben") : tr("Antwort löschen"));
}

void Uebungsfenster::uebernehmen(std::size_t i) {
    const auto uebung = UebungLesen(s_.projekt());
    if (!uebung || i >= uebung->aufgaben.size()) return;
    const Aufgabe& a = uebung->aufgaben[i];
    const auto wert = Aufgabenwert(s_.stand(), a);
    if (!wert) {
        hinweis(tr("Aufgabe %1: %2").arg(QString::number(i + 1), Q(wert.grund())), true);
        return;
    }
    hinweis({}, false);
    s_.setUebung(MitAntwort(s_.projekt().uebung(), i + 1, Gerundet(*wert, *a.groesse)),
                 tr("Antwort übernehmen"));
}

QLineEdit* Uebungsfenster::antwortfeld(std::size_t nr) const {
    return nr >= 1 && nr <= zeilen_.size() ? zeilen_[nr - 1]->antwort : nullptr;
}

QPushButton* Uebungsfenster::uebernehmenKnopf(std::size_t nr) const {
    return nr >= 1 && nr <= zeilen_.size() ? zeilen_[nr - 1]->uebernehmen : nullptr;
}

QLabel* Uebungsfenster::ergebnis(std::size_t nr) const {
    return nr >= 1 && nr <= zeilen_.size() ? zeilen_[nr - 1]->ergebnis : nullptr;
}

QMenu* Uebungsfenster::aufgabenmenue(std::size_t nr) const {
    return nr >= 1 && nr <= zeilen_.size() ? zeilen_[nr - 1]->bearbeiten->menu() : nullptr;
}

void Uebungsfenster::bearbeitet(const Ergebnis<Json>& uebung, const QString& was) {
    if (!uebung) {
        hinweis(Q(uebung.grund()), true);
        return;
    }
    hinweis({}, false);
    s_.setUebung(*uebung, was);
}

void Uebungsfenster::formularAusfuehren(Aufgabenformular& form, const QString& was) {
    if (form.exec() != QDialog::Accepted || !form.uebung()) return;
    bearbeitet(*form.uebung(), was);
}

void Uebungsfenster::aufgabeHinzufuegen() {
    // A new exercise is called as the project is.
    const QString titel =
        HatUebung(s_.projekt())
            ? QString()
            : (s_.pfad().isEmpty() ? tr("Übung") : QFileInfo(s_.pfad()).completeBaseName());
    Aufgabenformular form(
        tr("Aufgabe hinzufügen"),
        [this, titel](const Aufgabenfelder& f) {
            return AufgabeHinzufuegen(s_.projekt(), s_.stand(), f, titel.toStdString());
        },
        Namensliste(s_), window());
    formularAusfuehren(form, tr("Aufgabe hinzufügen"));
}

void Uebungsfenster::aufgabeBearbeiten(std::size_t nr) {
    Aufgabenformular form(
        tr("Aufgabe %1 bearbeiten").arg(nr),
        [this, nr](const Aufgabenfelder& f) {
            return AufgabeAendern(s_.projekt(), s_.stand(), nr, f);
        },
        Namensliste(s_), window());
    form.setFelder(FelderDerAufgabe(s_.projekt(), nr));
    formularAusfuehren(form, tr("Aufgabe bearbeiten"));
}

void Uebungsfenster::aufgabeVerschieben(std::size_t nr, bool hoch) {
    bearbeitet(AufgabeVerschieben(s_.projekt(), nr, hoch), tr("Aufgabe verschieben"));
}

void Uebungsfenster::aufgabeLoeschen(std::size_t nr) {
    bearbeitet(AufgabeLoeschen(s_.projekt(), nr), tr("Aufgabe löschen"));
}

const Ueberlagerung* Uebungsfenster::loesungsbild() const {
    if (!anhang_ || !loesungZeigen_->isChecked() || !bewertung_ || !bewertung_->fehler.empty()) {
        return nullptr;
    }
    return &anhang_->bild;
}

void Uebungsfenster::setLoesung(const Projekt& loesung, const QString& name) {
    auto bereit = Loesung::Aus(loesung);
    if (!bereit) return;
    Berechnung b = Berechnen(loesung);
    Ueberlagerung bild = UeberlagerungAus(loesung, b);
    anhang_ = std::make_unique<Anhang>(
        Anhang{loesung, std::move(b), *bereit, name, s_.pfad(), std::move(bild)});
    loesungZeigen_->setEnabled(true);
    aktualisieren();
    emit loesungGeaendert();
}

void Uebungsfenster::loesungPruefen() {
    // Another project than the graded hand-in: the solution goes.
    if (!anhang_ || s_.pfad() == anhang_->abgabe) return;
    anhang_.reset();
    loesungZeigen_->setChecked(false);
    loesungZeigen_->setEnabled(false);
    aktualisieren();
    emit loesungGeaendert();
}

QString Uebungsfenster::erstellenNach(const QString& pfad) {
    const auto uebung = UebungErstellen(s_.projekt());
    if (!uebung) return Q(uebung.grund());
    if (!s_.pfad().isEmpty() &&
        QFileInfo(pfad).absoluteFilePath() == QFileInfo(s_.pfad()).absoluteFilePath()) {
        return tr(
            "Die Übung würde die Lösung überschreiben; bitte einen anderen Dateinamen "
            "wählen.");
    }
    return DateiSchreiben(pfad, uebung->schreiben());
}

void Uebungsfenster::erstellen() {
    if (const auto geprueft = UebungErstellen(s_.projekt()); !geprueft) {
        QMessageBox::warning(this, "Lumora", Q(geprueft.grund()));
        return;
    }
    const QString ort =
        s_.pfad().isEmpty()
            ? QDir::home().filePath(tr("Aufgabe.lumora"))
            : QFileInfo(s_.pfad()).absolutePath() + "/" +
                  tr("%1-aufgabe.lumora").arg(QFileInfo(s_.pfad()).completeBaseName());
    QString pfad = QFileDialog::getSaveFileName(this, tr("Übung erstellen"), ort,
                                                tr("Lumora-Projekt (*.lumora)"));
    if (pfad.isEmpty()) return;
    if (QFileInfo(pfad).suffix().isEmpty()) pfad += ".lumora";
    if (const QString grund = erstellenNach(pfad); !grund.isEmpty()) {
        QMessageBox::warning(this, "Lumora",
                             tr("Die Übung wurde nicht geschrieben.\n\n%1").arg(grund));
    }
}

QString Uebungsfenster::ordnerBewerten(const QString& ordner, std::vector<Bewertung>& bewertungen) {
    auto noten = OrdnerBewerten(s_.projekt(), ordner, s_.pfad());
    if (!noten) return Q(noten.grund());
    bewertungen = *noten;
    return {};
}

void Uebungsfenster::bewerten() {
    if (const auto geprueft = Loesung::Aus(s_.projekt()); !geprueft) {
        QMessageBox::warning(this, "Lumora", Q(geprueft.grund()));
        return;
    }
    const QString ordner = QFileDialog::getExistingDirectory(
        this, tr("Abgaben bewerten"),
        s_.pfad().isEmpty() ? QDir::homePath() : QFileInfo(s_.pfad()).absolutePath());
    if (ordner.isEmpty()) return;
    std::vector<Bewertung> bewertungen;
    if (const QString grund = ordnerBewerten(ordner, bewertungen); !grund.isEmpty()) {
        QMessageBox::warning(this, "Lumora", grund);
        return;
    }
    const Projekt loesung = s_.projekt();
    const QString name = s_.titelname();
    Abgabendialog dialog(*UebungLesen(loesung), std::move(bewertungen), ordner, this);
    if (dialog.exec() != QDialog::Accepted) return;
    const QString abgabe = dialog.gewaehlt();
    if (abgabe.isEmpty() || !oeffnen_ || !oeffnen_(abgabe)) return;
    setLoesung(loesung, name);
}

QString Beispieltitel(const QString& pfad) {
    QString titel = QFileInfo(pfad).completeBaseName();
    if (!titel.isEmpty()) titel[0] = titel[0].toUpper();
    const auto projekt = ProjektLesen(pfad);
    if (!projekt || !HatUebung(*projekt)) return titel;
    const auto uebung = UebungLesen(*projekt);
    if (!uebung || uebung->titel.empty()) return titel;
    return (Loesung::Aus(*projekt) ? Uebungsfenster::tr("Lösung: %1")
                                   : Uebungsfenster::tr("Übung: %1"))
        .arg(Q(uebung->titel));
}

}  // namespace lumora
