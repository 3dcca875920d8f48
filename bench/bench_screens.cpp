// SPDX-License-Identifier: GPL-3.0-or-later
// Opening screens the way the program does, through the navigator, with the
// program's own language files beside it: create, load (translate, scale),
// show, activate and pose the first problem, close and discard the previous
// screen, and paint.
#include "app/ScreenCatalog.h"
#include "services/RandomSource.h"
#include "framework/AppContext.h"
#include "services/QtDaysChart.h"
#include "framework/CellGrid.h"
#include "framework/Controls.h"
#include "framework/Screen.h"
#include "services/Feedback.h"
#include "support/Fakes.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <fstream>
#include <unistd.h>

namespace {

// A hundred-cell table with a new colour and number in every cell at each
// opening: what the framework costs a table screen, without its rules.
class HundredCells : public Screen
{
public:
    explicit HundredCells(AppContext& app) : Screen(app, QStringLiteral("FormCentoCelle"), 9000, 6500)
    {
        CellGrid::Layout l;
        l.name = QStringLiteral("Cella");
        l.origin = {600, 600};
        l.cell = {500, 500};
        l.pitch = {540, 540};
        l.font = designFont(QStringLiteral("Arial"), 9.75);
        grid_ = new CellGrid(*this, l);
    }

protected:
    void onActivate() override
    {
        randomBackground();
        for (int i = 0; i < grid_->count(); ++i) {
            Cell* c = grid_->cell(i);
            c->setFill(randomColour(app().random));
            c->setText(QString::number(100 + i));
            c->setAccessibleName(c->text());
        }
    }

private:
    CellGrid* grid_;
};

// A program folder holding the program's language files, one of them chosen.
struct Program
{
    QTemporaryDir dir;
    ClockRandomSource random;
    RecordingPlayer player;
    ScriptedDialogs dialogs;
    FakeClock clock;
    std::unique_ptr<AppContext> app;

