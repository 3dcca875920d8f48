// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>

enum class WordsLanguage;

class RandomSource;

// The rules of the exercise "from digits to words": a number is shown in
// digits and the child types it in words.
namespace wordAnswer {

// The number of a new problem: 1 to maxNumber, from one random fraction.
int draw(RandomSource& random, int maxNumber);

// Whether the typed answer is the number in words, letter for letter and in
// upper case, in the language of the number words. Blanks before
// and after the typed answer do not count; blanks inside do. The expected
// words lose their trailing blanks too, so that the Spanish whole hundreds
// ("DOSCIENTOS ") can be answered.
bool isRight(const QString& typed, int number, WordsLanguage language);

// How many characters the answer box must take: the longest words of any
// number 1 to 999 in any of the six languages, and at least 40.
int answerCapacity();

} // namespace wordAnswer
