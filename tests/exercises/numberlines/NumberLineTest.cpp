// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/numberlines/NumberLine.h"
#include "exercises/numberlines/NumberLineLayout.h"
#include "support/ScriptedRandom.h"

#include <gtest/gtest.h>
#include <random>
#include <set>

namespace {

// The fraction that floor(n r) turns into k.
double pick(int k, int n)
{
    return (k + 0.5) / n;
}
double unitsStart(int start) { return pick(start / 10 - 1, 90); }  // 10..900
double tensStart(int start) { return pick(start - 1, 89); }        // 1..89
double tick(int i) { return pick(i, NumberLine::TickCount); }

std::vector<int> labelledValues(const NumberLine& line)
{
    std::vector<int> values;
    for (int i = 0; i < NumberLine::TickCount; ++i)
        if (line.labelShown(i))
            values.push_back(line.tickValue(i));
    return values;
}

TEST(NumberLine, UnitsLineFrom900)
{
    ScriptedRandom random{unitsStart(900), tick(7)};
    NumberLine line(Graduation::Units);
    line.newLine(random);
    EXPECT_FALSE(line.tensGraduation());
    EXPECT_EQ(line.startValue(), 900);
    EXPECT_EQ(labelledValues(line), (std::vector<int>{900, 910, 920}));
    EXPECT_EQ(line.askedTick(), 7);
    EXPECT_EQ(line.expected(), 907);
    EXPECT_TRUE(random.empty());
}

TEST(NumberLine, TensLineFrom89)
{
    ScriptedRandom random{tensStart(89), tick(13)};
    NumberLine line(Graduation::Tens);
    line.newLine(random);
    EXPECT_TRUE(line.tensGraduation());
    EXPECT_EQ(line.startValue(), 89);
    EXPECT_EQ(labelledValues(line), (std::vector<int>{890, 990, 1090}));
    EXPECT_EQ(line.expected(), 1020);
}

TEST(NumberLine, StartsCoverTheirWholeRange)
{
    struct Case { Graduation g; double fraction; int first; int last; };
    for (const Case c : {Case{Graduation::Units, 0.0, 10, 30}, Case{Graduation::Units, 0.99999, 900, 920},
                         Case{Graduation::Tens, 0.0, 10, 210}, Case{Graduation::Tens, 0.99999, 890, 1090}}) {
        ScriptedRandom random{c.fraction, tick(1)};
        NumberLine line(c.g);
        line.newLine(random);
        EXPECT_EQ(line.tickValue(0), c.first) << c.fraction;
        EXPECT_EQ(line.tickValue(20), c.last) << c.fraction;
    }
}

TEST(NumberLine, MixedDrawsTheGraduationFirstWithEveryLine)
{
    // t = floor(2r) + 1: 1 is tens, 2 is units.
    ScriptedRandom random{0.25, tensStart(5), tick(3), 0.75, unitsStart(40), tick(4)};
    NumberLine line(Graduation::Mixed);
    line.newLine(random);
    EXPECT_TRUE(line.tensGraduation());
    EXPECT_EQ(line.expected(), 80);
    line.newLine(random);
    EXPECT_FALSE(line.tensGraduation());
    EXPECT_EQ(line.expected(), 44);
    EXPECT_TRUE(random.empty());
}

TEST(NumberLine, RedTicksAreDrawnAgain)
{
    // 0, 10 and 20 are numbered; 7 is asked first, answered, then drawn again.
    ScriptedRandom random{unitsStart(100), tick(0), tick(10), tick(20), tick(7), tick(7), tick(20), tick(8)};
    NumberLine line(Graduation::Units);
    line.newLine(random);
    EXPECT_EQ(line.askedTick(), 7);
    EXPECT_EQ(line.answer(107, random), NumberLine::Result::NextTick);
    EXPECT_EQ(line.askedTick(), 8);
    EXPECT_EQ(line.tick(7), NumberLine::Tick::Answered);
    EXPECT_EQ(line.tick(8), NumberLine::Tick::Asked);
    EXPECT_TRUE(random.empty());
}

TEST(NumberLine, WrongAnswersChangeNothing)
{
    ScriptedRandom random{unitsStart(900), tick(7)};
    NumberLine line(Graduation::Units);
    line.newLine(random);
    for (double v : {906.0, 0.0, 97.0, 9070.0, 907.5})
        EXPECT_EQ(line.answer(v, random), NumberLine::Result::Wrong) << v;
    EXPECT_EQ(line.askedTick(), 7);
    EXPECT_EQ(line.answeredOnLine(), 0);
    EXPECT_FALSE(line.labelShown(7));
    EXPECT_TRUE(line.isRed(7));
}

TEST(NumberLine, FiveRightAnswersThenANewLine)
{
    ScriptedRandom random{tensStart(30), tick(1), tick(2), tick(3), tick(4), tick(5), tensStart(60), tick(19)};
    NumberLine line(Graduation::Tens);
    line.newLine(random);
    for (int i = 1; i <= 4; ++i) {
        EXPECT_EQ(line.answer(line.expected(), random), NumberLine::Result::NextTick);
        EXPECT_EQ(line.answeredOnLine(), i);
        EXPECT_TRUE(line.labelShown(i));
    }
    EXPECT_EQ(line.answer(350, random), NumberLine::Result::NewLine);
    EXPECT_EQ(line.startValue(), 60);
    EXPECT_EQ(line.answeredOnLine(), 0);
    EXPECT_EQ(line.askedTick(), 19);
    EXPECT_EQ(labelledValues(line), (std::vector<int>{600, 700, 800}));
    for (int i = 1; i <= 5; ++i)
        EXPECT_FALSE(line.isRed(i)) << i;
}

TEST(NumberLine, NoTickIsAskedTwiceOnALineNorANumberedOne)
{
    std::mt19937 generator(7);
    std::uniform_real_distribution<double> fraction(0.0, 1.0);
    ScriptedRandom random;
    for (int i = 0; i < 200000; ++i)
        random.push(fraction(generator));
    for (Graduation g : {Graduation::Units, Graduation::Tens, Graduation::Mixed}) {
        NumberLine line(g);
        line.newLine(random);
        std::set<int> askedOnLine;
        for (int answer = 0; answer < 2000; ++answer) {
            const int asked = line.askedTick();
            ASSERT_GE(asked, 0);
            ASSERT_LT(asked, NumberLine::TickCount);
            EXPECT_FALSE(NumberLine::isNumbered(asked));
            EXPECT_TRUE(askedOnLine.insert(asked).second) << "tick " << asked << " asked twice";
            const int v = line.tickValue(asked);
            EXPECT_GE(v, 10);
            EXPECT_LE(v, 1090);
            if (line.answer(v, random) == NumberLine::Result::NewLine)
                askedOnLine.clear();
        }
    }
}

TEST(NumberLine, ASourceStuckOnRedTicksDoesNotHang)
{
    ScriptedRandom random{unitsStart(50)};
    random.setFallback(tick(10));
    NumberLine line(Graduation::Units);
    line.newLine(random);
    EXPECT_EQ(line.askedTick(), 1);
    EXPECT_EQ(line.answer(51, random), NumberLine::Result::NextTick);
    EXPECT_EQ(line.askedTick(), 2);
}

TEST(NumberLineLayout, TicksAndLabelsStandOnTheDesignPlaces)
{
    namespace L = numberline_layout;
    EXPECT_EQ(L::tick(0), QLineF(525, 3360, 525, 3885));
    EXPECT_EQ(L::tick(7), QLineF(3465, 3570, 3465, 3885));
    EXPECT_EQ(L::tick(20), QLineF(8925, 3360, 8925, 3885));
    EXPECT_EQ(L::label(10, {400, 420}), QRectF(4525, 2835, 400, 420));
    EXPECT_EQ(L::label(3, {300, 280}), QRectF(1635, 3255, 300, 280));
}

} // namespace
