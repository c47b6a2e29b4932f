#include "bild/speichern.h"

#include <QBuffer>
#include <QFileInfo>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

#include "bild/dateifehler.h"
#include "bild/svgdokument.h"

namespace lumora {

namespace {

constexpr char kTitel[] = "Lumora h,x-Diagramm";

// The SVG from this program's own writer, everything the painter draws as its elements. Empty
// when the painter failed.
QByteArray Svg(const Diagrammbild& b) {
    Svgdokument svg(Gesamtgroesse(), kTitel);
    QPainter p(&svg);
    DiagrammMalen(p, b, Linienweg::Pfade);
    return p.end() ? svg.text() : QByteArray();
}

// The PDF as Qt's writer makes it, the canvas runs as its paths.
QByteArray Pdf(const Diagrammbild& b) {
    QBuffer puffer;
    puffer.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&puffer);
    pdf.setTitle(kTitel);
    pdf.setPageSize(QPageSize(QSizeF(Gesamtgroesse()) * 72.0 / 96, QPageSize::Point));
    pdf.setPageMargins(QMarginsF());
    pdf.setResolution(96);
    QPainter p(&pdf);
    DiagrammMalen(p, b, Linienweg::Pfade);
    return p.end() ? puffer.buffer() : QByteArray();
}

}  // namespace

QString DiagrammSpeichern(const Diagrammbild& b, const QString& pfad, double pngSkala) {
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
        gut = DiagrammBild(b, pngSkala).save(&datei, "PNG");
    } else {
        const QByteArray text = endung == "svg" ? Svg(b) : Pdf(b);
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

}  // namespace lumora
