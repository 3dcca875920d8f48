// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/DataFolder.h"
#include "app/Fonts.h"
#include "app/MessageBoxDialogs.h"
#include "app/ScreenCatalog.h"
#include "app/SingleInstance.h"
#include "app/SteadyClock.h"
#include "services/Feedback.h"
#include "services/QtSoundPlayer.h"
#include "services/RandomSource.h"
#include "framework/AppContext.h"
#include "results/ResultsStore.h"
#include "framework/ChildStyle.h"
#include "app/Startup.h"

#include <QApplication>
#include <QSysInfo>
#include <QIcon>
#include <QLoggingCategory>

#ifndef CONTALANDIA_INSTALLED_DATA
#define CONTALANDIA_INSTALLED_DATA "../share/contalandia"
#endif

// Where the data was found and which language was read: shown with
// QT_LOGGING_RULES="contalandia.startup.info=true" (the package check uses it).
Q_LOGGING_CATEGORY(lcStartup, "contalandia.startup", QtWarningMsg)

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("contalandia"));
    QApplication::setApplicationDisplayName(QStringLiteral("Contalandia"));
    QApplication::setDesktopFileName(QStringLiteral("org.contalandia.contalandia"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/assets/contalandia.svg")));

    // A second copy leaves at once, without a word: the first one stays
    // as it was.
    SingleInstance instance;
    if (!instance.acquire())
        return 0;

    registerBundledFonts();
    QApplication::setStyle(new ChildStyle);

    ClockRandomSource random;
    QtSoundPlayer player;
    MessageBoxDialogs dialogs;
    SteadyClock clock;
    const DataFolder data = findDataFolder(QCoreApplication::applicationDirPath(),
                                           QStringLiteral(CONTALANDIA_INSTALLED_DATA));
    // Every judged answer is kept here; made before the screens' context, so
    // that it outlives every screen and writes what they recorded.
    ResultsStore::Setup resultsSetup;
    resultsSetup.config = readResultsConfig();
    resultsSetup.computer = QSysInfo::machineHostName();
    resultsSetup.computerUser = computerUserName();
    resultsSetup.now = [&clock] { return clock.seconds(); };
    if (!resultsSetup.config.problem.isEmpty())
        qWarning("results: %s; results are kept on this computer", qPrintable(resultsSetup.config.problem));
    ResultsStore results(resultsSetup);
    AppContext app(random, player, dialogs, clock, data.path);
    app.results = &results;
    app.strings.useUserSettings(userSettingsFile(), data.installed);
    app.maximizedWindows = true;
    app.quitProgram = [] { QApplication::quit(); };
    registerScreens(app.navigator);
    dialogs.setWords([&app](const QString& key) { return app.strings.getString(key); });

    startProgram(app);
    qCInfo(lcStartup).noquote() << "data folder:" << data.path;
    qCInfo(lcStartup).noquote() << "language file:" << app.strings.languagePath()
                                << "number words:" << int(app.state.wordsLanguage());

    const int status = QApplication::exec();
    // The screens close and go first, while every service they use is
    // still there; the services then go in the reverse order of their making.
    app.navigator.closeAll();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return status;
}
