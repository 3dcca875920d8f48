// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "exercises/frame/AnswerReading.h"

#include <QString>

#include <array>

class RandomSource;

// The counting aid of "Costruisci il 100 / il 500": a square of 100 small
// squares the child colours a ten (red) or a unit (blue) at a time, always
// continuing in index order, and on the 500 screen four big squares
// coloured a hundred (green) at a time. The colouring is never judged.
class SquareColouring
{
public:
    static constexpr int Small = 100;
    enum class Shade { Blank, Ten, Unit };

    // bigSquares: 0 on the 100 screen, 4 on the 500 screen.
    explicit SquareColouring(int bigSquares = 0) : big_(bigSquares) {}

    // Each returns whether anything was coloured: a ten only while at most
    // 89 squares are coloured (so never over the end of the square, and the
    // tenth ten is always made of units), and nothing happens once the
    // squares are used up.
    bool addTen();
    bool addUnit();
    bool addHundred();
    void restart();

    int filled() const { return filled_; }
    int hundreds() const { return hundreds_; }
    int bigSquares() const { return big_; }
    Shade shade(int square) const;
    bool hundredColoured(int big) const { return big >= 0 && big < hundreds_; }

private:
    int big_;
    int filled_ = 0;
    int hundreds_ = 0;
    std::array<Shade, Small> shades_{};
};

// The equation a + ? = 100 or a + ? = 500; the child types the missing
// addend. Only the digits of the answer count ("6,3" reads 63).
struct SquareSumProblem
{
    int total = 100;
    int missing = 0;

    // 100: missing := floor(101 r).
    static SquareSumProblem drawHundred(RandomSource& random);
    // 500: kind := floor(4 r) + 1, then kind 1: floor(500 r); kind 2:
    // 100 floor(5 r + 1); kinds 3 and 4: 10 floor(50 r + 1).
    static SquareSumProblem drawFiveHundred(RandomSource& random);

    QString leftText() const;   // " 37  +  "
    QString rightText() const;  // " = 100"
    static constexpr AnswerReading Reading = AnswerReading::DigitsOnly;
    ExpectedAnswer expectedAnswer() const { return {double(missing), {}}; }
    bool isRight(const QString& typed) const { return isExpectedAnswer(typed, Reading, expectedAnswer()); }
};
