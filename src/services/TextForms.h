// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>

// The ways the program writes numbers into texts and reads typed answers.
// Every screen uses these; none formats or parses numbers on its own.

// A blank before a number that is not negative, "-" before a negative one:
// the form of numbers in problem texts, counts, cells and result boxes.
QString signedText(qint64 x);

// The digits alone, "-" before a negative number.
QString plainText(qint64 x);

// The pattern "###,###": digits with the locale's thousands separator between
// groups of three, and the empty text for 0.
QString groupedText(qint64 x);

// The pattern "###,###,##0": as groupedText, but 0 is written "0".
QString patternedText(qint64 x);

// The value of a typed answer read leniently: blanks anywhere are skipped, an
// optional sign, digits, a decimal point and an exponent are read, and reading
// stops at the first character that cannot continue a number. A text that
// does not begin with a number reads 0.
double lenientNumber(const QString& text);

// Keeps only the characters '0'..'9' and reads them as one decimal number;
// no digit at all reads 0. Commas, pasted letters and blanks are dropped.
double digitsOnlyValue(const QString& text);
