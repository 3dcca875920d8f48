// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/written/WrittenNumberScreen.h"
#include "services/NumberWords.h"
#include "app/Startup.h"
#include "framework/ProgramDialogs.h"
#include "support/TestApp.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

double pick(int k, double n)
{
    return (k + 0.5) / n;
}

// The written-number screen opened from its menu button, as a child does.
class WrittenScreen : public ::testing::Test
{
protected:
    // Opens the numbers menu and clicks the button of a mode; the fractions
    // given are the new problem's: its colour first, then its numbers.
    void openFromMenu(const char* button, std::initializer_list<double> problem)
    {
        t.random.push(0.0);  // the menu's background
        t.open("FormMenuNumeri");
        t.random.push(problem);
        t.click(button);
        ASSERT_EQ(t.currentName(), "FormScri");
    }
    void answer(const QString& typed)
    {
        t.find<QLineEdit>("Text1")->clear();
        t.type("Text1", typed);
        t.key("Text1", Qt::Key_Return);
    }
    QString caption() const { return t.find<QLabel>("EtichettaNumero")->text(); }
    QString rightShown() const { return t.find<QLabel>("EtichettaEsatti")->text(); }
    QString wrongShown() const { return t.find<QLabel>("EtichettaErrati")->text(); }
    bool yesShown() const { return t.find("ComandoIconaSi")->isVisibleTo(t.current()); }
    bool noShown() const { return t.find("ComandoIconaNo")->isVisibleTo(t.current()); }
    QLineEdit* box() const { return t.find<QLineEdit>("Text1"); }
    QPushButton* next() const { return t.find<QPushButton>("BottoneAvanti"); }

    TestApp t;
};

TEST_F(WrittenScreen, RoadOfOneAnswerInPlusTen)
{
    openFromMenu("Command2", {0.1, pick(47, 978)});
    EXPECT_EQ(t.app.state.exerciseType, 9);
    EXPECT_EQ(t.current()->background(), TestApp::colourFor(0.1));
    EXPECT_EQ(caption(), " 47 + 10 = ");
    EXPECT_EQ(t.app.state.currentNumber, 57);
    // A fresh screen: the yes picture, plain zeros, "avanti" shown but off.
    EXPECT_TRUE(yesShown());
    EXPECT_FALSE(noShown());
    EXPECT_EQ(rightShown(), "0");
    EXPECT_EQ(wrongShown(), "0");
    EXPECT_TRUE(next()->isVisible());
    EXPECT_FALSE(next()->isEnabled());
    EXPECT_TRUE(box()->isEnabled());
    EXPECT_TRUE(box()->text().isEmpty());
    EXPECT_EQ(t.current()->focusWidget(), box());
    EXPECT_FALSE(t.find<QLabel>("Label3")->isVisibleTo(t.current()));
    EXPECT_FALSE(t.find<QAction>("mnuNumeroMassimo")->isVisible());

    // Two wrong tries: each counts, the typed text stays for another go.
    answer("56");
    EXPECT_EQ(wrongShown(), " 1");
    EXPECT_TRUE(noShown());
    EXPECT_FALSE(yesShown());
    EXPECT_EQ(box()->text(), "56");
    EXPECT_EQ(t.current()->focusWidget(), box());
    EXPECT_FALSE(next()->isEnabled());
    t.key("Text1", Qt::Key_Return);
    EXPECT_EQ(wrongShown(), " 2");
    EXPECT_EQ(caption(), " 47 + 10 = ");
    ASSERT_EQ(t.player.played.size(), 2);
    EXPECT_TRUE(t.player.played.back().endsWith("no.wav"));

    // Right: praise, the solved problem, the box locked, "avanti" on.
    t.random.push(pick(2, 4));  // the praise sound
    answer("57");
    EXPECT_EQ(rightShown(), " 1");
    EXPECT_EQ(wrongShown(), " 2");
    EXPECT_TRUE(yesShown());
    EXPECT_FALSE(noShown());
    EXPECT_TRUE(t.player.played.back().endsWith("si3.wav"));
    EXPECT_EQ(caption(), " 47 + 10 =  57");
    EXPECT_FALSE(box()->isEnabled());
    EXPECT_TRUE(next()->isEnabled());
    EXPECT_NE(t.current()->focusWidget(), box());
    // The locked box still shows the answer in strong letters.
    const QImage locked = box()->grab().toImage();
    int strong = 0;
    for (int y = 0; y < locked.height(); ++y)
        for (int x = 0; x < locked.width(); ++x)
            strong += locked.pixelColor(x, y).lightness() < 60;
    EXPECT_GT(strong, 40);
    // What the child types now reaches the button, never the locked box.
    QTest::keyClicks(t.current()->focusWidget(), "9");
    EXPECT_EQ(box()->text(), "57");
    EXPECT_EQ(rightShown(), " 1");
    EXPECT_EQ(caption(), " 47 + 10 =  57");

    // Enter on the focused "avanti" presses it: a new colour and problem,
    // the box open and empty again.
    EXPECT_EQ(t.current()->focusWidget(), next());
    t.random.push({0.2, pick(100, 978)});
    QTest::keyClick(t.current()->focusWidget(), Qt::Key_Return);
    TestApp::flush();
    EXPECT_EQ(t.current()->background(), TestApp::colourFor(0.2));
    EXPECT_EQ(caption(), " 100 + 10 = ");
    EXPECT_EQ(t.app.state.currentNumber, 110);
    EXPECT_TRUE(box()->isEnabled());
    EXPECT_TRUE(box()->text().isEmpty());
    EXPECT_EQ(t.current()->focusWidget(), box());
    EXPECT_FALSE(next()->isEnabled());
    EXPECT_TRUE(yesShown());  // the pictures keep the last answer's result
    EXPECT_EQ(rightShown(), " 1");
    EXPECT_TRUE(t.random.empty());
}

