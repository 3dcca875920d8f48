// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures of every screen as a child sees it on a display of a given size,
// one PNG per screen, with the program's own language files and a fixed
// sequence of random fractions: two builds that look the same give the same
// pixels, so a change meant to leave the look alone can be checked picture
// by picture.
//
//   contalandia_screenshots OUT_DIR [--size 1280x800] [--language Italiano] [--large-text] [--only Form999a,FormScri_9]
//       writes OUT_DIR/<screen>.png for every registered screen,
//       OUT_DIR/FormScri_<mode>.png for each mode of the written-number screen,
//       and OUT_DIR/<screen>+<command>.png with the choice that a menu
//       command opens (the maximum number, how many numbers to order);
//       --large-text takes them with "Testo grande" ticked;
//   contalandia_screenshots --compare DIR_A DIR_B
//       compares the pictures of two such folders pixel by pixel; exits 1
//       when a picture differs or is missing on either side.
//
// The display is the offscreen platform's, made as large as --size asks, so
// every screen goes through its real start: created, loaded (translated,
// scaled to 75 % of the display), shown, activated over the whole display
// and given its first problem. Before each screen opens, the random source
// starts again from the same seed and never reseeds from the clock.
#include "app/Fonts.h"
#include "app/ScreenCatalog.h"
#include "app/Startup.h"
#include "framework/AppContext.h"
#include "services/QtDaysChart.h"
#include "framework/ChildStyle.h"
#include "framework/Screen.h"
#include "services/RandomSource.h"
#include "support/Fakes.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPixmap>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <cstdio>
#include <functional>
#include <memory>
#include <random>

