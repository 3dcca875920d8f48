// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/blocks/BlocksView.h"
#include "services/NumberWords.h"
#include "support/TestApp.h"
#include "support/WordsLanguages.h"

#include <QAccessible>
#include <QGroupBox>
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

const char* const EnglishBlockWords = "0350=\"%1 hundred\"\n0351=\"%1 hundreds\"\n0352=\"%1 ten\"\n"
                                      "0353=\"%1 tens\"\n0354=\"%1 unit\"\n0355=\"%1 units\"\n";

// A block screen open on the number n: each problem draws a background
// colour, then the number.
struct BlocksScreen
{
    TestApp t;

    BlocksScreen(const char* screen, int n, const char* wordsLanguage = "1")
    {
        t.useLanguage(QStringLiteral("English"), QStringLiteral("[Strings]\n") + QString::fromLatin1(EnglishBlockWords));
        t.app.state.numberWordsLanguage = wordsLanguageNumbered(wordsLanguage);
        t.random.setFallback(0.0);  // praise sounds are drawn too
        t.random.push({0.3, fractionFor(n)});
        t.open(QString::fromLatin1(screen));
    }
    BlocksView* view() const { return t.find<BlocksView>(QStringLiteral("BlocksDrawing")); }
    const BlocksDrawing& drawing() const { return view()->drawing(); }
    QPushButton* button(const char* name) const { return t.find<QPushButton>(QString::fromLatin1(name)); }
    QString right() const { return t.find<QLabel>(QStringLiteral("EtichettaEsatti"))->text(); }
    QString wrong() const { return t.find<QLabel>(QStringLiteral("EtichettaErrati"))->text(); }
    QString number() const { return t.find<QLabel>(QStringLiteral("EtichettaNumero"))->text(); }
    QLineEdit* box() const { return t.find<QLineEdit>(QStringLiteral("Text1")); }
    void click(const char* name, int times = 1)
    {
        for (int i = 0; i < times; ++i)
            t.click(QString::fromLatin1(name));
    }
    // Presses the keys of the text in the box, then Enter.
    void answer(const QString& keys)
    {
        t.typeKeys(QStringLiteral("Text1"), keys);
        t.key(QStringLiteral("Text1"), Qt::Key_Return);
    }
};

// --- Form999x: from the number to the drawing --------------------------

TEST(Form999x, OpensOnANumberInWordsWithAnEmptyDrawingAnd999Chosen)
{
    BlocksScreen s("Form999x", 21);
    s.t.app.state.rightCount = 5;  // the shared counts are not this screen's
    EXPECT_EQ(s.number(), QStringLiteral("VENTUNO"));
    EXPECT_EQ(s.drawing(), BlocksDrawing());
    EXPECT_EQ(s.view()->accessibleName(), QStringLiteral("0 hundreds, 0 tens, 0 units"));
    EXPECT_EQ(s.t.current()->background(), TestApp::colourFor(0.3));
    EXPECT_TRUE(s.button("BottoneAvanti")->isVisible());
    EXPECT_FALSE(s.button("BottoneAvanti")->isEnabled());
    EXPECT_TRUE(s.button("BottoneConferma")->isEnabled());
    EXPECT_EQ(s.t.app.state.maxNumber, 999);
    EXPECT_TRUE(s.t.find<QAction>(QStringLiteral("MenuParola"))->isChecked());
    EXPECT_FALSE(s.t.find<QAction>(QStringLiteral("MenuCifre"))->isChecked());
    EXPECT_TRUE(s.t.find<QAbstractButton>(QStringLiteral("OpzioneNumeroMassimo"), 8)->isChecked());
    EXPECT_TRUE(s.t.random.empty());
}

TEST(Form999x, BuildAndConfirmAWrongThenARightDrawing)
{
    BlocksScreen s("Form999x", 300);
    s.click("BottoneCentinaia", 3);
    s.click("BottoneUnita");
    EXPECT_EQ(s.view()->accessibleName(), QStringLiteral("3 hundreds, 0 tens, 1 unit"));
    s.click("BottoneConferma");
    EXPECT_EQ(s.right(), QStringLiteral("0"));
    EXPECT_EQ(s.wrong(), QStringLiteral(" 1"));
    EXPECT_EQ(s.t.player.beeps, 1);  // the beep as well as the error sound
    EXPECT_EQ(s.drawing(), BlocksDrawing::of(301));  // the blocks stay
    EXPECT_TRUE(s.button("BottoneConferma")->isEnabled());

    s.click("BottoneRicomincia");
    EXPECT_EQ(s.drawing(), BlocksDrawing());
    EXPECT_EQ(s.number(), QStringLiteral("TRECENTO"));  // the number stays
    s.click("BottoneCentinaia", 3);
    s.click("BottoneConferma");
    EXPECT_EQ(s.right(), QStringLiteral(" 1"));
    EXPECT_EQ(s.wrong(), QStringLiteral(" 1"));
    EXPECT_EQ(s.t.player.beeps, 1);
    EXPECT_FALSE(s.button("BottoneConferma")->isEnabled());
    EXPECT_TRUE(s.button("BottoneAvanti")->isEnabled());
    EXPECT_EQ(s.t.app.state.rightCount, 0);  // its own counts
    // The add buttons stay usable while the child waits.
    s.click("BottoneDecine");
    EXPECT_EQ(s.drawing().count(BlockKind::Long), 1);

    s.t.random.push({0.6, fractionFor(45)});
    s.click("BottoneAvanti");
    EXPECT_EQ(s.number(), QStringLiteral("QUARANTACINQUE"));
    EXPECT_EQ(s.drawing(), BlocksDrawing());
    EXPECT_TRUE(s.button("BottoneConferma")->isEnabled());
    EXPECT_FALSE(s.button("BottoneAvanti")->isEnabled());
    EXPECT_EQ(s.t.current()->background(), TestApp::colourFor(0.6));
}

