#include "core/strecke.h"

#include <cmath>

namespace lumora {

bool StreckeKappen(double& x1, double& y1, double& x2, double& y2, double xmin, double ymin,
                   double xmax, double ymax) {
    if (!std::isfinite(x1) || !std::isfinite(y1) || !std::isfinite(x2) || !std::isfinite(y2)) {
        return false;
    }
    const double dx = x2 - x1;
    const double dy = y2 - y1;
    double t0 = 0;
    double t1 = 1;
    // Each border as p*t <= q: the part of the segment on the inner side of it.
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {x1 - xmin, xmax - x1, y1 - ymin, ymax - y1};
    for (int k = 0; k < 4; ++k) {
        if (p[k] == 0) {
            if (q[k] < 0) return false;
            continue;
        }
        const double t = q[k] / p[k];
        if (p[k] < 0) {
            if (t > t1) return false;
            if (t > t0) t0 = t;
        } else {
            if (t < t0) return false;
            if (t < t1) t1 = t;
        }
    }
    const double ax = x1 + t0 * dx;
    const double ay = y1 + t0 * dy;
    const double bx = t1 < 1 ? x1 + t1 * dx : x2;
    const double by = t1 < 1 ? y1 + t1 * dy : y2;
    if (!std::isfinite(ax) || !std::isfinite(ay) || !std::isfinite(bx) || !std::isfinite(by)) {
        return false;
    }
    x1 = ax;
    y1 = ay;
    x2 = bx;
    y2 = by;
    return true;
}

}  // namespace lumora