TEST_F(WrittenScreen, TheBoxTakesDigitsAndCommasOnlyAndFourAtMost)
{
    t.app.state.soundsOn = false;
    openFromMenu("Command12", {0.0, pick(1, 2), 0.0});  // successor of -1: 0
    EXPECT_EQ(caption(), "-1 ____");

    t.type("Text1", "1a2");
    t.key("Text1", Qt::Key_Backspace);
    EXPECT_EQ(box()->text(), "1");
    box()->clear();
    t.type("Text1", "1,2");
    EXPECT_EQ(box()->text(), "1,2");
    box()->clear();
    t.type("Text1", "12345");
    EXPECT_EQ(box()->text(), "1234");

    // Enter on an empty box does nothing at all; Enter itself never lands
    // in the box.
    box()->clear();
    t.key("Text1", Qt::Key_Return);
    EXPECT_EQ(wrongShown(), "0");
    EXPECT_EQ(rightShown(), "0");
    EXPECT_TRUE(box()->text().isEmpty());

    // Only the digits count: "0,0" is 0, and right.
    answer(",0,");
    EXPECT_EQ(rightShown(), " 1");
    EXPECT_EQ(caption(), "-1   0");
}

// The filter judges typed characters only: keys that edit, move or leave
// the box do what they always do.
TEST_F(WrittenScreen, EditingKeysPassTheDigitFilter)
{
    openFromMenu("Command12", {0.0, pick(1, 2), 0.0});
    t.type("Text1", "12");
    t.key("Text1", Qt::Key_Home);
    t.key("Text1", Qt::Key_Delete);
    EXPECT_EQ(box()->text(), "2");
    t.type("Text1", "3");
    t.key("Text1", Qt::Key_Left);
    t.key("Text1", Qt::Key_Left);
    t.key("Text1", Qt::Key_Delete);
    EXPECT_EQ(box()->text(), "2");  // Left, Left, Delete took the 3 typed before the 2
    t.key("Text1", Qt::Key_End);
    t.type("Text1", "4");
    EXPECT_EQ(box()->text(), "24");

    // Escape goes on to the screen, as a key the box does not use.
    struct Seen : QObject
    {
        int escapes = 0;
        bool eventFilter(QObject*, QEvent* e) override
        {
            if (e->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(e)->key() == Qt::Key_Escape)
                ++escapes;
            return false;
        }
    } seen;
    t.current()->canvas()->installEventFilter(&seen);
    t.key("Text1", Qt::Key_Escape);
    EXPECT_EQ(seen.escapes, 1);
    EXPECT_EQ(box()->text(), "24");

    // Tab leaves the box.
    t.key("Text1", Qt::Key_Tab);
    EXPECT_NE(QApplication::focusWidget(), box());
}

