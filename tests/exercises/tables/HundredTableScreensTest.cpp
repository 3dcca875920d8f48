// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/tables/SpokenName.h"
#include "framework/CellGrid.h"
#include "exercises/tables/HundredTable.h"
#include "framework/ChildStyle.h"
#include "support/TestApp.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QImage>
#include <QScrollBar>
#include <QStyleOptionSlider>
#include <gtest/gtest.h>

namespace {

double fractionFor(int k, int n)
{
    return (k + 0.5) / n;
}

const QColor LightGreen(192, 255, 192);
const QColor Red(255, 0, 0);

// A hundred-table screen opened with its first problem scripted.
struct TableScreen
{
    TestApp t;

    explicit TableScreen(const char* name, std::initializer_list<double> draws, const QString& language = {})
    {
        t.random.setFallback(0.0);  // praise sounds draw too
        if (!language.isEmpty())
            t.useLanguage(QStringLiteral("Prova"), language);
        t.random.push(draws);
        t.open(QString::fromLatin1(name));
    }
    Cell* cell(int i) const { return t.find<Cell>(QStringLiteral("Numero"), i); }
    QString text(int i) const { return cell(i)->text(); }
    QString right() const { return t.find<QLabel>(QStringLiteral("EtichettaEsatti"))->text(); }
    QString wrong() const { return t.find<QLabel>(QStringLiteral("EtichettaErrati"))->text(); }
    QPushButton* next() const { return t.find<QPushButton>(QStringLiteral("BottoneAvanti")); }
    QScrollBar* scroll() const { return t.find<QScrollBar>(QStringLiteral("HScroll1")); }
    QLineEdit* box() const { return t.find<QLineEdit>(QStringLiteral("Text1")); }
    // Clicks on the arrow at one end of the scroll bar.
    void scrollRight(int steps) { clickArrow(steps, true); }
    void scrollLeft(int steps) { clickArrow(steps, false); }
    void clickArrow(int steps, bool right)
    {
        QScrollBar* bar = scroll();
        const QPoint at(right ? bar->width() - 3 : 3, bar->height() / 2);
        for (int i = 0; i < steps; ++i) {
            QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, at);
            TestApp::flush();
        }
    }
    void answer(const QString& typed)
    {
        box()->clear();
        t.type(QStringLiteral("Text1"), typed);
        t.key(QStringLiteral("Text1"), Qt::Key_Return);
    }
    // The cells that show a text.
    QList<int> numbered() const
    {
        QList<int> out;
        for (int i = 0; i < 100; ++i)
            if (!text(i).isEmpty())
                out << i;
        return out;
    }
};

QList<int> edges()
{
    QList<int> out;
    for (int i = 0; i < 100; ++i)
        if (i < 10 || i % 10 == 0)
            out << i;
    return out;
}

