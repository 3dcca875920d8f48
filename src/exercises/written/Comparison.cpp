// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/written/Comparison.h"

#include "services/RandomSource.h"

Comparison Comparison::draw(RandomSource& random)
{
    Comparison c;
    c.left = random.below(999) + 1;
    c.right = random.below(999) + 1;
    return c;
}

Comparison::Relation Comparison::relation() const
{
    if (right < left)
        return Greater;
    if (left < right)
        return Less;
    return Equal;
}
