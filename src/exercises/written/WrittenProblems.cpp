// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/written/WrittenProblems.h"

#include "services/MessageKeys.h"
#include "services/NumberWords.h"
#include "services/RandomSource.h"
#include "services/TextForms.h"

#include <cmath>

namespace {

const QString TwoBlanks = QStringLiteral("  ");
const QString FourBlanks = QStringLiteral("    ");

int floorOf(double x)
{
    return static_cast<int>(std::floor(x));
}

// A problem whose solution is its caption, a joining text and the answer.
WrittenProblem solvedBy(QString caption, int expected, QLatin1StringView joiner)
{
    WrittenProblem p;
    p.solution = caption + joiner + plainText(expected);
    p.caption = std::move(caption);
    p.expected = static_cast<qint16>(expected);
    return p;
}

// Words, places and expanded forms: the caption, " = " and the answer.
WrittenProblem withEquals(QString caption, int expected)
{
    return solvedBy(std::move(caption), expected, QLatin1StringView(" = "));
}

// The drills: the equation, a blank and the result.
WrittenProblem equation(QString caption, int expected)
{
    return solvedBy(std::move(caption), expected, QLatin1StringView(" "));
}

WrittenProblem addition(int shown, int added, int result)
{
    return equation(signedText(shown) + QStringLiteral(" + ") + signedText(added) + QStringLiteral(" = "), result);
}

WrittenProblem subtraction(int shown, int taken, int result)
{
    return equation(signedText(shown) + QStringLiteral(" - ") + signedText(taken) + QStringLiteral(" = "), result);
}

QString lookUp(const MessageLookup& strings, const QString& key)
{
    return strings ? strings(key) : QString();
}

} // namespace

