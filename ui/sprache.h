#pragma once

class QApplication;
class QTranslator;

namespace lumora {

// Installs Qt's own German texts in app, so that the file and print dialogs and the
// buttons of message boxes speak German like the rest of the program. Returns the
// installed translator, owned by app, or nullptr when the translations are missing.
QTranslator* DeutschLaden(QApplication& app);

}  // namespace lumora
