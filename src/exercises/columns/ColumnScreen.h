// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "exercises/columns/ColumnProblem.h"
#include "exercises/columns/ColumnVariants.h"
#include "exercises/frame/ExerciseScreen.h"

#include <array>

class Cell;
class DragDrop;
class LineControl;
class Navigator;
class QLabel;
class QLineEdit;

// A column addition or subtraction (FormCola, FormColc, FormColD, FormColb,
// Form33, Form36, Form37, Form34): the problem written as a line of text,
// its digits dragged into a grid of hundreds, tens and units, the result
// typed column by column from the units, and the exchanges moved by
// dragging their marks. What differs from screen to screen is its variant
// row: the numbers it draws, the operation, its hints and its geometry.
//
// The screen draws what its ColumnProblem says after every action of the
// child; the hint line Label3 speaks about each moment.
class ColumnScreen : public ExerciseScreen
{
    Q_OBJECT
public:
    ColumnScreen(AppContext& app, const ExerciseRow& row, const columns::ColumnVariant* variant);

    const columns::ColumnProblem& problem() const { return problem_; }

protected:
    void newProblem() override;
    void shown() override;
    void afterRescale() override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    // The operation, "125 + 38"; the result once it is done, else the
    // digits typed so far from the hundreds to the units, "_" where none is
    // yet.
    QString problemShown() const override;
    QString answerGiven() const override;
    // The whole result once it is written.
    std::optional<int> spokenAnswer() const override;

private:
    void buildTextLine();
    void buildGrid();
    void buildMarks();
    void buildDragging();

    bool accepts(QWidget* source, QWidget* target) const;
    void drop(QWidget* source, QWidget* target);
    void enter(columns::Place place);

    // Brings every control in line with the problem.
    void showProblem();
    void focusOpenBox();
    void layOutTextLine();

    const columns::ColumnVariant& variant_;
    columns::ColumnProblem problem_;
    DragDrop* drag_ = nullptr;

    QLabel* message_ = nullptr;
    std::array<std::array<QLabel*, 3>, 2> digits_{};   // by Row, Place
    QLabel* sign_ = nullptr;
    QLabel* equals_ = nullptr;
    QLabel* result_ = nullptr;
    std::array<std::array<Cell*, 3>, 2> cells_{};
    std::array<QLineEdit*, 3> boxes_{};
    std::array<QLabel*, 2> departures_{};               // by Exchange; none without exchanges
    std::array<QLabel*, 2> arrivals_{};
};

