// SPDX-License-Identifier: GPL-3.0-or-later
#include "services/Feedback.h"
#include "services/QtSoundPlayer.h"
#include "framework/ProgramState.h"
#include "support/Fakes.h"
#include "support/Files.h"
#include "support/ScriptedRandom.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <cmath>
#include <map>

namespace {

struct FeedbackFixture : testing::Test
{
    bool soundsOn = true;
    ScriptedRandom random;
    RecordingPlayer player;
    Feedback feedback{soundsOn, random, player, QStringLiteral("/prog")};
};

TEST_F(FeedbackFixture, SoundsOffPlaysNothingAndDrawsNothing)
{
    soundsOn = false;
    feedback.playPraise();
    feedback.playError();
    EXPECT_TRUE(player.played.isEmpty());
    // No fraction is spent either, so the problem that follows draws the
    // same numbers whether the sounds are on or off.
    EXPECT_TRUE(random.empty());
}

TEST_F(FeedbackFixture, PraisePicksOneOfFourSoundsByTheFraction)
{
    const struct { double r; const char* file; } cases[] = {
        {0.0, "/prog/suoni/si1.wav"},  {0.2499, "/prog/suoni/si1.wav"},
        {0.25, "/prog/suoni/si2.wav"}, {0.4999, "/prog/suoni/si2.wav"},
        {0.5, "/prog/suoni/si3.wav"},  {0.7499, "/prog/suoni/si3.wav"},
        {0.75, "/prog/suoni/si4.wav"}, {std::nextafter(1.0, 0.0), "/prog/suoni/si4.wav"},
    };
    for (const auto& c : cases) {
        random.push(c.r);
        feedback.playPraise();
        ASSERT_FALSE(player.played.isEmpty());
        EXPECT_EQ(player.played.takeLast(), QString::fromLatin1(c.file)) << c.r;
    }
    EXPECT_TRUE(random.empty());
}

TEST_F(FeedbackFixture, ErrorPlaysNoWavWithoutDrawing)
{
    feedback.playError();
    EXPECT_EQ(player.played, QStringList{QStringLiteral("/prog/suoni/no.wav")});
    EXPECT_TRUE(random.empty());
}

TEST_F(FeedbackFixture, BeepSoundsWhateverTheSoundsSwitchSays)
{
    feedback.beep();
    soundsOn = false;
    feedback.beep();
    EXPECT_EQ(player.beeps, 2);
    EXPECT_TRUE(player.played.isEmpty());
}

QColor colourAt(double r)
{
    ScriptedRandom random{r};
    return randomColour(random);
}

TEST(RandomColour, EachSlotOnceGivesThePaletteWithItsRepeats)
{
    std::map<QRgb, int> count;
    for (int k = 0; k < 18; ++k)
        ++count[colourAt(k / 18.0).rgb()];

    const std::map<QRgb, int> expected = {
        {qRgb(255, 192, 192), 1}, {qRgb(255, 128, 128), 2}, {qRgb(255, 128, 0), 2},
        {qRgb(255, 192, 128), 1}, {qRgb(255, 255, 192), 1}, {qRgb(192, 64, 0), 2},
        {qRgb(128, 255, 128), 1}, {qRgb(192, 255, 255), 1}, {qRgb(0, 255, 255), 1},
        {qRgb(192, 192, 255), 1}, {qRgb(255, 192, 255), 3}, {qRgb(224, 224, 224), 1},
        {qRgb(255, 0, 255), 1},
    };
    EXPECT_EQ(count, expected);
    EXPECT_EQ(count.size(), 13u);
}

TEST(RandomColour, SlotsInTheirOrderAndNoneBeyondTheLast)
{
    EXPECT_EQ(colourAt(0.0), QColor(255, 192, 192));           // slot 1
    EXPECT_EQ(colourAt(7.5 / 18), QColor(192, 64, 0));          // slot 8
    EXPECT_EQ(colourAt(13.0 / 18), QColor(255, 192, 255));      // slot 14
    EXPECT_EQ(colourAt(std::nextafter(1.0, 0.0)), QColor(255, 0, 255));  // slot 18
}

// The real player: a path with no sound behind it is skipped without a
// word; a file that is not a WAV is read once and stays silent.
TEST(QtSoundPlayer, MissingOrGarbageFilesPlayNothingAndReturn)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString garbage = dir.filePath(QStringLiteral("si1.wav"));
    {
        QFile f(garbage);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        static const char bytes[] = "RIFF\x10\0\0\0WAVEnot really a sound at all";
        f.write(bytes, sizeof bytes - 1);
    }
    const QString missing = dir.filePath(QStringLiteral("no.wav"));

