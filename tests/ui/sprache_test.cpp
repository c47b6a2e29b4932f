#include "datei/sprache.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialogButtonBox>
#include <QPushButton>

#include "core/text.h"

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
        EXPECT_EQ(Text("Diagramm", "Gesamtdruck  = %1  hPa"), "Total pressure  = %1  hPa");
        EXPECT_EQ(QCoreApplication::translate("Diagramm", "Gesamtdruck  = %1  hPa"),
                  "Total pressure  = %1  hPa");
        EXPECT_EQ(Knopf(QDialogButtonBox::Cancel), "Cancel");
    }
    EXPECT_EQ(AktiveSprache(), Sprache::Deutsch);
    EXPECT_EQ(Text("Diagramm", "Gesamtdruck  = %1  hPa"), "Gesamtdruck  = %1  hPa");
}

TEST(Sprache, EinsetzenPlacesValuesLikeQStringArg) {
    EXPECT_EQ(Einsetzen("%2 liegt nicht unter %1.", {"12,5 °C", "ϑ"}),
              "ϑ liegt nicht unter 12,5 °C.");
    EXPECT_EQ(Einsetzen("100 % und %3", {"a"}), "100 % und %3");
    EXPECT_EQ(Einsetzen("%1%1", {"%2", "x"}), "%2%2");
}

}  // namespace
}  // namespace lumora
