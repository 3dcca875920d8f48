// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/tables/HundredTable.h"
#include "support/ScriptedRandom.h"

#include <gtest/gtest.h>

namespace {

// The fraction that floor(n r) turns into k.
double fractionFor(int k, int n)
{
    return (k + 0.5) / n;
}

using Fill = HundredTable::Fill;

TEST(HundredTable, EdgesNumberTheFirstRowAndColumnOnly)
{
    HundredTable table;
    table.showHundred(3);
    for (int cell = 0; cell < HundredTable::Cells; ++cell) {
        const bool edge = cell < 10 || cell % 10 == 0;
        EXPECT_EQ(table.text(cell, Fill::Edges), edge ? QStringLiteral(" %1").arg(300 + cell) : QString()) << cell;
        EXPECT_EQ(table.text(cell, Fill::Full), QStringLiteral(" %1").arg(300 + cell)) << cell;
    }
    table.showHundred(0);
    EXPECT_EQ(table.text(0, Fill::Edges), QStringLiteral(" 0"));
    EXPECT_EQ(table.text(90, Fill::Edges), QStringLiteral(" 90"));
    EXPECT_EQ(table.text(99, Fill::Full), QStringLiteral(" 99"));
    EXPECT_EQ(table.text(100, Fill::Full), QString());
    EXPECT_EQ(table.text(-1, Fill::Full), QString());
}

TEST(HundredTable, ShowsOnlyTheHundredsZeroToNine)
{
    HundredTable table;
    for (auto [asked, shown] : {std::pair{9, 9}, {10, 9}, {-1, 0}, {4, 4}}) {
        table.showHundred(asked);
        EXPECT_EQ(table.shownHundred(), shown) << asked;
    }
    EXPECT_EQ(table.value(99), 499);
}

TEST(FindNumberProblem, DrawsZeroTo998)
{
    ScriptedRandom random{fractionFor(345, 999), 0.0, 0.999999};
    EXPECT_EQ(FindNumberProblem::draw(random).target, 345);
    EXPECT_EQ(FindNumberProblem::draw(random).target, 0);
    EXPECT_EQ(FindNumberProblem::draw(random).target, 998);
}

TEST(FindNumberProblem, NeedsTheRightHundredAndTheRightCell)
{
    HundredTable table;
    const FindNumberProblem ask345{345};
    table.showHundred(3);
    EXPECT_TRUE(ask345.isFound(table, 45));
    EXPECT_FALSE(ask345.isFound(table, 54));
    table.showHundred(2);  // the same cell now stands for 245
    EXPECT_FALSE(ask345.isFound(table, 45));

    table.showHundred(3);
    EXPECT_TRUE(FindNumberProblem{300}.isFound(table, 0));
    EXPECT_FALSE(FindNumberProblem{400}.isFound(table, 100));  // no cell 100
}

TEST(RedCellProblem, DrawsTheCellThenTheHundred)
{
    ScriptedRandom random{fractionFor(7, 99), fractionFor(6, 10), 0.999999, 0.999999};
    const RedCellProblem p = RedCellProblem::draw(random);
    EXPECT_EQ(p.cell, 7);
    EXPECT_EQ(p.hundred, 6);
    EXPECT_EQ(p.expected(), 607);
    const RedCellProblem last = RedCellProblem::draw(random);
    EXPECT_EQ(last.cell, 98);  // cell 99 is never chosen
    EXPECT_EQ(last.hundred, 9);
}

TEST(RedCellProblem, ReadsTheTypedNumberLeniently)
{
    const RedCellProblem p{7, 6};
    for (const char* right : {"607", "0607", "607,25", "6 07", "607.0"})
        EXPECT_TRUE(p.isRight(QString::fromLatin1(right))) << right;
    for (const char* wrong : {"670", "60,7", "6070", ",607", "607.5", "99999999999999999999"})
        EXPECT_FALSE(p.isRight(QString::fromLatin1(wrong))) << wrong;
}

} // namespace
