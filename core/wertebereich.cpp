#include "core/wertebereich.h"

#include "core/zahlen.h"

namespace lumora {

namespace {

const char* Zeichen(const Grenze& g, bool unten) {
    if (unten) return g.eingeschlossen ? " ≥ " : " > ";
    return g.eingeschlossen ? " ≤ " : " < ";
}

}  // namespace

std::string BereichText(const Wertebereich& b, std::string_view symbol, std::string_view einheit,
                        double faktor) {
    const std::string s(symbol);
    if (b.unten && b.oben) {
        // Both bounds read from left to right, the lower one with the upper one's sign.
        return KurzText(b.unten->wert * faktor) + Zeichen(*b.unten, false) + s +
               Zeichen(*b.oben, false) + MitEinheit(b.oben->wert * faktor, einheit);
    }
    if (b.unten) return s + Zeichen(*b.unten, true) + MitEinheit(b.unten->wert * faktor, einheit);
    if (b.oben) return s + Zeichen(*b.oben, false) + MitEinheit(b.oben->wert * faktor, einheit);
    return {};
}

std::optional<std::string> Bereichsfehler(std::string_view subjekt, double v, const Wertebereich& b,
                                          std::string_view symbol, std::string_view einheit,
                                          double faktor) {
    if (Enthaelt(b, v)) return std::nullopt;
    std::string text(subjekt);
    if (b.unten && b.oben) {
        if (b.unten->eingeschlossen && b.oben->eingeschlossen) {
            return text + " liegt nicht zwischen " + KurzText(b.unten->wert * faktor) + " und " +
                   MitEinheit(b.oben->wert * faktor, einheit) + ".";
        }
        return text + " liegt nicht in " + BereichText(b, symbol, einheit, faktor) + ".";
    }
    if (b.unten) {
        const Grenze& g = *b.unten;
        if (!g.eingeschlossen)
            return text + " ist nicht größer als " + MitEinheit(g.wert * faktor, einheit) + ".";
        if (g.wert == 0) return text + " ist negativ.";
        return text + " liegt unter " + MitEinheit(g.wert * faktor, einheit) + ".";
    }
    if (b.oben) {
        const Grenze& g = *b.oben;
        return text + (g.eingeschlossen ? " ist größer als " : " ist nicht kleiner als ") +
               MitEinheit(g.wert * faktor, einheit) + ".";
    }
    return text + " ist keine endliche Zahl.";
}

}  // namespace lumora
