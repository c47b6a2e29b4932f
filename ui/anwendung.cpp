#include "ui/anwendung.h"

#include <QAction>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFile>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>

#include "bild/loesungsbild.h"
#include "bild/projektbild.h"
#include "core/koordinaten.h"
#include "projekt/bearbeiten.h"
#include "projekt/messreihe.h"
#include "ui/ausgabe.h"
#include "ui/diagrammfenster.h"
#include "ui/projekttabellen.h"
#include "ui/uebungsfenster.h"

namespace lumora {

Anwendung::Anwendung() {
    Projektfenster::Verbindungen v;
    v.eingabetexte = [this] { return dialog_.texte(); };
    v.diagrammExportieren = [this] {
        eingabeZeichnen();
        if (dialog_.diagrammfenster()) SpeichernUnterFragen(*dialog_.diagrammfenster());
    };
    v.diagrammDrucken = [this] {
        eingabeZeichnen();
        if (dialog_.diagrammfenster()) Drucken(*dialog_.diagrammfenster());
    };
    v.eingabenZeigen = [this] { dialog_.nachVorn(); };
    v.nachbar = [this]() -> QWidget* { return dialog_.diagrammfenster(); };
    v.beenden = [this] { dialog_.close(); };  // the dialog asks and ends the program
    v.untereGrenzeFragen = [this] { untereGrenzeFragen(); };
    v.untereGrenzeSetzen = [this](double grenze) {
        return untereGrenzeSetzen(QLocale::c().toString(grenze, 'g', 17));
    };
    projektfenster_ = std::make_unique<Projektfenster>(sitzung_, std::move(v));

    projektZeigen_ = new QAction(tr("Zustände und Prozesse …"), this);
    projektZeigen_->setShortcut(QKeySequence(Qt::Key_F3));
    connect(projektZeigen_, &QAction::triggered, this, [this] {
        projektfenster_->show();
        projektfenster_->raise();
        projektfenster_->activateWindow();
    });
    projektfenster_->addAction(projektZeigen_);
    dialog_.addAction(projektfenster_->aktion("beenden"));  // Ctrl+Q in every window

    sitzung_.neu(dialog_.texte());
    connect(&dialog_, &Anfangsdialog::gezeichnet, this, [this](const Feldtexte& texte) {
        diagrammVerbinden(dialog_.diagrammfenster());
        sitzung_.setEingabe(texte, tr("Eingaben ändern"));
        ueberlagerungZeigen();
    });
    connect(&sitzung_, &Projektsitzung::eingabeGeaendert, this, [this] {
        const double unten = sitzung_.projekt().thetaUnten().value_or(0);
        if (dialog_.texte() != sitzung_.projekt().eingabe() || dialog_.thetaUnten() != unten) {
            dialog_.setTexte(sitzung_.projekt().eingabe());
            dialog_.setThetaUnten(unten);
            dialog_.berechnen();
        }
    });
    connect(&sitzung_, &Projektsitzung::projektGeaendert, this, &Anwendung::ueberlagerungZeigen);
    connect(projektfenster_->uebung(), &Uebungsfenster::loesungGeaendert, this,
            &Anwendung::ueberlagerungZeigen);
    dialog_.setBeendenErlaubt([this] {
        if (!projektfenster_->schliessenErlaubt()) return false;
        sitzung_.wiederherstellungLoeschen();
        projektfenster_->hide();
        return true;
    });
}

Anwendung::~Anwendung() = default;

void Anwendung::starten() {
    dialog_.show();
    if (!QFile::exists(Projektsitzung::wiederherstellungsdatei())) return;
    QMessageBox frage(QMessageBox::Question, "Lumora",
                      tr("Lumora wurde beim letzten Mal nicht ordnungsgemäß beendet. Ein "
                         "ungespeichertes Projekt wurde gesichert."),
                      QMessageBox::NoButton, &dialog_);
    QPushButton* holen = frage.addButton(tr("Wiederherstellen"), QMessageBox::AcceptRole);
    frage.addButton(tr("Verwerfen"), QMessageBox::DestructiveRole);
    frage.setDefaultButton(holen);
    frage.exec();
    if (frage.clickedButton() != holen) {
        sitzung_.wiederherstellungLoeschen();
        return;
    }
    const QString fehler = sitzung_.wiederherstellen();
    if (!fehler.isEmpty()) {
        QMessageBox::warning(&dialog_, "Lumora",
                             tr("Das gesicherte Projekt lässt sich nicht wiederherstellen; die "
                                "Sicherung bleibt liegen.\n\n%1")
                                 .arg(fehler));
        return;
    }
    projektfenster_->show();
}

bool Anwendung::oeffnen(const QString& pfad) { return projektfenster_->oeffnen(pfad); }

void Anwendung::eingabeZeichnen() {
    if (!dialog_.diagrammfenster()) dialog_.berechnen();
}

void Anwendung::diagrammVerbinden(Diagrammfenster* fenster) {
    if (!fenster || fenster == verbunden_) return;
    verbunden_ = fenster;
    connect(fenster, &Diagrammfenster::zustandGezogen, this,
            [this](int eintrag, double X, double Y, bool) { zustandZiehen(eintrag, X, Y); });
    connect(fenster, &Diagrammfenster::ziehenBeendet, this, [this] {
        sitzung_.zusammenfassenBeenden();
        ziehen_ = false;
        ueberlagerungZeigen();  // smooth again
    });
    connect(fenster, &Diagrammfenster::zustandHierEintragen, this, &Anwendung::zustandEintragen);
    connect(fenster, &Diagrammfenster::untereGrenzeAendern, this, &Anwendung::untereGrenzeFragen);
    QList<QAction*> aktionen{projektZeigen_};
    for (const char* name : {"zustand", "randmassstab", "speichern", "speichernUnter", "oeffnen",
                             "rueckgaengig", "wiederholen", "neu", "beenden"}) {
        if (QAction* a = projektfenster_->aktion(name)) aktionen << a;
    }
    fenster->setProjektaktionen(aktionen);
    // A new project without an entry has no name of its own: the chart's is suggested then.
    fenster->setProjektname([this] { return sitzung_.leer() ? QString() : sitzung_.titelname(); });
    fenster->setAnsichtaktionen(projektfenster_->aktion("untereGrenze"),
                                projektfenster_->aktion("enthalpieetiketten"));
}

void Anwendung::ueberlagerungZeigen() {
    Diagrammfenster* fenster = dialog_.diagrammfenster();
    if (!fenster) return;
    // A drag moves states and processes only: zones and series keep their image.
    Ueberlagerung u =
        UeberlagerungAus(sitzung_.projekt(), sitzung_.stand(), &fenster->ueberlagerung());
    if (const Ueberlagerung* loesung = projektfenster_->uebung()->loesungsbild()) {
        LoesungDazu(u, *loesung);
    }
    fenster->setUeberlagerung(std::move(u), !ziehen_, ziehen_);
}

void Anwendung::zustandZiehen(int eintrag, double X, double Y) {
    if (eintrag < 0) return;
    const auto e = ZustandVerschoben(sitzung_.projekt(), sitzung_.stand(),
                                     static_cast<std::size_t>(eintrag), X, Y);
    if (!e) return;  // e.g. left of x = 0: the marker stays where it was
    ziehen_ = true;
    sitzung_.eintragErsetzen(Liste::Zustaende, static_cast<std::size_t>(eintrag), *e,
                             tr("Zustand verschieben"), true);
}

QString Anwendung::untereGrenzeSetzen(const QString& text) {
    const auto wert = ThetaUntenLesen(text.toStdString());
    if (!wert) return QString::fromStdString(wert.grund());
    // The chart as it would be drawn: a limit it cannot hold is refused before it changes.
    if (const auto ablehnung = Pruefen(EingabeLesen(dialog_.texte(), *wert))) {
        return QString::fromStdString(ablehnung->meldung);
    }
    // A file without the key keeps it out for a limit of 0.
    const bool ohne = *wert == 0 && !sitzung_.projekt().thetaUnten();
    sitzung_.setThetaUnten(ohne ? std::nullopt : std::optional<double>(*wert));
    return {};
}

void Anwendung::untereGrenzeFragen() {
    QWidget* eltern = dialog_.diagrammfenster();
    QDialog frage(eltern ? eltern : &dialog_);
    frage.setWindowTitle(tr("Lumora - Untere Grenze"));
    auto* feld = new QLineEdit(
        QLocale().toString(sitzung_.projekt().thetaUnten().value_or(0), 'g', 12), &frage);
    auto* knoepfe = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &frage);
    auto* form = new QFormLayout(&frage);
    form->addRow(new QLabel(tr("Die tiefste Temperatur des Diagramms, von −50 bis 0 °C. Unter "
                               "0 °C gilt die Sättigung über Eis."),
                            &frage));
    form->addRow(QString::fromUtf8("ϑu [°C]"), feld);
    form->addRow(knoepfe);
    connect(knoepfe, &QDialogButtonBox::rejected, &frage, &QDialog::reject);
    connect(knoepfe, &QDialogButtonBox::accepted, &frage, [&] {
        const QString fehler = untereGrenzeSetzen(feld->text());
        if (fehler.isEmpty()) {
            frage.accept();
        } else {
            QMessageBox::warning(&frage, tr("Lumora - Untere Grenze"), fehler);
            feld->setFocus();
        }
    });
    feld->selectAll();
    feld->setFocus();
    frage.exec();
}

void Anwendung::zustandEintragen(double X, double Y) {
    const Berechnung& b = sitzung_.stand();
    if (!b.eingabe || !b.druck) return;
    const auto e = ZustandAnStelle(b, X, Y, FreierZustandsname(b, sitzung_.projekt()));
    if (!e) {
        QMessageBox::warning(&dialog_, "Lumora", QString::fromStdString(e.grund()));
        return;
    }
    sitzung_.eintragEinfuegen(Liste::Zustaende, sitzung_.projekt().anzahl(Liste::Zustaende), *e,
                              tr("Zustand eintragen"));
    projektfenster_->show();
}

}  // namespace lumora
