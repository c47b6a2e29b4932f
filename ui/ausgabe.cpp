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
#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <map>
#include <vector>

#include "core/koordinaten.h"
#include "core/strecke.h"
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

// Marks the place of the canvas lines in the painter's SVG, where SvgEinsetzen puts them. Drawn
// before any label or project text, it is the first text of its kind in the file.
constexpr char kLinienMarke[] = "lumora-leinwandlinien";

// The chart area; a vector file gets the canvas lines as runs of paths. With `svgLinien`
// given, an SVG painter draws a mark in their place and `svgLinien` receives them as text.
void Malen(QPainter& p, const Diagrammfenster& fenster, QByteArray* svgLinien) {
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
        if (svgLinien && motor->type() == QPaintEngine::SVG) {
            *svgLinien = SvgText(laeufe);
            p.setPen(QPen(Qt::black, 1));
            p.drawText(QPointF(0, 0), kLinienMarke);
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
        return "Die Datei lässt sich nicht anlegen: " + datei.errorString();
    }
    const QSize groesse = fenster.gesamt()->size();
    bool gut = true;
    if (endung == "png") {
        gut = DiagrammBild(fenster, pngSkala).save(&datei, "PNG");
    } else if (endung == "svg") {
        QBuffer puffer;
        puffer.open(QIODevice::WriteOnly);
        QSvgGenerator svg;
        svg.setOutputDevice(&puffer);
        svg.setSize(groesse);
        svg.setViewBox(QRect(QPoint(0, 0), groesse));
        svg.setTitle("Lumora h,x-Diagramm");
        QPainter p(&svg);
        QByteArray linien;
        Malen(p, fenster, &linien);
        gut = p.end() && SvgEinsetzen(puffer.buffer(), linien) &&
              datei.write(puffer.buffer()) == puffer.buffer().size();
    } else {
        QPdfWriter pdf(&datei);
        pdf.setTitle("Lumora h,x-Diagramm");
        pdf.setPageSize(QPageSize(QSizeF(groesse) * 72.0 / 96, QPageSize::Point));
        pdf.setPageMargins(QMarginsF());
        pdf.setResolution(96);
        QPainter p(&pdf);
        DiagrammMalen(p, fenster);
        gut = p.end();
    }
    if (!gut || datei.error() != QFileDevice::NoError) {
        datei.cancelWriting();
        return "Das Diagramm ließ sich nicht schreiben: " + datei.errorString();
    }
    if (!datei.commit()) return "Die Datei ließ sich nicht speichern: " + datei.errorString();
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
