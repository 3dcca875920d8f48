// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/abacus/AbacusModel.h"

#include <gtest/gtest.h>

using namespace abacus;

namespace {

// The places shown on one wire of a frame, as "0123..." from the foot up.
std::string shown(const Visibility& v, Wire w)
{
    std::string s;
    for (int i = 0; i < MaxPlaces; ++i)
        if (v[indexOf(w)] & (quint32(1) << i))
            s += (i < 10 ? char('0' + i) : char('a' + i - 10));
    return s;
}

AbacusModel withCounts(Limits limits, int h, int da, int u)
{
    AbacusModel m(limits);
    for (int i = 0; i < h; ++i)
        m.addBead(Wire::Hundreds);
    for (int i = 0; i < da; ++i)
        m.addBead(Wire::Tens);
    for (int i = 0; i < u; ++i)
        m.addBead(Wire::Units);
    EXPECT_EQ(m.counts(), (Counts{h, da, u})) << "fixture beyond the click limits";
    return m;
}

} // namespace

TEST(AbacusModel, AddAndRemoveStopAtTheLimits)
{
    struct Case
    {
        const char* screen;
        Limits limits;
        Counts most;
    };
    for (const Case& c : {Case{"build", buildLimits(), {9, 9, 9}}, Case{"read", readLimits(), {0, 0, 0}},
                          Case{"no exchange", exchangeHiddenLimits(), {9, 9, 9}},
                          Case{"exchange", exchangeLimits(), {9, 19, 19}}}) {
        AbacusModel m(c.limits);
        for (Wire w : AllWires) {
            EXPECT_FALSE(m.removeBead(w)) << c.screen;
            for (int i = 0; i < 25; ++i)
                m.addBead(w);
            EXPECT_FALSE(m.addBead(w)) << c.screen;
        }
        EXPECT_EQ(m.counts(), c.most) << c.screen;
        EXPECT_EQ(m.value(), 100 * c.most[0] + 10 * c.most[1] + c.most[2]) << c.screen;
        EXPECT_TRUE(m.removeBead(Wire::Hundreds) || c.most[0] == 0) << c.screen;
        m.clear();
        EXPECT_EQ(m.counts(), (Counts{0, 0, 0})) << c.screen;
        EXPECT_EQ(m.visibility(), (Visibility{0, 0, 0})) << c.screen;
    }
}

TEST(AbacusModel, ShowNumberPutsTheDigitsOnTheWires)
{
    AbacusModel m(readLimits());
    m.showNumber(305);
    EXPECT_EQ(m.counts(), (Counts{3, 0, 5}));
    EXPECT_EQ(shown(m.visibility(), Wire::Hundreds), "012");
    EXPECT_EQ(shown(m.visibility(), Wire::Units), "01234");
    m.showNumber(0);
    EXPECT_EQ(m.value(), 0);
    m.showNumber(999);
    EXPECT_EQ(m.value(), 999);
    // Nothing outside 0..999 can overfill a wire.
    m.showNumber(4321);
    EXPECT_EQ(m.counts(), (Counts{9, 9, 9}));
    m.showNumber(-5);
    EXPECT_EQ(m.counts(), (Counts{0, 0, 0}));
}

TEST(AbacusModel, ExchangeUpBlinksTheTopTenAwayThenFlashesTheNewBead)
{
    AbacusModel m = withCounts(exchangeLimits(), 0, 3, 12);
    const Exchange e = m.exchangeUp(Wire::Units);
    ASSERT_EQ(e.result, ExchangeResult::Done);
    EXPECT_EQ(m.counts(), (Counts{0, 4, 2}));

    ASSERT_EQ(e.frames.size(), 13u);
    for (int pass = 0; pass < 9; ++pass) {
        // Places 2..11 blink; the two beads below them stay.
        EXPECT_EQ(shown(e.frames[pass], Wire::Units), pass % 2 == 0 ? "01" : "0123456789ab") << pass;
        EXPECT_EQ(shown(e.frames[pass], Wire::Tens), "012") << pass;
    }
    for (int pass = 9; pass < 13; ++pass) {
        EXPECT_EQ(shown(e.frames[pass], Wire::Units), "01") << pass;
        EXPECT_EQ(shown(e.frames[pass], Wire::Tens), pass % 2 == 1 ? "0123" : "012") << pass;
    }
    EXPECT_EQ(shown(m.visibility(), Wire::Tens), "0123");
}

