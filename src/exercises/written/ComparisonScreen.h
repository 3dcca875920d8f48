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

private:
    void chooseRelation(int i);

    Comparison problem_;
    std::array<QLabel*, 2> numbers_{};
    QLabel* sign_ = nullptr;
    std::array<QPushButton*, 3> signs_{};
};
