#include "app/Fonts.h"
#include "app/MessageBoxDialogs.h"
#include "app/ScreenCatalog.h"
#include "app/SingleInstance.h"
#include "app/SteadyClock.h"
#include "services/Feedback.h"
#include "services/QtSoundPlayer.h"
#include "services/RandomSource.h"
#include "shell/AppContext.h"
#include "shell/Startup.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("contalandia"));
    QApplication::setApplicationDisplayName(QStringLiteral("Contalandia"));

    // A second copy leaves at once, without a word: the first one stays
    // as it was.
    SingleInstance instance;
    if (!instance.acquire())
        return 0;

    registerBundledFonts();
    // The buttons of the message boxes (Yes, No, OK) speak the language of
    // the system, when Qt's own translations are installed.
    QTranslator qtTexts;
    if (qtTexts.load(QLocale::system(), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTexts);

    ClockRandomSource random;
    QtSoundPlayer player;
    MessageBoxDialogs dialogs;
    SteadyClock clock;
    AppContext app(random, player, dialogs, clock, QCoreApplication::applicationDirPath());
    app.fullScreen = true;
    app.quitProgram = [] { QApplication::quit(); };
    registerScreens(app.navigator);

    startProgram(app);
    return QApplication::exec();
}
