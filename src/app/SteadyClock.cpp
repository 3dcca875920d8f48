#include "app/SteadyClock.h"

#include <QEventLoop>
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

void SteadyClock::pause(double seconds)
{
    if (!(seconds > 0))
        return;
    QEventLoop loop;
    QTimer::singleShot(static_cast<int>(std::ceil(seconds * 1000)), Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
}
