// SPDX-License-Identifier: GPL-3.0-or-later
#include "services/NumberWords.h"

#include <gtest/gtest.h>

namespace {

constexpr WordsLanguage kLanguages[] = {WordsLanguage::Italian, WordsLanguage::English,
                                        WordsLanguage::French,  WordsLanguage::German,
                                        WordsLanguage::Spanish, WordsLanguage::Albanian};

struct WordsCase
{
    qint64 number;
    // Upper-cased, as the screens show and compare them: Italian, English,
    // French, German, Spanish, Albanian.
    const char16_t* words[6];
};

// The cases where the joining rules meet: elision, units before tens, the
// Spanish "I", Albanian " E ", the "exactly one" group words and the
// German "s". Spanish hundreds and group words end in a blank.
const WordsCase kCases[] = {
    {1, {u"UNO", u"ONE", u"UN", u"EINS", u"UNO", u"NJE"}},
    {17, {u"DICIASSETTE", u"SEVENTEEN", u"DIXSEPT", u"SIEBZEHN", u"DIECISIETE", u"SHTATEMBEDHJETE"}},
    {20, {u"VENTI", u"TWENTY", u"VINGT", u"ZWANZIG", u"VENTE", u"NJEZET"}},
    {21, {u"VENTUNO", u"TWENTYONE", u"VINGTUN", u"EINUNDZWANZIG", u"VENTIUNO", u"NJEZET E NJE"}},
    {28, {u"VENTOTTO", u"TWENTYEIGHT", u"VINGTHUIT", u"ACHTUNDZWANZIG", u"VENTIOCHO", u"NJEZET E TETE"}},
    {31, {u"TRENTUNO", u"THIRTYONE", u"TRENTEUN", u"EINUNDDREI\u00dfIG", u"TRENTIUNO", u"TRIDHJETE E NJE"}},
    {71, {u"SETTANTUNO", u"SEVENTYONE", u"SOIXANTEDIXUN", u"EINUNDSIEBZIG", u"SETENTIUNO", u"SHTATEDHJETE E NJE"}},
    {100, {u"CENTO", u"ONEHUNDRED", u"CENT", u"HUNDERT", u"CIENTO ", u"NJEQIND"}},
    {101, {u"CENTOUNO", u"ONEHUNDREDONE", u"CENTUN", u"HUNDERTEINS", u"CIENTO UNO", u"NJEQINDNJE"}},
    {108, {u"CENTOOTTO", u"ONEHUNDREDEIGHT", u"CENTHUIT", u"HUNDERTACHT", u"CIENTO OCHO", u"NJEQINDTETE"}},
    {200, {u"DUECENTO", u"TWOHUNDRED", u"DEUXCENTS", u"ZWEIHUNDERT", u"DOSCIENTOS ", u"DYNJEQIND"}},
    {999, {u"NOVECENTONOVANTANOVE", u"NINEHUNDREDNINETYNINE", u"NEUFCENTSQUATREVINGTDIXNEUF",
           u"NEUNHUNDERTNEUNUNDNEUNZIG", u"NUEVECIENTOS NOVENTINUEVE", u"NENTENJEQINDNENTEDHJETE E NENTE"}},
    {1000, {u"MILLE", u"ONETHOUSAND", u"MILLE", u"TAUSEND", u"UNMIL ", u"NJEMIJE"}},
    {1001, {u"MILLEUNO", u"ONETHOUSANDONE", u"MILLEUN", u"TAUSENDEINS", u"UNMIL UNO", u"NJEMIJENJE"}},
    {2000, {u"DUEMILA", u"TWOTHOUSAND", u"DEUXMILLE", u"ZWEITAUSEND", u"DOSMIL ", u"DYMIJE"}},
    {21000, {u"VENTUNOMILA", u"TWENTYONETHOUSAND", u"VINGTUNMILLE", u"EINUNDZWANZIGTAUSEND",
             u"VENTIUNOMIL ", u"NJEZET E NJEMIJE"}},
    {1000000, {u"UNMILIONE", u"ONEMILLION", u"UNMILLION", u"EINEMILLION", u"UNMILLON ", u"NJEMILIONE"}},
    {2000000, {u"DUEMILIONI", u"TWOMILLIONS", u"DEUXMILLION", u"ZWEIMILLIONEN", u"DOSMILLONES ", u"DYMILIONE"}},
    {0, {u"ZERO", u"ZERO", u"ZERO", u"NULL", u"CERO", u"ZERO"}},
};

class NumberWordsCases : public testing::TestWithParam<WordsCase> {};

TEST_P(NumberWordsCases, WritesTheNumberInEveryLanguage)
{
    const WordsCase& c = GetParam();
    for (int k = 0; k < 6; ++k) {
        const WordsLanguage language = kLanguages[k];
        EXPECT_EQ(upperWords(numberToWords(c.number, language)), QString::fromUtf16(c.words[k]))
            << "number " << c.number << ", language " << static_cast<int>(language);
        // The same through what the callers use.
        EXPECT_EQ(numberInWords(c.number, language), QString::fromUtf16(c.words[k]));
    }
}

INSTANTIATE_TEST_SUITE_P(EdgeCases, NumberWordsCases, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<WordsCase>& info) {
                             return "n" + std::to_string(info.param.number);
                         });

