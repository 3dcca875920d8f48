// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "menus/ExerciseMenu.h"

// The exercises with numbers only: written numbers, counting drills,
// comparing, ordering and column arithmetic.
class NumbersMenu : public ExerciseMenu
{
    Q_OBJECT
public:
    explicit NumbersMenu(AppContext& app);
};
