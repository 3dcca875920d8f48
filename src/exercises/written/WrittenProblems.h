// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "services/NumberWords.h"

#include <QString>
#include <functional>
#include <optional>

class RandomSource;

// The problems of the written-number screen, one generator per
// mode (ExerciseType 1..21). They are plain functions of the random source:
// each draws its fractions in the order its comment gives, and nothing else.
// The screen's new background colour is drawn by the screen before the
// generator runs, so a problem's first fraction is always the one after the
// colour's.

// One posed problem: the line the child reads, the number the answer must
// equal, and the completed line shown after a right answer.
struct WrittenProblem
{
    QString caption;
    qint16 expected = 0;
    QString solution;
    bool operator==(const WrittenProblem&) const = default;
};

// Message strings by key ("0001".."0006" for the place labels of mode 2);
// a missing string reads as empty text.
using MessageLookup = std::function<QString(const QString& key)>;

// What the generators read besides chance.
struct WrittenSettings
{
    int maxNumber = 999;              // modes 1, 4, 5
    WordsLanguage wordsLanguage = WordsLanguage::Italian;   // mode 1
    MessageLookup strings;            // mode 2
};

namespace written {

// 1 "dalla parola alle cifre": n = floor(r max) + 1, shown in words.
WrittenProblem wordsToDigits(RandomSource& random, int maxNumber, WordsLanguage wordsLanguage);
// 2 "h  da  u": kind = floor(2r) + 1; kind 1 draws n = floor(999 r) + 1 and
// names its non-zero digits by place; kind 2 draws d = floor(9r) + 1, then
// place = floor(3r) + 1, and names the lone digit.
WrittenProblem placeValue(RandomSource& random, const MessageLookup& strings);
// 3 "trova il numero in mezzo": kind, then n (1..997, or a multiple of ten
// 10..1000).
WrittenProblem numberInTheMiddle(RandomSource& random);
// 4 "trova il numero successivo": kind, then n (1..max, or a multiple of
// ten from 0).
WrittenProblem successor(RandomSource& random, int maxNumber);
// 5 "trova il numero precedente": kind, then n (1..max, or a number ending
// in 9).
WrittenProblem predecessor(RandomSource& random, int maxNumber);
// 6 "espressioni": n = floor(999 r) + 1, then the place that is emptied.
WrittenProblem expandedForm(RandomSource& random);

// 7..18: one addition or subtraction of 1, 10, 100, units, tens or
// hundreds; the fractions are drawn in the order of the variables named in
// the source.
WrittenProblem countingStep(int exerciseType, RandomSource& random);

// 19 "+ 1   + 10   + 100": the combination j = floor(9r), then the base.
WrittenProblem mixedSteps(RandomSource& random);
// 20 "- 1   - 10   - 100": the base, then j = floor(3r) for the step.
WrittenProblem mixedStepsBack(RandomSource& random);
// 21 "Costruisci il 100": n = floor(100 r) + 1, the part missing from 100.
WrittenProblem buildHundred(RandomSource& random);

} // namespace written

// The generator of ExerciseType; nullopt for a number that is not a mode
// (1..21), which draws nothing.
std::optional<WrittenProblem> writtenProblem(int exerciseType, RandomSource& random,
                                             const WrittenSettings& settings);

// CheckAnswer's value rule: only the digits typed count, read as one number
// (commas, pasted letters and blanks are dropped; no digit at all is 0).
bool isRightWrittenAnswer(const QString& typed, qint16 expected);
