// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/SoundService.h"
#include "services/QtSoundPlayer.h"
#include "support/TestApp.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

namespace {

// Counts every paint of the program, to tell what happened before the first
// frame.
class PaintCounter final : public QObject
{
public:
    int paints = 0;
    PaintCounter() { qApp->installEventFilter(this); }
    ~PaintCounter() override { qApp->removeEventFilter(this); }
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        paints += event->type() == QEvent::Paint;
        return QObject::eventFilter(watched, event);
    }
};

// A service whose player records, with how often it was made and how many
// paints had happened by then.
struct RecordingService
{
    RecordingPlayer* player = nullptr;
    int made = 0;
    int paintsWhenMade = -1;
    PaintCounter counter;
    std::unique_ptr<SoundService> service = std::make_unique<SoundService>([this] {
        ++made;
        paintsWhenMade = counter.paints;
        auto p = std::make_unique<RecordingPlayer>();
        player = p.get();
        return std::unique_ptr<SoundPlayer>(std::move(p));
    });
};

const QString deliveredSound = QStringLiteral(CONTALANDIA_DATA_DIR "/suoni/si1.wav");

TEST(SoundService, MadeRightAfterTheFirstFrameOfTheStartScreen)
{
    TestApp t;
    t.random.setFallback(0.0);
    RecordingService s;
    int told = 0;
    s.service->loadAfterFirstFrame([&] { ++told; });
    t.open("FormAvvio");
    EXPECT_FALSE(s.service->tried());

    ASSERT_TRUE(QTest::qWaitFor([&] { return s.service->tried(); }, 5000));
    EXPECT_EQ(s.made, 1);
    EXPECT_GT(s.paintsWhenMade, 0);
    EXPECT_EQ(told, 1);
    // Later frames load nothing again.
    t.current()->update();
    QTest::qWait(50);
    EXPECT_EQ(s.made, 1);
    EXPECT_EQ(told, 1);
}

// A child who answers before the first frame's load still hears the praise:
// the sound loads the player at once and is passed on to it.
TEST(SoundService, ASoundAskedForBeforeTheLoadLoadsThePlayerAndPlays)
{
    TestApp t;
    t.random.setFallback(0.0);
    RecordingService s;
    s.service->loadAfterFirstFrame();
    s.service->play(QStringLiteral("/prog/suoni/si2.wav"));
    EXPECT_EQ(s.made, 1);
    ASSERT_NE(s.player, nullptr);
    EXPECT_EQ(s.player->played, QStringList{QStringLiteral("/prog/suoni/si2.wav")});

    t.open("FormAvvio");
    QTest::qWait(100);
    s.service->play(QStringLiteral("/prog/suoni/no.wav"));
    EXPECT_EQ(s.made, 1);
    EXPECT_EQ(s.player->played.size(), 2);
}

TEST(SoundService, WithoutAPlayerEverySoundIsSilent)
{
    int made = 0;
    SoundService service([&] { ++made; return std::unique_ptr<SoundPlayer>(); });
    service.play(deliveredSound);
    service.play(deliveredSound);
    EXPECT_EQ(made, 1);
    EXPECT_EQ(service.player(), nullptr);

    SoundService noLibrary(QStringList{QStringLiteral("/nowhere/libcontalandia_sound.so")});
    noLibrary.play(deliveredSound);
    EXPECT_TRUE(noLibrary.tried());
    EXPECT_EQ(noLibrary.player(), nullptr);
    EXPECT_TRUE(noLibrary.libraryFile().isEmpty());
}