TEST_F(WrittenScreen, PlaceLabelsComeFromTheMessageStrings)
{
    t.writeLanguage("Italiano", "[Strings]\n0001=\"centinaia\"\n0003=\"unità\"\n");
    t.writeSettings("Italiano");
    t.app.state.soundsOn = false;
    openFromMenu("Command8", {0.0, pick(0, 2), pick(304, 999)});
    EXPECT_EQ(caption(), QString::fromUtf8("centinaia 3    unità 5    "));
    answer("305");
    EXPECT_EQ(caption(), QString::fromUtf8("centinaia 3    unità 5     = 305"));
}

TEST_F(WrittenScreen, ExpandedFormOfNothingExpectsZero)
{
    t.app.state.soundsOn = false;
    openFromMenu("Command10", {0.0, pick(99, 999), pick(0, 3)});
    EXPECT_EQ(caption(), " ");
    answer("0");
    EXPECT_EQ(rightShown(), " 1");
    EXPECT_EQ(caption(), "  = 0");
}

TEST_F(WrittenScreen, ResetZeroesTheCountsAndLeavesTheRestAlone)
{
    t.app.state.soundsOn = false;
    openFromMenu("Command37", {0.0, pick(47, 987)});
    answer("50");
    answer("51");
    ASSERT_EQ(wrongShown(), " 2");

    t.trigger("MenuAzzera");
    EXPECT_EQ(rightShown(), "0");
    EXPECT_EQ(wrongShown(), "0");
    EXPECT_EQ(t.app.state.wrongCount, 0);
    EXPECT_TRUE(noShown());
    EXPECT_EQ(caption(), " 56 + 1  = ");
    EXPECT_FALSE(next()->isEnabled());

    answer("57");
    EXPECT_EQ(rightShown(), " 1");
    EXPECT_EQ(wrongShown(), "0");
}

TEST_F(WrittenScreen, CountsStopAtTheLargestTheyCanHold)
{
    t.app.state.soundsOn = false;
    openFromMenu("Command22", {0.0, pick(36, 100)});
    t.app.state.wrongCount = 32766;
    answer("1");
    answer("2");
    EXPECT_EQ(wrongShown(), " 32767");
    EXPECT_EQ(t.app.state.wrongCount, 32767);
    t.app.state.rightCount = 32767;
    answer("37");
    EXPECT_EQ(rightShown(), " 32767");
    EXPECT_EQ(caption(), " 63 +  37 = 100");
}

TEST_F(WrittenScreen, ChoosingTheLargestNumberPosesAtOnceWithinIt)
{
    t.app.state.soundsOn = false;
    t.app.state.numberWordsLanguage = WordsLanguage::Italian;
    openFromMenu("Command6", {0.0, pick(344, 999)});
    EXPECT_EQ(caption(), numberInWords(345, WordsLanguage::Italian));
    EXPECT_TRUE(t.find<QLabel>("Label3")->isVisible());
    QAction* max = t.find<QAction>("mnuNumeroMassimo");
    ASSERT_TRUE(max);
    EXPECT_TRUE(max->isVisible());

    t.trigger("mnuNumeroMassimo");
    auto* choice = t.find<QGroupBox>("CorniceNumeroMassimo");
    ASSERT_TRUE(choice->isVisible());
    EXPECT_EQ(choice->pos(), QPoint(0, 0));

    // "299": the open problem is dropped uncounted and a new one posed.
    t.random.push({0.3, 0.999999});
    t.click("OpzioneNumeroMassimo", 1);
    EXPECT_FALSE(choice->isVisible());
    EXPECT_EQ(t.app.state.maxNumber, 299);
    EXPECT_EQ(t.app.state.currentNumber, 299);
    EXPECT_EQ(caption(), numberInWords(299, WordsLanguage::Italian));
    EXPECT_EQ(t.current()->background(), TestApp::colourFor(0.3));
    EXPECT_EQ(wrongShown(), "0");

    answer("299");
    EXPECT_EQ(caption(), numberInWords(299, WordsLanguage::Italian) + " = 299");
    t.random.push({0.0, 0.999999});
    t.click("BottoneAvanti");
    EXPECT_EQ(t.app.state.currentNumber, 299);

    // Leaving and coming back starts from 999 again.
    t.dialogs.answers.push_back(true);
    t.random.push(0.0);  // the menu's background
    t.trigger("mnuEsci");
    ASSERT_EQ(t.currentName(), "FormMenuNumeri");
    t.random.push({0.0, 0.999999});
    t.click("Command6");
    EXPECT_EQ(t.app.state.maxNumber, 999);
    EXPECT_EQ(t.app.state.currentNumber, 999);
}

