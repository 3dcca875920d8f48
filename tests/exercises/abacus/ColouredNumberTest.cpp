// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/abacus/ColouredNumber.h"

#include <gtest/gtest.h>

using namespace abacus;

namespace {

struct Case
{
    int n;
    const char* hundreds;
    const char* tens;
    const char* units;
    bool unitsFirst;
};

void expectParts(const ColouredNumber& got, const Case& c)
{
    EXPECT_EQ(got.parts[0], QString::fromLatin1(c.hundreds)) << c.n;
    EXPECT_EQ(got.parts[1], QString::fromLatin1(c.tens)) << c.n;
    EXPECT_EQ(got.parts[2], QString::fromLatin1(c.units)) << c.n;
    EXPECT_EQ(got.unitsFirst, c.unitsFirst) << c.n;
}

} // namespace

TEST(ColouredNumber, WordsSplitIntoTheirPlaces)
{
    for (const Case& c : {
             Case{317, "TRECENTO", "DICIA", "SSETTE", false},
             Case{311, "TRECENTO", "DICI", "UN", true},
             Case{16, "", "DICI", "SE", true},
             Case{18, "", "DICI", "OTTO", false},
             Case{119, "CENTO", "DICIA", "NNOVE", false},
             Case{108, "CENTO", "", "OTTO", false},
             Case{180, "CENTO", "OTTANTA", "", false},
             Case{21, "", "VENT", "UNO", false},
             Case{988, "NOVECENTO", "OTTANT", "OTTO", false},
             Case{10, "", "DIECI", "", false},
             Case{100, "CENTO", "", "", false},
             Case{0, "", "", "ZERO", false},
             Case{745, "SETTECENTO", "QUARANTA", "CINQUE", false},
         })
        expectParts(colouredWords(c.n), c);
}

TEST(ColouredNumber, DigitsLeaveOutLeadingZeros)
{
    for (const Case& c : {Case{305, "3", "0", "5", false}, Case{42, "", "4", "2", false},
                          Case{7, "", "", "7", false}, Case{0, "", "", "0", false},
                          Case{900, "9", "0", "0", false}})
        expectParts(colouredDigits(c.n), c);
}

TEST(ColouredNumber, PartsAreCentredInReadingOrder)
{
    // 311: "TRECENTO" then "UN" then "DICI".
    const auto lefts = partLefts({80, 40, 20}, 200, true);
    EXPECT_DOUBLE_EQ(lefts[0], 30);
    EXPECT_DOUBLE_EQ(lefts[2], 110);
    EXPECT_DOUBLE_EQ(lefts[1], 130);

    const auto plain = partLefts({0, 10, 10}, 100, false);
    EXPECT_DOUBLE_EQ(plain[1], 40);
    EXPECT_DOUBLE_EQ(plain[2], 50);
}
