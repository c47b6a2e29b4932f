#include "ui/wetterjahrformular.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <cmath>

#include "projekt/messreihe.h"
#include "ui/projekttabellen.h"

namespace lumora {

namespace {

// The settings of a weather year in its entry.
constexpr const char* kFenster = "zeitfenster";
constexpr const char* kKlassen = "klassen";
constexpr const char* kUeberschreitung = "ueberschreitung";
constexpr const char* kKarte = "haeufigkeitskarte";

// The narrowest class the form takes [K, g/kg]: finer classes say nothing more, and far finer
// ones give class numbers beyond any whole number.
constexpr double kFeinsteKlasse = 0.001;

// A weather year of no hours with the entry's kind and the given settings, as the file reader
// reads it: the one place that says what a weather year and its settings must be.
Ergebnis<Messreihe> Probe(const Json& eintrag) {
    Json probe = Json::object();
    probe["name"] = "Probe";
    for (const char* k : {"art", kFenster, kKlassen, kUeberschreitung, kKarte}) {
        if (eintrag.is_object() && eintrag.contains(k)) probe[k] = eintrag[k];
    }
    for (const char* k : {"monat", "tag", "stunde", "theta", "x"}) probe[k] = Json::array();
    return MessreiheAusJson(probe);
}

// The two texts of a [von, bis] list, empty where it is none.
std::array<QString, 2> VonBis(const Json& j) {
    if (!j.is_array() || j.size() != 2) return {};
    return {WertText(j[0]), WertText(j[1])};
}

}  // namespace

bool IstWetterjahr(const Json& eintrag) {
    if (!eintrag.is_object() || !eintrag.contains("art")) return false;
    Json art = Json::object();
    art["art"] = eintrag["art"];
    const auto probe = Probe(art);
    return probe && probe->art == Reihenart::Wetterjahr;
}

Wetterjahrformular::Wetterjahrformular(QWidget* parent)
    : Eintragsformular(tr("Wetterjahr einstellen"), {}, parent) {
    darstellung_ = new QComboBox(this);
    darstellung_->setObjectName("darstellung");
    darstellung_->addItems({tr("Punkte"), tr("Häufigkeitskarte")});
    formular_->addRow(tr("Darstellung"), darstellung_);
    connect(darstellung_, &QComboBox::currentIndexChanged, this, &Wetterjahrformular::pruefen);
    for (auto& f : felder_) {
        f = new QLineEdit(this);
        connect(f, &QLineEdit::textChanged, this, &Wetterjahrformular::pruefen);
    }
    const auto paar = [&](const QString& text, QLineEdit* von, QLineEdit* bis) {
        auto* zeile = new QHBoxLayout;
        zeile->addWidget(new QLabel(tr("von"), this));
        zeile->addWidget(von);
        zeile->addWidget(new QLabel(tr("bis"), this));
        zeile->addWidget(bis);
        formular_->addRow(text, zeile);
        for (QLineEdit* f : {von, bis}) f->setPlaceholderText(tr("alle"));
    };
    paar(tr("Monate (1 bis 12)"), monatVon(), monatBis());
    paar(tr("Stunden (Uhrzeit 0 bis 24)"), stundeVon(), stundeBis());
    formular_->addRow(tr("Klassenbreite Δϑ [K]"), dtheta());
    formular_->addRow(tr("Klassenbreite Δx [g/kg]"), dx());
    formular_->addRow(tr("Überschreitung k [h]"), ueberschreitung());
    dtheta()->setPlaceholderText(WertText(JsonZahl(Klassenbreite{}.dtheta)));
    dx()->setPlaceholderText(WertText(JsonZahl(Klassenbreite{}.dx)));
    ueberschreitung()->setPlaceholderText(QString::number(kUeberschreitungStandard));
    ueberschreitung()->setToolTip(
        tr("Stunden, in denen ein Auslegungswert überschritten werden darf"));
    const char* namen[] = {"monatVon", "monatBis", "stundeVon",      "stundeBis",
                           "dtheta",   "dx",       "ueberschreitung"};
    for (int i = 0; i < Anzahl; ++i) felder_[static_cast<std::size_t>(i)]->setObjectName(namen[i]);
    pruefen();
}

QString Zeitfensterfeld(int teil) {
    switch (teil) {
        case 0:
            return Wetterjahrformular::tr("Monate von");
        case 1:
            return Wetterjahrformular::tr("Monate bis");
        case 2:
            return Wetterjahrformular::tr("Stunden von");
        case 3:
            return Wetterjahrformular::tr("Stunden bis");
        default:
            return {};
    }
}

QString Wetterjahrformular::name(int feld) {
    switch (feld) {
        case MonatVon:
        case MonatBis:
        case StundeVon:
        case StundeBis:
            return Zeitfensterfeld(feld - MonatVon);
        case DTheta:
            return QString::fromUtf8("Δϑ");
        case DX:
            return QString::fromUtf8("Δx");
        default:
            return tr("Überschreitung k");
    }
}

void Wetterjahrformular::setEintrag(const Json& eintrag) {
    alt_ = eintrag.is_object() ? eintrag : Json::object();
    std::array<QString, Anzahl> texte;
    const Json fenster = alt_.value(kFenster, Json());
    if (fenster.is_object()) {
        const auto monate = VonBis(fenster.value("monate", Json()));
        const auto stunden = VonBis(fenster.value("stunden", Json()));
        texte[MonatVon] = monate[0];
        texte[MonatBis] = monate[1];
        texte[StundeVon] = stunden[0];
        texte[StundeBis] = stunden[1];
    }
    const auto klassen = VonBis(alt_.value(kKlassen, Json()));
    texte[DTheta] = klassen[0];
    texte[DX] = klassen[1];
    if (alt_.contains(kUeberschreitung)) texte[K] = WertText(alt_[kUeberschreitung]);
    for (std::size_t i = 0; i < felder_.size(); ++i) felder_[i]->setText(texte[i]);
    anfang_ = texte;
    anfangDarstellung_ = alt_.value(kKarte, Json()) == Json(true) ? 1 : 0;
    darstellung_->setCurrentIndex(anfangDarstellung_);
    pruefen();
}

bool Wetterjahrformular::geaendert(std::initializer_list<int> felder) const {
    for (int f : felder) {
        const auto i = static_cast<std::size_t>(f);
        if (felder_[i]->text() != anfang_[i]) return true;
    }
    return false;
}

void Wetterjahrformular::anwenden(Json& e) const {
    const auto zahl = [this](int f) {
        return ZahlAusText(felder_[static_cast<std::size_t>(f)]->text());
    };
    // The time window part by part, so that a part left as it was keeps its place and bytes.
    const bool monate = geaendert({MonatVon, MonatBis});
    const bool stunden = geaendert({StundeVon, StundeBis});
    if (monate || stunden) {
        Json fenster =
            e.contains(kFenster) && e[kFenster].is_object() ? e[kFenster] : Json::object();
        const auto teil = [&](const char* k, int von, int bis) {
            if (zahl(von) && zahl(bis)) {
                fenster[k] = Json::array({JsonZahl(*zahl(von)), JsonZahl(*zahl(bis))});
            } else {
                fenster.erase(k);
            }
        };
        if (monate) teil("monate", MonatVon, MonatBis);
        if (stunden) teil("stunden", StundeVon, StundeBis);
        if (fenster.empty()) {
            e.erase(kFenster);
        } else {
            e[kFenster] = fenster;
        }
    }
    if (geaendert({DTheta, DX})) {
        if (!zahl(DTheta) && !zahl(DX)) {
            e.erase(kKlassen);
        } else {
            const Klassenbreite standard;
            e[kKlassen] = Json::array({JsonZahl(zahl(DTheta).value_or(standard.dtheta)),
                                       JsonZahl(zahl(DX).value_or(standard.dx))});
        }
    }
    if (geaendert({K})) {
        if (const auto k = zahl(K)) {
            e[kUeberschreitung] = JsonZahl(*k);
        } else {
            e.erase(kUeberschreitung);
        }
    }
    if (darstellung_->currentIndex() != anfangDarstellung_) {
        if (darstellung_->currentIndex() == 1) {
            e[kKarte] = true;
        } else {
            e.erase(kKarte);
        }
    }
}

Json Wetterjahrformular::eintrag() const {
    Json e = alt_;
    anwenden(e);
    return e;
}

QString Wetterjahrformular::feldfehler() const {
    for (int f = 0; f < Anzahl; ++f) {
        if (const QString fehler = zahlfehler(felder_[static_cast<std::size_t>(f)], name(f));
            !fehler.isEmpty()) {
            return fehler;
        }
    }
    const auto text = [this](int f) {
        return felder_[static_cast<std::size_t>(f)]->text().trimmed();
    };
    const auto zahl = [this](int f) {
        return ZahlAusText(felder_[static_cast<std::size_t>(f)]->text());
    };
    const auto ganz = [&](int f, double min, double max) {
        const auto v = zahl(f);
        return !v || (*v == std::floor(*v) && *v >= min && *v <= max);
    };
    // Each part of the time window whole and in its range, both ends or neither.
    for (int f : {MonatVon, MonatBis}) {
        if (!ganz(f, 1, 12)) return tr("%1: %2 ist kein Monat von 1 bis 12.").arg(name(f), text(f));
    }
    for (int f : {StundeVon, StundeBis}) {
        if (!ganz(f, 0, 24)) {
            return tr("%1: %2 ist keine volle Stunde von 0 bis 24.").arg(name(f), text(f));
        }
    }
    if (zahl(MonatVon).has_value() != zahl(MonatBis).has_value())
        return tr("Monate: bitte „von“ und „bis“ eingeben oder beide leer lassen.");
    if (zahl(StundeVon).has_value() != zahl(StundeBis).has_value())
        return tr("Stunden: bitte „von“ und „bis“ eingeben oder beide leer lassen.");
    if (zahl(StundeVon) && *zahl(StundeVon) == *zahl(StundeBis))
        return tr("Stunden: „von“ und „bis“ sind gleich; es bliebe keine Stunde.");
    for (auto [f, einheit] : {std::pair{DTheta, "K"}, std::pair{DX, "g/kg"}}) {
        if (const auto v = zahl(f); v && !(*v >= kFeinsteKlasse)) {
            return tr("%1: %2 ist kleiner als %3 %4.")
                .arg(name(f), text(f), WertText(JsonZahl(kFeinsteKlasse)),
                     QString::fromUtf8(einheit));
        }
    }
    if (!ganz(K, 0, INFINITY)) return tr("%1: %2 ist keine ganze Zahl ab 0.").arg(name(K), text(K));
    // What the file reader says beyond that, and of settings the form left as they were.
    Json einstellungen = Json::object();
    for (const char* k : {"art", kFenster, kKlassen, kUeberschreitung, kKarte}) {
        if (alt_.contains(k)) einstellungen[k] = alt_[k];
    }
    anwenden(einstellungen);
    const auto probe = Probe(einstellungen);
    return probe ? QString() : QString::fromStdString(probe.grund());
}

}  // namespace lumora
