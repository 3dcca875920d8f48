// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/written/WrittenProblems.h"
#include "services/NumberWords.h"
#include "support/ScriptedRandom.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

// The fraction that makes floor(n r) come out as k.
double pick(int k, double n)
{
    return (k + 0.5) / n;
}

// Place labels that show which message string was used.
QString bracketedKey(const QString& key)
{
    return QLatin1Char('<') + key + QLatin1Char('>');
}

struct Case
{
    int mode;
    std::vector<double> fractions;
    const char* caption;
    int expected;
    const char* solution;
};

WrittenProblem pose(const Case& c, const WrittenSettings& settings)
{
    ScriptedRandom random;
    for (double f : c.fractions)
        random.push(f);
    const auto p = writtenProblem(c.mode, random, settings);
    EXPECT_TRUE(p.has_value()) << "mode " << c.mode;
    EXPECT_EQ(random.remaining(), 0u) << "mode " << c.mode << " drew fewer fractions than scripted";
    return p.value_or(WrittenProblem{});
}

void expectCases(const std::vector<Case>& cases, const WrittenSettings& settings = {})
{
    for (const Case& c : cases) {
        const WrittenProblem p = pose(c, settings);
        EXPECT_EQ(p.caption, QString::fromUtf8(c.caption)) << "mode " << c.mode << " expecting " << c.expected;
        EXPECT_EQ(p.expected, c.expected) << "mode " << c.mode << " caption " << c.caption;
        EXPECT_EQ(p.solution, QString::fromUtf8(c.solution)) << "mode " << c.mode << " expecting " << c.expected;
    }
}

} // namespace

TEST(WrittenProblems, WordsToDigitsShowsTheNumberInWords)
{
    WrittenSettings italian;
    italian.wordsLanguage = WordsLanguage::Italian;
    expectCases({{1, {pick(344, 999)}, "TRECENTOQUARANTACINQUE", 345, "TRECENTOQUARANTACINQUE = 345"}}, italian);

    // Never 0, never above the chosen maximum, and the words follow the
    // number-words language.
    WrittenSettings english;
    english.wordsLanguage = WordsLanguage::English;
    english.maxNumber = 199;
    for (double r : {0.0, 0.999999}) {
        ScriptedRandom random{r};
        const auto p = writtenProblem(1, random, english);
        ASSERT_TRUE(p);
        EXPECT_EQ(p->expected, r == 0.0 ? 1 : 199);
        EXPECT_EQ(p->caption, numberInWords(p->expected, WordsLanguage::English));
        EXPECT_EQ(p->solution, p->caption + QStringLiteral(" = ") + QString::number(p->expected));
    }
}

TEST(WrittenProblems, PlaceValueNamesDigitsWithTheMessageStrings)
{
    WrittenSettings labelled;
    labelled.strings = bracketedKey;
    expectCases({
        // Kind 1: a zero digit contributes nothing.
        {2, {pick(0, 2), pick(304, 999)}, "<0001> 3    <0003> 5    ", 305, "<0001> 3    <0003> 5     = 305"},
        {2, {pick(0, 2), pick(39, 999)}, "<0002> 4    ", 40, "<0002> 4     = 40"},
        {2, {pick(0, 2), 0.999999}, "<0001> 9    <0002> 9    <0003> 9    ", 999, "<0001> 9    <0002> 9    <0003> 9     = 999"},
        // Kind 2: a lone digit standing for units, tens or hundreds.
        {2, {pick(1, 2), pick(6, 9), pick(0, 3)}, "<0004> 7    ", 7, "<0004> 7     = 7"},
        {2, {pick(1, 2), pick(0, 9), pick(1, 3)}, "<0005> 1    ", 10, "<0005> 1     = 10"},
        {2, {pick(1, 2), pick(3, 9), pick(2, 3)}, "<0006> 4    ", 400, "<0006> 4     = 400"},
    }, labelled);

    // Missing strings leave the digits on their own.
    WrittenSettings missing;
    missing.strings = [](const QString&) { return QString(); };
    expectCases({{2, {pick(0, 2), pick(304, 999)}, " 3     5    ", 305, " 3     5     = 305"}}, missing);
}

