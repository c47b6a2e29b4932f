#include "lumora-export/export.h"

#include <QFile>
#include <QFileInfo>
#include <ostream>

#include "bild/monatsbalken.h"
#include "bild/projektbild.h"
#include "core/text.h"
#include "datei/befehlszeile.h"
#include "datei/dateien.h"
#include "datei/dateifehler.h"
#include "datei/sprache.h"
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

// "Die Datei „…“ kann nicht gelesen werden: …" on fehler, after the program's name.
void Unlesbar(std::ostream& fehler, const QString& pfad, const QString& grund) {
    fehler << kProgramm << ": "
           << Einsetzen(Text("Export", "Die Datei „%1“ kann nicht gelesen werden: %2"),
                        {pfad.toStdString(), grund.toStdString()})
           << "\n";
}

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
    fehler << kProgramm << ": "
           << Einsetzen(Text("Export", "Die Datei „%1“ kann nicht geschrieben werden: %2"),
                        {datei.toStdString(), f->grund.toStdString()})
           << "\n";
    return false;
}

// Imports the series in the file (a logger's CSV, a TRY or an EPW weather year) into the
// project, named NAME or after the file; what was read and the report of skipped rows go to
// fehler.
bool MessreiheEinlesen(Projekt& projekt, const QString& pfad, QString name, std::ostream& fehler) {
    QFile datei(pfad);
    if (!datei.open(QIODevice::ReadOnly)) {
        Unlesbar(fehler, pfad, Dateifehler(datei, Zugriff::Lesen));
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
            fehler << kProgramm << ": "
                   << Einsetzen(
                          Text("Export", "Das Wetterjahr „%1“ lässt sich nicht auswerten: %2"),
                          {m.reihe->name, m.fehler})
                   << "\n";
            return false;
        }
        return DateiSchreiben(ziel, Klassentabelle(*m.auswertung->haeufigkeit), fehler);
    }
    fehler << kProgramm << ": "
           << (name.empty() ? Text("Export",
                                   "Das Projekt hat kein Wetterjahr, dessen "
                                   "Klassentabelle sich schreiben ließe.")
                            : Einsetzen(Text("Export",
                                             "Das Projekt hat kein Wetterjahr „%1“, "
                                             "dessen Klassentabelle sich schreiben "
                                             "ließe."),
                                        {name}))
           << "\n";
    return false;
}

// Writes the month bars of the project's unit.
bool BalkenSchreiben(const Berechnung& b, const QString& ziel, std::ostream& fehler) {
    if (!b.anlage || !b.anlage->jahr) {
        fehler << kProgramm << ": "
               << (b.anlage ? Einsetzen(Text("Export", "Die Anlage rechnet nicht: %1"),
                                        {b.anlage->fehler})
                            : Text("Export", "Das Projekt hat keine Anlage."))
               << "\n";
        return false;
    }
    const QString f = MonatsbalkenSpeichern(MonatsbalkenAus(b.anlage->name, *b.anlage->jahr), ziel);
    if (!f.isEmpty()) fehler << kProgramm << ": " << f.toStdString() << "\n";
    return f.isEmpty();
}

int Befehlszeilenfehler(const Befehlszeile& befehlszeile, std::ostream& fehler,
                        const std::string& meldung) {
    fehler << befehlszeile.fehlertext(QString::fromStdString(meldung));
    return 2;
}

// The options and arguments the program takes.
void OptionenAnlegen(Befehlszeile& befehlszeile) {
    const QString datei = QtText(Text("Export", "DATEI"));
    befehlszeile.addOption(
        {"o",
         QtText(Text("Export",
                     "Schreibt in AUSGABE, nach der Endung: .csv Tabelle der Zustände, "
                     ".lumora Projekt, .svg, .pdf, .png Diagramm. Mehrfach möglich.")),
         QtText(Text("Export", "AUSGABE"))});
    befehlszeile.addOption(
        {"json",
         QtText(
             Text("Export", "Schreibt das berechnete Projekt als JSON auf die Standardausgabe."))});
    befehlszeile.addOption(
        {"messreihe",
         QtText(Text("Export",
                     "Liest eine Messreihe aus einer CSV-Datei oder ein Wetterjahr (TRY, "
                     "EPW) in das Projekt ein.")),
         datei});
    befehlszeile.addOption(
        {"name",
         QtText(Text("Export",
                     "Name der eingelesenen Messreihe; mit --klassen das Wetterjahr der Tabelle.")),
         QtText(Text("Export", "NAME"))});
    befehlszeile.addOption(
        {"klassen",
         QtText(Text("Export",
                     "Schreibt die Klassentabelle (Stunden je ϑ- und x-Klasse) des ersten "
                     "Wetterjahrs, mit --name des so benannten, als CSV-Datei.")),
         datei + ".csv"});
    befehlszeile.addOption(
        {"balken",
         QtText(
             Text("Export",
                  "Schreibt die Monatsbalken der Anlage des Projekts als .svg, .pdf oder .png.")),
         datei});
    befehlszeile.addOption(
        {"uebung",
         QtText(Text("Export",
                     "Schreibt die Übung, die Studierende aus der Lösung PROJEKT bekommen.")),
         QtText(Text("Export", "AUFGABE")) + ".lumora"});
    const QString abgabe = QtText(Text("Export", "ABGABE"));
    befehlszeile.addOption(
        {"bewerte",
         QtText(Text("Export",
                     "Bewertet Abgaben gegen die Lösung PROJEKT; mit -o noten.csv als "
                     "Notentabelle, mit --json als ein JSON-Objekt je Abgabe.")),
         abgabe + ".lumora"});
    befehlszeile.addArgument(QtText(Text("Export", "PROJEKT")),
                             QtText(Text("Export", "Die Projektdatei (.lumora).")), true);
    befehlszeile.addWeitere(abgabe, QtText(Text("Export", "Weitere Abgaben zu --bewerte.")),
                            "bewerte");
}

