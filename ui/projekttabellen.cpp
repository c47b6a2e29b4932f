#include "ui/projekttabellen.h"

#include <QFont>
#include <QLocale>
#include <algorithm>
#include <array>
#include <cmath>

#include "core/einheiten.h"
#include "core/prozess.h"
#include "projekt/bericht.h"
#include "projekt/eintrag.h"
#include "projekt/messreihe.h"
#include "projekt/spalten.h"
#include "projekt/tafeltext.h"

namespace lumora {

namespace {

// The key of the value a column of the states' table shows (ϑ … Eis), in the columns' order.
constexpr std::array<const char*, Zustandsmodell::Bemerkung - Zustandsmodell::Theta> kWertspalten{
    "theta", "x", "phi", "h", "taupunkt", "kuehlgrenze", "rho", "eis"};

const char* SchluesselDerSpalte(int spalte) {
    if (spalte < Zustandsmodell::Theta || spalte >= Zustandsmodell::Bemerkung) return nullptr;
    return kWertspalten[static_cast<std::size_t>(spalte - Zustandsmodell::Theta)];
}

// The headers the tables share.
QString NameKopf() { return Projekttabelle::tr("Name"); }
QString Bemerkungskopf() { return Projekttabelle::tr("Bemerkung"); }

QStringList Zustandskopf() {
    QStringList kopf{NameKopf(), Zustandsmodell::tr("Eingabe")};
    for (const char* k : kWertspalten) kopf << QString::fromStdString(Kopf(ZustandsspalteZu(k)));
    kopf << Bemerkungskopf();
    return kopf;
}

QStringList Prozesskopf() {
    QStringList kopf{Prozessmodell::tr("Art"), Prozessmodell::tr("von"), Prozessmodell::tr("nach"),
                     Prozessmodell::tr("Parameter")};
    for (const Prozessspalte& s : Prozessspalten()) kopf << QString::fromStdString(Kopf(s));
    kopf << Bemerkungskopf();
    return kopf;
}

// The decimal separator of the user's notation.
std::string Trenner() { return QLocale().decimalPoint().toStdString(); }

// "Nebel, 4,20 g/kg Wasser" for a state in the fog region; "Eisnebel, 0,40 g/kg Eis" below
// 0 °C on a winter chart, and mixed fog at 0 °C with both.
QString Nebeltext(const Zustandswerte& z) {
    if (!z.nebel) return QString();
    const QString wasser =
        Projekttabelle::tr("%1 g/kg Wasser").arg(Zahltext(InGrammJeKg(z.wasser), stellen::kWasser));
    const QString eis =
        Projekttabelle::tr("%1 g/kg Eis").arg(Zahltext(InGrammJeKg(z.eis), stellen::kWasser));
    if (z.eis > 0 && z.wasser > 0) return Projekttabelle::tr("Mischnebel, %1, %2").arg(wasser, eis);
    if (z.eis > 0) return Projekttabelle::tr("Eisnebel, %1").arg(eis);
    return Projekttabelle::tr("Nebel, %1").arg(wasser);
}

QString Bemerkung(const Diagrammpunkt& p) {
    QStringList teile;
    if (p.zustand.nebel) teile << Nebeltext(p.zustand);
    if (UnterDerUnterenGrenze(p)) {
        teile << Projekttabelle::tr("unter der unteren Grenze");
    } else if (!p.aufLeinwand) {
        teile << Projekttabelle::tr("außerhalb des Diagramms");
    }
    return teile.join("; ");
}

}  // namespace

QString WertText(const Json& wert) { return QString::fromStdString(WertText(wert, Trenner())); }

std::optional<double> ZahlAusText(const QString& text) {
    const QString t = text.trimmed();
    if (t.isEmpty()) return std::nullopt;
    bool gut = false;
    double v = QLocale().toDouble(t, &gut);
    if (!gut) v = QLocale::c().toDouble(t, &gut);
    return gut && std::isfinite(v) ? v : std::nan("");
}

QString Zahltext(double wert, int stellen) {
    if (!std::isfinite(wert)) return {};
    return QLocale().toString(wert, 'f', stellen);
}

QString Zahltext(const std::optional<double>& wert, int stellen) {
    return wert ? Zahltext(*wert, stellen) : QString("–");
}

QString Parametertext(const Json& prozess) {
    return QString::fromStdString(Parametertext(prozess, Trenner()));
}

// --- States ---------------------------------------------------------------------------------

Projekttabelle::Projekttabelle(Projektsitzung& sitzung, QStringList kopf, QObject* parent)
    : QAbstractTableModel(parent), s_(sitzung), kopf_(std::move(kopf)) {
    connect(&s_, &Projektsitzung::projektGeaendert, this, &Projekttabelle::aktualisieren);
}

int Projekttabelle::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(kopf_.size());
}

