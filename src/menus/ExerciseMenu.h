// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "menus/MenuScreen.h"

#include <initializer_list>

class QPushButton;

// What the two exercise menus share: a grid of buttons that each open one
// exercise screen, a random background on every opening and the answer
// counts set to 0 on activation. A button whose screen the program does not
// have yet is shown but disabled; registering the screen with the navigator
// enables it.
class ExerciseMenu : public MenuScreen
{
    Q_OBJECT
public:
    // One button of the grid. An exerciseType above 0 is stored in the
    // program state before the target opens (the modes of WrittenNumberScreen).
    struct Entry
    {
        const char* name;
        double left, top, height;
        const char* text;
        const char* target;
        int exerciseType = 0;
    };
    static constexpr double ButtonWidth = 3000;

protected:
    ExerciseMenu(AppContext& app, const QString& designName, double widthTwips, double heightTwips);

    // Places the buttons in the order given, which is also the tab order.
    void addButtons(std::initializer_list<Entry> entries, const QFont& font);
    // The way back to the main menu.
    QPushButton* addBackButton(QRect where, const QFont& font);

    void onLoad() override;
    void onActivate() override;

private:
    void open(const QString& target, int exerciseType);
};
