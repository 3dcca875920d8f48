// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>

class RandomSource;

// The problems of the abacus screens, as plain functions of the random
// source. Each draws its fractions in the order its comment gives.

namespace abacus {

// Build the number: floor(r max) + 1, never 0.
int drawNumberToBuild(RandomSource& random, int maxNumber);
// Read the abacus: floor(r max), 0 to max - 1.
int drawNumberToRead(RandomSource& random, int maxNumber);

// An addition a + b or a subtraction a - b, and its result.
struct TwoNumbers
{
    int a = 0;
    int b = 0;
    bool operator==(const TwoNumbers&) const = default;
};

enum class AdditionKind {
    NoExchange,     // every column sums to 9 at most
    OneExchange,    // the units or the tens need an exchange, not both
    TwoExchanges,   // the units and the tens both need one
    Any,            // hundreds fit with the carry, the rest as it comes
};

// Draws (D10 = floor(10 r), D9 = floor(9 r), Split(S) = x = floor((S+1) r)
// and S - x; the first of each pair belongs to a):
//  NoExchange:   per column, hundreds, tens, units: S = D10, Split(S).
//  OneExchange:  k = floor(2 r); k = 0 (tens): S = D9 and Split for the
//                hundreds, a_da = D10, b_da = D10, S = D10 and Split for
//                the units, then both tens digits again while their sum is
//                below 10; k = 1 (units): S = D10 and Split for the
//                hundreds, S = D9 and Split for the tens, a_u = D10,
//                b_u = D10, both again while their sum is below 10.
//  TwoExchanges: S = D9 and Split for the hundreds; a_da, b_da, a_u, b_u as
//                D10, all four again while a column sums below 10.
//  Any:          S = D9 and Split for the hundreds; a_da, b_da, a_u, b_u as
//                D10.
TwoNumbers drawAddition(AdditionKind kind, RandomSource& random);

enum class SubtractionKind {
    NoExchange,     // no column needs an exchange
    OneExchange,    // exactly one: in the units or in the tens
    SomeExchange,   // the units or the tens (or both)
    Any,
};

// M = floor(999 r) + 1, D = floor(M r), R = M - D, both again until the
// kind accepts the digits of M and R. Returns a = M, b = R.
TwoNumbers drawSubtraction(SubtractionKind kind, RandomSource& random);
bool acceptsSubtraction(SubtractionKind kind, int minuend, int subtrahend);

// How many columns of a + b or of m - s need an exchange (0, 1 or 2; the
// hundreds never do on these screens).
int additionExchanges(int a, int b);
int subtractionExchanges(int minuend, int subtrahend);

// " 352 +  147 = ", " 352 -  127 = ".
QString additionText(const TwoNumbers& p);
QString subtractionText(const TwoNumbers& p);

// The typed sum or difference, read leniently ("3 52" is 352, "499abc"
// 499, "12,5" 12, "12.5" never a whole result).
bool isRightNumber(const QString& typed, int expected);

} // namespace abacus
