// SPDX-License-Identifier: GPL-3.0-or-later
// One problem of every exercise family solved from its opening to "right"
// with the keyboard alone: every event below is a key sent to the screen's
// window, which hands it to the control with the focus, as a real keyboard
// does. No click, no drop, no focus set by the test.
#include "framework/CellGrid.h"
#include "support/TestApp.h"

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

double pick(int k, double n)
{
    return (k + 0.5) / n;
}

class KeyboardOnly : public ::testing::Test
{
protected:
    void open(const char* screen, std::initializer_list<double> draws)
    {
        t.random.setFallback(0.0);  // praise sounds and later problems
        t.random.push(draws);
        t.open(QString::fromLatin1(screen));
    }
    QWidget* control(const char* name, int index = -1) const { return t.find<QWidget>(QString::fromLatin1(name), index); }
    // Tab until the control has the focus, as a child would; fails when Tab
    // never reaches it.
    void tabTo(const char* name, int index = -1)
    {
        QWidget* w = control(name, index);
        ASSERT_NE(w, nullptr) << name;
        for (int i = 0; i < 200 && t.focused() != w; ++i)
            t.press(Qt::Key_Tab);
        ASSERT_EQ(t.focused(), w) << name << " is no tab stop";
    }
    void press(Qt::Key k, int times = 1)
    {
        for (int i = 0; i < times; ++i)
            t.press(k);
    }
    QString right() const { return t.find<QLabel>(QStringLiteral("EtichettaEsatti"))->text().trimmed(); }
    QString wrong() const { return t.find<QLabel>(QStringLiteral("EtichettaErrati"))->text().trimmed(); }

    TestApp t;
};

// The written numbers: 500 against 50, the ">" button chosen by Tab and Space.
TEST_F(KeyboardOnly, WrittenComparison)
{
    open("FormMM", {pick(499, 999), pick(49, 999), 0.2});
    tabTo("Comando", 0);
    press(Qt::Key_Space);
    EXPECT_EQ(right(), "1");
    EXPECT_EQ(wrong(), "0");
}

// 4 + 3 on FormCola: each digit picked up with Space and put into its cell
// with Enter, the units typed, the empty tens and hundreds taken as 0.
TEST_F(KeyboardOnly, ColumnAdditionWithoutExchanges)
{
    open("FormCola", {pick(7, 10), pick(4, 7), pick(0, 10), 0.5, pick(0, 10), 0.5});
    tabTo("Lu1");
    press(Qt::Key_Space);
    EXPECT_EQ(t.focused(), control("Eu1"));  // the only cell that takes it
    press(Qt::Key_Return);
    EXPECT_EQ(t.focused(), control("Lu2"));  // on to the next digit that moves
    press(Qt::Key_Space);
    press(Qt::Key_Return);
    EXPECT_EQ(t.focused(), control("Eur"));
    t.pressKeys(QStringLiteral("7"));
    press(Qt::Key_Return);
    press(Qt::Key_Return);  // tens: nothing typed is 0
    press(Qt::Key_Return);  // hundreds
    EXPECT_EQ(t.find<QLabel>(QStringLiteral("Lris"))->text().trimmed(), "7");
    EXPECT_EQ(right(), "1");
    EXPECT_EQ(wrong(), "0");
}

// 57 + 68 on FormColb: digits, both exchange marks moved by keys, every
// column typed; a wrong target is never offered.
TEST_F(KeyboardOnly, ColumnAdditionWithExchanges)
{
    open("FormColb", {pick(105, 979), pick(56, 125)});
    tabTo("Lda1");
    press(Qt::Key_Space);
    EXPECT_EQ(t.focused(), control("Eda1"));
    press(Qt::Key_Right);  // no other cell takes a 5: it stays
    EXPECT_EQ(t.focused(), control("Eda1"));
    press(Qt::Key_Return);
    for (const char* digit : {"Lu1", "Lda2", "Lu2"}) {
        EXPECT_EQ(t.focused(), control(digit));
        press(Qt::Key_Space);
        press(Qt::Key_Return);
    }
    EXPECT_EQ(t.focused(), control("Eur"));
    t.pressKeys(QStringLiteral("15"));
    press(Qt::Key_Return);

    tabTo("CambioUp");
    press(Qt::Key_Space);
    EXPECT_EQ(t.focused(), control("CambioUa"));
    press(Qt::Key_Return);
    EXPECT_EQ(t.focused(), control("Edar"));
    t.pressKeys(QStringLiteral("12"));
    press(Qt::Key_Return);

    tabTo("CambioDap");
    press(Qt::Key_Space);
    press(Qt::Key_Return);
    EXPECT_EQ(t.focused(), control("Ehr"));
    t.pressKeys(QStringLiteral("1"));
    press(Qt::Key_Return);
    EXPECT_EQ(t.find<QLabel>(QStringLiteral("Lris"))->text().trimmed(), "125");
    EXPECT_EQ(right(), "1");
    EXPECT_EQ(wrong(), "0");
}

