// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/tables/TableSum.h"

#include "services/RandomSource.h"
#include "services/TextForms.h"

TableSumProblem TableSumProblem::draw(RandomSource& random)
{
    return {random.below(101)};
}

QString TableSumProblem::cellText(int cell, bool solved) const
{
    if (cell < 0 || cell >= Cells || !(solved || filled(cell)))
        return {};
    return plainText(cell + 1);
}

QString TableSumProblem::leftText() const
{
    return signedText(given) + QStringLiteral(" + ");
}

QString TableSumProblem::rightText()
{
    return QStringLiteral(" = 100");
}
