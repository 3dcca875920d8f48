// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QObject>
#include <functional>

class Clock;

// Shows a sequence of frames at a steady pace on the program's clock: frame
// 0 at once, frame i after i intervals, and one interval after the last
// frame the finishing step. Nothing
// waits in between: the screen paints and the processor sleeps. A screen
// owns its player (as a child), so a sequence stops when the screen goes;
// stop() or a new play() ends the one under way without finishing it.
class FramePlayer : public QObject
{
    Q_OBJECT
public:
    FramePlayer(Clock& clock, QObject* owner);

    void play(int frames, double interval, std::function<void(int frame)> show,
              std::function<void()> finished = {});
    void stop();
    bool isPlaying() const { return playing_; }

private:
    void step(unsigned run, int frame);

    Clock& clock_;
    unsigned run_ = 0;  // steps of an earlier run see a different number and do nothing
    bool playing_ = false;
    int frames_ = 0;
    double interval_ = 0;
    std::function<void(int)> show_;
    std::function<void()> finished_;
};
