// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/DataFolder.h"
#include "app/FirstFrame.h"
#include "app/LibraryEntry.h"
#include "app/Fonts.h"
#include "app/MessageBoxDialogs.h"
#include "app/ScreenCatalog.h"
#include "app/SingleInstance.h"
#include "app/SoundService.h"
#include "app/StartupWarmUp.h"
#include "app/SteadyClock.h"
#include "services/Feedback.h"
#include "services/NumberWords.h"
#include "services/RandomSource.h"
#include "framework/AppContext.h"
#include "results/ResultsConfig.h"
#include "results/ResultsStore.h"
#include "framework/ChildStyle.h"
#include "app/Startup.h"

#include <QApplication>
#include <QDir>
#include <QSysInfo>
#include <QThreadPool>
#include <QIcon>
#include <QLoggingCategory>

#include <cstdio>
#include <cstdlib>

#ifndef CONTALANDIA_INSTALLED_DATA
#define CONTALANDIA_INSTALLED_DATA "../share/contalandia"
#endif
#ifndef CONTALANDIA_SOUND_LIBRARY
#define CONTALANDIA_SOUND_LIBRARY "libcontalandia_sound.so"
#endif
#ifndef CONTALANDIA_INSTALLED_SOUND_LIBRARY
#define CONTALANDIA_INSTALLED_SOUND_LIBRARY "../lib/contalandia/sound/libcontalandia_sound.so"
#endif
#ifndef CONTALANDIA_CHART_LIBRARY
#define CONTALANDIA_CHART_LIBRARY "libcontalandia_chart.so"
#endif
#ifndef CONTALANDIA_INSTALLED_CHART_LIBRARY
#define CONTALANDIA_INSTALLED_CHART_LIBRARY "../lib/contalandia/chart/libcontalandia_chart.so"
#endif

// Where the data was found, which language was read and where the sounds
// came from: shown with
// QT_LOGGING_RULES="contalandia.startup.info=true" (the package check uses it).
Q_LOGGING_CATEGORY(lcStartup, "contalandia.startup", QtWarningMsg)

namespace {

int run(int argc, char** argv)
{
    StartupWarmUp warmUp;
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("contalandia"));
    QApplication::setApplicationDisplayName(QStringLiteral("Contalandia"));
    QApplication::setDesktopFileName(QStringLiteral("org.contalandia.contalandia"));

    // A second copy leaves at once, without a word: the first one stays
    // as it was.
    SingleInstance instance;
    if (!instance.acquire())
        return 0;

    warmUp.wait();
    registerBundledFonts();
    QApplication::setStyle(new ChildStyle);

    ClockRandomSource random;
    // The sound library lies beside the program in a build, in the
    // program's own library folder once installed.
    const QString programFolder = QCoreApplication::applicationDirPath();
    SoundService player({programFolder + QStringLiteral("/" CONTALANDIA_SOUND_LIBRARY),
                         QDir::cleanPath(programFolder + QStringLiteral("/" CONTALANDIA_INSTALLED_SOUND_LIBRARY))});
    // The results screen's chart: its library is loaded when the screen
    // first asks for one.
    LibraryEntry chartLibrary({programFolder + QStringLiteral("/" CONTALANDIA_CHART_LIBRARY),
                               QDir::cleanPath(programFolder + QStringLiteral("/" CONTALANDIA_INSTALLED_CHART_LIBRARY))},
                              "contalandia_make_days_chart");
    MessageBoxDialogs dialogs;
    SteadyClock clock;
    const DataFolder data = findDataFolder(programFolder,
                                           QStringLiteral(CONTALANDIA_INSTALLED_DATA));
    // Every judged answer is kept here; made before the screens' context, so
    // that it outlives every screen and writes what they recorded.
    ResultsStore::Setup resultsSetup;
    resultsSetup.config = readResultsConfig();
    resultsSetup.computer = QSysInfo::machineHostName();
    resultsSetup.computerUser = computerUserName();
    resultsSetup.now = [&clock] { return clock.seconds(); };
    // The whole file is read for its check after the first frame (below):
    // 45 ms for 100 000 answers that every start would wait for.
    resultsSetup.wholeFileCheckLater = true;
    if (!resultsSetup.config.problem.isEmpty())
        qWarning("results: %s; results are kept on this computer", qPrintable(resultsSetup.config.problem));
    ResultsStore results(resultsSetup);
    AppContext app(random, player, dialogs, clock, data.path);
    // The voice lies in the sound library with the player: espeak-ng and its
    // voice data (the system's, or ESPEAK_DATA_PATH's) are read at the first
    // text said.
    app.speech.useVoice(&player);
    app.results = &results;
    app.strings.useUserSettings(userSettingsFile(), data.installed);
    // The administrator's defaults for every user ([Display]) lie in the
    // same machine-wide file as the results server's address.
    app.strings.useSystemSettings(resultsSettingsFiles().front());
    app.maximizedWindows = true;
    app.quitProgram = [] { QApplication::quit(); };
    app.makeDaysChart = [&chartLibrary]() -> DaysChart* {
        const bool first = !chartLibrary.tried();
        const auto make = reinterpret_cast<DaysChartMaker>(chartLibrary.get());
        if (first)
            qCInfo(lcStartup).noquote() << "chart library:"
                                        << (make ? chartLibrary.file() : QStringLiteral("none"));
        return make ? make() : nullptr;
    };
    registerScreens(app.navigator);
    dialogs.setWords([&app](const QString& key) { return app.strings.getString(key); });

    // What the start screen's first frame does not show comes right after
    // it: the window icon (drawn from its SVG by a plugin), the check of the
    // whole results file and the sounds.
    const auto icon = afterFirstFrame(
        [] { QApplication::setWindowIcon(QIcon(QStringLiteral(":/assets/contalandia.svg"))); });
    const auto resultsCheck = afterFirstFrame([&results] { results.checkWholeFile(); });
    player.loadAfterFirstFrame([&player] {
        qCInfo(lcStartup).noquote() << "sound library:"
                                    << (player.player() ? player.libraryFile() : QStringLiteral("none"));
    });
    startProgram(app);
    // The number words of the language in use: ICU reads its rules (up to
    // 10 ms for Italian) on a worker, so no screen with words waits for it.
    const auto numberWords = afterFirstFrame([language = app.state.wordsLanguage()] {
        QThreadPool::globalInstance()->start([language] { prepareNumberWords(language); });
    });
    qCInfo(lcStartup).noquote() << "data folder:" << data.path;
    qCInfo(lcStartup).noquote() << "language file:" << app.strings.languagePath()
                                << "number words:" << int(app.state.wordsLanguage());

    const int status = QApplication::exec();
    // The screens close and go first, while every service they use is
    // still there; the services then go in the reverse order of their making.
    app.navigator.closeAll();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    // The window is gone: a copy the child starts now starts, while this one
    // still writes what was recorded (and may wait up to 15 s for a results
    // server that hangs). The results file takes both programs at once.
    instance.release();
    return status;
}

} // namespace

int main(int argc, char** argv)
{
    const int status = run(argc, argv);
    // Everything of the program's is closed, written and gone by now. The
    // libraries' own static objects are not destroyed: Qt Multimedia's
    // sample cache, destroyed while its reader thread finishes a sound,
    // waits for that thread while holding the lock the thread needs, and
    // the process would never end (a sound read when the child quits right
    // after an answer), keeping its single-instance lock, so that the
    // program could not be started again.
    std::fflush(nullptr);
    std::_Exit(status);
}
