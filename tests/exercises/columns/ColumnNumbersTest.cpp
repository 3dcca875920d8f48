// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/columns/ColumnNumbers.h"
#include "exercises/columns/ColumnVariants.h"
#include "support/ScriptedRandom.h"

#include <gtest/gtest.h>
#include <functional>
#include <random>
#include <set>
#include <vector>

using namespace columns;

namespace {

// The fraction that makes floor(n r) come out as k.
double pick(int k, double n)
{
    return (k + 0.5) / n;
}

// A long, repeatable stream of fractions for properties over many problems.
class SeededRandom final : public RandomSource
{
public:
    explicit SeededRandom(unsigned seed) : engine_(seed) {}
    double fraction() override { return std::uniform_real_distribution<double>(0.0, 1.0)(engine_); }
    void reseedFromClock() override {}

private:
    std::mt19937_64 engine_;
};

// The exchanges a child makes working the problem on paper.
int additionExchanges(const ColumnNumbers& n)
{
    const Digits a = digitsOf(n.top), b = digitsOf(n.bottom);
    const int unitsCarry = a[Units] + b[Units] >= 10 ? 1 : 0;
    const int tensCarry = a[Tens] + b[Tens] + unitsCarry >= 10 ? 1 : 0;
    return unitsCarry + tensCarry;
}

int subtractionExchanges(const ColumnNumbers& n)
{
    const Digits m = digitsOf(n.top), s = digitsOf(n.bottom);
    const int unitsBorrow = m[Units] < s[Units] ? 1 : 0;
    const int tensBorrow = m[Tens] - unitsBorrow < s[Tens] ? 1 : 0;
    return unitsBorrow + tensBorrow;
}

struct Draw
{
    ColumnGenerator generate;
    std::vector<double> fractions;
    ColumnNumbers expected;
};

} // namespace

TEST(ColumnNumbers, DigitsAndTheirCount)
{
    EXPECT_EQ(digitsOf(305), (Digits{3, 0, 5}));
    EXPECT_EQ(valueOf({3, 0, 5}), 305);
    EXPECT_EQ(digitCount(digitsOf(305)), 3);
    EXPECT_EQ(digitCount(digitsOf(40)), 2);
    EXPECT_EQ(digitCount(digitsOf(7)), 1);
    EXPECT_EQ(digitCount(digitsOf(0)), 1);
}

// Each generator draws exactly the fractions its rule names, in that order,
// including the redraws.
TEST(ColumnNumbers, EachGeneratorDrawsInItsOrderAndRedraws)
{
    const std::vector<Draw> draws = {
        // FormCola: per column units, tens, hundreds: result r, then the
        // upper digit floor(r x).
        {additionWithoutExchanges, {pick(7, 10), pick(3, 7), pick(0, 10), 0.9, pick(4, 10), pick(1, 4)}, {103, 304}},
        // ... and again while the upper number is 0.
        {additionWithoutExchanges,
         {pick(5, 10), 0.0, pick(0, 10), 0.5, pick(0, 10), 0.5,
          pick(2, 10), pick(1, 2), pick(0, 10), 0.5, pick(0, 10), 0.5},
         {1, 1}},
        // FormColb: total 125, upper 57; a total whose upper part takes it all
        // leaves 0 below and is drawn again.
        {additionAnyExchanges, {pick(105, 979), pick(56, 125)}, {57, 68}},
        {additionAnyExchanges, {0.0, pick(19, 20), pick(105, 979), pick(56, 125)}, {57, 68}},
        // FormColc, k = 0: hundreds sum 3 split 1 + 2, tens 4 and 2 (too
        // small, drawn again as 6 and 7), units sum 5 split 5 + 0.
        {additionOneExchange,
         {pick(0, 2), pick(3, 9), pick(1, 4), pick(4, 10), pick(2, 10), pick(5, 10), pick(5, 6),
          pick(6, 10), pick(7, 10)},
         {165, 270}},
        // FormColc, k = 1: hundreds sum 9 split 9 + 0, tens sum 8 split 0 + 8,
        // units 3 and 4 (too small), then 9 and 1.
        {additionOneExchange,
         {pick(1, 2), pick(9, 10), pick(9, 10), pick(8, 9), pick(0, 9), pick(3, 10), pick(4, 10),
          pick(9, 10), pick(1, 10)},
         {909, 81}},
        // FormColD: hundreds sum 2 split 0 + 2, tens 5 and 5, units 1 and 2;
        // the units fail, so units 8 and 3, then tens 6 and 4.
        {additionTwoExchanges,
         {pick(2, 9), pick(0, 3), pick(5, 10), pick(5, 10), pick(1, 10), pick(2, 10), pick(8, 10),
          pick(3, 10), pick(6, 10), pick(4, 10)},
         {68, 243}},
        // Form33: minuend digit m, subtrahend digit floor(m x), units first.
        {subtractionWithoutExchanges, {pick(5, 10), pick(2, 5), pick(0, 10), 0.5, pick(3, 10), pick(1, 3)}, {305, 102}},
        // Form34: 352 - 148; equal numbers are drawn again.
        {subtractionAnyExchanges, {pick(0, 979), pick(19, 20), pick(332, 979), pick(147, 352)}, {352, 148}},
        // Form36: 352 - 158 (units borrow, tens digits equal) is drawn
        // again; 352 - 148 (units borrow, tens 5 above 4) is kept.
        {subtractionOneExchange, {pick(332, 979), pick(157, 352), pick(332, 979), pick(147, 352)}, {352, 148}},
        // Form37: 352 - 148 (tens greater) drawn again, 352 - 158 kept.
        {subtractionTwoExchanges, {pick(332, 979), pick(147, 352), pick(332, 979), pick(157, 352)}, {352, 158}},
    };
    for (std::size_t i = 0; i < draws.size(); ++i) {
        SCOPED_TRACE(testing::Message() << "draw " << i);
        ScriptedRandom random;
        for (double f : draws[i].fractions)
            random.push(f);
        const ColumnNumbers n = draws[i].generate(random);
        EXPECT_EQ(n.top, draws[i].expected.top);
        EXPECT_EQ(n.bottom, draws[i].expected.bottom);
        EXPECT_EQ(random.remaining(), 0u) << "drew fewer fractions than scripted";
    }
}

