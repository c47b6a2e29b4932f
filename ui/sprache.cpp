#include "ui/sprache.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace lumora {

QTranslator* DeutschLaden(QApplication& app) {
    auto* uebersetzer = new QTranslator(&app);
    if (!uebersetzer->load("qtbase_de", QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
        !QApplication::installTranslator(uebersetzer)) {
        delete uebersetzer;
        return nullptr;
    }
    return uebersetzer;
}

}  // namespace lumora
