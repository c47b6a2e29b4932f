#include "core/wertebereich.h"

#include "core/zahlen.h"

namespace lumora {

namespace {

std::string Zahl(double v, std::string_view einheit, double faktor) {
    return einheit.empty() ? KurzText(v * faktor) : MitEinheit(v * faktor, einheit);
}

const char* Zeichen(const Grenze& g, bool unten) {
    if (unten) return g.eingeschlossen ? " ≥ " : " > ";
    return g.eingeschlossen ? " ≤ " : " < ";
}

}  // namespace

std::string BereichText(const Wertebereich& b, std::string_view symbol, std::string_view einheit,
                        double faktor) {
    const std::string s(symbol);
    if (b.unten && b.oben) {
        // Both bounds read from left to right: the lower one's sign turned round.
        return KurzText(b.unten->wert * faktor) + (b.unten->eingeschlossen ? " ≤ " : " < ") + s +
               Zeichen(*b.oben, false) + Zahl(b.oben->wert, einheit, faktor);
    }
    if (b.unten) return s + Zeichen(*b.unten, true) + Zahl(b.unten->wert, einheit, faktor);
    if (b.oben) return s + Zeichen(*b.oben, false) + Zahl(b.oben->wert, einheit, faktor);
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
                   Zahl(b.oben->wert, einheit, faktor) + ".";
        }
        return text + " liegt nicht in " + BereichText(b, symbol, einheit, faktor) + ".";
    }
    if (b.unten) {
        const Grenze& g = *b.unten;
        if (!g.eingeschlossen)
            return text + " ist nicht größer als " + Zahl(g.wert, einheit, faktor) + ".";
        if (g.wert == 0) return text + " ist negativ.";
        return text + " liegt unter " + Zahl(g.wert, einheit, faktor) + ".";
    }
    if (b.oben) {
        const Grenze& g = *b.oben;
        return text + (g.eingeschlossen ? " ist größer als " : " ist nicht kleiner als ") +
               Zahl(g.wert, einheit, faktor) + ".";
    }
    return text + " ist keine endliche Zahl.";
}

}  // namespace lumora
