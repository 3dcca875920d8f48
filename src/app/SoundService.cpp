// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/SoundService.h"

#include "app/FirstFrame.h"
#include "app/LibraryEntry.h"
#include "services/QtSoundPlayer.h"

#include <QApplication>

SoundService::SoundService(QStringList libraryFiles, QString voiceDataFolder)
    : library_(std::make_unique<LibraryEntry>(libraryFiles, "contalandia_make_sound_player")),
      voiceLibrary_(std::make_unique<LibraryEntry>(libraryFiles, "contalandia_make_voice")),
      voiceData_(std::move(voiceDataFolder))
{
}

SoundService::SoundService(Factory make, VoiceFactory makeVoice)
    : make_(std::move(make)), makeVoice_(std::move(makeVoice))
{
}

// The voice goes first (it waits for the player's sounds), then the player,
// while their library is still loaded; the library itself stays to the end
// of the process (a sound left loading may still run its code).
SoundService::~SoundService()
{
    voice_.reset();
    player_.reset();
}

std::unique_ptr<SoundPlayer> SoundService::loadLibrary()
{
    const auto make = reinterpret_cast<decltype(&contalandia_make_sound_player)>(library_ ? library_->get() : nullptr);
    return std::unique_ptr<SoundPlayer>(make ? make() : nullptr);
}

std::unique_ptr<Voice> SoundService::loadVoice()
{
    const auto make = reinterpret_cast<decltype(&contalandia_make_voice)>(voiceLibrary_ ? voiceLibrary_->get() : nullptr);
    const QByteArray folder = voiceData_.toUtf8();
    return std::unique_ptr<Voice>(make ? make(player_.get(), folder.isEmpty() ? nullptr : folder.constData())
                                       : nullptr);
}

QString SoundService::libraryFile() const
{
    return library_ ? library_->file() : QString();
}

bool SoundService::load()
{
    if (!tried_) {
        tried_ = true;
        player_ = make_ ? make_() : loadLibrary();
        if (make_)
            voice_ = makeVoice_ ? makeVoice_(player_.get()) : nullptr;
        else
            voice_ = loadVoice();
    }
    return bool(player_);
}

void SoundService::loadAfterFirstFrame(std::function<void()> loaded)
{
    firstFrameWatch_ = afterFirstFrame([this, loaded = std::move(loaded)] {
        load();
        if (loaded)
            loaded();
    });
}

void SoundService::play(const QString& wavPath)
{
    // A right answer before the library was loaded loads it now: the sound
    // is read and starts as soon as it can, as any first sound does.
    if (load())
        player_->play(wavPath);
}

void SoundService::say(const QString& text, WordsLanguage language, When when)
{
    load();
    if (voice_)
        voice_->say(text, language, when);
}

void SoundService::stop()
{
    if (voice_)
        voice_->stop();
}

void SoundService::beep()
{
    QApplication::beep();
}
