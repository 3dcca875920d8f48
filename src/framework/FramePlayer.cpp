// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/FramePlayer.h"

#include "services/Platform.h"

FramePlayer::FramePlayer(Clock& clock, QObject* owner) : QObject(owner), clock_(clock) {}

void FramePlayer::play(int frames, double interval, std::function<void(int)> show, std::function<void()> finished)
{
    stop();
    frames_ = frames;
    interval_ = interval;
    show_ = std::move(show);
    finished_ = std::move(finished);
    playing_ = true;
    step(run_, 0);
}

void FramePlayer::stop()
{
    ++run_;
    playing_ = false;
}

void FramePlayer::step(unsigned run, int frame)
{
    if (run != run_)
        return;
    if (frame < frames_) {
        if (show_)
            show_(frame);
        // The frame's own work may have stopped or restarted the player.
        if (run != run_)
            return;
        clock_.after(this, interval_, [this, run, frame] { step(run, frame + 1); });
        return;
    }
    playing_ = false;
    ++run_;
    if (finished_) {
        // The finishing step may start the next sequence: it gets a copy.
        auto done = finished_;
        done();
    }
}
