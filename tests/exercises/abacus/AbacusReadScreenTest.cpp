// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/abacus/AbacusReadScreen.h"
#include "exercises/abacus/AbacusScreenFixture.h"
#include "services/WordAnswer.h"
#include "support/WordsLanguages.h"

using namespace abacustest;

namespace {

void openOn(TestApp& t, const char* screen, int n, const char* language = "1")
{
    t.app.state.numberWordsLanguage = wordsLanguageNumbered(language);
    t.random.setFallback(0.0);
    t.random.push({0.3, pick(n, 999)});
    t.open(QString::fromLatin1(screen));
}

// Types the answer as the keyboard sends it, then Enter.
void typeKeys(TestApp& t, const char* box, const QString& keys)
{
    t.typeKeys(QString::fromLatin1(box), keys);
    t.key(QString::fromLatin1(box), Qt::Key_Return);
}

} // namespace

TEST(AbacusReadScreen, ReadTheBeadsInDigits)
{
    TestApp t;
    openOn(t, "Form999b", 305);
    EXPECT_EQ(shownPlaces(t, "pal_h"), "012");
    EXPECT_EQ(shownPlaces(t, "pal_da"), "");
    EXPECT_EQ(shownPlaces(t, "pal_u"), "01234");
    EXPECT_EQ(t.find<QWidget>(QStringLiteral("Bot_h")), nullptr);   // nothing to change

    answer(t, "TestoNumero", QStringLiteral("304"));
    EXPECT_EQ(textOf(t, "EtichettaErrati"), QStringLiteral(" 1"));
    EXPECT_EQ(textOf(t, "TestoNumero"), QStringLiteral("304"));   // kept for correcting
    answer(t, "TestoNumero", QStringLiteral("0305 e basta"));
    EXPECT_EQ(textOf(t, "EtichettaEsatti"), QStringLiteral(" 1"));
    EXPECT_FALSE(enabled(t, "TestoNumero"));

    // Zero is an empty abacus, answered 0.
    t.random.push({0.3, 0.0});
    t.click(QStringLiteral("BottoneAvanti"));
    EXPECT_TRUE(enabled(t, "TestoNumero"));
    EXPECT_EQ(shownBeads(t, "pal_h") + shownBeads(t, "pal_da") + shownBeads(t, "pal_u"), 0);
    answer(t, "TestoNumero", QStringLiteral("0"));
    EXPECT_EQ(textOf(t, "EtichettaEsatti"), QStringLiteral(" 2"));
}

TEST(AbacusReadScreen, ChosenMaximumIsNeverShown)
{
    TestApp t;
    openOn(t, "Form999b", 5);
    t.trigger(QStringLiteral("mnuMassimo"));
    EXPECT_EQ(t.find<QWidget>(QStringLiteral("CorniceNumeroMassimo"))->size(), t.current()->clientSize());
    t.random.push({0.3, 0.99999});
    t.click(QStringLiteral("OpzioneNumeroMassimo"), 0);
    EXPECT_EQ(t.app.state.currentNumber, 198);
}

TEST(AbacusReadScreen, WordsAreJudgedAsTheLanguageWritesThem)
{
    struct Case
    {
        const char* language;
        int number;
        const char* typed;
        bool right;
    };
    for (const Case& c : {
             Case{"1", 21, "ventuno", true},            // lower case typed, upper case read
             Case{"1", 21, "ventiuno", false},           // no elision: another spelling
             Case{"1", 305, "  trecento cinque  ", true}, // blanks do not count
             Case{"1", 0, "zero", true},
             Case{"5", 200, "doscientos", true},
             Case{"5", 45, "cuarenta y cinco", true},
             Case{"3", 80, "quatre-vingts", true},
             Case{"3", 80, "quatre-vingt-dix", false},
             Case{"4", 30, "dreißig", true},
             Case{"4", 30, "dreissig", true},            // "ss" for a keyboard without "ß"
         }) {
        TestApp t;
        openOn(t, "Form999b1", c.number, c.language);
        typeKeys(t, "TestoNumero", QString::fromUtf8(c.typed));
        EXPECT_EQ(textOf(t, "EtichettaEsatti"), c.right ? QStringLiteral(" 1") : QStringLiteral("0"))
            << c.typed << " for " << c.number;
        EXPECT_EQ(enabled(t, "TestoNumero"), !c.right) << c.typed;
    }

    TestApp t;
    openOn(t, "Form999b1", 1);
    EXPECT_GE(t.find<QLineEdit>(QStringLiteral("TestoNumero"))->maxLength(), wordAnswer::answerCapacity());
}