TEST(FindNumberScreen, OpensOnTheEdgesOfTheFirstHundredAndFacileNumbersEveryCell)
{
    TableScreen s("Form100Trova2", {0.3, fractionFor(345, 999)});
    EXPECT_EQ(s.t.current()->background(), TestApp::colourFor(0.3));
    EXPECT_EQ(s.t.find<QLabel>(QStringLiteral("EtichettaNumero"))->text(), QStringLiteral(" 345"));
    EXPECT_EQ(s.numbered(), edges());
    EXPECT_EQ(s.text(7), QStringLiteral(" 7"));
    EXPECT_EQ(s.text(90), QStringLiteral(" 90"));
    auto* easy = s.t.find<QAction>(QStringLiteral("mnuFacile"));
    auto* medium = s.t.find<QAction>(QStringLiteral("mnuMedia"));
    EXPECT_FALSE(easy->isChecked());
    EXPECT_TRUE(medium->isChecked());
    EXPECT_FALSE(s.next()->isEnabled());
    EXPECT_TRUE(s.next()->isVisible());

    s.t.trigger(QStringLiteral("mnuFacile"));
    EXPECT_EQ(s.numbered().size(), 100);
    EXPECT_EQ(s.text(45), QStringLiteral(" 45"));
    EXPECT_TRUE(easy->isChecked());
    EXPECT_FALSE(medium->isChecked());
    s.t.trigger(QStringLiteral("mnuFacile"));  // chosen again: stays ticked
    EXPECT_TRUE(easy->isChecked());

    s.scrollRight(3);
    EXPECT_EQ(s.scroll()->value(), 3);
    EXPECT_EQ(s.text(0), QStringLiteral(" 300"));
    EXPECT_EQ(s.text(99), QStringLiteral(" 399"));
    s.t.key(QStringLiteral("HScroll1"), Qt::Key_Right);
    EXPECT_EQ(s.text(0), QStringLiteral(" 400"));
    s.scrollRight(8);  // the bar ends at 9
    EXPECT_EQ(s.text(99), QStringLiteral(" 999"));

    s.t.trigger(QStringLiteral("mnuMedia"));
    EXPECT_EQ(s.numbered(), edges());
    EXPECT_EQ(s.text(10), QStringLiteral(" 910"));
    EXPECT_FALSE(easy->isChecked());
    EXPECT_TRUE(medium->isChecked());
    // Only texts change: no cell turned red, none was disabled.
    for (int i = 0; i < 100; ++i) {
        EXPECT_EQ(s.cell(i)->fill(), LightGreen) << i;
        EXPECT_TRUE(s.cell(i)->isEnabled()) << i;
    }
}

TEST(FindNumberScreen, TheRightCellOnTheRightHundredIsFoundAndLocksTheTable)
{
    TableScreen s("Form100Trova2", {0.3, fractionFor(345, 999)});
    s.scrollRight(2);
    s.t.click(QStringLiteral("Numero"), 45);  // stands for 245
    EXPECT_EQ(s.wrong(), QStringLiteral(" 1"));
    EXPECT_EQ(s.right(), QStringLiteral("0"));
    EXPECT_EQ(s.cell(45)->fill(), LightGreen);

    s.scrollRight(1);
    s.t.click(QStringLiteral("Numero"), 54);
    EXPECT_EQ(s.wrong(), QStringLiteral(" 2"));
    s.t.click(QStringLiteral("Numero"), 45);
    EXPECT_EQ(s.right(), QStringLiteral(" 1"));
    EXPECT_EQ(s.cell(45)->fill(), Red);
    EXPECT_TRUE(s.next()->isEnabled());

    // Nothing reacts until "avanti"; the bar still scrolls the texts.
    for (int i : {0, 45, 99})
        s.t.click(QStringLiteral("Numero"), i);
    EXPECT_EQ(s.right(), QStringLiteral(" 1"));
    EXPECT_EQ(s.wrong(), QStringLiteral(" 2"));
    s.scrollRight(1);
    EXPECT_EQ(s.text(0), QStringLiteral(" 400"));
    EXPECT_EQ(s.cell(45)->fill(), Red);
    s.scrollLeft(1);

    s.t.random.push({0.6, fractionFor(300, 999)});
    s.t.click(QStringLiteral("BottoneAvanti"));
    EXPECT_EQ(s.t.current()->background(), TestApp::colourFor(0.6));
    EXPECT_EQ(s.t.find<QLabel>(QStringLiteral("EtichettaNumero"))->text(), QStringLiteral(" 300"));
    EXPECT_FALSE(s.next()->isEnabled());
    EXPECT_EQ(s.scroll()->value(), 3);  // the table stays where the child left it
    for (int i = 0; i < 100; ++i) {
        EXPECT_EQ(s.cell(i)->fill(), LightGreen) << i;
        EXPECT_TRUE(s.cell(i)->isEnabled()) << i;
    }
    s.t.click(QStringLiteral("Numero"), 0);
    EXPECT_EQ(s.right(), QStringLiteral(" 2"));
    EXPECT_EQ(s.cell(0)->fill(), Red);
}

