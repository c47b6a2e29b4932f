#include "ui/ausgabe.h"

#include <QClipboard>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QSaveFile>
#include <QSvgGenerator>

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

}  // namespace

void DiagrammMalen(QPainter& p, const Diagrammfenster& fenster) {
    const QWidget& gesamt = *fenster.gesamt();
    const Leinwand& leinwand = fenster.leinwand();
    p.fillRect(QRect(QPoint(0, 0), gesamt.size()), Qt::white);

    // The canvas: its frame, then its lines cut to the interior in canvas units, so that
    // no far end point reaches the file.
    const QRect rahmen(leinwand.pos(), leinwand.size());
    p.setPen(QPen(Qt::black, 1));
    p.drawRect(rahmen.adjusted(0, 0, -1, -1));
    const QSize innen = leinwand.innenGroesse();
    p.save();
    p.translate(rahmen.topLeft() + QPoint(1, 1));
    p.setClipRect(QRect(QPoint(0, 0), innen));
    const double sx = Massstab(innen).x();
    const double sy = Massstab(innen).y();
    for (const Operation& op : leinwand.operationen()) {
        double x1 = op.x1, y1 = op.y1, x2 = op.x2, y2 = op.y2;
        if (op.art == Operation::Art::box) {
            p.fillRect(
                QRectF(QPointF(x1 * sx - 0.5, y1 * sy - 0.5), QPointF(x2 * sx + 0.5, y2 * sy + 0.5))
                    .normalized(),
                Farbe_(op.farbe));
            continue;
        }
        if (!StreckeKappen(x1, y1, x2, y2, 0, 0, kLeinwandBreite, kLeinwandHoehe)) continue;
        if (x1 == x2 && y1 == y2) continue;  // touches the canvas in a single point
        p.setPen(QPen(Farbe_(op.farbe), op.breite, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(QPointF(x1 * sx, y1 * sy), QPointF(x2 * sx, y2 * sy));
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
