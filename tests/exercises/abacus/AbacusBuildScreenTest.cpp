// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/abacus/AbacusBuildScreen.h"
#include "exercises/abacus/AbacusScreenFixture.h"

using namespace abacustest;

namespace {

// floor(r * max) + 1 = n.
double toBuild(int n, int maxNumber = 999)
{
    return pick(n - 1, maxNumber);
}

// A build screen open on the number n (background colour first).
void openOn(TestApp& t, const char* screen, int n)
{
    t.app.state.numberWordsLanguage = WordsLanguage::Italian;
    t.random.setFallback(0.0);   // praise sounds draw too
    t.random.push({0.3, toBuild(n)});
    t.open(QString::fromLatin1(screen));
}

} // namespace

TEST(AbacusBuildScreen, BuildTheNumberThenConfirm)
{
    TestApp t;
    openOn(t, "Form999a", 345);
    EXPECT_EQ(textOf(t, "EtichettaNumero"), QStringLiteral("TRECENTOQUARANTACINQUE"));
    EXPECT_TRUE(t.find<QWidget>(QStringLiteral("BottoneAvanti"))->isVisible());
    EXPECT_FALSE(enabled(t, "BottoneAvanti"));

    // An empty abacus is never right.
    t.click(QStringLiteral("BottoneConferma"));
    EXPECT_EQ(textOf(t, "EtichettaErrati"), QStringLiteral(" 1"));

    clicks(t, "Bot_h", 3);
    clicks(t, "Bot_da", 4);
    clicks(t, "Bot_u", 6);
    rightClick(t, "Bot_u");
    EXPECT_EQ(shownPlaces(t, "pal_u"), "01234");
    t.click(QStringLiteral("BottoneConferma"));
    EXPECT_EQ(textOf(t, "EtichettaEsatti"), QStringLiteral(" 1"));
    EXPECT_EQ(textOf(t, "EtichettaErrati"), QStringLiteral(" 1"));
    EXPECT_TRUE(enabled(t, "BottoneAvanti"));
    EXPECT_FALSE(enabled(t, "BottoneConferma"));
    EXPECT_FALSE(enabled(t, "Bot_ricomincia"));
    EXPECT_TRUE(enabled(t, "Bot_h"));   // the beads stay usable

    t.random.push({0.3, toBuild(7)});
    t.click(QStringLiteral("BottoneAvanti"));
    EXPECT_EQ(textOf(t, "EtichettaNumero"), QStringLiteral("SETTE"));
    EXPECT_EQ(shownBeads(t, "pal_h") + shownBeads(t, "pal_da") + shownBeads(t, "pal_u"), 0);
    EXPECT_TRUE(enabled(t, "BottoneConferma"));
    EXPECT_TRUE(enabled(t, "Bot_ricomincia"));
    EXPECT_FALSE(enabled(t, "BottoneAvanti"));
}

TEST(AbacusBuildScreen, WiresHoldNineAndRestartKeepsTheProblem)
{
    TestApp t;
    openOn(t, "Form999a", 12);
    rightClick(t, "Bot_da");   // nothing to take off
    EXPECT_EQ(shownBeads(t, "pal_da"), 0);
    clicks(t, "Bot_h", 12);
    EXPECT_EQ(shownBeads(t, "pal_h"), 9);
    // Space puts a bead on, Delete takes one off, for children who use keys.
    t.key(QStringLiteral("Bot_u"), Qt::Key_Space);
    t.key(QStringLiteral("Bot_u"), Qt::Key_Space);
    t.key(QStringLiteral("Bot_u"), Qt::Key_Delete);
    EXPECT_EQ(shownBeads(t, "pal_u"), 1);
    t.click(QStringLiteral("BottoneConferma"));

    t.click(QStringLiteral("Bot_ricomincia"));
    EXPECT_EQ(shownBeads(t, "pal_h") + shownBeads(t, "pal_u"), 0);
    EXPECT_EQ(textOf(t, "EtichettaNumero"), QStringLiteral("DODICI"));
    EXPECT_EQ(textOf(t, "EtichettaErrati"), QStringLiteral(" 1"));
    EXPECT_TRUE(t.random.remaining() == 0);
}

