// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class Navigator;

// The program's own screens: the start screen, the main menu and the two
// exercise menus.
void registerMenus(Navigator& navigator);
