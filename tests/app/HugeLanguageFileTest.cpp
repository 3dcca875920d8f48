// SPDX-License-Identifier: GPL-3.0-or-later
// Huge language files never hold the program up: a file far above the
// section reader's limit is scanned once per screen, and no text longer
// than a few thousand characters reaches a control or a dialog.
#include "app/MessageBoxDialogs.h"
#include "app/Startup.h"
#include "support/TestApp.h"

#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QTimer>
#include <QToolButton>

#include <time.h>

namespace {

// The time the program's own thread spends, in milliseconds. The walk is
// timed by it rather than by the wall clock, so that other programs
// sharing the computer (a parallel build) do not count against the
// program; waiting for the disk does not count either, but the files here
// are freshly written and read from memory.
class WorkClock
{
public:
    void start() { begin_ = now(); }
    qint64 restart()
    {
        const qint64 was = elapsed();
        start();
        return was;
    }
    qint64 elapsed() const { return (now() - begin_) / 1'000'000; }

private:
    static qint64 now()
    {
        timespec t{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
        return qint64(t.tv_sec) * 1'000'000'000 + t.tv_nsec;
    }
    qint64 begin_ = now();
};

// A second, as the child waits it. The sanitizer build runs every
// instruction of the program several times slower; there a step may take
// as many seconds, since it looks for faults, not for speed.
#if defined(__SANITIZE_ADDRESS__)
constexpr qint64 Second = 4000;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr qint64 Second = 4000;
#else
constexpr qint64 Second = 1000;
#endif
#else
constexpr qint64 Second = 1000;
#endif

// The program wired as main() wires it, with real message boxes, on a
// temporary program folder.
struct RealDialogsApp
{
    ScriptedRandom random;
    RecordingPlayer player;
    MessageBoxDialogs dialogs;
    FakeClock clock;
    QTemporaryDir folder;
    AppContext app{random, player, dialogs, clock, folder.path()};

