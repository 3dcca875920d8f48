// SPDX-License-Identifier: GPL-3.0-or-later
#include "services/NumberWords.h"

#include <array>

namespace {

// Index layout shared by every language:
//   0 zero, 1..9 units, 10..19 ten to nineteen, 20..27 twenty to ninety,
//   28..36 one to nine hundred, 37/38 thousand (exactly one / after a count),
//   39/40 million, 41/42 billion, 43 the "not calculable" text.
// The Spanish hundreds and group words end in a blank on purpose: it is what
// spaces them from the next word, so a Spanish result may end in a blank.
// It is kept: callers trim both sides themselves before comparing.
using WordTable = std::array<const char16_t*, 44>;

constexpr WordTable italian = {
    u"Zero", u"Uno", u"Due", u"Tre", u"Quattro", u"Cinque", u"Sei", u"Sette", u"Otto", u"Nove",
    u"Dieci", u"Undici", u"Dodici", u"Tredici", u"Quattordici", u"Quindici", u"Sedici",
    u"Diciassette", u"Diciotto", u"Diciannove",
    u"Venti", u"Trenta", u"Quaranta", u"Cinquanta", u"Sessanta", u"Settanta", u"Ottanta", u"Novanta",
    u"Cento", u"Duecento", u"Trecento", u"Quattrocento", u"Cinquecento", u"Seicento", u"Settecento",
    u"Ottocento", u"Novecento",
    u"Mille", u"Mila", u"UnMilione", u"Milioni", u"UnMiliardo", u"Miliardi",
    u"** Valore non calcolabile **"};

constexpr WordTable english = {
    u"Zero", u"One", u"Two", u"Three", u"Four", u"Five", u"Six", u"Seven", u"Eight", u"Nine",
    u"Ten", u"Eleven", u"Twelve", u"Thirteen", u"Fourteen", u"Fifteen", u"Sixteen",
    u"Seventeen", u"Eighteen", u"Nineteen",
    u"Twenty", u"Thirty", u"Forty", u"Fifty", u"Sixty", u"Seventy", u"Eighty", u"Ninety",
    u"Onehundred", u"Twohundred", u"Threehundred", u"Fourhundred", u"Fivehundred", u"Sixhundred",
    u"Sevenhundred", u"Eighthundred", u"Ninehundred",
    u"Onethousand", u"Thousand", u"OneMillion", u"Millions", u"OneBillion", u"Billions",
    u"** Value not calculable **"};

constexpr WordTable french = {
    u"Zero", u"Un", u"Deux", u"Trois", u"Quatre", u"Cinq", u"Six", u"Sept", u"Huit", u"Neuf",
    u"Dix", u"Onze", u"Douze", u"Treize", u"Quatorze", u"Quinze", u"Seize",
    u"Dixsept", u"Dixhuit", u"Dixneuf",
    u"Vingt", u"Trente", u"Quarante", u"Cinquante", u"Soixante", u"Soixantedix", u"Quatrevingts",
    u"Quatrevingtdix",
    u"Cent", u"Deuxcents", u"Troiscents", u"Quatrecents", u"Cinqcents", u"Sixcents", u"Septcents",
    u"Huitcents", u"Neufcents",
    u"Mille", u"Mille", u"UnMillion", u"Million", u"UnMilliard", u"Milliard",
    u"** Valeur pas calculable **"};

constexpr WordTable german = {
    u"Null", u"Ein", u"Zwei", u"Drei", u"Vier", u"F\u00fcnf", u"Sechs", u"Sieben", u"Acht", u"Neun",
    u"Zehn", u"Elf", u"Zw\u00f6lf", u"Dreizehn", u"Vierzehn", u"F\u00fcnfzehn", u"Sechzehn",
    u"Siebzehn", u"Achtzehn", u"Neunzehn",
    u"Zwanzig", u"Drei\u00dfig", u"Vierzig", u"F\u00fcnfzig", u"Sechzig", u"Siebzig", u"Achtzig",
    u"Neunzig",
    u"Hundert", u"Zweihundert", u"Dreihundert", u"Vierhundert", u"F\u00fcnfhundert", u"Sechshundert",
    u"Siebenhundert", u"Achthundert", u"Neunhundert",
    u"Tausend", u"Tausend", u"EineMillion", u"Millionen", u"EineMilliarde", u"Milliarden",
    u"** Unberechenbarer Wert **"};

constexpr WordTable spanish = {
    u"CERO", u"UNO", u"DOS", u"TRES", u"CUATRO", u"CINCO", u"SEIS", u"SIETE", u"OCHO", u"NUEVE",
    u"DIEZ", u"ONCE", u"DOCE", u"TRECE", u"CATORCE", u"QUINCE", u"DIECISEIS",
    u"DIECISIETE", u"DIECIOCHO", u"DIECINUEVE",
    u"VENTE", u"TRENTA", u"CUARENTA", u"CINCUENTA", u"SESENTA", u"SETENTA", u"OCHENTA", u"NOVENTA",
    u"CIENTO ", u"DOSCIENTOS ", u"TRESCIENTOS ", u"CUATROCIENTOS ", u"CINCOCIENTOS ",
    u"SEISCIENTOS ", u"SIETECIENTOS ", u"OCHOCIENTOS ", u"NUEVECIENTOS ",
    u"UNMIL ", u"MIL ", u"UNMILLON ", u"MILLONES ", u"UNMILLARDO ", u"MILLARDOS ",
    u"** Value not calculable **"};

constexpr WordTable albanian = {
    u"ZERO", u"NJE", u"DY", u"TRE", u"KATER", u"PESE", u"GJASHTE", u"SHTATE", u"TETE", u"NENTE",
    u"DHJETE", u"NJEMBEDHJETE", u"DYMBEDHJETE", u"TREMBEDHJETE", u"KATERMBEDHJETE",
    u"PESEMBEDHJETE", u"GJASHTEMBEDHJETE", u"SHTATEMBEDHJETE", u"TETEMBEDHJETE", u"NENTEMBEDHJETE",
    u"NJEZET", u"TRIDHJETE", u"DYZET", u"PESEDHJETE", u"GJASHTEDHJETE", u"SHTATEDHJETE",
    u"TETEDHJETE", u"NENTEDHJETE",
    u"NJEQIND", u"DYNJEQIND", u"TRENJEQIND", u"KATERNJEQIND", u"PESENJEQIND", u"GJASHTENJEQIND",
    u"SHTATENJEQIND", u"TETENJEQIND", u"NENTENJEQIND",
    u"NJEMIJE", u"MIJE", u"NJEMILIONE", u"MILIONE", u"NJEMILIARDE", u"MILIARDA",
    u"** Valore non calcolabile **"};

const WordTable& tableOf(WordsLanguage language)
{
    switch (language) {
    case WordsLanguage::English: return english;
    case WordsLanguage::French: return french;
    case WordsLanguage::German: return german;
    case WordsLanguage::Spanish: return spanish;
    case WordsLanguage::Albanian: return albanian;
    case WordsLanguage::Italian: break;
    }
    // A value outside the six cannot come from the enum's names; treat
    // it like the design language rather than reading past the tables.
    return italian;
}

// Appending raw UTF-16 literals avoids building a QString per word.
void append(QString& r, const char16_t* word)
{
    r.append(QStringView(word));
}

int lengthOf(const char16_t* word)
{
    return static_cast<int>(QStringView(word).size());
}

constexpr qint64 largestWritten = 999'999'999'999;  // twelve digits

}  // namespace

