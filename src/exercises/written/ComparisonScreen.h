// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "exercises/frame/ExerciseScreen.h"
#include "exercises/written/Comparison.h"

#include <array>

class QLabel;
class QPushButton;

// "< > =": two numbers side by side, and the child clicks the sign that
// stands between them.
class ComparisonScreen : public ExerciseScreen
{
    Q_OBJECT
public:
    ComparisonScreen(AppContext& app, const ExerciseRow& row);

protected:
    void newProblem() override;
    void shown() override;
    // The two numbers, for the results: "352 ? 325".
    QString problemShown() const override;
    // The sign chosen.
    QString answerGiven() const override;

private:
    void chooseRelation(int i);

    Comparison problem_;
    std::array<QLabel*, 2> numbers_{};
    QLabel* sign_ = nullptr;
    int chosen_ = -1;
    std::array<QPushButton*, 3> signs_{};
};
