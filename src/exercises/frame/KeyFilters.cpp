// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/frame/KeyFilters.h"

bool digitFilterTakes(QChar c, DigitFilter kind)
{
    if (c >= u'0' && c <= u'9')
        return true;
    if (c == u',')
        return kind != DigitFilter::Digits;
    if (c == u'.')
        return kind == DigitFilter::DigitsCommaPoint;
    return false;
}
