// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QObject>
#include <functional>
#include <memory>

// Work that the first frame does not need (the sound library, the window
// icon) is done right after it: `task` runs once from the event loop, just
// after the first paint of any window of the program is finished. Nothing
// runs once the returned watch is deleted.
std::unique_ptr<QObject> afterFirstFrame(std::function<void()> task);
