// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "exercises/abacus/AbacusScreen.h"
#include "exercises/abacus/AbacusScreens.h"

class QLineEdit;

// "scrivi il numero": the program puts a number on the abacus and the child
// writes it, in digits or in words.
class AbacusReadScreen : public AbacusScreen
{
    Q_OBJECT
public:
    AbacusReadScreen(AppContext& app, const abacus::ReadRow& row);

protected:
    void newProblem() override;
    void shown() override;

private:
    void judged(bool right);

    const abacus::ReadRow& row_;
    QLineEdit* answer_ = nullptr;
};