TEST_F(WrittenScreen, OnlyWordsToDigitsOffersTheLargestNumber)
{
    openFromMenu("Command11", {0.0, pick(0, 2), 0.5});
    EXPECT_FALSE(t.find<QAction>("mnuNumeroMassimo")->isVisible());
    EXPECT_FALSE(t.find<QLabel>("Label3")->isVisibleTo(t.current()));
    EXPECT_EQ(caption(), " ____  501");
}

TEST_F(WrittenScreen, LongestNumberWordsFitAcrossTheScreen)
{
    t.app.state.numberWordsLanguage = WordsLanguage::Albanian;
    openFromMenu("Command6", {0.0, pick(665, 999)});
    auto* line = t.find<QLabel>("EtichettaNumero");
    ASSERT_EQ(line->text(), numberInWords(666, WordsLanguage::Albanian));
    EXPECT_LE(QFontMetrics(line->font()).horizontalAdvance(line->text()), line->contentsRect().width());
    EXPECT_GE(line->font().pointSizeF(), 12.0);

    // A short line keeps the design size.
    t.app.state.soundsOn = false;
    answer("666");
    t.random.push({0.0, pick(6, 999)});
    t.click("BottoneAvanti");
    EXPECT_EQ(line->font().pointSizeF(), 36.0);
}

TEST_F(WrittenScreen, ExitAsksAndNoKeepsEverything)
{
    t.app.state.soundsOn = false;
    t.app.state.frameTexts.exitQuestion = "Vuoi uscire?";
    openFromMenu("Command19", {0.0, pick(300, 890), 0.5});
    answer("100");
    ASSERT_EQ(wrongShown(), " 1");

    t.dialogs.answers.push_back(false);
    t.trigger("mnuEsci");
    ASSERT_EQ(t.dialogs.shown.size(), 1u);
    EXPECT_EQ(t.dialogs.shown[0].kind, "question");
    EXPECT_EQ(t.dialogs.shown[0].title, "Contalandia");
    EXPECT_EQ(t.dialogs.shown[0].text, "Vuoi uscire?");
    EXPECT_EQ(t.currentName(), "FormScri");
    EXPECT_EQ(caption(), " 300 -  100 = ");
    EXPECT_EQ(box()->text(), "100");
    EXPECT_TRUE(noShown());
    EXPECT_EQ(wrongShown(), " 1");
    EXPECT_EQ(t.app.state.wrongCount, 1);

    t.dialogs.answers.push_back(true);
    t.random.push(0.0);
    t.trigger("mnuEsci");
    EXPECT_EQ(t.currentName(), "FormMenuNumeri");
    EXPECT_EQ(TestApp::screenCount(), 1);
    EXPECT_EQ(t.app.state.wrongCount, 0);
}

TEST(WrittenScreenLanguage, FrameCaptionsKeepTheStartUpLanguage)
{
    TestApp t;
    t.random.setFallback(0.0);
    t.writeLanguage("A", "[Strings]\n0008=\"Right A\"\n0009=\"Wrong A\"\n0012=\"next A\"\n0013=\"Exit A\"\n"
                         "[FormScri]\nLabel3.Caption=\"digits A\"\n");
    t.writeLanguage("B", "[Strings]\n0008=\"Right B\"\n0009=\"Wrong B\"\n0012=\"next B\"\n0013=\"Exit B\"\n"
                         "[FormScri]\nLabel3.Caption=\"digits B\"\nLabelEST.Caption=\"Right B\"\n");
    t.writeSettings("A");
    startProgram(t.app);
    t.click("BottoneAvvio");
    ASSERT_EQ(t.currentName(), "FormMenu");
    const int b = t.find<QAction>("mnuLanguage", 0)->text() == "B" ? 0 : 1;
    t.trigger("mnuLanguage", b);
    t.click("Command3");
    t.click("Command6");
    ASSERT_EQ(t.currentName(), "FormScri");

    // The screen's own texts follow the new language, the frame's do not.
    EXPECT_EQ(t.find<QLabel>("Label3")->text(), "digits B");
    EXPECT_EQ(t.find<QLabel>("LabelEST")->text(), "Right A");
    EXPECT_EQ(t.find<QLabel>("LabelErt")->text(), "Wrong A");
    EXPECT_EQ(t.find<QPushButton>("BottoneAvanti")->text(), "next A");
    EXPECT_EQ(t.find<QAction>("mnuEsci")->text(), "Exit A");
}

} // namespace
