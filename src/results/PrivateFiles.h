// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>

// The results (every answer, the PIN's hash) are for the user of the
// computer alone: their folder is 0700 and their files 0600, made so when
// new and tightened when found wider. Only what the user owns is changed,
// and never through a link.
namespace privatefiles {

// Makes the folder (and the folders above it that are missing) and leaves
// it 0700.
bool makeFolder(const QString& folder);
// Makes an empty file 0600 where none is, and leaves an existing file of
// the user's 0600.
bool makeFile(const QString& file);
// Leaves an existing file of the user's 0600; nothing where none is.
void tighten(const QString& file);

} // namespace privatefiles
