// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/SoundService.h"

#include "app/FirstFrame.h"
#include "services/QtSoundPlayer.h"

#include <QApplication>
#include <QLibrary>

SoundService::SoundService(QStringList libraryFiles) : libraryFiles_(std::move(libraryFiles)) {}

SoundService::SoundService(Factory make) : make_(std::move(make)) {}

// The player goes first, while its library is still loaded; the library
// itself stays to the end of the process (a sound left loading may still
// run its code).
SoundService::~SoundService() = default;

std::unique_ptr<SoundPlayer> SoundService::loadLibrary()
{
    for (const QString& file : std::as_const(libraryFiles_)) {
        QLibrary library(file);
        const auto make = reinterpret_cast<decltype(&contalandia_make_sound_player)>(
            library.resolve("contalandia_make_sound_player"));
        if (!make)
            continue;
        libraryFile_ = library.fileName();
        return std::unique_ptr<SoundPlayer>(make());
    }
    return nullptr;
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
