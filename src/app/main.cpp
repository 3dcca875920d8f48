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
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {

QString qtLanguageName(const QString& numberWordsLanguage)
{
    static const char* const names[] = {"it", "en", "fr", "de", "es", "sq"};
    const int code = numberWordsLanguage.trimmed().toInt();
    return code >= 1 && code <= 6 ? QString::fromLatin1(names[code - 1]) : QLocale::system().name();
}

} // namespace

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

    startProgram(app);

    // The buttons of the message boxes (Yes, No, OK) speak the language that
    // the language file names at start-up, else the system's, when Qt's own
    // translations are installed.
    QTranslator qtTexts;
    if (qtTexts.load(QLocale(qtLanguageName(app.state.numberWordsLanguage)), QStringLiteral("qtbase"),
                     QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTexts);
    return QApplication::exec();
}
