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

// Whether the typed answer is the number in words, judged as a teacher
// would: case, blanks, hyphens and apostrophes do not count, and a letter
// typed without its accent counts as the letter ("njezet e nje", "ventitre":
// a child's keyboard may have no "ë" or "é"; "ss" stands for "ß"). The
// spellings a teacher accepts beside the shown words count too: Italian
// "cento" with and without elision before "otto", "ottanta" and "uno",
// German with and without "ein" before "hundert" and "tausend", English
// with and without "and" after "hundred" and "thousand". Any other word,
// or the words of another number, is wrong.
bool isRight(const QString& typed, int number, WordsLanguage language);

// The typed or shown words in the form that isRight compares: what does
// not count removed, the accepted spellings made one.
QString comparedForm(const QString& words, WordsLanguage language);

// The number of 1..999 whose words are the longest in the language (by
// letters, blanks and hyphens): the words a words box must have room for.
int numberWithLongestWords(WordsLanguage language);

// How many characters the answer box takes: more than the longest words of
// any number 1 to 999 in any of the six languages (Albanian 666 has 37).
int answerCapacity();

} // namespace wordAnswer
