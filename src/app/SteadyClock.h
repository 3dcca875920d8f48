#pragma once
#include "services/Platform.h"

#include <QElapsedTimer>

// Elapsed time from a monotonic clock. A pause waits in a local event loop,
// so the screen keeps painting and answering while the time passes and no
// processor time is burnt.
class SteadyClock final : public Clock
{
public:
    SteadyClock();
    double seconds() const override;
    void pause(double seconds) override;

private:
    QElapsedTimer timer_;
};
