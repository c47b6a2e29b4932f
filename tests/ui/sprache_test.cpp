#include "ui/sprache.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QTranslator>

namespace lumora {
namespace {

TEST(Sprache, QtsOwnButtonsSpeakGerman) {
    auto& app = *static_cast<QApplication*>(QCoreApplication::instance());
    QTranslator* uebersetzer = DeutschLaden(app);
    ASSERT_NE(uebersetzer, nullptr);
    QDialogButtonBox knoepfe(QDialogButtonBox::Cancel | QDialogButtonBox::Save);
    EXPECT_EQ(knoepfe.button(QDialogButtonBox::Cancel)->text().remove('&'), "Abbrechen");
    EXPECT_EQ(knoepfe.button(QDialogButtonBox::Save)->text().remove('&'), "Speichern");
    // The other tests expect Qt's own texts as they come.
    QApplication::removeTranslator(uebersetzer);
    delete uebersetzer;
}

}  // namespace
}  // namespace lumora
