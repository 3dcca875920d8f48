// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "services/RandomSource.h"

#include <gtest/gtest.h>
#include <deque>
#include <initializer_list>

// Hands out the fractions a test scripts, in order. Running dry is a test
// failure (the rule drew more than the test expected), and yields 0.
class ScriptedRandom final : public RandomSource
{
public:
    ScriptedRandom() = default;
    ScriptedRandom(std::initializer_list<double> fractions) : queue_(fractions) {}

    void push(std::initializer_list<double> fractions) { queue_.insert(queue_.end(), fractions); }
    void push(double fraction) { queue_.push_back(fraction); }
    bool empty() const { return queue_.empty(); }
    std::size_t remaining() const { return queue_.size(); }
    int reseeds() const { return reseeds_; }
    // When set, running dry repeats this fraction instead of failing.
    void setFallback(double f) { fallback_ = f; hasFallback_ = true; }

    double fraction() override
    {
        if (queue_.empty()) {
            if (!hasFallback_)
                ADD_FAILURE() << "the rule drew more random fractions than the test scripted";
            return hasFallback_ ? fallback_ : 0.0;
        }
        const double f = queue_.front();
        queue_.pop_front();
        return f;
    }
    void reseedFromClock() override { ++reseeds_; }

private:
    std::deque<double> queue_;
    double fallback_ = 0.0;
    bool hasFallback_ = false;
    int reseeds_ = 0;
};
