// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/abacus/AbacusModel.h"

#include <algorithm>

namespace abacus {

namespace {

// Bits first .. first + n - 1.
quint32 run(int first, int n)
{
    if (n <= 0)
        return 0;
    const quint32 ones = (n >= 32) ? ~quint32(0) : ((quint32(1) << n) - 1);
    return ones << first;
}

Wire leftOf(Wire w)
{
    return static_cast<Wire>(indexOf(w) - 1);
}

Wire rightOf(Wire w)
{
    return static_cast<Wire>(indexOf(w) + 1);
}

} // namespace

Limits buildLimits()
{
    return {{9, 9, 9}, {9, 9, 9}};
}

Limits readLimits()
{
    return {{9, 9, 9}, {0, 0, 0}};
}

Limits exchangeHiddenLimits()
{
    return {{9, 19, 19}, {9, 9, 9}};
}

Limits exchangeLimits()
{
    return {{9, 19, 19}, {9, 19, 19}};
}

quint32 beadShade(Wire w, int place)
{
    const bool light = place >= 9;
    switch (w) {
    case Wire::Hundreds:
        return 0x008000;
    case Wire::Tens:
        return light ? 0xFF8080 : 0xFF0000;
    case Wire::Units:
        return light ? 0x8080FF : 0x0000FF;
    }
    return 0;
}

Visibility restingVisibility(const Counts& counts)
{
    Visibility v{};
    for (int w = 0; w < WireCount; ++w)
        v[w] = run(0, std::clamp(counts[w], 0, MaxPlaces));
    return v;
}

std::vector<Visibility> exchangeUpFrames(const Counts& before, Wire source)
{
    const int s = indexOf(source);
    const int d = s - 1;
    const int n = before[s];
    const int m = before[d];
    std::vector<Visibility> frames;
    Visibility v = restingVisibility(before);
    const quint32 ten = run(n - 10, 10);
    for (int pass = 0; pass < 9; ++pass) {
        v[s] ^= ten;
        frames.push_back(v);
    }
    v[s] &= ~ten;
    const quint32 newBead = run(m, 1);
    for (int pass = 0; pass < 4; ++pass) {
        v[d] ^= newBead;
        frames.push_back(v);
    }
    return frames;
}

std::vector<Visibility> exchangeDownFrames(const Counts& before, Wire source)
{
    const int s = indexOf(source);
    const int d = s + 1;
    const int t = before[s] - 1;
    const int m = before[d];
    std::vector<Visibility> frames;
    Visibility v = restingVisibility(before);
    const quint32 top = run(t, 1);
    for (int pass = 0; pass < 9; ++pass) {
        v[s] ^= top;
        frames.push_back(v);
    }
    v[s] &= ~top;
    const quint32 ten = run(m, 10);
    for (int pass = 0; pass < 9; ++pass) {
        v[d] ^= ten;
        frames.push_back(v);
    }
    return frames;
}

AbacusModel::AbacusModel(Limits limits) : limits_(limits)
{
    for (int w = 0; w < WireCount; ++w) {
        limits_.capacity[w] = std::clamp(limits_.capacity[w], 0, MaxPlaces);
        limits_.clickLimit[w] = std::clamp(limits_.clickLimit[w], 0, limits_.capacity[w]);
    }
}

bool AbacusModel::addBead(Wire w)
{
    int& k = counts_[indexOf(w)];
    if (k >= clickLimit(w))
        return false;
    ++k;
    return true;
}

bool AbacusModel::removeBead(Wire w)
{
    int& k = counts_[indexOf(w)];
    if (k <= 0)
        return false;
    --k;
    return true;
}

void AbacusModel::clear()
{
    counts_ = {0, 0, 0};
}

void AbacusModel::showNumber(int n)
{
    clear();
    n = std::clamp(n, 0, 999);
    const int h = n / 100;
    const int da = (n - 100 * h) / 10;
    const int u = n - 100 * h - 10 * da;
    counts_ = {std::min(h, capacity(Wire::Hundreds)), std::min(da, capacity(Wire::Tens)),
               std::min(u, capacity(Wire::Units))};
}

qint16 AbacusModel::value() const
{
    return static_cast<qint16>(100 * counts_[0] + 10 * counts_[1] + counts_[2]);
}

Exchange AbacusModel::exchangeUp(Wire source)
{
    if (source == Wire::Hundreds)
        return {};
    const Wire dest = leftOf(source);
    if (count(dest) >= capacity(dest))
        return {ExchangeResult::Ignored, {}};
    if (count(source) < 10)
        return {ExchangeResult::Refused, {}};
    Exchange done{ExchangeResult::Done, exchangeUpFrames(counts_, source)};
    counts_[indexOf(source)] -= 10;
    counts_[indexOf(dest)] += 1;
    return done;
}

Exchange AbacusModel::exchangeDown(Wire source)
{
    if (source == Wire::Units)
        return {};
    const Wire dest = rightOf(source);
    // Ten new beads must fit: with the 19 places of the exchange screens
    // this is "ten or more beads already there".
    if (count(source) == 0 || count(dest) + 10 > capacity(dest))
        return {ExchangeResult::Refused, {}};
    Exchange done{ExchangeResult::Done, exchangeDownFrames(counts_, source)};
    counts_[indexOf(source)] -= 1;
    counts_[indexOf(dest)] += 10;
    return done;
}

} // namespace abacus
