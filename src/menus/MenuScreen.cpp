// SPDX-License-Identifier: GPL-3.0-or-later
#include "menus/MenuScreen.h"

#include "framework/ProgramDialogs.h"

void MenuScreen::closeRequested()
{
    confirmQuit(app(), this);
}
