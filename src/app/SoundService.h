// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "services/Platform.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

class LibraryEntry;
class QObject;

// The program's sound player. The real one (`QtSoundPlayer`) lies in a
// library of its own, libcontalandia_sound.so, because Qt Multimedia and
// everything it pulls in (the sound server's client, codecs, Qt Network)
// would cost the start a fifth of its time and a third of its memory,
// while no sound can play before a child answers. The library is loaded
// from the event loop once the first screen has painted its first frame
// (`loadAfterFirstFrame`); a sound asked for before that loads it at once,
// so even the first praise is heard. The beep needs no library.
//
// When no library loads, every sound is silent, as a missing sound file is.
class SoundService final : public SoundPlayer
{
public:
    using Factory = std::function<std::unique_ptr<SoundPlayer>()>;

    // The player is made by the first of these library files that loads.
    explicit SoundService(QStringList libraryFiles);
    // The player is made by `make` (tests give their own).
    explicit SoundService(Factory make);
    ~SoundService() override;
    SoundService(const SoundService&) = delete;
    SoundService& operator=(const SoundService&) = delete;

    void play(const QString& wavPath) override;
    void beep() override;

    // Makes the player now, unless that was done or tried before; true when
    // there is one.
    bool load();
    // Loads the player from the event loop right after the first frame that
    // any window of the program paints, then calls `loaded` (if given).
    // Nothing runs once the service is gone.
    void loadAfterFirstFrame(std::function<void()> loaded = {});

    bool tried() const { return tried_; }
    // The player, once made; null before and when none could be made.
    SoundPlayer* player() const { return player_.get(); }
    // The library file the player came from; empty when none.
    QString libraryFile() const;

private:
    std::unique_ptr<SoundPlayer> loadLibrary();

    std::unique_ptr<LibraryEntry> library_;
    Factory make_;
    bool tried_ = false;
    std::unique_ptr<SoundPlayer> player_;
    std::unique_ptr<QObject> firstFrameWatch_;
};
