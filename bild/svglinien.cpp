#include "bild/svglinien.h"

#include <QColor>
#include <charconv>
#include <cmath>
#include <cstdint>

namespace lumora {

namespace {

// Appends a number of hundredths as SVG writes it: no trailing zeros, no zero before the
// point, and no blank before a minus sign, which separates the numbers by itself.
void ZahlAnhaengen(QByteArray& text, std::int64_t hundertstel, bool trennen) {
    char puffer[32];
    char* z = puffer;
    if (hundertstel < 0) {
        *z++ = '-';
        hundertstel = -hundertstel;
    } else if (trennen) {
        *z++ = ' ';
    }
    const std::int64_t ganz = hundertstel / 100;
    const int rest = static_cast<int>(hundertstel % 100);
    if (ganz != 0 || rest == 0) z = std::to_chars(z, puffer + sizeof puffer, ganz).ptr;
    if (rest != 0) {
        *z++ = '.';
        *z++ = static_cast<char>('0' + rest / 10);
        if (rest % 10 != 0) *z++ = static_cast<char>('0' + rest % 10);
    }
    text.append(puffer, z - puffer);
}

}  // namespace

QByteArray SvgText(const Laeufe& l) {
    QByteArray text;
    text.reserve(static_cast<qsizetype>(l.strecken.size()) * 24 +
                 static_cast<qsizetype>(l.laeufe.size()) * 32 + 128);
    text.append(
        "<g fill=\"none\" stroke=\"none\" stroke-width=\"1\" stroke-linecap=\"butt\" "
        "stroke-linejoin=\"bevel\">\n");
    for (const Lauf& lauf : l.laeufe) {
        if (lauf.breite == 0) {
            const auto h = [](double v) { return static_cast<std::int64_t>(std::lround(v * 100)); };
            text.append("<rect fill=\"" + QColor(lauf.farbe).name().toLatin1() + "\" x=\"");
            ZahlAnhaengen(text, h(lauf.kasten.x()), false);
            text.append("\" y=\"");
            ZahlAnhaengen(text, h(lauf.kasten.y()), false);
            text.append("\" width=\"");
            ZahlAnhaengen(text, h(lauf.kasten.width()), false);
            text.append("\" height=\"");
            ZahlAnhaengen(text, h(lauf.kasten.height()), false);
            text.append("\"/>\n");
            continue;
        }
        QByteArray kopf = "<path stroke=\"" + QColor(lauf.farbe).name().toLatin1();
        if (lauf.breite != 1) kopf += "\" stroke-width=\"" + QByteArray::number(lauf.breite);
        kopf += "\" d=\"";
        int anzahl = 0;
        for (int i = lauf.erste; i >= 0; i = l.strecken[i].naechste) {
            if (anzahl % kStreckenJePfad == 0) {
                if (anzahl > 0) text.append("\"/>\n");
                text.append(kopf);
            }
            ++anzahl;
            const Strecke& s = l.strecken[i];
            text.append('M');
            ZahlAnhaengen(text, s.x1, false);
            ZahlAnhaengen(text, s.y1, true);
            text.append('l');
            ZahlAnhaengen(text, s.x2 - s.x1, false);
            ZahlAnhaengen(text, s.y2 - s.y1, true);
        }
        text.append("\"/>\n");
    }
    text.append("</g>\n");
    return text;
}

// Puts the canvas lines in place of their mark, the whole text element that holds it.
bool SvgEinsetzen(QByteArray& svg, const QByteArray& linien) {
    const qsizetype marke = svg.indexOf(QByteArray(">") + kLinienMarke + "</text>");
    if (marke < 0) return false;
    const qsizetype anfang = svg.lastIndexOf("<text", marke);
    const qsizetype ende = svg.indexOf("</text>", marke) + qsizetype(sizeof "</text>" - 1);
    if (anfang < 0) return false;
    svg.replace(anfang, ende - anfang, linien);
    return true;
}

}  // namespace lumora
