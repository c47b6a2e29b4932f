#include <QApplication>
#include <QLocale>
#include <iostream>

#include "lumora-export/export.h"

int main(int argc, char* argv[]) {
    // The chart is drawn by the window's own export code, which needs a QApplication; without
    // a display it runs offscreen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    return lumora::Exportieren(QCoreApplication::arguments(), std::cout, std::cerr,
                               QLocale::system().decimalPoint().toStdString());
}
