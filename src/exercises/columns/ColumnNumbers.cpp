// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/columns/ColumnNumbers.h"

#include "services/RandomSource.h"

namespace columns {

Digits digitsOf(int n)
{
    const int h = n / 100;
    const int da = (n - 100 * h) / 10;
    return {h, da, n - 100 * h - 10 * da};
}

int valueOf(const Digits& d)
{
    return 100 * d[Hundreds] + 10 * d[Tens] + d[Units];
}

int digitCount(const Digits& d)
{
    if (d[Hundreds] != 0)
        return 3;
    return d[Tens] != 0 ? 2 : 1;
}

namespace {

struct Split
{
    int upper = 0;
    int lower = 0;
};

// A column sum s cut in two: the upper digit floor((s + 1) r), the lower the rest.
Split split(RandomSource& random, int sum)
{
    const int upper = random.below(sum + 1);
    return {upper, sum - upper};
}

Split twoDigits(RandomSource& random)
{
    const int upper = random.below(10);
    return {upper, random.below(10)};
}

ColumnNumbers numbers(Split h, Split da, Split u)
{
    return {valueOf({h.upper, da.upper, u.upper}), valueOf({h.lower, da.lower, u.lower})};
}

bool eitherIsZero(const ColumnNumbers& n)
{
    return n.top == 0 || n.bottom == 0;
}

} // namespace

ColumnNumbers additionWithoutExchanges(RandomSource& random)
{
    ColumnNumbers n;
    do {
        Digits upper{}, lower{};
        for (Place p : {Units, Tens, Hundreds}) {
            const int r = random.below(10);
            upper[p] = random.below(r);
            lower[p] = r - upper[p];
        }
        n = {valueOf(upper), valueOf(lower)};
    } while (eitherIsZero(n));
    return n;
}

ColumnNumbers additionAnyExchanges(RandomSource& random)
{
    ColumnNumbers n;
    do {
        const int total = random.below(979) + 20;
        n.top = 1 + random.below(total);
        n.bottom = total - n.top;
    } while (n.bottom == 0);
    return n;
}

ColumnNumbers additionOneExchange(RandomSource& random)
{
    ColumnNumbers n;
    do {
        Split h, da, u;
        if (random.below(2) == 0) {
            // The tens exchange: the hundreds leave room for it.
            h = split(random, random.below(9));
            da = twoDigits(random);
            u = split(random, random.below(10));
            while (da.upper + da.lower <= 9)
                da = twoDigits(random);
        } else {
            // The units exchange: the tens leave room for it.
            h = split(random, random.below(10));
            da = split(random, random.below(9));
            do
                u = twoDigits(random);
            while (u.upper + u.lower < 10);
        }
        n = numbers(h, da, u);
    } while (eitherIsZero(n));
    return n;
}

ColumnNumbers additionTwoExchanges(RandomSource& random)
{
    ColumnNumbers n;
    do {
        const Split h = split(random, random.below(9));
        Split da = twoDigits(random);
        Split u = twoDigits(random);
        while (da.upper + da.lower < 10 || u.upper + u.lower < 10) {
            u = twoDigits(random);
            da = twoDigits(random);
        }
        n = numbers(h, da, u);
    } while (eitherIsZero(n));
    return n;
}

ColumnNumbers subtractionWithoutExchanges(RandomSource& random)
{
    ColumnNumbers n;
    do {
        Digits minuend{}, subtrahend{};
        for (Place p : {Units, Tens, Hundreds}) {
            minuend[p] = random.below(10);
            subtrahend[p] = random.below(minuend[p]);
        }
        n = {valueOf(minuend), valueOf(subtrahend)};
    } while (n.bottom == 0 || n.top - n.bottom == 0);
    return n;
}

namespace {

ColumnNumbers minuendAndSubtrahend(RandomSource& random)
{
    ColumnNumbers n;
    n.top = random.below(979) + 20;
    n.bottom = 1 + random.below(n.top);
    return n;
}

bool unitsBorrow(const ColumnNumbers& n)
{
    return digitsOf(n.top)[Units] < digitsOf(n.bottom)[Units];
}

int tensDifference(const ColumnNumbers& n)
{
    return digitsOf(n.top)[Tens] - digitsOf(n.bottom)[Tens];
}

} // namespace

ColumnNumbers subtractionAnyExchanges(RandomSource& random)
{
    ColumnNumbers n;
    do
        n = minuendAndSubtrahend(random);
    while (n.top - n.bottom == 0);
    return n;
}

ColumnNumbers subtractionOneExchange(RandomSource& random)
{
    ColumnNumbers n;
    do {
        do
            n = minuendAndSubtrahend(random);
        while (!(unitsBorrow(n) ? tensDifference(n) > 0 : tensDifference(n) < 0));
    } while (n.top - n.bottom == 0);
    return n;
}

ColumnNumbers subtractionTwoExchanges(RandomSource& random)
{
    ColumnNumbers n;
    do {
        do
            n = minuendAndSubtrahend(random);
        while (!(unitsBorrow(n) && tensDifference(n) <= 0));
    } while (n.top - n.bottom == 0);
    return n;
}

} // namespace columns