    RealDialogsApp()
    {
        random.setFallback(0.37);
        app.quitProgram = [] {};
        registerScreens(app.navigator);
        dialogs.setWords([this](const QString& key) { return app.strings.getString(key); });
    }
    ~RealDialogsApp()
    {
        app.navigator.closeAll();
        TestApp::flush();
    }
};

// How long a menu command takes until its message box is on show, and the
// length of the box's text; the box is then answered No (or OK).
struct BoxTiming
{
    qint64 milliseconds = -1;
    qsizetype textLength = -1;
};

BoxTiming timeBox(QAction* command)
{
    auto timing = std::make_shared<BoxTiming>();
    WorkClock clock;
    clock.start();
    QTimer::singleShot(0, [timing, clock] {
        timing->milliseconds = clock.elapsed();
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        timing->textLength = box->text().size();
        box->button(box->button(QMessageBox::No) ? QMessageBox::No : QMessageBox::Ok)->click();
    });
    command->trigger();
    TestApp::flush();
    return *timing;
}

// A language file of some 30 MB: the shipped Italian texts after 30 MB of
// other lines, and before everything the exit question a megabyte long and
// every menu command's caption 300 KB long.
void writeHugeLanguage(const QString& path)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    auto huge = [](const QByteArray& word, int bytes) {
        QByteArray text = word;
        while (text.size() < bytes)
            text += ' ' + word;
        return text;
    };
    f.write("0007=\"" + huge("Vuoi uscire?", 1 << 20) + "\"\r\n");
    for (const char* key : {"0010", "0011", "0013", "mnuMassimo.Caption", "mnuNumeroMassimo.Caption",
                            "MenuNumeroMassimo.Caption", "mnuTabella.Caption", "MenuNumero.Caption"})
        f.write(QByteArray(key) + "=\"" + huge(key, 300 << 10) + "\"\r\n");
    QByteArray filler;
    for (int i = 0; filler.size() < (1 << 20); ++i)
        filler += "Form" + QByteArray::number(i % 97) + ".Label" + QByteArray::number(i) + ".Caption=\"altro testo\"\r\n";
    for (int i = 0; i < 30; ++i)
        f.write(filler);
    QFile shipped(QStringLiteral(CONTALANDIA_DATA_DIR "/Italiano.lng"));
    ASSERT_TRUE(shipped.open(QIODevice::ReadOnly));
    f.write(shipped.readAll());
}

// The walk a child makes: start, both menus, an exercise of each family,
// information, exit; every step within a second, every command of every
// bar in sight, and no dialog text beyond the shown length.
TEST(HugeLanguageFile, EveryScreenChangeAndDialogAnswersWithinASecond)
{
    RealDialogsApp t;
    writeHugeLanguage(QDir(t.folder.path()).filePath("Italiano.lng"));
    testfiles::writeBytes(QDir(t.folder.path()).filePath("LangSetting.ini"),
                          "[Language]\r\nCurrentLanguage=\"Italiano\"\r\n");

    WorkClock clock;
    clock.start();
    startProgram(t.app);
    TestApp::flush();
    EXPECT_LT(clock.elapsed(), Second) << "start";
    EXPECT_EQ(t.app.state.frameTexts.exitQuestion.size(), LanguageFiles::ShownTextLimit);
    EXPECT_EQ(t.app.state.numberWordsLanguage, WordsLanguage::Italian);

    const std::pair<const char*, int> walk[] = {
        {"FormMenu", 0},   {"FormMenuNumeri", 0}, {"FormScri", 9},      {"FormMenuNumeri", 0},
        {"FormCola", 0},   {"FormMenuGrafici", 0}, {"Form999a", 0},     {"Form999x", 0},
        {"Form100Trova2", 0}, {"FormGradi1", 0},   {"FormMenu", 0}};
    for (const auto& [name, variant] : walk) {
        SCOPED_TRACE(name);
        clock.restart();
        Screen* s = t.app.navigator.open(name, variant);
        TestApp::flush();
        ASSERT_TRUE(s);
        s->resize(1024, 768);
        QCoreApplication::sendPostedEvents();
        EXPECT_LT(clock.elapsed(), Second) << "opening";

        QMenuBar* bar = s->menuBar();
        const auto* more = bar->findChild<QToolButton*>(QStringLiteral("qt_menubar_ext_button"));
        EXPECT_TRUE(!more || more->isHidden()) << "commands moved into the bar's overflow";
        for (QAction* a : bar->actions())
            if (a->isVisible())
                EXPECT_TRUE(bar->rect().contains(bar->actionGeometry(a))) << control::key(a).toStdString();
        if (!s->control<QAction>("mnuEsci"))
            continue;
        for (const char* command : {"MenuInformazioni", "mnuEsci"}) {
            const BoxTiming box = timeBox(s->control<QAction>(command));
            EXPECT_GE(box.milliseconds, 0) << command;
            EXPECT_LT(box.milliseconds, Second) << command;
            EXPECT_LE(box.textLength, 4 * LanguageFiles::ShownTextLimit + 200) << command;
        }
    }
}

// The large file is read once for a screen: lookups made while the screen
// is open, message strings included, cost no further scan, and a change of
// the file is seen at once.
TEST(HugeLanguageFile, IsScannedOncePerScreen)
{
    TestApp t;
    t.random.setFallback(0.37);
    writeHugeLanguage(t.path("Italiano.lng"));
    t.writeSettings("Italiano");
    t.app.strings.getString(msg::RightLabel);
    t.open("FormCola");

    WorkClock clock;
    clock.start();
    for (int i = 0; i < 200; ++i)
        t.app.strings.getString(msg::hintKey(msg::HintFirst + i % 64));
    EXPECT_EQ(t.app.strings.getString(msg::ExitMenu).size(), LanguageFiles::ShownTextLimit);
    EXPECT_LT(clock.elapsed(), Second / 10);

    QFile f(t.path("Italiano.lng"));
    ASSERT_TRUE(f.open(QIODevice::Append));
    f.write("\r\n");
    f.close();
    testfiles::writeBytes(t.path("Small.lng"), "[Strings]\r\n0008=\"Giusto\"\r\n");
    QFile::remove(t.path("Italiano.lng"));
    QFile::rename(t.path("Small.lng"), t.path("Italiano.lng"));
    EXPECT_EQ(t.app.strings.getString(msg::RightLabel), "Giusto");
}

} // namespace
