// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/SoundService.h"

#include "app/FirstFrame.h"
#include "app/LibraryEntry.h"
#include "services/QtSoundPlayer.h"

#include <QApplication>

SoundService::SoundService(QStringList libraryFiles)
    : library_(std::make_unique<LibraryEntry>(std::move(libraryFiles), "contalandia_make_sound_player"))
{
}

SoundService::SoundService(Factory make) : make_(std::move(make)) {}

// The player goes first, while its library is still loaded; the library
// itself stays to the end of the process (a sound left loading may still
// run its code).
SoundService::~SoundService() = default;

std::unique_ptr<SoundPlayer> SoundService::loadLibrary()
{
    const auto make = reinterpret_cast<decltype(&contalandia_make_sound_player)>(library_ ? library_->get() : nullptr);
    return std::unique_ptr<SoundPlayer>(make ? make() : nullptr);
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

void SoundService::beep()
{
    QApplication::beep();
}
