#include "services/MessageKeys.h"

QString msg::hintKey(int number)
{
    return QStringLiteral("%1").arg(number, 4, 10, QLatin1Char('0'));
}
