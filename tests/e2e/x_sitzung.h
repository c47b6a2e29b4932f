#pragma once

#include <sys/types.h>

#include <QImage>
#include <QRect>
#include <functional>
#include <string>
#include <vector>

namespace lumora::test {

// Runs a shell command and returns what it printed.
std::string Shell(const std::string& befehl);

// The program under test, started as a user would start it, and ended by its process id.
class Programm {
  public:
    // Starts `pfad` with extra environment entries ("NAME=value") and command-line arguments.
    Programm(const std::string& pfad, const std::vector<std::string>& umgebung = {},
             const std::vector<std::string>& argumente = {});
    ~Programm();
    Programm(const Programm&) = delete;
    Programm& operator=(const Programm&) = delete;
    bool laeuft() const;
    // Ends the program at once with SIGKILL, as a crash or a power cut would.
    void toeten();

  private:
    pid_t pid_ = -1;
};

// A window on the X server found by its exact title, with its client area on the screen.
struct Fenster {
    std::string id;
    QRect flaeche;
};

// Waits up to `sekunden` for a visible window with that title.
bool FensterSuchen(const std::string& titel, Fenster& fenster, double sekunden = 10);
bool FensterSichtbar(const std::string& titel);

// Asks `bedingung` every 50 ms until it holds or `sekunden` have passed.
bool WartenBis(const std::function<bool()>& bedingung, double sekunden);

// Mouse and keys through xdotool, in screen pixels.
void Klicken(int x, int y);
void Tippen(const std::string& text);
void Taste(const std::string& taste);
// Presses the left button at `von`, moves in steps to `nach` and releases it there.
void Ziehen(QPoint von, QPoint nach);
// Moves the pointer without clicking.
void Zeigen(QPoint p);

// Asks a window to close, as a window manager does for its close button.
void Schliessen(const Fenster& fenster);

// The whole screen as an image.
QImage Bildschirm();

}  // namespace lumora::test
