// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/abacus/AbacusLayout.h"

#include <gtest/gtest.h>

using namespace abacus;

namespace {

// Wires 905 long (step 100), a 19-place tens and units wire whose second
// column stands 20 left of the one beside it.
AbacusDesign design(bool touching, bool through)
{
    AbacusDesign d;
    d.wireTop = 1000;
    d.wireBottom = 1905;
    d.wireX = {300, 700, 1100};
    d.mainLeft = {250, 650, 1050};
    d.secondLeft = {0, 530, 930};
    d.places = {9, 19, 19};
    d.unitsFootTop = 1810;
    d.markerLeft = 100;
    d.markerRight = 1300;
    d.touchingColumns = touching;
    d.wiresThroughBeads = through;
    return d;
}

} // namespace

TEST(AbacusLayout, StacksStandOnOneLineAndTouch)
{
    const AbacusGeometry g = layoutAbacus(design(false, false));
    EXPECT_EQ(g.step, 100);
    for (int w = 0; w < WireCount; ++w)
        for (int i = 0; i < 9; ++i) {
            EXPECT_EQ(g.places[w][i].top(), 1810 - 100 * i) << w << " " << i;
            EXPECT_EQ(g.places[w][i].size(), QSizeF(100, 100));
        }
    // The tenth place stands above the wire; places 10..18 sit beside 0..8.
    EXPECT_EQ(g.places[2][9].top(), 910);
    EXPECT_LT(g.places[2][9].top(), g.wires[2].p1().y());
    EXPECT_EQ(g.places[1][10].topLeft(), QPointF(530, 1810));
    EXPECT_EQ(g.places[1][18].topLeft(), QPointF(530, 1010));
    EXPECT_TRUE(g.places[0][9].isNull());
    // The marker lies on the top of units place 4; designed wires stay.
    EXPECT_EQ(g.marker, QLineF(100, 1410, 1300, 1410));
    EXPECT_EQ(g.wires[1], QLineF(700, 1000, 700, 1905));
    EXPECT_EQ(g.places[1][0].left(), 650);
}

TEST(AbacusLayout, TouchingColumnsAndWiresThroughTheBeads)
{
    const AbacusGeometry g = layoutAbacus(design(true, true));
    EXPECT_EQ(g.places[1][0].left(), 630);   // second column 530 + 100
    EXPECT_EQ(g.places[1][10].right(), g.places[1][0].left());
    EXPECT_EQ(g.wires[1].p1().x(), 680);
    EXPECT_EQ(g.wires[2].p1().x(), 1080);
    // The hundreds wire has no second column and keeps its designed beads.
    EXPECT_EQ(g.places[0][0].left(), 250);
    EXPECT_EQ(g.wires[0].p1().x(), 300);
}

TEST(AbacusLayout, ScaledScreensKeepRoundTouchingBeads)
{
    // Half as wide, two thirds as high, and moved: beads stay round, whole
    // pixels, stacked without gaps, and the step follows the wires' height.
    const auto toScreen = [](const QRectF& r) {
        return QRectF(r.x() * 0.5 + 3, r.y() * (2.0 / 3) + 7, r.width() * 0.5, r.height() * (2.0 / 3));
    };
    const AbacusGeometry g = layoutAbacus(design(true, true), toScreen);
    EXPECT_EQ(g.step, std::floor((std::round(1905 * 2.0 / 3 + 7) - std::round(1000 * 2.0 / 3 + 7)) / 9));
    for (int w = 0; w < WireCount; ++w)
        for (int i = 1; i < 9; ++i) {
            EXPECT_EQ(g.places[w][i].bottom(), g.places[w][i - 1].top());
            EXPECT_EQ(g.places[w][i].width(), g.places[w][i].height());
            EXPECT_EQ(g.places[w][i].top(), std::round(g.places[w][i].top()));
        }
    EXPECT_EQ(g.marker.y1(), g.places[2][4].top());
}
