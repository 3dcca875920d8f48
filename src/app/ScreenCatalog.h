// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class Navigator;

// Every screen the program has, by design name. A menu button whose screen
// is not registered here is shown disabled.
void registerScreens(Navigator& navigator);
