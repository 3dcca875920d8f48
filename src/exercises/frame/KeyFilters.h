// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QChar>

// The digit filters of the answer boxes: which characters a box where a
// number is typed takes.
enum class DigitFilter { Digits, DigitsComma, DigitsCommaPoint };

// '0'..'9' always; "," and "." where the kind allows.
bool digitFilterTakes(QChar c, DigitFilter kind);
