// SPDX-License-Identifier: GPL-3.0-or-later
// Writing every number an exercise can show in words: the word-answer
// screens do this for each problem, and the answer box sizes itself by
// writing all of them once.
#include "services/NumberWords.h"

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

}  // namespace
