#include "datei/sprache.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QSettings>
#include <atomic>

#include "core/text.h"

namespace lumora {

namespace {

constexpr const char* kSchluessel = "sprache";

// The settings file of the program, also before QApplication has given its names.
QSettings Einstellungen() { return QSettings(QStringLiteral("Lumora"), QStringLiteral("lumora")); }

// The live Sprachwahl, read by Text() from any thread.
std::atomic<const Sprachwahl*> gAktive{nullptr};
std::atomic<const QTranslator*> gLumora{nullptr};

std::string Uebersetzen(const char* kontext, const char* quelle) {
    const QTranslator* lumora = gLumora.load();
    const QString text = lumora ? lumora->translate(kontext, quelle) : QString();
    return text.isEmpty() ? std::string(quelle) : text.toStdString();
}

}  // namespace

Sprache SpracheDesGebietsschemas(const QString& name) {
    return name == QLatin1String("en") || name.startsWith(QLatin1String("en_")) ||
                   name.startsWith(QLatin1String("en-")) || name.startsWith(QLatin1String("en."))
               ? Sprache::Englisch
               : Sprache::Deutsch;
}

QString Sprachkuerzel(Sprache sprache) {
    return sprache == Sprache::Englisch ? QStringLiteral("en") : QStringLiteral("de");
}

std::optional<Sprache> GewaehlteSprache() {
    const QString kuerzel = Einstellungen().value(kSchluessel).toString();
    if (kuerzel == Sprachkuerzel(Sprache::Englisch)) return Sprache::Englisch;
    if (kuerzel == Sprachkuerzel(Sprache::Deutsch)) return Sprache::Deutsch;
    return std::nullopt;
}

void SpracheWaehlen(Sprache sprache) {
    auto einstellungen = Einstellungen();
    einstellungen.setValue(kSchluessel, Sprachkuerzel(sprache));
}

QString GebietsschemaDerMeldungen() {
    // The order in which the C library chooses the language of messages.
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QString wert = qEnvironmentVariable(variable);
        if (!wert.isEmpty()) return wert;
    }
    return QStringLiteral("C");
}

Sprache GewuenschteSprache() {
    if (const auto gewaehlt = GewaehlteSprache()) return *gewaehlt;
    return SpracheDesGebietsschemas(GebietsschemaDerMeldungen());
}

Sprachwahl::Sprachwahl(Sprache sprache) : sprache_(sprache) {
    if (sprache == Sprache::Englisch) {
        // English is the source language of Qt's own texts: nothing to load for them.
        if (lumora_.load(QStringLiteral(":/i18n/lumora_en.qm"))) {
            gLumora.store(&lumora_);
            UebersetzerSetzen(Uebersetzen);
        }
    } else {
        (void)qt_.load(QStringLiteral("qtbase_de"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    }
    gAktive.store(this);
}

Sprachwahl::~Sprachwahl() {
    if (gLumora.load() == &lumora_) {
        UebersetzerSetzen(nullptr);
        gLumora.store(nullptr);
    }
    if (gAktive.load() == this) gAktive.store(nullptr);
    if (installiert_ && QCoreApplication::instance()) {
        QCoreApplication::removeTranslator(&lumora_);
        QCoreApplication::removeTranslator(&qt_);
    }
}

void Sprachwahl::installieren() {
    if (installiert_ || !QCoreApplication::instance()) return;
    installiert_ = true;
    if (!lumora_.isEmpty()) QCoreApplication::installTranslator(&lumora_);
    if (!qt_.isEmpty()) QCoreApplication::installTranslator(&qt_);
}

Sprache AktiveSprache() {
    const Sprachwahl* aktive = gAktive.load();
    return aktive ? aktive->sprache() : Sprache::Deutsch;
}

}  // namespace lumora
