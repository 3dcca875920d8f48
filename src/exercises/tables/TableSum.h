// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "exercises/frame/AnswerReading.h"

#include <QString>

class RandomSource;

// "Costruisci il 100 con la tabella": a table of the numbers 1 to 100 whose
// first k cells are filled; the child types how many cells are still
// empty, that is the x of k + x = 100.
struct TableSumProblem
{
    static constexpr int Cells = 100;

    int given = 0;  // k, 0 to 100

    // floor(101 r).
    static TableSumProblem draw(RandomSource& random);

    // Cell i stands for the number i + 1.
    bool filled(int cell) const { return cell >= 0 && cell < given; }
    // The filled cells are numbered; once solved, every cell is.
    QString cellText(int cell, bool solved) const;

    // The fixed parts of the equation around the answer box.
    QString leftText() const;                 // " 37 + "
    static QString rightText();               // " = 100"

    // The typed text is read leniently: "63.0" reads 63, "6,3" reads 6.
    static constexpr AnswerReading Reading = AnswerReading::Lenient;
    ExpectedAnswer expectedAnswer() const { return {100.0 - given, {}}; }
    bool isRight(const QString& typed) const { return isExpectedAnswer(typed, Reading, expectedAnswer()); }
};