QVariant Projekttabelle::headerData(int section, Qt::Orientation o, int role) const {
    if (o != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= static_cast<int>(kopf_.size())) {
        return {};
    }
    return kopf_[section];
}

void Projekttabelle::aktualisieren() {
    const int neu = rowCount();
    if (neu != zeilen_) {
        beginResetModel();
        zeilen_ = neu;
        endResetModel();
    } else if (zeilen_ > 0) {
        emit dataChanged(index(0, 0), index(zeilen_ - 1, columnCount() - 1));
    }
}

Zustandsmodell::Zustandsmodell(Projektsitzung& sitzung, QObject* parent)
    : Projekttabelle(sitzung, Zustandskopf(), parent) {
    aktualisieren();
}

int Zustandsmodell::rowCount(const QModelIndex& parent) const {
    if (parent.isValid()) return 0;
    return static_cast<int>(s_.stand().zustaende.size() + s_.stand().prozesse.size());
}

std::optional<std::size_t> Zustandsmodell::eintragDerZeile(int zeile) const {
    if (zeile < 0 || static_cast<std::size_t>(zeile) >= s_.stand().zustaende.size()) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(zeile);
}

const Diagrammpunkt* Zustandsmodell::punkt(int zeile) const {
    const Berechnung& b = s_.stand();
    if (zeile < 0) return nullptr;
    const auto z = static_cast<std::size_t>(zeile);
    if (z < b.zustaende.size()) {
        return b.zustaende[z].punkt ? &*b.zustaende[z].punkt : nullptr;
    }
    const std::size_t p = z - b.zustaende.size();
    if (p < b.prozesse.size() && b.prozesse[p].ende) return &*b.prozesse[p].ende;
    return nullptr;
}

QVariant Zustandsmodell::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    const auto eintrag = eintragDerZeile(index.row());
    const Json* json = eintrag ? &s_.projekt().eintrag(Liste::Zustaende, *eintrag) : nullptr;
    switch (role) {
        case Qt::EditRole:
            return bearbeitbarerText(json, index.column());
        case Qt::FontRole: {
            // The entered values stand out from the computed ones.
            const Zustandspaar* paar = json ? PaarDerSchluessel(*json) : nullptr;
            const char* k = SchluesselDerSpalte(index.column());
            if (!k || !paar || (std::string(k) != paar->a && std::string(k) != paar->b)) return {};
            QFont f;
            f.setBold(true);
            return f;
        }
        case Qt::TextAlignmentRole: {
            const bool zahl = index.column() >= Theta && index.column() <= Eis;
            return QVariant::fromValue(Qt::AlignVCenter | (zahl ? Qt::AlignRight : Qt::AlignLeft));
        }
        case Qt::DisplayRole:
        case Qt::ToolTipRole:
            return anzeige(index.row(), json, index.column());
        default:
            return {};
    }
}

QVariant Zustandsmodell::bearbeitbarerText(const Json* json, int spalte) const {
    if (!json) return {};
    if (spalte == Name) {
        return json->contains("name") && (*json)["name"].is_string()
                   ? QVariant(QString::fromStdString((*json)["name"].get<std::string>()))
                   : QVariant();
    }
    const char* k = SchluesselDerSpalte(spalte);
    if (k && json->contains(k)) return WertText((*json)[k]);
    return {};
}

