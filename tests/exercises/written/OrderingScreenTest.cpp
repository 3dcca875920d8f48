// SPDX-License-Identifier: GPL-3.0-or-later
#include "services/TextForms.h"
#include "support/TestApp.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

// The fraction that floor(r * (max + 1)) turns into n.
double fractionFor(int n, int maxNumber = 999)
{
    return (n + 0.5) / (maxNumber + 1);
}

struct OrderScreen
{
    TestApp t;

    OrderScreen() { t.random.setFallback(0.0); }  // praise sounds are drawn too

    // The numbers the next problem draws, after its background colour.
    void script(std::initializer_list<int> numbers, int maxNumber = 999)
    {
        t.random.push(0.4);
        for (int n : numbers)
            t.random.push(fractionFor(n, maxNumber));
    }
    void open(std::initializer_list<int> seven)
    {
        script(seven);
        t.open(QStringLiteral("FormOrd"));
    }
    QPushButton* button(int i) const { return t.find<QPushButton>(QStringLiteral("ComandoNumero"), i); }
    QLabel* place(int i) const { return t.find<QLabel>(QStringLiteral("EtNumero"), i); }
    QPushButton* next() const { return t.find<QPushButton>(QStringLiteral("BottoneAvanti")); }
    QString right() const { return t.find<QLabel>(QStringLiteral("EtichettaEsatti"))->text(); }
    QString wrong() const { return t.find<QLabel>(QStringLiteral("EtichettaErrati"))->text(); }
    void click(std::initializer_list<int> buttons)
    {
        for (int i : buttons)
            t.click(QStringLiteral("ComandoNumero"), i);
    }
    int shownButtons() const
    {
        int n = 0;
        for (int i = 0; i < 8; ++i)
            n += button(i)->isVisible();
        return n;
    }
    QStringList captions() const
    {
        QStringList out;
        for (int i = 0; i < 8; ++i)
            if (button(i)->isVisible())
                out << button(i)->text();
        return out;
    }
    void chooseHowMany(int option, std::initializer_list<int> numbers)
    {
        t.trigger(QStringLiteral("MenuQuantiNumeri"));
        EXPECT_TRUE(t.find<QGroupBox>(QStringLiteral("EtNumeri"))->isVisible());
        script(numbers);
        t.click(QStringLiteral("Option3D1"), option);
        EXPECT_FALSE(t.find<QGroupBox>(QStringLiteral("EtNumeri"))->isVisible());
    }
};

TEST(OrderingScreen, OpensWithSevenNumbersAscendingAndTheTitleOf0015)
{
    OrderScreen s;
    s.t.writeLanguage(QStringLiteral("Italiano"),
                      QStringLiteral("[Strings]\n0015=\"Metti in ordine\"\n0016=\"Dal maggiore\"\n0017=\"Dal minore\"\n"));
    s.t.writeSettings(QStringLiteral("Italiano"));
    s.t.app.state.maxNumber = 299;
    s.open({5, 900, 0, 42, 999, 17, 300});
    EXPECT_EQ(s.t.current()->windowTitle(), QStringLiteral("Metti in ordine"));
    EXPECT_EQ(s.t.app.state.maxNumber, 999);
    EXPECT_EQ(s.captions(), (QStringList{"5", "900", "0", "42", "999", "17", "300"}));
    EXPECT_FALSE(s.button(7)->isVisible());
    for (int i = 0; i < 8; ++i)
        EXPECT_FALSE(s.place(i)->isVisible());
    EXPECT_TRUE(s.next()->isVisible());
    EXPECT_FALSE(s.next()->isEnabled());
    EXPECT_EQ(s.t.current()->background(), TestApp::colourFor(0.4));
    EXPECT_TRUE(s.t.find<QAction>(QStringLiteral("MenuSu"))->isChecked());
    EXPECT_FALSE(s.t.find<QAction>(QStringLiteral("MenuGiu"))->isChecked());

    s.t.trigger(QStringLiteral("MenuGiu"));
    EXPECT_EQ(s.t.current()->windowTitle(), QStringLiteral("Dal maggiore"));
    EXPECT_TRUE(s.t.find<QAction>(QStringLiteral("MenuGiu"))->isChecked());
    EXPECT_FALSE(s.t.find<QAction>(QStringLiteral("MenuSu"))->isChecked());
    s.t.trigger(QStringLiteral("MenuSu"));
    s.t.trigger(QStringLiteral("MenuSu"));  // choosing it again keeps the check
    EXPECT_EQ(s.t.current()->windowTitle(), QStringLiteral("Dal minore"));
    EXPECT_TRUE(s.t.find<QAction>(QStringLiteral("MenuSu"))->isChecked());
    EXPECT_FALSE(s.t.find<QAction>(QStringLiteral("MenuGiu"))->isChecked());
}

