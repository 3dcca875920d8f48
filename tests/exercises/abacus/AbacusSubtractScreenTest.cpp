// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/abacus/AbacusSubtractScreen.h"
#include "exercises/abacus/AbacusScreenFixture.h"

using namespace abacustest;

namespace {

// M = floor(999 r) + 1, D = floor(M r): the subtraction M - (M - D).
void openOn(TestApp& t, const char* screen, int minuend, int subtrahend)
{
    t.random.setFallback(0.0);
    t.random.push({0.3, pick(minuend - 1, 999), pick(minuend - subtrahend, minuend)});
    t.open(QString::fromLatin1(screen));
}

} // namespace

TEST(AbacusSubtractScreen, BothExchangesThenTheDifference)
{
    TestApp t;
    t.app.state.soundsOn = false;
    openOn(t, "Form999d2", 305, 127);
    EXPECT_EQ(textOf(t, "EtichettaNumero"), QStringLiteral(" 305 -  127 = "));
    clicks(t, "Bot_h", 3);
    clicks(t, "Bot_u", 5);

    // No tens to change yet: refused, with the beep even with sounds off.
    t.click(QStringLiteral("BottoneCambio"));
    EXPECT_EQ(textOf(t, "EtichettaErrati"), QStringLiteral(" 1"));
    EXPECT_EQ(t.player.beeps, 1);
    EXPECT_TRUE(enabled(t, "BottoneCambio"));

    // A hundred becomes ten tens: the top hundred blinks away, then the ten
    // new tens blink in.
    t.click(QStringLiteral("BottoneCambio2"));
    for (const char* name : {"Bot_u", "Command3", "BottoneCambio", "Bot_ricomincia", "Text1"})
        EXPECT_FALSE(enabled(t, name)) << name;
    for (int pass = 0; pass < 18; ++pass) {
        if (pass < 9) {
            EXPECT_EQ(shownPlaces(t, "pal_h"), pass % 2 == 0 ? "01" : "012") << pass;
            EXPECT_EQ(shownPlaces(t, "pal_da"), "") << pass;
        } else {
            EXPECT_EQ(shownPlaces(t, "pal_h"), "01") << pass;
            EXPECT_EQ(shownPlaces(t, "pal_da"), pass % 2 == 1 ? "0123456789" : "") << pass;
        }
        t.clock.advance(0.3);
    }
    EXPECT_EQ(shownPlaces(t, "pal_da"), "0123456789");
    EXPECT_FALSE(enabled(t, "BottoneCambio2"));
    EXPECT_TRUE(enabled(t, "BottoneCambio"));

    t.click(QStringLiteral("BottoneCambio"));
    t.clock.advance(5.4);
    EXPECT_EQ(shownBeads(t, "pal_da"), 9);
    EXPECT_EQ(shownPlaces(t, "pal_u"), "0123456789abcde");

    clicks(t, "Command1", 1);
    clicks(t, "Command2", 2);
    clicks(t, "Command3", 7);
    EXPECT_EQ(shownBeads(t, "pal_h") * 100 + shownBeads(t, "pal_da") * 10 + shownBeads(t, "pal_u"), 178);

    // Only digits, the comma and the point reach the box.
    t.type(QStringLiteral("Text1"), QStringLiteral("1x7-8"));
    EXPECT_EQ(textOf(t, "Text1"), QStringLiteral("178"));
    t.key(QStringLiteral("Text1"), Qt::Key_Return);
    EXPECT_EQ(textOf(t, "EtichettaEsatti"), QStringLiteral(" 1"));
    EXPECT_FALSE(enabled(t, "Text1"));
    EXPECT_FALSE(enabled(t, "Bot_ricomincia"));

    t.random.push({0.3, pick(51, 999), pick(25, 52)});
    t.click(QStringLiteral("BottoneAvanti"));
    EXPECT_EQ(textOf(t, "EtichettaNumero"), QStringLiteral(" 52 -  27 = "));
    EXPECT_TRUE(enabled(t, "Text1"));
    EXPECT_TRUE(enabled(t, "BottoneCambio2"));
    EXPECT_EQ(shownBeads(t, "pal_h") + shownBeads(t, "pal_da") + shownBeads(t, "pal_u"), 0);
}

TEST(AbacusSubtractScreen, TenBeadsOnTheRightRefuseTheExchange)
{
    TestApp t;
    openOn(t, "Form999d1", 52, 27);
    clicks(t, "Bot_da", 1);
    clicks(t, "Bot_u", 12);
    t.click(QStringLiteral("BottoneCambio"));
    EXPECT_EQ(textOf(t, "EtichettaErrati"), QStringLiteral(" 1"));
    EXPECT_EQ(shownBeads(t, "pal_u"), 12);
    EXPECT_EQ(shownBeads(t, "pal_da"), 1);
    EXPECT_EQ(t.player.beeps, 1);
    EXPECT_TRUE(enabled(t, "BottoneCambio"));

    // 1 ten and 9 units: 0 tens and 19, the limit of "+ u".
    clicks(t, "Command3", 3);
    t.click(QStringLiteral("BottoneCambio"));
    t.clock.advance(5.4);
    EXPECT_EQ(shownPlaces(t, "pal_u"), "0123456789abcdefghi");
    EXPECT_EQ(shownBeads(t, "pal_da"), 0);
    t.click(QStringLiteral("Bot_u"));
    EXPECT_EQ(shownBeads(t, "pal_u"), 19);
    t.click(QStringLiteral("Command3"));
    EXPECT_EQ(shownBeads(t, "pal_u"), 18);

    // Restart gives the exchange back and leaves the typed answer alone.
    t.type(QStringLiteral("Text1"), QStringLiteral("2"));
    t.click(QStringLiteral("Bot_ricomincia"));
    EXPECT_TRUE(enabled(t, "BottoneCambio"));
    EXPECT_EQ(textOf(t, "Text1"), QStringLiteral("2"));
    EXPECT_EQ(shownBeads(t, "pal_u"), 0);
}

TEST(AbacusSubtractScreen, WithoutExchangesTheBoxIsReadyAtOnce)
{
    TestApp t;
    openOn(t, "Form999d", 352, 121);
    EXPECT_FALSE(t.find<QWidget>(QStringLiteral("BottoneCambio"))->isVisible());
    EXPECT_FALSE(t.find<QWidget>(QStringLiteral("BottoneCambio2"))->isVisible());
    EXPECT_EQ(t.current()->focusWidget(), t.find<QWidget>(QStringLiteral("Text1")));
    clicks(t, "Bot_u", 12);
    EXPECT_EQ(shownBeads(t, "pal_u"), 9);

    // A comma ends the number; a point starts decimals that never match.
    answer(t, "Text1", QStringLiteral("231.5"));
    EXPECT_EQ(textOf(t, "EtichettaErrati"), QStringLiteral(" 1"));
    answer(t, "Text1", QStringLiteral("231,5"));
    EXPECT_EQ(textOf(t, "EtichettaEsatti"), QStringLiteral(" 1"));
}
