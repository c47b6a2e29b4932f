#include "core/koordinaten.h"

namespace lumora {

double KoordX(const Eingabe& e, double x) { return (kLeinwandBreite * x) / e.Xmax; }

double KoordY(const Eingabe& e, double x, double h) {
    const double a = kSchraege * x;
    const double b = h - a;
    // The bottom edge is h - 2500 x = ThetaUnten; with 0 both differences are exact, so the
    // chart that ends at 0 °C keeps every bit of its coordinates.
    const double bu = b - e.ThetaUnten;
    const double c = kLeinwandHoehe * bu;
    const double d = c / (e.Thetamax - e.ThetaUnten);
    return kLeinwandHoehe - d;
}

double XAusKoord(const Eingabe& e, double X) { return X * e.Xmax / kLeinwandBreite; }

double HAusKoord(const Eingabe& e, double x, double Y) {
    return (e.Thetamax - e.ThetaUnten) * (kLeinwandHoehe - Y) / kLeinwandHoehe + e.ThetaUnten +
           kSchraege * x;
}

}  // namespace lumora
