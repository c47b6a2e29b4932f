#include "core/koordinaten.h"

namespace lumora {

double KoordX(const Eingabe& e, double x) { return (kLeinwandBreite * x) / e.Xmax; }

double KoordY(const Eingabe& e, double x, double h) {
    const double a = kSchraege * x;
    const double b = h - a;
    const double c = kLeinwandHoehe * b;
    const double d = c / e.Thetamax;
    return kLeinwandHoehe - d;
}

double XAusKoord(const Eingabe& e, double X) { return X * e.Xmax / kLeinwandBreite; }

double HAusKoord(const Eingabe& e, double x, double Y) {
    return e.Thetamax * (kLeinwandHoehe - Y) / kLeinwandHoehe + kSchraege * x;
}

}  // namespace lumora
