// SPDX-License-Identifier: GPL-3.0-or-later
#include "services/MessageKeys.h"

QString msg::hintKey(int number)
{
    return QStringLiteral("%1").arg(number, 4, 10, QLatin1Char('0'));
}

QString msg::blockWordsKey(int kind, bool many)
{
    return hintKey(BlockWordsFirst + 2 * kind + (many ? 1 : 0));
}
