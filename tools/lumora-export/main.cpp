#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLocale>
#include <iostream>
#include <string>

#include "datei/sprache.h"
#include "lumora-export/export.h"

int main(int argc, char* argv[]) {
    // The language of the help, the messages and the images, as the program chooses it.
    lumora::Sprachwahl sprache(lumora::GewuenschteSprache());
    // The renderer needs fonts, and with them a QGuiApplication, but no window system: unless
    // the caller names a platform, it draws offscreen, with or without a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // Qt wants a private runtime folder and complains on standard error without one; a batch
    // tool keeps standard error for its own messages.
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        const QString ordner = QDir::temp().filePath("runtime-" + QString::number(getuid()));
        if (QDir().mkpath(ordner)) {
            QFile::setPermissions(ordner, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
            qputenv("XDG_RUNTIME_DIR", ordner.toLocal8Bit());
        }
    }
    QGuiApplication app(argc, argv);
    sprache.installieren();
    return lumora::Exportieren(QCoreApplication::arguments(), std::cout, std::cerr,
                               QLocale::system().decimalPoint().toStdString());
}