QVariant Zustandsmodell::anzeige(int zeile, const Json* json, int spalte) const {
    const Berechnung& b = s_.stand();
    const auto eintrag = eintragDerZeile(zeile);
    const Diagrammpunkt* p = punkt(zeile);
    const Zustandspaar* paar = json ? PaarDerSchluessel(*json) : nullptr;
    switch (spalte) {
        case Name:
            if (json) {
                return json->contains("name") && (*json)["name"].is_string()
                           ? QString::fromStdString((*json)["name"].get<std::string>())
                           : QString();
            }
            return QString::fromStdString(b.prozesse[zeile - b.zustaende.size()].nach);
        case Eingabe:
            if (paar) {
                return QString::fromStdString(Angabe(*json, paar->a, Trenner()) + ", " +
                                              Angabe(*json, paar->b, Trenner()));
            }
            if (!json) {
                const auto& pr = b.prozesse[zeile - b.zustaende.size()];
                const auto art = ProzessartZu(pr.art);
                return tr("aus Prozess: %1")
                    .arg(QString::fromStdString(art ? Anzeigename(*art) : pr.art));
            }
            return QString();
        case Bemerkung: {
            if (p) return lumora::Bemerkung(*p);
            const std::string& fehler =
                json ? b.zustaende[*eintrag].fehler : b.prozesse[zeile - b.zustaende.size()].fehler;
            return QString::fromStdString(fehler);
        }
        default:
            break;
    }
    const char* k = SchluesselDerSpalte(spalte);
    if (!p || !k) return {};
    const Zustandswerte& z = p->zustand;
    const Zustandsspalte& s = ZustandsspalteZu(k);
    // Ice only where there is some; over ice the dew point is a frost point.
    if (spalte == Eis && !(z.eis > 0)) return QString();
    const QString text = Zahltext(s.wert(z), s.stellen);
    return spalte == Taupunkt && z.reifpunkt && z.taupunkt ? tr("%1 (Reifpunkt)").arg(text) : text;
}

Qt::ItemFlags Zustandsmodell::flags(const QModelIndex& index) const {
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    // A state that a process makes is renamed here too, with every reference to it.
    if (index.column() == Name && !data(index, Qt::DisplayRole).toString().isEmpty()) {
        return f | Qt::ItemIsEditable;
    }
    const auto eintrag = eintragDerZeile(index.row());
    if (!eintrag) return f;
    const char* k = SchluesselDerSpalte(index.column());
    const Zustandspaar* paar = PaarDerSchluessel(s_.projekt().eintrag(Liste::Zustaende, *eintrag));
    if (k && paar && (std::string(k) == paar->a || std::string(k) == paar->b)) {
        f |= Qt::ItemIsEditable;
    }
    return f;
}

bool Zustandsmodell::setData(const QModelIndex& index, const QVariant& wert, int role) {
    if (role != Qt::EditRole) return false;
    if (index.column() == Name) {
        const std::string alt = data(index, Qt::DisplayRole).toString().toStdString();
        const std::string neu = wert.toString().trimmed().toStdString();
        if (neu == alt) return false;
        const QString fehler = s_.umbenennen(alt, neu);
        if (!fehler.isEmpty()) emit ablehnung(fehler);
        return fehler.isEmpty();
    }
    const auto eintrag = eintragDerZeile(index.row());
    if (!eintrag) return false;
    Json json = s_.projekt().eintrag(Liste::Zustaende, *eintrag);
    const char* k = SchluesselDerSpalte(index.column());
    const auto zahl = ZahlAusText(wert.toString());
    if (!k || !zahl || std::isnan(*zahl)) {
        emit ablehnung(tr("„%1“ ist keine Zahl.").arg(wert.toString()));
        return false;
    }
    json[k] = JsonZahl(*zahl);
    s_.eintragErsetzen(Liste::Zustaende, *eintrag, json, tr("Wert ändern"));
    return true;
}

// --- Processes ------------------------------------------------------------------------------

Prozessmodell::Prozessmodell(Projektsitzung& sitzung, QObject* parent)
    : Projekttabelle(sitzung, Prozesskopf(), parent) {
    aktualisieren();
}

int Prozessmodell::rowCount(const QModelIndex& parent) const {
    if (parent.isValid()) return 0;
    const auto n = static_cast<int>(s_.stand().prozesse.size());
    return n > 0 ? n + static_cast<int>(kSummenzeilen) : 0;  // and the rows of totals
}

