// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/abacus/AbacusProblems.h"
#include "support/ScriptedRandom.h"

#include <gtest/gtest.h>
#include <algorithm>
#include <random>
#include <set>

using namespace abacus;

namespace {

// The fraction that makes floor(n r) come out as k.
double pick(int k, double n)
{
    return (k + 0.5) / n;
}

// A long run of varied fractions, the same for every run of the tests.
ScriptedRandom manyDraws(int count, unsigned seed)
{
    ScriptedRandom random;
    std::mt19937 generator(seed);
    std::uniform_real_distribution<double> fraction(0.0, 1.0);
    for (int i = 0; i < count; ++i)
        random.push(fraction(generator));
    random.setFallback(0.5);
    return random;
}

int hundreds(int n)
{
    return n / 100;
}
int tens(int n)
{
    return n / 10 % 10;
}
int units(int n)
{
    return n % 10;
}

} // namespace

TEST(AbacusProblems, NumbersToBuildAndToReadStayInTheirRanges)
{
    ScriptedRandom random{0.0, 0.999999, 0.0, 0.999999};
    EXPECT_EQ(drawNumberToBuild(random, 199), 1);
    EXPECT_EQ(drawNumberToBuild(random, 199), 199);
    EXPECT_EQ(drawNumberToRead(random, 199), 0);
    EXPECT_EQ(drawNumberToRead(random, 199), 198);
}

TEST(AbacusProblems, AdditionsDrawTheirDigitsInOrder)
{
    struct Case
    {
        AdditionKind kind;
        std::vector<double> fractions;
        TwoNumbers expected;
    };
    const std::vector<Case> cases = {
        // S and its split per column: hundreds 5 = 3 + 2, tens 0, units 9 = 0 + 9.
        {AdditionKind::NoExchange, {pick(5, 10), pick(3, 6), pick(0, 10), pick(0, 1), pick(9, 10), pick(0, 10)},
         {300, 209}},
        // k = 0, tens: hundreds 8 = 1 + 7, tens 4 and 5 (redrawn to 7 and 6),
        // units 3 = 3 + 0.
        {AdditionKind::OneExchange,
         {pick(0, 2), pick(8, 9), pick(1, 9), pick(4, 10), pick(5, 10), pick(3, 10), pick(3, 4), pick(7, 10),
          pick(6, 10)},
         {173, 760}},
        // k = 1, units: hundreds 9 = 9 + 0, tens 8 = 2 + 6, units 5 and 5.
        {AdditionKind::OneExchange,
         {pick(1, 2), pick(9, 10), pick(9, 10), pick(8, 9), pick(2, 9), pick(5, 10), pick(5, 10)},
         {925, 65}},
        // Hundreds 0; a first draw with tens 1 + 9 but units 2 + 3 is
        // redrawn as a whole.
        {AdditionKind::TwoExchanges,
         {pick(0, 9), pick(0, 1), pick(1, 10), pick(9, 10), pick(2, 10), pick(3, 10), pick(5, 10), pick(8, 10),
          pick(7, 10), pick(6, 10)},
         {57, 86}},
        {AdditionKind::Any, {pick(2, 9), pick(1, 3), pick(0, 10), pick(0, 10), pick(0, 10), pick(0, 10)}, {100, 100}},
    };
    for (const Case& c : cases) {
        ScriptedRandom random;
        for (double f : c.fractions)
            random.push(f);
        EXPECT_EQ(drawAddition(c.kind, random), c.expected) << static_cast<int>(c.kind);
        EXPECT_TRUE(random.empty()) << static_cast<int>(c.kind);
    }
}

TEST(AbacusProblems, EveryAdditionKindKeepsItsPromise)
{
    struct Case
    {
        AdditionKind kind;
        std::vector<int> exchanges;   // the allowed numbers of exchanges
        int largestSum;
    };
    for (const Case& c : {Case{AdditionKind::NoExchange, {0}, 999}, Case{AdditionKind::OneExchange, {1}, 998},
                          Case{AdditionKind::TwoExchanges, {2}, 998}, Case{AdditionKind::Any, {0, 1, 2}, 998}}) {
        ScriptedRandom random = manyDraws(40000, 7 + static_cast<unsigned>(c.kind));
        std::set<int> seen;
        for (int i = 0; i < 1000; ++i) {
            const TwoNumbers p = drawAddition(c.kind, random);
            const int x = additionExchanges(p.a, p.b);
            seen.insert(x);
            ASSERT_NE(std::find(c.exchanges.begin(), c.exchanges.end(), x), c.exchanges.end())
                << p.a << " + " << p.b;
            ASSERT_LE(p.a + p.b, c.largestSum) << p.a << " + " << p.b;
            ASSERT_GE(std::min(p.a, p.b), 0);
            if (c.kind == AdditionKind::NoExchange) {
                ASSERT_LE(hundreds(p.a) + hundreds(p.b), 9);
                ASSERT_LE(tens(p.a) + tens(p.b), 9);
                ASSERT_LE(units(p.a) + units(p.b), 9);
            } else if (c.kind != AdditionKind::OneExchange || tens(p.a) + tens(p.b) >= 10) {
                // Room on the hundreds wire for the hundred the tens bring.
                ASSERT_LE(hundreds(p.a) + hundreds(p.b), 8) << p.a << " + " << p.b;
            } else {
                // An exchange in the units: the tens stay below ten with it.
                ASSERT_LE(tens(p.a) + tens(p.b), 8) << p.a << " + " << p.b;
            }
        }
        EXPECT_EQ(seen.size(), c.exchanges.size()) << static_cast<int>(c.kind);
    }
    // 58 + 67 needs two exchanges: the one-exchange screen never poses it.
    EXPECT_EQ(additionExchanges(58, 67), 2);
    EXPECT_EQ(additionExchanges(55, 45), 2);   // the carry makes the tens ten
    EXPECT_EQ(additionExchanges(352, 147), 0);
}

