// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "menus/MenuScreen.h"

#include <QList>

class QPushButton;

// The start screen: the program's title and the button that leads to the
// main menu. When a grown-up has named more than one player, the players'
// names stand above "Avvio" as big buttons; the one chosen is whose
// answers the results keep, and stays chosen for the next start. The
// names follow the results' players while the screen is on show (a
// classroom server's list that arrives late, a damaged results file put
// aside just after the start).
class StartScreen : public MenuScreen
{
    Q_OBJECT
public:
    explicit StartScreen(AppContext& app);

protected:
    void onLoad() override;

private:
    void startClicked();
    void showPlayers();
    void addPlayerButtons(const QStringList& names);

    QPushButton* start_ = nullptr;
    QList<QPushButton*> playerButtons_;
};
