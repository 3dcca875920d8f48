// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QStringList>

// Registers the fonts compiled into the program and maps the designed
// families onto them ("Comic Sans MS" to Comic Neue, "Arial" to Liberation
// Sans, the same metrics), so the screens look alike on every machine.
// Returns the families that could be registered.
QStringList registerBundledFonts();