    explicit Program(const char* language = "Italiano")
    {
        const QDir data(QStringLiteral(CONTALANDIA_DATA_DIR));
        for (const QString& f : data.entryList({QStringLiteral("*.lng")}, QDir::Files))
            QFile::copy(data.filePath(f), QDir(dir.path()).filePath(f));
        QFile settings(QDir(dir.path()).filePath(QStringLiteral("LangSetting.ini")));
        if (settings.open(QIODevice::WriteOnly))
            settings.write(QByteArray("[Language]\r\nCurrentLanguage=") + language + "\r\n");
        app = std::make_unique<AppContext>(random, player, dialogs, clock, dir.path());
        registerScreens(app->navigator);
        app->makeDaysChart = [] { return new QtDaysChart; };
        app->navigator.add(QStringLiteral("FormCentoCelle"), [](AppContext& a) -> Screen* { return new HundredCells(a); });
        app->state.numberWordsLanguage = app->strings.numberWordsLanguage();
    }
    ~Program()
    {
        app->navigator.closeAll();
        settle();
    }
    void open(const QString& name, int variant = 0)
    {
        app->navigator.open(name, variant);
        settle();
    }
    static void settle()
    {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

// Resident memory in KiB.
double residentKiB()
{
    std::ifstream statm("/proc/self/statm");
    long pages = 0, resident = 0;
    statm >> pages >> resident;
    return static_cast<double>(resident) * (sysconf(_SC_PAGESIZE) / 1024.0);
}

// A screen opened from the screen that leads to it; only its own opening is
// timed.
void BM_OpenScreen(benchmark::State& state, const char* from, const char* name, int exerciseType)
{
    Program p;
    const QString previous = QString::fromLatin1(from);
    const QString screen = QString::fromLatin1(name);
    for (auto _ : state) {
        state.PauseTiming();
        p.open(previous);
        state.ResumeTiming();
        p.open(screen, exerciseType);
    }
}
BENCHMARK_CAPTURE(BM_OpenScreen, StartScreen, "FormMenu", "FormAvvio", 0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_OpenScreen, MainMenu, "FormAvvio", "FormMenu", 0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_OpenScreen, NumbersMenu, "FormMenu", "FormMenuNumeri", 0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_OpenScreen, PicturesMenu, "FormMenu", "FormMenuGrafici", 0)->Unit(benchmark::kMillisecond);
// Mode 1 shows the words and the maximum-number menu; mode 9 is "più 10".
BENCHMARK_CAPTURE(BM_OpenScreen, FormScri_1, "FormMenuNumeri", "FormScri", 1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_OpenScreen, FormScri_9, "FormMenuNumeri", "FormScri", 9)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_OpenScreen, DigitsToWordsScreen, "FormMenuNumeri", "FormScri2", 0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_OpenScreen, ComparisonScreen, "FormMenuNumeri", "FormMM", 0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_OpenScreen, OrderingScreen, "FormMenuNumeri", "FormOrd", 0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_OpenScreen, Form999sem, "FormMenuGrafici", "Form999sem", 0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_OpenScreen, Form999a, "FormMenuGrafici", "Form999a", 0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_OpenScreen, Form999b, "FormMenuGrafici", "Form999b", 0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_OpenScreen, Form999b1, "FormMenuGrafici", "Form999b1", 0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_OpenScreen, Form999c, "FormMenuGrafici", "Form999c", 0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_OpenScreen, Form999c1, "FormMenuGrafici", "Form999c1", 0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_OpenScreen, Form999c2, "FormMenuGrafici", "Form999c2", 0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_OpenScreen, Form999c3, "FormMenuGrafici", "Form999c3", 0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_OpenScreen, Form999d, "FormMenuGrafici", "Form999d", 0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_OpenScreen, Form999d1, "FormMenuGrafici", "Form999d1", 0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_OpenScreen, Form999d2, "FormMenuGrafici", "Form999d2", 0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_OpenScreen, Form999d3, "FormMenuGrafici", "Form999d3", 0)->Unit(benchmark::kMillisecond);
// The column screens: four additions, four subtractions.
BENCHMARK_CAPTURE(BM_OpenScreen, FormCola, "FormMenuNumeri", "FormCola", 0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_OpenScreen, FormColc, "FormMenuNumeri", "FormColc", 0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_OpenScreen, FormColD, "FormMenuNumeri", "FormColD", 0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_OpenScreen, FormColb, "FormMenuNumeri", "FormColb", 0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_OpenScreen, Form33, "FormMenuNumeri", "Form33", 0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_OpenScreen, Form36, "FormMenuNumeri", "Form36", 0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_OpenScreen, Form37, "FormMenuNumeri", "Form37", 0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_OpenScreen, Form34, "FormMenuNumeri", "Form34", 0)->Unit(benchmark::kMillisecond);
// The hundred tables and squares: a hundred painted cells each.
BENCHMARK_CAPTURE(BM_OpenScreen, Form100Trova2, "FormMenuGrafici", "Form100Trova2", 0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_OpenScreen, Form100Ricon2, "FormMenuGrafici", "Form100Ricon2", 0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_OpenScreen, FormC100, "FormMenuGrafici", "FormC100", 0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_OpenScreen, Form100g, "FormMenuGrafici", "Form100g", 0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_OpenScreen, Form500g, "FormMenuGrafici", "Form500g", 0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_OpenScreen, Form999x, "FormMenuGrafici", "Form999x", 0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_OpenScreen, Form999y, "FormMenuGrafici", "Form999y", 0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_OpenScreen, Form999z, "FormMenuGrafici", "Form999z", 0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_OpenScreen, HundredCells, "FormMenuGrafici", "FormCentoCelle", 0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_OpenScreen, FormGradi1, "FormMenuGrafici", "FormGradi1", 0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_OpenScreen, FormGradi2, "FormMenuGrafici", "FormGradi2", 0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_OpenScreen, FormGradi3, "FormMenuGrafici", "FormGradi3", 0)->Unit(benchmark::kMillisecond);

// A screen and its menu opened in turn 2000 times: every opening discards
// the previous screen, so resident memory must stay flat.
void BM_OpenedRepeatedly(benchmark::State& state, const char* from, const char* name)
{
    Program p;
    const QString previous = QString::fromLatin1(from);
    const QString screen = QString::fromLatin1(name);
    const int openings = static_cast<int>(state.range(0));
    auto round = [&] {
        p.open(previous);
        p.open(screen);
    };
    for (auto _ : state) {
        round();
        const double before = residentKiB();
        for (int i = 0; i < 100; ++i)
            round();
        const double warm = residentKiB();
        for (int i = 100; i < openings; ++i)
            round();
        const double after = residentKiB();
        state.counters["rss_before_KiB"] = before;
        state.counters["rss_after_KiB"] = after;
        state.counters["growth_KiB"] = after - before;
        state.counters["growth_after_100_KiB"] = after - warm;
    }
}
BENCHMARK_CAPTURE(BM_OpenedRepeatedly, MainMenu, "FormAvvio", "FormMenu")
    ->Arg(2000)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_OpenedRepeatedly, WrittenNumberScreen, "FormMenuNumeri", "FormScri")
    ->Arg(2000)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_OpenedRepeatedly, OrderingScreen, "FormMenuNumeri", "FormOrd")
    ->Arg(2000)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_OpenedRepeatedly, Form999c1, "FormMenuGrafici", "Form999c1")
    ->Arg(2000)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_OpenedRepeatedly, FormColb, "FormMenuNumeri", "FormColb")
    ->Arg(2000)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_OpenedRepeatedly, Form37, "FormMenuNumeri", "Form37")
    ->Arg(2000)->Iterations(1)->Unit(benchmark::kMillisecond);
// A new background colour at every opening, on a hundred cells.
BENCHMARK_CAPTURE(BM_OpenedRepeatedly, Form100Trova2, "FormMenuGrafici", "Form100Trova2")
    ->Arg(2000)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_OpenedRepeatedly, FormC100, "FormMenuGrafici", "FormC100")
    ->Arg(2000)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_OpenedRepeatedly, Form500g, "FormMenuGrafici", "Form500g")
    ->Arg(2000)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_OpenedRepeatedly, Form999x, "FormMenuGrafici", "Form999x")
    ->Arg(2000)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_OpenedRepeatedly, Form999z, "FormMenuGrafici", "Form999z")
    ->Arg(2000)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_OpenedRepeatedly, HundredCells, "FormMenuGrafici", "FormCentoCelle")
    ->Arg(2000)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_OpenedRepeatedly, FormGradi3, "FormMenuGrafici", "FormGradi3")
    ->Arg(2000)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace
