// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>

class QWidget;
struct AppContext;

// The program's own message boxes, titled "Contalandia".

// The text of the information box: the credits block, then under a line of
// hyphens the lines "9996".."9999" that are not empty, each ending in CR LF.
QString informationText(AppContext& app);
// The information box of the exercise screens: the credits, then the lines
// "9996".."9999" of the current language that are not empty.
void showInformation(AppContext& app, QWidget* parent);

// Asks before the program ends; Yes ends it at once, No changes nothing.
void confirmQuit(AppContext& app, QWidget* parent);
