// SPDX-License-Identifier: GPL-3.0-or-later
// The program's voice: espeak-ng in-process, each of the six languages,
// a new text cutting off the old, and silence without voice data.
#include "app/SoundService.h"
#include "framework/Speakers.h"
#include "services/EspeakVoice.h"
#include "services/NumberWords.h"
#include "support/TestApp.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include <cmath>
#include <cstdlib>
#include <mutex>

namespace {

// The loudest sample and the root mean square of the speech.
struct Loudness
{
    int peak = 0;
    double rms = 0;
};
Loudness loudness(const SpeechAudio& audio)
{
    Loudness l;
    const auto* s = reinterpret_cast<const qint16*>(audio.samples.constData());
    const qsizetype n = audio.samples.size() / 2;
    double sum = 0;
    for (qsizetype i = 0; i < n; ++i) {
        l.peak = std::max(l.peak, std::abs(int(s[i])));
        sum += double(s[i]) * s[i];
    }
    l.rms = n > 0 ? std::sqrt(sum / double(n)) : 0;
    return l;
}

// Log lines of the voice's category, while it lives.
struct VoiceLog
{
    static inline QStringList lines;
    QtMessageHandler previous;
    VoiceLog()
    {
        lines.clear();
        previous = qInstallMessageHandler([](QtMsgType, const QMessageLogContext& c, const QString& m) {
            if (c.category && QLatin1String(c.category) == QLatin1String("contalandia.voice"))
                lines << m;
        });
    }
    ~VoiceLog() { qInstallMessageHandler(previous); }
};

} // namespace

// "345" in words, in each language, is between half a second and four
// seconds of sound that is not silence.
TEST(Voice, EachLanguageSays345InWords)
{
    std::lock_guard<std::mutex> engine(espeak::lock());
    QString error;
    ASSERT_TRUE(espeak::open(QString(), &error)) << error.toStdString();
    for (WordsLanguage language : AllWordsLanguages) {
        const QString words = numberInWords(345, language).trimmed().toLower();
        SCOPED_TRACE(words.toStdString());
        const SpeechAudio audio = espeak::synthesise(words, language, [] { return false; }, &error);
        EXPECT_TRUE(error.isEmpty()) << error.toStdString();
        EXPECT_GT(audio.sampleRate, 8000);
        EXPECT_GE(audio.seconds(), 0.5);
        EXPECT_LE(audio.seconds(), 4.0);
        const Loudness l = loudness(audio);
        EXPECT_GT(l.peak, 3000);
        EXPECT_GT(l.rms, 300);
    }
}

// The voice speaks from its worker; a new text cuts off the one before, so
// only the last of texts asked for in a row is heard.
TEST(Voice, ANewTextCutsOffTheOneBefore)
{
    TestApp t;
    EspeakVoice voice;
    QStringList heard;
    voice.onAudio = [&](const QString& text, const SpeechAudio& audio) {
        if (!audio.samples.isEmpty())
            heard << text;
    };
    voice.say(QStringLiteral("trecentoquarantacinque"), WordsLanguage::Italian, Voice::When::Now);
    voice.say(QStringLiteral("nove"), WordsLanguage::Italian, Voice::When::Now);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !heard.isEmpty(); }, 10000));
    QTest::qWait(100);
    EXPECT_EQ(heard, QStringList{QStringLiteral("nove")});

    voice.say(QStringLiteral("uno"), WordsLanguage::Italian, Voice::When::Now);
    voice.stop();
    QTest::qWait(300);
    EXPECT_EQ(heard.size(), 1) << "a stopped text is never heard";
    EXPECT_FALSE(voice.failed());
}

// No voice data: the voice stays silent, for good, and says so once.
TEST(Voice, AFolderWithoutVoiceDataLeavesItSilentWithOneLogLine)
{
    TestApp t;
    QTemporaryDir empty;
    VoiceLog log;
    {
        EspeakVoice voice(empty.path());
        int heard = 0;
        voice.onAudio = [&](const QString&, const SpeechAudio&) { ++heard; };
        voice.say(QStringLiteral("uno"), WordsLanguage::Italian, Voice::When::Now);
        ASSERT_TRUE(QTest::qWaitFor([&] { return voice.failed() && !voice.busy(); }, 10000));
        QTest::qWait(50);
        voice.say(QStringLiteral("due"), WordsLanguage::Italian, Voice::When::AfterSound);
        QTest::qWait(100);
        EXPECT_EQ(heard, 0);
    }
    EXPECT_EQ(VoiceLog::lines.size(), 1) << VoiceLog::lines.join(QLatin1Char('\n')).toStdString();
    // The system's voice data is found again by the next voice.
    EspeakVoice again;
    bool heard = false;
    again.onAudio = [&](const QString&, const SpeechAudio& audio) { heard = !audio.samples.isEmpty(); };
    again.say(QStringLiteral("tre"), WordsLanguage::Italian, Voice::When::Now);
    EXPECT_TRUE(QTest::qWaitFor([&] { return heard; }, 10000));
}

// The program with its voice pointed at an empty folder: the speaker
// buttons, F2 and right answers all work, silently.
TEST(Voice, TheProgramKeepsWorkingWithTheVoiceDataMissing)
{
    TestApp t;
    QTemporaryDir empty;
    VoiceLog log;
    SoundService service({QStringLiteral(CONTALANDIA_SOUND_LIBRARY_FILE)}, empty.path());
    t.app.speech.useVoice(&service);
    ASSERT_TRUE(service.load());
    t.random.setFallback(0.3);
    t.app.state.exerciseType = 1;
    t.open(QStringLiteral("FormScri"), 1);
    QCoreApplication::sendPostedEvents();
    ASSERT_NE(service.voice(), nullptr) << "the library's voice is made";
    const QList<QPushButton*> speakers = t.current()->speakers().buttons();
    ASSERT_FALSE(speakers.isEmpty());
    for (QPushButton* b : speakers)
        if (b->isVisible())
            QTest::mouseClick(b, Qt::LeftButton);
    t.press(Qt::Key_F2);
    const int n = t.app.state.currentNumber;
    t.typeKeys(QStringLiteral("Text1"), QString::number(n));
    t.key(QStringLiteral("Text1"), Qt::Key_Return);
    EXPECT_EQ(t.find<QLabel>(QStringLiteral("EtichettaEsatti"))->text().trimmed(), QStringLiteral("1"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return static_cast<EspeakVoice*>(service.voice())->failed(); }, 10000));
    t.click(QStringLiteral("BottoneAvanti"));
    EXPECT_TRUE(t.find<QLineEdit>(QStringLiteral("Text1"))->isEnabled());
    QTest::qWait(100);
    EXPECT_EQ(VoiceLog::lines.size(), 1) << VoiceLog::lines.join(QLatin1Char('\n')).toStdString();
    t.app.speech.useVoice(&t.voice);
}
