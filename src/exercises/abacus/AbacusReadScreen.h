// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "exercises/abacus/AbacusScreen.h"
#include "exercises/abacus/AbacusVariants.h"

class QLineEdit;

// "scrivi il numero": the program puts a number on the abacus and the child
// writes it, in digits or in words.
class AbacusReadScreen : public AbacusScreen
{
    Q_OBJECT
public:
    AbacusReadScreen(AppContext& app, const ExerciseRow& row, abacus::ReadVariant variant);

protected:
    void newProblem() override;
    void shown() override;
    // The instruction, then in brackets the number on the abacus.
    QString problemShown() const override;

private:
    void judged(bool right);

    const abacus::ReadVariant variant_;
    QLineEdit* answer_ = nullptr;
};
