#include "chart/beschriftung.h"

namespace lumora {

namespace {

constexpr std::array<const char*, 9> kFeuchteTexte{"100 %", "80 %", "60 %", "40 %", "20 %",
                                                   "10 %",  "5 %",  "2 %",  "1 %"};

// Kept coordinates of the layout, in form units.
double StartLinksForm(Gruppe g, int index) {
    switch (g) {
        case Gruppe::txt_Temp:
            return 120;
        case Gruppe::txt_rF:
            return index == 0 ? 14520 : index <= 5 ? 14550 : 14580;
        case Gruppe::txt_PhPa:
            return 750;
        default:
            return 0;
    }
}

double StartObenForm(Gruppe g) {
    switch (g) {
        case Gruppe::txt_X:
            return 10530;
        case Gruppe::txt_rFo:
            return 60;
        default:
            return 0;
    }
}

}  // namespace

std::string Starttext(Gruppe g, int index) {
    switch (g) {
        case Gruppe::txt_Temp:
            return "200°C";
        case Gruppe::txt_X:
            return "0,01 kg/kg";
        case Gruppe::txt_rFo:
        case Gruppe::txt_rF:
            return kFeuchteTexte.at(index);
        case Gruppe::txt_PhPa:
            return "Gesamtdruck  =  1013  hPa";
    }
    return {};
}

double StartLinks(Gruppe g, int index) { return StartLinksForm(g, index) / kFormProFlaecheX; }
double StartOben(Gruppe g, int) { return StartObenForm(g) / kFormProFlaecheY; }

}  // namespace lumora
