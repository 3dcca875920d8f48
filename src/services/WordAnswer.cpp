// SPDX-License-Identifier: GPL-3.0-or-later
#include "services/WordAnswer.h"

#include "services/NumberWords.h"
#include "services/RandomSource.h"
#include "services/TextForms.h"

#include <algorithm>

namespace wordAnswer {

int draw(RandomSource& random, int maxNumber)
{
    return random.below(maxNumber) + 1;
}

bool isRight(const QString& typed, int number, WordsLanguage language)
{
    return withoutOuterBlanks(typed) == withoutOuterBlanks(numberInWords(number, language));
}

int answerCapacity()
{
    static const int capacity = [] {
        qsizetype longest = 40;
        for (const WordsLanguage language : AllWordsLanguages)
            for (int n = 1; n <= 999; ++n)
                longest = std::max(longest, withoutOuterBlanks(numberInWords(n, language)).size());
        return static_cast<int>(longest);
    }();
    return capacity;
}

} // namespace wordAnswer
