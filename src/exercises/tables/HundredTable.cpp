// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/tables/HundredTable.h"

#include "services/RandomSource.h"
#include "services/TextForms.h"

#include <algorithm>

void HundredTable::showHundred(int hundred)
{
    hundred_ = std::clamp(hundred, 0, LastHundred);
}

QString HundredTable::text(int cell, Fill fill) const
{
    if (cell < 0 || cell >= Cells)
        return {};
    if (fill == Fill::Edges && !onEdge(cell))
        return {};
    return signedText(value(cell));
}

FindNumberProblem FindNumberProblem::draw(RandomSource& random)
{
    return {random.below(999)};
}

bool FindNumberProblem::isFound(const HundredTable& table, int cell) const
{
    return cell >= 0 && cell < HundredTable::Cells && table.value(cell) == target;
}

RedCellProblem RedCellProblem::draw(RandomSource& random)
{
    RedCellProblem p;
    p.cell = random.below(99);
    p.hundred = random.below(10);
    return p;
}
