// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/tables/TableSum.h"
#include "support/ScriptedRandom.h"

#include <gtest/gtest.h>

namespace {

double fractionFor(int k, int n)
{
    return (k + 0.5) / n;
}

TEST(TableSumProblem, DrawsZeroTo100)
{
    ScriptedRandom random{fractionFor(37, 101), 0.0, 0.999999};
    EXPECT_EQ(TableSumProblem::draw(random).given, 37);
    EXPECT_EQ(TableSumProblem::draw(random).given, 0);
    EXPECT_EQ(TableSumProblem::draw(random).given, 100);
}

TEST(TableSumProblem, FillsAndNumbersTheFirstKCellsAndAllOnceSolved)
{
    for (int k : {0, 37, 100}) {
        SCOPED_TRACE(k);
        const TableSumProblem p{k};
        for (int cell = 0; cell < TableSumProblem::Cells; ++cell) {
            EXPECT_EQ(p.filled(cell), cell < k) << cell;
            EXPECT_EQ(p.cellText(cell, false), cell < k ? QString::number(cell + 1) : QString()) << cell;
            EXPECT_EQ(p.cellText(cell, true), QString::number(cell + 1)) << cell;
        }
        EXPECT_EQ(p.leftText(), QStringLiteral(" %1 + ").arg(k));
    }
    EXPECT_EQ(TableSumProblem::rightText(), QStringLiteral(" = 100"));
}

TEST(TableSumProblem, CompletesTo100)
{
    struct Case { int k; const char* typed; bool right; };
    for (const Case c : {Case{37, "63", true}, Case{37, "63.0", true}, Case{37, "064", false},
                         Case{37, "6,3", false}, Case{37, "64", false}, Case{0, "100", true},
                         Case{100, "0", true}, Case{100, ",", true}, Case{0, "1e2", true},
                         Case{37, "63.5", false}})
        EXPECT_EQ(TableSumProblem{c.k}.isRight(QString::fromLatin1(c.typed)), c.right) << c.k << " + " << c.typed;
}

} // namespace
