// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/frame/KeyFilters.h"

int digitKeyFilter(int keyCode, DigitFilter kind)
{
    if (keyCode == 8 || (keyCode >= '0' && keyCode <= '9'))
        return keyCode;
    if (keyCode == ',' && kind != DigitFilter::Digits)
        return keyCode;
    if (keyCode == '.' && kind == DigitFilter::DigitsCommaPoint)
        return keyCode;
    return 0;
}
