// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "exercises/frame/ExerciseScreen.h"

class QLabel;
class QLineEdit;

// The written-number screen: one screen for the twenty-one modes of the
// numbers-only menu (ExerciseType 1..21). A problem is a line of text, the
// child types a whole number and releases Enter; only the digits typed are
// compared with the number expected. After a right answer the line shows
// the completed problem and "avanti" leads on.
class WrittenNumberScreen : public ExerciseScreen
{
    Q_OBJECT
public:
    // The row's variant is the mode, the exercise chosen in the menu, 1..21.
    WrittenNumberScreen(AppContext& app, const ExerciseRow& row);

protected:
    void newProblem() override;
    void shown() override;

private:
    int mode_;
    int resultsMode() const override { return mode_; }
    std::optional<int> spokenAnswer() const override;
    void checkAnswer();
    void showLine(const QString& text);

    QLabel* problem_ = nullptr;   // EtichettaNumero
    QLineEdit* answer_ = nullptr; // Text1
    QLabel* instruction_ = nullptr;  // Label3
    QString solution_;
};
