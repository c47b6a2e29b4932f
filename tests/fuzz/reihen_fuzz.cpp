// libFuzzer target: arbitrary bytes as a file to import, a logger's CSV, a TRY or an EPW
// weather year, through reading, the project form, evaluating and the class table. A fault, a
// sanitizer report, or a series whose project form does not read back to the same bytes ends
// the run with a crash.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "projekt/auswertung.h"
#include "projekt/bericht.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    using namespace lumora;
    const std::string_view text(reinterpret_cast<const char*>(daten), groesse);
    const auto im = MessreiheLesen(text, "F", "f.dat");
    if (!im) return 0;
    (void)im->Meldung();
    (void)im->Zusammenfassung();
    const auto json = MessreiheZuJson(im->reihe);
    const auto wieder = MessreiheAusJson(json);
    if (!wieder || MessreiheZuJson(*wieder).dump() != json.dump()) std::abort();
    const Messauswertung a = MessreiheAuswerten(*wieder, *LuftdruckBei(1013));
    if (a.haeufigkeit) (void)Klassentabelle(*a.haeufigkeit);
    return 0;
}
