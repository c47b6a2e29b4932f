#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "core/eingabe.h"
#include "core/feldtexte.h"
#include "core/zustandswerte.h"

namespace lumora {

// Refuses exactly the values with which the chart run would fault, never end, need more
// labels than the chart window holds, or more than 1,000,000 lines in one family.
std::optional<Ablehnung> Pruefen(const Eingabe& e);

}  // namespace lumora
