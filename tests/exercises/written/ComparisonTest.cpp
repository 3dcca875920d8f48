// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/written/Comparison.h"
#include "support/ScriptedRandom.h"

#include <gtest/gtest.h>

namespace {

// The fraction that floor(999 r) + 1 turns into n.
double fractionFor(int n)
{
    return (n - 1 + 0.5) / 999.0;
}

TEST(Comparison, DrawsLeftThenRightFromOneTo999)
{
    ScriptedRandom random{fractionFor(500), fractionFor(50), 0.0, 0.99999};
    const Comparison a = Comparison::draw(random);
    EXPECT_EQ(a.left, 500);
    EXPECT_EQ(a.right, 50);
    const Comparison b = Comparison::draw(random);
    EXPECT_EQ(b.left, 1);
    EXPECT_EQ(b.right, 999);
}

TEST(Comparison, OnlyTheTrueSignIsRight)
{
    struct Case { int left, right; Comparison::Relation relation; };
    // 500 against 50 compares numbers, not texts ("500" < "50" as text).
    for (const Case c : {Case{500, 50, Comparison::Greater}, Case{50, 500, Comparison::Less},
                         Case{7, 7, Comparison::Equal}, Case{999, 998, Comparison::Greater},
                         Case{1, 999, Comparison::Less}}) {
        const Comparison cmp{c.left, c.right};
        EXPECT_EQ(cmp.relation(), c.relation) << c.left << " vs " << c.right;
        for (int chosen = 0; chosen < 3; ++chosen)
            EXPECT_EQ(cmp.isRight(chosen), chosen == c.relation) << c.left << " vs " << c.right << " button " << chosen;
    }
}

} // namespace
