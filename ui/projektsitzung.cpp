#include "ui/projektsitzung.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include "datei/dateien.h"
#include "datei/dateifehler.h"
#include "projekt/uebung.h"

namespace lumora {

namespace {

// Milliseconds after a change until the recovery file is written.
constexpr int kSicherungNachMs = 3000;
// The undo steps kept; older ones are dropped, so that a long session keeps its memory.
constexpr int kRueckgaengigSchritte = 500;

QString Pfaddatei() { return Projektsitzung::wiederherstellungsdatei() + ".pfad"; }

}  // namespace

// One change of the project as an undo step: `tun` makes it, `zurueck` takes it back.
class Projektsitzung::Befehl : public QUndoCommand {
  public:
    Befehl(Projektsitzung& s, const QString& text, std::function<void()> tun,
           std::function<void()> zurueck, int umfang,
           std::optional<std::size_t> nurZustand = std::nullopt)
        : QUndoCommand(text),
          s_(s),
          tun_(std::move(tun)),
          zurueck_(std::move(zurueck)),
          umfang_(umfang),
          nurZustand_(nurZustand) {}

    void redo() override {
        tun_();
        s_.neuBerechnen(umfang_, nurZustand_);
    }
    void undo() override {
        zurueck_();
        s_.neuBerechnen(umfang_, nurZustand_);
    }
    int id() const override { return zusammenfassen_ ? 1 : -1; }
    bool mergeWith(const QUndoCommand* anderer) override {
        const auto* b = static_cast<const Befehl*>(anderer);
        if (b->schluessel_ != schluessel_) return false;
        tun_ = b->tun_;  // the first state to go back to stays, the last one is made
        return true;
    }

    // Changes with the same key follow one another into one step.
    void zusammenfassenMit(std::string schluessel) {
        zusammenfassen_ = true;
        schluessel_ = std::move(schluessel);
    }

