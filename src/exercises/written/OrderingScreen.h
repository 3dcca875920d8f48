// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "exercises/frame/ExerciseScreen.h"
#include "exercises/written/Ordering.h"

#include <array>

class OptionChoice;
class QAction;
class QLabel;
class QPushButton;

// "ordina i numeri": from three to eight numbers on buttons, clicked one
// after the other from the smallest to the largest or the other way round.
class OrderingScreen : public ExerciseScreen
{
    Q_OBJECT
public:
    static constexpr int Buttons = Ordering::MaxCount;

    OrderingScreen(AppContext& app, const ExerciseRow& row);

protected:
    void newProblem() override;
    void opened() override;
    void shown() override;
    // The order asked for and the numbers offered; the numbers in the order
    // the child picked them.
    QString problemShown() const override;
    QString answerGiven() const override { return answered_; }

private:
    void placeNumber(int i);
    void offerNumbersAgain();
    void chooseHowMany(int option);
    void showHowManyChoice();
    void setAscending(bool ascending);

    Ordering ordering_;
    QString answered_;
    int howMany_ = 7;
    std::array<QPushButton*, Buttons> numberButtons_{};
    std::array<QLabel*, Buttons> placed_{};
    OptionChoice* howManyChoice_ = nullptr;
    QAction* ascendingItem_ = nullptr;
    QAction* descendingItem_ = nullptr;
};