TEST(NumberWords, KeepsTheMixedCaseOfTheTables)
{
    EXPECT_EQ(numberToWords(21, WordsLanguage::Italian), QStringLiteral("VentUno"));
    EXPECT_EQ(numberToWords(21, WordsLanguage::German), QStringLiteral("EinUndZwanzig"));
    EXPECT_EQ(numberToWords(1000001, WordsLanguage::Italian), QStringLiteral("UnMilioneUno"));
}

TEST(NumberWords, TwelveDigitsAreWrittenThirteenAreNot)
{
    EXPECT_EQ(numberInWords(999'999'999'999, WordsLanguage::English),
              QStringLiteral("NINEHUNDREDNINETYNINEBILLIONS"
                             "NINEHUNDREDNINETYNINEMILLIONS"
                             "NINEHUNDREDNINETYNINETHOUSAND"
                             "NINEHUNDREDNINETYNINE"));
    EXPECT_EQ(numberToWords(1'000'000'001, WordsLanguage::Italian), QStringLiteral("UnMiliardoUno"));
    EXPECT_EQ(numberToWords(2'001'000'000, WordsLanguage::Italian), QStringLiteral("DueMiliardiUnMilione"));

    const char16_t* notCalculable[6] = {u"** Valore non calcolabile **", u"** Value not calculable **",
                                        u"** Valeur pas calculable **", u"** Unberechenbarer Wert **",
                                        u"** Value not calculable **", u"** Valore non calcolabile **"};
    for (int k = 0; k < 6; ++k) {
        EXPECT_EQ(numberToWords(1'000'000'000'000, kLanguages[k]), QString::fromUtf16(notCalculable[k]));
        // Nothing passes a negative number; it must not come out as words.
        EXPECT_EQ(numberToWords(-5, kLanguages[k]), QString::fromUtf16(notCalculable[k]));
    }
}

TEST(NumberWords, GermanAddsSOnlyWhenTheWholeTextEndsInEin)
{
    struct { qint64 number; const char* words; } cases[] = {
        {1, "EINS"},
        {101, "HUNDERTEINS"},
        {1001, "TAUSENDEINS"},
        {1'000'001, "EINEMILLIONEINS"},
        {21, "EINUNDZWANZIG"},
        {1000, "TAUSEND"},
        {1'000'000, "EINEMILLION"},
        {1'001'000, "EINEMILLIONTAUSEND"},
        {2'000'000'000, "ZWEIMILLIARDEN"},
        {301'000, "DREIHUNDERTEINTAUSEND"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(numberInWords(c.number, WordsLanguage::German), QString::fromUtf8(c.words)) << c.number;
}

TEST(NumberWords, SpanishResultsKeepTheirTrailingBlank)
{
    EXPECT_EQ(numberToWords(200, WordsLanguage::Spanish), QStringLiteral("DOSCIENTOS "));
    EXPECT_EQ(numberToWords(3000, WordsLanguage::Spanish), QStringLiteral("TRESMIL "));
    EXPECT_EQ(numberToWords(245, WordsLanguage::Spanish), QStringLiteral("DOSCIENTOS CUARENTICINCO"));
    EXPECT_EQ(numberToWords(2'000'000'000, WordsLanguage::Spanish), QStringLiteral("DOSMILLARDOS "));
}

TEST(NumberWords, UpperCasingMapsEachLetterAndKeepsSharpS)
{
    EXPECT_EQ(upperWords(QStringLiteral("F\u00fcnfUndDrei\u00dfig")), QStringLiteral("F\u00dcNFUNDDREI\u00dfIG"));
    EXPECT_EQ(upperWords(QStringLiteral("Zw\u00f6lf")), QStringLiteral("ZW\u00d6LF"));
    EXPECT_EQ(numberInWords(35, WordsLanguage::German), QStringLiteral("F\u00dcNFUNDDREI\u00dfIG"));
    EXPECT_EQ(upperWords(QStringLiteral("** Valeur pas calculable **")),
              QStringLiteral("** VALEUR PAS CALCULABLE **"));
}


}  // namespace
