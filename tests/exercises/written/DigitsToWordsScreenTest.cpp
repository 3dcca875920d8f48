// SPDX-License-Identifier: GPL-3.0-or-later
#include "services/NumberWords.h"
#include "services/TextForms.h"
#include "support/TestApp.h"
#include "support/WordsLanguages.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

// The fraction that floor(r * max) + 1 turns into n.
double fractionFor(int n, int maxNumber = 999)
{
    return (n - 1 + 0.5) / maxNumber;
}

// DigitsToWordsScreen open on the number n, with the number words of language code.
struct WordsScreen
{
    TestApp t;

    explicit WordsScreen(int n, const char* language = "1")
    {
        t.app.state.numberWordsLanguage = wordsLanguageNumbered(language);
        t.random.setFallback(0.0);  // praise sounds are drawn too
        t.random.push({0.3, fractionFor(n)});
        t.open(QStringLiteral("FormScri2"));
    }
    QString shown() const { return t.find<QLabel>(QStringLiteral("EtichettaNumero"))->text(); }
    QLineEdit* box() const { return t.find<QLineEdit>(QStringLiteral("Text1")); }
    QPushButton* next() const { return t.find<QPushButton>(QStringLiteral("BottoneAvanti")); }
    QString right() const { return t.find<QLabel>(QStringLiteral("EtichettaEsatti"))->text(); }
    QString wrong() const { return t.find<QLabel>(QStringLiteral("EtichettaErrati"))->text(); }
    // Presses the keys of the text in the box, then Enter.
    void answer(const QString& keys)
    {
        t.typeKeys(QStringLiteral("Text1"), keys);
        t.key(QStringLiteral("Text1"), Qt::Key_Return);
    }
};

TEST(DigitsToWordsScreen, OpensOnANumberFrom1ToTheMaximumOf999)
{
    TestApp t;
    t.app.state.maxNumber = 299;  // left over from another screen
    t.random.push({0.3, 0.99999});
    t.open(QStringLiteral("FormScri2"));
    EXPECT_EQ(t.app.state.maxNumber, 999);
    EXPECT_GE(t.random.reseeds(), 1);
    EXPECT_EQ(t.find<QLabel>(QStringLiteral("EtichettaNumero"))->text(), QStringLiteral(" 999"));
    EXPECT_EQ(t.app.state.currentNumber, 999);
    EXPECT_EQ(t.current()->background(), TestApp::colourFor(0.3));
    auto* next = t.find<QPushButton>(QStringLiteral("BottoneAvanti"));
    EXPECT_TRUE(next->isVisible());
    EXPECT_FALSE(next->isEnabled());
    EXPECT_GE(t.find<QLineEdit>(QStringLiteral("Text1"))->maxLength(), 40);
    EXPECT_TRUE(t.random.empty());
}

TEST(DigitsToWordsScreen, JudgesTheWordsTypedInTheBox)
{
    struct Case
    {
        const char* language;
        int number;
        const char* typed;  // as the child presses the keys
        const char* boxShows;
        bool right;
    };
    const Case cases[] = {
        {"1", 21, "ventuno", "VENTUNO", true},
        {"1", 108, "centootto", "CENTOOTTO", true},
        {"1", 108, "centotto", "CENTOTTO", true},
        {"1", 108, "centoto", "CENTOTO", false},
        {"1", 240, "  duecentoquaranta ", "  DUECENTOQUARANTA ", true},
        {"1", 240, "duecento quaranta", "DUECENTO QUARANTA", true},
        {"1", 23, "ventitre", "VENTITRE", true},
        // Lower-case umlauts are not raised by the key filter, and count
        // as the capitals.
        {"4", 15, "FÜNFZEHN", "FÜNFZEHN", true},
        {"4", 15, "fünfzehn", "FüNFZEHN", true},
        {"4", 30, "dreißig", "DREIßIG", true},
        // The words as each language writes them, typed with or without
        // blanks, hyphens and accents.
        {"5", 332, "trescientos treinta y dos", "TRESCIENTOS TREINTA Y DOS", true},
        {"5", 200, "doscientos", "DOSCIENTOS", true},
        {"5", 500, "cincocientos", "CINCOCIENTOS", false},
        {"3", 91, "quatre-vingt-onze", "QUATRE-VINGT-ONZE", true},
        {"3", 91, "quatre-vingt-un", "QUATRE-VINGT-UN", false},
        {"3", 71, "soixante et onze", "SOIXANTE ET ONZE", true},
        {"6", 21, "njezet e nje", "NJEZET E NJE", true},
        {"6", 21, "njëzet e një", "NJëZET E NJë", true},
        // The longest words of all, longer than the design's 30 characters.
        {"6", 666, "gjashtëqind e gjashtëdhjetë e gjashtë", "GJASHTëQIND E GJASHTëDHJETë E GJASHTë", true},
        {"3", 494, "quatre cent quatre-vingt-quatorze", "QUATRE CENT QUATRE-VINGT-QUATORZE", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.typed << " for " << c.number << " in language " << c.language);
        WordsScreen s(c.number, c.language);
        ASSERT_EQ(s.shown(), signedText(c.number));
        s.answer(QString::fromUtf8(c.typed));
        EXPECT_EQ(s.box()->text(), QString::fromUtf8(c.boxShows));
        EXPECT_EQ(s.right(), QString::fromLatin1(c.right ? " 1" : "0"));
        EXPECT_EQ(s.wrong(), QString::fromLatin1(c.right ? "0" : " 1"));
        EXPECT_EQ(s.next()->isEnabled(), c.right);
        EXPECT_EQ(s.box()->isEnabled(), !c.right);
        EXPECT_EQ(s.shown(), signedText(c.number));  // the number stays on show
    }
}

