// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "framework/Screen.h"

// The start screen: the program's title and the button that leads to the
// main menu.
class FormAvvio : public Screen
{
    Q_OBJECT
public:
    explicit FormAvvio(AppContext& app);

protected:
    void onLoad() override;

private:
    void BottoneAvvio_Click();
};
