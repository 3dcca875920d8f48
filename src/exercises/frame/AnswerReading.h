// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>

#include "services/NumberWords.h"

// How a typed answer is read before it is compared with what is expected.
enum class AnswerReading {
    Lenient,     // lenientNumber(): blanks skipped, reading stops at a comma or a letter
    DigitsOnly,  // digitsOnlyValue(): the digits alone, anything else ignored
    Words,       // the number in words, judged as wordAnswer::isRight does
};

struct ExpectedAnswer
{
    double number = 0;
    // For AnswerReading::Words: the language the number is written in.
    WordsLanguage wordsLanguage = WordsLanguage::Italian;
};

// Whether the typed text is the expected answer. Words are judged as on
// every screen where a number is typed in words (wordAnswer::isRight):
// case, blanks, hyphens and missing accents do not count.
bool isExpectedAnswer(const QString& typed, AnswerReading reading, const ExpectedAnswer& expected);
