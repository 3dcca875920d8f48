// SPDX-License-Identifier: GPL-3.0-or-later
// Writing every number an exercise can show in words, as the word screens
// do for each problem, once the language's formatter exists (the first
// round makes it). Items are numbers: the time per item is the time per
// number (kept under 10 microseconds). Judging typed words is measured too.
#include "services/NumberWords.h"
#include "services/WordAnswer.h"

#include <benchmark/benchmark.h>

namespace {

void BM_NumberToWords(benchmark::State& state)
{
    const auto language = static_cast<WordsLanguage>(state.range(0));
    for (auto _ : state) {
        for (int n = 0; n <= 999; ++n) {
            QString words = numberToWords(n, language);
            benchmark::DoNotOptimize(words);
        }
    }
    state.SetItemsProcessed(state.iterations() * 1000);
    static const char* names[] = {"", "Italian", "English", "French", "German", "Spanish", "Albanian"};
    state.SetLabel(names[state.range(0)]);
}
BENCHMARK(BM_NumberToWords)->DenseRange(1, 6);

// As the callers use it: upper-cased.
void BM_NumberInWords(benchmark::State& state)
{
    const auto language = static_cast<WordsLanguage>(state.range(0));
    for (auto _ : state) {
        for (int n = 0; n <= 999; ++n) {
            QString words = numberInWords(n, language);
            benchmark::DoNotOptimize(words);
        }
    }
    state.SetItemsProcessed(state.iterations() * 1000);
}
BENCHMARK(BM_NumberInWords)->Arg(4);

// Judging a typed answer against the number's words.
void BM_JudgeTypedWords(benchmark::State& state)
{
    const QString typed = QStringLiteral("quatre cent quatre-vingt-quatorze");
    for (auto _ : state) {
        bool right = wordAnswer::isRight(typed, 494, WordsLanguage::French);
        benchmark::DoNotOptimize(right);
    }
}
BENCHMARK(BM_JudgeTypedWords);

}  // namespace
