#include "ui/ausgabe.h"

#include <QBuffer>
#include <QClipboard>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPageSize>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QSaveFile>
#include <QSvgGenerator>
#include <QtEndian>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <map>
#include <vector>

#include "core/koordinaten.h"
#include "core/strecke.h"
#include "ui/dateifehler.h"
#include "ui/diagrammfenster.h"
#include "ui/leinwand.h"
#include "ui/ueberlagerung.h"

namespace lumora {

namespace {

QColor Farbe_(Farbe f) { return QColor(f.r, f.g, f.b); }

// A label as the window shows it: its box, font, colour and alignment.
void EtikettMalen(QPainter& p, const QLabel& l, QPoint ort) {
    p.setFont(l.font());
    p.setPen(l.palette().color(QPalette::WindowText));
    p.drawText(QRect(ort, l.size()), static_cast<int>(l.alignment()), l.text());
}

void BildMalen(QPainter& p, const QLabel& l, QPoint ort) {
    p.drawPixmap(QRect(ort, l.size()), l.pixmap());
}

// A box of the canvas in pixels of the interior, covering the pixels of both corners.
QRectF Kasten(const Operation& op, double sx, double sy) {
    return QRectF(QPointF(op.x1 * sx - 0.5, op.y1 * sy - 0.5),
                  QPointF(op.x2 * sx + 0.5, op.y2 * sy + 0.5))
        .normalized();
}

// Coordinates for a vector file in hundredths of a pixel: finer than any screen or printer
// shows the chart, and keeps the numbers written short. Whole hundredths let the SVG text
// write differences exactly.
std::int32_t Hundertstel(double v) { return static_cast<std::int32_t>(std::lround(v * 100)); }

// Which runs have drawn near which part of the interior, in square cells, so that a line can
// be moved back into an earlier run of its colour and width only when no line drawn after
// that run comes near it: then the order of the two cannot show in any pixel.
class Belegung {
  public:
    // A cell is wider than two lines of the widest width can reach into each other's
    // pixels, anti-aliased: half of each width and a pixel's diagonal. The neighbouring
    // cells of a line's cells therefore hold everything it can touch.
    Belegung(QSize innen, int breiteste)
        : zelle_(breiteste + 1.5),
          breite_(static_cast<int>(innen.width() / zelle_) + 3),
          hoehe_(static_cast<int>(innen.height() / zelle_) + 3),
          zellen_(static_cast<std::size_t>(breite_) * hoehe_) {}

    // Whether a run later than `lauf` and of another colour than `farbe` drew near the line.
    // Runs of the same colour may cross in any order: the pixels they share get that colour
    // either way. Where lines meet, they meet mostly at an end, so the end cell is looked at
    // before the walk along the line.
    bool spaeter(const QLineF& l, QRgb farbe, int lauf) const {
        const auto nah = [&](int i) {
            for (int dy = -breite_; dy <= breite_; dy += breite_) {
                for (int dx = -1; dx <= 1; ++dx) {
                    const Eintrag& e = zellen_[i + dy + dx];
                    if ((e.farbe != farbe ? e.letzter : e.andere) > lauf) return true;
                }
            }
            return false;
        };
        return nah(Index(l.x2() / zelle_, breite_) + breite_ * Index(l.y2() / zelle_, hoehe_)) ||
               Zellen(l, nah);
    }
    void eintragen(const QLineF& l, int lauf, QRgb farbe) {
        Zellen(l, [&](int i) {
            Eintrag& e = zellen_[i];
            if (lauf >= e.letzter) {
                if (e.farbe != farbe) e.andere = e.letzter;
                e.letzter = lauf;
                e.farbe = farbe;
            } else if (e.farbe != farbe) {
                e.andere = std::max(e.andere, lauf);
            }
            return false;
        });
    }

