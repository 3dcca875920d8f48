// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "exercises/abacus/AbacusScreen.h"
#include "exercises/abacus/AbacusVariants.h"

#include <array>

class QAction;
class QLabel;
class QPushButton;
class PictureBox;

// "inserisci le palline nell'abaco": a number in words or digits, and the
// child puts its beads on the wires and confirms. The coloured variant
// shows the number in three parts, each in the colour of its beads.
class AbacusBuildScreen : public AbacusScreen
{
    Q_OBJECT
public:
    AbacusBuildScreen(AppContext& app, const ExerciseRow& row, abacus::BuildVariant variant);

    bool showsDigits() const { return showDigits_; }

protected:
    void newProblem() override;
    void shown() override;
    void afterRescale() override;
    // The number as it is shown, in words or digits; the number on the
    // abacus.
    QString problemShown() const override;
    QString answerGiven() const override;

private:
    void showTheNumber();
    void placeParts();
    void checkAbacus();
    void chooseDigits(bool digits);

    const abacus::BuildVariant variant_;
    bool showDigits_ = false;

    QLabel* number_ = nullptr;                 // one label, or
    PictureBox* partsBox_ = nullptr;           // the box of the three parts
    std::array<QLabel*, 3> parts_{};
    double partsPoints_ = 0;                   // their size before large text
    bool unitsFirst_ = false;
    std::array<BeadButton*, 3> beadButtons_{};
    QPushButton* confirm_ = nullptr;
    QPushButton* restart_ = nullptr;
    QAction* words_ = nullptr;
    QAction* digits_ = nullptr;
};