    QtSoundPlayer player;
    EXPECT_NO_THROW(player.play(missing));
    EXPECT_NO_THROW(player.play(dir.path()));  // a folder is not a sound either
    EXPECT_EQ(player.cachedSounds(), 0);

    EXPECT_NO_THROW(player.play(garbage));
    EXPECT_NO_THROW(player.play(garbage));
    EXPECT_EQ(player.cachedSounds(), 1);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !player.loading(); }, 5000));
    EXPECT_FALSE(player.playable(garbage));
    EXPECT_NO_THROW(player.play(garbage));
    EXPECT_EQ(player.cachedSounds(), 1);
}

// A WAV header for 8 kHz mono 16-bit sound that promises `declared` bytes
// of samples, followed by `held` bytes of silence.
QByteArray wav(quint32 declared, int held)
{
    QByteArray h;
    auto le32 = [&h](quint32 v) { for (int i = 0; i < 4; ++i) h.append(char((v >> (8 * i)) & 0xFF)); };
    auto le16 = [&h](quint16 v) { h.append(char(v & 0xFF)).append(char(v >> 8)); };
    h += "RIFF";
    le32(36 + declared);
    h += "WAVEfmt ";
    le32(16);
    le16(1);
    le16(1);
    le32(8000);
    le32(16000);
    le16(2);
    le16(16);
    h += "data";
    le32(declared);
    return h + QByteArray(held, '\0');
}

// Broken sounds cost nothing: an empty file and a huge one are never read,
// one whose header promises more than it holds is skipped once it has not
// loaded within a second, the good sounds still play, and quitting never
// waits for any of them.
TEST(QtSoundPlayer, BrokenSoundsAreSkippedAndQuittingNeverWaits)
{
    QTemporaryDir dir;
    const QString empty = dir.filePath("empty.wav");
    const QString truncated = dir.filePath("truncated.wav");
    const QString huge = dir.filePath("huge.wav");
    testfiles::writeBytes(empty, {});
    testfiles::writeBytes(truncated, wav(100000, 10));
    testfiles::writeBytes(huge, wav(300'000'000, 1000));
    ASSERT_TRUE(QFile::resize(huge, 300'000'044));  // sparse: costs no disk
    const QString good = QStringLiteral(CONTALANDIA_DATA_DIR "/suoni/si1.wav");

    auto player = std::make_unique<QtSoundPlayer>();
    QElapsedTimer clock;
    clock.start();
    for (const QString& f : {empty, huge, truncated, good})
        player->play(f);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !player->loading(); }, 3000));
    EXPECT_LT(clock.elapsed(), 2000);
    EXPECT_TRUE(player->playable(good));
    for (const QString& f : {empty, huge, truncated}) {
        player->play(f);
        EXPECT_FALSE(player->playable(f)) << f.toStdString();
    }
    EXPECT_FALSE(player->loading());
    EXPECT_EQ(player->cachedSounds(), 4);

    clock.restart();
    player.reset();
    EXPECT_LT(clock.elapsed(), 300);
}

// The sounds delivered beside the program are read as playable WAVs, each
// once, and a new one may start while the last is still sounding.
TEST(QtSoundPlayer, DeliveredSoundsArePlayableAndReadOnce)
{
    const QString folder = QStringLiteral(CONTALANDIA_DATA_DIR "/suoni/");
    const QStringList files = {QStringLiteral("si1.wav"), QStringLiteral("si2.wav"),
                               QStringLiteral("si3.wav"), QStringLiteral("si4.wav"),
                               QStringLiteral("no.wav")};
    QtSoundPlayer player;
    for (const QString& f : files) {
        ASSERT_TRUE(QFile::exists(folder + f)) << f.toStdString();
        player.play(folder + f);
    }
    player.play(folder + files.first());
    EXPECT_EQ(player.cachedSounds(), files.size());
    EXPECT_TRUE(QTest::qWaitFor([&] { return !player.loading(); }, 5000));
    for (const QString& f : files)
        EXPECT_TRUE(player.playable(folder + f)) << f.toStdString();
}

}  // namespace
