// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "menus/ExerciseMenu.h"

// The exercises with pictures: base-ten blocks, the abacus, hundred tables
// and squares, number lines.
class PicturesMenu : public ExerciseMenu
{
    Q_OBJECT
public:
    explicit PicturesMenu(AppContext& app);

protected:
    void onLoad() override;
};
