#include "datei/sprache.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QTextBrowser>

#include "core/feldtexte.h"
#include "core/text.h"
#include "core/zahlen.h"
#include "ui/diagrammfenster.h"
#include "ui/hilfe.h"

namespace lumora {
namespace {

QString Knopf(QDialogButtonBox::StandardButton art) {
    QDialogButtonBox knoepfe(art);
    return knoepfe.button(art)->text().remove('&');
}

TEST(Sprache, LocaleChoosesEnglishOnlyForEnglishLocales) {
    for (const char* name : {"en", "en_US", "en_GB.UTF-8", "en-AU"}) {
        EXPECT_EQ(SpracheDesGebietsschemas(name), Sprache::Englisch) << name;
    }
    for (const char* name : {"C", "POSIX", "de_DE", "fr_FR.UTF-8", "", "eng", "nl_BE"}) {
        EXPECT_EQ(SpracheDesGebietsschemas(name), Sprache::Deutsch) << name;
    }
}

TEST(Sprache, GermanLoadsQtsGermanButtonsAndLeavesTextsAlone) {
    {
        Sprachwahl deutsch(Sprache::Deutsch);
        deutsch.installieren();
        EXPECT_EQ(AktiveSprache(), Sprache::Deutsch);
        EXPECT_EQ(Knopf(QDialogButtonBox::Cancel), "Abbrechen");
        EXPECT_EQ(Knopf(QDialogButtonBox::Save), "Speichern");
        EXPECT_EQ(Text("Diagramm", "Gesamtdruck  = %1  hPa"), "Gesamtdruck  = %1  hPa");
    }
    // Gone with the choice: the other tests expect Qt's own texts as they come.
    EXPECT_EQ(Knopf(QDialogButtonBox::Cancel), "Cancel");
}

TEST(Sprache, EnglishTranslatesTextAndTrUntilTheChoiceEnds) {
    {
        Sprachwahl englisch(Sprache::Englisch);
        englisch.installieren();
        EXPECT_EQ(AktiveSprache(), Sprache::Englisch);
        EXPECT_EQ(Text("Diagramm", "Gesamtdruck  = %1  hPa"), "Total pressure =%1 hPa");
        EXPECT_EQ(QCoreApplication::translate("Diagramm", "Gesamtdruck  = %1  hPa"),
                  "Total pressure =%1 hPa");
        EXPECT_EQ(Knopf(QDialogButtonBox::Cancel), "Cancel");
        // Numbers in English sentences take the decimal point.
        EXPECT_EQ(KurzText(-12.5), "-12.5");
        EXPECT_EQ(KurzeZahl(0.0125), "0.0125");
    }
    EXPECT_EQ(AktiveSprache(), Sprache::Deutsch);
    EXPECT_EQ(Text("Diagramm", "Gesamtdruck  = %1  hPa"), "Gesamtdruck  = %1  hPa");
    EXPECT_EQ(KurzText(-12.5), "-12,5");
}

// The windows' own texts reach English through tr() in their class's context, and Help shows
// the manual of the language it is asked in.
TEST(Sprache, EnglishWindowsAndManualAndGermanAgainAfterwards) {
    QWidget eltern;
    const auto handbuch = [&] {
        HandbuchZeigen(&eltern);
        auto* text = eltern.findChild<QTextBrowser*>("handbuch");
        return text ? text->windowTitle() + "\n" + text->toPlainText().section('\n', 0, 0)
                    : QString();
    };
    {
        Sprachwahl englisch(Sprache::Englisch);
        englisch.installieren();
        EXPECT_EQ(handbuch(), "Lumora - Manual\nLumora – Manual");
        Diagrammfenster fenster;
        QStringList texte;
        for (const QAction* a : fenster.actions()) texte << a->text();
        EXPECT_TRUE(texte.contains("Export …")) << texte.join(" | ").toStdString();
        EXPECT_TRUE(texte.contains("Change Inputs …")) << texte.join(" | ").toStdString();
        EXPECT_TRUE(UeberText().contains("Free software under the MIT License."));
    }
    // The same window speaks German again once the choice has ended.
    EXPECT_EQ(handbuch(), "Lumora - Handbuch\nLumora – Handbuch");
}

TEST(Sprache, EinsetzenPlacesValuesLikeQStringArg) {
    EXPECT_EQ(Einsetzen("%2 liegt nicht unter %1.", {"12,5 °C", "ϑ"}),
              "ϑ liegt nicht unter 12,5 °C.");
    EXPECT_EQ(Einsetzen("100 % und %3", {"a"}), "100 % und %3");
    EXPECT_EQ(Einsetzen("%1%1", {"%2", "x"}), "%2%2");
}

}  // namespace
}  // namespace lumora
