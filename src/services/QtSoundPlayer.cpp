#include "services/QtSoundPlayer.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QFileInfo>
#include <QSoundEffect>
#include <QUrl>

QtSoundPlayer::QtSoundPlayer() = default;

QtSoundPlayer::~QtSoundPlayer()
{
    if (playing_)
        playing_->stop();
    // Qt Multimedia reads sounds on a thread of its own and can hang at exit
    // if the program ends while a file is still being read: let the reads
    // finish first (they take milliseconds; the bound only guards a stuck one).
    QDeadlineTimer deadline(2000);
    while (loading() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

bool QtSoundPlayer::loading() const
{
    for (const auto& effect : effects_)
        if (effect->status() == QSoundEffect::Loading)
            return true;
    return false;
}

bool QtSoundPlayer::playable(const QString& wavPath) const
{
    const auto it = effects_.constFind(QFileInfo(wavPath).absoluteFilePath());
    return it != effects_.cend() && it.value()->status() == QSoundEffect::Ready;
}

void QtSoundPlayer::play(const QString& wavPath)
{
    // A sound that cannot be played is simply not heard: the child's
    // exercise goes on, and a missing sound is never worth a message.
    const QFileInfo file(wavPath);
    if (!file.isFile() || !file.isReadable())
        return;

    const QString key = file.absoluteFilePath();
    auto it = effects_.find(key);
    if (it == effects_.end()) {
        auto effect = std::make_shared<QSoundEffect>();
        effect->setSource(QUrl::fromLocalFile(key));
        it = effects_.insert(key, std::move(effect));
    }
    QSoundEffect* effect = it.value().get();
    // A file that turned out not to be a WAV stays silent; asking it to play
    // would only make Qt forget that it failed.
    if (effect->status() == QSoundEffect::Error)
        return;

    if (playing_ && playing_ != effect)
        playing_->stop();
    // Stopping first restarts a sound that is still playing from its start.
    // One still loading starts as soon as it is read.
    effect->stop();
    effect->play();
    playing_ = effect;
}

void QtSoundPlayer::beep()
{
    QApplication::beep();
}
