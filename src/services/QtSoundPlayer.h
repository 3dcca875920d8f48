// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "services/Platform.h"

#include <QElapsedTimer>
#include <QString>
#include <memory>
#include <map>

class QSoundEffect;

// Plays WAV files through Qt Multimedia without waiting for them. Each file
// is loaded once and kept, so the praise sounds of quick right answers cost
// no reloading; starting a sound stops the one still playing.
//
// A broken sound costs nothing: a file larger than MaxBytes or empty is
// never loaded, and one that fails or has not loaded within LoadSeconds of
// being first asked for is skipped from then on. Nothing ever waits for a
// sound, quitting included.
class QtSoundPlayer final : public SoundPlayer
{
public:
    static constexpr qint64 MaxBytes = 4 * 1024 * 1024;
    static constexpr qint64 LoadMilliseconds = 1000;

    QtSoundPlayer();
    ~QtSoundPlayer() override;
    QtSoundPlayer(const QtSoundPlayer&) = delete;
    QtSoundPlayer& operator=(const QtSoundPlayer&) = delete;

    void play(const QString& wavPath) override;
    void beep() override;

    // How many files have been asked for (and are kept, or known as broken).
    qsizetype cachedSounds() const { return qsizetype(sounds_.size()); }
    // Whether a file is still being read in the background, within its time.
    bool loading() const;
    // Whether the file was read as a sound that can be played.
    bool playable(const QString& wavPath) const;
    // The sound last asked to play; null before the first.
    QSoundEffect* current() const { return playing_; }
    // Whether that sound is playing, or will as soon as it is read: a sound
    // read before it was asked to play ends, here, when its length (from
    // the file) has passed, not when the sound device has drained it.
    bool sounding() const;

private:
    struct Sound
    {
        std::unique_ptr<QSoundEffect> effect;  // none for a file never loaded
        QElapsedTimer asked;                   // since it was first asked for
        bool skipped = false;
        qint64 milliseconds = -1;              // its length, from the file; -1: unknown
    };
    // Marks a sound that failed or took too long; true when it is skipped.
    static bool judge(Sound& sound);

    std::map<QString, Sound> sounds_;
    QSoundEffect* playing_ = nullptr;
    qint64 playingMilliseconds_ = -1;   // the length of that sound, when known
    QElapsedTimer started_;             // since it was asked to play
};

// The entry of the sound library (libcontalandia_sound.so), which the
// program loads once its first screen is shown: a new player, owned by the
// caller.
extern "C" SoundPlayer* contalandia_make_sound_player();
// The voice (an EspeakVoice) that waits for the sounds of `sounds` (made by
// the entry above, or null) and reads its voice data from
// voiceDataFolder/espeak-ng-data (null or empty: the system's): a new
// voice, owned by the caller.
extern "C" Voice* contalandia_make_voice(SoundPlayer* sounds, const char* voiceDataFolder);
