#include "core/koordinaten.h"

namespace lumora {

double KoordX(const Eingabe& e, double x) { return (12000 * x) / e.Xmax; }

double KoordY(const Eingabe& e, double x, double h) {
    // 2500 is a fixed number of the mapping, not the material constant r0.
    const double a = 2500 * x;
    const double b = h - a;
    const double c = 8000 * b;
    const double d = c / e.Thetamax;
    return 8000 - d;
}

}  // namespace lumora
