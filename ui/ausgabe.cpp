#include "ui/ausgabe.h"

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
#include <cmath>
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

// Coordinates for a vector file: a hundredth of a pixel is finer than any screen or
// printer shows the chart, and keeps the numbers written short.
double Runden(double v) { return std::round(v * 100) / 100; }

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

    // The latest run of another colour than `farbe` that drew near the line. Runs of the
    // same colour may cross in any order: the pixels they share get that colour either way.
    int spaetester(const QLineF& l, QRgb farbe) const {
        int m = -1;
        Zellen(l, [&](int i) {
            for (int dy = -breite_; dy <= breite_; dy += breite_) {
                for (int dx = -1; dx <= 1; ++dx) {
                    const Eintrag& e = zellen_[i + dy + dx];
                    m = std::max(m, e.farbe != farbe ? e.letzter : e.andere);
                }
            }
        });
        return m;
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
        });
    }

  private:
    // Every cell the line passes through, walked from cell to cell across the border that
    // the line meets first. Cells are counted from one, so that the neighbours exist.
    template <class F>
    void Zellen(const QLineF& l, F f) const {
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
        f(cy * breite_ + cx);
        for (int n = std::abs(ex - cx) + std::abs(ey - cy); n > 0; --n) {
            if (bisX < bisY) {
                bisX += jeX;
                cx += schrittX;
            } else {
                bisY += jeY;
                cy += schrittY;
            }
            f(cy * breite_ + cx);
        }
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

// A run: lines of one colour and width drawn as one path, or a filled box.
struct Lauf {
    QColor farbe;
    int breite = 0;  // 0 for a box
    QRectF kasten;
    QPainterPath pfad;
    QLineF letzte;
};

// The canvas lines for a vector file: cut to the interior, rounded, and gathered into runs of
// one colour and width, each drawn as a single path of separate segments. A line joins the
// latest run of its kind when nothing drawn since comes near it, so the picture stays the
// same while the file holds one element per run instead of one per line. Segments are never
// joined at their ends: a path's joins would fill corners that separate flat-ended lines
// leave open. A line that repeats the previous one of its run adds no pixel and is left out.
void LinienAlsPfade(QPainter& p, const std::vector<Operation>& operationen, double sx, double sy,
                    QSize innen) {
    std::vector<Lauf> laeufe;
    std::map<std::pair<QRgb, int>, int> letzterLauf;  // per colour and width
    int breiteste = 1;
    for (const Operation& op : operationen) breiteste = std::max(breiteste, op.breite);
    Belegung belegung(innen, breiteste);
    int schranke = 0;  // no line moves back past a box
    for (const Operation& op : operationen) {
        if (op.art == Operation::Art::box) {
            laeufe.push_back({Farbe_(op.farbe), 0, Kasten(op, sx, sy), {}, {}});
            schranke = static_cast<int>(laeufe.size());
            continue;
        }
        double x1 = op.x1, y1 = op.y1, x2 = op.x2, y2 = op.y2;
        if (op.art != Operation::Art::line ||
            !StreckeKappen(x1, y1, x2, y2, 0, 0, kLeinwandBreite, kLeinwandHoehe)) {
            continue;
        }
        const QLineF l(Runden(x1 * sx), Runden(y1 * sy), Runden(x2 * sx), Runden(y2 * sy));
        if (l.p1() == l.p2()) continue;  // a single point, or shorter than the rounding
        const QColor farbe = Farbe_(op.farbe);
        const auto art = std::make_pair(farbe.rgb(), op.breite);
        const auto gefunden = letzterLauf.find(art);
        int k = gefunden == letzterLauf.end() ? -1 : gefunden->second;
        if (k < schranke ||
            (k + 1 < static_cast<int>(laeufe.size()) && belegung.spaetester(l, art.first) > k)) {
            laeufe.push_back({farbe, op.breite, {}, {}, {}});
            k = static_cast<int>(laeufe.size()) - 1;
            letzterLauf[art] = k;
        }
        Lauf& lauf = laeufe[k];
        if (l == lauf.letzte) continue;
        lauf.pfad.moveTo(l.p1());
        lauf.pfad.lineTo(l.p2());
        lauf.letzte = l;
        belegung.eintragen(l, k, art.first);
    }
    p.setBrush(Qt::NoBrush);
    for (const Lauf& lauf : laeufe) {
        if (lauf.breite == 0) {
            p.fillRect(lauf.kasten, lauf.farbe);
        } else {
            p.setPen(QPen(lauf.farbe, lauf.breite, Qt::SolidLine, Qt::FlatCap));
            p.drawPath(lauf.pfad);
        }
    }
}

}  // namespace

void DiagrammMalen(QPainter& p, const Diagrammfenster& fenster) {
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
        LinienAlsPfade(p, leinwand.operationen(), sx, sy, innen);
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
        QSvgGenerator svg;
        svg.setOutputDevice(&datei);
        svg.setSize(groesse);
        svg.setViewBox(QRect(QPoint(0, 0), groesse));
        svg.setTitle("Lumora h,x-Diagramm");
        QPainter p(&svg);
        DiagrammMalen(p, fenster);
        gut = p.end();
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