TEST(OrderingScreen, ThreeNumbersWithEqualNeighboursAreJudgedAfterTheThirdClick)
{
    OrderScreen s;
    s.open({1, 2, 3, 4, 5, 6, 7});
    s.chooseHowMany(0, {40, 12, 40});
    EXPECT_EQ(s.captions(), (QStringList{"40", "12", "40"}));
    EXPECT_EQ(s.shownButtons(), 3);

    s.click({1, 2});
    EXPECT_EQ(s.place(0)->text(), QStringLiteral("12"));
    EXPECT_EQ(s.place(1)->text(), QStringLiteral("40"));
    EXPECT_TRUE(s.button(1)->text().isEmpty());
    EXPECT_FALSE(s.button(1)->isEnabled());
    EXPECT_EQ(s.right(), QStringLiteral("0"));
    s.click({0});
    EXPECT_EQ(s.right(), QStringLiteral(" 1"));
    EXPECT_EQ(s.wrong(), QStringLiteral("0"));
    EXPECT_TRUE(s.place(2)->isVisible());
    EXPECT_TRUE(s.next()->isEnabled());
    for (int i = 0; i < 3; ++i)
        EXPECT_FALSE(s.button(i)->isEnabled());

    // A new count poses a new problem at once: "avanti" waits for its
    // right order, even right after the last one.
    s.chooseHowMany(1, {4, 3, 2, 1});
    EXPECT_FALSE(s.next()->isEnabled());
    EXPECT_EQ(s.captions(), (QStringList{"4", "3", "2", "1"}));
    EXPECT_TRUE(s.button(0)->isEnabled());
    s.click({3, 2, 1, 0});
    EXPECT_EQ(s.right(), QStringLiteral(" 2"));
    EXPECT_TRUE(s.next()->isEnabled());

    // So does a new maximum number.
    s.t.trigger(QStringLiteral("mnuMassimo"));
    s.script({5, 4, 3, 2}, 499);
    s.t.click(QStringLiteral("OpzioneNumeroMassimo"), 3);
    EXPECT_EQ(s.captions(), (QStringList{"5", "4", "3", "2"}));
    EXPECT_FALSE(s.next()->isEnabled());
    EXPECT_TRUE(s.button(0)->isEnabled());
}

TEST(OrderingScreen, AWrongOrderCountsOnceAndOffersTheSameNumbersAgain)
{
    OrderScreen s;
    s.open({1, 2, 3, 4, 5, 6, 7});
    s.chooseHowMany(1, {300, 100, 400, 200});
    s.click({1, 0, 3, 2});
    EXPECT_EQ(s.wrong(), QStringLiteral(" 1"));
    EXPECT_EQ(s.right(), QStringLiteral("0"));
    EXPECT_EQ(s.captions(), (QStringList{"300", "100", "400", "200"}));
    for (int i = 0; i < 4; ++i) {
        EXPECT_TRUE(s.button(i)->isEnabled());
        EXPECT_FALSE(s.place(i)->isVisible());
    }
    EXPECT_FALSE(s.next()->isEnabled());
    s.click({1, 3, 0, 2});
    EXPECT_EQ(s.right(), QStringLiteral(" 1"));
    EXPECT_EQ(s.wrong(), QStringLiteral(" 1"));
}

