// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/frame/AnswerReading.h"

#include "services/TextForms.h"
#include "services/WordAnswer.h"

bool isExpectedAnswer(const QString& typed, AnswerReading reading, const ExpectedAnswer& expected)
{
    switch (reading) {
    case AnswerReading::Lenient:
        return lenientNumber(typed) == expected.number;
    case AnswerReading::DigitsOnly:
        return digitsOnlyValue(typed) == expected.number;
    case AnswerReading::Words:
        return wordAnswer::isRight(typed, static_cast<int>(expected.number), expected.wordsLanguage);
    }
    return false;
}
