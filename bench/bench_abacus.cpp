// SPDX-License-Identifier: GPL-3.0-or-later
// The blinking of an abacus exchange on the program's real clock: the
// frames come from timers, so the processor should sleep between them.
#include "app/ScreenCatalog.h"
#include "app/SteadyClock.h"
#include "exercises/abacus/AbacusScreen.h"
#include "exercises/abacus/BeadButton.h"
#include "framework/AppContext.h"
#include "support/Fakes.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <ctime>

namespace {

double processSeconds()
{
    timespec ts{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return ts.tv_sec + ts.tv_nsec / 1e9;
}

// One exchange on screen, from the click to the end of the blinking; the
// counter cpu_percent is the processor time over the wall time.
void BM_ExchangeBlinking(benchmark::State& state, const char* screenName, const char* sourceButton,
                         int beadsOnSource)
{
    QTemporaryDir dir;
    ClockRandomSource random;
    RecordingPlayer player;
    ScriptedDialogs dialogs;
    SteadyClock clock;
    AppContext app(random, player, dialogs, clock, dir.path());
    registerScreens(app.navigator);
    const bool up = QByteArray(screenName).startsWith("Form999c");
    const QString source = QString::fromLatin1(up ? "Bot_u" : "Bot_da");
    for (auto _ : state) {
        state.PauseTiming();
        auto* screen = qobject_cast<AbacusScreen*>(app.navigator.open(QString::fromLatin1(screenName)));
        QCoreApplication::processEvents();
        for (int i = 0; i < beadsOnSource; ++i) {
            if (up)
                emit screen->control<BeadButton>(source)->beadWanted(true);
            else
                screen->control<QPushButton>(source)->click();
        }
        state.ResumeTiming();
        QElapsedTimer wall;
        wall.start();
        const double cpu = processSeconds();
        screen->control<QPushButton>(QString::fromLatin1(sourceButton))->click();
        while (screen->exchangePlaying())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        state.counters["cpu_percent"] = 100.0 * (processSeconds() - cpu) / (wall.nsecsElapsed() / 1e9);
        state.counters["wall_s"] = wall.nsecsElapsed() / 1e9;
    }
    app.navigator.closeAll();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
BENCHMARK_CAPTURE(BM_ExchangeBlinking, Form999c1_units, "Form999c1", "BottoneCambio", 12)
    ->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ExchangeBlinking, Form999d1_tens, "Form999d1", "BottoneCambio", 3)
    ->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace
