// SPDX-License-Identifier: GPL-3.0-or-later
#include "services/Speech.h"

namespace {
bool asciiDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}
} // namespace

Speech::Speech(const bool& soundsOn, const bool& voiceOn) : soundsOn_(soundsOn), voiceOn_(voiceOn) {}

QString Speech::spokenForm(const QString& shown, WordsLanguage language)
{
    QString out;
    out.reserve(shown.size());
    for (qsizetype i = 0; i < shown.size();) {
        if (!asciiDigit(shown[i])) {
            out += shown[i++];
            continue;
        }
        // A run of digits is one number; numbers beyond the words' reach
        // (more than twelve digits) are left as the screen shows them.
        qsizetype end = i;
        while (end < shown.size() && asciiDigit(shown[end]))
            ++end;
        const QString digits = shown.mid(i, end - i);
        bool ok = false;
        const qint64 n = digits.size() <= 12 ? digits.toLongLong(&ok) : 0;
        if (ok) {
            // Words right after another word or sign stay apart from it.
            if (!out.isEmpty() && !out.back().isSpace())
                out += QLatin1Char(' ');
            out += numberInWords(n, language).trimmed();
            if (end < shown.size() && !shown[end].isSpace())
                out += QLatin1Char(' ');
        } else {
            out += digits;
        }
        i = end;
    }
    return out.toLower().simplified();
}

void Speech::sayShown(const QString& text, WordsLanguage language)
{
    if (!on())
        return;
    const QString said = spokenForm(text, language);
    if (said.isEmpty())
        return;
    voice_->say(said, language, Voice::When::Now);
}

void Speech::sayNumberAfterSound(qint64 number, WordsLanguage language)
{
    if (!on())
        return;
    voice_->say(numberInWords(number, language).trimmed().toLower(), language, Voice::When::AfterSound);
}

void Speech::stop()
{
    if (voice_)
        voice_->stop();
}
