#include <unistd.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <iostream>
#include <string>

#include "lumora-export/export.h"

int main(int argc, char* argv[]) {
    // The chart is drawn by the window's own export code, which needs a QApplication; without
    // a display it runs offscreen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    // Qt wants a private runtime folder and complains on standard error without one; a batch
    // tool keeps standard error for its own messages.
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        const QString ordner = QDir::temp().filePath("runtime-" + QString::number(getuid()));
        if (QDir().mkpath(ordner)) {
            QFile::setPermissions(ordner, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
            qputenv("XDG_RUNTIME_DIR", ordner.toLocal8Bit());
        }
    }
    QApplication app(argc, argv);
    return lumora::Exportieren(QCoreApplication::arguments(), std::cout, std::cerr,
                               QLocale::system().decimalPoint().toStdString());
}
