// Opening the shell's screens the way the program does, through the
// navigator, with the program's own language files beside it: create, load
// (translate, scale), show, activate, close and discard the previous screen,
// and paint.
#include "app/ScreenCatalog.h"
#include "services/RandomSource.h"
#include "shell/AppContext.h"
#include "shell/Screen.h"
#include "support/Fakes.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <fstream>
#include <unistd.h>
#include <memory>

namespace {

void ensureApplication()
{
    if (QCoreApplication::instance())
        return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "contalandia_bench";
    static char* argv[] = {name, nullptr};
    new QApplication(argc, argv);
}

// A program folder holding the program's language files, English chosen.
struct ProgramFolder
{
    QTemporaryDir dir;
    ProgramFolder()
    {
        const QDir data(QStringLiteral(CONTALANDIA_DATA_DIR));
        for (const QString& f : data.entryList({QStringLiteral("*.lng")}, QDir::Files))
            QFile::copy(data.filePath(f), QDir(dir.path()).filePath(f));
        QFile settings(QDir(dir.path()).filePath(QStringLiteral("LangSetting.ini")));
        if (settings.open(QIODevice::WriteOnly))
            settings.write("[Language]\r\nCurrentLanguage=English\r\n");
    }
};

struct Program
{
    ProgramFolder folder;
    ClockRandomSource random;
    RecordingPlayer player;
    ScriptedDialogs dialogs;
    FakeClock clock;
    AppContext app{random, player, dialogs, clock, folder.dir.path()};
    Program()
    {
        registerScreens(app.navigator);
        app.strings.getString(QStringLiteral("0000"));
    }
    ~Program()
    {
        app.navigator.closeAll();
        settle();
    }
    void open(const QString& name)
    {
        app.navigator.open(name);
        settle();
    }
    static void settle()
    {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

void BM_OpenShellScreen(benchmark::State& state, const char* name)
{
    ensureApplication();
    Program p;
    const QString screen = QString::fromLatin1(name);
    for (auto _ : state)
        p.open(screen);
    state.SetLabel(name);
}
BENCHMARK_CAPTURE(BM_OpenShellScreen, FormAvvio, "FormAvvio")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_OpenShellScreen, FormMenu, "FormMenu")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_OpenShellScreen, FormMenuNumeri, "FormMenuNumeri")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_OpenShellScreen, FormMenuGrafici, "FormMenuGrafici")->Unit(benchmark::kMillisecond);

// Resident memory in KiB.
double residentKiB()
{
    std::ifstream statm("/proc/self/statm");
    long pages = 0, resident = 0;
    statm >> pages >> resident;
    return static_cast<double>(resident) * (sysconf(_SC_PAGESIZE) / 1024.0);
}

// The main menu opened 2000 times in a row: every opening discards the
// previous one, so resident memory must stay flat.
void BM_MainMenuOpenedRepeatedly(benchmark::State& state)
{
    ensureApplication();
    Program p;
    const QString menu = QStringLiteral("FormMenu");
    const int openings = static_cast<int>(state.range(0));
    for (auto _ : state) {
        p.open(menu);
        const double before = residentKiB();
        for (int i = 0; i < 100; ++i)
            p.open(menu);
        const double warm = residentKiB();
        for (int i = 100; i < openings; ++i)
            p.open(menu);
        const double after = residentKiB();
        state.counters["rss_before_KiB"] = before;
        state.counters["rss_after_KiB"] = after;
        state.counters["growth_KiB"] = after - before;
        state.counters["growth_after_100_KiB"] = after - warm;
    }
}
BENCHMARK(BM_MainMenuOpenedRepeatedly)->Arg(2000)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace
