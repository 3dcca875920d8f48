// SPDX-License-Identifier: GPL-3.0-or-later
// The number-line screens driven through their real widgets.
#include "exercises/numberlines/NumberLineScreen.h"
#include "support/TestApp.h"

#include <QLabel>
#include <QLineEdit>

namespace {

double pick(int k, int n) { return (k + 0.5) / n; }
double unitsStart(int start) { return pick(start / 10 - 1, 90); }
double tensStart(int start) { return pick(start - 1, 89); }
double tick(int i) { return pick(i, NumberLine::TickCount); }
const double Praise = 0.1;  // the praise sound drawn with every right answer

const QColor Red(255, 0, 0);
const QColor Black(0, 0, 0);

class NumberLineScreens : public ::testing::Test
{
protected:
    NumberLineScreen* open(const char* name, std::initializer_list<double> draws)
    {
        t.random.push(draws);
        return static_cast<NumberLineScreen*>(t.open(QString::fromLatin1(name)));
    }
    QLineEdit* box() { return t.find<QLineEdit>("Text1"); }
    LineControl* tickLine(int i) { return t.find<LineControl>("Line2", i); }
    QLabel* label(int i) { return t.find<QLabel>("Label3", i); }
    QStringList shownLabels()
    {
        QStringList shown;
        for (int i = 0; i < NumberLine::TickCount; ++i)
            if (label(i)->isVisible())
                shown << label(i)->text();
        return shown;
    }
    // Types a whole answer into an emptied box and releases Enter.
    void answer(const QString& typed)
    {
        box()->clear();
        t.type("Text1", typed);
        t.key("Text1", Qt::Key_Return);
    }
    bool boxHasFocus() { return t.current()->focusWidget() == box(); }
    QString count(const char* name) { return t.find<QLabel>(name)->text().trimmed(); }