namespace written {

WrittenProblem wordsToDigits(RandomSource& random, int maxNumber, WordsLanguage wordsLanguage)
{
    const int n = floorOf(random.fraction() * maxNumber) + 1;
    return withEquals(numberInWords(n, wordsLanguage), n);
}

WrittenProblem placeValue(RandomSource& random, const MessageLookup& strings)
{
    const int kind = random.below(2) + 1;
    QString caption;
    int expected = 0;
    if (kind == 1) {
        const int n = random.below(999) + 1;
        expected = n;
        const int h = n / 100;
        const int rest = n - 100 * h;
        const int t = rest / 10;
        const int u = rest - 10 * t;
        // A zero digit is not named at all.
        if (h > 0)
            caption += lookUp(strings, msg::HundredsLabel) + signedText(h) + FourBlanks;
        if (t > 0)
            caption += lookUp(strings, msg::TensLabel) + signedText(t) + FourBlanks;
        if (u > 0)
            caption += lookUp(strings, msg::UnitsLabel) + signedText(u) + FourBlanks;
    } else {
        const int d = random.below(9) + 1;
        const int place = random.below(3) + 1;
        const QString& key = place == 1 ? msg::LoneUnitsLabel : place == 2 ? msg::LoneTensLabel : msg::LoneHundredsLabel;
        caption = lookUp(strings, key) + signedText(d) + FourBlanks;
        expected = place == 1 ? d : place == 2 ? 10 * d : 100 * d;
    }
    return withEquals(caption, expected);
}

WrittenProblem numberInTheMiddle(RandomSource& random)
{
    const int kind = random.below(2) + 1;
    // Kind 2 reaches 1000 only for the last three thousandths of r.
    const int n = kind == 1 ? random.below(997) + 1 : 10 * floorOf(99.7 * random.fraction() + 1);
    WrittenProblem p;
    p.caption = signedText(n - 1) + QStringLiteral(" _______") + signedText(n + 1);
    p.expected = static_cast<qint16>(n);
    p.solution = signedText(n - 1) + TwoBlanks + signedText(n) + TwoBlanks + signedText(n + 1);
    return p;
}

WrittenProblem successor(RandomSource& random, int maxNumber)
{
    const int kind = random.below(2) + 1;
    // Kind 2 can pose 0, whose predecessor -1 is shown.
    const int n = kind == 1 ? floorOf(random.fraction() * maxNumber) + 1
                            : 10 * floorOf(random.fraction() * maxNumber / 10);
    WrittenProblem p;
    p.caption = signedText(n - 1) + QStringLiteral(" ____");
    p.expected = static_cast<qint16>(n);
    p.solution = signedText(n - 1) + TwoBlanks + signedText(n);
    return p;
}

WrittenProblem predecessor(RandomSource& random, int maxNumber)
{
    const int kind = random.below(2) + 1;
    const int n = kind == 1 ? floorOf(random.fraction() * maxNumber) + 1
                            : 10 * floorOf(random.fraction() * maxNumber / 10 + 1) - 1;
    WrittenProblem p;
    p.caption = QStringLiteral(" ____ ") + signedText(n + 1);
    p.expected = static_cast<qint16>(n);
    p.solution = signedText(n) + TwoBlanks + signedText(n + 1);
    return p;
}

WrittenProblem expandedForm(RandomSource& random)
{
    const int n = random.below(999) + 1;
    int h = n / 100;
    int t = (n - 100 * h) / 10;
    int u = n - 100 * h - 10 * t;
    // One place is always emptied, so the child never just copies n.
    switch (random.below(3) + 1) {
    case 1: h = 0; break;
    case 2: t = 0; break;
    default: u = 0; break;
    }
    QString caption;
    if (h > 0) {
        caption += QStringLiteral("(100 x ") + signedText(h) + QLatin1Char(')');
        if (t > 0)
            caption += QStringLiteral(" + ");
    }
    if (t > 0) {
        caption += QStringLiteral("(10 x ") + signedText(t) + QLatin1Char(')');
        if (u > 0)
            caption += QStringLiteral(" + ");
    }
    if (t == 0 && u > 0 && h > 0)
        caption += QStringLiteral(" + ");
    if (u > 0)
        caption += QStringLiteral("(1 x ") + signedText(u) + QLatin1Char(')');
    caption += QLatin1Char(' ');
    return withEquals(caption, 100 * h + 10 * t + u);
}

namespace {

// How a counting step is drawn. The drawn number n = below(count) + first is
// the result, except for whole hundreds, where it is the larger of the two
// numbers (the result of an addition, the start of a subtraction) and the
// step is never more hundreds than it has.
enum class Step { Fixed, Units, Tens, HundredsOfDrawn };

struct CountingStep
{
    int mode;
    bool adding;
    Step step;
    int count, first;   // the drawn number
    int fixed = 0;      // Step::Fixed: the step, written as `text`
    const char* text = nullptr;
};

// Modes 7..18 in the order of their numbers. "più 1" writes its step with
// a second blank before "=".
constexpr CountingStep CountingSteps[] = {
    {7, true, Step::Fixed, 987, 10, 1, " + 1  = "},       // "più 1"
    {8, true, Step::Units, 988, 10},                      // "più unità"
    {9, true, Step::Fixed, 978, 10, 10, " + 10 = "},      // "più 10"
    {10, true, Step::Tens, 888, 100},                     // "più decine"
    {11, true, Step::Fixed, 978, 100, 100, " + 100 = "},  // "più 100": results up to 1077
    {12, true, Step::HundredsOfDrawn, 988, 0},            // "più centinaia"
    {13, false, Step::Tens, 890, 0},                      // "meno decine"
    {14, false, Step::Units, 990, 0},                     // "meno unità"
    {15, false, Step::Fixed, 970, 20, 10, " - 10 = "},    // "meno 10"
    {16, false, Step::Fixed, 990, 9, 1, " - 1 = "},       // "meno 1"
    {17, false, Step::HundredsOfDrawn, 890, 0},           // "meno centinaia"
    {18, false, Step::Fixed, 880, 0, 100, " - 100 = "},   // "meno 100"
};

} // namespace

WrittenProblem countingStep(int exerciseType, RandomSource& random)
{
    for (const CountingStep& c : CountingSteps) {
        if (c.mode != exerciseType)
            continue;
        const int n = random.below(c.count) + c.first;
        int k = c.fixed;
        switch (c.step) {
        case Step::Fixed: break;
        case Step::Units: k = random.below(10); break;
        case Step::Tens: k = 10 * random.below(10); break;
        case Step::HundredsOfDrawn: k = 100 * floorOf(random.fraction() * n / 100); break;
        }
        const bool drawnIsLarger = c.step == Step::HundredsOfDrawn;
        const int result = c.adding || !drawnIsLarger ? n : n - k;
        const int start = c.adding ? result - k : result + k;
        if (c.step == Step::Fixed)
            return equation(signedText(start) + QLatin1String(c.text), result);
        return c.adding ? addition(start, k, result) : subtraction(start, k, result);
    }
    return {};
}

WrittenProblem mixedSteps(RandomSource& random)
{
    const int j = random.below(9);
    // Three combinations each for bases of three, two and one digits.
    const int b = j < 3 ? random.below(889) + 1 : j < 6 ? random.below(99) + 1 : random.below(9) + 1;
    const int step = j % 3 == 0 ? 1 : j % 3 == 1 ? 10 : 100;
    return equation(groupedText(b) + QStringLiteral(" + ") + plainText(step) + QStringLiteral(" = "), b + step);
}

WrittenProblem mixedStepsBack(RandomSource& random)
{
    const int b = random.below(890) + 100;
    const int j = random.below(3);
    const int step = j == 0 ? 1 : j == 1 ? 10 : 100;
    return equation(groupedText(b) + QStringLiteral(" - ") + plainText(step) + QStringLiteral(" = "), b - step);
}

WrittenProblem buildHundred(RandomSource& random)
{
    const int n = random.below(100) + 1;
    WrittenProblem p;
    p.caption = signedText(100 - n) + QStringLiteral(" +____ = 100");
    p.expected = static_cast<qint16>(n);
    p.solution = signedText(100 - n) + QStringLiteral(" + ") + signedText(n) + QStringLiteral(" = 100");
    return p;
}

} // namespace written

std::optional<WrittenProblem> writtenProblem(int exerciseType, RandomSource& random, const WrittenSettings& settings)
{
    switch (exerciseType) {
    case 1: return written::wordsToDigits(random, settings.maxNumber, settings.wordsLanguage);
    case 2: return written::placeValue(random, settings.strings);
    case 3: return written::numberInTheMiddle(random);
    case 4: return written::successor(random, settings.maxNumber);
    case 5: return written::predecessor(random, settings.maxNumber);
    case 6: return written::expandedForm(random);
    case 19: return written::mixedSteps(random);
    case 20: return written::mixedStepsBack(random);
    case 21: return written::buildHundred(random);
    default:
        if (exerciseType >= 7 && exerciseType <= 18)
            return written::countingStep(exerciseType, random);
        return std::nullopt;
    }
}

bool isRightWrittenAnswer(const QString& typed, qint16 expected)
{
    return digitsOnlyValue(typed) == static_cast<double>(expected);
}
