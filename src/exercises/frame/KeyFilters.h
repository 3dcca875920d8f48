// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Key filters of the answer boxes: they map the code of a typed character
// to the code the box receives; 0 discards the key.
enum class DigitFilter { Digits, DigitsComma, DigitsCommaPoint };

// Backspace (8) and '0'..'9' pass; "," and "." pass where the kind allows.
int digitKeyFilter(int keyCode, DigitFilter kind);
