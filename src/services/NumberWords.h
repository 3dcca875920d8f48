// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>

// Numbers in words in six languages: 1 Italian, 2 English, 3 French,
// 4 German, 5 Spanish, 6 Albanian.
enum class WordsLanguage { Italian = 1, English, French, German, Spanish, Albanian };
inline constexpr WordsLanguage AllWordsLanguages[] = {
    WordsLanguage::Italian, WordsLanguage::English, WordsLanguage::French,
    WordsLanguage::German,  WordsLanguage::Spanish, WordsLanguage::Albanian,
};

// The number written in words as the language writes them, in lower case
// with the language's own blanks, hyphens and accents ("trois cent
// trente-deux", "njëzet e një"). The words come from ICU's spell-out rules
// (the Unicode CLDR's, kept by speakers of each language); each language's
// formatter is made at its first use. Up to twelve digits; longer (or
// negative) values give the language's "not calculable" text.
QString numberToWords(qint64 number, WordsLanguage language);

// Makes the language's formatter now, if it is not made yet (the first
// costs a few milliseconds: ICU reads its rules). Called off the window's
// thread after the first frame, so that the first screen with words opens
// at once.
void prepareNumberWords(WordsLanguage language);

// Upper-casing as every caller shows and compares number words: each letter
// that has an upper-case form takes it; "ß" and other characters stay.
QString upperWords(const QString& words);

// The words callers show and compare: upper-cased numberToWords.
QString numberInWords(qint64 number, WordsLanguage language);
