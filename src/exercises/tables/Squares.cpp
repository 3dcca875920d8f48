// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/tables/Squares.h"

#include "services/RandomSource.h"
#include "services/TextForms.h"

#include <cmath>

bool SquareColouring::addTen()
{
    // Only up to 89 coloured: from 90 on the last ten stays for the units.
    if (filled_ > Small - 11)
        return false;
    for (int i = filled_; i < filled_ + 10; ++i)
        shades_[i] = Shade::Ten;
    filled_ += 10;
    return true;
}

bool SquareColouring::addUnit()
{
    if (filled_ >= Small)
        return false;
    shades_[filled_++] = Shade::Unit;
    return true;
}

bool SquareColouring::addHundred()
{
    if (hundreds_ >= big_)
        return false;
    ++hundreds_;
    return true;
}

void SquareColouring::restart()
{
    filled_ = 0;
    hundreds_ = 0;
    shades_.fill(Shade::Blank);
}

SquareColouring::Shade SquareColouring::shade(int square) const
{
    return square >= 0 && square < Small ? shades_[square] : Shade::Blank;
}

SquareSumProblem SquareSumProblem::drawHundred(RandomSource& random)
{
    return {100, random.below(101)};
}

SquareSumProblem SquareSumProblem::drawFiveHundred(RandomSource& random)
{
    SquareSumProblem p{500, 0};
    const int kind = random.below(4) + 1;
    if (kind == 1)
        p.missing = random.below(500);
    else if (kind == 2)
        p.missing = 100 * static_cast<int>(std::floor(5 * random.fraction() + 1));
    else
        p.missing = 10 * static_cast<int>(std::floor(50 * random.fraction() + 1));
    return p;
}

QString SquareSumProblem::leftText() const
{
    return signedText(total - missing) + QStringLiteral("  +  ");
}

QString SquareSumProblem::rightText() const
{
    return QStringLiteral(" = ") + plainText(total);
}
