// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "services/NumberWords.h"

#include <QString>
#include <functional>

class QObject;

// The program reaches the outside world only through these interfaces (and
// the message boxes of framework/Dialogs.h),
// created once in main() and replaced by recorders and scripted answers in
// the tests.

// Plays WAV files without waiting; a new sound stops the one still playing.
// A missing or unreadable file plays nothing and reports nothing.
class SoundPlayer
{
public:
    virtual ~SoundPlayer() = default;
    virtual void play(const QString& wavPath) = 0;
    // The system alert, independent of the sounds switch.
    virtual void beep() = 0;
};

// Says a text aloud in one of the six languages, without waiting: a new
// text cuts off the one still being said. A voice that cannot speak (no
// voice data, no sound device) stays silent and reports nothing.
class Voice
{
public:
    enum class When {
        Now,         // at once
        AfterSound,  // once the sound now playing (the praise) has ended
    };
    virtual ~Voice() = default;
    virtual void say(const QString& text, WordsLanguage language, When when) = 0;
    // Silence: the text being said, or waiting to be said, is dropped.
    virtual void stop() = 0;
};

// Elapsed time, and work to do later. Nothing ever waits: a timed step is
// a function the clock runs after some seconds, for an owner; once the owner
// is gone it does not run. The program's clock runs it from a timer of the
// event loop; the tests' clock runs it when the test moves time forward.
class Clock
{
public:
    virtual ~Clock() = default;
    virtual double seconds() const = 0;
    virtual void after(QObject* owner, double seconds, std::function<void()> step) = 0;
};
