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

const QColor Green(0, 192, 0);
const QColor LightYellow(255, 255, 192);

struct TableSumScreen
{
    TestApp t;

    explicit TableSumScreen(int k)
    {
        t.random.setFallback(0.0);
        t.useLanguage(QStringLiteral("Prova"), QStringLiteral("[Strings]\n0400=\"vuota\"\n"));
        t.random.push({0.2, fractionFor(k, 101)});
        t.open(QStringLiteral("FormC100"));
    }
    Cell* cell(int i) const { return t.find<Cell>(QStringLiteral("Numero"), i); }
    QLabel* label(int i) const { return t.find<QLabel>(QStringLiteral("EtichettaNumero"), i); }
    QLineEdit* box() const { return t.find<QLineEdit>(QStringLiteral("Text1")); }
    QString right() const { return t.find<QLabel>(QStringLiteral("EtichettaEsatti"))->text(); }
    QString wrong() const { return t.find<QLabel>(QStringLiteral("EtichettaErrati"))->text(); }
    void answer(const QString& typed)
    {
        box()->clear();
        t.type(QStringLiteral("Text1"), typed);
        t.key(QStringLiteral("Text1"), Qt::Key_Return);
    }
};

TEST(TableSumScreen, FillsKCellsAndNumbersTheWholeTableAfterTheRightAnswer)
{
    TableSumScreen s(37);
    EXPECT_EQ(s.t.current()->background(), TestApp::colourFor(0.2));
    for (int i = 0; i < 100; ++i) {
        EXPECT_EQ(s.cell(i)->fill(), i < 37 ? Green : LightYellow) << i;
        EXPECT_EQ(s.cell(i)->text(), i < 37 ? QString::number(i + 1) : QString()) << i;
    }
    EXPECT_EQ(spokenName(s.cell(36)), QStringLiteral("37"));
    EXPECT_EQ(spokenName(s.cell(37)), QStringLiteral("vuota"));
    EXPECT_EQ(s.label(0)->text(), QStringLiteral(" 37 + "));
    EXPECT_EQ(s.label(1)->text(), QStringLiteral(" = 100"));
    EXPECT_EQ(s.t.current()->focusWidget(), s.box());
    EXPECT_TRUE(s.t.find<QPushButton>(QStringLiteral("BottoneAvanti"))->isVisible());

    s.t.key(QStringLiteral("Text1"), Qt::Key_Return);
    EXPECT_EQ(s.wrong(), QStringLiteral("0"));
    s.answer(QStringLiteral("64"));
    s.answer(QStringLiteral("6,3"));  // reads 6
    EXPECT_EQ(s.wrong(), QStringLiteral(" 2"));
    EXPECT_EQ(s.box()->text(), QStringLiteral("6,3"));
    EXPECT_EQ(s.cell(37)->text(), QString());

    s.t.trigger(QStringLiteral("MenuAzzera"));
    EXPECT_EQ(s.wrong(), QStringLiteral("0"));
    EXPECT_EQ(s.cell(36)->text(), QStringLiteral("37"));
    EXPECT_EQ(s.label(0)->text(), QStringLiteral(" 37 + "));

    s.answer(QStringLiteral("63.0"));
    EXPECT_EQ(s.right(), QStringLiteral(" 1"));
    for (int i = 0; i < 100; ++i) {
        EXPECT_EQ(s.cell(i)->text(), QString::number(i + 1)) << i;
        EXPECT_EQ(s.cell(i)->fill(), i < 37 ? Green : LightYellow) << i;
    }
    EXPECT_EQ(spokenName(s.cell(99)), QStringLiteral("100"));
    EXPECT_FALSE(s.box()->isEnabled());
    EXPECT_EQ(s.t.current()->focusWidget(), s.t.find<QPushButton>(QStringLiteral("BottoneAvanti")));

    s.t.random.push({0.7, fractionFor(100, 101)});
    s.t.click(QStringLiteral("BottoneAvanti"));
    EXPECT_EQ(s.t.current()->background(), TestApp::colourFor(0.7));
    EXPECT_TRUE(s.box()->isEnabled());
    EXPECT_TRUE(s.box()->text().isEmpty());
    EXPECT_EQ(s.cell(99)->fill(), Green);
    EXPECT_EQ(s.label(0)->text(), QStringLiteral(" 100 + "));
    s.answer(QStringLiteral("0"));
    EXPECT_EQ(s.right(), QStringLiteral(" 2"));
}

TEST(TableSumScreen, EmptyTableWantsAHundred)
{
    TableSumScreen s(0);
    for (int i = 0; i < 100; ++i)
        EXPECT_EQ(s.cell(i)->fill(), LightYellow) << i;
    EXPECT_EQ(s.label(0)->text(), QStringLiteral(" 0 + "));
    s.answer(QStringLiteral("10"));
    EXPECT_EQ(s.wrong(), QStringLiteral(" 1"));
    s.answer(QStringLiteral("100"));
    EXPECT_EQ(s.right(), QStringLiteral(" 1"));
}

TEST(TableSumScreen, TheEquationStaysInOneRowAtAnySize)
{
    TableSumScreen s(37);
    for (QSize size : {QSize(1024, 768), QSize(1600, 900), QSize(640, 480)}) {
        s.t.resize(size);
        const QRect left = s.label(0)->geometry();
        const QRect box = s.box()->geometry();
        const QRect right = s.label(1)->geometry();
        EXPECT_EQ(box.left(), left.left() + left.width()) << size.width();
        EXPECT_EQ(right.left(), box.left() + box.width()) << size.width();
        EXPECT_EQ(box.height(), right.height());
        EXPECT_GE(left.width(), s.label(0)->fontMetrics().horizontalAdvance(s.label(0)->text()));
        // To the right of the table.
        EXPECT_GT(left.left(), s.cell(9)->geometry().right()) << size.width();
    }
}

} // namespace
