// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "exercises/abacus/AbacusScreen.h"
#include "exercises/abacus/AbacusVariants.h"

#include <array>

class QLabel;
class QLineEdit;
class QPushButton;

// "sottrazioni": a subtraction to work out on the abacus, changing one bead
// into ten of the next wire, and the difference typed in the box.
class AbacusSubtractScreen : public AbacusScreen
{
    Q_OBJECT
public:
    AbacusSubtractScreen(AppContext& app, const ExerciseRow& row, abacus::SubtractVariant variant);

    int expectedDifference() const { return expectedDifference_; }

protected:
    void newProblem() override;
    void shown() override;

private:
    void restart();

    const abacus::SubtractVariant variant_;
    int expectedDifference_ = 0;
    QLabel* problem_ = nullptr;
    QLineEdit* answer_ = nullptr;
    std::array<QPushButton*, 3> addButtons_{};      // "+ h", "+ da", "+ u"
    std::array<QPushButton*, 3> removeButtons_{};   // "- h", "- da", "- u"
    QPushButton* exchangeTens_ = nullptr;       // BottoneCambio: a ten into ten units
    QPushButton* exchangeHundreds_ = nullptr;   // BottoneCambio2: a hundred into ten tens
    QPushButton* restart_ = nullptr;
};
