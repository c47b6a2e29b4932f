#include "ui/anfangsdialog.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>

#include "bild/bilder.h"
#include "bild/einheiten.h"
#include "core/version.h"
#include "ui/diagrammfenster.h"
#include "ui/fenster.h"
#include "ui/formulare.h"
#include "ui/leinwand.h"

namespace lumora {

namespace {

// "Berechne Diagramm !": pressed by Return and Enter as well as the space bar when it has the
// focus, as a button of a dialog is.
class Startknopf : public QPushButton {
  public:
    using QPushButton::QPushButton;

  protected:
    void keyPressEvent(QKeyEvent* ereignis) override {
        if ((ereignis->key() == Qt::Key_Return || ereignis->key() == Qt::Key_Enter) &&
            ereignis->modifiers() == Qt::NoModifier) {
            click();
            return;
        }
        QPushButton::keyPressEvent(ereignis);
    }
};

enum class Art { text, bild, feld, linie, knopf };

struct Steuerelement {
    const char* name;
    Art art;
    int links, oben, breite, hoehe;  // form units
    const char* text;
    double punkt;         // 0: the dialog's Arial 9.75 pt bold
    const char* schrift;  // font family; symbols need one with Greek letters
    bool kursiv;
    QRgb farbe;
    bool mitte;            // centred, else left-aligned
    bool umbruch = false;  // a text that breaks into lines within its box
};

constexpr QRgb kSchwarz = qRgb(0, 0, 0);
constexpr QRgb kRot = qRgb(192, 0, 0);
constexpr const char* kArial = "Arial";
constexpr const char* kSymbol = "DejaVu Sans";

// The dialog's layout, top to bottom. The header keeps 5, 4 and 4 blanks between its parts;
// its %1 and %2 are the version and the release month. The words are marked for translation
// and translated where the controls are made; numbers, units and symbols stay.
// clang-format off
constexpr Steuerelement kLayout[] = {
    {"lbl_kopfzeile", Art::text, 90, 90, 7785, 270,
     QT_TRANSLATE_NOOP("lumora::Anfangsdialog",
                       "Lumora     h,x-Diagramm für feuchte Luft    %1    %2"),
     0, kArial, false, kSchwarz, false},
    {"pic_KVH", Art::bild, 7950, 90, 510, 375, "", 0, kArial, false, kSchwarz, false},
    {"lbl_titelzeile", Art::text, 1920, 495, 4650, 435,
     QT_TRANSLATE_NOOP("lumora::Anfangsdialog", "Lumora nach Mollier"),
     18, kArial, false, kRot, false},
    {"lbl_untertitel", Art::text, 720, 1095, 7245, 615,
     QT_TRANSLATE_NOOP("lumora::Anfangsdialog",
                       "Berechnung von Lumoraen für frei gewählte Temperatur-          und "
                       "Feuchtegrenzen bei Vorgabe des Gesamtdruckes"),
     12, kArial, false, kSchwarz, false, true},
    {"lbl_Autor", Art::text, 1110, 1830, 6495, 225,
     QT_TRANSLATE_NOOP("lumora::Anfangsdialog", "Lumora – h,x-Diagramme für Lehre und Praxis"),
     8.25, kArial, false, kSchwarz, false},
    {"Label8", Art::text, 2430, 2370, 4125, 285,
     QT_TRANSLATE_NOOP("lumora::Anfangsdialog", "Zahlenwerte wie gewünscht überschreiben !"),
     0, kArial, true, kRot, false},
    {"lbl_theta", Art::text, 1440, 2760, 225, 405, "ϑ", 14.25, kSymbol, false, kSchwarz, false},
    {"lbl_max", Art::text, 1620, 2940, 375, 195, "max", 8.25, kArial, false, kSchwarz, false},
    {"txt_Thetamax", Art::feld, 2340, 2835, 1065, 300, "200", 0, kArial, false, kSchwarz, true},
    {"lbl_gradC", Art::text, 3480, 2850, 615, 285, "°C", 0, kArial, false, kSchwarz, true},
    {"lbl_DeltaTheta", Art::text, 1440, 3210, 405, 345, "Δϑ", 14.25, kSymbol, false, kSchwarz, false},
    {"lbl_gross", Art::text, 1860, 3390, 375, 225,
     QT_TRANSLATE_NOOP("lumora::Anfangsdialog", "fett"),
     8.25, kArial, false, kSchwarz, false},
    {"txt_DeltaThetagross", Art::feld, 2340, 3225, 1065, 300, "10", 0, kArial, false, kSchwarz, true},
    {"lbl_K", Art::text, 3480, 3240, 615, 285, "grd", 0, kArial, false, kSchwarz, true},
    {"lbl_DeltaTheta2", Art::text, 1440, 3600, 405, 345, "Δϑ", 14.25, kSymbol, false, kSchwarz, false},
    {"lbl_klein", Art::text, 1830, 3780, 465, 195,
     QT_TRANSLATE_NOOP("lumora::Anfangsdialog", "dünn"),
     8.25, kArial, false, kSchwarz, false},
    {"txt_DeltaThetaklein", Art::feld, 2340, 3600, 1065, 300, "1", 0, kArial, false, kSchwarz, true},
    {"lbl_K2", Art::text, 3480, 3630, 615, 285, "grd", 0, kArial, false, kSchwarz, true},
    {"Line1", Art::linie, 4380, 2850, 30, 1110, "", 0, kArial, false, kSchwarz, false},
    {"lbl_X", Art::text, 4710, 2820, 225, 315, "Χ", 14.25, kSymbol, false, kSchwarz, false},
    {"lbl_max2", Art::text, 4950, 2970, 375, 195, "max", 8.25, kArial, false, kSchwarz, false},
    {"txt_Xmax", Art::feld, 5640, 2820, 1065, 300, "0.2", 0, kArial, false, kSchwarz, true},
    {"lbl_kgprokg", Art::text, 6780, 2850, 615, 285, "kg/kg", 0, kArial, false, kSchwarz, true},
    {"lbl_DeltaX", Art::text, 4710, 3210, 405, 345, "ΔΧ", 14.25, kSymbol, false, kSchwarz, false},
    {"lbl_gross2", Art::text, 5160, 3360, 435, 225,
     QT_TRANSLATE_NOOP("lumora::Anfangsdialog", "fett"),
     8.25, kArial, false, kSchwarz, false},
    {"txt_DeltaXgross", Art::feld, 5640, 3210, 1065, 300, "0.02", 0, kArial, false, kSchwarz, true},
    {"lbl_kgprokg2", Art::text, 6780, 3240, 615, 285, "kg/kg", 0, kArial, false, kSchwarz, true},
    {"lbl_DeltaX2", Art::text, 4710, 3600, 405, 345, "ΔΧ", 14.25, kSymbol, false, kSchwarz, false},
    {"lbl_klein2", Art::text, 5130, 3780, 465, 195,
     QT_TRANSLATE_NOOP("lumora::Anfangsdialog", "dünn"),
     8.25, kArial, false, kSchwarz, false},
    {"txt_DeltaXklein", Art::feld, 5640, 3600, 1065, 300, "0.002", 0, kArial, false, kSchwarz, true},
    {"lbl_kgprokg3", Art::text, 6780, 3630, 615, 285, "kg/kg", 0, kArial, false, kSchwarz, true},
    {"Label5", Art::text, 2970, 4050, 225, 315, "P", 12.75, kArial, false, kSchwarz, false},
    {"Label6", Art::text, 3120, 4140, 645, 225,
     QT_TRANSLATE_NOOP("lumora::Anfangsdialog", "gesamt"),
     8.25, kArial, false, kSchwarz, false},
    {"txt_Pges", Art::feld, 3900, 4050, 1065, 300, "1013", 0, kArial, false, kSchwarz, true},
    {"Label7", Art::text, 4980, 4080, 585, 285, "hPa", 0, kArial, false, kSchwarz, true},
    {"cmd_Starte", Art::knopf, 2760, 4650, 3525, 405,
     QT_TRANSLATE_NOOP("lumora::Anfangsdialog", "Berechne Diagramm !"),
     15.75, kArial, false, kSchwarz, true},
};
// clang-format on

constexpr int kClientBreite = 8580;
constexpr int kClientHoehe = 5295;
constexpr QRgb kGrau = qRgb(192, 192, 192);

QFont Schrift(const Steuerelement& s) {
    QFont schrift(s.schrift);
    schrift.setPointSizeF(s.punkt > 0 ? s.punkt : 9.75);
    schrift.setBold(true);
    schrift.setItalic(s.kursiv);
    return schrift;
}

Qt::Alignment Textausrichtung(const Steuerelement& s) {
    return (s.mitte ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop;
}

}  // namespace

Anfangsdialog::Anfangsdialog(QWidget* parent) : QWidget(parent) {
    FensterEinrichten(*this, "frm_Anfang", tr("Lumora - Anfangsdialog"), kClientBreite,
                      kClientHoehe, QColor(kGrau));
    steuerelementeAnlegen();
}

Anfangsdialog::~Anfangsdialog() = default;

void Anfangsdialog::steuerelementeAnlegen() {
    int feld = 0;
    for (const Steuerelement& s : kLayout) {
        QWidget* w = nullptr;
        switch (s.art) {
            case Art::text: {
                QString text = tr(s.text);
                if (text.contains("%1")) {
                    text =
                        text.arg(QString::fromUtf8(kVersionsText), QString::fromStdString(Stand()));
                }
                auto* label = new QLabel(text, this);
                label->setAlignment(Textausrichtung(s));
                label->setWordWrap(s.umbruch);
                QPalette p = label->palette();
                p.setColor(QPalette::WindowText, QColor(s.farbe));
                label->setPalette(p);
                w = label;
                break;
            }
            case Art::bild: {
                auto* bild = new QLabel(this);
                bild->setPixmap(Emblem(34, 25));
                w = bild;
                break;
            }
            case Art::feld: {
                auto* edit = new QLineEdit(QString::fromUtf8(s.text), this);
                edit->setAlignment(Qt::AlignCenter);
                QPalette p = edit->palette();
                p.setColor(QPalette::Base, Qt::white);
                p.setColor(QPalette::Text, Qt::black);
                edit->setPalette(p);
                // Enter in a field presses the button, as in a dialog with a default button.
                connect(edit, &QLineEdit::returnPressed, this, &Anfangsdialog::berechnen);
                felder_[feld++] = edit;
                w = edit;
                break;
            }
            case Art::linie: {
                auto* linie = new QFrame(this);
                linie->setAutoFillBackground(true);
                QPalette p = linie->palette();
                p.setColor(QPalette::Window, Qt::black);
                linie->setPalette(p);
                w = linie;
                break;
            }
            case Art::knopf: {
                knopf_ = new Startknopf(tr(s.text), this);
                // A flat face in exactly the layout's colour, with a classic raised edge.
                knopf_->setStyleSheet(
                    "QPushButton { background-color: rgb(224, 224, 224); color: black;"
                    " border: 2px outset rgb(160, 160, 160); }"
                    "QPushButton:pressed { border-style: inset; }"
                    "QPushButton:focus { border-color: rgb(96, 96, 96); }");
                connect(knopf_, &QPushButton::clicked, this, &Anfangsdialog::berechnen);
                w = knopf_;
                break;
            }
        }
        w->setObjectName(s.name);
        w->setFont(Schrift(s));
        w->setGeometry(FormRechteck(s.links, s.oben, s.breite, s.hoehe));
    }
    std::vector<QWidget*> reihenfolge(felder_.begin(), felder_.end());
    reihenfolge.push_back(knopf_);
    for (std::size_t i = 1; i < reihenfolge.size(); ++i) {
        setTabOrder(reihenfolge[i - 1], reihenfolge[i]);
    }
}

Feldtexte Anfangsdialog::texte() const {
    Feldtexte texte;
    for (int f = 0; f < kFelder; ++f) texte[f] = felder_[f]->text().toStdString();
    return texte;
}

void Anfangsdialog::setTexte(const Feldtexte& texte) {
    for (int f = 0; f < kFelder; ++f) felder_[f]->setText(QString::fromStdString(texte[f]));
}

void Anfangsdialog::berechnen() {
    if (const auto ablehnung = OhneZahl(this->texte())) {
        ablehnen(*ablehnung);
        return;
    }
    const Feldtexte texte = this->texte();
    eingabe_ = EingabeLesen(texte, thetaUnten_);
    if (const auto ablehnung = Pruefen(eingabe_)) {
        ablehnen(*ablehnung);
        return;
    }
    if (!fenster_) {
        fenster_ = std::make_unique<Diagrammfenster>();
        connect(fenster_.get(), &Diagrammfenster::eingabenAendern, this, &Anfangsdialog::nachVorn);
        fenster_->show();
        Zentrieren(fenster_.get());
    }
    fenster_->show();
    fenster_->raise();
    const std::string trenner = QLocale::system().decimalPoint().toStdString();
    fenster_->ablesung()->hide();  // it spoke of the chart the run replaces
    lauf_.zeichnen(eingabe_, fenster_->leinwand(), fenster_->etiketten(), trenner);
    fenster_->setEingabe(eingabe_);
    emit gezeichnet(texte);
}

void Anfangsdialog::nachVorn() {
    if (isMinimized()) showNormal();
    show();
    raise();
    activateWindow();
    feld(Feld::Thetamax)->setFocus(Qt::OtherFocusReason);
}

void Anfangsdialog::ablehnen(const Ablehnung& ablehnung) {
    // Not modal for the event loop: the press returns at once, and the focus goes to the
    // field named once the user has read the message.
    auto* box = new QMessageBox(QMessageBox::Warning, tr("Lumora - Eingabe"),
                                QString::fromStdString(ablehnung.meldung), QMessageBox::Ok, this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    // The lower limit has no field here; the message alone says what to change.
    if (static_cast<int>(ablehnung.feld) >= kFelder) {
        box->open();
        return;
    }
    QLineEdit* feld = this->feld(ablehnung.feld);
    connect(box, &QMessageBox::finished, feld, [feld] {
        feld->setFocus();
        feld->selectAll();
    });
    box->open();
}

void Anfangsdialog::showEvent(QShowEvent* ereignis) {
    QWidget::showEvent(ereignis);
    if (!gezeigt_) {
        gezeigt_ = true;
        Zentrieren(this);
    }
}

void Anfangsdialog::closeEvent(QCloseEvent* ereignis) {
    // The dialog is the program: closing it closes the chart window and ends the run.
    if (beendenErlaubt_ && !beendenErlaubt_()) {
        ereignis->ignore();
        return;
    }
    if (fenster_) fenster_->close();
    ereignis->accept();
    QCoreApplication::quit();
}

}  // namespace lumora
