// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/written/Ordering.h"
#include "support/ScriptedRandom.h"

#include <gtest/gtest.h>

namespace {

// The fraction that floor(r * (max + 1)) turns into n.
double fractionFor(int n, int maxNumber = 999)
{
    return (n + 0.5) / (maxNumber + 1);
}

Ordering posed(std::initializer_list<int> numbers, int maxNumber = 999)
{
    ScriptedRandom random;
    for (int n : numbers)
        random.push(fractionFor(n, maxNumber));
    Ordering o;
    o.pose(random, static_cast<int>(numbers.size()), maxNumber);
    EXPECT_TRUE(random.empty());
    return o;
}

// Places the buttons in the given order and returns the last outcome.
Ordering::Outcome placeAll(Ordering& o, std::initializer_list<int> buttons)
{
    Ordering::Outcome last = Ordering::Outcome::Ignored;
    for (int b : buttons)
        last = o.place(b);
    return last;
}

TEST(Ordering, HowManyIsTheLeadingNumberOfTheCaptionWithin3To8)
{
    struct Case { const char* caption; int howMany; };
    for (const Case c : {Case{"3", 3}, Case{"7", 7}, Case{"8", 8}, Case{"6 numeri", 6}, Case{" 5", 5},
                         Case{"4.9", 4}, Case{"10", 8}, Case{"2", 3}, Case{"0", 3}, Case{"-5", 3},
                         Case{"numeri", 3}, Case{"", 3}, Case{"1e9", 8}})
        EXPECT_EQ(Ordering::countFromCaption(QString::fromLatin1(c.caption)), c.howMany) << '"' << c.caption << '"';
}

TEST(Ordering, DrawsFromZeroToTheMaximumInButtonOrder)
{
    ScriptedRandom random{0.0, 0.5, 0.99999};
    Ordering o;
    o.pose(random, 3, 199);
    EXPECT_EQ(o.numbers(), (QList<int>{0, 100, 199}));
    EXPECT_EQ(o.pickedCount(), 0);
    EXPECT_TRUE(random.empty());
}

TEST(Ordering, KeepsTheCountOfNumbersWithinTheButtons)
{
    ScriptedRandom random;
    random.setFallback(0.5);
    Ordering o;
    o.pose(random, 11, 999);
    EXPECT_EQ(o.howMany(), 8);
    o.pose(random, 1, 999);
    EXPECT_EQ(o.howMany(), 3);
}

TEST(Ordering, JudgesOnlyOnceTheLastNumberIsPlaced)
{
    Ordering o = posed({30, 10, 20});
    EXPECT_EQ(o.place(1), Ordering::Outcome::Placed);
    EXPECT_EQ(o.place(1), Ordering::Outcome::Ignored);  // already placed
    EXPECT_EQ(o.place(5), Ordering::Outcome::Ignored);  // no such button
    EXPECT_EQ(o.place(2), Ordering::Outcome::Placed);
    EXPECT_EQ(o.picked(), (QList<int>{10, 20}));
    EXPECT_EQ(o.place(0), Ordering::Outcome::Right);
    EXPECT_EQ(o.place(0), Ordering::Outcome::Ignored);  // nothing left to place
}

TEST(Ordering, EqualNeighboursGoInEitherOrder)
{
    for (bool ascending : {true, false}) {
        for (auto order : {std::initializer_list<int>{0, 1, 2}, std::initializer_list<int>{1, 0, 2}}) {
            Ordering o = posed(ascending ? std::initializer_list<int>{5, 5, 9} : std::initializer_list<int>{9, 9, 5});
            o.setAscending(ascending);
            EXPECT_EQ(placeAll(o, order), Ordering::Outcome::Right) << "ascending " << ascending;
        }
    }
}

TEST(Ordering, AWrongOrderOffersTheSameNumbersAgain)
{
    Ordering o = posed({4, 0, 7, 2});
    EXPECT_EQ(placeAll(o, {1, 3, 2, 0}), Ordering::Outcome::Wrong);
    EXPECT_EQ(o.numbers(), (QList<int>{4, 0, 7, 2}));
    EXPECT_EQ(o.pickedCount(), 0);
    for (int i = 0; i < 4; ++i)
        EXPECT_FALSE(o.isPlaced(i));
    EXPECT_EQ(placeAll(o, {1, 3, 0, 2}), Ordering::Outcome::Right);
}

TEST(Ordering, TheOrderChosenWhenTheLastNumberIsPlacedCounts)
{
    Ordering o = posed({100, 300, 200});
    EXPECT_EQ(o.place(1), Ordering::Outcome::Placed);  // 300 first: descending
    o.setAscending(false);
    EXPECT_EQ(placeAll(o, {2, 0}), Ordering::Outcome::Right);

    Ordering ascending = posed({100, 300, 200});
    ascending.setAscending(false);
    EXPECT_EQ(ascending.place(1), Ordering::Outcome::Placed);
    ascending.setAscending(true);
    EXPECT_EQ(placeAll(ascending, {2, 0}), Ordering::Outcome::Wrong);
}

TEST(Ordering, ARightOrderCanBeOrderedAgain)
{
    Ordering o = posed({8, 3, 5});
    EXPECT_EQ(placeAll(o, {1, 2, 0}), Ordering::Outcome::Right);
    o.offerAgain();
    EXPECT_EQ(o.numbers(), (QList<int>{8, 3, 5}));
    EXPECT_EQ(placeAll(o, {1, 2, 0}), Ordering::Outcome::Right);
}

} // namespace
