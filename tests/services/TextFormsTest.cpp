// SPDX-License-Identifier: GPL-3.0-or-later
#include "services/TextForms.h"

#include <QLocale>
#include <gtest/gtest.h>

TEST(TextForms, NumbersIntoTexts)
{
    EXPECT_EQ(signedText(7), " 7");
    EXPECT_EQ(signedText(0), " 0");
    EXPECT_EQ(signedText(-1), "-1");
    EXPECT_EQ(plainText(345), "345");
    EXPECT_EQ(plainText(-5), "-5");
    // "###,###" writes nothing for 0; "###,###,##0" writes "0".
    EXPECT_EQ(groupedText(0), "");
    EXPECT_EQ(groupedText(989), "989");
    EXPECT_EQ(patternedText(0), "0");
    EXPECT_EQ(patternedText(999), "999");
    const QString sep = QLocale::system().groupSeparator();
    EXPECT_EQ(patternedText(1234567), "1" + sep + "234" + sep + "567");
    EXPECT_EQ(groupedText(-1000), "-1" + sep + "000");
}

struct ReadCase { const char* typed; double lenient; double digitsOnly; };

TEST(TextForms, TypedAnswersRead)
{
    const ReadCase cases[] = {
        {"352", 352, 352},
        {"3 52", 352, 352},       // blanks anywhere are skipped
        {"0,7", 0, 7},            // a comma ends the lenient reading
        {"12,5", 12, 125},
        {"1a2", 1, 12},           // a pasted letter
        {"abc", 0, 0},
        {"", 0, 0},
        {",,", 0, 0},
        {"007", 7, 7},
        {"-7", -7, 7},
        {"+4", 4, 4},
        {"4 5 . 5", 45.5, 455},
        {".5", 0.5, 5},
        {"1.5e2", 150, 152},
        {"2E-1x", 0.2, 21},
        {"1e", 1, 1},             // an exponent without digits is not read
        {"e5", 0, 5},
        {".", 0, 0},
        {"-", 0, 0},
    };
    for (const ReadCase& c : cases) {
        SCOPED_TRACE(c.typed);
        EXPECT_DOUBLE_EQ(lenientNumber(QString::fromUtf8(c.typed)), c.lenient);
        EXPECT_DOUBLE_EQ(digitsOnlyValue(QString::fromUtf8(c.typed)), c.digitsOnly);
    }
    // A number too large for a double reads 0 rather than infinity.
    EXPECT_EQ(lenientNumber("1e999"), 0.0);
}