TEST(DigitsToWordsScreen, EnterOnAnEmptyBoxDoesNothing)
{
    WordsScreen s(5);
    s.t.key(QStringLiteral("Text1"), Qt::Key_Return);
    EXPECT_EQ(s.right(), QStringLiteral("0"));
    EXPECT_EQ(s.wrong(), QStringLiteral("0"));
    EXPECT_TRUE(s.t.player.played.isEmpty());
}

TEST(DigitsToWordsScreen, AWrongAnswerCanBeMendedAndAvantiPosesTheNextNumber)
{
    WordsScreen s(5);
    s.answer(QStringLiteral("sei"));
    s.answer(QStringLiteral("x"));  // the text stays; the child adds to it
    EXPECT_EQ(s.box()->text(), QStringLiteral("SEIX"));
    EXPECT_EQ(s.wrong(), QStringLiteral(" 2"));
    s.box()->clear();
    s.answer(QStringLiteral("cinque"));
    EXPECT_EQ(s.right(), QStringLiteral(" 1"));
    EXPECT_EQ(s.wrong(), QStringLiteral(" 2"));

    s.t.random.push({0.6, fractionFor(731)});
    s.t.click(QStringLiteral("BottoneAvanti"));
    EXPECT_EQ(s.shown(), QStringLiteral(" 731"));
    EXPECT_TRUE(s.box()->isEnabled());
    EXPECT_TRUE(s.box()->text().isEmpty());
    EXPECT_FALSE(s.next()->isEnabled());
    EXPECT_EQ(s.t.current()->background(), TestApp::colourFor(0.6));
}

TEST(DigitsToWordsScreen, TheMaximumNumberChoicePosesANumberWithinIt)
{
    WordsScreen s(5);
    s.t.trigger(QStringLiteral("mnuNumeroMassimo"));
    auto* choice = s.t.find<QWidget>(QStringLiteral("CorniceNumeroMassimo"));
    EXPECT_TRUE(choice->isVisible());
    s.t.random.push({0.1, 0.99999});
    s.t.click(QStringLiteral("OpzioneNumeroMassimo"), 0);
    EXPECT_FALSE(choice->isVisible());
    EXPECT_EQ(s.t.app.state.maxNumber, 199);
    EXPECT_EQ(s.shown(), QStringLiteral(" 199"));
}

// After a right answer the choice shows a new number at once, with the box
// still locked and "avanti" on; "avanti" then poses another number and
// opens the box.
TEST(DigitsToWordsScreen, TheMaximumChoiceAfterARightAnswerLeavesTheWayOnToAvanti)
{
    WordsScreen s(5);
    s.answer(QStringLiteral("cinque"));
    ASSERT_TRUE(s.next()->isEnabled());
    s.t.trigger(QStringLiteral("mnuNumeroMassimo"));
    s.t.random.push({0.1, fractionFor(21, 299)});
    s.t.click(QStringLiteral("OpzioneNumeroMassimo"), 1);
    EXPECT_EQ(s.shown(), QStringLiteral(" 21"));
    EXPECT_FALSE(s.box()->isEnabled());
    EXPECT_TRUE(s.next()->isEnabled());

    s.t.random.push({0.2, fractionFor(34, 299)});
    s.t.click(QStringLiteral("BottoneAvanti"));
    EXPECT_EQ(s.shown(), QStringLiteral(" 34"));
    EXPECT_TRUE(s.box()->isEnabled());
    EXPECT_FALSE(s.next()->isEnabled());
    s.answer(QStringLiteral("trentaquattro"));
    EXPECT_EQ(s.right(), QStringLiteral(" 2"));
}

} // namespace
