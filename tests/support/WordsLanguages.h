// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "services/NumberWords.h"

#include <optional>

// Test tables name the number-words language by its number, 1 Italian to
// 6 Albanian; "" is no language named.
inline std::optional<WordsLanguage> wordsLanguageNumbered(const char* number)
{
    if (!number || number[0] < '1' || number[0] > '6')
        return std::nullopt;
    return static_cast<WordsLanguage>(number[0] - '0');
}