TEST(FindNumberScreen, CellsSayTheirNumberOrEmptyAndMarked)
{
    TableScreen s("Form100Trova2", {0.3, fractionFor(7, 999)},
                  QStringLiteral("[Strings]\n0400=\"vuota\"\n0401=\"segnata\"\n0407=\"scegli il centinaio\"\n"));
    EXPECT_EQ(spokenName(s.cell(7)), QStringLiteral("7"));
    EXPECT_EQ(spokenName(s.cell(90)), QStringLiteral("90"));
    EXPECT_EQ(spokenName(s.cell(55)), QStringLiteral("vuota"));
    EXPECT_EQ(spokenName(s.scroll()), QStringLiteral("scegli il centinaio"));
    s.t.click(QStringLiteral("Numero"), 7);
    EXPECT_EQ(spokenName(s.cell(7)), QStringLiteral("7, segnata"));
    s.t.trigger(QStringLiteral("mnuFacile"));
    EXPECT_EQ(spokenName(s.cell(55)), QStringLiteral("55"));
}

TEST(RecogniseNumberScreen, TheRedCellIsReadFromTheEdgesOfTheHundredShown)
{
    TableScreen s("Form100Ricon2", {0.4, fractionFor(7, 99), fractionFor(6, 10)},
                  QStringLiteral("[Strings]\n0400=\"vuota\"\n0401=\"segnata\"\n"));
    EXPECT_EQ(s.t.current()->background(), TestApp::colourFor(0.4));
    EXPECT_EQ(s.numbered(), edges());
    EXPECT_EQ(s.text(10), QStringLiteral(" 610"));
    for (int i = 0; i < 100; ++i)
        EXPECT_EQ(s.cell(i)->fill(), i == 7 ? Red : LightGreen) << i;
    EXPECT_EQ(spokenName(s.cell(7)), QStringLiteral("607, segnata"));
    EXPECT_EQ(spokenName(s.box()), QStringLiteral("quale numero è rosso?"));
    EXPECT_EQ(s.t.current()->focusWidget(), s.box());

    s.t.key(QStringLiteral("Text1"), Qt::Key_Return);  // nothing typed: nothing judged
    EXPECT_EQ(s.wrong(), QStringLiteral("0"));

    s.answer(QStringLiteral("670"));
    EXPECT_EQ(s.wrong(), QStringLiteral(" 1"));
    s.t.key(QStringLiteral("Text1"), Qt::Key_Return);  // each Enter counts once
    EXPECT_EQ(s.wrong(), QStringLiteral(" 2"));
    EXPECT_EQ(s.box()->text(), QStringLiteral("670"));

    s.answer(QStringLiteral("6a07,25"));  // the letter is not taken; the comma ends the number
    EXPECT_EQ(s.box()->text(), QStringLiteral("607,25"));
    EXPECT_EQ(s.right(), QStringLiteral(" 1"));
    EXPECT_FALSE(s.box()->isEnabled());
    EXPECT_TRUE(s.next()->isEnabled());

    s.t.random.push({0.1, fractionFor(55, 99), fractionFor(0, 10)});
    s.t.click(QStringLiteral("BottoneAvanti"));
    EXPECT_EQ(s.cell(7)->fill(), LightGreen);
    EXPECT_EQ(s.cell(55)->fill(), Red);
    EXPECT_EQ(spokenName(s.cell(55)), QStringLiteral("vuota, segnata"));
    EXPECT_EQ(s.text(7), QStringLiteral(" 7"));
    EXPECT_TRUE(s.box()->isEnabled());
    EXPECT_TRUE(s.box()->text().isEmpty());
    EXPECT_FALSE(s.next()->isEnabled());
    s.answer(QStringLiteral("0055"));
    EXPECT_EQ(s.right(), QStringLiteral(" 2"));
}

TEST(RecogniseNumberScreen, LeadingZerosAndDecimalsAfterACommaReadAsTheNumber)
{
    for (const char* typed : {"607", "0607", "607,9"}) {
        TableScreen s("Form100Ricon2", {0.4, fractionFor(7, 99), fractionFor(6, 10)});
        s.answer(QString::fromLatin1(typed));
        EXPECT_EQ(s.right(), QStringLiteral(" 1")) << typed;
    }
}

