// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QtGlobal>
#include <array>

class RandomSource;

// How the values of a number line are drawn: one unit or ten between ticks,
// or, with every new line, one of the two at random.
enum class Graduation { Units, Tens, Mixed };

// The rules of the graduated number lines: 21 ticks of which the first, the
// middle and the last carry their number; the child writes the number of one
// unnumbered tick after another, and after five right answers a new line is
// drawn.
//
// Draws, in this order:
//   newLine()   Mixed only: t = floor(2r) + 1 (1 tens, 2 units); then the
//               start: units floor(90r) + 1 tens of ten (10..900), tens
//               floor(89r) + 1 (the line from 10 times it); then the first
//               asked tick;
//   asked tick  i = floor(21r), drawn again while tick i is red.
// A tick is red when it is numbered, answered or asked; its label shows when
// it is numbered or answered.
class NumberLine
{
public:
    static constexpr int TickCount = 21;
    static constexpr int AnswersPerLine = 5;
    static constexpr std::array<int, 3> NumberedTicks{0, 10, 20};

    enum class Tick { Plain, Numbered, Answered, Asked };
    enum class Result { Wrong, NextTick, NewLine };

    explicit NumberLine(Graduation graduation) : graduation_(graduation) {}

    // Starts a new line: its graduation (Mixed), its start and the first
    // asked tick. Nothing is asked before the first call.
    void newLine(RandomSource& random);
    // Judges the value read from the child's answer. A right one labels the
    // tick and asks the next one, or starts a new line after the fifth.
    Result answer(double value, RandomSource& random);
    bool isRight(double value) const { return asked_ >= 0 && value == expected(); }
    // The asked tick was answered right (the screen has judged it).
    Result rightAnswer(RandomSource& random);

    Graduation graduation() const { return graduation_; }
    bool tensGraduation() const { return tens_; }
    // Units: the number at tick 0; tens: the number at tick 0 divided by 10.
    qint16 startValue() const { return start_; }
    int askedTick() const { return asked_; }           // -1 before the first line
    int answeredOnLine() const { return answeredCount_; }
    int tickValue(int tick) const;
    int expected() const { return tickValue(asked_); }

    static bool isNumbered(int tick) { return tick == 0 || tick == 10 || tick == 20; }
    Tick tick(int i) const;
    bool isRed(int i) const { return tick(i) != Tick::Plain; }
    bool labelShown(int i) const { return tick(i) == Tick::Numbered || tick(i) == Tick::Answered; }

private:
    void askNext(RandomSource& random);

    Graduation graduation_;
    bool tens_ = false;
    qint16 start_ = 10;
    int asked_ = -1;
    int answeredCount_ = 0;
    std::array<bool, TickCount> answered_{};
};
