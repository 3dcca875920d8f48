// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <thread>

// Work the first window needs that needs no window system, done on a thread
// of its own while QApplication connects to the display (which keeps the
// main thread busy for a fifth of the start): fontconfig reads its
// configuration and its font caches, which the first text drawn waits
// for, and Qt's SQLite driver is loaded and linked, which the results
// store opens this computer's database with before the start screen.
// Nothing is shown or changed: the main thread later finds both ready.
//
// Made first thing in main(), before QApplication; `wait()` is called
// before the fonts are registered, and the destructor waits too.
class StartupWarmUp
{
public:
    StartupWarmUp();
    ~StartupWarmUp();
    StartupWarmUp(const StartupWarmUp&) = delete;
    StartupWarmUp& operator=(const StartupWarmUp&) = delete;

    // Returns once the work is done.
    void wait();

private:
    std::thread thread_;
};