TEST(TablesMenu, TheFiveTableAndSquareButtonsOpenTheirScreens)
{
    struct Case { const char* button; const char* screen; };
    for (const Case c : {Case{"Command22", "FormC100"}, Case{"Command8", "Form100Trova2"},
                         Case{"Command9", "Form100Ricon2"}, Case{"Command26", "Form100g"},
                         Case{"Command27", "Form500g"}}) {
        TestApp t;
        t.random.setFallback(0.5);
        t.open(QStringLiteral("FormMenuGrafici"));
        EXPECT_TRUE(t.find<QPushButton>(QString::fromLatin1(c.button))->isEnabled()) << c.button;
        t.click(QString::fromLatin1(c.button));
        EXPECT_EQ(t.currentName(), QString::fromLatin1(c.screen));
        t.dialogs.answers.push_back(true);
        t.trigger(QStringLiteral("mnuEsci"));
        EXPECT_EQ(t.currentName(), QStringLiteral("FormMenuGrafici"));
    }
}

} // namespace

// The hundred changes by keys wherever the focus is, and the bar's arrows
// are as large as a fingertip at every size of the screen.
TEST(HundredTableScreens, TheHundredChangesByKeysAndTheBarArrowsFitAFinger)
{
    TableScreen s("Form100Trova2", {0.3, fractionFor(345, 999)});
    struct Step { Qt::Key key; int hundred; };
    for (const Step& step : {Step{Qt::Key_PageDown, 1}, Step{Qt::Key_Plus, 2}, Step{Qt::Key_Minus, 1},
                             Step{Qt::Key_PageUp, 0}, Step{Qt::Key_PageUp, 0}}) {
        s.t.press(step.key);
        EXPECT_EQ(s.scroll()->value(), step.hundred);
        EXPECT_EQ(s.text(0).trimmed(), QString::number(step.hundred * 100));
    }
    s.t.press(Qt::Key_End, Qt::ControlModifier);  // the grid has the focus: it moves in it
    EXPECT_EQ(QApplication::focusWidget(), s.cell(99));
    for (int i = 0; i < 12; ++i)
        s.t.press(Qt::Key_PageDown);
    EXPECT_EQ(s.scroll()->value(), HundredTable::LastHundred);
    EXPECT_EQ(QApplication::focusWidget(), s.cell(99));

    for (QSize size : {QSize(1280, 800), QSize(800, 600), QSize(1920, 1080)}) {
        s.t.resize(size);
        QScrollBar* bar = s.scroll();
        QStyleOptionSlider o;
        o.initFrom(bar);
        o.orientation = bar->orientation();
        o.minimum = bar->minimum();
        o.maximum = bar->maximum();
        o.sliderPosition = o.sliderValue = bar->value();
        o.singleStep = bar->singleStep();
        o.pageStep = bar->pageStep();
        o.subControls = QStyle::SC_All;
        const QImage drawn = bar->grab().toImage();
        for (auto arrow : {QStyle::SC_ScrollBarAddLine, QStyle::SC_ScrollBarSubLine}) {
            const QRect r = bar->style()->subControlRect(QStyle::CC_ScrollBar, &o, arrow, bar);
            EXPECT_GE(r.width(), std::min(ChildStyle::FingerTip, bar->width() / 3)) << size.width();
            EXPECT_GE(r.width(), bar->height()) << size.width();
            // Its sign is seen from a child's chair: dark over a good part
            // of the button, not a few pixels in its middle.
            int dark = 0;
            for (int y = r.top(); y <= r.bottom(); ++y)
                for (int x = r.left(); x <= r.right(); ++x)
                    dark += qGray(drawn.pixel(x, y)) < 100;
            const int least = std::min(r.width(), r.height());
            EXPECT_GE(dark, least * least / 20) << size.width();
        }
    }
}
