// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "exercises/frame/ExerciseScreen.h"
#include "exercises/numberlines/NumberLine.h"

#include <array>

class LineControl;
class QLabel;
class QLineEdit;

// A graduated number line: 21 ticks, the first, middle and last numbered.
// One unnumbered tick is red and the child types its number into Text1; a
// right answer labels the tick and asks the next one at once (there is no
// next button), and after five a new line is drawn.
class NumberLineScreen : public ExerciseScreen
{
    Q_OBJECT
public:
    NumberLineScreen(AppContext& app, const ExerciseRow& row, Graduation graduation);

    const NumberLine& line() const { return line_; }

protected:
    void newProblem() override;
    void shown() override;
    void afterRescale() override;
    // The line as it is shown, tick by tick: its number where it has one,
    // "?" for the asked tick, "·" for any other ("100 · · ? · 150 ...").
    QString problemShown() const override;
    std::optional<int> spokenAnswer() const override { return int(line_.expected()); }

private:
    void judged(bool right);
    void showLine();
    void askTick();
    void nameControls();

    NumberLine line_;
    LineControl* line1_ = nullptr;
    std::array<LineControl*, NumberLine::TickCount> ticks_{};
    std::array<QLabel*, NumberLine::TickCount> labels_{};
    QLineEdit* answer_ = nullptr;
    // With large text, the question a screen reader hears, written above
    // the line.
    QLabel* question_ = nullptr;
};
