#include "exercises/frame/AnswerReading.h"

#include "services/TextForms.h"

namespace {
QString withoutTrailingBlanks(QString s)
{
    while (!s.isEmpty() && s.back().isSpace())
        s.chop(1);
    return s;
}
} // namespace

bool isExpectedAnswer(const QString& typed, AnswerReading reading, const ExpectedAnswer& expected)
{
    switch (reading) {
    case AnswerReading::Lenient:
        return lenientNumber(typed) == expected.number;
    case AnswerReading::DigitsOnly:
        return digitsOnlyValue(typed) == expected.number;
    case AnswerReading::Words:
        return withoutTrailingBlanks(typed) == withoutTrailingBlanks(expected.words);
    }
    return false;
}
