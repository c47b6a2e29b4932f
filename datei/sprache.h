#pragma once

#include <QString>
#include <QTranslator>
#include <optional>
#include <string>

// The language Lumora speaks: German, the source language of every text, or English from
// the translations compiled into the program. The system's locale chooses, and a choice the
// user made in the menu "Sprache", kept in the settings, overrides it.

namespace lumora {

enum class Sprache { Deutsch, Englisch };

// The language for a locale name such as "en_GB" or "de_DE.UTF-8": English for every "en"
// locale, German for all others, "C" included.
Sprache SpracheDesGebietsschemas(const QString& name);

// The language the user chose in the menu, if any. Reads the settings of organisation
// "Lumora", application "lumora", so it works before QApplication exists.
std::optional<Sprache> GewaehlteSprache();
void SpracheWaehlen(Sprache sprache);

// The locale of messages, as the environment sets it: LC_ALL, else LC_MESSAGES, else LANG,
// else "C".
QString GebietsschemaDerMeldungen();

// The chosen language, or else the one of the locale of messages.
Sprache GewuenschteSprache();

// Makes `sprache` the program's language while it lives: loads Lumora's translation and
// Qt's own texts (German buttons under German, Qt's English otherwise) and sets the
// translator of Text(). installieren() hands both to the application once one exists, so
// that tr() and Qt's dialogs follow; the command line can be read before that.
class Sprachwahl {
  public:
    explicit Sprachwahl(Sprache sprache);
    ~Sprachwahl();
    Sprachwahl(const Sprachwahl&) = delete;
    Sprachwahl& operator=(const Sprachwahl&) = delete;

    void installieren();
    Sprache sprache() const { return sprache_; }

  private:
    Sprache sprache_;
    QTranslator lumora_;
    QTranslator qt_;
    bool installiert_ = false;
};

// The language of the live Sprachwahl; German without one.
Sprache AktiveSprache();

// A text as Text() and Einsetzen() give it, in UTF-8, for Qt.
inline QString QtText(const std::string& text) { return QString::fromStdString(text); }

// The short code of a language, "de" or "en", as the settings and file names use it.
QString Sprachkuerzel(Sprache sprache);

}  // namespace lumora
