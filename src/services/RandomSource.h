// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cmath>
#include <random>

// The one source of chance in the program. Every rule draws its fractions
// from here, in a documented order, so a test can script them.
class RandomSource
{
public:
    virtual ~RandomSource() = default;
    // A uniform fraction, 0 <= r < 1.
    virtual double fraction() = 0;
    virtual void reseedFromClock() = 0;

    // floor(n * r), the most common draw.
    int below(double n) { return static_cast<int>(std::floor(n * fraction())); }
};

class ClockRandomSource final : public RandomSource
{
public:
    ClockRandomSource();
    double fraction() override;
    void reseedFromClock() override;

private:
    std::mt19937_64 engine_;
};
