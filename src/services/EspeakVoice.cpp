// SPDX-License-Identifier: GPL-3.0-or-later
#include "services/EspeakVoice.h"

#include "services/QtSoundPlayer.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QFile>
#include <QLoggingCategory>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QTimer>

#include <espeak-ng/espeak_ng.h>
#include <espeak-ng/speak_lib.h>

Q_LOGGING_CATEGORY(lcVoice, "contalandia.voice", QtInfoMsg)

namespace espeak {
namespace {

// The engine's state, guarded by lock().
struct Engine
{
    bool opened = false;
    bool ok = false;
    QString folder;
    QString error;
    int sampleRate = 0;
    // What the callback collects for the synthesis under way.
    QByteArray* samples = nullptr;
    const std::function<bool()>* cancelled = nullptr;
};

Engine& engine()
{
    static Engine e;
    return e;
}

int collect(short* wav, int count, espeak_EVENT*)
{
    Engine& e = engine();
    if (e.cancelled && *e.cancelled && (*e.cancelled)())
        return 1;   // stop the synthesis
    if (wav && count > 0 && e.samples)
        e.samples->append(reinterpret_cast<const char*>(wav), qsizetype(count) * qsizetype(sizeof(short)));
    return 0;
}

QString statusText(espeak_ng_STATUS status)
{
    char text[256] = {};
    espeak_ng_GetStatusCodeMessage(status, text, sizeof text);
    return QString::fromLocal8Bit(text);
}

} // namespace

std::mutex& lock()
{
    static std::mutex m;
    return m;
}

bool open(const QString& folder, QString* error)
{
    Engine& e = engine();
    if (e.opened && e.folder == folder) {
        if (error && !e.ok)
            *error = e.error;
        return e.ok;
    }
    if (e.opened)
        espeak_ng_Terminate();
    e = Engine();
    e.opened = true;
    e.folder = folder;
    // The library's own error context is not used: it prints to the
    // terminal. The status says enough.
    const QByteArray path = QFile::encodeName(folder);
    espeak_ng_InitializePath(folder.isEmpty() ? nullptr : path.constData());
    espeak_ng_STATUS status = espeak_ng_Initialize(nullptr);
    if (status == ENS_OK)
        status = espeak_ng_InitializeOutput(ENOUTPUT_MODE_SYNCHRONOUS, 0, nullptr);
    if (status != ENS_OK) {
        // Without a folder of its own, espeak-ng reads ESPEAK_DATA_PATH's.
        const QString fromEnvironment = qEnvironmentVariable("ESPEAK_DATA_PATH");
        const QString where = !folder.isEmpty()             ? folder
                              : !fromEnvironment.isEmpty() ? fromEnvironment
                                                           : QStringLiteral("the system's folder");
        e.error = QStringLiteral("no voice data in %1: %2").arg(where, statusText(status));
        if (error)
            *error = e.error;
        return false;
    }
    espeak_SetSynthCallback(collect);
    e.sampleRate = espeak_ng_GetSampleRate();
    // A little slower than a grown-up's reading: the listeners are six.
    espeak_ng_SetParameter(espeakRATE, 145, 0);
    e.ok = e.sampleRate > 0;
    if (!e.ok) {
        e.error = QStringLiteral("the voice data gives no sample rate");
        if (error)
            *error = e.error;
    }
    return e.ok;
}

const char* voiceName(WordsLanguage language)
{
    switch (language) {
    case WordsLanguage::Italian: return "it";
    case WordsLanguage::English: return "en";
    case WordsLanguage::French: return "fr";
    case WordsLanguage::German: return "de";
    case WordsLanguage::Spanish: return "es";
    case WordsLanguage::Albanian: return "sq";
    }
    return "it";
}

SpeechAudio synthesise(const QString& text, WordsLanguage language, const std::function<bool()>& cancelled,
                       QString* error)
{
    Engine& e = engine();
    SpeechAudio audio;
    if (!e.ok) {
        if (error)
            *error = e.error.isEmpty() ? QStringLiteral("the voice is not open") : e.error;
        return audio;
    }
    // A voice that is missing would leave the last one in place: the text
    // would be said in another language's sounds.
    const espeak_ng_STATUS voice = espeak_ng_SetVoiceByName(voiceName(language));
    if (voice != ENS_OK) {
        if (error)
            *error = QStringLiteral("no voice \"%1\": %2").arg(QLatin1String(voiceName(language)), statusText(voice));
        return audio;
    }
    const QByteArray utf8 = text.toUtf8();
    e.samples = &audio.samples;
    e.cancelled = &cancelled;
    const espeak_ng_STATUS said = espeak_ng_Synthesize(utf8.constData(), size_t(utf8.size()) + 1, 0, POS_CHARACTER,
                                                       0, espeakCHARS_UTF8, nullptr, nullptr);
    e.samples = nullptr;
    e.cancelled = nullptr;
    if (said != ENS_OK) {
        if (error && said != ENS_SPEECH_STOPPED)
            *error = QStringLiteral("synthesis failed: %1").arg(statusText(said));
        return SpeechAudio();
    }
    audio.sampleRate = e.sampleRate;
    return audio;
}

} // namespace espeak

EspeakVoice::EspeakVoice(QString folder, QtSoundPlayer* sounds) : folder_(std::move(folder)), soundPlayer_(sounds) {}

EspeakVoice::~EspeakVoice()
{
    {
        std::lock_guard<std::mutex> guard(mutex_);
        quit_ = true;
        latest_ = 0;   // a synthesis under way stops at its next samples
    }
    wake_.notify_all();
    if (worker_.joinable())
        worker_.join();
    endPlayback();
}

