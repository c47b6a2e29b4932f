#include <QCoreApplication>
#include <QLocale>
#include <iostream>

#include "lumora-export/export.h"

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    return lumora::Exportieren(QCoreApplication::arguments(), std::cout, std::cerr,
                               QLocale::system().decimalPoint().toStdString());
}
