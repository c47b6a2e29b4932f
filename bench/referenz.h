#pragma once

#include <cstdint>
#include <vector>

#include "chart/aufzeichnung.h"

namespace lumora {

// The yardstick for the canvas: a minimal clipped Bresenham raster of the same lines, one
// or two pixels wide, into a plain 32-bit buffer of the canvas's size.
void ReferenzRastern(const std::vector<Operation>& linien, int breite, int hoehe,
                     std::vector<std::uint32_t>& puffer);

}  // namespace lumora
