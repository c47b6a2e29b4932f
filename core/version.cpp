#include "core/version.h"

#include <array>

#include "core/text.h"

namespace lumora {

std::string Stand() {
    using vorgemerkt::Text;
    static constexpr std::array<const char*, 12> kMonate{
        Text("Kern", "Jan."),  Text("Kern", "Feb."), Text("Kern", "März"), Text("Kern", "Apr."),
        Text("Kern", "Mai"),   Text("Kern", "Juni"), Text("Kern", "Juli"), Text("Kern", "Aug."),
        Text("Kern", "Sept."), Text("Kern", "Okt."), Text("Kern", "Nov."), Text("Kern", "Dez.")};
    static_assert(kStandMonat >= 1 && kStandMonat <= 12);
    return lumora::Text("Kern", kMonate[kStandMonat - 1]) + " " + std::to_string(kStandJahr);
}

}  // namespace lumora
