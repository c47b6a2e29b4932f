#include "core/wertebereich.h"

#include "core/text.h"
#include "core/zahlen.h"

namespace lumora {

namespace {

const char* Zeichen(const Grenze& g, bool unten) {
    if (unten) return g.eingeschlossen ? " ≥ " : " > ";
    return g.eingeschlossen ? " ≤ " : " < ";
}

}  // namespace

std::string KeineEndlicheZahl(std::string_view subjekt) {
    return Einsetzen(Text("Kern", "%1 ist keine endliche Zahl."), {subjekt});
}

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
    if (b.unten && b.oben) {
        if (b.unten->eingeschlossen && b.oben->eingeschlossen) {
            return Einsetzen(Text("Kern", "%1 liegt nicht zwischen %2 und %3."),
                             {subjekt, KurzText(b.unten->wert * faktor),
                              MitEinheit(b.oben->wert * faktor, einheit)});
        }
        return Einsetzen(Text("Kern", "%1 liegt nicht in %2."),
                         {subjekt, BereichText(b, symbol, einheit, faktor)});
    }
    if (b.unten) {
        const Grenze& g = *b.unten;
        const std::string grenze = MitEinheit(g.wert * faktor, einheit);
        if (!g.eingeschlossen) {
            return Einsetzen(Text("Kern", "%1 ist nicht größer als %2."), {subjekt, grenze});
        }
        if (g.wert == 0) return Einsetzen(Text("Kern", "%1 ist negativ."), {subjekt});
        return Einsetzen(Text("Kern", "%1 liegt unter %2."), {subjekt, grenze});
    }
    if (b.oben) {
        const Grenze& g = *b.oben;
        return Einsetzen(g.eingeschlossen ? Text("Kern", "%1 ist größer als %2.")
                                          : Text("Kern", "%1 ist nicht kleiner als %2."),
                         {subjekt, MitEinheit(g.wert * faktor, einheit)});
    }
    return KeineEndlicheZahl(subjekt);
}

}  // namespace lumora
