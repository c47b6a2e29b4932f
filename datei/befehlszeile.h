#pragma once

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace lumora {

// The command line of Lumora's programs, read with QCommandLineParser but answered in the
// program's language: "-h/--help" and "-v/--version" on standard output, a wrong command line
// with a message on standard error and exit status 2. Needs no QCoreApplication, so a
// program can read its command line before it opens a display.
class Befehlszeile {
  public:
    // `programm` is the name the help and the messages show, `beschreibung` one sentence
    // about what the program does.
    Befehlszeile(QString programm, QString beschreibung);

    // An option of the program, with its description in the program's language. Options are shown
    // in the order they are added, before help and version.
    void addOption(const QCommandLineOption& option);
    // A positional argument, shown in the synopsis as NAME or, when optional, [NAME]. At most
    // as many positional arguments are accepted as are added.
    void addArgument(const QString& name, const QString& beschreibung, bool pflicht);
    // Any number of further positional arguments after those, accepted only together with the
    // option `mit`; shown in the synopsis as [NAME …].
    void addWeitere(const QString& name, const QString& beschreibung, const QString& mit);

    // Reads `argumente` (the first is the program's own path). Returns the exit status when
    // the program is to end now: 0 after the help or the version, 2 after a wrong command
    // line. std::nullopt: go on with isSet(), values() and positionalArguments().
    std::optional<int> auswerten(const QStringList& argumente);

    bool isSet(const QString& option) const { return parser_.isSet(option); }
    QStringList values(const QString& option) const { return parser_.values(option); }
    QStringList positionalArguments() const { return parser_.positionalArguments(); }

    // The help text and the version line, as printed.
    QString hilfe() const;
    QString versionszeile() const;
    // The complaint about a wrong command line as printed: the program, `meldung` and where
    // the help is.
    QString fehlertext(const QString& meldung) const;

  private:
    struct Argument {
        QString name;
        QString beschreibung;
        bool pflicht = false;
    };

    // The reason why the parse of `argumente` failed, from the parser's state.
    QString fehlermeldung(const QStringList& argumente) const;

    QString programm_;
    QString beschreibung_;
    QCommandLineParser parser_;
    std::vector<QCommandLineOption> optionen_;
    std::vector<Argument> argumente_;
    std::optional<Argument> weitere_;
    QString weitereMit_;
    QCommandLineOption hilfeOption_;
    QCommandLineOption versionOption_;
};

// The command line of a program's main(): argv as Qt strings.
QStringList Argumentliste(int argc, char* argv[]);

}  // namespace lumora
