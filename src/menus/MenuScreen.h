// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "framework/Screen.h"

// The program's own screens (start screen and menus): the window system's
// close command (the title bar's cross, Alt+F4) asks the quit question, as
// the main menu's exit does.
class MenuScreen : public Screen
{
public:
    using Screen::Screen;

protected:
    void closeRequested() override;
};
