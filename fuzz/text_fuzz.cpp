// SPDX-License-Identifier: GPL-3.0-or-later
// What a child types: the lenient number reader and the judge of numbers
// typed in words. The first three bytes choose a number and a language,
// the rest is the typed text. The words of the number are always right,
// with blanks around them and in lower case too; a text judged right is
// those words in the form the judge compares (case, blanks, hyphens and
// accents aside).
#include "FuzzSupport.h"
#include "services/NumberWords.h"
#include "services/TextForms.h"
#include "services/WordAnswer.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace fuzzing;
    if (size < 3)
        return 0;
    const int number = 1 + (data[0] | data[1] << 8) % 999;
    const auto language = AllWordsLanguages[data[2] % std::size(AllWordsLanguages)];
    const QString typed = QString::fromUtf8(reinterpret_cast<const char*>(data + 3), qsizetype(size - 3));

    (void)lenientNumber(typed);
    (void)digitsOnlyValue(typed);
    if (lenientNumber(QString::number(number)) != number)
        fail("the lenient reader misreads a number");

    const QString words = numberInWords(number, language);
    if (!wordAnswer::isRight(words, number, language)
        || !wordAnswer::isRight(QStringLiteral("  ") + words.toLower() + QStringLiteral(" "), number, language))
        fail("the number's own words are judged wrong");
    if (wordAnswer::isRight(typed, number, language)
        && wordAnswer::comparedForm(typed, language) != wordAnswer::comparedForm(words, language))
        fail("a text other than the words is judged right");
    return 0;
}
