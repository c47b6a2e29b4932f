#include "bild/laeufe.h"

#include <gtest/gtest.h>

#include <vector>

namespace lumora {
namespace {

constexpr Farbe kRot{255, 0, 0};
constexpr Farbe kBlau{0, 0, 255};

Operation Linie(float x1, float y1, float x2, float y2, Farbe f, int breite = 1) {
    return {Operation::Art::line, x1, y1, x2, y2, f, breite};
}

// The canvas 12000 × 8000 on 1200 × 800 pixels: a tenth of a pixel per unit.
Laeufe Gesammelt(const std::vector<Operation>& ops) {
    return Sammeln(ops, 0.1, 0.1, QSize(1200, 800));
}

// The lines of run k, in order.
std::vector<Strecke> Strecken(const Laeufe& l, std::size_t k) {
    std::vector<Strecke> s;
    for (int i = l.laeufe.at(k).erste; i >= 0; i = l.strecken[i].naechste)
        s.push_back(l.strecken[i]);
    return s;
}

// Lines of one colour and width far from anything drawn between them make one run, in
// hundredths of a pixel; a repeated line, a point and a line off the canvas add nothing.
TEST(Laeufe, DistantLinesOfOneKindJoinOneRun) {
    const Laeufe l =
        Gesammelt({Linie(0, 100, 12000, 100, kRot), Linie(0, 7000, 1000, 7000, kBlau),
                   Linie(0, 100, 12000, 100, kRot), Linie(5000, 200, 5000, 200, kRot),
                   Linie(-500, -500, -100, -100, kRot), Linie(0, 300, 12000, 300, kRot)});
    ASSERT_EQ(l.laeufe.size(), 2u);
    EXPECT_EQ(l.laeufe[0].farbe, qRgb(255, 0, 0));
    const auto rot = Strecken(l, 0);
    ASSERT_EQ(rot.size(), 2u);
    EXPECT_EQ(rot[0].x1, 0);
    EXPECT_EQ(rot[0].y1, 1000);  // 100 units = 10 px = 1000 hundredths
    EXPECT_EQ(rot[0].x2, 120000);
    EXPECT_EQ(rot[1].y1, 3000);
    EXPECT_EQ(Strecken(l, 1).size(), 1u);
}

// A line that would pass under something drawn since its run began starts a run of its own,
// and so does every line after a box: the order of what covers what stays as drawn. Another
// width is another kind.
TEST(Laeufe, WhatWasDrawnSinceKeepsItsPlace) {
    const Laeufe quer =
        Gesammelt({Linie(0, 100, 12000, 100, kRot), Linie(6000, 0, 6000, 8000, kBlau),
                   Linie(0, 4000, 12000, 4000, kRot)});
    ASSERT_EQ(quer.laeufe.size(), 3u);
    EXPECT_EQ(quer.laeufe[2].farbe, qRgb(255, 0, 0));

    const Laeufe kasten = Gesammelt({Linie(0, 100, 12000, 100, kRot),
                                     {Operation::Art::box, 0, 7000, 100, 7100, kBlau},
                                     Linie(0, 300, 12000, 300, kRot)});
    ASSERT_EQ(kasten.laeufe.size(), 3u);
    EXPECT_EQ(kasten.laeufe[1].breite, 0);
    EXPECT_EQ(kasten.laeufe[2].breite, 1);

    const Laeufe breiter =
        Gesammelt({Linie(0, 100, 12000, 100, kRot), Linie(0, 300, 12000, 300, kRot, 2)});
    EXPECT_EQ(breiter.laeufe.size(), 2u);
}

}  // namespace
}  // namespace lumora