TEST(WrittenProblems, NeighbourModesMatchTheirTables)
{
    expectCases({
        // 3: the number in the middle; kind 2 reaches 1000 only at the top.
        {3, {pick(0, 2), pick(344, 997)}, " 344 _______ 346", 345, " 344   345   346"},
        {3, {pick(1, 2), 0.0}, " 9 _______ 11", 10, " 9   10   11"},
        {3, {pick(1, 2), 0.9929}, " 989 _______ 991", 990, " 989   990   991"},
        {3, {pick(1, 2), 0.9931}, " 999 _______ 1001", 1000, " 999   1000   1001"},
        // 4: the successor; kind 2 can pose 0 after -1.
        {4, {pick(0, 2), 0.0}, " 0 ____", 1, " 0   1"},
        {4, {pick(0, 2), 0.999999}, " 998 ____", 999, " 998   999"},
        {4, {pick(1, 2), 0.0}, "-1 ____", 0, "-1   0"},
        {4, {pick(1, 2), 0.999999}, " 989 ____", 990, " 989   990"},
        // 5: the predecessor; kind 2 ends in 9 and shows the next ten.
        {5, {pick(0, 2), 0.5}, " ____  501", 500, " 500   501"},
        {5, {pick(1, 2), 0.335}, " ____  340", 339, " 339   340"},
        {5, {pick(1, 2), 0.0}, " ____  10", 9, " 9   10"},
        {5, {pick(1, 2), 0.999999}, " ____  1000", 999, " 999   1000"},
    });
}

TEST(WrittenProblems, SuccessorAndPredecessorStayWithinTheMaximum)
{
    WrittenSettings upTo299;
    upTo299.maxNumber = 299;
    expectCases({
        {4, {pick(0, 2), 0.999999}, " 298 ____", 299, " 298   299"},
        {4, {pick(1, 2), 0.999999}, " 289 ____", 290, " 289   290"},
        {5, {pick(0, 2), 0.999999}, " ____  300", 299, " 299   300"},
        {5, {pick(1, 2), 0.999999}, " ____  300", 299, " 299   300"},
    }, upTo299);
}

TEST(WrittenProblems, ExpandedFormEmptiesOnePlace)
{
    expectCases({
        // n, then the place emptied (1 hundreds, 2 tens, 3 units).
        {6, {pick(99, 999), pick(0, 3)}, " ", 0, "  = 0"},
        {6, {pick(304, 999), pick(1, 3)}, "(100 x  3) + (1 x  5) ", 305, "(100 x  3) + (1 x  5)  = 305"},
        {6, {pick(344, 999), pick(2, 3)}, "(100 x  3) + (10 x  4) ", 340, "(100 x  3) + (10 x  4)  = 340"},
        {6, {pick(344, 999), pick(0, 3)}, "(10 x  4) + (1 x  5) ", 45, "(10 x  4) + (1 x  5)  = 45"},
        {6, {pick(6, 999), pick(1, 3)}, "(1 x  7) ", 7, "(1 x  7)  = 7"},
        {6, {pick(29, 999), pick(2, 3)}, "(10 x  3) ", 30, "(10 x  3)  = 30"},
        {6, {pick(899, 999), pick(2, 3)}, "(100 x  9) ", 900, "(100 x  9)  = 900"},
    });
}

TEST(WrittenProblems, CountingStepsMatchTheirTables)
{
    expectCases({
        {7, {pick(47, 987)}, " 56 + 1  = ", 57, " 56 + 1  =  57"},
        {7, {0.999999}, " 995 + 1  = ", 996, " 995 + 1  =  996"},
        {8, {pick(47, 988), 0.0}, " 57 +  0 = ", 57, " 57 +  0 =  57"},
        {8, {0.999999, 0.999999}, " 988 +  9 = ", 997, " 988 +  9 =  997"},
        {9, {pick(47, 978)}, " 47 + 10 = ", 57, " 47 + 10 =  57"},
        {10, {0.999999, 0.999999}, " 897 +  90 = ", 987, " 897 +  90 =  987"},
        {10, {0.0, 0.0}, " 100 +  0 = ", 100, " 100 +  0 =  100"},
        // 11 can expect more than 999.
        {11, {0.999999}, " 977 + 100 = ", 1077, " 977 + 100 =  1077"},
        {11, {0.0}, " 0 + 100 = ", 100, " 0 + 100 =  100"},
        // 12: never more hundreds than n holds; below 100 always 0.
        {12, {pick(543, 988), 0.99}, " 43 +  500 = ", 543, " 43 +  500 =  543"},
        {12, {pick(87, 988), 0.999999}, " 87 +  0 = ", 87, " 87 +  0 =  87"},
        {12, {0.0, 0.5}, " 0 +  0 = ", 0, " 0 +  0 =  0"},
        {13, {pick(345, 890), 0.999999}, " 435 -  90 = ", 345, " 435 -  90 =  345"},
        {13, {0.0, 0.0}, " 0 -  0 = ", 0, " 0 -  0 =  0"},
        {14, {0.0, pick(5, 10)}, " 5 -  5 = ", 0, " 5 -  5 =  0"},
        {14, {0.999999, 0.999999}, " 998 -  9 = ", 989, " 998 -  9 =  989"},
        {15, {0.0}, " 30 - 10 = ", 20, " 30 - 10 =  20"},
        {15, {0.999999}, " 999 - 10 = ", 989, " 999 - 10 =  989"},
        {16, {0.0}, " 10 - 1 = ", 9, " 10 - 1 =  9"},
        {16, {0.999999}, " 999 - 1 = ", 998, " 999 - 1 =  998"},
        // 17: below 100 nothing is taken away.
        {17, {pick(300, 890), 0.5}, " 300 -  100 = ", 200, " 300 -  100 =  200"},
        {17, {0.999999, 0.99}, " 889 -  800 = ", 89, " 889 -  800 =  89"},
        {17, {pick(99, 890), 0.999999}, " 99 -  0 = ", 99, " 99 -  0 =  99"},
        {18, {0.0}, " 100 - 100 = ", 0, " 100 - 100 =  0"},
        {18, {0.999999}, " 979 - 100 = ", 879, " 979 - 100 =  879"},
    });
}