TEST(AbacusProblems, SubtractionsAcceptTheirWorkedExamples)
{
    struct Case
    {
        int m, r;
        bool none, one, some;
    };
    for (const Case& c : {Case{52, 27, false, true, true}, Case{352, 171, false, true, true},
                          Case{352, 178, false, false, true}, Case{352, 121, true, false, false},
                          Case{305, 127, false, false, true}, Case{40, 17, false, true, true},
                          Case{315, 118, false, false, true}}) {
        EXPECT_EQ(acceptsSubtraction(SubtractionKind::NoExchange, c.m, c.r), c.none) << c.m << " - " << c.r;
        EXPECT_EQ(acceptsSubtraction(SubtractionKind::OneExchange, c.m, c.r), c.one) << c.m << " - " << c.r;
        EXPECT_EQ(acceptsSubtraction(SubtractionKind::SomeExchange, c.m, c.r), c.some) << c.m << " - " << c.r;
        EXPECT_TRUE(acceptsSubtraction(SubtractionKind::Any, c.m, c.r));
    }
    EXPECT_EQ(subtractionExchanges(305, 127), 2);
    EXPECT_EQ(subtractionExchanges(352, 171), 1);
    EXPECT_EQ(subtractionExchanges(40, 17), 1);
    EXPECT_EQ(subtractionExchanges(315, 118), 2);
}

TEST(AbacusProblems, SubtractionsRedrawBothNumbersUntilAccepted)
{
    // 352 - 121 (no exchange) is refused on the one-exchange screen; then
    // M = 52, D = 25 gives 52 - 27.
    ScriptedRandom random{pick(351, 999), pick(231, 352), pick(51, 999), pick(25, 52)};
    EXPECT_EQ(drawSubtraction(SubtractionKind::OneExchange, random), (TwoNumbers{52, 27}));
    EXPECT_TRUE(random.empty());

    for (SubtractionKind kind : {SubtractionKind::NoExchange, SubtractionKind::OneExchange,
                                 SubtractionKind::SomeExchange, SubtractionKind::Any}) {
        ScriptedRandom many = manyDraws(30000, 11 + static_cast<unsigned>(kind));
        std::set<int> seen;
        for (int i = 0; i < 1000; ++i) {
            const TwoNumbers p = drawSubtraction(kind, many);
            ASSERT_GE(p.b, 1);
            ASSERT_LE(p.b, p.a);
            ASSERT_LE(p.a, 999);
            ASSERT_TRUE(acceptsSubtraction(kind, p.a, p.b));
            seen.insert(subtractionExchanges(p.a, p.b));
        }
        const std::set<int> expected = kind == SubtractionKind::NoExchange    ? std::set<int>{0}
                                       : kind == SubtractionKind::OneExchange ? std::set<int>{1}
                                       : kind == SubtractionKind::SomeExchange ? std::set<int>{1, 2}
                                                                               : std::set<int>{0, 1, 2};
        EXPECT_EQ(seen, expected) << static_cast<int>(kind);
    }
}

TEST(AbacusProblems, ProblemTextsAndTypedAnswers)
{
    EXPECT_EQ(additionText({352, 147}), QStringLiteral(" 352 +  147 = "));
    EXPECT_EQ(subtractionText({352, 127}), QStringLiteral(" 352 -  127 = "));
    EXPECT_EQ(additionText({0, 0}), QStringLiteral(" 0 +  0 = "));

    struct Case
    {
        const char* typed;
        int expected;
        bool right;
    };
    for (const Case& c : {Case{" 499", 499, true}, Case{"499abc", 499, true}, Case{"4 99", 499, true},
                          Case{"12,5", 12, true}, Case{"12.5", 12, false}, Case{"abc", 0, true},
                          Case{"045", 45, true}, Case{"-3", 3, false}, Case{"1e3", 999, false}}) {
        EXPECT_EQ(isRightNumber(QString::fromUtf8(c.typed), c.expected), c.right) << c.typed;
    }
}
