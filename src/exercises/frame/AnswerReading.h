// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>

// How a typed answer is read before it is compared with what is expected.
enum class AnswerReading {
    Lenient,     // lenientNumber(): blanks skipped, reading stops at a comma or a letter
    DigitsOnly,  // digitsOnlyValue(): the digits alone, anything else ignored
    Words,       // the number in words, as typed (upper case where the box makes it so)
};

struct ExpectedAnswer
{
    double number = 0;
    QString words;   // for AnswerReading::Words
};

// Whether the typed text is the expected answer. Words are compared letter
// for letter once the blanks before and after both are dropped (the Spanish
// whole hundreds end with a blank that a child does not type), as on every
// screen where a number is written in words.
bool isExpectedAnswer(const QString& typed, AnswerReading reading, const ExpectedAnswer& expected);
