#include "tests/e2e/x_sitzung.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <sstream>
#include <string_view>
#include <thread>
#include <vector>

extern char** environ;

namespace lumora::test {

std::string Shell(const std::string& befehl) {
    std::string aus;
    if (FILE* rohr = popen(befehl.c_str(), "r")) {
        std::array<char, 256> puffer{};
        while (fgets(puffer.data(), puffer.size(), rohr)) aus += puffer.data();
        pclose(rohr);
    }
    return aus;
}

Programm::Programm(const std::string& pfad, const std::vector<std::string>& umgebung,
                   const std::vector<std::string>& argumente) {
    // The given entries replace those of the same name: the C library reads the first.
    const auto ersetzt = [&umgebung](const std::string& eintrag) {
        const std::string name = eintrag.substr(0, eintrag.find('=') + 1);
        if (name == "QT_QPA_PLATFORM=") return true;
        return std::any_of(umgebung.begin(), umgebung.end(),
                           [&name](const std::string& u) { return u.rfind(name, 0) == 0; });
    };
    std::vector<std::string> env;
    for (char** e = environ; *e; ++e) {
        if (!ersetzt(*e)) env.push_back(*e);
    }
    env.insert(env.end(), umgebung.begin(), umgebung.end());
    std::vector<char*> envp;
    for (auto& e : env) envp.push_back(e.data());
    envp.push_back(nullptr);
    std::vector<std::string> args{pfad};
    args.insert(args.end(), argumente.begin(), argumente.end());
    std::vector<char*> argv;
    for (auto& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    if (posix_spawn(&pid_, pfad.c_str(), nullptr, nullptr, argv.data(), envp.data()) != 0) {
        pid_ = -1;
    }
}

Programm::~Programm() {
    if (pid_ <= 0) return;
    kill(pid_, SIGTERM);
    for (int i = 0; i < 100; ++i) {
        if (waitpid(pid_, nullptr, WNOHANG) == pid_) return;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    kill(pid_, SIGKILL);
    waitpid(pid_, nullptr, 0);
}

void Programm::toeten() {
    if (pid_ <= 0) return;
    kill(pid_, SIGKILL);
    waitpid(pid_, nullptr, 0);
    pid_ = -1;
}

bool Programm::laeuft() const { return pid_ > 0 && waitpid(pid_, nullptr, WNOHANG) == 0; }

namespace {

std::string Suche(const std::string& titel) {
    // xdotool takes an extended regular expression: a title's "*" or "." means itself.
    std::string muster;
    for (char c : titel) {
        if (std::string_view(".[]()*+?{}|^$\\").find(c) != std::string_view::npos) muster += '\\';
        muster += c;
    }
    std::istringstream ids(
        Shell("xdotool search --onlyvisible --name '^" + muster + "$' 2>/dev/null"));
    std::string id;
    ids >> id;
    return id;
}

}  // namespace

bool WartenBis(const std::function<bool()>& bedingung, double sekunden) {
    const auto ende = std::chrono::steady_clock::now() + std::chrono::duration<double>(sekunden);
    while (!bedingung()) {
        if (std::chrono::steady_clock::now() >= ende) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return true;
}

bool FensterSichtbar(const std::string& titel) { return !Suche(titel).empty(); }

bool FensterSuchen(const std::string& titel, Fenster& fenster, double sekunden) {
    if (!WartenBis([&] { return !(fenster.id = Suche(titel)).empty(); }, sekunden)) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(300));  // let it paint
    std::istringstream g(Shell("xdotool getwindowgeometry --shell " + fenster.id));
    int x = 0, y = 0, w = 0, h = 0;
    for (std::string zeile; std::getline(g, zeile);) {
        std::sscanf(zeile.c_str(), "X=%d", &x);
        std::sscanf(zeile.c_str(), "Y=%d", &y);
        std::sscanf(zeile.c_str(), "WIDTH=%d", &w);
        std::sscanf(zeile.c_str(), "HEIGHT=%d", &h);
    }
    fenster.flaeche = QRect(x, y, w, h);
    return true;
}

void Klicken(int x, int y) {
    // Without --sync: that waits for a motion event, which never comes when the pointer
    // already stands there.
    Shell("xdotool mousemove " + std::to_string(x) + " " + std::to_string(y) +
          " sleep 0.05 click 1");
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
}

void Tippen(const std::string& text) {
    Shell("xdotool type --delay 20 '" + text + "'");
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
}

void Taste(const std::string& taste) {
    Shell("xdotool key " + taste);
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
}

void Zeigen(QPoint p) {
    Shell("xdotool mousemove " + std::to_string(p.x()) + " " + std::to_string(p.y()));
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
}

void Ziehen(QPoint von, QPoint nach) {
    std::string befehl = "xdotool mousemove " + std::to_string(von.x()) + " " +
                         std::to_string(von.y()) + " sleep 0.1 mousedown 1 sleep 0.1";
    constexpr int kSchritte = 8;
    for (int i = 1; i <= kSchritte; ++i) {
        const QPoint p = von + (nach - von) * i / kSchritte;
        befehl +=
            " mousemove " + std::to_string(p.x()) + " " + std::to_string(p.y()) + " sleep 0.05";
    }
    Shell(befehl + " sleep 0.1 mouseup 1");
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
}

void Schliessen(const Fenster& fenster) {
    Display* d = XOpenDisplay(nullptr);
    if (!d) return;
    XEvent e{};
    e.xclient.type = ClientMessage;
    e.xclient.window = std::stoul(fenster.id);
    e.xclient.message_type = XInternAtom(d, "WM_PROTOCOLS", False);
    e.xclient.format = 32;
    e.xclient.data.l[0] = static_cast<long>(XInternAtom(d, "WM_DELETE_WINDOW", False));
    e.xclient.data.l[1] = CurrentTime;
    XSendEvent(d, e.xclient.window, False, NoEventMask, &e);
    XFlush(d);
    XCloseDisplay(d);
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
}

QImage Bildschirm() {
    Display* d = XOpenDisplay(nullptr);
    if (!d) return {};
    const Window wurzel = DefaultRootWindow(d);
    XWindowAttributes a{};
    XGetWindowAttributes(d, wurzel, &a);
    XImage* x = XGetImage(d, wurzel, 0, 0, a.width, a.height, AllPlanes, ZPixmap);
    QImage bild(a.width, a.height, QImage::Format_RGB32);
    for (int y = 0; y < a.height; ++y) {
        auto* zeile = reinterpret_cast<QRgb*>(bild.scanLine(y));
        for (int i = 0; i < a.width; ++i) zeile[i] = 0xff000000u | XGetPixel(x, i, y);
    }
    XDestroyImage(x);
    XCloseDisplay(d);
    return bild;
}

}  // namespace lumora::test
