// SPDX-License-Identifier: GPL-3.0-or-later
#include "services/NumberWords.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

namespace {

constexpr WordsLanguage kLanguages[] = {WordsLanguage::Italian, WordsLanguage::English,
                                        WordsLanguage::French,  WordsLanguage::German,
                                        WordsLanguage::Spanish, WordsLanguage::Albanian};

struct WordsCase
{
    qint64 number;
    const char* words;  // upper case, as the screens show them
};

struct LanguageCases
{
    WordsLanguage language;
    std::vector<WordsCase> cases;
};

// Written out by hand from each language's grammar. Among them the numbers
// the program once wrote wrongly: the French seventies and nineties and
// "et un", the Spanish twenties, thirties and irregular hundreds, the
// Albanian hundreds and the accents of every language.
const LanguageCases kTables[] = {
    {WordsLanguage::Italian,
     {{0, "ZERO"}, {1, "UNO"}, {11, "UNDICI"}, {16, "SEDICI"}, {17, "DICIASSETTE"},
      {20, "VENTI"}, {21, "VENTUNO"}, {23, "VENTITRÉ"}, {28, "VENTOTTO"}, {71, "SETTANTUNO"},
      {80, "OTTANTA"}, {81, "OTTANTUNO"}, {91, "NOVANTUNO"}, {99, "NOVANTANOVE"},
      {100, "CENTO"}, {101, "CENTOUNO"}, {200, "DUECENTO"}, {234, "DUECENTOTRENTAQUATTRO"},
      {500, "CINQUECENTO"}, {700, "SETTECENTO"}, {999, "NOVECENTONOVANTANOVE"},
      {1000, "MILLE"}, {2000000, "DUE MILIONI"}}},
    {WordsLanguage::English,
     {{0, "ZERO"}, {1, "ONE"}, {11, "ELEVEN"}, {16, "SIXTEEN"}, {17, "SEVENTEEN"},
      {20, "TWENTY"}, {21, "TWENTY-ONE"}, {28, "TWENTY-EIGHT"}, {71, "SEVENTY-ONE"},
      {80, "EIGHTY"}, {81, "EIGHTY-ONE"}, {91, "NINETY-ONE"}, {99, "NINETY-NINE"},
      {100, "ONE HUNDRED"}, {101, "ONE HUNDRED ONE"}, {200, "TWO HUNDRED"},
      {234, "TWO HUNDRED THIRTY-FOUR"}, {500, "FIVE HUNDRED"}, {700, "SEVEN HUNDRED"},
      {999, "NINE HUNDRED NINETY-NINE"}, {1000, "ONE THOUSAND"}, {2000000, "TWO MILLION"}}},
    {WordsLanguage::French,
     {{0, "ZÉRO"}, {1, "UN"}, {11, "ONZE"}, {16, "SEIZE"}, {17, "DIX-SEPT"}, {20, "VINGT"},
      {21, "VINGT-ET-UN"}, {28, "VINGT-HUIT"}, {71, "SOIXANTE-ET-ONZE"}, {80, "QUATRE-VINGTS"},
      {81, "QUATRE-VINGT-UN"}, {91, "QUATRE-VINGT-ONZE"}, {99, "QUATRE-VINGT-DIX-NEUF"},
      {100, "CENT"}, {101, "CENT UN"}, {200, "DEUX CENTS"}, {234, "DEUX CENT TRENTE-QUATRE"},
      {332, "TROIS CENT TRENTE-DEUX"}, {500, "CINQ CENTS"}, {700, "SEPT CENTS"},
      {999, "NEUF CENT QUATRE-VINGT-DIX-NEUF"}, {1000, "MILLE"}, {2000000, "DEUX MILLIONS"}}},
    {WordsLanguage::German,
     {{0, "NULL"}, {1, "EINS"}, {11, "ELF"}, {16, "SECHZEHN"}, {17, "SIEBZEHN"},
      {20, "ZWANZIG"}, {21, "EINUNDZWANZIG"}, {28, "ACHTUNDZWANZIG"}, {30, "DREIßIG"},
      {71, "EINUNDSIEBZIG"}, {80, "ACHTZIG"}, {81, "EINUNDACHTZIG"}, {91, "EINUNDNEUNZIG"},
      {99, "NEUNUNDNEUNZIG"}, {100, "EINHUNDERT"}, {101, "EINHUNDERTEINS"},
      {200, "ZWEIHUNDERT"}, {234, "ZWEIHUNDERTVIERUNDDREIßIG"}, {500, "FÜNFHUNDERT"},
      {700, "SIEBENHUNDERT"}, {999, "NEUNHUNDERTNEUNUNDNEUNZIG"}, {1000, "EINTAUSEND"},
      {2000000, "ZWEI MILLIONEN"}}},
    {WordsLanguage::Spanish,
     {{0, "CERO"}, {1, "UNO"}, {11, "ONCE"}, {16, "DIECISÉIS"}, {17, "DIECISIETE"},
      {20, "VEINTE"}, {21, "VEINTIUNO"}, {23, "VEINTITRÉS"}, {28, "VEINTIOCHO"}, {30, "TREINTA"},
      {45, "CUARENTA Y CINCO"}, {71, "SETENTA Y UNO"}, {80, "OCHENTA"}, {81, "OCHENTA Y UNO"},
      {91, "NOVENTA Y UNO"}, {99, "NOVENTA Y NUEVE"}, {100, "CIEN"}, {101, "CIENTO UNO"},
      {200, "DOSCIENTOS"}, {234, "DOSCIENTOS TREINTA Y CUATRO"}, {500, "QUINIENTOS"},
      {700, "SETECIENTOS"}, {900, "NOVECIENTOS"}, {999, "NOVECIENTOS NOVENTA Y NUEVE"},
      {1000, "MIL"}, {2000000, "DOS MILLONES"}}},
    {WordsLanguage::Albanian,
     {{0, "ZERO"}, {1, "NJË"}, {11, "NJËMBËDHJETË"}, {16, "GJASHTËMBËDHJETË"},
      {17, "SHTATËMBËDHJETË"}, {20, "NJËZET"}, {21, "NJËZET E NJË"}, {28, "NJËZET E TETË"},
      {71, "SHTATËDHJETË E NJË"}, {80, "TETËDHJETË"}, {81, "TETËDHJETË E NJË"},
      {91, "NËNTËDHJETË E NJË"}, {99, "NËNTËDHJETË E NËNTË"}, {100, "NJËQIND"},
      {101, "NJËQIND E NJË"}, {200, "DYQIND"}, {234, "DYQIND E TRIDHJETË E KATËR"},
      {500, "PESËQIND"}, {700, "SHTATËQIND"}, {999, "NËNTËQIND E NËNTËDHJETË E NËNTË"},
      {1000, "NJË MIJË"}, {2000000, "DY MILIONË"}}},
};

TEST(NumberWords, WritesEachLanguageAsItsGrammarDoes)
{
    for (const LanguageCases& table : kTables)
        for (const WordsCase& c : table.cases)
            EXPECT_EQ(numberInWords(c.number, table.language), QString::fromUtf8(c.words))
                << c.number << " in language " << static_cast<int>(table.language);
}

TEST(NumberWords, EveryNumberIsPlainWordsWithoutSoftHyphensOrOuterBlanks)
{
    for (const WordsLanguage language : kLanguages)
        for (int n = 0; n <= 1000; ++n) {
            const QString words = numberToWords(n, language);
            ASSERT_FALSE(words.isEmpty()) << n;
            EXPECT_EQ(words, words.trimmed()) << n << " in language " << static_cast<int>(language);
            EXPECT_FALSE(words.contains(QChar(0x00ad))) << n;
            for (const QChar c : words)
                ASSERT_TRUE(c.isLetter() || c == u' ' || c == u'-')
                    << n << " in language " << static_cast<int>(language) << ": " << words.toStdString();
        }
}

TEST(NumberWords, TwelveDigitsAreWrittenThirteenAreNot)
{
    EXPECT_EQ(numberInWords(999'999'999'999, WordsLanguage::English),
              QStringLiteral("NINE HUNDRED NINETY-NINE BILLION NINE HUNDRED NINETY-NINE MILLION "
                             "NINE HUNDRED NINETY-NINE THOUSAND NINE HUNDRED NINETY-NINE"));

    const char16_t* notCalculable[6] = {u"** Valore non calcolabile **", u"** Value not calculable **",
                                        u"** Valeur pas calculable **", u"** Unberechenbarer Wert **",
                                        u"** Value not calculable **", u"** Valore non calcolabile **"};
    for (int k = 0; k < 6; ++k) {
        EXPECT_EQ(numberToWords(1'000'000'000'000, kLanguages[k]), QString::fromUtf16(notCalculable[k]));
        // Nothing passes a negative number; it must not come out as words.
        EXPECT_EQ(numberToWords(-5, kLanguages[k]), QString::fromUtf16(notCalculable[k]));
    }
}

TEST(NumberWords, UpperCasingMapsEachLetterAndKeepsSharpS)
{
    EXPECT_EQ(upperWords(QStringLiteral("f\u00fcnfunddrei\u00dfig")), QStringLiteral("F\u00dcNFUNDDREI\u00dfIG"));
    EXPECT_EQ(upperWords(QStringLiteral("zw\u00f6lf")), QStringLiteral("ZW\u00d6LF"));
    EXPECT_EQ(numberInWords(35, WordsLanguage::German), QStringLiteral("F\u00dcNFUNDDREI\u00dfIG"));
    EXPECT_EQ(upperWords(QStringLiteral("** Valeur pas calculable **")),
              QStringLiteral("** VALEUR PAS CALCULABLE **"));
}

TEST(NumberWords, WordsCanBeAskedForFromSeveralThreadsAtOnce)
{
    std::vector<std::thread> threads;
    std::atomic<int> wrong = 0;
    for (int t = 0; t < 4; ++t)
        threads.emplace_back([&wrong] {
            for (int n = 0; n < 300; ++n)
                if (numberInWords(91, WordsLanguage::French) != QStringLiteral("QUATRE-VINGT-ONZE"))
                    ++wrong;
        });
    for (std::thread& t : threads)
        t.join();
    EXPECT_EQ(wrong, 0);
}

}  // namespace
