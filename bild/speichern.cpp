#include "bild/speichern.h"

#include <QBuffer>
#include <QFileInfo>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

#include "bild/svgdokument.h"
#include "core/text.h"
#include "datei/dateien.h"

namespace lumora {

namespace {

// The SVG from this program's own writer, everything the painter draws as its elements. Empty
// when the painter failed.
QByteArray Svg(const Bildvorlage& b) {
    Svgdokument svg(b.groesse, b.titel);
    QPainter p(&svg);
    b.malen(p, Linienweg::Pfade);
    return p.end() ? svg.text() : QByteArray();
}

// The PDF as Qt's writer makes it, the canvas runs as its paths.
QByteArray Pdf(const Bildvorlage& b) {
    QBuffer puffer;
    puffer.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&puffer);
    pdf.setTitle(b.titel);
    pdf.setPageSize(QPageSize(QSizeF(b.groesse) * 72.0 / 96, QPageSize::Point));
    pdf.setPageMargins(QMarginsF());
    pdf.setResolution(96);
    QPainter p(&pdf);
    b.malen(p, Linienweg::Pfade);
    return p.end() ? puffer.buffer() : QByteArray();
}

// The picture as an image of `skala` device pixels to its pixel.
QImage Png(const Bildvorlage& b, double skala) {
    QImage bild(b.groesse * skala, QImage::Format_RGB32);
    bild.setDevicePixelRatio(skala);
    QPainter p(&bild);
    b.malen(p, Linienweg::Raster);
    return bild;
}

}  // namespace

QString BildSpeichern(const Bildvorlage& b, const QString& pfad, double pngSkala,
                      const QString& misslungen) {
    const QString endung = QFileInfo(pfad).suffix().toLower();
    if (endung != "png" && endung != "svg" && endung != "pdf") {
        return QString::fromStdString(
                   Text("Bild", "Unbekannter Dateityp „%1“: bitte PNG, SVG oder PDF wählen."))
            .arg(endung);
    }
    const auto f = AtomarSchreiben(pfad, [&](QSaveFile& datei) {
        if (endung == "png") return Png(b, pngSkala).save(&datei, "PNG");
        const QByteArray text = endung == "svg" ? Svg(b) : Pdf(b);
        return !text.isEmpty() && datei.write(text) == text.size();
    });
    return f ? Meldung(*f, misslungen) : QString();
}

QString DiagrammSpeichern(const Diagrammbild& b, const QString& pfad, double pngSkala,
                          const Ausschnitt& a) {
    const Bildvorlage vorlage{
        a.groesse, QString::fromStdString(Text("Bild", "Lumora h,x-Diagramm")),
        [&b, &a](QPainter& p, Linienweg weg) { DiagrammMalen(p, b, weg, a); }};
    return BildSpeichern(
        vorlage, pfad, pngSkala,
        QString::fromStdString(Text("Bild", "Das Diagramm ließ sich nicht schreiben")));
}

}  // namespace lumora
