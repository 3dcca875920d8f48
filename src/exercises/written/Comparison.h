// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class RandomSource;

// The rules of the exercise "< > =": two numbers side by side and the sign
// that stands between them. The relations are numbered as the answer
// buttons: ">" 0, "<" 1, "=" 2.
struct Comparison
{
    enum Relation { Greater = 0, Less = 1, Equal = 2 };

    int left = 1;
    int right = 1;

    // Two numbers 1 to 999, left first, from one random fraction each.
    static Comparison draw(RandomSource& random);

    Relation relation() const;
    bool isRight(int chosen) const { return chosen == relation(); }
};