// What each screen promises about its problems, over many random draws.
TEST(ColumnNumbers, EveryScreenKeepsItsPromiseAboutExchanges)
{
    struct Promise
    {
        const char* screen;
        std::set<int> exchanges; // the counts that must all occur, and no other
        std::function<void(const ColumnNumbers&)> also;
    };
    const std::vector<Promise> promises = {
        {"FormCola", {0}, [](const ColumnNumbers& n) {
             // A column whose result is r > 0 has an upper digit below r, so
             // the lower digit is never 0 there: 5 is never 5 + 0.
             const Digits a = digitsOf(n.top), b = digitsOf(n.bottom);
             for (Place p : Places)
                 if (a[p] + b[p] > 0)
                     EXPECT_LT(a[p], a[p] + b[p]) << n.top << " + " << n.bottom;
         }},
        {"FormColc", {1}, {}},
        {"FormColD", {2}, {}},
        {"FormColb", {0, 1, 2}, [](const ColumnNumbers& n) {
             EXPECT_GE(n.top + n.bottom, 20);
         }},
        {"Form33", {0}, [](const ColumnNumbers& n) {
             const Digits m = digitsOf(n.top), d = digitsOf(n.top - n.bottom);
             for (Place p : Places)
                 if (d[p] == 0)
                     EXPECT_EQ(m[p], 0) << n.top << " - " << n.bottom;
         }},
        {"Form36", {1}, [](const ColumnNumbers& n) {
             // A units exchange never comes with equal tens digits.
             if (digitsOf(n.top)[Units] < digitsOf(n.bottom)[Units])
                 EXPECT_NE(digitsOf(n.top)[Tens], digitsOf(n.bottom)[Tens]);
         }},
        {"Form37", {2}, {}},
        {"Form34", {0, 1, 2}, [](const ColumnNumbers& n) { EXPECT_LE(n.top, 998); }},
    };
    for (const Promise& promise : promises) {
        SCOPED_TRACE(promise.screen);
        const ColumnVariant* v = columnVariant(QString::fromLatin1(promise.screen));
        ASSERT_NE(v, nullptr);
        const bool adding = v->rules.operation == Operation::Addition;
        SeededRandom random(2024);
        std::set<int> seen;
        for (int i = 0; i < 3000; ++i) {
            const ColumnNumbers n = v->generate(random);
            ASSERT_GE(n.bottom, 1) << n.top << " " << n.bottom;
            if (adding) {
                ASSERT_GE(n.top, 1);
                ASSERT_LE(n.top + n.bottom, 999) << n.top << " + " << n.bottom;
            } else {
                ASSERT_GT(n.top, n.bottom);
                ASSERT_LE(n.top, 999);
            }
            const int exchanges = adding ? additionExchanges(n) : subtractionExchanges(n);
            ASSERT_TRUE(promise.exchanges.count(exchanges))
                << n.top << (adding ? " + " : " - ") << n.bottom << " has " << exchanges << " exchanges";
            seen.insert(exchanges);
            if (promise.also)
                promise.also(n);
        }
        EXPECT_EQ(seen, promise.exchanges);
    }
}

// FormColc never puts both exchanges in one problem, and over many problems
// both kinds (units, tens) come up.
TEST(ColumnNumbers, OneExchangeAdditionsComeInBothColumns)
{
    SeededRandom random(7);
    int inUnits = 0, inTens = 0;
    for (int i = 0; i < 2000; ++i) {
        const ColumnNumbers n = additionOneExchange(random);
        const Digits a = digitsOf(n.top), b = digitsOf(n.bottom);
        const bool units = a[Units] + b[Units] >= 10;
        const bool tens = a[Tens] + b[Tens] >= 10;
        ASSERT_FALSE(units && tens) << n.top << " + " << n.bottom;
        inUnits += units;
        inTens += tens;
    }
    EXPECT_GT(inUnits, 500);
    EXPECT_GT(inTens, 500);
}