QVariant Prozessmodell::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    const Berechnung& b = s_.stand();
    const auto zeile = static_cast<std::size_t>(index.row());
    const bool summe = zeile >= b.prozesse.size();
    if (role == Qt::FontRole && summe) {
        QFont f;
        f.setBold(true);
        return f;
    }
    if (role == Qt::TextAlignmentRole) {
        const bool zahl = index.column() >= DTheta && index.column() <= Wasser;
        return QVariant::fromValue(Qt::AlignVCenter | (zahl ? Qt::AlignRight : Qt::AlignLeft));
    }
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole) return {};
    if (summe) {
        const std::size_t nr = zeile - b.prozesse.size();
        if (nr >= kSummenzeilen) return {};
        const Summenzeile z = SummenzeilenVon(SummenVon(b.prozesse))[nr];
        const auto zahl = [](std::optional<double> v) {
            return v ? QVariant(Zahltext(*v, stellen::kWasser)) : QVariant();
        };
        switch (index.column()) {
            case Art:
                return QString::fromUtf8(z.name.data(), static_cast<int>(z.name.size()));
            case Leistung:
                return zahl(z.leistung);
            case Wasser:
                return zahl(z.wasser);
            default:
                return {};
        }
    }
    const BerechneterProzess& p = b.prozesse[zeile];
    const Json& json = s_.projekt().eintrag(Liste::Prozesse, zeile);
    const bool gerechnet = p.fehler.empty() && p.ende;
    switch (index.column()) {
        case Art: {
            const auto art = ProzessartZu(p.art);
            if (!art) return QString::fromStdString(p.art);
            return QString::fromStdString(Anzeigename(*art));
        }
        case Von: {
            QStringList von;
            for (const std::string& v : p.von) von << QString::fromStdString(v);
            return von.join(", ");
        }
        case Nach:
            return QString::fromStdString(p.nach);
        case Parameter:
            return Parametertext(json);
        case DTheta:
        case DX:
        case DH:
        case Massenstrom:
        case Volumenstrom:
        case Leistung:
        case Wasser: {
            const Prozessspalte& s =
                Prozessspalten()[static_cast<std::size_t>(index.column() - DTheta)];
            return gerechnet ? Zahltext(s.wert(p), s.stellen) : QString();
        }
        case Bemerkung: {
            if (!p.fehler.empty()) return QString::fromStdString(p.fehler);
            QStringList teile;
            if (p.ende && p.ende->zustand.nebel) teile << Nebeltext(p.ende->zustand);
            if (const std::string h = Prozesshinweis(p, Trenner()); !h.empty()) {
                teile << QString::fromStdString(h);
            }
            return teile.join("; ");
        }
        default:
            return {};
    }
}

// --- Series ---------------------------------------------------------------------------------

QString NameVon(const Json& eintrag) {
    return eintrag.is_object() && eintrag.contains("name") && eintrag["name"].is_string()
               ? QString::fromStdString(eintrag["name"].get<std::string>())
               : QString();
}

Messreihenmodell::Messreihenmodell(Projektsitzung& sitzung, QObject* parent)
    : QAbstractTableModel(parent), s_(sitzung) {
    // Series and zones change seldom and are few: the table is simply laid out anew.
    connect(&s_, &Projektsitzung::projektGeaendert, this, [this] {
        beginResetModel();
        endResetModel();
    });
}

int Messreihenmodell::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(s_.stand().messreihen.size());
}

int Messreihenmodell::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : Zonen + static_cast<int>(s_.projekt().anzahl(Liste::Zonen));
}

QVariant Messreihenmodell::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    const auto zeile = static_cast<std::size_t>(index.row());
    const MessreihenErgebnis& r = s_.stand().messreihen.at(zeile);
    const std::vector<std::size_t>& innen = s_.innen().at(zeile);
    if (role == Qt::CheckStateRole && index.column() == Name) {
        return s_.projekt().sichtbar(zeile) ? Qt::Checked : Qt::Unchecked;
    }
    if (role == Qt::TextAlignmentRole) {
        const bool zahl = index.column() >= Punkte && index.column() != Auslegung;
        return QVariant::fromValue(Qt::AlignVCenter | (zahl ? Qt::AlignRight : Qt::AlignLeft));
    }
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole) return {};
    const QLocale l;
    switch (index.column()) {
        case Name:
            return NameVon(s_.projekt().eintrag(Liste::Messreihen, zeile));
        case Quelle:
            return r.reihe ? QString::fromStdString(r.reihe->quelle)
                           : QString::fromStdString(r.fehler);
        case Punkte:
            return r.auswertung ? l.toString(qulonglong(r.auswertung->punkte)) : QString();
        case Unmoeglich:
            return r.auswertung ? l.toString(qulonglong(r.auswertung->unmoeglich)) : QString();
        case Stunden:
            return r.auswertung && r.auswertung->wetterjahr ? Zahltext(r.auswertung->Stunden(), 0)
                                                            : QString();
        case Auslegung:
            if (!r.auswertung || !r.auswertung->wetterjahr) return QString();
            // With k or fewer hours there is none.
            return r.auswertung->auslegung ? Auslegungstext(*r.auswertung->auslegung)
                                           : QString::fromUtf8("–");
        default:
            break;
    }
    const auto z = static_cast<std::size_t>(index.column() - Zonen);
    if (!r.auswertung || z >= innen.size()) return {};
    // The points inside and outside, with their shares and, where the series' times can be
    // read, the hours they stand for.
    const std::size_t drinnen = innen[z];
    const std::size_t draussen =
        r.auswertung->moeglich.size() - std::min(drinnen, r.auswertung->moeglich.size());
    const std::optional<Zone>& zone = s_.stand().zonen.at(z).zone;
    const auto stunden = zone ? InnenStunden(*zone, *r.auswertung) : std::nullopt;
    const auto teil = [&](const QString& vorlage, std::size_t anzahl, std::optional<double> h) {
        QString t =
            vorlage.arg(l.toString(qulonglong(anzahl)), Zahltext(Anteil(anzahl, *r.auswertung), 1));
        if (h) t += ", " + Zahltext(*h, 1) + " h";
        return t;
    };
    const auto aussenStunden =
        stunden ? std::optional<double>(std::fmax(0.0, r.auswertung->Stunden() - *stunden))
                : std::nullopt;
    return teil(tr("innen %1 (%2 %)"), drinnen, stunden) + "; " +
           teil(tr("außen %1 (%2 %)"), draussen, aussenStunden);
}

