// SPDX-License-Identifier: GPL-3.0-or-later
#include "services/TextForms.h"

#include <QLocale>
#include <cmath>

QString signedText(qint64 x)
{
    return x < 0 ? QString::number(x) : QLatin1Char(' ') + QString::number(x);
}

QString plainText(qint64 x)
{
    return QString::number(x);
}

QString patternedText(qint64 x)
{
    const QString sep = QLocale::system().groupSeparator();
    const QString digits = QString::number(x < 0 ? -x : x);
    QString out;
    for (qsizetype i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            out += sep;
        out += digits[i];
    }
    return x < 0 ? QLatin1Char('-') + out : out;
}

QString groupedText(qint64 x)
{
    return x == 0 ? QString() : patternedText(x);
}

double lenientNumber(const QString& text)
{
    QString s;
    s.reserve(text.size());
    for (QChar c : text)
        if (c != QLatin1Char(' '))
            s += c;

    // Longest prefix of the form [sign] digits [. digits] [(e|E) [sign] digits].
    qsizetype i = 0;
    const qsizetype n = s.size();
    auto isDigit = [&](qsizetype k) { return k < n && s[k] >= QLatin1Char('0') && s[k] <= QLatin1Char('9'); };
    if (i < n && (s[i] == QLatin1Char('+') || s[i] == QLatin1Char('-')))
        ++i;
    qsizetype mantissaDigits = 0;
    while (isDigit(i)) { ++i; ++mantissaDigits; }
    if (i < n && s[i] == QLatin1Char('.')) {
        ++i;
        while (isDigit(i)) { ++i; ++mantissaDigits; }
    }
    if (mantissaDigits == 0)
        return 0.0;
    qsizetype end = i;
    if (i < n && (s[i] == QLatin1Char('e') || s[i] == QLatin1Char('E'))) {
        qsizetype j = i + 1;
        if (j < n && (s[j] == QLatin1Char('+') || s[j] == QLatin1Char('-')))
            ++j;
        if (isDigit(j)) {
            while (isDigit(j))
                ++j;
            end = j;
        }
    }
    bool ok = false;
    const double v = s.left(end).toDouble(&ok);
    if (!ok || !std::isfinite(v))
        return 0.0;
    return v;
}

double digitsOnlyValue(const QString& text)
{
    double value = 0.0;
    for (QChar c : text)
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            value = value * 10.0 + (c.unicode() - '0');
    return value;
}

