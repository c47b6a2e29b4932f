#include "bild/speichern.h"

#include <QBuffer>
#include <QFileInfo>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

#include "bild/svgdokument.h"
#include "datei/dateien.h"

namespace lumora {

namespace {

constexpr char kTitel[] = "Lumora h,x-Diagramm";

// The SVG from this program's own writer, everything the painter draws as its elements. Empty
// when the painter failed.
QByteArray Svg(const Diagrammbild& b, const Ausschnitt& a) {
    Svgdokument svg(a.groesse, kTitel);
    QPainter p(&svg);
    DiagrammMalen(p, b, Linienweg::Pfade, a);
    return p.end() ? svg.text() : QByteArray();
}

// The PDF as Qt's writer makes it, the canvas runs as its paths.
QByteArray Pdf(const Diagrammbild& b, const Ausschnitt& a) {
    QBuffer puffer;
    puffer.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&puffer);
    pdf.setTitle(kTitel);
    pdf.setPageSize(QPageSize(QSizeF(a.groesse) * 72.0 / 96, QPageSize::Point));
    pdf.setPageMargins(QMarginsF());
    pdf.setResolution(96);
    QPainter p(&pdf);
    DiagrammMalen(p, b, Linienweg::Pfade, a);
    return p.end() ? puffer.buffer() : QByteArray();
}

}  // namespace

QString DiagrammSpeichern(const Diagrammbild& b, const QString& pfad, double pngSkala,
                          const Ausschnitt& a) {
    const QString endung = QFileInfo(pfad).suffix().toLower();
    if (endung != "png" && endung != "svg" && endung != "pdf") {
        return "Unbekannter Dateityp „" + endung + "“: bitte PNG, SVG oder PDF wählen.";
    }
    const auto f = AtomarSchreiben(pfad, [&](QSaveFile& datei) {
        if (endung == "png") return DiagrammBild(b, pngSkala, a).save(&datei, "PNG");
        const QByteArray text = endung == "svg" ? Svg(b, a) : Pdf(b, a);
        return !text.isEmpty() && datei.write(text) == text.size();
    });
    return f ? Meldung(*f, "Das Diagramm ließ sich nicht schreiben") : QString();
}

}  // namespace lumora
