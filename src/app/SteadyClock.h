// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "services/Platform.h"

#include <QElapsedTimer>

// Elapsed time from a monotonic clock, so a wait never goes wrong across
// midnight or a change of the time of day. Timed steps are single-shot
// timers of the event loop tied to their owner: the processor sleeps while
// the time passes, and nothing runs for an owner that has been destroyed.
class SteadyClock final : public Clock
{
public:
    SteadyClock();
    double seconds() const override;
    void after(QObject* owner, double seconds, std::function<void()> step) override;

private:
    QElapsedTimer timer_;
};
