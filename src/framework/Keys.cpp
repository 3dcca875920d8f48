// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/Keys.h"

int upperCaseKey(int keyCode)
{
    return keyCode >= 'a' && keyCode <= 'z' ? keyCode - ('a' - 'A') : keyCode;
}
