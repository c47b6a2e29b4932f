#include "lumora-export/export.h"

#include <QFile>
#include <QFileInfo>
#include <ostream>

#include "bild/monatsbalken.h"
#include "bild/projektbild.h"
#include "datei/befehlszeile.h"
#include "datei/dateien.h"
#include "datei/dateifehler.h"
#include "lumora-export/bewerten.h"
#include "projekt/bericht.h"

namespace lumora {

namespace {

constexpr const char* kProgramm = "lumora-export";

enum class Format { Tabelle, Projekt, Bild, Unbekannt };

Format FormatVon(const QString& datei) {
    const QString endung = QFileInfo(datei).suffix().toLower();
    if (endung == "csv") return Format::Tabelle;
    if (endung == "lumora") return Format::Projekt;
    if (endung == "svg" || endung == "pdf" || endung == "png") return Format::Bild;
    return Format::Unbekannt;
}

std::ostream& operator<<(std::ostream& o, const QString& s) { return o << s.toStdString(); }

// The chart drawn into an image file (.svg, .pdf, .png), as the chart window's export draws it.
bool BildSchreiben(const Projekt& projekt, const Berechnung& b, const QString& datei,
                   std::ostream& fehler) {
    const QString grund = ProjektbildSchreiben(projekt, b, datei);
    if (grund.isEmpty()) return true;
    fehler << kProgramm << ": " << datei.toStdString() << ": " << grund.toStdString() << "\n";
    return false;
}

// Writes bytes atomically: a failure leaves an existing file whole.
bool DateiSchreiben(const QString& datei, const std::string& inhalt, std::ostream& fehler) {
    const auto f = AtomarSchreiben(datei, inhalt);
    if (!f) return true;
    fehler << kProgramm << ": Die Datei „" << datei
           << "“ kann nicht geschrieben werden: " << f->grund << "\n";
    return false;
}

// Imports the series in the file (a logger's CSV, a TRY or an EPW weather year) into the
// project, named NAME or after the file; what was read and the report of skipped rows go to
// fehler.
bool MessreiheEinlesen(Projekt& projekt, const QString& pfad, QString name, std::ostream& fehler) {
    QFile datei(pfad);
    if (!datei.open(QIODevice::ReadOnly)) {
        fehler << kProgramm << ": Die Datei „" << pfad
               << "“ kann nicht gelesen werden: " << Dateifehler(datei, Zugriff::Lesen) << "\n";
        return false;
    }
    const QByteArray bytes = datei.readAll();
    const QFileInfo info(pfad);
    if (name.isEmpty()) name = info.completeBaseName();
    const auto import = MessreiheLesen(std::string_view(bytes.constData(), bytes.size()),
                                       name.toStdString(), info.fileName().toStdString());
    if (!import) {
        fehler << kProgramm << ": " << pfad << ": " << import.grund() << "\n";
        return false;
    }
    for (const std::string& meldung : {import->Zusammenfassung(), import->Meldung()}) {
        if (!meldung.empty()) fehler << kProgramm << ": " << pfad << ": " << meldung << "\n";
    }
    projekt.einfuegen(Liste::Messreihen, projekt.anzahl(Liste::Messreihen),
                      MessreiheZuJson(import->reihe));
    return true;
}

// Writes the class table of the project's first weather year, or of the one called name.
bool KlassenSchreiben(const Berechnung& b, const std::string& name, const QString& ziel,
                      std::ostream& fehler) {
    for (const MessreihenErgebnis& m : b.messreihen) {
        if (!m.reihe || m.reihe->art != Reihenart::Wetterjahr) continue;
        if (!name.empty() && m.reihe->name != name) continue;
        if (!m.auswertung || !m.auswertung->haeufigkeit) {
            fehler << kProgramm << ": Das Wetterjahr „" << m.reihe->name
                   << "“ lässt sich nicht auswerten: " << m.fehler << "\n";
            return false;
        }
        return DateiSchreiben(ziel, Klassentabelle(*m.auswertung->haeufigkeit), fehler);
    }
    fehler << kProgramm << ": Das Projekt hat "
           << (name.empty() ? std::string("kein Wetterjahr") : "kein Wetterjahr „" + name + "“")
           << ", dessen Klassentabelle sich schreiben ließe.\n";
    return false;
}

// Writes the month bars of the project's unit.
bool BalkenSchreiben(const Berechnung& b, const QString& ziel, std::ostream& fehler) {
    if (!b.anlage || !b.anlage->jahr) {
        fehler << kProgramm << ": "
               << (b.anlage ? "Die Anlage rechnet nicht: " + b.anlage->fehler
                            : std::string("Das Projekt hat keine Anlage."))
               << "\n";
        return false;
    }
    const QString f = MonatsbalkenSpeichern(MonatsbalkenAus(b.anlage->name, *b.anlage->jahr), ziel);
    if (!f.isEmpty()) fehler << kProgramm << ": " << f.toStdString() << "\n";
    return f.isEmpty();
}

int Befehlszeilenfehler(std::ostream& fehler, const std::string& meldung) {
    fehler << kProgramm << ": " << meldung << "\nHilfe: " << kProgramm << " --help\n";
    return 2;
}

// The options and arguments the program takes.
void OptionenAnlegen(Befehlszeile& befehlszeile) {
    befehlszeile.addOption({"o",
                            "Schreibt in AUSGABE, nach der Endung: .csv Tabelle der Zustände, "
                            ".lumora Projekt, .svg, .pdf, .png Diagramm. Mehrfach möglich.",
                            "AUSGABE"});
    befehlszeile.addOption(
        {"json", "Schreibt das berechnete Projekt als JSON auf die Standardausgabe."});
    befehlszeile.addOption(
        {"messreihe",
         "Liest eine Messreihe aus einer CSV-Datei oder ein Wetterjahr (TRY, EPW) in das "
         "Projekt ein.",
         "DATEI"});
    befehlszeile.addOption(
        {"name", "Name der eingelesenen Messreihe; mit --klassen das Wetterjahr der Tabelle.",
         "NAME"});
    befehlszeile.addOption({"klassen",
                            "Schreibt die Klassentabelle (Stunden je ϑ- und x-Klasse) des ersten "
                            "Wetterjahrs, mit --name des so benannten, als CSV-Datei.",
                            "DATEI.csv"});
    befehlszeile.addOption({"balken",
                            "Schreibt die Monatsbalken der Anlage des Projekts als .svg, .pdf "
                            "oder .png.",
                            "DATEI"});
    befehlszeile.addOption({"uebung",
                            "Schreibt die Übung, die Studierende aus der Lösung PROJEKT bekommen.",
                            "AUFGABE.lumora"});
    befehlszeile.addOption({"bewerte",
                            "Bewertet Abgaben gegen die Lösung PROJEKT; mit -o noten.csv als "
                            "Notentabelle, mit --json als ein JSON-Objekt je Abgabe.",
                            "ABGABE.lumora"});
    befehlszeile.addArgument("PROJEKT", "Die Projektdatei (.lumora).", true);
    befehlszeile.addWeitere("ABGABE", "Weitere Abgaben zu --bewerte.", "bewerte");
}

// --bewerte: grades the hand-ins against the solution at pfad.
int Bewerten(const Befehlszeile& befehlszeile, const QString& pfad, std::ostream& aus,
             std::ostream& fehler, const std::string& dezimaltrenner) {
    for (const char* andere : {"uebung", "messreihe", "klassen", "balken"}) {
        if (befehlszeile.isSet(andere)) {
            return Befehlszeilenfehler(
                fehler, "„--bewerte“ gilt nicht zusammen mit „--" + std::string(andere) + "“.");
        }
    }
    for (const QString& datei : befehlszeile.values("o")) {
        if (FormatVon(datei) != Format::Tabelle) {
            return Befehlszeilenfehler(fehler,
                                       "Beim Bewerten schreibt „-o“ nur die "
                                       "Notentabelle (.csv), nicht „" +
                                           datei.toStdString() + "“.");
        }
    }
    return AbgabenBewerten(
        pfad, befehlszeile.values("bewerte") + befehlszeile.positionalArguments().mid(1),
        befehlszeile.values("o"), befehlszeile.isSet("json"), aus, fehler, dezimaltrenner);
}

// Why the options do not go together, or none: the exercise's ending and place, --name
// without what it names, the class table's ending, nothing to do, an unknown ending.
std::optional<std::string> Widerspruch(const Befehlszeile& befehlszeile, const QString& pfad) {
    const QStringList uebung = befehlszeile.values("uebung");
    if (!uebung.isEmpty() && FormatVon(uebung.last()) != Format::Projekt) {
        return "Die Übung „" + uebung.last().toStdString() + "“ braucht die Endung .lumora.";
    }
    if (!uebung.isEmpty() &&
        QFileInfo(uebung.last()).absoluteFilePath() == QFileInfo(pfad).absoluteFilePath()) {
        return "Die Übung „" + uebung.last().toStdString() + "“ würde die Lösung überschreiben.";
    }
    const QStringList klassen = befehlszeile.values("klassen");
    if (befehlszeile.isSet("name") && !befehlszeile.isSet("messreihe") && klassen.isEmpty()) {
        return "„--name“ gilt nur zusammen mit „--messreihe“ oder „--klassen“.";
    }
    if (!klassen.isEmpty() && FormatVon(klassen.last()) != Format::Tabelle) {
        return "Die Klassentabelle „" + klassen.last().toStdString() + "“ braucht die Endung .csv.";
    }
    const QStringList balken = befehlszeile.values("balken");
    if (!balken.isEmpty() && FormatVon(balken.last()) != Format::Bild) {
        return "Die Monatsbalken „" + balken.last().toStdString() +
               "“ brauchen die Endung .svg, .pdf oder .png.";
    }
    const QStringList ausgaben = befehlszeile.values("o");
    if (ausgaben.isEmpty() && !befehlszeile.isSet("json") && uebung.isEmpty() &&
        klassen.isEmpty() && balken.isEmpty()) {
        return "Es ist nichts zu tun: weder „-o AUSGABE“ noch „--json“ ist angegeben.";
    }
    for (const QString& datei : ausgaben) {
        if (FormatVon(datei) == Format::Unbekannt) {
            return "Die Endung von „" + datei.toStdString() +
                   "“ ist unbekannt; möglich sind .csv, .lumora, .svg, .pdf und .png.";
        }
    }
    return std::nullopt;
}

// Reads the project at pfad, imports a series, writes the exercise and every output.
int Ausfuehren(const Befehlszeile& befehlszeile, const QString& pfad, std::ostream& aus,
               std::ostream& fehler, const std::string& dezimaltrenner) {
    const QStringList uebung = befehlszeile.values("uebung");
    const QStringList klassen = befehlszeile.values("klassen");
    const QStringList ausgaben = befehlszeile.values("o");
    QFile datei(pfad);
    if (!datei.open(QIODevice::ReadOnly)) {
        fehler << kProgramm << ": Die Datei „" << pfad
               << "“ kann nicht gelesen werden: " << Dateifehler(datei, Zugriff::Lesen) << "\n";
        return 1;
    }
    const QByteArray bytes = datei.readAll();
    const auto gelesen = Projekt::Lesen(std::string_view(bytes.constData(), bytes.size()));
    if (!gelesen) {
        fehler << kProgramm << ": " << pfad << ": " << gelesen.grund() << "\n";
        return 1;
    }
    Projekt projekt = *gelesen;
    const QStringList reihe = befehlszeile.values("messreihe");
    const QStringList name = befehlszeile.values("name");
    if (!reihe.isEmpty() && !MessreiheEinlesen(projekt, reihe.last(),
                                               name.isEmpty() ? QString() : name.last(), fehler)) {
        return 1;
    }

    if (!uebung.isEmpty() && !UebungSchreiben(projekt, pfad, uebung.last(), fehler)) return 1;

    const Berechnung b = Berechnen(projekt);
    for (const QString& ziel : ausgaben) {
        bool ok = false;
        switch (FormatVon(ziel)) {
            case Format::Tabelle:
                ok = DateiSchreiben(ziel, Tabelle(projekt, b, dezimaltrenner), fehler);
                break;
            case Format::Projekt:
                ok = DateiSchreiben(ziel, projekt.schreiben(), fehler);
                break;
            case Format::Bild:
                ok = BildSchreiben(projekt, b, ziel, fehler);
                break;
            case Format::Unbekannt:
                break;
        }
        if (!ok) return 1;
    }
    if (!klassen.isEmpty() &&
        !KlassenSchreiben(b, name.isEmpty() ? std::string() : name.last().toStdString(),
                          klassen.last(), fehler)) {
        return 1;
    }
    if (const QStringList balken = befehlszeile.values("balken");
        !balken.isEmpty() && !BalkenSchreiben(b, balken.last(), fehler)) {
        return 1;
    }
    if (befehlszeile.isSet("json")) aus << BerichtText(b);
    return 0;
}

}  // namespace

int Exportieren(const QStringList& argumente, std::ostream& aus, std::ostream& fehler,
                const std::string& dezimaltrenner) {
    Befehlszeile befehlszeile(
        kProgramm,
        "Berechnet ein Lumora-Projekt ohne Fenster und schreibt Tabelle, Projekt, "
        "Diagramm oder JSON.");
    OptionenAnlegen(befehlszeile);
    if (const auto ende = befehlszeile.auswerten(argumente)) return *ende;
    const QString pfad = befehlszeile.positionalArguments().first();
    if (befehlszeile.isSet("bewerte")) {
        return Bewerten(befehlszeile, pfad, aus, fehler, dezimaltrenner);
    }
    if (const auto f = Widerspruch(befehlszeile, pfad)) return Befehlszeilenfehler(fehler, *f);
    return Ausfuehren(befehlszeile, pfad, aus, fehler, dezimaltrenner);
}

}  // namespace lumora