TEST(Form999x, ATenthBlockOfAKindIsRefused)
{
    BlocksScreen s("Form999x", 9);
    s.click("BottoneUnita", 10);
    EXPECT_EQ(s.drawing(), BlocksDrawing::of(9));
    s.click("BottoneConferma");
    EXPECT_EQ(s.right(), QStringLiteral(" 1"));
}

TEST(Form999x, WordsOrDigitsEachPoseANewNumber)
{
    BlocksScreen s("Form999x", 5);
    s.t.random.push({0.1, fractionFor(21)});
    s.t.trigger(QStringLiteral("MenuCifre"));
    EXPECT_EQ(s.number(), QStringLiteral("21"));
    EXPECT_EQ(s.t.find<QLabel>(QStringLiteral("EtichettaNumero"))->font().pointSizeF(), 36);
    EXPECT_TRUE(s.t.find<QAction>(QStringLiteral("MenuCifre"))->isChecked());
    EXPECT_FALSE(s.t.find<QAction>(QStringLiteral("MenuParola"))->isChecked());

    s.t.random.push({0.1, fractionFor(999)});
    s.t.trigger(QStringLiteral("MenuCifre"));  // the item already ticked
    EXPECT_EQ(s.number(), QStringLiteral("999"));
    EXPECT_TRUE(s.t.find<QAction>(QStringLiteral("MenuCifre"))->isChecked());

    s.t.random.push({0.1, fractionFor(21)});
    s.t.trigger(QStringLiteral("MenuParola"));
    EXPECT_EQ(s.number(), QStringLiteral("VENTUNO"));
    EXPECT_TRUE(s.t.find<QAction>(QStringLiteral("MenuParola"))->isChecked());
    EXPECT_FALSE(s.t.find<QAction>(QStringLiteral("MenuCifre"))->isChecked());
    EXPECT_TRUE(s.t.random.empty());
}

TEST(Form999x, TheLongestWordsFitTheLabel)
{
    BlocksScreen s("Form999x", 666, "6");
    auto* label = s.t.find<QLabel>(QStringLiteral("EtichettaNumero"));
    ASSERT_EQ(label->text(), numberInWords(666, WordsLanguage::Albanian));
    for (QSize size : {QSize(640, 480), QSize(1600, 1200)}) {
        s.t.resize(size);
        EXPECT_LE(QFontMetrics(label->font()).horizontalAdvance(label->text()), label->contentsRect().width());
        EXPECT_LE(label->font().pointSizeF(), 18);
    }
}

TEST(Form999x, TheMaximumChoiceHidesTheDrawingUntilANumberIsChosen)
{
    BlocksScreen s("Form999x", 5);
    s.click("BottoneUnita", 2);
    s.t.trigger(QStringLiteral("MenuNumeroMassimo"));
    EXPECT_TRUE(s.t.find<QGroupBox>(QStringLiteral("CorniceNumeroMassimo"))->isVisible());
    EXPECT_FALSE(s.view()->isVisible());

    s.t.random.push({0.2, 0.99999});
    s.t.click(QStringLiteral("OpzioneNumeroMassimo"), 0);
    EXPECT_FALSE(s.t.find<QGroupBox>(QStringLiteral("CorniceNumeroMassimo"))->isVisible());
    EXPECT_TRUE(s.view()->isVisible());
    EXPECT_EQ(s.t.app.state.maxNumber, 199);
    EXPECT_EQ(s.number(), QStringLiteral("CENTONOVANTANOVE"));
    EXPECT_EQ(s.drawing(), BlocksDrawing());
}

// --- Form999y and Form999z: from the drawing to the number --------------

