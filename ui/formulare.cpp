#include "ui/formulare.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLocale>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "core/feuchte_luft.h"
#include "core/prozess.h"
#include "projekt/bearbeiten.h"
#include "projekt/berechnung.h"
#include "projekt/eintrag.h"
#include "projekt/messreihe.h"
#include "projekt/tafeltext.h"
#include "projekt/zone.h"
#include "ui/projekttabellen.h"

namespace lumora {

namespace {

QString Einheit(const char* schluessel) {
    const Groesse& g = GroesseZu(schluessel);
    return QString::fromStdString(Symbol(schluessel)) +
           (*g.einheit ? " [" + QString::fromUtf8(g.einheit) + "]" : QString());
}

// Shows the range of the field's value in the empty field and as its tip; nothing for a value
// that only its start or its partner bounds.
void BereichZeigen(QLineEdit* feld, const Wertebereich& b, const char* schluessel) {
    const QString text = QString::fromStdString(BereichText(b, schluessel));
    feld->setPlaceholderText(text);
    feld->setToolTip(text);
}

// Chooses the state `name` in a list of states; a name the project no longer has (its state
// deleted or renamed) joins the list, so that the form shows the entry as it is and an entry
// confirmed unchanged stays unchanged, and the check says what is wrong with it.
void ZustandWaehlen(QComboBox* liste, const std::string& name) {
    const QString text = QString::fromStdString(name);
    if (liste->findText(text) < 0) liste->addItem(text);
    liste->setCurrentText(text);
}

}  // namespace

QString KeineZahl(const QString& feld, const QString& text) {
    return QString::fromStdString(KeineZahlText(feld.toStdString(), text.toStdString()));
}

// --- The check of an entry ---

// Why an entry placed at `index` of `liste` (replacing the entry there, or inserted when the
// index is the list's end) cannot be computed, as the table would say it.
// --- The common form ------------------------------------------------------------------------

Eintragsformular::Eintragsformular(const QString& titel, Eintragspruefung pruefung, QWidget* parent)
    : QDialog(parent), pruefung_(std::move(pruefung)) {
    setWindowTitle(titel);
    auto* aussen = new QVBoxLayout(this);
    formular_ = new QFormLayout;
    aussen->addLayout(formular_);
    meldung_ = new QLabel(this);
    meldung_->setObjectName("meldung");
    meldung_->setWordWrap(true);
    meldung_->setStyleSheet("QLabel { color: rgb(180, 0, 0); }");
    meldung_->setMinimumWidth(360);
    aussen->addWidget(meldung_);
    knoepfe_ = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    aussen->addWidget(knoepfe_);
    connect(knoepfe_, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(knoepfe_, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

QLineEdit* Eintragsformular::zahlfeld(const QString& beschriftung) {
    auto* feld = new QLineEdit(this);
    auto* text = new QLabel(beschriftung, this);
    formular_->addRow(text, feld);
    zeilen_.push_back({feld, text});
    connect(feld, &QLineEdit::textChanged, this, &Eintragsformular::pruefen);
    return feld;
}

QLabel* Eintragsformular::beschriftung(const QLineEdit* feld) const {
    for (const Zeile& z : zeilen_) {
        if (z.feld == feld) return z.beschriftung;
    }
    return nullptr;
}

void Eintragsformular::zeigen(const QLineEdit* feld, bool sichtbar) {
    formular_->setRowVisible(const_cast<QLineEdit*>(feld), sichtbar);
}

std::optional<double> Eintragsformular::zahl(const QLineEdit* feld) {
    return ZahlAusText(feld->text());
}

QString Eintragsformular::zahlfehler(const QLineEdit* feld, const QString& name) const {
    const auto v = zahl(feld);
    if (!v || !std::isnan(*v)) return {};
    QString n = name;
    if (n.isEmpty()) {
        const QLabel* b = beschriftung(feld);
        n = b ? b->text() : QString();
        if (const auto klammer = n.indexOf(" ["); klammer >= 0) n.truncate(klammer);
    }
    return KeineZahl(n, feld->text().trimmed());
}

QString Eintragsformular::fehlt(const QString& feld) { return tr("Bitte %1 eingeben.").arg(feld); }

QString Eintragsformular::nameFehlt() { return tr("Bitte einen Namen eingeben."); }

void Eintragsformular::showEvent(QShowEvent* ereignis) {
    QDialog::showEvent(ereignis);
    // The base builds its buttons first, which would take the focus otherwise.
    for (int zeile = 0; zeile < formular_->rowCount(); ++zeile) {
        QLayoutItem* feld = formular_->itemAt(zeile, QFormLayout::FieldRole);
        QWidget* w = feld ? feld->widget() : nullptr;
        if (!w && feld && feld->layout() && feld->layout()->count() > 0) {
            w = feld->layout()->itemAt(0)->widget();
        }
        if (w && w->isVisibleTo(this) && w->focusPolicy() != Qt::NoFocus) {
            w->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
}

void Eintragsformular::pruefen() {
    QString fehler = feldfehler();
    if (fehler.isEmpty() && pruefung_) fehler = QString::fromStdString(pruefung_(eintrag()));
    meldung_->setText(fehler);
    knoepfe_->button(QDialogButtonBox::Ok)->setEnabled(fehler.isEmpty());
}

// --- A state --------------------------------------------------------------------------------

Zustandsformular::Zustandsformular(Eintragspruefung pruefung, QWidget* parent)
    : Eintragsformular(tr("Zustand"), std::move(pruefung), parent) {
    name_ = new QLineEdit(this);
    name_->setMaxLength(static_cast<int>(kMaxName));
    formular_->addRow(tr("Name"), name_);
    paar_ = new QComboBox(this);
    for (const Zustandspaar& p : kZustandspaare)
        paar_->addItem(QString::fromStdString(tafel::Angezeigt(p.anzeige)));
    formular_->addRow(tr("Eingabe"), paar_);
    a_ = zahlfeld("");
    b_ = zahlfeld("");
    connect(name_, &QLineEdit::textChanged, this, &Zustandsformular::pruefen);
    connect(paar_, &QComboBox::currentIndexChanged, this, &Zustandsformular::paarGewaehlt);
    paarGewaehlt();
}

void Zustandsformular::paarGewaehlt() {
    const Zustandspaar& p = kZustandspaare[std::max(0, paar_->currentIndex())];
    beschriftung(a_)->setText(Einheit(p.a));
    beschriftung(b_)->setText(Einheit(p.b));
    BereichZeigen(a_, p.bereichA, p.a);
    BereichZeigen(b_, p.bereichB, p.b);
    pruefen();
}

void Zustandsformular::setEintrag(const Json& eintrag) {
    name_->setText(QString::fromStdString(eintrag.value("name", std::string())));
    if (const Zustandspaar* p = PaarDerSchluessel(eintrag)) {
        paar_->setCurrentIndex(static_cast<int>(p - kZustandspaare.data()));
        a_->setText(WertText(eintrag[p->a]));
        b_->setText(WertText(eintrag[p->b]));
    }
    pruefen();
}

QString Zustandsformular::feldfehler() const {
    if (name_->text().trimmed().isEmpty()) return nameFehlt();
    const Zustandspaar& p = kZustandspaare[std::max(0, paar_->currentIndex())];
    for (auto [feld, schluessel] : {std::pair{a_, p.a}, std::pair{b_, p.b}}) {
        const auto v = zahl(feld);
        if (!v) return fehlt(Einheit(schluessel));
        if (std::isnan(*v)) return zahlfehler(feld, QString::fromStdString(Symbol(schluessel)));
    }
    return {};
}

Json Zustandsformular::eintrag() const {
    const Zustandspaar& p = kZustandspaare[std::max(0, paar_->currentIndex())];
    Json e = Json::object();
    e["name"] = name_->text().trimmed().toStdString();
    e[p.a] = JsonZahl(zahl(a_).value_or(0));
    e[p.b] = JsonZahl(zahl(b_).value_or(0));
    return e;
}

// --- A process ------------------------------------------------------------------------------

Prozessformular::Prozessformular(const std::vector<std::string>& zustaende,
                                 Eintragspruefung pruefung, QWidget* parent)
    : Eintragsformular(tr("Prozess"), std::move(pruefung), parent) {
    art_ = new QComboBox(this);
    for (const Prozessname& n : kProzessnamen)
        art_->addItem(QString::fromStdString(Anzeigename(n.art)));
    formular_->addRow(tr("Art"), art_);
    von_ = new QComboBox(this);
    von2_ = new QComboBox(this);
    for (const std::string& z : zustaende) {
        von_->addItem(QString::fromStdString(z));
        von2_->addItem(QString::fromStdString(z));
    }
    if (von2_->count() > 1) von2_->setCurrentIndex(1);
    formular_->addRow(tr("von"), von_);
    formular_->addRow(tr("zweiter Zustand"), von2_);
    ziel_ = new QComboBox(this);  // filled with the kind's targets
    formular_->addRow(tr("Ziel"), ziel_);
    zielwert_ = zahlfeld(tr("Zielwert"));
    for (const Parameter& p : Prozessparameter()) {
        parameter_.emplace_back(p.schluessel,
                                zahlfeld(QString::fromStdString(tafel::Angezeigt(p.beschriftung))));
        BereichZeigen(parameter_.back().second, p.bereich, p.schluessel);
    }
    {
        // The volume flow a mass flow has at the start, in the row below the mass flow.
        int zeile = 0;
        QFormLayout::ItemRole rolle{};
        formular_->getWidgetPosition(parameter("massenstrom"), &zeile, &rolle);
        volumen_ = new QLabel(this);
        volumen_->setObjectName("volumenstromHinweis");
        formular_->insertRow(zeile + 1, QString(), volumen_);
    }
    nach_ = new QLineEdit(this);
    formular_->addRow(tr("Name des neuen Zustands"), nach_);
    connect(nach_, &QLineEdit::textChanged, this, &Prozessformular::pruefen);
    for (QComboBox* c : {von_, von2_, ziel_}) {
        connect(c, &QComboBox::currentIndexChanged, this, &Prozessformular::pruefen);
    }
    connect(von_, &QComboBox::currentIndexChanged, this, &Prozessformular::volumenstromZeigen);
    connect(parameter("massenstrom"), &QLineEdit::textChanged, this,
            &Prozessformular::volumenstromZeigen);
    connect(art_, &QComboBox::currentIndexChanged, this, &Prozessformular::artGewaehlt);
    artGewaehlt();
}

QLineEdit* Prozessformular::parameter(const std::string& schluessel) const {
    for (const auto& [k, feld] : parameter_) {
        if (k == schluessel) return feld;
    }
    return nullptr;
}

void Prozessformular::artGewaehlt() {
    const Prozessschema& f = SchemaVon(kProzessnamen[std::max(0, art_->currentIndex())].art);
    const bool zwei = HatZweitenZustand(f.art);
    formular_->setRowVisible(von2_, zwei);
    formular_->setRowVisible(ziel_, !f.ziele.empty());
    zeigen(zielwert_, !f.ziele.empty());
    // The kind's targets; the one chosen stays where the new kind has it too (x from a
    // humidifier to a direction), else the first is chosen.
    {
        const QSignalBlocker still(ziel_);
        const QVariant vorher = ziel_->currentData();
        ziel_->clear();
        for (const Ziel z : f.ziele) {
            const Zielart& a = ZielartVon(z);
            ziel_->addItem(QString::fromStdString(tafel::Angezeigt(a.anzeige)),
                           QString::fromUtf8(a.schluessel));
        }
        ziel_->setCurrentIndex(std::max(0, ziel_->findData(vorher)));
    }
    for (const auto& [k, feld] : parameter_) {
        bool sichtbar = false;
        for (const char* s : f.schluessel) sichtbar = sichtbar || k == s;
        zeigen(feld, sichtbar);
    }
    volumenstromZeigen();
    pruefen();
}

void Prozessformular::setZustandssuche(Zustandssuche suche) {
    suche_ = std::move(suche);
    volumenstromZeigen();
}

void Prozessformular::volumenstromZeigen() {
    QString text;
    const QLineEdit* m = parameter("massenstrom");
    const auto strom = zahl(m);
    if (suche_ && formular_->isRowVisible(const_cast<QLineEdit*>(m)) && strom && *strom > 0 &&
        std::isfinite(*strom)) {
        const QString von = von_->currentText();
        if (const Zustandswerte* z = suche_(von.toStdString())) {
            text = tr("entspricht %1 m³/h bei %2")
                       .arg(Zahltext(VolumenstromBei(*strom, *z), stellen::kStrom), von);
        }
    }
    volumen_->setText(text);
    formular_->setRowVisible(volumen_, !text.isEmpty());
}

void Prozessformular::setEintrag(const Json& e) {
    if (const auto art = ProzessartZu(e.value("art", std::string()))) {
        art_->setCurrentIndex(static_cast<int>(*art));
    }
    const Json von = e.value("von", Json());
    if (von.is_string()) ZustandWaehlen(von_, von.get<std::string>());
    if (von.is_array() && von.size() == 2 && von[0].is_string() && von[1].is_string()) {
        ZustandWaehlen(von_, von[0].get<std::string>());
        ZustandWaehlen(von2_, von[1].get<std::string>());
    }
    for (int i = 0; i < ziel_->count(); ++i) {
        const std::string k = ziel_->itemData(i).toString().toStdString();
        if (e.contains(k)) {
            ziel_->setCurrentIndex(i);
            zielwert_->setText(WertText(e[k]));
        }
    }
    for (const auto& [k, feld] : parameter_) {
        if (e.contains(k)) feld->setText(WertText(e[k]));
    }
    const Json stroeme = e.value("massenstroeme", Json());
    if (stroeme.is_array() && stroeme.size() == 2) {
        parameter("massenstrom1")->setText(WertText(stroeme[0]));
        parameter("massenstrom2")->setText(WertText(stroeme[1]));
    }
    nach_->setText(QString::fromStdString(e.value("nach", std::string())));
    pruefen();
}

void Prozessformular::fortsetzen(std::optional<double> massenstrom) {
    if (von_->count() > 0) von_->setCurrentIndex(von_->count() - 1);
    if (massenstrom) parameter("massenstrom")->setText(WertText(JsonZahl(*massenstrom)));
}

QString Prozessformular::feldfehler() const {
    const Prozessschema& f = SchemaVon(kProzessnamen[std::max(0, art_->currentIndex())].art);
    if (von_->count() == 0) return tr("Es gibt noch keinen Zustand, an dem ein Prozess beginnt.");
    for (const char* k : f.schluessel) {
        const QLineEdit* feld = parameter(k);
        const auto v = zahl(feld);
        const bool freiwillig = ParameterZu(k)->freiwillig;
        if (!v && !freiwillig) return fehlt(beschriftung(feld)->text());
        if (const QString fehler = zahlfehler(feld); !fehler.isEmpty()) return fehler;
    }
    if (!MischungVollstaendig(felder())) {
        return tr("Bitte zwei Massenströme oder den Außenluftanteil eingeben.");
    }
    if (!f.ziele.empty()) {
        if (!zahl(zielwert_)) return tr("Bitte einen Zielwert eingeben.");
        const QString ziel = ziel_->currentText();
        if (const QString fehler = zahlfehler(zielwert_, ziel.left(ziel.indexOf(" [")));
            !fehler.isEmpty()) {
            return fehler;
        }
    }
    if (nach_->text().trimmed().isEmpty())
        return tr("Bitte den Namen des neuen Zustands eingeben.");
    return {};
}

Json Prozessformular::eintrag() const { return ProzessEintrag(felder()); }

Prozessfelder Prozessformular::felder() const {
    Prozessfelder f;
    f.art = kProzessnamen[std::max(0, art_->currentIndex())].art;
    f.von = von_->currentText().toStdString();
    f.von2 = von2_->currentText().toStdString();
    f.nach = nach_->text().trimmed().toStdString();
    f.ziel = ziel_->currentData().toString().toStdString();
    f.zielwert = zahl(zielwert_);
    for (const auto& [k, feld] : parameter_) {
        if (const auto v = zahl(feld)) f.parameter[k] = *v;
    }
    return f;
}

// --- A zone ---------------------------------------------------------------------------------

Zonenformular::Zonenformular(Eintragspruefung pruefung, QWidget* parent)
    : Eintragsformular(tr("Zone"), std::move(pruefung), parent) {
    name_ = new QLineEdit(this);
    formular_->addRow(tr("Name"), name_);
    connect(name_, &QLineEdit::textChanged, this, &Zonenformular::pruefen);
    const std::pair<const char*, const char*> grenzen[] = {
        {"theta", "ϑ [°C]"}, {"phi", "φ [%]"}, {"x", "x [g/kg]"}};
    for (auto [schluessel, text] : grenzen) {
        auto* von = new QLineEdit(this);
        auto* bis = new QLineEdit(this);
        von->setPlaceholderText(tr("offen"));
        bis->setPlaceholderText(tr("offen"));
        auto* zeile = new QHBoxLayout;
        zeile->addWidget(new QLabel(tr("von"), this));
        zeile->addWidget(von);
        zeile->addWidget(new QLabel(tr("bis"), this));
        zeile->addWidget(bis);
        formular_->addRow(QString::fromUtf8(text), zeile);
        for (QLineEdit* f : {von, bis}) {
            connect(f, &QLineEdit::textChanged, this, &Zonenformular::pruefen);
        }
        grenzen_.push_back({schluessel, {von, bis}});
    }
    auto* vorlage = new QPushButton(tr("Behaglichkeitsfeld einsetzen"), this);
    formular_->addRow("", vorlage);
    connect(vorlage, &QPushButton::clicked, this,
            [this] { setEintrag(ZoneZuJson(Behaglichkeitsfeld())); });
}

void Zonenformular::setEintrag(const Json& e) {
    name_->setText(QString::fromStdString(e.value("name", std::string())));
    for (auto& [k, felder] : grenzen_) {
        const Json g = e.value(k, Json());
        for (int i = 0; i < 2; ++i) {
            // An open bound (null in the file) is an empty field, as eintrag() reads it back.
            const bool zahl = g.is_array() && g.size() == 2 && !g[i].is_null();
            felder[i]->setText(zahl ? WertText(g[i]) : QString());
        }
    }
    pruefen();
}

QString Zonenformular::feldfehler() const {
    if (name_->text().trimmed().isEmpty()) return nameFehlt();
    for (const auto& [k, felder] : grenzen_) {
        const QString groesse = QString::fromStdString(Symbol(k));
        for (int i = 0; i < 2; ++i) {
            const QString fehler =
                zahlfehler(felder[i], (i == 0 ? tr("%1 von") : tr("%1 bis")).arg(groesse));
            if (!fehler.isEmpty()) return fehler;
        }
    }
    return {};
}

Json Zonenformular::eintrag() const {
    Json e = Json::object();
    e["name"] = name_->text().trimmed().toStdString();
    for (const auto& [k, felder] : grenzen_) {
        const auto von = zahl(felder[0]);
        const auto bis = zahl(felder[1]);
        if (!von && !bis) continue;
        e[k] = Json::array({von ? JsonZahl(*von) : Json(), bis ? JsonZahl(*bis) : Json()});
    }
    return e;
}

// --- The altitude ---------------------------------------------------------------------------

QString HoehenFehler(double hoehe) {
    const auto fehler = Hoehenbereichsfehler(hoehe);
    return fehler ? QString::fromStdString(*fehler) : QString();
}

Hoehendialog::Hoehendialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("Gesamtdruck aus Höhe"));
    auto* aussen = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    hoehe_ = new QLineEdit(this);
    hoehe_->setObjectName("hoehe");
    auto* zeile = new QHBoxLayout;
    zeile->addWidget(hoehe_);
    zeile->addWidget(new QLabel(tr("m über dem Meeresspiegel"), this));
    form->addRow(tr("Höhe"), zeile);
    ergebnis_ = new QLabel(this);
    ergebnis_->setObjectName("ergebnis");
    ergebnis_->setWordWrap(true);
    form->addRow(ergebnis_);
    aussen->addLayout(form);
    knoepfe_ = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    aussen->addWidget(knoepfe_);
    connect(knoepfe_, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(knoepfe_, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(hoehe_, &QLineEdit::textChanged, this, &Hoehendialog::pruefen);
    pruefen();
}

QString Hoehendialog::druckText() const {
    const auto h = ZahlAusText(hoehe_->text());
    if (!h || !HoehenFehler(*h).isEmpty()) return {};
    return Druckfeldtext(NormdruckInHoehe(*h));
}

QString Druckfeldtext(double hPa) {
    if (!std::isfinite(hPa)) return {};
    return QLocale::c().toString(std::round(hPa * 10) / 10, 'f', 1);
}

void Hoehendialog::pruefen() {
    const QString druck = druckText();
    if (druck.isEmpty()) {
        const auto h = ZahlAusText(hoehe_->text());
        ergebnis_->setText(!h               ? tr("Bitte eine Höhe in m eingeben.")
                           : std::isnan(*h) ? KeineZahl(tr("Höhe"), hoehe_->text().trimmed())
                                            : HoehenFehler(*h));
    } else {
        ergebnis_->setText(tr("Gesamtdruck der Normatmosphäre: %1 hPa").arg(druck));
    }
    knoepfe_->button(QDialogButtonBox::Ok)->setEnabled(!druck.isEmpty());
}

}  // namespace lumora