// 452 - 158 on Form34: the borrows by keys before each column is typed.
TEST_F(KeyboardOnly, ColumnSubtractionWithExchanges)
{
    open("Form34", {pick(432, 979), pick(157, 452)});
    tabTo("Lh1");
    for (int digit = 0; digit < 6; ++digit) {
        press(Qt::Key_Space);
        press(Qt::Key_Return);
    }
    tabTo("CambioUp");
    press(Qt::Key_Space);
    press(Qt::Key_Return);
    t.pressKeys(QStringLiteral("4"));
    press(Qt::Key_Return);
    tabTo("CambioDap");
    press(Qt::Key_Space);
    press(Qt::Key_Return);
    t.pressKeys(QStringLiteral("9"));
    press(Qt::Key_Return);
    t.pressKeys(QStringLiteral("2"));
    press(Qt::Key_Return);
    EXPECT_EQ(t.find<QLabel>(QStringLiteral("Lris"))->text().trimmed(), "294");
    EXPECT_EQ(right(), "1");
    EXPECT_EQ(wrong(), "0");
}

// 157 + 25 on the abacus: beads added with Space on their buttons, the
// exchange pressed, then the sum typed: the digits go to the answer box
// from wherever the focus was.
TEST_F(KeyboardOnly, AbacusAddition)
{
    open("Form999c1", {0.3, pick(1, 2), pick(1, 10), pick(1, 2), pick(7, 9), pick(5, 8), pick(7, 10), pick(5, 10)});
    tabTo("Bot_h");
    press(Qt::Key_Space);
    tabTo("Bot_da");
    press(Qt::Key_Space, 7);
    tabTo("Bot_u");
    press(Qt::Key_Space, 12);
    tabTo("BottoneCambio");
    press(Qt::Key_Space);
    t.clock.advance(13 * 0.3);  // the exchange blinks, on the clock
    t.pressKeys(QStringLiteral("182"));
    EXPECT_EQ(t.find<QLineEdit>(QStringLiteral("Text1"))->text(), "182");
    press(Qt::Key_Return);
    EXPECT_EQ(right(), "1");
    EXPECT_EQ(wrong(), "0");
}

// 300 in blocks: three flats added with Space, then confirmed.
TEST_F(KeyboardOnly, BlocksBuild)
{
    t.useLanguage(QStringLiteral("English"), QStringLiteral("[Strings]\n"));
    open("Form999x", {0.3, pick(299, 999)});
    tabTo("BottoneCentinaia");
    press(Qt::Key_Space, 3);
    tabTo("BottoneConferma");
    press(Qt::Key_Space);
    EXPECT_EQ(right(), "1");
    EXPECT_EQ(wrong(), "0");
}

// "trova il numero" 345: the hundred changed with Page Down, the cell
// reached with the arrows, pressed with Space.
TEST_F(KeyboardOnly, HundredTableFindTheNumber)
{
    open("Form100Trova2", {0.3, pick(345, 999)});
    tabTo("Numero", 0);
    press(Qt::Key_PageDown, 3);  // the hundreds, wherever the focus is
    EXPECT_EQ(t.find<Cell>(QStringLiteral("Numero"), 0)->text().trimmed(), "300");
    EXPECT_EQ(t.focused(), control("Numero", 0));
    press(Qt::Key_Down, 4);
    press(Qt::Key_Right, 5);
    EXPECT_EQ(t.focused(), control("Numero", 45));
    press(Qt::Key_Space);
    EXPECT_EQ(right(), "1");
    EXPECT_EQ(wrong(), "0");
}

// 37 + ? = 100 on the squares: a ten coloured by keys, then the digits,
// which go to the equation's box although the focus is on the button.
TEST_F(KeyboardOnly, SquaresToAHundred)
{
    open("Form100g", {pick(63, 101)});
    tabTo("Command1");
    press(Qt::Key_Space);
    t.pressKeys(QStringLiteral("63"));
    press(Qt::Key_Return);
    EXPECT_EQ(right(), "1");
    EXPECT_EQ(wrong(), "0");
}

// The units line from 900, tick 7 asked: 907 typed into the box.
TEST_F(KeyboardOnly, NumberLine)
{
    open("FormGradi1", {pick(89, 90), pick(7, 21)});
    t.pressKeys(QStringLiteral("907"));
    press(Qt::Key_Return);
    EXPECT_EQ(right(), "1");
    EXPECT_EQ(wrong(), "0");
}

} // namespace
