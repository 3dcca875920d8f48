// SPDX-License-Identifier: GPL-3.0-or-later
#include "services/RandomSource.h"

#include <chrono>

ClockRandomSource::ClockRandomSource()
{
    reseedFromClock();
}

double ClockRandomSource::fraction()
{
    // 53 random bits give every double in [0, 1) its chance and never 1.
    return static_cast<double>(engine_() >> 11) * (1.0 / 9007199254740992.0);
}

void ClockRandomSource::reseedFromClock()
{
    engine_.seed(static_cast<std::uint64_t>(
        std::chrono::high_resolution_clock::now().time_since_epoch().count()));
}
