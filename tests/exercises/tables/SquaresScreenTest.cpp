// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/tables/SpokenName.h"
#include "framework/CellGrid.h"
#include "support/TestApp.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

double fractionFor(int k, int n)
{
    return (k + 0.5) / n;
}

const QColor Red(255, 0, 0);
const QColor Blue(0, 0, 255);
const QColor Green(0, 192, 0);
const QColor LightGreen(128, 255, 128);
const QColor LightCyan(192, 255, 255);

struct SquaresScreen
{
    TestApp t;

    SquaresScreen(const char* name, std::initializer_list<double> draws)
    {
        t.random.setFallback(0.0);
        t.useLanguage(QStringLiteral("Prova"),
                      QStringLiteral("[Strings]\n0402=\"bianco\"\n0403=\"decina\"\n0404=\"unità\"\n"
                                     "0405=\"centinaio bianco\"\n0406=\"centinaio verde\"\n"));
        t.random.push(draws);
        t.open(QString::fromLatin1(name));
    }
    Cell* square(int i) const { return t.find<Cell>(QStringLiteral("Picture1"), i); }
    Cell* big(int i) const { return t.find<Cell>(QStringLiteral("Picture2"), i); }
    QLabel* label(int i) const { return t.find<QLabel>(QStringLiteral("EtichettaNumero"), i); }
    QLineEdit* box() const { return t.find<QLineEdit>(QStringLiteral("Text1")); }
    QPushButton* button(const char* name) const { return t.find<QPushButton>(QString::fromLatin1(name)); }
    QString right() const { return t.find<QLabel>(QStringLiteral("EtichettaEsatti"))->text(); }
    QString wrong() const { return t.find<QLabel>(QStringLiteral("EtichettaErrati"))->text(); }
    void press(const char* name, int times = 1)
    {
        for (int i = 0; i < times; ++i)
            t.click(QString::fromLatin1(name));
    }
    void answer(const QString& typed)
    {
        box()->clear();
        t.type(QStringLiteral("Text1"), typed);
        t.key(QStringLiteral("Text1"), Qt::Key_Return);
    }
};

const char* const Ten = "Command1";
const char* const Unit = "Command2";
const char* const Hundred = "Command3";

TEST(SquaresScreen, UnitsThenATenColourDownTheColumnsAndOnlyTheNumberIsJudged)
{
    SquaresScreen s("Form100g", {fractionFor(63, 101)});
    const QColor designBackground = s.t.current()->background();
    EXPECT_EQ(s.label(0)->text(), QStringLiteral(" 37  +  "));
    EXPECT_EQ(s.label(1)->text(), QStringLiteral(" = 100"));
    EXPECT_EQ(spokenName(s.box()), QStringLiteral("37  + ? = 100"));
    EXPECT_EQ(s.t.current()->focusWidget(), s.box());
    EXPECT_EQ(s.square(0)->fill(), LightGreen);
    // Indices run down each column: square 10 starts the second column.
    EXPECT_EQ(s.square(1)->x(), s.square(0)->x());
    EXPECT_GT(s.square(1)->y(), s.square(0)->y());
    EXPECT_GT(s.square(10)->x(), s.square(9)->x());
    EXPECT_EQ(s.square(10)->y(), s.square(0)->y());

    s.press(Unit, 7);
    s.press(Ten);
    for (int i = 0; i < 100; ++i)
        EXPECT_EQ(s.square(i)->fill(), i < 7 ? Blue : i < 17 ? Red : LightGreen) << i;
    EXPECT_EQ(spokenName(s.square(3)), QStringLiteral("unità"));
    EXPECT_EQ(spokenName(s.square(16)), QStringLiteral("decina"));
    EXPECT_EQ(spokenName(s.square(17)), QStringLiteral("bianco"));
    EXPECT_EQ(s.right(), QStringLiteral("0"));  // colouring is never judged
    EXPECT_EQ(s.wrong(), QStringLiteral("0"));

    s.t.key(QStringLiteral("Text1"), Qt::Key_Return);
    EXPECT_EQ(s.wrong(), QStringLiteral("0"));
    s.answer(QStringLiteral("36"));
    EXPECT_EQ(s.wrong(), QStringLiteral(" 1"));
    s.answer(QStringLiteral("6,3"));
    EXPECT_EQ(s.right(), QStringLiteral(" 1"));
    EXPECT_FALSE(s.box()->isEnabled());
    EXPECT_FALSE(s.button("BottoneRicomincia")->isEnabled());
    EXPECT_EQ(s.t.current()->focusWidget(), s.button("BottoneAvanti"));

    // The colour buttons still work after the right answer.
    s.press(Unit);
    EXPECT_EQ(s.square(17)->fill(), Blue);

    s.t.random.push({fractionFor(100, 101)});
    s.t.click(QStringLiteral("BottoneAvanti"));
    EXPECT_EQ(s.label(0)->text(), QStringLiteral(" 0  +  "));
    EXPECT_TRUE(s.box()->isEnabled());
    EXPECT_TRUE(s.button("BottoneRicomincia")->isEnabled());
    EXPECT_FALSE(s.button("BottoneAvanti")->isEnabled());
    EXPECT_EQ(s.square(0)->fill(), LightGreen);
    EXPECT_EQ(s.t.current()->background(), designBackground);  // no random colour here
    s.answer(QStringLiteral("100"));
    EXPECT_EQ(s.right(), QStringLiteral(" 2"));
}

