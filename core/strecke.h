#pragma once

namespace lumora {

// Cuts the segment (x1, y1)-(x2, y2) to the rectangle [xmin, xmax] x [ymin, ymax]
// (Liang-Barsky). Returns false when no part of it lies inside, or when the end points
// are not finite; otherwise the end points are moved onto the rectangle's border.
bool StreckeKappen(double& x1, double& y1, double& x2, double& y2, double xmin, double ymin,
                   double xmax, double ymax);

}  // namespace lumora
