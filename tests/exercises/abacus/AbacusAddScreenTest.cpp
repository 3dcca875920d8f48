// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/abacus/AbacusAddScreen.h"
#include "exercises/abacus/AbacusScreenFixture.h"

#include <QAccessible>

using namespace abacustest;

namespace {

// Form999c1 posing 157 + 25 (one exchange, in the units): k = 1, hundreds
// 1 = 1 + 0, tens 7 = 5 + 2, units 7 and 5.
void openOn157Plus25(TestApp& t, const char* screen = "Form999c1")
{
    t.random.setFallback(0.0);
    t.random.push({0.3, pick(1, 2), pick(1, 10), pick(1, 2), pick(7, 9), pick(5, 8), pick(7, 10), pick(5, 10)});
    t.open(QString::fromLatin1(screen));
}

const char* const Locked[] = {"Bot_h", "Bot_da", "Bot_u", "BottoneCambio", "BottoneCambio2", "Bot_ricomincia", "Text1"};

} // namespace

TEST(AbacusAddScreen, AddWithAnExchangeThenTypeTheSum)
{
    TestApp t;
    openOn157Plus25(t);
    EXPECT_EQ(textOf(t, "EtichettaNumero"), QStringLiteral(" 157 +  25 = "));
    auto* label = t.find<QWidget>(QStringLiteral("EtichettaNumero"));
    EXPECT_EQ(t.find<QWidget>(QStringLiteral("Text1"))->x(), label->x() + label->width());
    EXPECT_TRUE(t.find<QWidget>(QStringLiteral("BottoneAvanti"))->isVisible());

    clicks(t, "Bot_h", 1);
    clicks(t, "Bot_da", 7);
    clicks(t, "Bot_u", 12);
    EXPECT_EQ(shownPlaces(t, "pal_u"), "0123456789ab");   // the tenth on is light

    t.click(QStringLiteral("BottoneCambio"));
    // Locked while it blinks: the top ten units vanish, come back, ...
    for (const char* name : Locked)
        EXPECT_FALSE(enabled(t, name)) << name;
    EXPECT_FALSE(enabled(t, "BottoneAvanti"));
    for (int pass = 0; pass < 9; ++pass) {
        EXPECT_EQ(shownPlaces(t, "pal_u"), pass % 2 == 0 ? "01" : "0123456789ab") << pass;
        EXPECT_EQ(shownPlaces(t, "pal_da"), "0123456") << pass;
        t.clock.advance(0.3);
    }
    // ... then the new ten flashes twice.
    for (int pass = 9; pass < 13; ++pass) {
        EXPECT_EQ(shownPlaces(t, "pal_da"), pass % 2 == 1 ? "01234567" : "0123456") << pass;
        t.click(QStringLiteral("Bot_u"));   // taken by nobody
        t.clock.advance(0.3);
    }
    EXPECT_EQ(shownPlaces(t, "pal_u"), "01");
    EXPECT_EQ(shownPlaces(t, "pal_da"), "01234567");
    for (const char* name : Locked)
        EXPECT_EQ(enabled(t, name), std::string(name) != "BottoneCambio") << name;
    EXPECT_FALSE(enabled(t, "BottoneAvanti"));
    EXPECT_EQ(t.clock.pending(), 0);

    answer(t, "Text1", QStringLiteral("181"));
    EXPECT_EQ(textOf(t, "EtichettaErrati"), QStringLiteral(" 1"));
    answer(t, "Text1", QStringLiteral(" 18 2abc"));
    EXPECT_EQ(textOf(t, "EtichettaEsatti"), QStringLiteral(" 1"));
    EXPECT_FALSE(enabled(t, "Text1"));
    EXPECT_FALSE(enabled(t, "Bot_ricomincia"));
    EXPECT_TRUE(enabled(t, "BottoneAvanti"));
    EXPECT_TRUE(enabled(t, "Bot_u"));
}

TEST(AbacusAddScreen, RefusedExchangeBeepsIgnoredOneDoesNothing)
{
    TestApp t;
    t.app.state.soundsOn = false;
    openOn157Plus25(t);
    clicks(t, "Bot_u", 9);
    t.click(QStringLiteral("BottoneCambio"));
    EXPECT_EQ(textOf(t, "EtichettaErrati"), QStringLiteral(" 1"));
    EXPECT_TRUE(t.find<QWidget>(QStringLiteral("ComandoIconaNo"))->isVisible());
    EXPECT_EQ(t.player.beeps, 1);
    EXPECT_TRUE(t.player.played.isEmpty());
    EXPECT_TRUE(enabled(t, "BottoneCambio"));
    EXPECT_EQ(shownBeads(t, "pal_u"), 9);

    // Nine hundreds: the tens exchange is ignored, however many tens.
    clicks(t, "Bot_h", 9);
    clicks(t, "Bot_da", 12);
    t.click(QStringLiteral("BottoneCambio2"));
    EXPECT_EQ(textOf(t, "EtichettaErrati"), QStringLiteral(" 1"));
    EXPECT_EQ(t.player.beeps, 1);
    EXPECT_EQ(shownBeads(t, "pal_da"), 12);
    EXPECT_TRUE(enabled(t, "Bot_h"));
    EXPECT_EQ(t.clock.pending(), 0);

    // A right click takes a bead off.
    rightClick(t, "Bot_da");
    EXPECT_EQ(shownBeads(t, "pal_da"), 11);
}

