#include "core/text.h"

#include <atomic>

namespace lumora {

namespace {

std::atomic<Uebersetzer> gUebersetzer{nullptr};

}  // namespace

void UebersetzerSetzen(Uebersetzer uebersetzer) { gUebersetzer.store(uebersetzer); }

std::string Text(const char* kontext, const char* quelle) {
    const Uebersetzer uebersetzer = gUebersetzer.load();
    return uebersetzer ? uebersetzer(kontext, quelle) : std::string(quelle);
}

std::string Einsetzen(std::string_view vorlage, std::initializer_list<std::string_view> werte) {
    std::string text;
    text.reserve(vorlage.size() + 16 * werte.size());
    for (std::size_t i = 0; i < vorlage.size(); ++i) {
        const char c = vorlage[i];
        if (c == '%' && i + 1 < vorlage.size() && vorlage[i + 1] >= '1' && vorlage[i + 1] <= '9') {
            const auto n = static_cast<std::size_t>(vorlage[i + 1] - '1');
            if (n < werte.size()) {
                text += werte.begin()[n];
                ++i;
                continue;
            }
        }
        text += c;
    }
    return text;
}

}  // namespace lumora