QString numberToWords(qint64 number, WordsLanguage language)
{
    const WordTable& t = tableOf(language);
    if (number < 0 || number > largestWritten)
        return QString::fromUtf16(t[43]);
    if (number == 0)
        return QString::fromUtf16(t[0]);

    QString r;
    r.reserve(96);

    // Groups of three digits from the left: billions, millions, thousands,
    // units (i = 1..4).
    const qint64 scales[4] = {1'000'000'000, 1'000'000, 1'000, 1};
    for (int i = 1; i <= 4; ++i) {
        const int group = static_cast<int>((number / scales[i - 1]) % 1000);
        const int h = group / 100;
        const int tens = (group / 10) % 10;
        const int u = group % 10;

        if (h > 0)
            append(r, t[27 + h]);
        if (tens == 0) {
            if (u > 0)
                append(r, t[u]);
        } else if (tens == 1) {
            append(r, t[10 + u]);
        } else if (u > 0 && language == WordsLanguage::German) {
            // Units before tens: 21 is EinUndZwanzig.
            append(r, t[u]);
            r.append(QStringView(u"Und"));
            append(r, t[18 + tens]);
        } else if (u > 0 && language == WordsLanguage::Spanish) {
            // The tens word ends in I before its unit: VENTIUNO, CUARENTICINCO.
            append(r, t[18 + tens]);
            r.chop(1);
            r.append(QLatin1Char('I'));
            append(r, t[u]);
        } else if (u > 0 && language == WordsLanguage::Albanian) {
            append(r, t[18 + tens]);
            r.append(QStringView(u" E "));
            append(r, t[u]);
        } else {
            append(r, t[18 + tens]);
            // Italian drops the tens' final vowel before a vowel: VentUno,
            // VentOtto.
            if (language == WordsLanguage::Italian && (u == 1 || u == 8))
                r.chop(1);
            if (u > 0)
                append(r, t[u]);
        }

        if (i <= 3) {
            if (group == 1) {
                // "one thousand" and friends have words of their own: take
                // back the unit word just written.
                r.chop(lengthOf(t[1]));
                append(r, t[43 - 2 * i]);
            } else if (group != 0) {
                append(r, t[44 - 2 * i]);
            }
        }
    }

    // German counts "Eins" when the whole text ends in the bare unit word:
    // Eins, HundertEins, TausendEins, but not EinUndZwanzig.
    if (language == WordsLanguage::German && r.endsWith(QStringView(t[1])))
        r.append(QLatin1Char('s'));

    return r;
}

QString upperWords(const QString& words)
{
    // Character by character on purpose: QString::toUpper would turn "ß"
    // into "SS" and so change the length and the spelling the child types.
    QString out(words.size(), Qt::Uninitialized);
    for (qsizetype k = 0; k < words.size(); ++k)
        out[k] = words[k].toUpper();
    return out;
}

QString numberInWords(qint64 number, WordsLanguage language)
{
    return upperWords(numberToWords(number, language));
}
