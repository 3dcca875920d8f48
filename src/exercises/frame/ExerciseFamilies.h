// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>

// The exercise family of a screen, by its design name, as the results keep
// it: "written", "columns", "abacus", "blocks", "tables", "numberlines";
// empty for a name that is not an exercise screen.
QString exerciseFamily(const QString& designName);