TEST(SquaresScreen, TensStopShortOfTheEndAndUnitsFinishTheSquare)
{
    SquaresScreen s("Form100g", {fractionFor(0, 101)});
    EXPECT_EQ(s.label(0)->text(), QStringLiteral(" 100  +  "));
    s.press(Ten, 10);  // the tenth does nothing: 90 are coloured
    EXPECT_EQ(s.square(89)->fill(), Red);
    EXPECT_EQ(s.square(90)->fill(), LightGreen);
    s.press(Unit, 5);
    s.press(Ten);  // 95 coloured: no room for a ten
    EXPECT_EQ(s.square(95)->fill(), LightGreen);
    for (int i = 95; i < 100; ++i) {
        s.press(Unit);
        EXPECT_EQ(s.square(i)->fill(), Blue) << i;
    }
    s.press(Unit);
    s.press(Ten);
    EXPECT_EQ(s.square(89)->fill(), Red);
    EXPECT_EQ(s.square(90)->fill(), Blue);
    s.answer(QStringLiteral(","));  // no digit reads 0
    EXPECT_EQ(s.right(), QStringLiteral(" 1"));
}

TEST(SquaresScreen, RestartClearsColoursAndAnswerButKeepsTheProblem)
{
    SquaresScreen s("Form500g", {fractionFor(1, 4), fractionFor(2, 5)});  // kind 2: 300
    EXPECT_EQ(s.label(0)->text(), QStringLiteral(" 200  +  "));
    EXPECT_EQ(s.label(1)->text(), QStringLiteral(" = 500"));
    s.answer(QStringLiteral("299"));
    s.press(Hundred, 2);
    s.press(Ten);
    s.press(Unit);
    EXPECT_EQ(s.big(1)->fill(), Green);
    EXPECT_EQ(spokenName(s.big(1)), QStringLiteral("centinaio verde"));
    EXPECT_EQ(s.big(2)->fill(), LightCyan);
    EXPECT_EQ(s.square(10)->fill(), Blue);

    s.t.click(QStringLiteral("BottoneRicomincia"));
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(s.big(i)->fill(), LightCyan) << i;
    for (int i = 0; i < 100; ++i)
        EXPECT_EQ(s.square(i)->fill(), LightCyan) << i;
    EXPECT_EQ(spokenName(s.big(0)), QStringLiteral("centinaio bianco"));
    EXPECT_TRUE(s.box()->text().isEmpty());
    EXPECT_EQ(s.label(0)->text(), QStringLiteral(" 200  +  "));
    EXPECT_EQ(s.wrong(), QStringLiteral(" 1"));

    s.press(Hundred, 5);  // the fifth does nothing
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(s.big(i)->fill(), Green) << i;
    EXPECT_EQ(s.square(0)->fill(), LightCyan);
    s.press(Ten);
    EXPECT_EQ(s.square(0)->fill(), Red);  // colouring starts again at the first square
    s.answer(QStringLiteral("3 0 0"));
    EXPECT_EQ(s.right(), QStringLiteral(" 1"));
}

} // namespace