TEST(OrderingScreen, DescendingChosenMidProblemJudgesTheWholeOrderDescending)
{
    OrderScreen s;
    s.open({1, 2, 3, 4, 5, 6, 7});
    s.chooseHowMany(0, {100, 300, 200});
    s.click({1});
    s.t.trigger(QStringLiteral("MenuGiu"));
    EXPECT_EQ(s.place(0)->text(), QStringLiteral("300"));  // placed numbers stay
    s.click({2, 0});
    EXPECT_EQ(s.right(), QStringLiteral(" 1"));
    EXPECT_EQ(s.wrong(), QStringLiteral("0"));
}

TEST(OrderingScreen, RicominciaAfterARightOrderOffersTheSameNumbersForAnotherRight)
{
    OrderScreen s;
    s.open({1, 2, 3, 4, 5, 6, 7});
    s.chooseHowMany(0, {9, 3, 6});
    s.click({0});
    s.t.click(QStringLiteral("BottoneRicomincia"));  // mid-problem: no count
    EXPECT_EQ(s.captions(), (QStringList{"9", "3", "6"}));
    EXPECT_EQ(s.wrong(), QStringLiteral("0"));
    s.click({1, 2, 0});
    EXPECT_EQ(s.right(), QStringLiteral(" 1"));

    s.t.click(QStringLiteral("BottoneRicomincia"));
    EXPECT_EQ(s.captions(), (QStringList{"9", "3", "6"}));
    EXPECT_FALSE(s.place(0)->isVisible());
    EXPECT_TRUE(s.next()->isEnabled());
    s.click({1, 2, 0});
    EXPECT_EQ(s.right(), QStringLiteral(" 2"));
    EXPECT_TRUE(s.next()->isEnabled());

    s.script({1, 2, 3});
    s.t.click(QStringLiteral("BottoneAvanti"));
    EXPECT_EQ(s.captions(), (QStringList{"1", "2", "3"}));
    EXPECT_FALSE(s.next()->isEnabled());
}

TEST(OrderingScreen, HowManyComesFromTheNumberAtTheStartOfATranslatedCaption)
{
    OrderScreen s;
    s.t.writeLanguage(QStringLiteral("Italiano"),
                      QStringLiteral("[FormOrd]\nOption3D1(1).Caption=\"6 numeri\"\nOption3D1(4).Caption=\"5 numeri\"\n"
                                     "Option3D1(5).Caption=\"12 numeri\"\n"));
    s.t.writeSettings(QStringLiteral("Italiano"));
    s.t.app.strings.setCurrentLanguage(QStringLiteral("Italiano"));
    s.open({10, 20, 30, 40, 50});  // the default option now says 5
    EXPECT_EQ(s.shownButtons(), 5);

    s.chooseHowMany(1, {1, 2, 3, 4, 5, 6});
    EXPECT_EQ(s.shownButtons(), 6);
    // More than there are buttons: as many as there are.
    s.chooseHowMany(5, {1, 2, 3, 4, 5, 6, 7, 8});
    EXPECT_EQ(s.shownButtons(), 8);
}

TEST(OrderingScreen, MaximumNumber199DrawsFrom0To199)
{
    OrderScreen s;
    s.open({1, 2, 3, 4, 5, 6, 7});
    s.t.trigger(QStringLiteral("mnuMassimo"));
    EXPECT_TRUE(s.t.find<QWidget>(QStringLiteral("CorniceNumeroMassimo"))->isVisible());
    s.script({0, 199, 100, 0, 199, 50, 1}, 199);
    s.t.click(QStringLiteral("OpzioneNumeroMassimo"), 0);
    EXPECT_FALSE(s.t.find<QWidget>(QStringLiteral("CorniceNumeroMassimo"))->isVisible());
    EXPECT_EQ(s.captions(), (QStringList{"0", "199", "100", "0", "199", "50", "1"}));
}

} // namespace
