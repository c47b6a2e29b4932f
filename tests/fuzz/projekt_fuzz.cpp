// libFuzzer target: arbitrary bytes as a project file, through reading, computing, the
// report, the table, writing, and grading and making an exercise where it holds one. A fault, a
// sanitizer report, a written file that does not read back to the same bytes, or a report that is
// not JSON ends the run with a crash.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "projekt/bericht.h"
#include "projekt/uebung.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    using namespace lumora;
    const std::string_view text(reinterpret_cast<const char*>(daten), groesse);
    auto projekt = Projekt::Lesen(text);
    if (!projekt) return 0;
    const Berechnung b = Berechnen(*projekt);
    if (!JsonLesen(BerichtText(b)).fehler.empty()) std::abort();
    (void)Tabelle(*projekt, b, ",");

    const std::string geschrieben = projekt->schreiben();
    const auto wieder = Projekt::Lesen(geschrieben);
    if (!wieder || wieder->schreiben() != geschrieben) std::abort();

    // An exercise graded against itself as a solution, and the exercise made from it: every
    // grade is JSON, and the exercise reads back as it was written.
    if (const auto loesung = Loesung::Aus(*projekt)) {
        if (!JsonLesen(Kompakt(BewertungJson(loesung->Bewerten(*projekt, b, "f")))).fehler.empty())
            std::abort();
        if (const auto uebung = UebungErstellen(*projekt)) {
            const std::string text = uebung->schreiben();
            const auto gelesen = Projekt::Lesen(text);
            if (!gelesen || gelesen->schreiben() != text) std::abort();
            (void)loesung->Bewerten(text, "u");
        }
    }

    // Renaming the first state and undoing it gives the same file back.
    Projekt q = *projekt;
    if (q.anzahl(Liste::Zustaende) > 0 && q.eintrag(Liste::Zustaende, 0).is_object() &&
        q.eintrag(Liste::Zustaende, 0).contains("name") &&
        q.eintrag(Liste::Zustaende, 0)["name"].is_string()) {
        if (const auto e = q.umbenennen(q.eintrag(Liste::Zustaende, 0)["name"], "Umbenannt·1")) {
            q.zuruecksetzen(*e);
            if (q.schreiben() != geschrieben) std::abort();
        }
    }
    return 0;
}
