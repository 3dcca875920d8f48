// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/numberlines/NumberLine.h"

#include "services/RandomSource.h"

namespace {
// A free tick is found at once in practice (at most 7 of 21 are red). A
// broken random source that keeps landing on red ticks must not hang the
// screen: after this many draws the first free tick is taken.
constexpr int MaxTickDraws = 10000;
} // namespace

void NumberLine::newLine(RandomSource& random)
{
    answeredCount_ = 0;
    answered_.fill(false);
    asked_ = -1;
    switch (graduation_) {
    case Graduation::Units: tens_ = false; break;
    case Graduation::Tens: tens_ = true; break;
    case Graduation::Mixed: tens_ = random.below(2) + 1 == 1; break;
    }
    start_ = static_cast<qint16>(tens_ ? random.below(89) + 1 : (random.below(90) + 1) * 10);
    askNext(random);
}

void NumberLine::askNext(RandomSource& random)
{
    asked_ = -1;
    for (int draw = 0; draw < MaxTickDraws; ++draw) {
        const int i = random.below(TickCount);
        if (i >= 0 && i < TickCount && !isRed(i)) {
            asked_ = i;
            return;
        }
    }
    for (int i = 0; i < TickCount; ++i)
        if (!isRed(i)) {
            asked_ = i;
            return;
        }
}

NumberLine::Result NumberLine::answer(double value, RandomSource& random)
{
    return isRight(value) ? rightAnswer(random) : Result::Wrong;
}

NumberLine::Result NumberLine::rightAnswer(RandomSource& random)
{
    if (asked_ < 0)
        return Result::Wrong;
    answered_[asked_] = true;
    ++answeredCount_;
    if (answeredCount_ >= AnswersPerLine) {
        newLine(random);
        return Result::NewLine;
    }
    askNext(random);
    return Result::NextTick;
}

int NumberLine::tickValue(int tick) const
{
    return tens_ ? (start_ + tick) * 10 : start_ + tick;
}

NumberLine::Tick NumberLine::tick(int i) const
{
    if (isNumbered(i))
        return Tick::Numbered;
    if (i < 0 || i >= TickCount)
        return Tick::Plain;
    if (answered_[i])
        return Tick::Answered;
    return i == asked_ ? Tick::Asked : Tick::Plain;
}