    TestApp t;
};

TEST_F(NumberLineScreens, UnitsLineFrom900AsksTick7AndTakes0907)
{
    NumberLineScreen* s = open("FormGradi1", {unitsStart(900), tick(7)});
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(t.random.reseeds(), 1);
    EXPECT_EQ(shownLabels(), (QStringList{"900", "910", "920"}));
    for (int i = 0; i < NumberLine::TickCount; ++i)
        EXPECT_EQ(tickLine(i)->colour(), (i == 0 || i == 7 || i == 10 || i == 20) ? Red : Black) << i;
    EXPECT_EQ(t.find<QWidget>("BottoneAvanti"), nullptr);
    EXPECT_TRUE(boxHasFocus());

    t.random.push({Praise, tick(3)});
    answer("0907");
    EXPECT_EQ(count("EtichettaEsatti"), "1");
    EXPECT_EQ(t.player.played.size(), 1);
    EXPECT_EQ(shownLabels(), (QStringList{"900", "907", "910", "920"}));
    EXPECT_EQ(s->line().askedTick(), 3);
    EXPECT_EQ(tickLine(3)->colour(), Red);
    EXPECT_EQ(tickLine(7)->colour(), Red);
    EXPECT_EQ(box()->text(), "");
    EXPECT_TRUE(boxHasFocus());
    EXPECT_TRUE(t.random.empty());
}

TEST_F(NumberLineScreens, TensLineFrom89AsksTick13For1020)
{
    NumberLineScreen* s = open("FormGradi2", {tensStart(89), tick(13)});
    EXPECT_EQ(shownLabels(), (QStringList{"890", "990", "1090"}));
    t.random.push({Praise, tick(2)});
    answer("1020");
    EXPECT_EQ(count("EtichettaEsatti"), "1");
    EXPECT_EQ(label(13)->text(), "1020");
    EXPECT_EQ(s->line().askedTick(), 2);
}

TEST_F(NumberLineScreens, MixedLinesDrawTheirGraduationFirst)
{
    open("FormGradi3", {0.25, tensStart(5), tick(3)});
    EXPECT_EQ(shownLabels(), (QStringList{"50", "150", "250"}));
}

TEST_F(NumberLineScreens, WrongAnswersKeepTheTickAndTheTextAndEmptyEnterDoesNothing)
{
    NumberLineScreen* s = open("FormGradi1", {unitsStart(900), tick(7)});
    t.key("Text1", Qt::Key_Return);
    EXPECT_EQ(count("EtichettaErrati"), "0");
    EXPECT_TRUE(t.player.played.isEmpty());

    // A text of commas reads 0 and 1,5 reads 1: both wrong, neither crashes.
    for (const char* typed : {"906", ",,,,", "9,07"}) {
        answer(QString::fromLatin1(typed));
        EXPECT_EQ(box()->text(), QString::fromLatin1(typed));
        EXPECT_TRUE(boxHasFocus());
    }
    EXPECT_EQ(count("EtichettaErrati"), "3");
    EXPECT_EQ(count("EtichettaEsatti"), "0");
    EXPECT_EQ(t.player.played.size(), 3);
    EXPECT_EQ(s->line().askedTick(), 7);
    EXPECT_FALSE(label(7)->isVisible());
}

TEST_F(NumberLineScreens, TheBoxTakesDigitsCommaAndEditingKeysOnly)
{
    open("FormGradi1", {unitsStart(900), tick(7)});
    t.type("Text1", "9a0 -x.7");
    EXPECT_EQ(box()->text(), "907");
    t.key("Text1", Qt::Key_Home);
    // Some window systems give Delete the control character 127 as its text.
    QTest::sendKeyEvent(QTest::Click, box(), Qt::Key_Delete, QStringLiteral("\x7f"), Qt::NoModifier);
    EXPECT_EQ(box()->text(), "07");
    t.key("Text1", Qt::Key_End);
    t.key("Text1", Qt::Key_Backspace);
    t.type("Text1", ",12345");
    EXPECT_EQ(box()->text(), "0,12");  // at most four characters
}

TEST_F(NumberLineScreens, TheSixthQuestionIsOnANewLineAndTheCountsGoOn)
{
    NumberLineScreen* s = open("FormGradi1", {unitsStart(100), tick(1)});
    answer("5");  // one wrong answer on the way
    for (int i = 1; i <= 4; ++i) {
        t.random.push({Praise, tick(i + 1)});
        answer(QString::number(100 + i));
    }
    t.random.push({Praise, unitsStart(300), tick(19)});
    answer("105");
    EXPECT_EQ(s->line().startValue(), 300);
    EXPECT_EQ(shownLabels(), (QStringList{"300", "310", "320"}));
    for (int i = 1; i <= 5; ++i)
        EXPECT_EQ(tickLine(i)->colour(), Black) << i;
    EXPECT_EQ(count("EtichettaEsatti"), "5");
    EXPECT_EQ(count("EtichettaErrati"), "1");
    t.random.push({Praise, tick(4)});
    answer("319");
    EXPECT_EQ(count("EtichettaEsatti"), "6");
    EXPECT_TRUE(t.random.empty());
}

TEST_F(NumberLineScreens, LineTicksAndLabelsFollowEveryRescale)
{
    open("FormGradi1", {unitsStart(900), tick(7)});
    t.random.push({Praise, tick(3)});
    answer("907");
    for (QSize size : {QSize(800, 600), QSize(1600, 1000)}) {
        t.resize(size);
        const int width = t.current()->canvas()->width();
        LineControl* line = t.find<LineControl>("Line1");
        EXPECT_NEAR(line->ends().x1(), width * 525.0 / 9450, 2) << size.width();
        EXPECT_NEAR(line->ends().x2(), width * 8925.0 / 9450, 2) << size.width();
        for (int i : {0, 7, 10, 20}) {
            const QLineF tk = tickLine(i)->ends();
            EXPECT_NEAR(tk.x1(), width * (525.0 + 420 * i) / 9450, 2) << i;
            EXPECT_EQ(tk.y2(), line->ends().y1()) << i;  // down to the line
            const QRect l = label(i)->geometry();
            EXPECT_NEAR(l.center().x(), tk.x1(), 2) << i;
            EXPECT_LE(l.bottom(), tk.y1()) << i;          // above its tick
            EXPECT_GE(l.width(), label(i)->sizeHint().width() - 2) << i;
        }
        // Short ticks are shorter than the numbered ones.
        EXPECT_LT(tickLine(7)->ends().length(), tickLine(10)->ends().length());
        // Neighbouring labels do not run into each other.
        EXPECT_LT(label(7)->geometry().right(), tickLine(8)->ends().x1());
    }
}

TEST_F(NumberLineScreens, TicksSayWhatTheyShow)
{
    t.useLanguage("English", "[Strings]\n0380=\"The number line from %1 to %2\"\n"
                             "0381=\"Which number goes on the red mark?\"\n0382=\"A mark with no number\"\n"
                             "0383=\"The number %1 goes here\"\n");
    open("FormGradi1", {unitsStart(900), tick(7)});
    EXPECT_EQ(t.find<QWidget>("Line1")->accessibleName(), "The number line from 900 to 920");
    EXPECT_EQ(tickLine(7)->accessibleName(), "Which number goes on the red mark?");
    EXPECT_EQ(box()->accessibleName(), "Which number goes on the red mark?");
    EXPECT_EQ(tickLine(6)->accessibleName(), "A mark with no number");
    EXPECT_EQ(tickLine(10)->accessibleName(), "The number 910 goes here");
    t.random.push({Praise, tick(3)});
    answer("907");
    EXPECT_EQ(tickLine(7)->accessibleName(), "The number 907 goes here");
    EXPECT_EQ(tickLine(3)->accessibleName(), "Which number goes on the red mark?");
}

TEST_F(NumberLineScreens, TheMenuOpensEachLineAndTheExitLeadsBack)
{
    t.random.setFallback(0.3);
    for (const char* command : {"Command10", "Command11", "Command12"}) {
        t.open("FormMenuGrafici");
        ASSERT_TRUE(t.find<QWidget>(command)->isEnabled()) << command;
        t.click(command);
        EXPECT_TRUE(t.currentName().startsWith("FormGradi")) << command;
        t.dialogs.answers.push_back(true);
        t.trigger("mnuEsci");
        EXPECT_EQ(t.currentName(), "FormMenuGrafici");
    }
}

} // namespace