// --bewerte: grades the hand-ins against the solution at pfad.
int Bewerten(const Befehlszeile& befehlszeile, const QString& pfad, std::ostream& aus,
             std::ostream& fehler, const std::string& dezimaltrenner) {
    for (const char* andere : {"uebung", "messreihe", "klassen", "balken"}) {
        if (befehlszeile.isSet(andere)) {
            return Befehlszeilenfehler(
                befehlszeile, fehler,
                Einsetzen(Text("Export", "„--bewerte“ gilt nicht zusammen mit „--%1“."), {andere}));
        }
    }
    for (const QString& datei : befehlszeile.values("o")) {
        if (FormatVon(datei) != Format::Tabelle) {
            return Befehlszeilenfehler(
                befehlszeile, fehler,
                Einsetzen(Text("Export",
                               "Beim Bewerten schreibt „-o“ nur die Notentabelle "
                               "(.csv), nicht „%1“."),
                          {datei.toStdString()}));
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
        return Einsetzen(Text("Export", "Die Übung „%1“ braucht die Endung .lumora."),
                         {uebung.last().toStdString()});
    }
    if (!uebung.isEmpty() &&
        QFileInfo(uebung.last()).absoluteFilePath() == QFileInfo(pfad).absoluteFilePath()) {
        return Einsetzen(Text("Export", "Die Übung „%1“ würde die Lösung überschreiben."),
                         {uebung.last().toStdString()});
    }
    const QStringList klassen = befehlszeile.values("klassen");
    if (befehlszeile.isSet("name") && !befehlszeile.isSet("messreihe") && klassen.isEmpty()) {
        return Text("Export", "„--name“ gilt nur zusammen mit „--messreihe“ oder „--klassen“.");
    }
    if (!klassen.isEmpty() && FormatVon(klassen.last()) != Format::Tabelle) {
        return Einsetzen(Text("Export", "Die Klassentabelle „%1“ braucht die Endung .csv."),
                         {klassen.last().toStdString()});
    }
    const QStringList balken = befehlszeile.values("balken");
    if (!balken.isEmpty() && FormatVon(balken.last()) != Format::Bild) {
        return Einsetzen(Text("Export",
                              "Die Monatsbalken „%1“ brauchen die Endung .svg, .pdf oder "
                              ".png."),
                         {balken.last().toStdString()});
    }
    const QStringList ausgaben = befehlszeile.values("o");
    if (ausgaben.isEmpty() && !befehlszeile.isSet("json") && uebung.isEmpty() &&
        klassen.isEmpty() && balken.isEmpty()) {
        return Text("Export",
                    "Es ist nichts zu tun: weder „-o AUSGABE“ noch „--json“ ist angegeben.");
    }
    for (const QString& datei : ausgaben) {
        if (FormatVon(datei) == Format::Unbekannt) {
            return Einsetzen(Text("Export",
                                  "Die Endung von „%1“ ist unbekannt; möglich sind .csv, "
                                  ".lumora, .svg, .pdf und .png."),
                             {datei.toStdString()});
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
        Unlesbar(fehler, pfad, Dateifehler(datei, Zugriff::Lesen));
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
    Befehlszeile befehlszeile(kProgramm,
                              QtText(Text("Export",
                                          "Berechnet ein Lumora-Projekt ohne Fenster und "
                                          "schreibt Tabelle, Projekt, Diagramm oder JSON.")));
    OptionenAnlegen(befehlszeile);
    if (const auto ende = befehlszeile.auswerten(argumente)) return *ende;
    const QString pfad = befehlszeile.positionalArguments().first();
    if (befehlszeile.isSet("bewerte")) {
        return Bewerten(befehlszeile, pfad, aus, fehler, dezimaltrenner);
    }
    if (const auto f = Widerspruch(befehlszeile, pfad)) {
        return Befehlszeilenfehler(befehlszeile, fehler, *f);
    }
    return Ausfuehren(befehlszeile, pfad, aus, fehler, dezimaltrenner);
}

}  // namespace lumora
