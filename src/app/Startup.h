// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>

struct AppContext;

// Start-up: leftovers of interrupted settings writes removed, frame texts,
// random seed, number-words language, sounds on, largest number 999, then
// the start screen.
void startProgram(AppContext& app);

