#include <QLocale>
#include <iostream>

#include "lumora-trace/trace.h"

int main() {
    std::ios::sync_with_stdio(false);
    const std::string trenner = QLocale::system().decimalPoint().toStdString();
    return lumora::Trace(std::cin, std::cout, trenner);
}
