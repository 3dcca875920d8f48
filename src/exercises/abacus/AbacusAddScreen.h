// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "exercises/abacus/AbacusScreen.h"
#include "exercises/abacus/AbacusVariants.h"

#include <array>

class BeadButton;
class QLabel;
class QLineEdit;
class QPushButton;

// "addizioni": an addition to work out on the abacus, exchanging ten beads
// for one of the next wire, and the sum typed in the box.
class AbacusAddScreen : public AbacusScreen
{
    Q_OBJECT
public:
    AbacusAddScreen(AppContext& app, const ExerciseRow& row, abacus::AddVariant variant);

    int expectedSum() const { return expectedSum_; }

protected:
    void newProblem() override;
    void opened() override;

private:
    void restart();

    const abacus::AddVariant variant_;
    int expectedSum_ = 0;
    QLabel* problem_ = nullptr;
    QLineEdit* answer_ = nullptr;
    std::array<BeadButton*, 3> beadButtons_{};
    QPushButton* exchangeUnits_ = nullptr;   // BottoneCambio
    QPushButton* exchangeTens_ = nullptr;    // BottoneCambio2
    QPushButton* restart_ = nullptr;
};
