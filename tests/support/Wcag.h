// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QColor>

#include <algorithm>
#include <cmath>

// WCAG 2's contrast ratio of two colours, 1 to 21, written out here apart
// from the program's own so that the tests measure with their own ruler.
inline double wcagContrast(const QColor& a, const QColor& b)
{
    auto luminance = [](const QColor& c) {
        auto channel = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
        return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
    };
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}