bool EspeakVoice::busy() const
{
    std::lock_guard<std::mutex> guard(mutex_);
    return working_ || pending_.has_value();
}

bool EspeakVoice::speaking() const
{
    return sink_ != nullptr;
}

void EspeakVoice::tell(const QString& line)
{
    if (told_)
        return;
    told_ = true;
    qCWarning(lcVoice).noquote() << "voice:" << line << "- the program stays silent";
}

void EspeakVoice::say(const QString& text, WordsLanguage language, When when)
{
    // Whatever is being said or waits is cut off first.
    stop();
    if (failed_ || text.trimmed().isEmpty())
        return;
    Request request{++next_, text, language, when};
    latest_ = request.id;
    {
        std::lock_guard<std::mutex> guard(mutex_);
        pending_ = request;
        if (!worker_.joinable())
            worker_ = std::thread([this] { work(); });
    }
    wake_.notify_one();
}

void EspeakVoice::stop()
{
    latest_ = ++next_;
    {
        std::lock_guard<std::mutex> guard(mutex_);
        pending_.reset();
    }
    waiting_.reset();
    endPlayback();
}

void EspeakVoice::work()
{
    for (;;) {
        Request request;
        {
            std::unique_lock<std::mutex> guard(mutex_);
            wake_.wait(guard, [this] { return quit_ || pending_.has_value(); });
            if (quit_)
                return;
            request = std::move(*pending_);
            pending_.reset();
            working_ = true;
        }
        const std::function<bool()> cancelled = [this, id = request.id] { return latest_ != id; };
        QString error;
        SpeechAudio audio;
        bool lost = false;
        {
            std::lock_guard<std::mutex> engine(espeak::lock());
            if (!espeak::open(folder_, &error)) {
                failed_ = true;
                lost = true;
            } else {
                audio = espeak::synthesise(request.text, request.language, cancelled, &error);
            }
        }
        if (!error.isEmpty() || (audio.samples.isEmpty() && !cancelled())) {
            if (error.isEmpty())
                error = QStringLiteral("no sound for \"%1\"").arg(request.text);
            QMetaObject::invokeMethod(this, [this, error] { tell(error); }, Qt::QueuedConnection);
        } else if (!lost && !cancelled()) {
            QMetaObject::invokeMethod(
                this, [this, request, audio] { arrived(request, audio); }, Qt::QueuedConnection);
        }
        std::lock_guard<std::mutex> guard(mutex_);
        working_ = false;
    }
}

void EspeakVoice::arrived(const Request& request, const SpeechAudio& audio)
{
    if (request.id != latest_)
        return;
    QSoundEffect* sound = soundPlayer_ ? soundPlayer_->current() : nullptr;
    if (request.when == When::Now || !soundPlayer_ || !soundPlayer_->sounding() || !sound) {
        play(request, audio);
        return;
    }
    // After the praise: when it has played (or failed), at the latest after
    // MaxWaitMilliseconds, so a sound that never ends holds nothing up.
    waiting_ = std::make_unique<QObject>();
    QObject* waiting = waiting_.get();
    const auto go = [this, waiting, request, audio] {
        if (waiting_.get() != waiting || soundPlayer_->sounding())
            return;
        waiting_.release()->deleteLater();
        play(request, audio);
    };
    connect(sound, &QSoundEffect::playingChanged, waiting, go);
    connect(sound, &QSoundEffect::statusChanged, waiting, go);
    // A sound given up while still being read sends no signal: looked at
    // again every tenth of a second.
    auto* again = new QTimer(waiting);
    connect(again, &QTimer::timeout, waiting, go);
    again->start(100);
    QTimer::singleShot(MaxWaitMilliseconds, waiting, [this, waiting, request, audio] {
        if (waiting_.get() != waiting)
            return;
        waiting_.release()->deleteLater();
        play(request, audio);
    });
}

void EspeakVoice::play(const Request& request, const SpeechAudio& audio)
{
    if (request.id != latest_)
        return;
    endPlayback();
    if (onAudio)
        onAudio(request.text, audio);
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull()) {
        tell(QStringLiteral("no sound device"));
        return;
    }
    QAudioFormat format;
    format.setSampleRate(audio.sampleRate);
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    buffer_ = new QBuffer(this);
    buffer_->setData(audio.samples);
    buffer_->open(QIODevice::ReadOnly);
    sink_ = new QAudioSink(device, format, this);
    QAudioSink* sink = sink_;
    connect(sink, &QAudioSink::stateChanged, this, [this, sink](QAudio::State state) {
        if (sink != sink_)
            return;
        if (state == QAudio::IdleState)
            endPlayback();
        else if (state == QAudio::StoppedState && sink->error() != QAudio::NoError) {
            tell(QStringLiteral("the sound device refused the speech"));
            endPlayback();
        }
    });
    sink->start(buffer_);
    if (sink_ == sink && sink->error() != QAudio::NoError) {
        tell(QStringLiteral("the sound device refused the speech"));
        endPlayback();
    }
}

void EspeakVoice::endPlayback()
{
    QAudioSink* sink = std::exchange(sink_, nullptr);
    QBuffer* buffer = std::exchange(buffer_, nullptr);
    if (sink) {
        sink->disconnect(this);
        sink->stop();
        sink->deleteLater();
    }
    if (buffer)
        buffer->deleteLater();
}
