#pragma once

#include <iosfwd>
#include <string_view>

namespace lumora {

// Reads one press per line (the seven field texts in tab order, separated by TAB), runs
// each through the input reading, the refusal check and the chart run, and writes one
// JSON object per line for every operation and the labels after each press.
// Returns the exit status.
int Trace(std::istream& ein, std::ostream& aus, std::string_view dezimaltrenner);

}  // namespace lumora