// Quitting in the first second: a service that goes before the first frame
// makes nothing afterwards, and one that goes while its first sound is
// still being read does not wait for it.
TEST(SoundService, QuittingBeforeOrJustAfterTheLoadIsClean)
{
    TestApp t;
    t.random.setFallback(0.0);
    int made = 0;
    auto service = std::make_unique<SoundService>([&] { ++made; return std::unique_ptr<SoundPlayer>(); });
    service->loadAfterFirstFrame();
    t.open("FormAvvio");
    service.reset();
    QTest::qWait(200);  // the first frame is painted now
    EXPECT_EQ(made, 0);

    auto real = std::make_unique<SoundService>(QStringList{QStringLiteral(CONTALANDIA_SOUND_LIBRARY_FILE)});
    real->play(deliveredSound);
    ASSERT_NE(real->player(), nullptr);
    QElapsedTimer clock;
    clock.start();
    real.reset();
    EXPECT_LT(clock.elapsed(), 300);
    // The read left behind finishes before this process ends: Qt
    // Multimedia's sample cache, destroyed at the process's end while its
    // reader thread finishes a sound, waits for that thread for ever (the
    // program itself ends without destroying it).
    QTest::qWait(500);
}

// The library built beside the program: the first file that loads makes a
// Qt Multimedia player, which reads and plays the delivered sounds.
TEST(SoundService, TheSoundLibraryPlaysTheDeliveredSounds)
{
    SoundService service({QStringLiteral("/nowhere/libcontalandia_sound.so"),
                          QStringLiteral(CONTALANDIA_SOUND_LIBRARY_FILE)});
    EXPECT_FALSE(service.tried());
    service.play(deliveredSound);
    ASSERT_NE(service.player(), nullptr);
    EXPECT_EQ(service.libraryFile(), QStringLiteral(CONTALANDIA_SOUND_LIBRARY_FILE));
    // The library's player is the one these tests link too.
    auto* player = static_cast<QtSoundPlayer*>(service.player());
    EXPECT_EQ(player->cachedSounds(), 1);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !player->loading(); }, 5000));
    EXPECT_TRUE(player->playable(deliveredSound));
}

// The program itself: none of the sound libraries is linked, so none is
// mapped before the first frame; after it, the program reports the sound
// library it loaded from beside itself.
TEST(SoundService, TheProgramLoadsSoundsOnlyAfterItsFirstFrame)
{
    const QString program = QStringLiteral(CONTALANDIA_PROGRAM_FILE);
    QProcess ldd;
    ldd.start(QStringLiteral("ldd"), {program});
    ASSERT_TRUE(ldd.waitForFinished(10000));
    const QString linked = QString::fromLocal8Bit(ldd.readAllStandardOutput());
    ASSERT_TRUE(linked.contains(QLatin1String("libQt6Widgets"))) << linked.toStdString();
    for (const char* lib : {"libQt6Multimedia", "libpulse", "libsndfile", "libQt6Network", "libQt6Charts", "libQt6OpenGL",
                            "libespeak-ng"})
        EXPECT_FALSE(linked.contains(QLatin1String(lib))) << lib;

    QTemporaryDir home;
    QDir(home.path()).mkdir(QStringLiteral("run"));
    QFile::setPermissions(home.filePath(QStringLiteral("run")), QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                                                     | QFileDevice::ExeOwner);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), home.filePath(QStringLiteral("run")));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.path());
    env.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("contalandia.startup.info=true"));
    env.insert(QStringLiteral("QT_MESSAGE_PATTERN"), QStringLiteral("%{message}"));
    QProcess run;
    run.setProcessEnvironment(env);
    run.setProcessChannelMode(QProcess::MergedChannels);
    run.start(program, {});
    QByteArray log;
    const QByteArray expected = "sound library: " + QFileInfo(program).absolutePath().toLocal8Bit()
                                + "/libcontalandia_sound.so\n";
    const bool reported = QTest::qWaitFor([&] {
        log += run.readAll();
        return log.contains(expected);
    }, 20000);
    run.kill();
    run.waitForFinished(5000);
    EXPECT_TRUE(reported) << log.toStdString();
    EXPECT_LT(log.indexOf("language file:"), log.indexOf("sound library:")) << log.toStdString();
}

}  // namespace