  private:
    // Every cell the line passes through, walked from cell to cell across the border that
    // the line meets first, until `f` returns true; returns whether it did. Cells are counted
    // from one, so that the neighbours exist.
    template <class F>
    bool Zellen(const QLineF& l, F f) const {
        const double x = l.x1() / zelle_, y = l.y1() / zelle_;
        const double dx = l.dx() / zelle_, dy = l.dy() / zelle_;
        int cx = Index(x, breite_), cy = Index(y, hoehe_);
        const int ex = Index(x + dx, breite_), ey = Index(y + dy, hoehe_);
        const int schrittX = dx > 0 ? 1 : -1, schrittY = dy > 0 ? 1 : -1;
        constexpr double kNie = std::numeric_limits<double>::infinity();
        const double jeX = dx != 0 ? 1 / std::abs(dx) : kNie;
        const double jeY = dy != 0 ? 1 / std::abs(dy) : kNie;
        double bisX = dx != 0 ? (dx > 0 ? std::floor(x) + 1 - x : x - std::floor(x)) * jeX : kNie;
        double bisY = dy != 0 ? (dy > 0 ? std::floor(y) + 1 - y : y - std::floor(y)) * jeY : kNie;
        if (f(cy * breite_ + cx)) return true;
        for (int n = std::abs(ex - cx) + std::abs(ey - cy); n > 0; --n) {
            if (bisX < bisY) {
                bisX += jeX;
                cx += schrittX;
            } else {
                bisY += jeY;
                cy += schrittY;
            }
            if (f(cy * breite_ + cx)) return true;
        }
        return false;
    }
    static int Index(double v, int anzahl) {
        return std::clamp(static_cast<int>(std::floor(v)) + 1, 1, anzahl - 2);
    }