namespace {

// The same fractions at every run; reseeding from the clock changes nothing.
class FixedRandom final : public RandomSource
{
public:
    explicit FixedRandom(std::uint64_t seed) : seed_(seed), engine_(seed) {}
    double fraction() override { return static_cast<double>(engine_() >> 11) * (1.0 / 9007199254740992.0); }
    void reseedFromClock() override {}
    void restart() { engine_.seed(seed_); }

private:
    std::uint64_t seed_;
    std::mt19937_64 engine_;
};

constexpr std::uint64_t Seed = 20240601;

// One picture: the file it goes to, the screen it shows and what the
// program sets before opening that screen.
struct Shot
{
    QString file;
    QString screen;
    int variant = 0;   // the menu's choice among screens of one design
};

// The written-number screen has twenty-one modes, each pictured on its
// own: the mode is the variant the numbers menu opens it with.
constexpr int WrittenNumberModes = 21;
const QString WrittenNumberScreen = QStringLiteral("FormScri");

QList<Shot> shotsOf(const Navigator& navigator)
{
    QStringList names = navigator.screenNames();
    names.sort();
    QList<Shot> shots;
    for (const QString& name : std::as_const(names)) {
        if (name != WrittenNumberScreen) {
            shots.push_back({name, name});
            continue;
        }
        for (int mode = 1; mode <= WrittenNumberModes; ++mode)
            shots.push_back({QStringLiteral("%1_%2").arg(name).arg(mode), name, mode});
    }
    return shots;
}

// Menu commands that open a choice of options over the screen: the
// maximum number under its three design names, and how many numbers to order.
const QStringList ChoiceCommands = {QStringLiteral("MenuNumeroMassimo"), QStringLiteral("mnuMassimo"),
                                    QStringLiteral("mnuNumeroMassimo"), QStringLiteral("MenuQuantiNumeri")};

// A program folder with the shipped language files, one of them chosen.
bool fillProgramFolder(const QString& folder, const QString& language, bool largeText)
{
    const QDir data(QStringLiteral(CONTALANDIA_DATA_DIR));
    const QStringList files = data.entryList({QStringLiteral("*.lng")}, QDir::Files);
    if (!files.contains(language + QStringLiteral(".lng"))) {
        std::fprintf(stderr, "no language file %s.lng in %s\n", qPrintable(language), qPrintable(data.path()));
        return false;
    }
    for (const QString& f : files)
        QFile::copy(data.filePath(f), QDir(folder).filePath(f));
    QFile settings(QDir(folder).filePath(QStringLiteral("LangSetting.ini")));
    if (!settings.open(QIODevice::WriteOnly))
        return false;
    settings.write(QStringLiteral("[Language]\r\nCurrentLanguage=%1\r\n").arg(language).toUtf8());
    if (largeText)
        settings.write("[Display]\r\nLargeText=1\r\n");
    return true;
}

void settle()
{
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

// Every screen from a fresh start of the program: its state, counts and
// largest number as after start-up, the start screen shown first.
int takePictures(const QString& outDir, const QString& language, const QStringList& only, bool largeText)
{
    QTemporaryDir folder;
    if (!folder.isValid() || !fillProgramFolder(folder.path(), language, largeText) || !QDir().mkpath(outDir))
        return 2;

    QList<Shot> shots;
    {
        FixedRandom random(Seed);
        RecordingPlayer player;
        ScriptedDialogs dialogs;
        FakeClock clock;
        AppContext app(random, player, dialogs, clock, folder.path());
        registerScreens(app.navigator);
        shots = shotsOf(app.navigator);
    }

    int written = 0;
    for (const Shot& shot : std::as_const(shots)) {
        if (!only.isEmpty() && !only.contains(shot.file))
            continue;
        FixedRandom random(Seed);
        RecordingPlayer player;
        ScriptedDialogs dialogs;
        FakeClock clock;
        AppContext app(random, player, dialogs, clock, folder.path());
        app.quitProgram = [] {};
        app.makeDaysChart = [] { return new QtDaysChart; };
        registerScreens(app.navigator);
        startProgram(app);
        settle();
        random.restart();
        Screen* screen = app.navigator.open(shot.screen, shot.variant);
        settle();
        if (!screen) {
            std::fprintf(stderr, "%s: the screen did not open\n", qPrintable(shot.file));
            return 2;
        }
        const QString path = QDir(outDir).filePath(shot.file + QStringLiteral(".png"));
        if (!screen->grab().save(path)) {
            std::fprintf(stderr, "%s: cannot write\n", qPrintable(path));
            return 2;
        }
        ++written;
        // The choices a menu command opens over the screen, as the child
        // sees them: one picture more per command on show.
        for (const QString& command : ChoiceCommands) {
            auto* action = screen->control<QAction>(command);
            if (!action || !action->isVisible())
                continue;
            action->trigger();
            settle();
            const QString choice = QDir(outDir).filePath(shot.file + u'+' + command + QStringLiteral(".png"));
            if (!screen->grab().save(choice)) {
                std::fprintf(stderr, "%s: cannot write\n", qPrintable(choice));
                return 2;
            }
            ++written;
        }
        app.navigator.closeAll();
        settle();
    }
    std::printf("%d pictures in %s\n", written, qPrintable(outDir));
    return written > 0 ? 0 : 2;
}

int comparePictures(const QString& dirA, const QString& dirB)
{
    const QStringList filter{QStringLiteral("*.png")};
    QStringList names = QDir(dirA).entryList(filter, QDir::Files);
    for (const QString& n : QDir(dirB).entryList(filter, QDir::Files))
        if (!names.contains(n))
            names.push_back(n);
    names.sort();
    int same = 0;
    int different = 0;
    for (const QString& n : std::as_const(names)) {
        const QImage a(QDir(dirA).filePath(n));
        const QImage b(QDir(dirB).filePath(n));
        if (a.isNull() || b.isNull()) {
            std::printf("%s: missing in %s\n", qPrintable(n), qPrintable(a.isNull() ? dirA : dirB));
            ++different;
            continue;
        }
        if (a.size() != b.size()) {
            std::printf("%s: %dx%d against %dx%d\n", qPrintable(n), a.width(), a.height(), b.width(), b.height());
            ++different;
            continue;
        }
        const QImage ca = a.convertToFormat(QImage::Format_ARGB32);
        const QImage cb = b.convertToFormat(QImage::Format_ARGB32);
        long pixels = 0;
        QRect where;
        for (int y = 0; y < ca.height(); ++y) {
            const auto* la = reinterpret_cast<const QRgb*>(ca.constScanLine(y));
            const auto* lb = reinterpret_cast<const QRgb*>(cb.constScanLine(y));
            for (int x = 0; x < ca.width(); ++x)
                if (la[x] != lb[x]) {
                    ++pixels;
                    where |= QRect(x, y, 1, 1);
                }
        }
        if (pixels == 0) {
            ++same;
            continue;
        }
        ++different;
        std::printf("%s: %ld pixels differ, within x %d..%d, y %d..%d\n", qPrintable(n), pixels, where.left(),
                    where.right(), where.top(), where.bottom());
    }
    std::printf("%d identical, %d different\n", same, different);
    return different == 0 && same > 0 ? 0 : 1;
}

bool parseSize(const QString& text, QSize& size)
{
    const QRegularExpressionMatch m = QRegularExpression(QStringLiteral("^(\\d+)x(\\d+)$")).match(text);
    if (!m.hasMatch())
        return false;
    size = QSize(m.captured(1).toInt(), m.captured(2).toInt());
    return size.width() > 0 && size.height() > 0;
}

// The offscreen platform with one display of the given size.
bool useOffscreenDisplay(const QSize& size, QTemporaryDir& dir)
{
    const QString config = dir.filePath(QStringLiteral("display.json"));
    QFile f(config);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    f.write(QStringLiteral("{\"screens\": [{\"name\": \"display\", \"x\": 0, \"y\": 0, \"width\": %1, "
                           "\"height\": %2, \"logicalDpi\": 96, \"logicalBaseDpi\": 96, \"dpr\": 1}]}")
                .arg(size.width())
                .arg(size.height())
                .toUtf8());
    f.close();
    qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + config).toLocal8Bit());
    return true;
}

