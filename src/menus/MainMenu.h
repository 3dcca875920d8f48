// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "menus/MenuScreen.h"

class QCheckBox;

// The main menu: the two exercise menus, the voice, sounds and large-text
// switches, the language menu and the way out of the program.
class MainMenu : public MenuScreen
{
    Q_OBJECT
public:
    explicit MainMenu(AppContext& app);

    // Lists the language files of the program folder in the menu
    // mnuLanguages and marks the language in use.
    void fillLanguageMenu();
    // Makes item index the language in use, translates the screen again and
    // stores the choice for the next start.
    void chooseLanguage(int index);

protected:
    void beforeTranslate() override;
    void onLoad() override;
    void onActivate() override;

private:
    QAction* languageItem(int index) const;
    QAction* addLanguageItem(int index);
    void soundsToggled();
    void largeTextToggled();
    void voiceToggled();

    QCheckBox* check1_ = nullptr;
    QCheckBox* largeText_ = nullptr;
    QCheckBox* voice_ = nullptr;
    QMenu* languages_ = nullptr;
};
