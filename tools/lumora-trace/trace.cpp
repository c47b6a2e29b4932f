#include "lumora-trace/trace.h"

#include <charconv>
#include <cmath>
#include <istream>
#include <ostream>
#include <string>

#include "chart/aufzeichnung.h"
#include "chart/diagrammlauf.h"
#include "chart/pruefung.h"

namespace lumora {

namespace {

std::string Json(std::string_view text) {
    std::string aus = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            aus += '\\';
            aus += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            constexpr char kHex[] = "0123456789abcdef";
            aus += "\\u00";
            aus += kHex[(c >> 4) & 0xf];
            aus += kHex[c & 0xf];
        } else {
            aus += c;
        }
    }
    return aus + '"';
}

// Shortest text that reads back as the same float; null for what is not finite.
std::string Json(float v) {
    if (!std::isfinite(v)) return "null";
    char puffer[32];
    return std::string(puffer, std::to_chars(puffer, puffer + sizeof puffer, v).ptr);
}

std::string Json(Farbe f) {
    return "[" + std::to_string(f.r) + ", " + std::to_string(f.g) + ", " + std::to_string(f.b) +
           "]";
}

void Operationen(const Aufzeichnungsflaeche& flaeche, std::ostream& aus) {
    using Art = Operation::Art;
    for (const auto& op : flaeche.operationen()) {
        if (op.art == Art::refresh) {
            aus << R"({"op": "refresh", "target": )"
                << (op.bereich == Bereich::pic_gesamt ? R"("pic_gesamt"})" : R"("pic_Diagramm"})")
                << '\n';
            continue;
        }
        aus << R"({"op": )" << (op.art == Art::line ? R"("line")" : R"("box")") << R"(, "x1": )"
            << Json(op.x1) << R"(, "y1": )" << Json(op.y1) << R"(, "x2": )" << Json(op.x2)
            << R"(, "y2": )" << Json(op.y2) << R"(, "rgb": )" << Json(op.farbe);
        if (op.art == Art::line) aus << R"(, "width": )" << op.breite;
        aus << "}\n";
    }
}

void Etiketten(const Aufzeichnungsbeschriftung& beschriftung, std::ostream& aus) {
    aus << R"({"labels": [)";
    bool erstes = true;
    for (const Gruppenlayout& g : kGruppen) {
        for (int n = 0; n < g.anzahl; ++n) {
            const auto& e = beschriftung.etikett(g.gruppe, n);
            aus << (erstes ? "" : ", ") << R"({"name": ")" << g.name << R"(", "index": )"
                << (g.gruppe == Gruppe::txt_PhPa ? "null" : std::to_string(n)) << R"(, "visible": )"
                << (e.sichtbar ? "true" : "false") << R"(, "text": )" << Json(e.text)
                << R"(, "left": )" << Json(e.left) << R"(, "top": )" << Json(e.top) << "}";
            erstes = false;
        }
    }
    aus << "]}\n";
}

// The text after the seventh TAB of a line, up to the next TAB; empty without one.
std::string AchtesFeld(std::string_view zeile) {
    std::size_t anfang = 0;
    for (int f = 0; f < kFelder; ++f) {
        const std::size_t tab = zeile.find('\t', anfang);
        if (tab == std::string_view::npos) return {};
        anfang = tab + 1;
    }
    return std::string(zeile.substr(anfang, zeile.find('\t', anfang) - anfang));
}

}  // namespace

int Trace(std::istream& ein, std::ostream& aus, std::string_view dezimaltrenner) {
    Diagrammlauf lauf;
    Aufzeichnungsflaeche flaeche;
    Aufzeichnungsbeschriftung beschriftung;
    std::string zeile;
    for (int n = 1; std::getline(ein, zeile);) {
        if (!zeile.empty() && zeile.back() == '\r') zeile.pop_back();
        if (zeile.empty()) continue;
        const Feldtexte texte = FeldtexteTrennen(zeile);
        // An eighth field, after the seven, is the lower temperature limit.
        const std::string unten = AchtesFeld(zeile);
        const auto thetaUnten = unten.empty() ? Ergebnis<double>(0.0) : ThetaUntenLesen(unten);
        aus << R"({"run": )" << n << R"(, "inputs": [)";
        for (int f = 0; f < kFelder; ++f) aus << (f ? ", " : "") << Json(texte[f]);
        aus << "]";
        // A limit of 0 is the chart without one, whose trace stays byte for byte.
        if (!thetaUnten || *thetaUnten != 0) aus << R"(, "theta_unten": )" << Json(unten);
        aus << "}\n";

        const Eingabe eingabe = EingabeLesen(texte, thetaUnten ? *thetaUnten : 0);
        std::optional<Ablehnung> ablehnung;
        if (!thetaUnten) {
            ablehnung = Ablehnung{Feld::ThetaUnten, thetaUnten.grund()};
        } else if (!(ablehnung = OhneZahl(texte))) {
            ablehnung = Pruefen(eingabe);
        }
        if (ablehnung) {
            aus << R"({"op": "refused", "message": )" << Json(ablehnung->meldung) << "}\n";
        } else {
            flaeche.leeren();
            lauf.zeichnen(eingabe, flaeche, beschriftung, dezimaltrenner);
            Operationen(flaeche, aus);
        }
        Etiketten(beschriftung, aus);
        aus << R"({"end": )" << n << "}\n";
        aus.flush();
        ++n;
    }
    return 0;
}

}  // namespace lumora