TEST(WrittenProblems, MixedStepsAndBuildingAHundred)
{
    expectCases({
        // 19: combination j, then the base; no blank before the base.
        {19, {pick(8, 9), pick(4, 9)}, "5 + 100 = ", 105, "5 + 100 =  105"},
        {19, {pick(6, 9), 0.999999}, "9 + 1 = ", 10, "9 + 1 =  10"},
        {19, {pick(4, 9), 0.999999}, "99 + 10 = ", 109, "99 + 10 =  109"},
        {19, {pick(2, 9), 0.999999}, "889 + 100 = ", 989, "889 + 100 =  989"},
        {19, {0.0, 0.0}, "1 + 1 = ", 2, "1 + 1 =  2"},
        // 20: the base, then the step.
        {20, {0.0, pick(2, 3)}, "100 - 100 = ", 0, "100 - 100 =  0"},
        {20, {0.999999, 0.0}, "989 - 1 = ", 988, "989 - 1 =  988"},
        {20, {pick(150, 890), pick(1, 3)}, "250 - 10 = ", 240, "250 - 10 =  240"},
        // 21: the part missing from 100.
        {21, {0.999999}, " 0 +____ = 100", 100, " 0 +  100 = 100"},
        {21, {0.0}, " 99 +____ = 100", 1, " 99 +  1 = 100"},
        {21, {pick(36, 100)}, " 63 +____ = 100", 37, " 63 +  37 = 100"},
    });
}

TEST(WrittenProblems, MixedStepsDrawEveryCombination)
{
    // Each of the nine combinations: bases of three, two and one digits,
    // each with the steps 1, 10 and 100.
    const int largestBase[] = {889, 889, 889, 99, 99, 99, 9, 9, 9};
    const int step[] = {1, 10, 100, 1, 10, 100, 1, 10, 100};
    for (int j = 0; j < 9; ++j) {
        ScriptedRandom random{pick(j, 9), 0.999999};
        const auto p = writtenProblem(19, random, {});
        ASSERT_TRUE(p);
        EXPECT_EQ(p->expected, largestBase[j] + step[j]) << "combination " << j;
        EXPECT_TRUE(p->caption.startsWith(QString::number(largestBase[j]) + QStringLiteral(" + ") +
                                          QString::number(step[j]) + QStringLiteral(" = ")))
            << p->caption.toStdString();
    }
}

TEST(WrittenProblems, NumbersThatAreNoModeDrawNothing)
{
    for (int type : {0, 22, -1}) {
        ScriptedRandom random;
        EXPECT_FALSE(writtenProblem(type, random, {})) << type;
    }
}

TEST(WrittenProblems, OnlyTheDigitsTypedCount)
{
    const struct { const char* typed; int expected; bool right; } cases[] = {
        {"7", 7, true},
        {"0,7", 7, true},     // a comma is dropped
        {"1a2", 12, true},    // so are pasted letters
        {" 3 5", 35, true},
        {"007", 7, true},     // leading zeros do not matter
        {",,", 0, true},      // no digit at all reads 0
        {"0", 0, true},
        {"1077", 1077, true},
        {"71", 7, false},
        {"7,1", 7, false},
        {"", 5, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(isRightWrittenAnswer(QString::fromUtf8(c.typed), static_cast<qint16>(c.expected)), c.right)
            << '"' << c.typed << "\" for " << c.expected;
}