    double zelle_;
    int breite_;
    int hoehe_;
    // Per cell: the latest run that drew in it and its colour, and the latest run of any
    // other colour.
    struct Eintrag {
        int letzter = -1;
        QRgb farbe = 0;
        int andere = -1;
    };
    std::vector<Eintrag> zellen_;
};

// A line of a run in hundredths of a pixel of the interior, and the run's next line.
struct Strecke {
    std::int32_t x1, y1, x2, y2;
    int naechste = -1;
};

// A run: lines of one colour and width drawn as one path, or a filled box.
struct Lauf {
    QRgb farbe = 0;
    int breite = 0;  // 0 for a box
    QRectF kasten;
    int erste = -1;  // its lines, chained through Strecke::naechste
    int letzte = -1;
};

// The canvas lines for a vector file: cut to the interior, rounded, and gathered into runs of
// one colour and width, each to be drawn as a single path of separate segments. A line joins
// the latest run of its kind when nothing drawn since comes near it, so the picture stays the
// same while the file holds one element per run instead of one per line. Segments are never
// joined at their ends: a path's joins would fill corners that separate flat-ended lines
// leave open. A line that repeats the previous one of its run adds no pixel and is left out.
struct Laeufe {
    std::vector<Lauf> laeufe;
    std::vector<Strecke> strecken;
};

Laeufe Sammeln(const std::vector<Operation>& operationen, double sx, double sy, QSize innen) {
    Laeufe ergebnis;
    std::vector<Lauf>& laeufe = ergebnis.laeufe;
    std::vector<Strecke>& strecken = ergebnis.strecken;
    std::map<std::pair<QRgb, int>, int> letzterLauf;  // per colour and width
    int breiteste = 1;
    for (const Operation& op : operationen) breiteste = std::max(breiteste, op.breite);
    Belegung belegung(innen, breiteste);
    int schranke = 0;  // no line moves back past a box
    for (const Operation& op : operationen) {
        if (op.art == Operation::Art::box) {
            laeufe.push_back({Farbe_(op.farbe).rgb(), 0, Kasten(op, sx, sy)});
            schranke = static_cast<int>(laeufe.size());
            continue;
        }
        double x1 = op.x1, y1 = op.y1, x2 = op.x2, y2 = op.y2;
        if (op.art != Operation::Art::line ||
            !StreckeKappen(x1, y1, x2, y2, 0, 0, kLeinwandBreite, kLeinwandHoehe)) {
            continue;
        }
        Strecke s{Hundertstel(x1 * sx), Hundertstel(y1 * sy), Hundertstel(x2 * sx),
                  Hundertstel(y2 * sy)};
        if (s.x1 == s.x2 && s.y1 == s.y2) continue;  // a point, or shorter than the rounding
        const QLineF l(s.x1 / 100.0, s.y1 / 100.0, s.x2 / 100.0, s.y2 / 100.0);
        const auto art = std::make_pair(Farbe_(op.farbe).rgb(), op.breite);
        const auto gefunden = letzterLauf.find(art);
        int k = gefunden == letzterLauf.end() ? -1 : gefunden->second;
        if (k < schranke ||
            (k + 1 < static_cast<int>(laeufe.size()) && belegung.spaeter(l, art.first, k))) {
            laeufe.push_back({art.first, op.breite, {}});
            k = static_cast<int>(laeufe.size()) - 1;
            letzterLauf[art] = k;
        }
        Lauf& lauf = laeufe[k];
        if (lauf.letzte >= 0) {
            Strecke& vorige = strecken[lauf.letzte];
            if (vorige.x1 == s.x1 && vorige.y1 == s.y1 && vorige.x2 == s.x2 && vorige.y2 == s.y2) {
                continue;
            }
            vorige.naechste = static_cast<int>(strecken.size());
        } else {
            lauf.erste = static_cast<int>(strecken.size());
        }
        lauf.letzte = static_cast<int>(strecken.size());
        strecken.push_back(s);
        belegung.eintragen(l, k, art.first);
    }
    return ergebnis;
}

// The runs through the painter: a path per run, a filled rectangle per box. Drawn at a
// hundredth of the scale, every coordinate is a whole number, which a PDF writes short.
void PfadeMalen(QPainter& p, const Laeufe& l) {
    p.save();
    p.scale(0.01, 0.01);
    p.setBrush(Qt::NoBrush);
    QPainterPath pfad;
    for (const Lauf& lauf : l.laeufe) {
        if (lauf.breite == 0) {
            p.fillRect(QTransform::fromScale(100, 100).mapRect(lauf.kasten), QColor(lauf.farbe));
            continue;
        }
        pfad.clear();
        for (int i = lauf.erste; i >= 0; i = l.strecken[i].naechste) {
            const Strecke& s = l.strecken[i];
            pfad.moveTo(s.x1, s.y1);
            pfad.lineTo(s.x2, s.y2);
        }
        p.setPen(QPen(QColor(lauf.farbe), lauf.breite * 100, Qt::SolidLine, Qt::FlatCap));
        p.drawPath(pfad);
    }
    p.restore();
}

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

// Segments per SVG path: Qt's own SVG reader cuts a path off after 32767 elements, and every
// segment is two of them.
constexpr int kStreckenJePfad = 8192;

// The runs as SVG elements in the coordinates of the interior: a path per run of segments,
// each a move to its start and a line relative to it, and a rectangle per box. Written here rather
// than through the painter, whose SVG repeats every attribute of the state for each element.
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

// A colour component as a PDF number: four places tell all 256 steps apart.
void AnteilAnhaengen(QByteArray& text, int wert) {
    char puffer[16];
    char* z =
        std::to_chars(puffer, puffer + sizeof puffer, wert / 255.0, std::chars_format::fixed, 4)
            .ptr;
    while (z[-1] == '0') --z;
    if (z[-1] == '.') --z;
    text.append(puffer, z - puffer);
}

void RgbAnhaengen(QByteArray& text, QRgb farbe, const char* op) {
    AnteilAnhaengen(text, qRed(farbe));
    text.append(' ');
    AnteilAnhaengen(text, qGreen(farbe));
    text.append(' ');
    AnteilAnhaengen(text, qBlue(farbe));
    text.append(op);
}

// The runs as PDF page operators, in hundredths of a pixel as PfadeMalen draws them: a stroked
// path of separate segments per run, setting only the colour and width that change, and a
// filled rectangle per box; within q and Q, so that the page's own state stays as it was.
QByteArray PdfText(const Laeufe& l) {
    QByteArray text;
    text.reserve(static_cast<qsizetype>(l.strecken.size()) * 26 +
                 static_cast<qsizetype>(l.laeufe.size()) * 24 + 64);
    text.append("q\n0 J\n[] 0 d\n");
    QRgb farbe = 0;
    int breite = 0;
    bool erste = true;
    const auto zahl = [&text](std::int64_t v, char danach) {
        char puffer[24];
        text.append(puffer, std::to_chars(puffer, puffer + sizeof puffer, v).ptr - puffer);
        text.append(danach);
    };
    for (const Lauf& lauf : l.laeufe) {
        if (lauf.breite == 0) {
            const QRect k = QTransform::fromScale(100, 100).mapRect(lauf.kasten).toRect();
            RgbAnhaengen(text, lauf.farbe, " rg\n");
            zahl(k.x(), ' ');
            zahl(k.y(), ' ');
            zahl(k.width(), ' ');
            zahl(k.height(), ' ');
            text.append("re f\n");
            continue;
        }
        if (erste || lauf.farbe != farbe) RgbAnhaengen(text, lauf.farbe, " RG\n");
        if (erste || lauf.breite != breite) zahl(lauf.breite * 100, ' '), text.append("w\n");
        erste = false;
        farbe = lauf.farbe;
        breite = lauf.breite;
        for (int i = lauf.erste; i >= 0; i = l.strecken[i].naechste) {
            const Strecke& s = l.strecken[i];
            zahl(s.x1, ' ');
            zahl(s.y1, ' ');
            text.append("m ");
            zahl(s.x2, ' ');
            zahl(s.y2, ' ');
            text.append("l\n");
        }
        text.append("S\n");
    }
    text.append("Q\n");
    return text;
}

// Marks the place of the canvas lines in the painter's SVG, where SvgEinsetzen puts them. Drawn
// before any label or project text, it is the first text of its kind in the file.
constexpr char kLinienMarke[] = "lumora-leinwandlinien";
// In a PDF the mark is a line far outside the page, between these two points in hundredths
// of a pixel, as the page's operators write it.
constexpr int kMarkeX = -7654321, kMarkeY1 = -1234567, kMarkeY2 = -2345678;
constexpr char kPdfMarke[] = "-7654321 -1234567 m\n-7654321 -2345678 l\n";

// The chart area; a vector file gets the canvas lines as runs of paths. With `linien` given,
// an SVG or PDF painter draws a mark in their place and `linien` receives them as the file's
// text.
void Malen(QPainter& p, const Diagrammfenster& fenster, QByteArray* linien) {
    const QWidget& gesamt = *fenster.gesamt();
    const Leinwand& leinwand = fenster.leinwand();
    p.fillRect(QRect(QPoint(0, 0), gesamt.size()), Qt::white);

    // The canvas: its frame, then its lines cut to the interior in canvas units, so that
    // no far end point reaches the file; a vector file gets them as runs of paths.
    const QRect rahmen(leinwand.pos(), leinwand.size());
    p.setPen(QPen(Qt::black, 1));
    p.drawRect(rahmen.adjusted(0, 0, -1, -1));
    const QSize innen = leinwand.innenGroesse();
    p.save();
    p.translate(rahmen.topLeft() + QPoint(1, 1));
    p.setClipRect(QRect(QPoint(0, 0), innen));
    const double sx = Massstab(innen).x();
    const double sy = Massstab(innen).y();
    const QPaintEngine* motor = p.paintEngine();
    if (motor && (motor->type() == QPaintEngine::SVG || motor->type() == QPaintEngine::Pdf)) {
        const Laeufe laeufe = Sammeln(leinwand.operationen(), sx, sy, innen);
        if (linien && motor->type() == QPaintEngine::SVG) {
            *linien = SvgText(laeufe);
            p.setPen(QPen(Qt::black, 1));
            p.drawText(QPointF(0, 0), kLinienMarke);
        } else if (linien) {
            *linien = PdfText(laeufe);
            p.save();
            p.scale(0.01, 0.01);
            p.setPen(QPen(Qt::black, 100, Qt::SolidLine, Qt::FlatCap));
            p.drawLine(QPointF(kMarkeX, kMarkeY1), QPointF(kMarkeX, kMarkeY2));
            p.restore();
        } else {
            PfadeMalen(p, laeufe);
        }
    } else {
        for (const Operation& op : leinwand.operationen()) {
            double x1 = op.x1, y1 = op.y1, x2 = op.x2, y2 = op.y2;
            if (op.art == Operation::Art::box) {
                p.fillRect(Kasten(op, sx, sy), Farbe_(op.farbe));
                continue;
            }
            if (op.art != Operation::Art::line ||
                !StreckeKappen(x1, y1, x2, y2, 0, 0, kLeinwandBreite, kLeinwandHoehe)) {
                continue;
            }
            if (x1 == x2 && y1 == y2) continue;  // touches the canvas in a single point
            p.setPen(QPen(Farbe_(op.farbe), op.breite, Qt::SolidLine, Qt::FlatCap));
            p.drawLine(QPointF(x1 * sx, y1 * sy), QPointF(x2 * sx, y2 * sy));
        }
    }
    // The project's zones, series, processes and states, as the window shows them.
    HintergrundMalen(p, fenster.ueberlagerung(), innen);
    VordergrundMalen(p, fenster.ueberlagerung(), innen);
    p.restore();

    for (const QLabel* l : gesamt.findChildren<QLabel*>()) {
        if (!l->isVisibleTo(&gesamt)) continue;
        const QPoint ort = l->mapTo(&gesamt, QPoint(0, 0));
        if (l->pixmap().isNull()) {
            EtikettMalen(p, *l, ort);
        } else {
            BildMalen(p, *l, ort);
        }
    }
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

// The number after `schluessel` at or after `ab`, or -1.
qsizetype ZahlNach(const QByteArray& text, const QByteArray& schluessel, qsizetype ab = 0) {
    const qsizetype i = text.indexOf(schluessel, ab);
    if (i < 0) return -1;
    qsizetype wert = -1;
    const char* anfang = text.constData() + i + schluessel.size();
    const auto [ende, fehler] = std::from_chars(anfang, text.constData() + text.size(), wert);
    return fehler == std::errc() && ende != anfang ? wert : -1;
}

// Puts the canvas lines in place of their mark in the PDF's page content. The writer
// compresses the page, so the page's object is read, changed and compressed again, and
// appended as an update of the file with a cross-reference section of its own, which
// every PDF reader applies over the first.
bool PdfEinsetzen(QByteArray& pdf, const QByteArray& linien) {
    const qsizetype nummer = ZahlNach(pdf, "/Contents ");
    if (nummer < 0) return false;
    const QByteArray kopf = "\n" + QByteArray::number(nummer) + " 0 obj\n";
    const qsizetype objekt = pdf.indexOf(kopf);
    const qsizetype laengeNummer = ZahlNach(pdf, "/Length ", objekt);
    const qsizetype strom = pdf.indexOf("stream\n", objekt);
    if (objekt < 0 || laengeNummer < 0 || strom < 0 ||
        !pdf.mid(objekt, strom - objekt).contains("/FlateDecode")) {
        return false;
    }
    const qsizetype laenge = ZahlNach(pdf, "\n" + QByteArray::number(laengeNummer) + " 0 obj\n");
    const qsizetype daten = strom + qsizetype(sizeof "stream\n" - 1);
    if (laenge < 0 || daten + laenge > pdf.size()) return false;
    // qUncompress reads the expected size ahead of the data and grows beyond it as needed.
    QByteArray gepackt(4, '\0');
    qToBigEndian(static_cast<quint32>(laenge * 4), gepackt.data());
    gepackt.append(pdf.constData() + daten, laenge);
    QByteArray inhalt = qUncompress(gepackt);
    const qsizetype marke = inhalt.indexOf(kPdfMarke);
    const qsizetype strich = inhalt.indexOf("S\n", marke);
    if (marke < 0 || strich < 0) return false;
    inhalt.replace(marke, strich + 2 - marke, linien);
    // Level 5 packs the repetitive operators as tightly as the default level 6, in a third of
    // its time. The size ahead is not part of the stream.
    const QByteArray neu = qCompress(inhalt, 5).mid(4);

    const qsizetype vorige = ZahlNach(pdf, "startxref\n", pdf.lastIndexOf("startxref\n"));
    const qsizetype anhang = pdf.lastIndexOf("trailer\n");
    const qsizetype schluss = pdf.indexOf(">>", anhang);
    if (vorige < 0 || anhang < 0 || schluss < 0) return false;
    const QByteArray anhangText = pdf.mid(anhang, schluss - anhang);
    if (!pdf.endsWith('\n')) pdf.append('\n');
    const qsizetype ort = pdf.size();
    pdf += QByteArray::number(nummer) + " 0 obj\n<<\n/Length " + QByteArray::number(neu.size()) +
           "\n/Filter /FlateDecode\n>>\nstream\n" + neu + "\nendstream\nendobj\n";
    const qsizetype verweise = pdf.size();
    pdf += "xref\n" + QByteArray::number(nummer) + " 1\n" +
           QByteArray::number(ort).rightJustified(10, '0') + " 00000 n \n" + anhangText + "/Prev " +
           QByteArray::number(vorige) + "\n>>\nstartxref\n" + QByteArray::number(verweise) +
           "\n%%EOF\n";
    return true;
}

// The chart area as an SVG or PDF file's content, with the canvas lines as this file's own
// text (`einsetzen`) or drawn through the painter. Empty when the writer failed or the mark
// was not found.
QByteArray VektorDatei(const Diagrammfenster& fenster, bool svg, bool einsetzen) {
    const QSize groesse = fenster.gesamt()->size();
    QBuffer puffer;
    puffer.open(QIODevice::WriteOnly);
    QByteArray linien;
    bool gut = false;
    if (svg) {
        QSvgGenerator generator;
        generator.setOutputDevice(&puffer);
        generator.setSize(groesse);
        generator.setViewBox(QRect(QPoint(0, 0), groesse));
        generator.setTitle("Lumora h,x-Diagramm");
        QPainter p(&generator);
        Malen(p, fenster, einsetzen ? &linien : nullptr);
        gut = p.end() && (!einsetzen || SvgEinsetzen(puffer.buffer(), linien));
    } else {
        QPdfWriter pdf(&puffer);
        pdf.setTitle("Lumora h,x-Diagramm");
        pdf.setPageSize(QPageSize(QSizeF(groesse) * 72.0 / 96, QPageSize::Point));
        pdf.setPageMargins(QMarginsF());
        pdf.setResolution(96);
        QPainter p(&pdf);
        Malen(p, fenster, einsetzen ? &linien : nullptr);
        gut = p.end() && (!einsetzen || PdfEinsetzen(puffer.buffer(), linien));
    }
    return gut ? puffer.buffer() : QByteArray();
}

}  // namespace

void DiagrammMalen(QPainter& p, const Diagrammfenster& fenster) { Malen(p, fenster, nullptr); }

QImage DiagrammBild(const Diagrammfenster& fenster, double skala) {
    const QSize groesse = fenster.gesamt()->size();
    QImage bild(groesse * skala, QImage::Format_RGB32);
    bild.setDevicePixelRatio(skala);
    QPainter p(&bild);
    DiagrammMalen(p, fenster);
    return bild;
}

QString DiagrammSpeichern(const Diagrammfenster& fenster, const QString& pfad, double pngSkala) {
    const QString endung = QFileInfo(pfad).suffix().toLower();
    if (endung != "png" && endung != "svg" && endung != "pdf") {
        return "Unbekannter Dateityp „" + endung + "“: bitte PNG, SVG oder PDF wählen.";
    }
    QSaveFile datei(pfad);
    if (!datei.open(QIODevice::WriteOnly)) {
        return "Die Datei lässt sich nicht anlegen: " + Dateifehler(datei, Zugriff::Schreiben);
    }
    bool gut = true;
    if (endung == "png") {
        gut = DiagrammBild(fenster, pngSkala).save(&datei, "PNG");
    } else {
        // The canvas lines are written by this file's own text and put in place of their
        // mark; should the writer's output not hold the mark as expected, the painter draws
        // them after all.
        const bool svg = endung == "svg";
        QByteArray text = VektorDatei(fenster, svg, true);
        if (text.isEmpty()) text = VektorDatei(fenster, svg, false);
        gut = !text.isEmpty() && datei.write(text) == text.size();
    }
    if (!gut || datei.error() != QFileDevice::NoError) {
        const QString grund = Dateifehler(datei, Zugriff::Schreiben);  // cancelling resets it
        datei.cancelWriting();
        return "Das Diagramm ließ sich nicht schreiben: " + grund;
    }
    if (!datei.commit())
        return "Die Datei ließ sich nicht speichern: " + Dateifehler(datei, Zugriff::Schreiben);
    return {};
}

void SpeichernUnterFragen(Diagrammfenster& fenster) {
    QString filter;
    QString pfad = QFileDialog::getSaveFileName(
        &fenster, "Diagramm speichern unter", "h,x-Diagramm.png",
        "PNG-Bild (*.png);;SVG-Grafik (*.svg);;PDF-Dokument (*.pdf)", &filter);
    if (pfad.isEmpty()) return;
    if (QFileInfo(pfad).suffix().isEmpty()) {
        pfad += filter.contains("svg") ? ".svg" : filter.contains("pdf") ? ".pdf" : ".png";
    }
    const QString fehler = DiagrammSpeichern(fenster, pfad, 2 * fenster.devicePixelRatioF());
    if (!fehler.isEmpty()) QMessageBox::warning(&fenster, "Lumora - Speichern", fehler);
}

void Drucken(Diagrammfenster& fenster) {
    QPrinter drucker(QPrinter::HighResolution);
    drucker.setPageOrientation(QPageLayout::Landscape);
    drucker.setDocName("Lumora h,x-Diagramm");
    QPrintDialog dialog(&drucker, &fenster);
    if (dialog.exec() != QDialog::Accepted) return;
    QPainter p(&drucker);
    // Fit the chart area to the page, keeping its proportions.
    const QRectF seite = drucker.pageLayout().paintRectPixels(drucker.resolution());
    const QSizeF chart = fenster.gesamt()->size();
    const double massstab =
        std::min(seite.width() / chart.width(), seite.height() / chart.height());
    p.scale(massstab, massstab);
    DiagrammMalen(p, fenster);
}

void Kopieren(const Diagrammfenster& fenster) {
    QGuiApplication::clipboard()->setImage(DiagrammBild(fenster, fenster.devicePixelRatioF()));
}

}  // namespace lumora
