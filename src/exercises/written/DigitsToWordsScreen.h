// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "exercises/frame/ExerciseScreen.h"

class QLabel;
class QLineEdit;

// "dalle cifre alla parola": a number in digits, and the child writes it in
// words in the language of the number words.
class DigitsToWordsScreen : public ExerciseScreen
{
    Q_OBJECT
public:
    DigitsToWordsScreen(AppContext& app, const ExerciseRow& row);

protected:
    void newProblem() override;
    std::optional<int> spokenAnswer() const override;
    void shown() override;

private:
    void checkWords();

    QLabel* number_ = nullptr;
    QLineEdit* answer_ = nullptr;
};
