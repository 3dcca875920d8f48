// Opening exercise screens the way the program does: from their menu,
// through the navigator, with the program's own language files beside it:
// create, load (translate, scale), show, activate and pose the first
// problem, close and discard the menu, and paint.
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

// A program folder holding the program's language files, Italian chosen.
struct ExerciseProgram
{
    QTemporaryDir dir;
    ClockRandomSource random;
    RecordingPlayer player;
    ScriptedDialogs dialogs;
    FakeClock clock;
    std::unique_ptr<AppContext> app;

    ExerciseProgram()
    {
        const QDir data(QStringLiteral(CONTALANDIA_DATA_DIR));
        for (const QString& f : data.entryList({QStringLiteral("*.lng")}, QDir::Files))
            QFile::copy(data.filePath(f), QDir(dir.path()).filePath(f));
        QFile settings(QDir(dir.path()).filePath(QStringLiteral("LangSetting.ini")));
        if (settings.open(QIODevice::WriteOnly))
            settings.write("[Language]\r\nCurrentLanguage=Italiano\r\n");
        app = std::make_unique<AppContext>(random, player, dialogs, clock, dir.path());
        registerScreens(app->navigator);
        app->strings.selectNumberWordsLanguage();
    }
    ~ExerciseProgram()
    {
        app->navigator.closeAll();
        settle();
    }
    void open(const QString& name)
    {
        app->navigator.open(name);
        settle();
    }
    static void settle()
    {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

// FormScri from FormMenuNumeri; the menu's own opening is not timed.
void BM_OpenFormScriFromItsMenu(benchmark::State& state)
{
    ensureApplication();
    ExerciseProgram p;
    p.app->state.exerciseType = static_cast<qint16>(state.range(0));
    const QString menu = QStringLiteral("FormMenuNumeri");
    const QString screen = QStringLiteral("FormScri");
    for (auto _ : state) {
        state.PauseTiming();
        p.open(menu);
        state.ResumeTiming();
        p.open(screen);
    }
}
// Mode 1 (words, the maximum-number menu shown) and mode 9 ("più 10").
BENCHMARK(BM_OpenFormScriFromItsMenu)->Arg(1)->Arg(9)->Unit(benchmark::kMillisecond);

} // namespace