TEST(AbacusBuildScreen, WordsAndDigitsMenuPosesANewNumberOnlyOnAChange)
{
    TestApp t;
    openOn(t, "Form999a", 5);
    clicks(t, "Bot_u", 5);
    t.click(QStringLiteral("BottoneConferma"));

    // After a right answer the new number waits for "avanti" to be confirmed.
    t.random.push({0.3, toBuild(608)});
    t.trigger(QStringLiteral("MenuCifre"));
    EXPECT_EQ(textOf(t, "EtichettaNumero"), QStringLiteral(" 608"));
    EXPECT_EQ(t.find<QLabel>(QStringLiteral("EtichettaNumero"))->font().pointSizeF(), 48);
    EXPECT_FALSE(enabled(t, "BottoneConferma"));
    EXPECT_TRUE(enabled(t, "BottoneAvanti"));
    EXPECT_TRUE(t.find<QAction>(QStringLiteral("MenuCifre"))->isChecked());
    EXPECT_FALSE(t.find<QAction>(QStringLiteral("MenuParole"))->isChecked());

    // The ticked item again: nothing new is drawn.
    t.trigger(QStringLiteral("MenuCifre"));
    EXPECT_EQ(t.app.state.currentNumber, 608);
    EXPECT_TRUE(t.find<QAction>(QStringLiteral("MenuCifre"))->isChecked());

    t.random.push({0.3, toBuild(41)});
    t.click(QStringLiteral("BottoneAvanti"));
    EXPECT_EQ(textOf(t, "EtichettaNumero"), QStringLiteral(" 41"));
    EXPECT_TRUE(enabled(t, "BottoneConferma"));
}

TEST(AbacusBuildScreen, ChosenMaximumHoldsUntilTheScreenOpensAgain)
{
    TestApp t;
    openOn(t, "Form999a", 1);
    t.trigger(QStringLiteral("mnuMassimo"));
    t.random.push({0.3, 0.99999});
    t.click(QStringLiteral("OpzioneNumeroMassimo"), 0);
    EXPECT_EQ(t.app.state.currentNumber, 199);
    EXPECT_EQ(textOf(t, "EtichettaNumero"), QStringLiteral("CENTONOVANTANOVE"));

    TestApp again;
    again.app.state.maxNumber = 199;
    openOn(again, "Form999a", 999);
    EXPECT_EQ(again.app.state.currentNumber, 999);
}

TEST(AbacusBuildScreen, ColouredPartsReadAsOneCentredWord)
{
    struct Case
    {
        int n;
        bool digits;
        const char* parts[3];
        std::array<int, 3> order;   // left to right
    };
    for (const Case& c : {Case{317, false, {"TRECENTO", "DICIA", "SSETTE"}, {0, 1, 2}},
                          Case{311, false, {"TRECENTO", "DICI", "UN"}, {0, 2, 1}},
                          Case{108, false, {"CENTO", "", "OTTO"}, {0, 1, 2}},
                          Case{180, false, {"CENTO", "OTTANTA", ""}, {0, 1, 2}},
                          Case{42, true, {"", "4", "2"}, {0, 1, 2}}}) {
        TestApp t;
        openOn(t, "Form999sem", c.n);
        if (c.digits) {
            t.random.push({0.3, toBuild(c.n)});
            t.trigger(QStringLiteral("MenuCifre"));
        }
        auto* box = t.find<QWidget>(QStringLiteral("Picture1"));
        int right = -1;
        int left = -1;
        for (int i : c.order) {
            auto* part = t.find<QLabel>(QStringLiteral("EtichettaNumero"), i);
            EXPECT_EQ(part->text(), QString::fromLatin1(c.parts[i])) << c.n;
            EXPECT_EQ(part->palette().color(QPalette::WindowText),
                      (std::array{QColor(0, 128, 0), QColor(255, 0, 0), QColor(0, 0, 255)})[i]);
            if (part->text().isEmpty())
                continue;
            EXPECT_EQ(part->parentWidget(), box);
            if (right >= 0)
                EXPECT_NEAR(part->x(), right, 1) << c.n << " part " << i;
            else
                left = part->x();
            right = part->x() + part->width();
        }
        // Centred in the white box.
        EXPECT_NEAR(left, box->width() - right, 2) << c.n;
    }
}
