#include "ui/anlagenseite.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QScrollArea>
#include <QSplitter>
#include <QStackedWidget>
#include <QTabWidget>
#include <QVBoxLayout>
#include <cmath>

#include "projekt/eintrag.h"
#include "projekt/groessen.h"
#include "projekt/messreihe.h"
#include "projekt/tafeltext.h"
#include "ui/formulare.h"
#include "ui/projekttabellen.h"
#include "ui/wetterjahrformular.h"

namespace lumora {

namespace {

// The keys of a unit and of its parts in the order a file has them: a key the form adds goes
// to its place among them.
constexpr std::string_view kAnlagenschluessel[] = {
    "name",           "wetterjahr",  "massenstrom", "volumenstrom", "zuluft", "abluft",
    "rueckwaermzahl", "frostschutz", "kuehler",     "befeuchter",   "betrieb"};
constexpr std::string_view kZuluftschluessel[] = {"theta", "x"};
constexpr std::string_view kBefeuchterschluessel[] = {"art", "dampf", "wasser"};
constexpr std::string_view kBetriebsschluessel[] = {"monate", "stunden"};
constexpr std::string_view kKuehlerschluessel[] = {"bypass"};

constexpr double kNeuerMassenstrom = 5000;  // [kg/h]
constexpr double kNeueZuluft[] = {18, 22};  // [°C]

// The humidifiers in the order of the choice, with the key of their temperature.
constexpr const char* kBefeuchterarten[] = {"", "dampf", "wasser"};

template <std::size_t N>
int Rang(const std::string_view (&reihenfolge)[N], std::string_view k) {
    for (std::size_t i = 0; i < N; ++i) {
        if (reihenfolge[i] == k) return static_cast<int>(i);
    }
    return -1;
}

// Sets key k of the object o to v, or removes it when v is null. A key that is new goes before
// the first key that the order places after it, so that the file keeps the order of its keys;
// a key that is there keeps its place.
template <std::size_t N>
void Setzen(Json& o, std::string_view k, Json v, const std::string_view (&reihenfolge)[N]) {
    const std::string schluessel(k);
    if (!o.is_object()) o = Json::object();
    if (o.contains(schluessel)) {
        if (v.is_null()) {
            o.erase(schluessel);
        } else {
            o[schluessel] = std::move(v);
        }
        return;
    }
    if (v.is_null()) return;
    const int rang = Rang(reihenfolge, k);
    Json neu = Json::object();
    bool gesetzt = false;
    for (auto it = o.begin(); it != o.end(); ++it) {
        if (!gesetzt && rang >= 0 && Rang(reihenfolge, it.key()) > rang) {
            neu[schluessel] = v;
            gesetzt = true;
        }
        neu[it.key()] = it.value();
    }
    if (!gesetzt) neu[schluessel] = std::move(v);
    o = std::move(neu);
}

// A value's text in a field: a text as it is, anything else as a cell shows it; empty for
// none.
QString Feldtext(const Json& j) {
    if (j.is_null()) return {};
    if (j.is_string()) return QString::fromStdString(j.get<std::string>());
    return WertText(j);
}

const Json& Teil(const Json& o, const char* k) {
    static const Json kNichts;
    return o.is_object() && o.contains(k) ? o[k] : kNichts;
}

// The two texts of a [von, bis] list, empty where it is none.
std::array<QString, 2> VonBis(const Json& j) {
    if (!j.is_array() || j.size() != 2) return {};
    return {Feldtext(j[0]), Feldtext(j[1])};
}

QTableWidgetItem* Zelle(const QString& text, bool zahl) {
    auto* z = new QTableWidgetItem(text);
    z->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    if (zahl) z->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return z;
}

QString Name(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

// Whether the unit can run on the series: a weather year, or a series with a time that reads.
bool Laufbar(const Messreihe& r) {
    if (r.art == Reihenart::Wetterjahr) return true;
    for (const std::string& t : r.zeit) {
        if (ZeitLesen(t)) return true;
    }
    return false;
}

// The overview's rows: a name and a value with its decimals.
struct Ergebniszeile {
    QString name;
    double wert;
    int stellen;
};

std::vector<Ergebniszeile> Uebersichtszeilen(const Anlagenjahr& j) {
    std::vector<Ergebniszeile> z;
    z.push_back({Anlagenseite::tr("Massenstrom ṁ [kg/h]"), j.massenstrom, stellen::kStrom});
    z.push_back({Anlagenseite::tr("Stunden in Betrieb [h]"), j.summe.stunden, 0});
    z.push_back({Anlagenseite::tr("Stunden unmöglich [h]"), j.unmoeglich, 0});
    for (std::size_t i = 0; i < kBetriebsarten; ++i) {
        z.push_back(
            {Anlagenseite::tr("Stunden %1 [h]").arg(Name(NameVon(static_cast<Betriebsart>(i)))),
             j.arten[i], 0});
    }
    z.push_back({Anlagenseite::tr("Stunden nicht erreicht [h]"), j.nichtErreicht, 0});
    z.push_back({Anlagenseite::tr("Energie Heizen gesamt [kWh]"), j.summe.Heizen(), 0});
    for (std::size_t k = 0; k < kKomponenten; ++k) {
        z.push_back(
            {Anlagenseite::tr("Energie %1 [kWh]").arg(Komponentenname(static_cast<Komponente>(k))),
             j.summe.energie[k], 0});
    }
    z.push_back({Anlagenseite::tr("Befeuchterwasser [kg]"), j.summe.befeuchterwasser, 0});
    z.push_back({Anlagenseite::tr("Kondensat [kg]"), j.summe.kondensat, 0});
    for (std::size_t k = 0; k < kKomponenten; ++k) {
        const auto komponente = static_cast<Komponente>(k);
        if (komponente == Komponente::WrgKuehlen) continue;  // the recovery has one load
        const QString name = komponente == Komponente::WrgHeizen ? Anlagenseite::tr("WRG")
                                                                 : Komponentenname(komponente);
        z.push_back({Anlagenseite::tr("Höchstleistung %1 [kW]").arg(name), j.hoechstleistung[k],
                     stellen::kWasser});
    }
    return z;
}

}  // namespace

// --- The bars -------------------------------------------------------------------------------

Balkenflaeche::Balkenflaeche(QWidget* parent) : QWidget(parent) {
    setObjectName("monatsbalken");
    setMinimumSize(320, 200);
}

void Balkenflaeche::setBalken(std::optional<Monatsbalken> balken) {
    balken_ = std::move(balken);
    update();
}

void Balkenflaeche::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (!balken_) {
        p.fillRect(rect(), palette().window());
        return;
    }
    MonatsbalkenMalen(p, *balken_, QRectF(rect()));
}

// --- The page -------------------------------------------------------------------------------

Anlagenseite::Anlagenseite(Projektsitzung& sitzung, QWidget* parent)
    : QWidget(parent), s_(sitzung) {
    setObjectName("anlage");
    auto* aussen = new QHBoxLayout(this);
    auto* teiler = new QSplitter(Qt::Horizontal, this);
    aussen->addWidget(teiler);

    stapel_ = new QStackedWidget(teiler);
    auto* leer = new QWidget(stapel_);
    auto* leerSpalte = new QVBoxLayout(leer);
    auto* hinweis = new QLabel(tr("Das Projekt hat keine Anlage."), leer);
    auto* hinzu = new QPushButton(tr("Anlage hinzufügen"), leer);
    hinzu->setObjectName("anlageHinzufuegenKnopf");
    connect(hinzu, &QPushButton::clicked, this, &Anlagenseite::hinzufuegen);
    leerSpalte->addWidget(hinweis);
    leerSpalte->addWidget(hinzu);
    leerSpalte->addStretch();
    stapel_->addWidget(leer);

    auto* rollen = new QScrollArea(stapel_);
    rollen->setWidgetResizable(true);
    auto* formular = new QWidget(rollen);
    formularAnlegen(formular);
    rollen->setWidget(formular);
    stapel_->addWidget(rollen);

    auto* ergebnisse = new QWidget(teiler);
    auto* spalte = new QVBoxLayout(ergebnisse);
    spalte->setContentsMargins(0, 0, 0, 0);
    zustand_ = new QLabel(ergebnisse);
    zustand_->setObjectName("anlagenzustand");
    zustand_->setWordWrap(true);
    spalte->addWidget(zustand_);
    auto* reiter = new QTabWidget(ergebnisse);
    reiter->setObjectName("anlagenergebnisse");
    spalte->addWidget(reiter);
    ergebnisseAnlegen(reiter);
    teiler->setStretchFactor(0, 2);
    teiler->setStretchFactor(1, 3);

    connect(&s_, &Projektsitzung::projektGeaendert, this, &Anlagenseite::projektGeaendert);
    geladen_ = Json(1);  // differs from every unit, so that the first change fills the form
    projektGeaendert();
}

void Anlagenseite::formularAnlegen(QWidget* seite) {
    auto* spalte = new QVBoxLayout(seite);
    formular_ = new QFormLayout;
    spalte->addLayout(formular_);
    for (std::size_t i = 0; i < felder_.size(); ++i) {
        felder_[i] = new QLineEdit(seite);
        connect(felder_[i], &QLineEdit::returnPressed, this, &Anlagenseite::uebernehmen);
    }
    const char* namen[] = {"strom",
                           "thetaMin",
                           "thetaMax",
                           "xMin",
                           "xMax",
                           "abluftA",
                           "abluftB",
                           "rueckwaermzahl",
                           "frostschutz",
                           "bypass",
                           "befeuchtertemperatur",
                           "monatVon",
                           "monatBis",
                           "stundeVon",
                           "stundeBis"};
    for (int i = 0; i < Anzahl; ++i) feld(static_cast<Feld>(i))->setObjectName(namen[i]);

    name_ = new QLineEdit(seite);
    name_->setObjectName("anlagenname");
    connect(name_, &QLineEdit::returnPressed, this, &Anlagenseite::uebernehmen);
    formular_->addRow(tr("Name"), name_);
    wetterjahr_ = new QComboBox(seite);
    wetterjahr_->setObjectName("wetterjahr");
    wetterjahr_->setToolTip(
        tr("Ein Wetterjahr des Projekts oder eine Messreihe mit lesbaren Zeiten"));
    formular_->addRow(tr("Wetterjahr"), wetterjahr_);

    // A row with a label that names the unit and may change with a choice.
    const auto zeile = [&](Feld f, const QString& text) {
        beschriftungen_[f] = new QLabel(text, seite);
        formular_->addRow(beschriftungen_[f], feld(f));
    };
    // Two fields side by side, "von"/"bis" or "min"/"max".
    const auto paar = [&](const QString& text, Feld a, Feld b, const QString& zwischen) {
        auto* z = new QHBoxLayout;
        z->addWidget(feld(a));
        z->addWidget(new QLabel(zwischen, seite));
        z->addWidget(feld(b));
        beschriftungen_[a] = beschriftungen_[b] = new QLabel(text, seite);
        formular_->addRow(beschriftungen_[a], z);
    };

    stromart_ = new QComboBox(seite);
    stromart_->setObjectName("stromart");
    stromart_->addItems({tr("Massenstrom ṁ [kg/h]"), tr("Volumenstrom V̇ [m³/h]")});
    auto* strom = new QHBoxLayout;
    strom->addWidget(stromart_);
    strom->addWidget(feld(Strom));
    formular_->addRow(tr("Luftstrom"), strom);
    beschriftungen_[Strom] = qobject_cast<QLabel*>(formular_->labelForField(strom));
    feld(Strom)->setPlaceholderText("> 0");

    paar(tr("Zuluft ϑ [°C]"), ThetaMin, ThetaMax, tr("bis"));
    paar(tr("Zuluft x [g/kg]"), XMin, XMax, tr("bis"));
    feld(ThetaMin)->setPlaceholderText("min");
    feld(ThetaMax)->setPlaceholderText("max");
    feld(XMin)->setPlaceholderText(tr("offen"));
    feld(XMax)->setPlaceholderText(tr("offen"));

    abluftpaar_ = new QComboBox(seite);
    abluftpaar_->setObjectName("abluftpaar");
    for (const Zustandspaar& p : kZustandspaare)
        abluftpaar_->addItem(QString::fromStdString(tafel::Angezeigt(p.anzeige)));
    formular_->addRow(tr("Abluft"), abluftpaar_);
    zeile(AbluftA, "");
    zeile(AbluftB, "");
    connect(abluftpaar_, &QComboBox::currentIndexChanged, this, &Anlagenseite::abluftpaarGewaehlt);
    zeile(Rueckwaermzahl, tr("Rückwärmzahl Φ"));
    feld(Rueckwaermzahl)->setPlaceholderText(tr("keine WRG; 0 < Φ ≤ 1"));
    zeile(Frostschutz, tr("Frostschutz ϑF [°C]"));
    feld(Frostschutz)->setPlaceholderText(tr("keiner; −50 bis ϑmin"));

    kuehler_ = new QCheckBox(tr("vorhanden (kühlt und entfeuchtet)"), seite);
    kuehler_->setObjectName("kuehler");
    formular_->addRow(tr("Kühler"), kuehler_);
    zeile(Bypass, tr("Bypassfaktor BF"));
    feld(Bypass)->setPlaceholderText(QString::fromUtf8("0; 0 ≤ BF < 1"));
    connect(kuehler_, &QCheckBox::toggled, this,
            [this](bool an) { formular_->setRowVisible(feld(Bypass), an); });

    befeuchter_ = new QComboBox(seite);
    befeuchter_->setObjectName("befeuchter");
    befeuchter_->addItems({tr("keiner"), tr("Dampf"), tr("Wasser")});
    formular_->addRow(tr("Befeuchter"), befeuchter_);
    zeile(Befeuchtertemperatur, "");
    connect(befeuchter_, &QComboBox::currentIndexChanged, this, &Anlagenseite::befeuchterGewaehlt);

    paar(tr("Betrieb Monate (1 bis 12)"), MonatVon, MonatBis, tr("bis"));
    paar(tr("Betrieb Stunden (Uhrzeit 0 bis 24)"), StundeVon, StundeBis, tr("bis"));
    for (Feld f : {MonatVon, MonatBis, StundeVon, StundeBis})
        feld(f)->setPlaceholderText(tr("alle"));

    meldung_ = new QLabel(seite);
    meldung_->setObjectName("meldung");
    meldung_->setWordWrap(true);
    meldung_->setStyleSheet("QLabel { color: rgb(180, 0, 0); }");
    spalte->addWidget(meldung_);
    auto* knoepfe = new QHBoxLayout;
    uebernehmen_ = new QPushButton(tr("Übernehmen"), seite);
    uebernehmen_->setObjectName("uebernehmen");
    auto* verwerfen = new QPushButton(tr("Verwerfen"), seite);
    verwerfen->setObjectName("verwerfen");
    auto* entfernen = new QPushButton(tr("Anlage entfernen"), seite);
    entfernen->setObjectName("anlageEntfernenKnopf");
    connect(uebernehmen_, &QPushButton::clicked, this, &Anlagenseite::uebernehmen);
    connect(verwerfen, &QPushButton::clicked, this, &Anlagenseite::verwerfen);
    connect(entfernen, &QPushButton::clicked, this, &Anlagenseite::entfernen);
    knoepfe->addWidget(uebernehmen_);
    knoepfe->addWidget(verwerfen);
    knoepfe->addStretch();
    knoepfe->addWidget(entfernen);
    spalte->addLayout(knoepfe);
    spalte->addStretch();
    abluftpaarGewaehlt();
    befeuchterGewaehlt();
}

void Anlagenseite::ergebnisseAnlegen(QTabWidget* reiter) {
    uebersicht_ = new QTableWidget(0, 2, reiter);
    uebersicht_->setObjectName("anlagenuebersicht");
    uebersicht_->setHorizontalHeaderLabels({tr("Größe"), tr("Wert")});
    uebersicht_->verticalHeader()->hide();
    uebersicht_->horizontalHeader()->setStretchLastSection(true);
    uebersicht_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    reiter->addTab(uebersicht_, tr("Übersicht"));

    QStringList kopf{tr("Monat"), tr("Stunden [h]"), tr("Heizen [kWh]")};
    for (std::size_t k = 0; k < kKomponenten; ++k)
        kopf << Komponentenname(static_cast<Komponente>(k)) + " [kWh]";
    kopf << tr("Befeuchterwasser [kg]") << tr("Kondensat [kg]");
    monate_ = new QTableWidget(0, static_cast<int>(kopf.size()), reiter);
    monate_->setObjectName("anlagenmonate");
    monate_->setHorizontalHeaderLabels(kopf);
    monate_->verticalHeader()->hide();
    monate_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    reiter->addTab(monate_, tr("Monate"));

    auto* seite = new QWidget(reiter);
    auto* spalte = new QVBoxLayout(seite);
    balken_ = new Balkenflaeche(seite);
    spalte->addWidget(balken_, 1);
    auto* knoepfe = new QHBoxLayout;
    auto* speichern = new QPushButton(tr("Balken speichern …"), seite);
    speichern->setObjectName("balkenSpeichern");
    auto* drucken = new QPushButton(tr("Balken drucken …"), seite);
    drucken->setObjectName("balkenDrucken");
    connect(speichern, &QPushButton::clicked, this, &Anlagenseite::balkenSpeichernFragen);
    connect(drucken, &QPushButton::clicked, this, &Anlagenseite::balkenDrucken);
    knoepfe->addStretch();
    knoepfe->addWidget(speichern);
    knoepfe->addWidget(drucken);
    spalte->addLayout(knoepfe);
    reiter->addTab(seite, tr("Balken"));
}

QString Anlagenseite::feldname(Feld f) const {
    switch (f) {
        case Strom:
            return stromart_->currentIndex() == 1 ? tr("Volumenstrom") : tr("Massenstrom");
        case ThetaMin:
            return tr("Zuluft ϑmin");
        case ThetaMax:
            return tr("Zuluft ϑmax");
        case XMin:
            return tr("Zuluft xmin");
        case XMax:
            return tr("Zuluft xmax");
        case AbluftA:
        case AbluftB: {
            const Zustandspaar& p = kZustandspaare[std::max(0, abluftpaar_->currentIndex())];
            return tr("Abluft %1").arg(QString::fromStdString(Symbol(f == AbluftA ? p.a : p.b)));
        }
        case Rueckwaermzahl:
            return tr("Rückwärmzahl Φ");
        case Frostschutz:
            return tr("Frostschutz ϑF");
        case Bypass:
            return tr("Bypassfaktor BF");
        case Befeuchtertemperatur:
            return befeuchter_->currentIndex() == 1 ? tr("Dampftemperatur ϑD")
                                                    : tr("Wassertemperatur ϑW");
        case MonatVon:
        case MonatBis:
        case StundeVon:
        case StundeBis:
            return Zeitfensterfeld(f - MonatVon);
        case Anzahl:
            break;
    }
    return {};
}

void Anlagenseite::abluftpaarGewaehlt() {
    const Zustandspaar& p = kZustandspaare[std::max(0, abluftpaar_->currentIndex())];
    const auto einheit = [](const char* k) {
        const Groesse& g = GroesseZu(k);
        return tr("Abluft %1").arg(QString::fromStdString(Symbol(k))) +
               (*g.einheit ? " [" + QString::fromUtf8(g.einheit) + "]" : QString());
    };
    beschriftungen_[AbluftA]->setText(einheit(p.a));
    beschriftungen_[AbluftB]->setText(einheit(p.b));
    for (Feld f : {AbluftA, AbluftB}) feld(f)->setPlaceholderText(tr("keine"));
}

void Anlagenseite::befeuchterGewaehlt() {
    const int art = befeuchter_->currentIndex();
    beschriftungen_[Befeuchtertemperatur]->setText(art == 1 ? tr("Dampftemperatur ϑD [°C]")
                                                            : tr("Wassertemperatur ϑW [°C]"));
    feld(Befeuchtertemperatur)->setPlaceholderText(art == 1 ? "100" : "10");
    formular_->setRowVisible(feld(Befeuchtertemperatur), art != 0);
}

std::optional<double> Anlagenseite::zahl(Feld f) const { return ZahlAusText(feld(f)->text()); }

bool Anlagenseite::geaendert(std::initializer_list<Feld> felder) const {
    for (Feld f : felder) {
        if (feld(f)->text() != anfang_[f]) return true;
    }
    return false;
}

void Anlagenseite::wetterjahreFuellen(const std::string& gewaehlt) {
    QStringList namen;
    for (const MessreihenErgebnis& r : s_.stand().messreihen) {
        if (r.reihe && Laufbar(*r.reihe)) namen << QString::fromStdString(r.reihe->name);
    }
    // A name the project has no series for stays, so that the unit shows as it is and says
    // what is wrong with it.
    const QString text = QString::fromStdString(gewaehlt);
    if (!namen.contains(text)) namen.prepend(text);
    QStringList bisher;
    for (int i = 0; i < wetterjahr_->count(); ++i) bisher << wetterjahr_->itemText(i);
    const QSignalBlocker sperre(wetterjahr_);
    if (namen != bisher) {  // a drag changes no series: the list stays as it is
        wetterjahr_->clear();
        wetterjahr_->addItems(namen);
    }
    wetterjahr_->setCurrentIndex(static_cast<int>(namen.indexOf(text)));
}

void Anlagenseite::laden(const Json& anlage) {
    geladen_ = anlage;
    meldung_->clear();
    stapel_->setCurrentIndex(anlage.is_null() ? 0 : 1);
    std::array<QString, Anzahl> t;
    const bool volumen =
        anlage.is_object() && anlage.contains("volumenstrom") && !anlage.contains("massenstrom");
    t[Strom] = Feldtext(Teil(anlage, volumen ? "volumenstrom" : "massenstrom"));
    const Json& zuluft = Teil(anlage, "zuluft");
    const auto theta = VonBis(Teil(zuluft, "theta"));
    const auto x = VonBis(Teil(zuluft, "x"));
    t[ThetaMin] = theta[0];
    t[ThetaMax] = theta[1];
    t[XMin] = x[0];
    t[XMax] = x[1];
    const Json& abluft = Teil(anlage, "abluft");
    int paar = 0;
    if (const Zustandspaar* p = abluft.is_object() ? PaarDerSchluessel(abluft) : nullptr) {
        paar = static_cast<int>(p - kZustandspaare.data());
        t[AbluftA] = Feldtext(abluft[p->a]);
        t[AbluftB] = Feldtext(abluft[p->b]);
    }
    t[Rueckwaermzahl] = Feldtext(Teil(anlage, "rueckwaermzahl"));
    t[Frostschutz] = Feldtext(Teil(anlage, "frostschutz"));
    const Json& kuehler = Teil(anlage, "kuehler");
    t[Bypass] = Feldtext(Teil(kuehler, "bypass"));
    const Json& befeuchter = Teil(anlage, "befeuchter");
    int art = 0;
    for (int i = 1; i < 3; ++i) {
        if (Teil(befeuchter, "art") == Json(kBefeuchterarten[i])) art = i;
    }
    if (art > 0) t[Befeuchtertemperatur] = Feldtext(Teil(befeuchter, kBefeuchterarten[art]));
    const Json& betrieb = Teil(anlage, "betrieb");
    const auto monate = VonBis(Teil(betrieb, "monate"));
    const auto stunden = VonBis(Teil(betrieb, "stunden"));
    t[MonatVon] = monate[0];
    t[MonatBis] = monate[1];
    t[StundeVon] = stunden[0];
    t[StundeBis] = stunden[1];

    anfangName_ = Feldtext(Teil(anlage, "name"));
    name_->setText(anfangName_);
    const Json& jahr = Teil(anlage, "wetterjahr");
    wetterjahreFuellen(jahr.is_string() ? jahr.get<std::string>() : Feldtext(jahr).toStdString());
    anfangWetterjahr_ = wetterjahr_->currentText();
    anfangStromart_ = volumen ? 1 : 0;
    stromart_->setCurrentIndex(anfangStromart_);
    anfangPaar_ = paar;
    abluftpaar_->setCurrentIndex(paar);
    anfangKuehler_ = anlage.is_object() && anlage.contains("kuehler");
    kuehler_->setChecked(anfangKuehler_);
    formular_->setRowVisible(feld(Bypass), anfangKuehler_);
    anfangBefeuchter_ = art;
    befeuchter_->setCurrentIndex(art);
    for (std::size_t i = 0; i < felder_.size(); ++i) felder_[i]->setText(t[i]);
    anfang_ = t;
}

Ergebnis<Json> Anlagenseite::eintrag() const {
    for (int i = 0; i < Anzahl; ++i) {
        const auto f = static_cast<Feld>(i);
        const auto v = zahl(f);
        if (v && std::isnan(*v)) {
            return Ergebnis<Json>::Fehler(
                KeineZahl(feldname(f), feld(f)->text().trimmed()).toStdString());
        }
    }
    const auto wert = [this](Feld f) {
        const auto v = zahl(f);
        return v ? JsonZahl(*v) : Json();
    };
    // A [von, bis] pair; null where both are empty, so that the key goes.
    const auto vonBis = [&](Feld a, Feld b) {
        if (!zahl(a) && !zahl(b)) return Json();
        return Json::array({wert(a), wert(b)});
    };
    Json e = geladen_.is_object() ? geladen_ : Json::object();
    if (name_->text() != anfangName_) {
        Setzen(e, "name", Json(name_->text().toStdString()), kAnlagenschluessel);
    }
    if (wetterjahr_->currentText() != anfangWetterjahr_) {
        Setzen(e, "wetterjahr", Json(wetterjahr_->currentText().toStdString()), kAnlagenschluessel);
    }
    if (stromart_->currentIndex() != anfangStromart_ || geaendert({Strom})) {
        const bool volumen = stromart_->currentIndex() == 1;
        // The new key first, so that it takes the place of the one it replaces.
        Setzen(e, volumen ? "volumenstrom" : "massenstrom", wert(Strom), kAnlagenschluessel);
        Setzen(e, volumen ? "massenstrom" : "volumenstrom", Json(), kAnlagenschluessel);
    }
    if (geaendert({ThetaMin, ThetaMax, XMin, XMax})) {
        Json zuluft = Teil(e, "zuluft").is_object() ? e["zuluft"] : Json::object();
        if (geaendert({ThetaMin, ThetaMax})) {
            Setzen(zuluft, "theta", vonBis(ThetaMin, ThetaMax), kZuluftschluessel);
        }
        if (geaendert({XMin, XMax})) Setzen(zuluft, "x", vonBis(XMin, XMax), kZuluftschluessel);
        Setzen(e, "zuluft", std::move(zuluft), kAnlagenschluessel);
    }
    if (abluftpaar_->currentIndex() != anfangPaar_ || geaendert({AbluftA, AbluftB})) {
        Json abluft;
        if (zahl(AbluftA) || zahl(AbluftB)) {
            const Zustandspaar& p = kZustandspaare[std::max(0, abluftpaar_->currentIndex())];
            abluft = Json::object();
            abluft[p.a] = wert(AbluftA);
            abluft[p.b] = wert(AbluftB);
        }
        Setzen(e, "abluft", std::move(abluft), kAnlagenschluessel);
    }
    if (geaendert({Rueckwaermzahl})) {
        Setzen(e, "rueckwaermzahl", wert(Rueckwaermzahl), kAnlagenschluessel);
    }
    if (geaendert({Frostschutz})) Setzen(e, "frostschutz", wert(Frostschutz), kAnlagenschluessel);
    if (kuehler_->isChecked() != anfangKuehler_ || geaendert({Bypass})) {
        Json kuehler;
        if (kuehler_->isChecked()) {
            kuehler = Teil(e, "kuehler").is_object() ? e["kuehler"] : Json::object();
            Setzen(kuehler, "bypass", wert(Bypass), kKuehlerschluessel);
        }
        Setzen(e, "kuehler", std::move(kuehler), kAnlagenschluessel);
    }
    const int art = befeuchter_->currentIndex();
    if (art != anfangBefeuchter_ || geaendert({Befeuchtertemperatur})) {
        Json befeuchter;
        if (art > 0) {
            befeuchter = Teil(e, "befeuchter").is_object() ? e["befeuchter"] : Json::object();
            Setzen(befeuchter, "art", Json(kBefeuchterarten[art]), kBefeuchterschluessel);
            Setzen(befeuchter, kBefeuchterarten[art], wert(Befeuchtertemperatur),
                   kBefeuchterschluessel);
            Setzen(befeuchter, kBefeuchterarten[3 - art], Json(), kBefeuchterschluessel);
        }
        Setzen(e, "befeuchter", std::move(befeuchter), kAnlagenschluessel);
    }
    if (geaendert({MonatVon, MonatBis, StundeVon, StundeBis})) {
        Json betrieb = Teil(e, "betrieb").is_object() ? e["betrieb"] : Json::object();
        if (geaendert({MonatVon, MonatBis})) {
            Setzen(betrieb, "monate", vonBis(MonatVon, MonatBis), kBetriebsschluessel);
        }
        if (geaendert({StundeVon, StundeBis})) {
            Setzen(betrieb, "stunden", vonBis(StundeVon, StundeBis), kBetriebsschluessel);
        }
        Setzen(e, "betrieb", betrieb.empty() ? Json() : std::move(betrieb), kAnlagenschluessel);
    }
    return e;
}

bool Anlagenseite::uebernehmen() {
    if (geladen_.is_null()) return false;
    const Ergebnis<Json> e = eintrag();
    if (!e) {
        meldung_->setText(QString::fromStdString(e.grund()));
        return false;
    }
    if (*e == s_.projekt().anlage()) {
        meldung_->clear();
        return true;
    }
    // Checked as the file reader reads it, at the chart's pressure; without a chart at the
    // standard pressure, so that a unit that cannot be read is never taken.
    const auto druck = s_.stand().druck ? s_.stand().druck : LuftdruckBei(1013.25);
    if (druck) {
        if (const auto anlage = AnlageAusJson(*e, *druck); !anlage) {
            meldung_->setText(QString::fromStdString(anlage.grund()));
            return false;
        }
    }
    meldung_->clear();
    s_.setAnlage(*e, tr("Anlage ändern"));
    return true;
}

void Anlagenseite::verwerfen() { laden(s_.projekt().anlage()); }

void Anlagenseite::hinzufuegen() {
    if (!s_.projekt().anlage().is_null()) return;
    Json a = Json::object();
    // The name a new unit gets.
    a["name"] = tr("RLT 1").toStdString();
    for (const MessreihenErgebnis& r : s_.stand().messreihen) {
        if (r.reihe && Laufbar(*r.reihe)) {
            a["wetterjahr"] = r.reihe->name;
            break;
        }
    }
    a["massenstrom"] = JsonZahl(kNeuerMassenstrom);
    a["zuluft"] = {{"theta", Json::array({JsonZahl(kNeueZuluft[0]), JsonZahl(kNeueZuluft[1])})}};
    s_.setAnlage(std::move(a), tr("Anlage hinzufügen"));
}

void Anlagenseite::entfernen() {
    if (s_.projekt().anlage().is_null()) return;
    s_.setAnlage(Json(), tr("Anlage entfernen"));
}

void Anlagenseite::projektGeaendert() {
    const Json& anlage = s_.projekt().anlage();
    if (anlage != geladen_) {
        laden(anlage);
    } else if (!anlage.is_null()) {
        // The series may have changed: the choice keeps what it shows.
        const QString gewaehlt = wetterjahr_->currentText();
        wetterjahreFuellen(gewaehlt.toStdString());
    }
    ergebnisseZeigen();
}

void Anlagenseite::ergebnisseZeigen() {
    const auto& a = s_.stand().anlage;
    // A drag of a state keeps the unit's results: the tables stay as they are.
    Gezeigt jetzt{a.has_value(), a ? a->jahr : nullptr, a ? a->fehler : std::string(),
                  a ? a->name : std::string()};
    if (gezeigt_ && *gezeigt_ == jetzt) return;
    gezeigt_ = std::move(jetzt);
    const Anlagenjahr* jahr = a && a->fehler.empty() && a->jahr ? a->jahr.get() : nullptr;
    if (!a) {
        zustand_->setText(tr("Das Projekt hat keine Anlage."));
    } else if (!a->fehler.empty()) {
        zustand_->setText(
            tr("Die Anlage rechnet nicht: %1").arg(QString::fromStdString(a->fehler)));
    } else if (jahr) {
        zustand_->setText(
            tr("„%1“: %2 Stunden in Betrieb.")
                .arg(QString::fromStdString(a->name), Zahltext(jahr->summe.stunden, 0)));
    }
    zustand_->setStyleSheet(a && !a->fehler.empty() ? "QLabel { color: rgb(180, 0, 0); }" : "");

    uebersicht_->setRowCount(0);
    monate_->setRowCount(0);
    if (!jahr) {
        balken_->setBalken(std::nullopt);
        return;
    }
    const std::vector<Ergebniszeile> zeilen = Uebersichtszeilen(*jahr);
    uebersicht_->setRowCount(static_cast<int>(zeilen.size()));
    for (std::size_t i = 0; i < zeilen.size(); ++i) {
        const int z = static_cast<int>(i);
        uebersicht_->setItem(z, 0, Zelle(zeilen[i].name, false));
        uebersicht_->setItem(z, 1, Zelle(Zahltext(zeilen[i].wert, zeilen[i].stellen), true));
    }
    uebersicht_->resizeColumnToContents(0);

    // The twelve months and the year under them.
    monate_->setRowCount(13);
    for (int m = 0; m < 13; ++m) {
        const Anlagensumme& s = m < 12 ? jahr->monate[static_cast<std::size_t>(m)] : jahr->summe;
        int spalte = 0;
        monate_->setItem(m, spalte++, Zelle(m < 12 ? Monatsname(m + 1) : tr("Jahr"), false));
        monate_->setItem(m, spalte++, Zelle(Zahltext(s.stunden, 0), true));
        monate_->setItem(m, spalte++, Zelle(Zahltext(s.Heizen(), 0), true));
        for (double e : s.energie) monate_->setItem(m, spalte++, Zelle(Zahltext(e, 0), true));
        monate_->setItem(m, spalte++, Zelle(Zahltext(s.befeuchterwasser, 0), true));
        monate_->setItem(m, spalte++, Zelle(Zahltext(s.kondensat, 0), true));
    }
    monate_->resizeColumnsToContents();
    balken_->setBalken(MonatsbalkenAus(a->name, *jahr));
}

QString Anlagenseite::balkenSpeichern(const QString& pfad) {
    if (!balken_->balken()) return tr("Die Anlage hat kein Jahr, das sich zeigen ließe.");
    return MonatsbalkenSpeichern(*balken_->balken(), pfad, 2 * devicePixelRatioF());
}

void Anlagenseite::balkenSpeichernFragen() {
    if (!balken_->balken()) {
        QMessageBox::information(this, "Lumora", balkenSpeichern({}));
        return;
    }
    QString filter;
    QString pfad = QFileDialog::getSaveFileName(
        this, tr("Monatsbalken speichern unter"), tr("Monatsbalken.png"),
        tr("PNG-Bild (*.png);;SVG-Grafik (*.svg);;PDF-Dokument (*.pdf)"), &filter);
    if (pfad.isEmpty()) return;
    if (QFileInfo(pfad).suffix().isEmpty()) {
        pfad += filter.contains("svg") ? ".svg" : filter.contains("pdf") ? ".pdf" : ".png";
    }
    const QString fehler = balkenSpeichern(pfad);
    if (!fehler.isEmpty()) QMessageBox::warning(this, tr("Lumora - Speichern"), fehler);
}

void Anlagenseite::balkenDrucken() {
    if (!balken_->balken()) {
        QMessageBox::information(this, "Lumora", balkenSpeichern({}));
        return;
    }
    QPrinter drucker(QPrinter::HighResolution);
    drucker.setPageOrientation(QPageLayout::Landscape);
    drucker.setDocName(tr("Lumora Energie je Monat"));
    QPrintDialog dialog(&drucker, this);
    if (dialog.exec() != QDialog::Accepted) return;
    QPainter p(&drucker);
    // Fitted to the page, keeping its proportions.
    const QRectF seite = drucker.pageLayout().paintRectPixels(drucker.resolution());
    const QSizeF bild = kMonatsbalkenGroesse;
    const double massstab = std::min(seite.width() / bild.width(), seite.height() / bild.height());
    p.scale(massstab, massstab);
    MonatsbalkenMalen(p, *balken_->balken(), QRectF(QPointF(0, 0), bild));
}

}  // namespace lumora
