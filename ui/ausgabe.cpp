#include "ui/ausgabe.h"

#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <algorithm>

#include "bild/speichern.h"
#include "ui/diagrammfenster.h"
#include "ui/fenster.h"
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

QString Exportvorschlag(const Diagrammfenster& fenster) {
    QString name = QFileInfo(fenster.projektname()).completeBaseName().trimmed();
    if (name.isEmpty()) name = Diagrammfenster::tr("h,x-Diagramm");
    return QDir(LetzterOrdner(Ordnerart::Export)).filePath(name + ".png");
}

void SpeichernUnterFragen(Diagrammfenster& fenster) {
    Ausschnitt ausschnitt = GanzeFlaeche();
    if (fenster.zoom() > 1) {
        QMessageBox frage(QMessageBox::Question, Diagrammfenster::tr("Lumora - Exportieren"),
                          Diagrammfenster::tr("Das Fenster zeigt einen Ausschnitt des Diagramms. "
                                              "Was soll exportiert werden?"),
                          QMessageBox::Cancel, &fenster);
        QAbstractButton* ganz =
            frage.addButton(Diagrammfenster::tr("Ganzes Diagramm"), QMessageBox::AcceptRole);
        QAbstractButton* sicht =
            frage.addButton(Diagrammfenster::tr("Sichtbarer Ausschnitt"), QMessageBox::AcceptRole);
        frage.setDefaultButton(static_cast<QPushButton*>(ganz));
        frage.exec();
        if (frage.clickedButton() == sicht) {
            ausschnitt = fenster.ansicht();
        } else if (frage.clickedButton() != ganz) {
            return;
        }
    }
    QString filter;
    QString pfad = QFileDialog::getSaveFileName(
        &fenster, Diagrammfenster::tr("Diagramm speichern unter"), Exportvorschlag(fenster),
        Diagrammfenster::tr("PNG-Bild (*.png);;SVG-Grafik (*.svg);;PDF-Dokument (*.pdf)"), &filter);
    if (pfad.isEmpty()) return;
    if (QFileInfo(pfad).suffix().isEmpty()) {
        pfad += filter.contains("svg") ? ".svg" : filter.contains("pdf") ? ".pdf" : ".png";
    }
    const QString fehler =
        DiagrammSpeichern(BildVon(fenster), pfad, 2 * fenster.devicePixelRatioF(), ausschnitt);
    if (!fehler.isEmpty()) {
        QMessageBox::warning(&fenster, Diagrammfenster::tr("Lumora - Speichern"), fehler);
        return;
    }
    OrdnerMerken(Ordnerart::Export, pfad);
}

void Drucken(Diagrammfenster& fenster) {
    QPrinter drucker(QPrinter::HighResolution);
    drucker.setPageOrientation(QPageLayout::Landscape);
    drucker.setDocName(Diagrammfenster::tr("Lumora h,x-Diagramm"));
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
