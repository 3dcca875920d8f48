// SPDX-License-Identifier: GPL-3.0-or-later
#include "services/WordAnswer.h"
#include "services/NumberWords.h"
#include "support/ScriptedRandom.h"
#include "support/WordsLanguages.h"

#include <gtest/gtest.h>

namespace {

struct WordCase
{
    const char* typed;
    int number;
    const char* language;
    bool right;
};

void PrintTo(const WordCase& c, std::ostream* os)
{
    *os << '"' << c.typed << "\" for " << c.number << " in language " << c.language;
}

class WordAnswerCheck : public ::testing::TestWithParam<WordCase>
{
};

TEST_P(WordAnswerCheck, JudgesTheTypedWords)
{
    const WordCase& c = GetParam();
    EXPECT_EQ(wordAnswer::isRight(QString::fromUtf8(c.typed), c.number, *wordsLanguageNumbered(c.language)), c.right)
        << c.typed << " for " << c.number << " in language " << c.language;
}

INSTANTIATE_TEST_SUITE_P(
    AcrossLanguages, WordAnswerCheck,
    ::testing::Values(
        // Italian: case, blanks and the accent do not count; "cento" with
        // and without its elision does.
        WordCase{"VENTUNO", 21, "1", true}, WordCase{"ventuno", 21, "1", true},
        WordCase{"VENTIUNO", 21, "1", false}, WordCase{"VENTITRÉ", 23, "1", true},
        WordCase{"ventitre", 23, "1", true}, WordCase{"CENTOTTO", 108, "1", true},
        WordCase{"centootto", 108, "1", true}, WordCase{"centottanta", 180, "1", true},
        WordCase{"centoottanta", 180, "1", true}, WordCase{"centuno", 101, "1", true},
        WordCase{"centouno", 101, "1", true}, WordCase{"CENTOTTO", 180, "1", false},
        WordCase{"   DUECENTOQUARANTA  ", 240, "1", true}, WordCase{"DUECENTO QUARANTA", 240, "1", true},
        WordCase{"duecento-quaranta", 240, "1", true}, WordCase{"", 240, "1", false},
        WordCase{"   ", 240, "1", false}, WordCase{"DUECENTOQUARANTUNO", 240, "1", false},
        // English with and without "and" and hyphens.
        WordCase{"ONE HUNDRED EIGHT", 108, "2", true}, WordCase{"one hundred and eight", 108, "2", true},
        WordCase{"TWO HUNDRED AND THIRTY-FOUR", 234, "2", true}, WordCase{"twohundredthirtyfour", 234, "2", true},
        WordCase{"TWO HUNDRED AND THIRTY", 234, "2", false}, WordCase{"AND", 0, "2", false},
        // French with or without the hyphens of 1990; a near miss stays wrong.
        WordCase{"quatre-vingt-onze", 91, "3", true}, WordCase{"QUATRE VINGT ONZE", 91, "3", true},
        WordCase{"quatre-vingt-un", 91, "3", false}, WordCase{"soixante et onze", 71, "3", true},
        WordCase{"soixante-et-onze", 71, "3", true}, WordCase{"soixante-dix", 71, "3", false},
        WordCase{"trois cent deux", 302, "3", true}, WordCase{"trois-cent-deux", 302, "3", true},
        WordCase{"vingt et un", 21, "3", true}, WordCase{"cent", 200, "3", false},
        WordCase{"deux cents", 200, "3", true}, WordCase{"QUATRE CENT QUATRE-VINGT-QUATORZE", 494, "3", true},
        WordCase{"zero", 0, "3", true},
        // German: the umlauts typed or not typed with their dots, "ß" or
        // "ss", with and without "ein" before hundert and tausend.
        WordCase{"FÜNFZEHN", 15, "4", true}, WordCase{"fünfzehn", 15, "4", true},
        WordCase{"FUNFZEHN", 15, "4", true}, WordCase{"DREIßIG", 30, "4", true},
        WordCase{"DREISSIG", 30, "4", true}, WordCase{"DREISIG", 30, "4", false},
        WordCase{"HUNDERTEINS", 101, "4", true}, WordCase{"einhunderteins", 101, "4", true},
        WordCase{"tausend", 1000, "4", true}, WordCase{"eintausendeinhundert", 1100, "4", true},
        WordCase{"tausendhundert", 1100, "4", true}, WordCase{"hunderttausend", 101000, "4", false},
        WordCase{"EINUNDZWANZIG", 12, "4", false},
        // Spanish: the whole hundreds end in no blank; the irregular words.
        WordCase{"trescientos treinta y dos", 332, "5", true}, WordCase{"DOSCIENTOS", 200, "5", true},
        WordCase{"quinientos", 500, "5", true}, WordCase{"cincocientos", 500, "5", false},
        WordCase{"veintitres", 23, "5", true}, WordCase{"CUARENTA Y CINCO", 45, "5", true},
        WordCase{"cuarenticinco", 45, "5", false}, WordCase{"cien", 100, "5", true},
        WordCase{"ciento", 100, "5", false},
        // Albanian with and without "ë".
        WordCase{"NJËZET E NJË", 21, "6", true}, WordCase{"njezet e nje", 21, "6", true},
        WordCase{"NJEZETENJE", 21, "6", true}, WordCase{"dyqind", 200, "6", true},
        WordCase{"dynjeqind", 200, "6", false}, WordCase{"NJËZET E DY", 21, "6", false}));

TEST(WordAnswer, EveryNumberFitsTheAnswerBox)
{
    const int capacity = wordAnswer::answerCapacity();
    EXPECT_GE(capacity, 45);
    int longest = 0;
    for (const WordsLanguage language : AllWordsLanguages)
        for (int n = 1; n <= 999; ++n) {
            const QString words = numberInWords(n, language);
            ASSERT_FALSE(words.isEmpty()) << n << " in language " << int(language);
            longest = std::max(longest, static_cast<int>(words.size()));
            // The box makes room for the longest words of its language.
            EXPECT_LE(words.size(), numberInWords(wordAnswer::numberWithLongestWords(language), language).size())
                << n << " in language " << int(language);
            // What a screen shows is what a child can type back.
            ASSERT_TRUE(wordAnswer::isRight(words, n, language)) << n << " in language " << int(language);
        }
    // Albanian 666 alone is 37 characters; nothing may be cut off.
    EXPECT_GE(longest, 37);
    EXPECT_GE(capacity, longest);
}

TEST(WordAnswer, DrawsFromOneToTheMaximum)
{
    ScriptedRandom random{0.0, 0.99999, 0.99999, 0.5};
    EXPECT_EQ(wordAnswer::draw(random, 999), 1);
    EXPECT_EQ(wordAnswer::draw(random, 999), 999);
    EXPECT_EQ(wordAnswer::draw(random, 199), 199);
    EXPECT_EQ(wordAnswer::draw(random, 199), 100);
    EXPECT_TRUE(random.empty());
}

} // namespace
