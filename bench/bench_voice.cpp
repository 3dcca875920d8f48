// SPDX-License-Identifier: GPL-3.0-or-later
// The voice's synthesis of a number in words, as the worker thread makes
// it after a right answer or a press on a speaker: the longest words of
// each language, and a walk over every number. The voice data is read
// once, before the timing.
#include "services/EspeakVoice.h"
#include "services/NumberWords.h"
#include "services/WordAnswer.h"

#include <benchmark/benchmark.h>

#include <mutex>

namespace {

const char* const VoiceLanguageNames[] = {"", "Italian", "English", "French", "German", "Spanish", "Albanian"};

void BM_SayLongestNumber(benchmark::State& state)
{
    const auto language = static_cast<WordsLanguage>(state.range(0));
    std::lock_guard<std::mutex> engine(espeak::lock());
    QString error;
    if (!espeak::open(QString(), &error)) {
        state.SkipWithError(qPrintable(error));
        return;
    }
    const QString words = numberInWords(wordAnswer::numberWithLongestWords(language), language).toLower();
    const auto never = [] { return false; };
    double seconds = 0;
    for (auto _ : state) {
        SpeechAudio audio = espeak::synthesise(words, language, never, &error);
        seconds = audio.seconds();
        benchmark::DoNotOptimize(audio);
    }
    state.counters["audio_s"] = seconds;
    state.SetLabel(QStringLiteral("%1: %2").arg(QLatin1String(VoiceLanguageNames[state.range(0)]), words).toStdString());
}
BENCHMARK(BM_SayLongestNumber)->DenseRange(1, 6)->Unit(benchmark::kMillisecond);

// Numbers 1, 8, 15, ... 995 in turn: the time per number, on average.
void BM_SayEveryNumber(benchmark::State& state)
{
    const auto language = static_cast<WordsLanguage>(state.range(0));
    std::lock_guard<std::mutex> engine(espeak::lock());
    QString error;
    if (!espeak::open(QString(), &error)) {
        state.SkipWithError(qPrintable(error));
        return;
    }
    const auto never = [] { return false; };
    int n = 1;
    for (auto _ : state) {
        SpeechAudio audio = espeak::synthesise(numberInWords(n, language).trimmed().toLower(), language, never, &error);
        benchmark::DoNotOptimize(audio);
        n = n + 7 > 999 ? 1 : n + 7;
    }
    state.SetLabel(VoiceLanguageNames[state.range(0)]);
}
BENCHMARK(BM_SayEveryNumber)->DenseRange(1, 6)->Unit(benchmark::kMillisecond);

} // namespace
