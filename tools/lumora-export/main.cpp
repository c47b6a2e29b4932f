#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <iostream>

#include "core/version.h"
#include "lumora-export/export.h"

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName("lumora-export");
    QCoreApplication::setApplicationVersion(lumora::kVersion);
    // The help's own headings ("Usage:", "Options:") in German, like the option texts.
    QTranslator qt;
    if (qt.load(QLocale(QLocale::German), "qtbase", "_",
                QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(&qt);
    }
    return lumora::Exportieren(QCoreApplication::arguments(), std::cout, std::cerr,
                               QLocale::system().decimalPoint().toStdString());
}
