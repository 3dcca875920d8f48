// SPDX-License-Identifier: GPL-3.0-or-later
#include "services/QtSoundPlayer.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QSoundEffect>
#include <QUrl>

#include <memory>
#include <vector>

namespace {
// The length of a PCM WAV file from its header (the byte rate at offset 28,
// the data after a header of 44 bytes); -1 when it does not look like one.
qint64 wavMilliseconds(const QString& path, qint64 size)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray head = file.read(44);
    if (head.size() < 44 || !head.startsWith("RIFF") || head.mid(8, 8) != "WAVEfmt ")
        return -1;
    const auto* b = reinterpret_cast<const uchar*>(head.constData()) + 28;
    const qint64 byteRate = qint64(b[0]) | qint64(b[1]) << 8 | qint64(b[2]) << 16 | qint64(b[3]) << 24;
    return byteRate > 0 ? (size - 44) * 1000 / byteRate : -1;
}

// Set once a player has left behind a sound still being read: the reading
// thread is shared by the whole process, so from then on deleting any
// sound would wait for it.
bool readingLeftBehind = false;

// Where the sounds left to the end of the process stay: still reachable, so
// a leak checker sees no leak, and never deleted, so nothing waits.
std::vector<std::unique_ptr<QSoundEffect>>& leftToTheEnd()
{
    static auto* sounds = new std::vector<std::unique_ptr<QSoundEffect>>();
    return *sounds;
}
} // namespace

QtSoundPlayer::QtSoundPlayer() = default;

QtSoundPlayer::~QtSoundPlayer()
{
    if (playing_)
        playing_->stop();
    // Qt Multimedia reads sounds on a thread of its own, and deleting a sound
    // waits for that thread to finish every read under way: for ever, when a
    // broken file never finishes. While anything is still being read, the
    // sounds are left to the end of the process instead, so quitting never
    // waits (and no events are processed here).
    for (const auto& entry : sounds_)
        if (entry.second.effect && entry.second.effect->status() == QSoundEffect::Loading)
            readingLeftBehind = true;
    if (readingLeftBehind)
        for (auto& entry : sounds_)
            if (entry.second.effect)
                leftToTheEnd().push_back(std::move(entry.second.effect));
}

bool QtSoundPlayer::judge(Sound& sound)
{
    if (sound.skipped || !sound.effect) {
        sound.skipped = true;
        return true;
    }
    const QSoundEffect::Status status = sound.effect->status();
    if (status == QSoundEffect::Error
        || (status == QSoundEffect::Loading && sound.asked.elapsed() >= LoadMilliseconds))
        sound.skipped = true;
    return sound.skipped;
}

bool QtSoundPlayer::loading() const
{
    for (const auto& entry : sounds_) {
        const Sound& s = entry.second;
        if (!s.skipped && s.effect && s.effect->status() == QSoundEffect::Loading
            && s.asked.elapsed() < LoadMilliseconds)
            return true;
    }
    return false;
}

bool QtSoundPlayer::playable(const QString& wavPath) const
{
    const auto it = sounds_.find(QFileInfo(wavPath).absoluteFilePath());
    return it != sounds_.end() && !it->second.skipped && it->second.effect
           && it->second.effect->status() == QSoundEffect::Ready;
}

bool QtSoundPlayer::sounding() const
{
    if (!playing_)
        return false;
    if (playing_->isPlaying())
        return playingMilliseconds_ < 0 || started_.elapsed() < playingMilliseconds_;
    // Still being read: it starts once read, unless it takes too long.
    for (const auto& entry : sounds_)
        if (entry.second.effect.get() == playing_)
            return playing_->status() == QSoundEffect::Loading && !entry.second.skipped
                   && entry.second.asked.elapsed() < LoadMilliseconds;
    return false;
}

void QtSoundPlayer::play(const QString& wavPath)
{
    // A sound that cannot be played is simply not heard: the child's
    // exercise goes on, and a missing sound is never worth a message.
    const QFileInfo file(wavPath);
    if (!file.isFile() || !file.isReadable())
        return;

    const QString key = file.absoluteFilePath();
    auto it = sounds_.find(key);
    if (it == sounds_.end()) {
        Sound sound;
        sound.asked.start();
        // An empty file is no sound, and a huge one would be read whole
        // into memory: neither is loaded.
        if (file.size() > 0 && file.size() <= MaxBytes) {
            sound.effect = std::make_unique<QSoundEffect>();
            sound.effect->setSource(QUrl::fromLocalFile(key));
            sound.milliseconds = wavMilliseconds(key, file.size());
        }
        it = sounds_.emplace(key, std::move(sound)).first;
    }
    // A file that turned out not to be a WAV, or that never finished
    // loading, stays silent; asking it to play would only make Qt forget
    // that it failed.
    if (judge(it->second))
        return;

    QSoundEffect* effect = it->second.effect.get();
    if (playing_ && playing_ != effect)
        playing_->stop();
    // Stopping first restarts a sound that is still playing from its start.
    // One still loading starts as soon as it is read.
    effect->stop();
    effect->play();
    playing_ = effect;
    // Timed from now only when it starts now; one still being read is
    // sounding until it has played.
    playingMilliseconds_ = effect->status() == QSoundEffect::Ready ? it->second.milliseconds : -1;
    started_.start();
}

void QtSoundPlayer::beep()
{
    QApplication::beep();
}