// With large text the question is written above the line, and the asked
// tick stands out from the red ones already answered; without, neither.
TEST(NumberLineLargeText, TheQuestionIsWrittenAndTheAskedTickIsThicker)
{
    for (const bool large : {false, true}) {
        TestApp t;
        t.writeLanguage(QStringLiteral("Italiano"),
                        QStringLiteral("[Strings]\n0381=\"Quale numero va sulla tacca rossa?\"\n"));
        t.writeSettings(QStringLiteral("Italiano"));
        t.app.state.largeText = large;
        t.random.push({unitsStart(900), tick(7)});
        t.random.setFallback(0.1);
        t.open(QStringLiteral("FormGradi1"));
        auto* question = t.find<QLabel>("EtichettaDomanda");
        EXPECT_EQ(question->isVisible(), large);
        if (large)
            EXPECT_EQ(question->text(), QStringLiteral("Quale numero va sulla tacca rossa?"));
        const int asked = t.find<LineControl>("Line2", 7)->width();
        const int plain = t.find<LineControl>("Line2", 6)->width();
        const int numbered = t.find<LineControl>("Line2", 10)->width();
        EXPECT_EQ(asked > plain, large);
        EXPECT_EQ(plain, numbered);
        // The question stands clear of the labels of the line.
        if (large)
            EXPECT_LE(question->geometry().bottom(), t.find<QLabel>("Label3", 10)->geometry().top());
    }
}
