#pragma once

class Navigator;

// The program's own screens: the start screen, the main menu and the two
// exercise menus.
void registerMenus(Navigator& navigator);
