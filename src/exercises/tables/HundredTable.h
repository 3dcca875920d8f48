// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "exercises/frame/AnswerReading.h"

#include <QString>

class RandomSource;

// The hundred table: ten rows of ten cells that show one hundred at a time.
// Cell i lies in row i / 10 and column i % 10 and stands for the number
// 100 H + i, H being the hundred on show (0 to 9).
class HundredTable
{
public:
    static constexpr int Cells = 100;
    static constexpr int LastHundred = 9;

    // How the cells are numbered: every cell, or only the first row and the
    // first column (the child works out the rest).
    enum class Fill { Full, Edges };

    int shownHundred() const { return hundred_; }
    // Values outside 0..9 are brought back into it.
    void showHundred(int hundred);

    int value(int cell) const { return 100 * hundred_ + cell; }
    static bool onEdge(int cell) { return cell < 10 || cell % 10 == 0; }
    // The text of a cell: the number with a blank before it, or empty.
    QString text(int cell, Fill fill) const;

private:
    int hundred_ = 0;
};

// "trova il numero": a number from 0 to 998 the child finds in the table.
struct FindNumberProblem
{
    int target = 0;

    // floor(999 r): 999 itself is never asked.
    static FindNumberProblem draw(RandomSource& random);
    // Right only with the right hundred on show and the right cell.
    bool isFound(const HundredTable& table, int cell) const;
};

// "riconosci il numero": one red cell in a table the program scrolls; the
// child types the number that belongs in it.
struct RedCellProblem
{
    int cell = 0;     // 0 to 98: the last cell is never chosen
    int hundred = 0;  // 0 to 9

    // The cell first, then the hundred: floor(99 r), floor(10 r).
    static RedCellProblem draw(RandomSource& random);
    int expected() const { return 100 * hundred + cell; }
    // The typed text is read leniently: 607, 0607 and "607,25" all read 607.
    static constexpr AnswerReading Reading = AnswerReading::Lenient;
    ExpectedAnswer expectedAnswer() const { return {double(expected()), {}}; }
    bool isRight(const QString& typed) const { return isExpectedAnswer(typed, Reading, expectedAnswer()); }
};
