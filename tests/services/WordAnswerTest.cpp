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
        // Italian elision: the tens lose their vowel before UNO and OTTO,
        // the hundreds never do.
        WordCase{"VENTUNO", 21, "1", true}, WordCase{"VENTIUNO", 21, "1", false},
        WordCase{"CENTOOTTO", 108, "1", true}, WordCase{"CENTOTTO", 108, "1", false},
        WordCase{"DUECENTOQUARANTA", 240, "1", true},
        // Blanks around do not matter, a blank inside does, and so does case.
        WordCase{"   DUECENTOQUARANTA  ", 240, "1", true}, WordCase{"DUECENTO QUARANTA", 240, "1", false},
        WordCase{"duecentoquaranta", 240, "1", false}, WordCase{"", 240, "1", false},
        WordCase{"ONEHUNDREDEIGHT", 108, "2", true},
        WordCase{"QUATRECENTSQUATREVINGTDIXQUATRE", 494, "3", true},
        // German keeps the upper-case umlauts and the ß as the words have them.
        WordCase{"FÜNFZEHN", 15, "4", true}, WordCase{"FüNFZEHN", 15, "4", false},
        WordCase{"FUNFZEHN", 15, "4", false}, WordCase{"DREIßIG", 30, "4", true},
        WordCase{"DREISSIG", 30, "4", false}, WordCase{"EINUNDDREIßIG", 31, "4", true},
        WordCase{"ZWÖLF", 12, "4", true}, WordCase{"HUNDERTEINS", 101, "4", true},
        // Spanish has a blank after the hundreds word; a whole hundred ends
        // in it, and must still be answerable.
        WordCase{"DOSCIENTOS TRENTICUATRO", 234, "5", true},
        WordCase{"DOSCIENTOSTRENTICUATRO", 234, "5", false},
        WordCase{"DOSCIENTOS", 200, "5", true}, WordCase{"DOSCIENTOS ", 200, "5", true},
        WordCase{"CIENTO", 100, "5", true},
        WordCase{"NJEZET E NJE", 21, "6", true}, WordCase{"NJEZETENJE", 21, "6", false}));

TEST(WordAnswer, EveryNumberFitsTheAnswerBox)
{
    const int capacity = wordAnswer::answerCapacity();
    EXPECT_GE(capacity, 40);
    int longest = 0;
    for (const WordsLanguage language : AllWordsLanguages)
        for (int n = 1; n <= 999; ++n) {
            const QString words = numberInWords(n, language).trimmed();
            ASSERT_FALSE(words.isEmpty()) << n << " in language " << int(language);
            longest = std::max(longest, static_cast<int>(words.size()));
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
