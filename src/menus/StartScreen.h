#pragma once
#include "menus/MenuScreen.h"

// The start screen: the program's title and the button that leads to the
// main menu.
class StartScreen : public MenuScreen
{
    Q_OBJECT
public:
    explicit StartScreen(AppContext& app);

protected:
    void onLoad() override;

private:
    void startClicked();
};
