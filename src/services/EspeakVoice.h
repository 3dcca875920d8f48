// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "services/Platform.h"

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QString>

#include <atomic>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

class QAudioSink;
class QBuffer;
class QtSoundPlayer;

// Speech as 16-bit signed mono samples.
struct SpeechAudio
{
    QByteArray samples;
    int sampleRate = 0;
    double seconds() const { return sampleRate > 0 ? double(samples.size() / 2) / sampleRate : 0.0; }
};

// The espeak-ng library, in-process. Its state is the process's and not
// thread-safe: every call below is made holding lock(), and the program
// makes them from the voice's one worker thread only.
namespace espeak {
std::mutex& lock();
// Opens the engine on the voice data of `folder` (the folder that holds
// espeak-ng-data; empty: the system's own, as ESPEAK_DATA_PATH may say),
// unless it is open there already. False, with the reason, when it cannot
// be: the data is missing or damaged.
bool open(const QString& folder, QString* error);
// The espeak-ng voice of a language of the number words.
const char* voiceName(WordsLanguage language);
// The text said in the language's voice; empty, with the reason, when it
// cannot be. Stops early, with nothing, once `cancelled` says so.
SpeechAudio synthesise(const QString& text, WordsLanguage language, const std::function<bool()>& cancelled,
                       QString* error);
} // namespace espeak

// The program's voice: espeak-ng speaking into a buffer on a worker thread
// of its own, the buffer played through Qt Multimedia on the interface
// thread. A new text cuts off the one being said (its synthesis is stopped,
// its playback ended). A text said after the sound now playing waits for
// that sound of `sounds` to end (at most MaxWaitMilliseconds).
//
// Missing voice data, a failed synthesis or no sound device leave it
// silent, with one line in the log (category contalandia.voice) for the
// first such failure; the voice data is read at the first text said.
class EspeakVoice final : public QObject, public Voice
{
public:
    static constexpr int MaxWaitMilliseconds = 4000;

    // folder: where espeak-ng-data lies; empty for the system's.
    explicit EspeakVoice(QString folder = {}, QtSoundPlayer* sounds = nullptr);
    ~EspeakVoice() override;
    EspeakVoice(const EspeakVoice&) = delete;
    EspeakVoice& operator=(const EspeakVoice&) = delete;

    void say(const QString& text, WordsLanguage language, When when) override;
    void stop() override;

    // Called on the interface thread with each text's audio, just before it
    // plays (or would play, without a sound device): for tests.
    std::function<void(const QString& text, const SpeechAudio& audio)> onAudio;
    // Whether a failure made it silent for good (no voice data).
    bool failed() const { return failed_; }
    // Whether a text is being synthesised or waits to be.
    bool busy() const;
    // Whether speech is playing now.
    bool speaking() const;

private:
    struct Request
    {
        quint64 id = 0;
        QString text;
        WordsLanguage language = WordsLanguage::Italian;
        When when = When::Now;
    };
    void work();
    void tell(const QString& line);
    void arrived(const Request& request, const SpeechAudio& audio);
    void play(const Request& request, const SpeechAudio& audio);
    void endPlayback();

    const QString folder_;
    QtSoundPlayer* soundPlayer_ = nullptr;

    // Shared with the worker.
    mutable std::mutex mutex_;
    std::condition_variable wake_;
    std::optional<Request> pending_;
    bool working_ = false;
    bool quit_ = false;
    std::atomic<quint64> latest_{0};
    std::atomic<bool> failed_{false};
    std::thread worker_;

    // The interface thread's own.
    quint64 next_ = 0;
    bool told_ = false;
    QAudioSink* sink_ = nullptr;
    QBuffer* buffer_ = nullptr;
    std::unique_ptr<QObject> waiting_;   // a text waiting for the sound to end
};