  private:
    Projektsitzung& s_;
    std::function<void()> tun_;
    std::function<void()> zurueck_;
    int umfang_;
    std::optional<std::size_t> nurZustand_;
    bool zusammenfassen_ = false;
    std::string schluessel_;
};

Projektsitzung::Projektsitzung(QObject* parent)
    : QObject(parent), projekt_(std::make_unique<Projekt>(Feldtexte{})) {
    neuBerechnen(Eingabe);
    verlauf_.setUndoLimit(kRueckgaengigSchritte);
    sicherung_.setSingleShot(true);
    sicherung_.setInterval(kSicherungNachMs);
    connect(&sicherung_, &QTimer::timeout, this, &Projektsitzung::sichern);
    connect(&verlauf_, &QUndoStack::cleanChanged, this, &Projektsitzung::titelGeaendert);
    connect(&verlauf_, &QUndoStack::indexChanged, this, [this] {
        if (verlauf_.isClean()) {
            sicherung_.stop();
            wiederherstellungLoeschen();
        } else {
            sicherung_.start();
        }
    });
}

Projektsitzung::~Projektsitzung() {
    // The history empties itself when it goes and reports that; the timer it would start is
    // gone by then.
    verlauf_.disconnect(this);
}

QString Projektsitzung::titelname() const {
    if (!pfad_.isEmpty()) return QFileInfo(pfad_).fileName();
    // An example opened as a new project: an exercise or its solution by its title.
    if (HatUebung(*projekt_)) {
        if (const auto u = UebungLesen(*projekt_); u && !u->titel.empty()) {
            return QString::fromStdString(u->titel);
        }
    }
    return tr("Unbenannt");
}

bool Projektsitzung::leer() const {
    if (!pfad_.isEmpty()) return false;
    for (Liste l : {Liste::Zustaende, Liste::Prozesse, Liste::Messreihen, Liste::Zonen}) {
        if (projekt_->anzahl(l) > 0) return false;
    }
    return projekt_->anlage().is_null();
}

void Projektsitzung::neu(const Feldtexte& eingabe) {
    projekt_ = std::make_unique<Projekt>(eingabe);
    pfad_.clear();
    verlauf_.clear();
    neuBerechnen(Eingabe);
    emit titelGeaendert();
}

QString Projektsitzung::oeffnen(const QString& pfad, bool alsVorlage) {
    const Ergebnis<Projekt> gelesen = ProjektLesen(pfad);
    if (!gelesen) return QString::fromStdString(gelesen.grund());
    projekt_ = std::make_unique<Projekt>(*gelesen);
    pfad_ = alsVorlage ? QString() : QFileInfo(pfad).absoluteFilePath();
    verlauf_.clear();
    neuBerechnen(Eingabe);
    emit titelGeaendert();
    return {};
}

QString Projektsitzung::speichern(const QString& pfad) {
    if (QString fehler = DateiSchreiben(pfad, projekt_->schreiben()); !fehler.isEmpty()) {
        return fehler;
    }
    pfad_ = QFileInfo(pfad).absoluteFilePath();
    verlauf_.setClean();
    wiederherstellungLoeschen();
    emit titelGeaendert();
    return {};
}

void Projektsitzung::ausfuehren(std::unique_ptr<QUndoCommand> befehl) {
    verlauf_.push(befehl.release());
}

void Projektsitzung::eintragEinfuegen(Liste liste, std::size_t index, Json eintrag,
                                      const QString& text) {
    auto geordnet = std::make_shared<std::vector<Ersetzung>>();
    // The first zone or series of a file without the list: the undo takes the list too.
    const bool ohneListe = !projekt_->dokument().contains(Schluessel(liste));
    ausfuehren(std::make_unique<Befehl>(
        *this, text,
        [this, liste, index, eintrag, geordnet] {
            projekt_->einfuegen(liste, index, eintrag);
            if (liste == Liste::Prozesse) *geordnet = projekt_->ordnen();
        },
        [this, liste, index, geordnet, ohneListe] {
            projekt_->zuruecksetzen(*geordnet);
            projekt_->entfernen(liste, index);
            if (ohneListe) projekt_->leereListeEntfernen(liste);
        },
        UmfangVon(liste)));
}

void Projektsitzung::eintragErsetzen(Liste liste, std::size_t index, Json eintrag,
                                     const QString& text, bool zusammenfassen) {
    auto vorher = std::make_shared<Json>(projekt_->eintrag(liste, index));
    auto geordnet = std::make_shared<std::vector<Ersetzung>>();
    auto befehl = std::make_unique<Befehl>(
        *this, text,
        [this, liste, index, eintrag, geordnet] {
            projekt_->ersetzen(liste, index, eintrag);
            if (liste == Liste::Prozesse) *geordnet = projekt_->ordnen();
        },
        [this, liste, index, vorher, geordnet] {
            projekt_->zuruecksetzen(*geordnet);
            projekt_->ersetzen(liste, index, *vorher);
        },
        UmfangVon(liste),
        liste == Liste::Zustaende ? std::optional<std::size_t>(index) : std::nullopt);
    if (zusammenfassen) {
        befehl->zusammenfassenMit(std::to_string(static_cast<int>(liste)) + "/" +
                                  std::to_string(index) + "/" + std::to_string(ziehfolge_));
    }
    ausfuehren(std::move(befehl));
}

void Projektsitzung::eintragEntfernen(Liste liste, std::size_t index, const QString& text) {
    auto vorher = std::make_shared<Json>(projekt_->eintrag(liste, index));
    ausfuehren(std::make_unique<Befehl>(
        *this, text, [this, liste, index] { projekt_->entfernen(liste, index); },
        [this, liste, index, vorher] { projekt_->einfuegen(liste, index, *vorher); },
        UmfangVon(liste)));
}

QString Projektsitzung::umbenennen(const std::string& alt, const std::string& neu) {
    // Tried on a copy first, so that a refusal never leaves half a step behind.
    Projekt probe = *projekt_;
    if (auto versuch = probe.umbenennen(alt, neu); !versuch) {
        return QString::fromStdString(versuch.grund());
    }
    auto ersetzungen = std::make_shared<std::vector<Ersetzung>>();
    ausfuehren(std::make_unique<Befehl>(
        *this, tr("Umbenennen"),
        [this, alt, neu, ersetzungen] {
            auto e = projekt_->umbenennen(alt, neu);
            if (e) *ersetzungen = *e;
        },
        [this, ersetzungen] { projekt_->zuruecksetzen(*ersetzungen); }, NurEintraege));
    return {};
}

QString Projektsitzung::verschieben(Liste liste, std::size_t index, bool hoch) {
    if (hoch ? index == 0 : index + 1 >= projekt_->anzahl(liste)) return {};
    const std::size_t oben = hoch ? index - 1 : index;
    Projekt probe = *projekt_;
    if (auto versuch = probe.tauschen(liste, oben); !versuch) {
        return QString::fromStdString(versuch.grund());
    }
    auto ersetzungen = std::make_shared<std::vector<Ersetzung>>();
    ausfuehren(std::make_unique<Befehl>(
        *this, hoch ? tr("Nach oben") : tr("Nach unten"),
        [this, liste, oben, ersetzungen] {
            if (auto e = projekt_->tauschen(liste, oben)) *ersetzungen = *e;
        },
        [this, ersetzungen] { projekt_->zuruecksetzen(*ersetzungen); }, UmfangVon(liste)));
    return {};
}

void Projektsitzung::setEingabe(const Feldtexte& texte, const QString& text) {
    if (texte == projekt_->eingabe()) return;
    auto vorher = std::make_shared<Feldtexte>(projekt_->eingabe());
    ausfuehren(std::make_unique<Befehl>(
        *this, text, [this, texte] { projekt_->setEingabe(texte); },
        [this, vorher] { projekt_->setEingabe(*vorher); }, Eingabe));
}

void Projektsitzung::setThetaUnten(std::optional<double> thetaUnten) {
    const auto vorher = projekt_->thetaUnten();
    if (thetaUnten == vorher) return;
    ausfuehren(std::make_unique<Befehl>(
        *this, tr("Untere Grenze ändern"),
        [this, thetaUnten] { projekt_->setThetaUnten(thetaUnten); },
        [this, vorher] { projekt_->setThetaUnten(vorher); }, Eingabe));
}

void Projektsitzung::setRandmassstab(bool an) {
    if (an == projekt_->randmassstab()) return;
    // The key as it stood, missing included, for the undo.
    auto vorher = std::make_shared<std::optional<bool>>();
    ausfuehren(std::make_unique<Befehl>(
        *this, an ? tr("Randmaßstab zeigen") : tr("Randmaßstab verbergen"),
        [this, an, vorher] { *vorher = projekt_->setRandmassstab(an); },
        [this, vorher] { projekt_->setRandmassstab(*vorher); }, NurEintraege));
}

void Projektsitzung::setSichtbar(std::size_t messreihe, bool an) {
    if (an == projekt_->sichtbar(messreihe)) return;
    auto vorher = std::make_shared<std::optional<bool>>();
    ausfuehren(std::make_unique<Befehl>(
        *this, an ? tr("Messreihe zeigen") : tr("Messreihe verbergen"),
        [this, messreihe, an, vorher] { *vorher = projekt_->setSichtbar(messreihe, an); },
        [this, messreihe, vorher] { projekt_->setSichtbar(messreihe, *vorher); }, NurEintraege));
}

void Projektsitzung::setUebung(Json uebung, const QString& text) {
    if (uebung == projekt_->uebung()) return;
    auto vorher = std::make_shared<Json>(projekt_->uebung());
    ausfuehren(std::make_unique<Befehl>(
        *this, text, [this, uebung] { projekt_->setUebung(uebung); },
        [this, vorher] { projekt_->setUebung(*vorher); }, NurEintraege));
}

void Projektsitzung::setAnlage(Json anlage, const QString& text) {
    if (anlage == projekt_->anlage()) return;
    auto vorher = std::make_shared<Json>(projekt_->anlage());
    ausfuehren(std::make_unique<Befehl>(
        *this, text, [this, anlage] { projekt_->setAnlage(anlage); },
        [this, vorher] { projekt_->setAnlage(*vorher); }, NurEintraege));
}

int Projektsitzung::UmfangVon(Liste liste) {
    switch (liste) {
        case Liste::Messreihen:
            return Reihen;
        case Liste::Zonen:
            return Zonen;
        default:
            return NurEintraege;
    }
}

void Projektsitzung::neuBerechnen(int umfang, std::optional<std::size_t> nurZustand) {
    const bool reihen = (umfang & Reihen) || !stand_;
    Vorberechnung v;
    v.vorher = stand_.get();
    v.messreihen = !reihen;
    if (umfang != Eingabe) v.nurZustand = nurZustand;
    auto neu = std::make_unique<Berechnung>(Berechnen(*projekt_, v));
    stand_ = std::move(neu);
    if (reihen || (umfang & Zonen)) innen_ = ZonenZaehlen(*stand_);
    if (umfang == Eingabe) emit eingabeGeaendert();
    emit projektGeaendert();
}

QString Projektsitzung::wiederherstellungsdatei() {
    const QString ordner = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    return QDir(ordner).filePath("wiederherstellung.lumora");
}

void Projektsitzung::sichern() {
    if (leer()) {
        wiederherstellungLoeschen();
        return;
    }
    // Failing quietly is right here: the user's own file is untouched, and the next change
    // tries again.
    QDir().mkpath(QFileInfo(wiederherstellungsdatei()).absolutePath());
    if (DateiSchreiben(wiederherstellungsdatei(), projekt_->schreiben()).isEmpty()) {
        DateiSchreiben(Pfaddatei(), pfad_.toStdString());
    }
}

QString Projektsitzung::wiederherstellen() {
    const Ergebnis<Projekt> gelesen = ProjektLesen(wiederherstellungsdatei());
    if (!gelesen) return QString::fromStdString(gelesen.grund());
    std::string pfad;
    DateiLesen(Pfaddatei(), pfad);
    projekt_ = std::make_unique<Projekt>(*gelesen);
    pfad_ = QString::fromStdString(pfad);
    verlauf_.clear();
    verlauf_.resetClean();  // restored work is unsaved until the user saves it
    neuBerechnen(Eingabe);
    emit titelGeaendert();
    return {};
}

void Projektsitzung::wiederherstellungLoeschen() {
    QFile::remove(wiederherstellungsdatei());
    QFile::remove(Pfaddatei());
}

}  // namespace lumora
