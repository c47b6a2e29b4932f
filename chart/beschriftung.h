#pragma once

#include <array>
#include <string>

#include "chart/zeichenflaeche.h"

namespace lumora {

// The five groups of chart labels. txt_PhPa is a single label, addressed with index 0.
enum class Gruppe { txt_Temp, txt_X, txt_rFo, txt_rF, txt_PhPa };

enum class Ausrichtung { links, mitte, rechts };

// How a group of labels looks and where it starts. Sizes and positions in form units.
struct Gruppenlayout {
    Gruppe gruppe;
    const char* name;
    int anzahl;
    int breite;
    int hoehe;
    double punkt;  // font size of Arial bold [pt]
    Farbe farbe;
    Ausrichtung ausrichtung;
};

// clang-format off
inline constexpr std::array<Gruppenlayout, 5> kGruppen{{
    {Gruppe::txt_Temp, "txt_Temp", 43,  525, 225,  9, {192, 0, 0},   Ausrichtung::rechts},
    {Gruppe::txt_X,    "txt_X",    14, 1035, 300,  9, {0, 128, 0},   Ausrichtung::mitte},
    {Gruppe::txt_rFo,  "txt_rFo",   9,  525, 225,  9, {0, 0, 255},   Ausrichtung::mitte},
    {Gruppe::txt_rF,   "txt_rF",    9,  555, 225,  9, {0, 0, 192},   Ausrichtung::links},
    {Gruppe::txt_PhPa, "txt_PhPa",  1, 3105, 255, 12, {0, 0, 0},     Ausrichtung::links},
}};
// clang-format on

inline constexpr int kAlleEtiketten = 43 + 14 + 9 + 9 + 1;

// Form units per area unit, the fixed scale of pic_gesamt in which labels are placed.
inline constexpr double kFormProFlaecheX = 1.1465904;
inline constexpr double kFormProFlaecheY = 1.2794118;

inline const Gruppenlayout& Layout(Gruppe g) { return kGruppen[static_cast<int>(g)]; }

// Text a label shows when the chart window is created.
std::string Starttext(Gruppe g, int index);
// Left and Top of a label when the chart window is created, in area units. The run
// only ever sets the other coordinate of each group.
double StartLinks(Gruppe g, int index);
double StartOben(Gruppe g, int index);

// The chart's text labels as the chart run sees them. Positions are in area units.
class Beschriftung {
  public:
    virtual ~Beschriftung() = default;
    virtual void setVisible(Gruppe g, int index, bool sichtbar) = 0;
    virtual void setText(Gruppe g, int index, const std::string& text) = 0;
    virtual void setLeft(Gruppe g, int index, float left) = 0;
    virtual void setTop(Gruppe g, int index, float top) = 0;
};

}  // namespace lumora
