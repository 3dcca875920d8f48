// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/abacus/AbacusTexts.h"

namespace abacus::texts {

namespace {

QString key(int n)
{
    return QStringLiteral("%1").arg(n, 4, 10, QLatin1Char('0'));
}

constexpr int WireCounts = 300;     // 3 per wire: none, one, many
constexpr int AddOrRemove = 309;
constexpr int Add = 312;
constexpr int Remove = 315;
constexpr int ExchangeUp = 318;     // units to tens, tens to hundreds
constexpr int ExchangeDown = 320;   // tens to units, hundreds to tens
constexpr int Restart = 322;
constexpr int Confirm = 323;
constexpr int Beads = 324;
constexpr int Marker = 327;
constexpr int Base = 328;
constexpr int Last = 328;

} // namespace

QString wireCountKey(Wire w, int beads)
{
    return key(WireCounts + 3 * indexOf(w) + (beads <= 0 ? 0 : beads == 1 ? 1 : 2));
}

QString addOrRemoveKey(Wire w)
{
    return key(AddOrRemove + indexOf(w));
}

QString addKey(Wire w)
{
    return key(Add + indexOf(w));
}

QString removeKey(Wire w)
{
    return key(Remove + indexOf(w));
}

QString exchangeUpKey(Wire source)
{
    return key(ExchangeUp + (source == Wire::Units ? 0 : 1));
}

QString exchangeDownKey(Wire source)
{
    return key(ExchangeDown + (source == Wire::Tens ? 0 : 1));
}

QString restartKey()
{
    return key(Restart);
}

QString confirmKey()
{
    return key(Confirm);
}

QString beadKey(Wire w)
{
    return key(Beads + indexOf(w));
}

QString markerKey()
{
    return key(Marker);
}

QString baseKey()
{
    return key(Base);
}

QStringList allKeys()
{
    QStringList keys;
    for (int n = WireCounts; n <= Last; ++n)
        keys << key(n);
    return keys;
}

} // namespace abacus::texts
