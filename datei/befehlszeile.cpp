#include "datei/befehlszeile.h"

#include <QCoreApplication>
#include <algorithm>
#include <cstdio>
#include <utility>

#include "core/text.h"
#include "core/version.h"
#include "datei/sprache.h"

namespace lumora {

namespace {

// What stands between two quoted names in a message: "„a“, „b“".
QString ZitatTrenner() { return QtText(Text("Datei", "“, „")); }

void Schreiben(std::FILE* ziel, const QString& text) {
    std::fputs(text.toUtf8().constData(), ziel);
    std::fflush(ziel);
}

// An option name with its dashes: as typed on `argumente` where it is found there, else "-o"
// for one letter and "--json" for more.
QString MitStrichen(const QString& name, const QStringList& argumente = {}) {
    for (const QString& strich : {QStringLiteral("--"), QStringLiteral("-")}) {
        for (const QString& argument : argumente) {
            if (argument == strich + name || argument.startsWith(strich + name + QLatin1Char('=')))
                return strich + name;
        }
    }
    return (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
}

// "-o AUSGABE", "-h, --help": the option as the help lists it.
QString Aufruf(const QCommandLineOption& option) {
    QStringList namen;
    for (const QString& name : option.names()) namen << MitStrichen(name);
    QString text = namen.join(QStringLiteral(", "));
    if (!option.valueName().isEmpty()) text += QLatin1Char(' ') + option.valueName();
    return text;
}

// The option that the parser's complaint `text` names when it is the complaint `englisch`
// ("Missing value after '%1'."), in Qt's own English or in the language installed for Qt.
std::optional<QString> Beanstandet(const QString& text, const char* englisch) {
    for (const QString& vorlage : {QString::fromLatin1(englisch),
                                   QCoreApplication::translate("QCommandLineParser", englisch)}) {
        const qsizetype stelle = vorlage.indexOf(QLatin1String("%1"));
        if (stelle < 0) continue;
        const QString vor = vorlage.left(stelle);
        const QString nach = vorlage.mid(stelle + 2);
        if (text.size() >= vor.size() + nach.size() && text.startsWith(vor) && text.endsWith(nach))
            return text.mid(vor.size(), text.size() - vor.size() - nach.size());
    }
    return std::nullopt;
}

}  // namespace

Befehlszeile::Befehlszeile(QString programm, QString beschreibung)
    : programm_(std::move(programm)),
      beschreibung_(std::move(beschreibung)),
      hilfeOption_({QStringLiteral("h"), QStringLiteral("help")},
                   QtText(Text("Datei", "Zeigt diese Hilfe und endet."))),
      versionOption_({QStringLiteral("v"), QStringLiteral("version")},
                     QtText(Text("Datei", "Zeigt die Version und endet."))) {
    // "-name" is one option, never a bundle of one-letter options: "-falsch" is refused as
    // "-falsch", and does not turn into "-f -a -l -s -c -h".
    parser_.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser_.addOption(hilfeOption_);
    parser_.addOption(versionOption_);
}

void Befehlszeile::addOption(const QCommandLineOption& option) {
    parser_.addOption(option);
    optionen_.push_back(option);
}

void Befehlszeile::addArgument(const QString& name, const QString& beschreibung, bool pflicht) {
    argumente_.push_back({name, beschreibung, pflicht});
}

void Befehlszeile::addWeitere(const QString& name, const QString& beschreibung,
                              const QString& mit) {
    weitere_ = Argument{name, beschreibung, false};
    weitereMit_ = mit;
}

std::optional<int> Befehlszeile::auswerten(const QStringList& argumente) {
    QString fehler;
    if (!parser_.parse(argumente)) {
        fehler = fehlermeldung(argumente);
    } else if (parser_.isSet(hilfeOption_)) {
        Schreiben(stdout, hilfe());
        return 0;
    } else if (parser_.isSet(versionOption_)) {
        Schreiben(stdout, versionszeile());
        return 0;
    } else {
        const QStringList positionale = parser_.positionalArguments();
        const auto anzahl = static_cast<std::size_t>(positionale.size());
        const bool weitere = weitere_ && parser_.isSet(weitereMit_);
        if (anzahl > argumente_.size() && !weitere) {
            fehler = QtText(Text("Datei", "Zu viele Argumente: „%1“."))
                         .arg(positionale.mid(static_cast<qsizetype>(argumente_.size()))
                                  .join(ZitatTrenner()));
        } else {
            for (std::size_t i = anzahl; i < argumente_.size() && fehler.isEmpty(); ++i) {
                if (argumente_[i].pflicht) {
                    fehler = QtText(Text("Datei", "%1 fehlt.")).arg(argumente_[i].name);
                }
            }
        }
    }
    if (fehler.isEmpty()) return std::nullopt;
    Schreiben(stderr, fehlertext(fehler));
    return 2;
}

QString Befehlszeile::fehlertext(const QString& meldung) const {
    return QtText(Text("Datei", "%1: %2\nHilfe: %1 --help\n")).arg(programm_, meldung);
}

QString Befehlszeile::fehlermeldung(const QStringList& argumente) const {
    const QStringList unbekannt = parser_.unknownOptionNames();
    if (!unbekannt.isEmpty()) {
        QStringList namen;
        for (const QString& name : unbekannt) namen << MitStrichen(name, argumente);
        return (namen.size() == 1 ? QtText(Text("Datei", "Unbekannte Option „%1“."))
                                  : QtText(Text("Datei", "Unbekannte Optionen „%1“.")))
            .arg(namen.join(ZitatTrenner()));
    }
    // The parser names the option of its other two complaints only in its own text ("Missing
    // value after '-o'.", "Unexpected value after '--json'."), which Qt's translation of the
    // program's language may have changed.
    const QString text = parser_.errorText();
    if (const auto option = Beanstandet(text, "Missing value after '%1'."))
        return QtText(Text("Datei", "Die Option „%1“ braucht einen Wert.")).arg(*option);
    if (const auto option = Beanstandet(text, "Unexpected value after '%1'."))
        return QtText(Text("Datei", "Die Option „%1“ nimmt keinen Wert.")).arg(*option);
    return QtText(Text("Datei", "Falsche Befehlszeile (%1).")).arg(text);
}

QString Befehlszeile::hilfe() const {
    QString verwendung = QtText(Text("Datei", "Verwendung: %1 [Optionen]")).arg(programm_);
    for (const Argument& argument : argumente_) {
        verwendung += QLatin1Char(' ') +
                      (argument.pflicht ? argument.name
                                        : QLatin1Char('[') + argument.name + QLatin1Char(']'));
    }
    if (weitere_) verwendung += QStringLiteral(" [") + weitere_->name + QStringLiteral(" …]");

    // Two columns: the option or argument as typed, and its description.
    std::vector<std::pair<QString, QString>> optionen;
    for (const QCommandLineOption& option : optionen_)
        optionen.emplace_back(Aufruf(option), option.description());
    for (const QCommandLineOption* option : {&hilfeOption_, &versionOption_})
        optionen.emplace_back(Aufruf(*option), option->description());
    std::vector<std::pair<QString, QString>> argumente;
    for (const Argument& argument : argumente_)
        argumente.emplace_back(argument.name, argument.beschreibung);
    if (weitere_)
        argumente.emplace_back(weitere_->name + QStringLiteral(" …"), weitere_->beschreibung);
    qsizetype breite = 0;
    for (const auto* liste : {&optionen, &argumente})
        for (const auto& [links, rechts] : *liste) breite = std::max(breite, links.size());

    QString text = verwendung + QLatin1Char('\n') + beschreibung_ + QLatin1Char('\n');
    const auto abschnitt = [&](const QString& titel, const auto& zeilen) {
        if (zeilen.empty()) return;
        text += QLatin1Char('\n') + titel + QLatin1Char('\n');
        for (const auto& [links, rechts] : zeilen)
            text += QStringLiteral("  ") + links.leftJustified(breite) + QStringLiteral("  ") +
                    rechts + QLatin1Char('\n');
    };
    abschnitt(QtText(Text("Datei", "Optionen:")), optionen);
    abschnitt(QtText(Text("Datei", "Argumente:")), argumente);
    return text;
}

QString Befehlszeile::versionszeile() const {
    return programm_ + QLatin1Char(' ') + QString::fromUtf8(kVersion) + QLatin1Char('\n');
}

QStringList Argumentliste(int argc, char* argv[]) {
    QStringList liste;
    for (int i = 0; i < argc; ++i) liste << QString::fromLocal8Bit(argv[i]);
    return liste;
}

}  // namespace lumora
