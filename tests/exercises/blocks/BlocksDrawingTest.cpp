// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/blocks/BlocksDrawing.h"
#include "support/ScriptedRandom.h"

#include <gtest/gtest.h>

namespace {

// The indices shown of one kind, for a readable failure.
std::vector<int> shownIndices(const BlocksDrawing& d, BlockKind kind)
{
    std::vector<int> shown;
    for (int i = -1; i <= BlocksDrawing::PerKind; ++i)
        if (d.isShown(kind, i))
            shown.push_back(i);
    return shown;
}

TEST(BlocksDrawing, ANumberShowsItsDigitsAsTheFirstBlocksOfEachKind)
{
    struct Case
    {
        int number;
        std::vector<int> flats, longs, units;
    };
    const Case cases[] = {
        {300, {0, 1, 2}, {}, {}},
        {9, {}, {}, {0, 1, 2, 3, 4, 5, 6, 7, 8}},
        {305, {0, 1, 2}, {}, {0, 1, 2, 3, 4}},
        {10, {}, {0}, {}},
        {999, {0, 1, 2, 3, 4, 5, 6, 7, 8}, {0, 1, 2, 3, 4, 5, 6, 7, 8}, {0, 1, 2, 3, 4, 5, 6, 7, 8}},
        {0, {}, {}, {}},
        // Out of range numbers never ask for a tenth block.
        {-5, {}, {}, {}},
        {1234, {0, 1, 2, 3, 4, 5, 6, 7, 8}, {0, 1, 2, 3, 4, 5, 6, 7, 8}, {0, 1, 2, 3, 4, 5, 6, 7, 8}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.number);
        const BlocksDrawing d = BlocksDrawing::of(c.number);
        EXPECT_EQ(shownIndices(d, BlockKind::Flat), c.flats);
        EXPECT_EQ(shownIndices(d, BlockKind::Long), c.longs);
        EXPECT_EQ(shownIndices(d, BlockKind::Unit), c.units);
    }
}

TEST(BlocksDrawing, EveryNumberHasExactlyOneDrawingAndReadsBack)
{
    for (int n = 0; n <= 999; ++n) {
        const BlocksDrawing d = BlocksDrawing::of(n);
        ASSERT_EQ(d.value(), n);
        for (int m = n + 1; m <= 999; m += 97)
            ASSERT_NE(BlocksDrawing::of(m), d) << n << " and " << m;
    }
}

TEST(BlocksDrawing, BlocksAreAddedOneByOneUpToNine)
{
    BlocksDrawing d;
    for (int i = 0; i < 9; ++i)
        EXPECT_TRUE(d.add(BlockKind::Unit));
    EXPECT_EQ(d, BlocksDrawing::of(9));
    EXPECT_FALSE(d.add(BlockKind::Unit));  // a tenth unit is refused
    EXPECT_EQ(d.value(), 9);
    EXPECT_FALSE(d.isShown(BlockKind::Unit, 9));

    // Ten is built only with one long.
    d.clear();
    EXPECT_EQ(d.value(), 0);
    d.add(BlockKind::Long);
    EXPECT_EQ(d.value(), 10);

    d.clear();
    for (BlockKind k : {BlockKind::Flat, BlockKind::Flat, BlockKind::Flat, BlockKind::Unit})
        d.add(k);
    EXPECT_EQ(d.value(), 301);
    EXPECT_NE(d.value(), 300);
}

TEST(BlocksDrawing, TheNumberPosedIsFrom1ToTheMaximum)
{
    struct Case
    {
        double fraction;
        int maxNumber;
        int posed;
    };
    const Case cases[] = {{0.0, 999, 1}, {0.99999, 999, 999}, {0.99999, 199, 199}, {0.5, 199, 100},
                          {0.3048, 999, 305}};
    for (const Case& c : cases) {
        ScriptedRandom r{c.fraction};
        EXPECT_EQ(drawBlocksNumber(r, c.maxNumber), c.posed) << c.fraction << " of " << c.maxNumber;
        EXPECT_TRUE(r.empty());
    }
}

TEST(BlocksDrawing, SaysWhatItShowsWithOneAndManyForms)
{
    const BlockWords english{{"%1 hundred", "%1 ten", "%1 unit"}, {"%1 hundreds", "%1 tens", "%1 units"}};
    EXPECT_EQ(describeBlocks(BlocksDrawing::of(305), english), "3 hundreds, 0 tens, 5 units");
    EXPECT_EQ(describeBlocks(BlocksDrawing::of(111), english), "1 hundred, 1 ten, 1 unit");
    EXPECT_EQ(describeBlocks(BlocksDrawing(), english), "0 hundreds, 0 tens, 0 units");
    // A language file without the texts still gives the counts.
    EXPECT_EQ(describeBlocks(BlocksDrawing::of(21), BlockWords{}), "0, 2, 1");
    const BlockWords noPlace{{"hundred", "ten", "unit"}, {"hundreds", "tens", "units"}};
    EXPECT_EQ(describeBlocks(BlocksDrawing::of(21), noPlace), "0 hundreds, 2 tens, 1 unit");
}

TEST(BlocksLayout, TheThreeKindsStandApartOnEveryScreen)
{
    for (const BlocksLayout* layout : {&blockLayouts::build(), &blockLayouts::readDigits(), &blockLayouts::readWords()}) {
        double flatsRight = 0;
        for (int i = 0; i < 9; ++i)
            flatsRight = std::max(flatsRight, layout->rect(BlockKind::Flat, i).right());
        const QRectF lastLong = layout->rect(BlockKind::Long, 8);
        EXPECT_LT(flatsRight, layout->rect(BlockKind::Long, 0).left());
        EXPECT_LT(lastLong.right(), layout->rect(BlockKind::Unit, 0).left());
        // Longs and units are one pitch apart, with a gap between them.
        EXPECT_EQ(lastLong.top() - layout->rect(BlockKind::Long, 7).top(), BlocksLayout::Pitch);
        EXPECT_GT(lastLong.top(), layout->rect(BlockKind::Long, 7).bottom());
        EXPECT_EQ(layout->rect(BlockKind::Unit, 8).top(), lastLong.top());
        EXPECT_TRUE(layout->bounds().contains(layout->rect(BlockKind::Flat, 8)));
    }
    // Form999x: the stack from (120, 840) to the last flat's corner, the
    // units' column ending at 6090 + 225.
    EXPECT_EQ(blockLayouts::build().bounds(), QRectF(QPointF(120, 840), QPointF(6315, 3960 + 2430)));
}

} // namespace