QVariant Messreihenmodell::headerData(int section, Qt::Orientation o, int role) const {
    if (o != Qt::Horizontal || role != Qt::DisplayRole) return {};
    switch (section) {
        case Name:
            return NameKopf();
        case Quelle:
            return tr("Quelle");
        case Punkte:
            return tr("Punkte");
        case Unmoeglich:
            return tr("unmöglich");
        case Stunden:
            return tr("Stunden");
        case Auslegung:
            return tr("Auslegungswerte");
        default:
            break;
    }
    const auto z = static_cast<std::size_t>(section - Zonen);
    return tr("in „%1“").arg(NameVon(s_.projekt().eintrag(Liste::Zonen, z)));
}

Qt::ItemFlags Messreihenmodell::flags(const QModelIndex& index) const {
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    if (index.column() == Name) f |= Qt::ItemIsUserCheckable;
    return f;
}

bool Messreihenmodell::setData(const QModelIndex& index, const QVariant& wert, int role) {
    if (role != Qt::CheckStateRole || index.column() != Name) return false;
    s_.setSichtbar(static_cast<std::size_t>(index.row()),
                   wert.value<Qt::CheckState>() == Qt::Checked);
    return true;
}

QString Auslegungstext(const Auslegung& a) {
    return QString::fromUtf8(
               "ϑmax = %1 °C, xmax = %2 g/kg, hmax = %3 kJ/kg, ϑmin = %4 °C (k = %5 h)")
        .arg(Zahltext(a.thetaMax, 1), Zahltext(a.xMax, 1), Zahltext(a.hMax, 1),
             Zahltext(a.thetaMin, 1), QLocale().toString(a.k));
}

// --- Zones ----------------------------------------------------------------------------------

Zonenmodell::Zonenmodell(Projektsitzung& sitzung, QObject* parent)
    : Projekttabelle(sitzung, {NameKopf(), "ϑ [°C]", "φ [%]", "x [g/kg]", Bemerkungskopf()},
                     parent) {
    aktualisieren();
}

int Zonenmodell::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(s_.projekt().anzahl(Liste::Zonen));
}

QVariant Zonenmodell::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::ToolTipRole)) return {};
    const Json& e = s_.projekt().eintrag(Liste::Zonen, static_cast<std::size_t>(index.row()));
    const auto zone = ZoneAusJson(e);
    auto grenze = [&](const std::optional<Wertebereich>& g) -> QString {
        if (!g || Unbegrenzt(*g)) return QString::fromUtf8("–");
        const QString unten = g->unten ? QLocale().toString(g->unten->wert) : tr("offen");
        const QString oben = g->oben ? QLocale().toString(g->oben->wert) : tr("offen");
        return unten + QString::fromUtf8(" … ") + oben;
    };
    switch (index.column()) {
        case Name:
            return NameVon(e);
        case Theta:
            return zone ? grenze(zone->theta) : QString();
        case Phi:
            return zone ? grenze(zone->phi) : QString();
        case X:
            return zone ? grenze(zone->x) : QString();
        case Bemerkung:
            return zone ? QString() : QString::fromStdString(zone.grund());
        default:
            return {};
    }
}

}  // namespace lumora
