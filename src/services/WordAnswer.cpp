// SPDX-License-Identifier: GPL-3.0-or-later
#include "services/WordAnswer.h"

#include "services/NumberWords.h"
#include "services/RandomSource.h"

namespace wordAnswer {

namespace {

bool ignored(QChar c)
{
    // Blanks of any kind, hyphens and dashes, apostrophes, and format
    // characters such as the soft hyphen.
    switch (c.category()) {
    case QChar::Separator_Space:
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph:
    case QChar::Punctuation_Dash:
    case QChar::Other_Format:
        return true;
    default:
        break;
    }
    return c.isSpace() || c == u'\'' || c == u'\u2019' || c == u'\u02bc' || c == u'`' || c == u'\u00b4';
}

// Replaces every occurrence of from by to.
void replaceAll(QString& s, QStringView from, QStringView to)
{
    s.replace(from.toString(), to.toString());
}

// Replaces from by to where it starts the words or follows the word after.
void replaceLeading(QString& s, QStringView from, QStringView to, QStringView after = {})
{
    if (s.startsWith(from))
        s.replace(0, from.size(), to.toString());
    if (after.isEmpty())
        return;
    for (qsizetype at = s.indexOf(after); at >= 0; at = s.indexOf(after, at + 1)) {
        if (QStringView(s).sliced(at + after.size()).startsWith(from))
            s.replace(at + after.size(), from.size(), to.toString());
    }
}

} // namespace

int draw(RandomSource& random, int maxNumber)
{
    return random.below(maxNumber) + 1;
}

QString comparedForm(const QString& words, WordsLanguage language)
{
    // Accents go with the decomposition: "É" is "E" and a combining acute.
    const QString decomposed = words.normalized(QString::NormalizationForm_KD);
    QString s;
    s.reserve(decomposed.size());
    for (const QChar c : decomposed) {
        if (ignored(c) || c.category() == QChar::Mark_NonSpacing)
            continue;
        if (c == u'\u00df' || c == u'\u1e9e') {
            s.append(u"SS");
            continue;
        }
        s.append(c.toUpper());
    }

    switch (language) {
    case WordsLanguage::Italian:
        // "centotto" and "centootto", "centottanta" and "centoottanta",
        // "centuno" and "centouno": with and without the elision.
        replaceAll(s, u"CENTOOTT", u"CENTOTT");
        replaceAll(s, u"CENTUN", u"CENTOUN");
        break;
    case WordsLanguage::German:
        // "einhundert" and "hundert", "eintausend" and "tausend".
        // Only where the "ein" counts the hundreds or thousands themselves:
        // "hunderteintausend" (101 000) keeps its "ein".
        replaceLeading(s, u"EINHUNDERT", u"HUNDERT", u"TAUSEND");
        replaceLeading(s, u"EINTAUSEND", u"TAUSEND");
        break;
    case WordsLanguage::English:
        // "two hundred and thirty-four" and "two hundred thirty-four".
        replaceAll(s, u"HUNDREDAND", u"HUNDRED");
        replaceAll(s, u"THOUSANDAND", u"THOUSAND");
        break;
    default:
        // French with or without the hyphens of 1990 is already one form.
        break;
    }
    return s;
}

bool isRight(const QString& typed, int number, WordsLanguage language)
{
    const QString given = comparedForm(typed, language);
    return !given.isEmpty() && given == comparedForm(numberInWords(number, language), language);
}

int numberWithLongestWords(WordsLanguage language)
{
    switch (language) {
    case WordsLanguage::Italian: return 454;   // quattrocentocinquantaquattro
    case WordsLanguage::English: return 373;   // three hundred seventy-three
    case WordsLanguage::French: return 494;    // quatre cent quatre-vingt-quatorze
    case WordsLanguage::German: return 727;    // siebenhundertsiebenundzwanzig
    case WordsLanguage::Spanish: return 454;   // cuatrocientos cincuenta y cuatro
    case WordsLanguage::Albanian: return 666;  // gjashtëqind e gjashtëdhjetë e gjashtë
    }
    return 454;
}

int answerCapacity()
{
    return 45;
}

} // namespace wordAnswer
