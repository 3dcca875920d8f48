#include "app/Fonts.h"
#include "app/MessageBoxDialogs.h"
#include "app/ScreenCatalog.h"
#include "app/SingleInstance.h"
#include "app/SteadyClock.h"
#include "services/Feedback.h"
#include "services/QtSoundPlayer.h"
#include "services/RandomSource.h"
#include "framework/AppContext.h"
#include "framework/ChildStyle.h"
#include "app/Startup.h"

#include <QApplication>

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
    QApplication::setStyle(new ChildStyle);

    ClockRandomSource random;
    QtSoundPlayer player;
    MessageBoxDialogs dialogs;
    SteadyClock clock;
    AppContext app(random, player, dialogs, clock, QCoreApplication::applicationDirPath());
    app.maximizedWindows = true;
    app.quitProgram = [] { QApplication::quit(); };
    registerScreens(app.navigator);
    dialogs.setWords([&app](const QString& key) { return app.strings.getString(key); });

    startProgram(app);

    const int status = QApplication::exec();
    // The screens close and go first, while every service they use is
    // still there; the services then go in the reverse order of their making.
    app.navigator.closeAll();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return status;
}
