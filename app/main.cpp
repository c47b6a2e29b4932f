#include <QApplication>
#include <optional>

#include "core/text.h"
#include "datei/befehlszeile.h"
#include "datei/sprache.h"
#include "ui/anwendung.h"

int main(int argc, char* argv[]) {
    // The language comes first, so that the help speaks it too. The command line is read
    // before QApplication exists: --help and --version answer without a display, and a
    // wrong command line opens no window.
    lumora::Sprachwahl sprache(lumora::GewuenschteSprache());
    const auto text = [](const std::string& t) { return QString::fromStdString(t); };
    lumora::Befehlszeile befehlszeile(
        QStringLiteral("lumora"),
        text(lumora::Text("Programm",
                          "Berechnet und zeichnet das Mollier-h,x-Diagramm feuchter Luft.")));
    befehlszeile.addArgument(
        text(lumora::Text("Programm", "PROJEKT")),
        text(lumora::Text("Programm", "Projektdatei (.lumora), die geöffnet wird.")), false);
    if (const auto ende = befehlszeile.auswerten(lumora::Argumentliste(argc, argv))) return *ende;
    std::optional<QString> projekt;
    if (!befehlszeile.positionalArguments().isEmpty()) {
        projekt = befehlszeile.positionalArguments().front();
    }

    QApplication app(argc, argv);
    sprache.installieren();
    QApplication::setOrganizationName("Lumora");
    QApplication::setApplicationName("lumora");
    lumora::Anwendung anwendung;
    anwendung.starten();
    if (projekt) anwendung.oeffnen(*projekt);
    return app.exec();
}
