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
// The voice lies in the same library (espeak-ng speaks through Qt
// Multimedia): it is made with the player, and reads its voice data at the
// first text said.
//
// When no library loads, every sound is silent, as a missing sound file is,
// and so is the voice.
class SoundService final : public SoundPlayer, public Voice
{
public:
    using Factory = std::function<std::unique_ptr<SoundPlayer>()>;
    using VoiceFactory = std::function<std::unique_ptr<Voice>(SoundPlayer* player)>;

    // The player and the voice are made by the first of these library files
    // that loads; the voice reads voiceDataFolder/espeak-ng-data (empty: the
    // system's voice data).
    explicit SoundService(QStringList libraryFiles, QString voiceDataFolder = {});
    // The player is made by `make`, the voice by `makeVoice` (tests give
    // their own).
    explicit SoundService(Factory make, VoiceFactory makeVoice = {});
    ~SoundService() override;
    SoundService(const SoundService&) = delete;
    SoundService& operator=(const SoundService&) = delete;

    void play(const QString& wavPath) override;
    void beep() override;
    // Said by the voice, which a text asked for before the load loads at once.
    void say(const QString& text, WordsLanguage language, When when) override;
    void stop() override;

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
    // The voice, once made; null before and when none could be made.
    Voice* voice() const { return voice_.get(); }
    // The library file the player came from; empty when none.
    QString libraryFile() const;

private:
    std::unique_ptr<SoundPlayer> loadLibrary();
    std::unique_ptr<Voice> loadVoice();

    std::unique_ptr<LibraryEntry> library_;
    std::unique_ptr<LibraryEntry> voiceLibrary_;
    QString voiceData_;
    Factory make_;
    VoiceFactory makeVoice_;
    bool tried_ = false;
    std::unique_ptr<SoundPlayer> player_;
    std::unique_ptr<Voice> voice_;   // goes before the player it waits for
    std::unique_ptr<QObject> firstFrameWatch_;
};
