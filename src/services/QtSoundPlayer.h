#pragma once
#include "services/Platform.h"

#include <QHash>
#include <QString>
#include <memory>

class QSoundEffect;

// Plays WAV files through Qt Multimedia without waiting for them. Each file
// is loaded once and kept, so the praise sounds of quick right answers cost
// no reloading; starting a sound stops the one still playing.
class QtSoundPlayer final : public SoundPlayer
{
public:
    QtSoundPlayer();
    ~QtSoundPlayer() override;
    QtSoundPlayer(const QtSoundPlayer&) = delete;
    QtSoundPlayer& operator=(const QtSoundPlayer&) = delete;

    void play(const QString& wavPath) override;
    void beep() override;

    // How many files are kept for replay.
    qsizetype cachedSounds() const { return effects_.size(); }
    // Whether a file is still being read in the background.
    bool loading() const;
    // Whether the file was read as a sound that can be played.
    bool playable(const QString& wavPath) const;

private:
    QHash<QString, std::shared_ptr<QSoundEffect>> effects_;
    QSoundEffect* playing_ = nullptr;
};
