// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/tables/Squares.h"
#include "exercises/tables/TableLayout.h"
#include "support/ScriptedRandom.h"

#include <gtest/gtest.h>

namespace {

using Shade = SquareColouring::Shade;

double fractionFor(int k, int n)
{
    return (k + 0.5) / n;
}

TEST(SquareColouring, UnitsAndTensFollowEachOtherInIndexOrder)
{
    SquareColouring s;
    for (int i = 0; i < 7; ++i)
        EXPECT_TRUE(s.addUnit());
    EXPECT_TRUE(s.addTen());
    EXPECT_EQ(s.filled(), 17);
    for (int i = 0; i < SquareColouring::Small; ++i)
        EXPECT_EQ(s.shade(i), i < 7 ? Shade::Unit : i < 17 ? Shade::Ten : Shade::Blank) << i;
}

TEST(SquareColouring, ATenOnlyWhileAtMost89AreColoured)
{
    struct Case { int filled; bool tenFits; };
    for (const Case c : {Case{80, true}, Case{89, true}, Case{90, false}, Case{91, false}, Case{95, false}}) {
        SquareColouring s;
        for (int i = 0; i < c.filled; ++i)
            s.addUnit();
        EXPECT_EQ(s.addTen(), c.tenFits) << c.filled;
        EXPECT_EQ(s.filled(), c.tenFits ? c.filled + 10 : c.filled) << c.filled;
    }

    SquareColouring s;
    for (int i = 0; i < 9; ++i)
        s.addTen();
    for (int i = 0; i < 5; ++i)
        s.addUnit();
    EXPECT_FALSE(s.addTen());  // 95 coloured
    for (int i = 0; i < 5; ++i)
        EXPECT_TRUE(s.addUnit());
    EXPECT_FALSE(s.addUnit());
    EXPECT_EQ(s.filled(), 100);
    EXPECT_EQ(s.shade(89), Shade::Ten);
    EXPECT_EQ(s.shade(90), Shade::Unit);
    EXPECT_EQ(s.shade(99), Shade::Unit);
}

TEST(SquareColouring, FourHundredsAtMostAndRestartClearsAll)
{
    SquareColouring five(4);
    for (int i = 0; i < 4; ++i)
        EXPECT_TRUE(five.addHundred());
    EXPECT_FALSE(five.addHundred());
    EXPECT_EQ(five.hundreds(), 4);
    EXPECT_TRUE(five.hundredColoured(3));
    five.addTen();
    five.addUnit();
    five.restart();
    EXPECT_EQ(five.filled(), 0);
    EXPECT_EQ(five.hundreds(), 0);
    EXPECT_FALSE(five.hundredColoured(0));
    EXPECT_EQ(five.shade(0), Shade::Blank);
    EXPECT_EQ(five.shade(10), Shade::Blank);
    EXPECT_TRUE(five.addTen());  // colouring starts again at square 0
    EXPECT_EQ(five.shade(0), Shade::Ten);

    SquareColouring hundred;
    EXPECT_FALSE(hundred.addHundred());
}

TEST(SquareSumProblem, HundredAsksZeroTo100)
{
    ScriptedRandom random{fractionFor(63, 101), 0.0, 0.999999};
    const SquareSumProblem p = SquareSumProblem::drawHundred(random);
    EXPECT_EQ(p.missing, 63);
    EXPECT_EQ(p.leftText(), QStringLiteral(" 37  +  "));
    EXPECT_EQ(p.rightText(), QStringLiteral(" = 100"));
    EXPECT_EQ(SquareSumProblem::drawHundred(random).leftText(), QStringLiteral(" 100  +  "));
    EXPECT_EQ(SquareSumProblem::drawHundred(random).leftText(), QStringLiteral(" 0  +  "));
}

TEST(SquareSumProblem, FiveHundredHasFourKindsOfDraw)
{
    struct Case { double kind, value; int missing; };
    for (const Case c : {Case{fractionFor(0, 4), fractionFor(437, 500), 437}, Case{fractionFor(0, 4), 0.0, 0},
                         Case{fractionFor(1, 4), 0.0, 100}, Case{fractionFor(1, 4), 0.999999, 500},
                         Case{fractionFor(2, 4), 0.0, 10}, Case{fractionFor(3, 4), fractionFor(23, 50), 240},
                         Case{fractionFor(3, 4), 0.999999, 500}}) {
        ScriptedRandom random{c.kind, c.value};
        const SquareSumProblem p = SquareSumProblem::drawFiveHundred(random);
        EXPECT_EQ(p.missing, c.missing) << c.kind << " " << c.value;
        EXPECT_EQ(p.total, 500);
        EXPECT_TRUE(random.empty());
    }
    EXPECT_EQ((SquareSumProblem{500, 500}).leftText(), QStringLiteral(" 0  +  "));
    EXPECT_EQ((SquareSumProblem{500, 60}).rightText(), QStringLiteral(" = 500"));
}

TEST(SquareSumProblem, OnlyTheDigitsOfTheAnswerCount)
{
    struct Case { int missing; const char* typed; bool right; };
    for (const Case c : {Case{63, "63", true}, Case{63, "6,3", true}, Case{63, "6.3", true},
                         Case{63, "36", false}, Case{63, "630", false}, Case{0, ",", true},
                         Case{0, "0", true}, Case{100, "100", true}, Case{100, "10,0", true},
                         Case{440, "4 4 0", true}, Case{440, "99999999999999999999999", false}})
        EXPECT_EQ((SquareSumProblem{100, c.missing}).isRight(QString::fromLatin1(c.typed)), c.right)
            << c.missing << " typed " << c.typed;
}

TEST(TableLayout, TheEquationRunsOnFromLabelToBoxToLabel)
{
    const EquationPlaces p = lineUpEquation({10, 50, 80, 30}, {500, 52, 60, 20}, {900, 50, 70, 34});
    EXPECT_EQ(p.left, QRect(10, 50, 80, 30));
    EXPECT_EQ(p.box, QRect(90, 52, 60, 34));
    EXPECT_EQ(p.right, QRect(150, 50, 70, 34));
}

} // namespace
