#include "ui/ausgabe.h"

#include <QClipboard>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <algorithm>

#include "bild/speichern.h"
#include "ui/diagrammfenster.h"
#include "ui/leinwand.h"

namespace lumora {

Diagrammbild BildVon(const Diagrammfenster& fenster) {
    return {fenster.leinwand().operationen(), fenster.etiketten().aufzeichnung(),
            fenster.ueberlagerung()};
}

void DiagrammMalen(QPainter& p, const Diagrammfenster& fenster, Linienweg weg) {
    DiagrammMalen(p, BildVon(fenster), weg);
}

QImage DiagrammBild(const Diagrammfenster& fenster, double skala) {
    return DiagrammBild(BildVon(fenster), skala);
}

QString DiagrammSpeichern(const Diagrammfenster& fenster, const QString& pfad, double pngSkala) {
    return DiagrammSpeichern(BildVon(fenster), pfad, pngSkala);
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
    const QSizeF chart = Gesamtgroesse();
    const double massstab =
        std::min(seite.width() / chart.width(), seite.height() / chart.height());
    p.scale(massstab, massstab);
    DiagrammMalen(p, fenster, Linienweg::Pfade);
}

void Kopieren(const Diagrammfenster& fenster) {
    QGuiApplication::clipboard()->setImage(DiagrammBild(fenster, fenster.devicePixelRatioF()));
}

}  // namespace lumora