TEST(AbacusModel, ExchangeUpIsRefusedBelowTenAndIgnoredWhenTheLeftWireIsFull)
{
    AbacusModel nine = withCounts(exchangeLimits(), 0, 0, 9);
    EXPECT_EQ(nine.exchangeUp(Wire::Units).result, ExchangeResult::Refused);
    EXPECT_EQ(nine.counts(), (Counts{0, 0, 9}));

    AbacusModel ten = withCounts(exchangeLimits(), 0, 0, 10);
    EXPECT_EQ(ten.exchangeUp(Wire::Units).result, ExchangeResult::Done);
    EXPECT_EQ(ten.counts(), (Counts{0, 1, 0}));

    // A full left wire wins over everything, even a refusal.
    for (int units : {3, 12}) {
        AbacusModel fullHundreds = withCounts(exchangeLimits(), 9, 15, units);
        const Exchange e = fullHundreds.exchangeUp(Wire::Tens);
        EXPECT_EQ(e.result, ExchangeResult::Ignored);
        EXPECT_TRUE(e.frames.empty());
        AbacusModel fullTens = withCounts(exchangeLimits(), 0, 19, units);
        EXPECT_EQ(fullTens.exchangeUp(Wire::Units).result, ExchangeResult::Ignored);
        EXPECT_EQ(fullTens.counts(), (Counts{0, 19, units}));
    }
    AbacusModel tensUp = withCounts(exchangeLimits(), 8, 10, 0);
    EXPECT_EQ(tensUp.exchangeUp(Wire::Tens).result, ExchangeResult::Done);
    EXPECT_EQ(tensUp.counts(), (Counts{9, 0, 0}));
}

TEST(AbacusModel, ExchangeDownTurnsOneBeadIntoTenOnTheRight)
{
    AbacusModel m = withCounts(exchangeLimits(), 0, 1, 9);
    const Exchange e = m.exchangeDown(Wire::Tens);
    ASSERT_EQ(e.result, ExchangeResult::Done);
    EXPECT_EQ(m.counts(), (Counts{0, 0, 19}));

    ASSERT_EQ(e.frames.size(), 18u);
    for (int pass = 0; pass < 9; ++pass) {
        EXPECT_EQ(shown(e.frames[pass], Wire::Tens), pass % 2 == 0 ? "" : "0") << pass;
        EXPECT_EQ(shown(e.frames[pass], Wire::Units), "012345678") << pass;
    }
    for (int pass = 9; pass < 18; ++pass) {
        EXPECT_EQ(shown(e.frames[pass], Wire::Tens), "") << pass;
        EXPECT_EQ(shown(e.frames[pass], Wire::Units), pass % 2 == 1 ? "0123456789abcdefghi" : "012345678")
            << pass;
    }
    // At the click limit of 19 "+ u" does nothing, "- u" takes one off.
    EXPECT_FALSE(m.addBead(Wire::Units));
    EXPECT_TRUE(m.removeBead(Wire::Units));
    EXPECT_EQ(m.count(Wire::Units), 18);

    AbacusModel hundreds = withCounts(exchangeLimits(), 3, 0, 0);
    EXPECT_EQ(hundreds.exchangeDown(Wire::Hundreds).result, ExchangeResult::Done);
    EXPECT_EQ(hundreds.counts(), (Counts{2, 10, 0}));
}

TEST(AbacusModel, ExchangeDownIsRefusedWithTenOnTheRightOrNothingToChange)
{
    struct Case
    {
        Counts before;
        Wire source;
    };
    for (const Case& c : {Case{{0, 2, 12}, Wire::Tens}, Case{{0, 2, 10}, Wire::Tens}, Case{{0, 0, 3}, Wire::Tens},
                          Case{{0, 10, 0}, Wire::Hundreds}, Case{{0, 4, 0}, Wire::Hundreds}}) {
        AbacusModel m = withCounts(exchangeLimits(), c.before[0], c.before[1], c.before[2]);
        const Exchange e = m.exchangeDown(c.source);
        EXPECT_EQ(e.result, ExchangeResult::Refused) << c.before[0] << c.before[1] << c.before[2];
        EXPECT_TRUE(e.frames.empty());
        EXPECT_EQ(m.counts(), c.before);
    }
}

TEST(AbacusModel, LightShadeFromTheTenthBeadOfALongWire)
{
    EXPECT_EQ(beadShade(Wire::Hundreds, 8), 0x008000u);
    EXPECT_EQ(beadShade(Wire::Tens, 8), 0xFF0000u);
    EXPECT_EQ(beadShade(Wire::Tens, 9), 0xFF8080u);
    EXPECT_EQ(beadShade(Wire::Units, 0), 0x0000FFu);
    EXPECT_EQ(beadShade(Wire::Units, 18), 0x8080FFu);
}