// The offscreen platform says on every window that it cannot pass size
// hints on; nothing to see there.
QtMessageHandler standardHandler = nullptr;

void quietPlatform(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (message.contains(QLatin1String("propagateSizeHints")))
        return;
    if (standardHandler)
        standardHandler(type, context, message);
    else
        std::fprintf(stderr, "%s\n", qPrintable(message));
}

int usage()
{
    std::fprintf(stderr,
                 "usage: contalandia_screenshots OUT_DIR [--size WxH] [--language NAME] [--large-text] [--only A,B,...]\n"
                 "       contalandia_screenshots --compare DIR_A DIR_B\n");
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);

    if (args.value(0) == QLatin1String("--compare")) {
        if (args.size() != 3)
            return usage();
        QCoreApplication app(argc, argv);
        return comparePictures(args[1], args[2]);
    }

    QString outDir;
    QSize size(1280, 800);
    QString language = QStringLiteral("Italiano");
    QStringList only;
    bool largeText = false;
    for (int i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        if (a == QLatin1String("--size") && i + 1 < args.size()) {
            if (!parseSize(args[++i], size))
                return usage();
        } else if (a == QLatin1String("--language") && i + 1 < args.size()) {
            language = args[++i];
        } else if (a == QLatin1String("--large-text")) {
            largeText = true;
        } else if (a == QLatin1String("--only") && i + 1 < args.size()) {
            only = args[++i].split(u',', Qt::SkipEmptyParts);
        } else if (!a.startsWith(QLatin1String("--")) && outDir.isEmpty()) {
            outDir = a;
        } else {
            return usage();
        }
    }
    if (outDir.isEmpty())
        return usage();

    QTemporaryDir platformDir;
    if (!platformDir.isValid() || !useOffscreenDisplay(size, platformDir))
        return 2;
    qputenv("QT_LOGGING_RULES", "qt.qpa.*=false");
    standardHandler = qInstallMessageHandler(quietPlatform);
    QApplication app(argc, argv);
    // The program's letters and look, as main() sets them; a steady caret,
    // so that a picture does not depend on the moment it is taken.
    registerBundledFonts();
    QApplication::setStyle(new ChildStyle);
    QApplication::setCursorFlashTime(0);
    return takePictures(outDir, language, only, largeText);
}
