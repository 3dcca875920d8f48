// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/abacus/AbacusProblems.h"

#include "services/RandomSource.h"
#include "services/TextForms.h"

namespace abacus {

namespace {

struct Digits
{
    int h = 0, t = 0, u = 0;
};

Digits digitsOf(int n)
{
    const int h = n / 100;
    const int t = (n - 100 * h) / 10;
    return {h, t, n - 100 * h - 10 * t};
}

int numberOf(int h, int t, int u)
{
    return 100 * h + 10 * t + u;
}

int d10(RandomSource& random)
{
    return random.below(10);
}

int d9(RandomSource& random)
{
    return random.below(9);
}

// A sum s split into (x, s - x), x = floor((s + 1) r).
std::pair<int, int> split(RandomSource& random, int s)
{
    const int x = random.below(s + 1);
    return {x, s - x};
}

} // namespace

int drawNumberToBuild(RandomSource& random, int maxNumber)
{
    return random.below(maxNumber) + 1;
}

int drawNumberToRead(RandomSource& random, int maxNumber)
{
    return random.below(maxNumber);
}

TwoNumbers drawAddition(AdditionKind kind, RandomSource& random)
{
    Digits a, b;
    switch (kind) {
    case AdditionKind::NoExchange:
        std::tie(a.h, b.h) = split(random, d10(random));
        std::tie(a.t, b.t) = split(random, d10(random));
        std::tie(a.u, b.u) = split(random, d10(random));
        break;
    case AdditionKind::OneExchange:
        if (random.below(2) == 0) {
            std::tie(a.h, b.h) = split(random, d9(random));
            a.t = d10(random);
            b.t = d10(random);
            std::tie(a.u, b.u) = split(random, d10(random));
            while (a.t + b.t < 10) {
                a.t = d10(random);
                b.t = d10(random);
            }
        } else {
            std::tie(a.h, b.h) = split(random, d10(random));
            std::tie(a.t, b.t) = split(random, d9(random));
            a.u = d10(random);
            b.u = d10(random);
            while (a.u + b.u < 10) {
                a.u = d10(random);
                b.u = d10(random);
            }
        }
        break;
    case AdditionKind::TwoExchanges:
    case AdditionKind::Any:
        std::tie(a.h, b.h) = split(random, d9(random));
        do {
            a.t = d10(random);
            b.t = d10(random);
            a.u = d10(random);
            b.u = d10(random);
        } while (kind == AdditionKind::TwoExchanges && (a.t + b.t < 10 || a.u + b.u < 10));
        break;
    }
    return {numberOf(a.h, a.t, a.u), numberOf(b.h, b.t, b.u)};
}

bool acceptsSubtraction(SubtractionKind kind, int minuend, int subtrahend)
{
    const Digits m = digitsOf(minuend);
    const Digits r = digitsOf(subtrahend);
    switch (kind) {
    case SubtractionKind::NoExchange:
        return m.u >= r.u && m.t >= r.t;
    case SubtractionKind::OneExchange:
        return (m.u < r.u && m.t > r.t) || (m.u >= r.u && m.t < r.t);
    case SubtractionKind::SomeExchange:
        return m.u < r.u || m.t < r.t;
    case SubtractionKind::Any:
        return true;
    }
    return true;
}

TwoNumbers drawSubtraction(SubtractionKind kind, RandomSource& random)
{
    for (;;) {
        const int m = random.below(999) + 1;
        const int d = random.below(m);
        const int r = m - d;
        if (acceptsSubtraction(kind, m, r))
            return {m, r};
    }
}

int additionExchanges(int a, int b)
{
    const Digits x = digitsOf(a);
    const Digits y = digitsOf(b);
    const int carryUnits = (x.u + y.u >= 10) ? 1 : 0;
    const int carryTens = (x.t + y.t + carryUnits >= 10) ? 1 : 0;
    return carryUnits + carryTens;
}

int subtractionExchanges(int minuend, int subtrahend)
{
    const Digits m = digitsOf(minuend);
    const Digits r = digitsOf(subtrahend);
    const int borrowUnits = (m.u < r.u) ? 1 : 0;
    const int borrowTens = (m.t - borrowUnits < r.t) ? 1 : 0;
    return borrowUnits + borrowTens;
}

QString additionText(const TwoNumbers& p)
{
    return signedText(p.a) + QStringLiteral(" + ") + signedText(p.b) + QStringLiteral(" = ");
}

QString subtractionText(const TwoNumbers& p)
{
    return signedText(p.a) + QStringLiteral(" - ") + signedText(p.b) + QStringLiteral(" = ");
}

bool isRightNumber(const QString& typed, int expected)
{
    return lenientNumber(typed) == static_cast<double>(expected);
}

} // namespace abacus