TEST(AbacusAddScreen, RestartGivesBackTheExchangesAndTheBox)
{
    TestApp t;
    openOn157Plus25(t);
    clicks(t, "Bot_u", 10);
    t.click(QStringLiteral("BottoneCambio"));
    t.clock.advance(3.9);
    EXPECT_EQ(shownPlaces(t, "pal_da"), "0");
    EXPECT_EQ(shownBeads(t, "pal_u"), 0);
    EXPECT_FALSE(enabled(t, "BottoneCambio"));
    t.type(QStringLiteral("Text1"), QStringLiteral("12"));

    t.click(QStringLiteral("Bot_ricomincia"));
    EXPECT_TRUE(enabled(t, "BottoneCambio"));
    EXPECT_EQ(textOf(t, "Text1"), QString());
    EXPECT_EQ(shownBeads(t, "pal_da"), 0);
    EXPECT_EQ(textOf(t, "EtichettaNumero"), QStringLiteral(" 157 +  25 = "));
}

TEST(AbacusAddScreen, WithoutExchangesNoWireHoldsMoreThanNine)
{
    TestApp t;
    t.random.setFallback(0.0);
    // Hundreds 0 = 0 + 0, tens 0, units 0: 0 + 0.
    t.random.push({0.3, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0});
    t.open(QStringLiteral("Form999c"));
    EXPECT_EQ(textOf(t, "EtichettaNumero"), QStringLiteral(" 0 +  0 = "));
    EXPECT_FALSE(t.find<QWidget>(QStringLiteral("BottoneCambio"))->isVisible());
    EXPECT_FALSE(t.find<QWidget>(QStringLiteral("BottoneCambio2"))->isVisible());
    clicks(t, "Bot_u", 12);
    EXPECT_EQ(shownPlaces(t, "pal_u"), "012345678");
    answer(t, "Text1", QStringLiteral("0"));
    EXPECT_EQ(textOf(t, "EtichettaEsatti"), QStringLiteral(" 1"));
}

TEST(AbacusAddScreen, LeavingWhileItBlinksRunsNothingMore)
{
    TestApp t;
    openOn157Plus25(t);
    clicks(t, "Bot_u", 10);
    t.click(QStringLiteral("BottoneCambio"));
    t.clock.advance(0.6);
    t.dialogs.answers.push_back(true);
    t.trigger(QStringLiteral("mnuEsci"));
    EXPECT_EQ(t.currentName(), QStringLiteral("FormMenuGrafici"));
    t.clock.advance(10);
    EXPECT_EQ(t.clock.pending(), 0);
    EXPECT_EQ(TestApp::screenCount(), 1);
}

TEST(AbacusAddScreen, BeadsStayRoundAndStackedAtEverySize)
{
    TestApp t;
    useShippedItalian(t);
    openOn157Plus25(t);
    clicks(t, "Bot_da", 12);
    for (QSize size : {QSize(800, 600), QSize(1920, 1080), QSize(1024, 1280)}) {
        t.resize(size);
        auto bead = [&](int i) { return t.find<QWidget>(QStringLiteral("pal_da"), i)->geometry(); };
        for (int i = 1; i < 10; ++i) {
            EXPECT_EQ(bead(i).bottom() + 1, bead(i - 1).top()) << i;
            EXPECT_EQ(bead(i).width(), bead(i).height());
        }
        // The second column touches the first; the wire runs through it.
        EXPECT_EQ(bead(10).right() + 1, bead(0).left());
        EXPECT_EQ(bead(10).top(), bead(0).top());
        const QRect wire = t.find<QWidget>(QStringLiteral("FiloAbaco"), 1)->geometry();
        EXPECT_NEAR(wire.center().x(), bead(0).center().x(), 2);
        // The five-bead marker lies on the top of units place 4.
        const QRect marker = t.find<QWidget>(QStringLiteral("Line1"))->geometry();
        EXPECT_NEAR(marker.center().y(), t.find<QWidget>(QStringLiteral("pal_u"), 4)->geometry().top(), 2);
    }
    // What a screen reader says.
    auto spoken = [&](const char* name, int index = -1) {
        return QAccessible::queryAccessibleInterface(t.find<QWidget>(QString::fromLatin1(name), index))
            ->text(QAccessible::Name);
    };
    EXPECT_EQ(spoken("FiloAbaco", 1), QStringLiteral("Decine: 12 palline"));
    EXPECT_EQ(spoken("FiloAbaco", 0), QStringLiteral("Centinaia: nessuna pallina"));
    clicks(t, "Bot_h", 1);
    EXPECT_EQ(spoken("FiloAbaco", 0), QStringLiteral("Centinaia: una pallina"));
    EXPECT_EQ(spoken("pal_da", 11), QStringLiteral("Pallina delle decine"));
    EXPECT_EQ(spoken("BottoneCambio"), QStringLiteral("Cambio: 10 unità diventano 1 decina"));
    EXPECT_EQ(spoken("Text1").trimmed(), QStringLiteral("157 +  25 ="));
}
