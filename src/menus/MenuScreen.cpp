#include "menus/MenuScreen.h"

#include "framework/ProgramDialogs.h"

void MenuScreen::closeRequested()
{
    confirmQuit(app(), this);
}