TEST(Form999y, JudgesTheNumberTypedInDigits)
{
    struct Case
    {
        const char* typed;
        const char* boxShows;
        bool right;
    };
    const Case cases[] = {
        {"305", "305", true},  {"0305", "0305", true}, {"35", "35", false},
        {"305,", "305,", true}, {"3a0b5", "305", true}, {"30,5", "30,5", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        BlocksScreen s("Form999y", 305);
        ASSERT_EQ(s.drawing(), BlocksDrawing::of(305));
        EXPECT_EQ(s.view()->accessibleName(), QStringLiteral("3 hundreds, 0 tens, 5 units"));
        EXPECT_EQ(s.t.app.state.currentNumber, 305);
        EXPECT_EQ(QAccessible::queryAccessibleInterface(s.box())->text(QAccessible::Name),
                  QStringLiteral("Scrivi il numero in cifre"));
        s.answer(QString::fromLatin1(c.typed));
        EXPECT_EQ(s.box()->text(), QString::fromLatin1(c.boxShows));
        EXPECT_EQ(s.right(), QString::fromLatin1(c.right ? " 1" : "0"));
        EXPECT_EQ(s.wrong(), QString::fromLatin1(c.right ? "0" : " 1"));
        EXPECT_EQ(s.box()->isEnabled(), !c.right);
        EXPECT_EQ(s.button("BottoneAvanti")->isEnabled(), c.right);
    }
}

TEST(Form999y, EnterOnAnEmptyBoxIsIgnoredAndAvantiPosesTheNextDrawing)
{
    BlocksScreen s("Form999y", 7);
    EXPECT_EQ(s.drawing(), BlocksDrawing::of(7));
    s.t.key(QStringLiteral("Text1"), Qt::Key_Return);
    EXPECT_EQ(s.wrong(), QStringLiteral("0"));
    EXPECT_TRUE(s.t.player.played.isEmpty());

    s.answer(QStringLiteral("7"));
    s.t.random.push({0.6, fractionFor(200)});
    s.click("BottoneAvanti");
    EXPECT_EQ(s.drawing(), BlocksDrawing::of(200));
    EXPECT_TRUE(s.box()->text().isEmpty());
    EXPECT_TRUE(s.box()->isEnabled());
    EXPECT_FALSE(s.button("BottoneAvanti")->isEnabled());
    EXPECT_EQ(s.t.current()->background(), TestApp::colourFor(0.6));
}

TEST(Form999z, JudgesTheNumberTypedInWords)
{
    struct Case
    {
        const char* language;
        int number;
        const char* typed;
        bool right;
    };
    const Case cases[] = {
        {"1", 21, "ventuno", true},
        {"1", 21, "  Ventuno  ", true},
        {"1", 21, "venti uno", false},
        {"1", 108, "centootto", true},
        {"5", 200, "doscientos", true},
        {"5", 700, "sietecientos", false},
        {"4", 30, "dreißig", true},
        {"4", 15, "fünfzehn", true},
        {"4", 15, "FÜNFZEHN", true},
        {"3", 21, "vingt et un", true},
        // Longer than the design's 30 characters.
        {"6", 666, "gjashtëqind e gjashtëdhjetë e gjashtë", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.typed << " for " << c.number);
        BlocksScreen s("Form999z", c.number, c.language);
        ASSERT_EQ(s.drawing(), BlocksDrawing::of(c.number));
        s.answer(QString::fromUtf8(c.typed));
        EXPECT_EQ(s.right(), QString::fromLatin1(c.right ? " 1" : "0"));
        EXPECT_EQ(s.wrong(), QString::fromLatin1(c.right ? "0" : " 1"));
        EXPECT_EQ(s.box()->isEnabled(), !c.right);
        if (!c.right)
            EXPECT_FALSE(s.box()->text().isEmpty());  // kept for mending
    }
}

TEST(Form999z, TheMaximumChoiceHidesTheDrawingAndPosesANumberWithinIt)
{
    BlocksScreen s("Form999z", 5);
    EXPECT_TRUE(s.t.find<QAbstractButton>(QStringLiteral("OpzioneNumeroMassimo"), 8)->isChecked());
    s.t.trigger(QStringLiteral("MenuNumeroMassimo"));
    EXPECT_FALSE(s.view()->isVisible());
    s.t.random.push({0.2, fractionFor(150, 299)});
    s.t.click(QStringLiteral("OpzioneNumeroMassimo"), 1);
    EXPECT_TRUE(s.view()->isVisible());
    EXPECT_EQ(s.drawing(), BlocksDrawing::of(150));
    EXPECT_EQ(s.t.app.state.maxNumber, 299);
}

} // namespace

namespace {

TEST(BlocksScreens, TheMenuWithPicturesOpensEachBlockScreen)
{
    const std::pair<const char*, const char*> buttons[] = {
        {"Command2", "Form999x"}, {"Command3", "Form999y"}, {"Command6", "Form999z"}};
    for (const auto& [button, screen] : buttons) {
        TestApp t;
        t.random.setFallback(0.5);
        t.open(QStringLiteral("FormMenuGrafici"));
        EXPECT_TRUE(t.find<QWidget>(QString::fromLatin1(button))->isEnabled()) << button;
        t.click(QString::fromLatin1(button));
        EXPECT_EQ(t.currentName(), QString::fromLatin1(screen));
    }
}

} // namespace
