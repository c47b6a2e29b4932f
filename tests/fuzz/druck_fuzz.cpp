// libFuzzer target: arbitrary texts for the seven fields, several presses per input, run
// through the input reading, the refusal check and the whole chart run. A fault, a
// sanitizer report, a label index out of range or a coordinate that is not finite
// ends the run with a crash.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "chart/aufzeichnung.h"
#include "chart/diagrammlauf.h"
#include "chart/pruefung.h"

namespace {

using namespace lumora;

// Checks every operation as it comes, without keeping it.
class PruefFlaeche : public Zeichenflaeche {
  public:
    void Line(float x1, float y1, float x2, float y2, Farbe) override { Endlich(x1, y1, x2, y2); }
    void Box(float x1, float y1, float x2, float y2, Farbe) override { Endlich(x1, y1, x2, y2); }
    void DrawWidth(int breite) override {
        if (breite != 1 && breite != 2) std::abort();
    }
    void Refresh(Bereich) override {}

  private:
    static void Endlich(float a, float b, float c, float d) {
        if (!std::isfinite(a) || !std::isfinite(b) || !std::isfinite(c) || !std::isfinite(d)) {
            std::abort();
        }
    }
};

class PruefBeschriftung : public Aufzeichnungsbeschriftung {
  public:
    void setLeft(Gruppe g, int index, float left) override {
        if (!std::isfinite(left)) std::abort();
        Aufzeichnungsbeschriftung::setLeft(g, index, left);
    }
    void setTop(Gruppe g, int index, float top) override {
        if (!std::isfinite(top)) std::abort();
        Aufzeichnungsbeschriftung::setTop(g, index, top);
    }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    static Diagrammlauf lauf;  // state carries over from press to press, as in the program
    static PruefFlaeche flaeche;
    static PruefBeschriftung beschriftung;
    const std::string_view text(reinterpret_cast<const char*>(daten), groesse);
    std::size_t anfang = 0;
    for (int druck = 0; druck < 4 && anfang <= text.size(); ++druck) {
        const std::size_t ende = std::min(text.find('\n', anfang), text.size());
        const std::string_view zeile = text.substr(anfang, ende - anfang);
        anfang = ende + 1;
        const Feldtexte felder = FeldtexteTrennen(zeile);
        const Eingabe eingabe = EingabeLesen(felder);
        if (!Pruefen(eingabe)) lauf.zeichnen(eingabe, flaeche, beschriftung, ",");
    }
    return 0;
}
