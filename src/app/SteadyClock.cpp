// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/SteadyClock.h"

#include <QTimer>
#include <cmath>

SteadyClock::SteadyClock()
{
    timer_.start();
}

double SteadyClock::seconds() const
{
    return timer_.nsecsElapsed() / 1e9;
}

void SteadyClock::after(QObject* owner, double seconds, std::function<void()> step)
{
    if (!owner || !step)
        return;
    const int ms = seconds > 0 ? static_cast<int>(std::ceil(seconds * 1000)) : 0;
    QTimer::singleShot(ms, Qt::PreciseTimer, owner, std::move(step));
}
