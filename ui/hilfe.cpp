#include "ui/hilfe.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMessageBox>
#include <QRegularExpression>
#include <QTextBrowser>
#include <QWidget>

#include "core/version.h"
#include "datei/sprache.h"
#include "ui/fenster.h"

namespace lumora {

namespace {

QString Ressource(const QString& pfad) {
    QFile datei(pfad);
    if (!datei.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(datei.readAll());
}

// Closes the window it watches on Escape, as a dialog closes.
class Escapeschliesser : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override {
        if (ereignis->type() == QEvent::KeyPress &&
            static_cast<QKeyEvent*>(ereignis)->key() == Qt::Key_Escape) {
            static_cast<QWidget*>(objekt)->close();
            return true;
        }
        return QObject::eventFilter(objekt, ereignis);
    }
};

// A window with a text, a child of `eltern` so that it goes with it, made once by its name.
QTextBrowser* Textfenster(QWidget* eltern, const char* name, const QString& titel) {
    auto* text = eltern->findChild<QTextBrowser*>(QString::fromUtf8(name));
    if (!text) {
        text = new QTextBrowser(eltern);
        text->setObjectName(QString::fromUtf8(name));
        text->setWindowFlag(Qt::Window);
        text->setOpenExternalLinks(true);
        text->resize(640, 560);
        text->installEventFilter(new Escapeschliesser(text));
    }
    text->setWindowTitle(titel);
    if (!text->isVisible()) {
        // Beside the chart, which it explains, rather than over it; without one, beside the
        // window it was asked from.
        const QWidget* nachbar = eltern->window();
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w->objectName() == "frm_Lumora" && w->isVisible()) nachbar = w;
        }
        NebenPlatzieren(text, nachbar);
    }
    text->show();
    text->raise();
    text->activateWindow();
    return text;
}

// A command's text as a menu shows it, without the mnemonic marks.
QString Befehl(const QAction* a) {
    QString t = a->text();
    t.remove(QRegularExpression(QStringLiteral("&(?!&)")));
    return t.toHtmlEscaped();
}

// The manual in the program's language.
QString Handbuchpfad() {
    return AktiveSprache() == Sprache::Englisch ? QStringLiteral(":/docs/manual.md")
                                                : QStringLiteral(":/docs/handbuch.md");
}

}  // namespace

void HandbuchZeigen(QWidget* eltern) {
    QTextBrowser* text = Textfenster(
        eltern, "handbuch", QCoreApplication::translate("lumora::Hilfe", "Lumora - Handbuch"));
    // Loaded once for each language, not again at every call.
    const QString pfad = Handbuchpfad();
    if (text->property("pfad").toString() != pfad) {
        text->setMarkdown(Ressource(pfad));
        text->setProperty("pfad", pfad);
    }
}

QString TastenkuerzelHtml(const QList<QWidget*>& fenster) {
    QString html = QStringLiteral("<table cellspacing=\"0\" cellpadding=\"4\">");
    QList<const QAction*> gezeigt;
    QStringList zeilen;
    for (const QWidget* w : fenster) {
        QList<QAction*> aktionen = w->actions();
        aktionen += w->findChildren<QAction*>();
        for (const QAction* a : aktionen) {
            if (a->shortcuts().isEmpty() || a->text().isEmpty() || gezeigt.contains(a)) continue;
            gezeigt << a;
            QStringList tasten;
            for (const QKeySequence& k : a->shortcuts()) {
                tasten << k.toString(QKeySequence::NativeText).toHtmlEscaped();
            }
            const QString zeile = QStringLiteral("<tr><td>%1</td><td><b>%2</b></td></tr>")
                                      .arg(Befehl(a), tasten.join(QStringLiteral(", ")));
            if (!zeilen.contains(zeile)) zeilen << zeile;
        }
    }
    return html + zeilen.join(QString()) + QStringLiteral("</table>");
}

void TastenkuerzelZeigen(QWidget* eltern) {
    QList<QWidget*> fenster;
    if (eltern) fenster << eltern->window();
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->isVisible() && !fenster.contains(w)) fenster << w;
    }
    QTextBrowser* text =
        Textfenster(eltern, "tastenkuerzel",
                    QCoreApplication::translate("lumora::Hilfe", "Lumora - Tastenkürzel"));
    text->setHtml(QCoreApplication::translate("lumora::Hilfe", "<h3>Tastenkürzel</h3>") +
                  TastenkuerzelHtml(fenster));
}

QString Lizenztext() { return Ressource(":/LICENSE"); }

QString UeberText() {
    // The licence's name and copyright holder are its first and third line.
    const QStringList lizenz = Lizenztext().split('\n');
    const QString name = lizenz.value(0) == "MIT License"
                             ? QCoreApplication::translate("lumora::Hilfe", "MIT-Lizenz")
                             : lizenz.value(0);
    return QCoreApplication::translate(
               "lumora::Hilfe",
               "<h3>Lumora %1</h3><p>Das h,x-Diagramm feuchter Luft nach Mollier, mit "
               "Zuständen, Prozessen, Messreihen und Zonen.</p><p>Version %1 (%2), Stand %3</p>"
               "<p>%4<br>Freie Software unter der %5.</p>")
        .arg(QString::fromUtf8(kVersion), QString::fromUtf8(kVersionsText),
             QString::fromStdString(Stand()), lizenz.value(2).toHtmlEscaped(),
             name.toHtmlEscaped());
}

void UeberLumoraZeigen(QWidget* eltern) {
    QMessageBox box(QMessageBox::Information,
                    QCoreApplication::translate("lumora::Hilfe", "Über Lumora"), UeberText(),
                    QMessageBox::Ok, eltern);
    box.setTextFormat(Qt::RichText);
    box.setDetailedText(Lizenztext());
    box.exec();
}

}  // namespace lumora
