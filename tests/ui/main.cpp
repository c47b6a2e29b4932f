#include <gtest/gtest.h>

#include <QApplication>
#include <QLocale>
#include <QSettings>
#include <QTemporaryDir>

int main(int argc, char* argv[]) {
    // Fixed for every test: a German default locale, whatever the machine has.
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    // Without a platform of its own choosing, e.g. when only listing the tests, off screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // Settings of this process's own, so that tests running side by side neither see each
    // other's window places nor touch the user's.
    QTemporaryDir einstellungen;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, einstellungen.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, einstellungen.path());
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
