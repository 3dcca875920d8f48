// SPDX-License-Identifier: GPL-3.0-or-later
#include "services/NumberWords.h"

#include <unicode/locid.h>
#include <unicode/rbnf.h>
#include <unicode/unistr.h>

#include <memory>
#include <mutex>

namespace {

constexpr qint64 largestWritten = 999'999'999'999;  // twelve digits

struct Language
{
    const char* locale;
    const char16_t* notCalculable;
};

// Indexed by WordsLanguage - 1. Spanish and Albanian keep the
// not-calculable texts of English and Italian, as they always had.
constexpr Language languages[] = {
    {"it", u"** Valore non calcolabile **"},
    {"en", u"** Value not calculable **"},
    {"fr", u"** Valeur pas calculable **"},
    {"de", u"** Unberechenbarer Wert **"},
    {"es", u"** Value not calculable **"},
    {"sq", u"** Valore non calcolabile **"},
};

int indexOf(WordsLanguage language)
{
    const int i = static_cast<int>(language) - 1;
    // A value outside the six cannot come from the enum's names; treat it
    // like the design language rather than reading past the table.
    return i >= 0 && i < 6 ? i : 0;
}

// One spell-out formatter per language, made when the language first
// writes a number (never at start: the first screen shows no words).
// Formatting goes through one lock per formatter, so words can be asked for
// from any thread.
struct Speller
{
    std::once_flag made;
    std::unique_ptr<icu::RuleBasedNumberFormat> format;
    std::mutex use;
};

Speller spellers[6];

icu::RuleBasedNumberFormat* spellerOf(int i, std::unique_lock<std::mutex>& lock)
{
    Speller& s = spellers[i];
    std::call_once(s.made, [&s, i] {
        UErrorCode status = U_ZERO_ERROR;
        auto format = std::make_unique<icu::RuleBasedNumberFormat>(
            icu::URBNF_SPELLOUT, icu::Locale(languages[i].locale), status);
        if (U_SUCCESS(status))
            s.format = std::move(format);
        else
            qWarning("Number words: no spell-out rules for \"%s\" (%s); numbers are shown in digits",
                     languages[i].locale, u_errorName(status));
    });
    lock = std::unique_lock<std::mutex>(s.use);
    return s.format.get();
}

}  // namespace

QString numberToWords(qint64 number, WordsLanguage language)
{
    const int i = indexOf(language);
    if (number < 0 || number > largestWritten)
        return QString::fromUtf16(languages[i].notCalculable);

    icu::UnicodeString spelled;
    {
        std::unique_lock<std::mutex> lock;
        icu::RuleBasedNumberFormat* format = spellerOf(i, lock);
        if (!format)
            return QString::number(number);
        format->format(static_cast<int64_t>(number), spelled);
    }

    // ICU marks where a long word may be broken with soft hyphens; the
    // words are shown and typed without them.
    QString words;
    words.reserve(spelled.length());
    for (int32_t k = 0; k < spelled.length(); ++k) {
        const char16_t c = spelled.charAt(k);
        if (c != u'\u00ad')
            words.append(QChar(c));
    }
    return words;
}

void prepareNumberWords(WordsLanguage language)
{
    std::unique_lock<std::mutex> lock;
    spellerOf(indexOf(language), lock);
}

QString upperWords(const QString& words)
{
    // Character by character on purpose: QString::toUpper would turn "ß"
    // into "SS" and so change the length and the spelling shown.
    QString out(words.size(), Qt::Uninitialized);
    for (qsizetype k = 0; k < words.size(); ++k)
        out[k] = words[k].toUpper();
    return out;
}

QString numberInWords(qint64 number, WordsLanguage language)
{
    return upperWords(numberToWords(number, language));
}
