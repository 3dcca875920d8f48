// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <array>

class RandomSource;

// The two numbers of a column problem: the upper one goes into the first
// grid row (first addend, minuend), the lower one into the second row.
struct ColumnNumbers
{
    int top = 0;
    int bottom = 0;
    bool operator==(const ColumnNumbers&) const = default;
};

namespace columns {

// Places of a three-digit number, in the order the columns stand on screen.
enum Place { Hundreds = 0, Tens = 1, Units = 2 };
inline constexpr std::array<Place, 3> Places = {Hundreds, Tens, Units};

using Digits = std::array<int, 3>; // indexed by Place

Digits digitsOf(int n);
int valueOf(const Digits& d);
// 3 when the hundreds digit is not 0, else 2 when the tens digit is not 0,
// else 1: how many digits a child writes for the number.
int digitCount(const Digits& d);

// The generators of the eight column screens. Each draws its fractions in
// the order its comment gives, redrawing as it says, and nothing else.
// Every result, sum or difference, stays within 1 to 999.

// Addition without exchanges (FormCola). Per column, units first: the
// column's result r = floor(10 r), the upper digit floor(r * rnd), the lower
// digit the rest; everything again while either number is 0.
ColumnNumbers additionWithoutExchanges(RandomSource& random);
// Addition, exchanges as they come (FormColb): total T = floor(979 r) + 20,
// upper A = 1 + floor(T r), lower T - A; everything again while that is 0.
ColumnNumbers additionAnyExchanges(RandomSource& random);
// Exactly one exchange (FormColc): k = floor(2 r). k = 0, in the tens: the
// hundreds sum S = floor(9 r) and its split, both tens digits, the units sum
// and its split, then the tens digits again while they add up to 9 or less.
// k = 1, in the units: S = floor(10 r) and its split, the tens sum
// D = floor(9 r) and its split, then both units digits until they add up to
// 10 or more. Everything again while either number is 0.
ColumnNumbers additionOneExchange(RandomSource& random);
// Two exchanges (FormColD): S = floor(9 r) and its split, both tens digits,
// both units digits; while the tens or the units add up to less than 10,
// the units digits and then the tens digits again. Everything again while
// either number is 0.
ColumnNumbers additionTwoExchanges(RandomSource& random);

// Subtraction without exchanges (Form33). Per column, units first: minuend
// digit m = floor(10 r), subtrahend digit floor(m r); everything again while
// the subtrahend or the difference is 0.
ColumnNumbers subtractionWithoutExchanges(RandomSource& random);
// Subtraction, exchanges as they come (Form34): minuend M = floor(979 r) + 20,
// subtrahend 1 + floor(M r); both again while they are equal.
ColumnNumbers subtractionAnyExchanges(RandomSource& random);
// Exactly one exchange (Form36): M and S as above, again until either the
// units borrow and the minuend's tens digit is greater than the
// subtrahend's, or the units do not borrow and the minuend's tens digit is
// the smaller; then again while they are equal.
ColumnNumbers subtractionOneExchange(RandomSource& random);
// Two exchanges (Form37): as above, until the units borrow and the
// minuend's tens digit is not greater than the subtrahend's.
ColumnNumbers subtractionTwoExchanges(RandomSource& random);

} // namespace columns
