// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "results/ResultsQueries.h"
#include "results/ResultsStore.h"

#include <vector>

// Every answer the store holds, once the writes asked for so far are done.
inline std::vector<AnswerRecord> keptAnswers(ResultsStore& store)
{
    store.waitForWrites();
    std::vector<AnswerRecord> all;
    ResultsStore::Reading r = store.reading();
    resultsQueries::eachAnswer(r.db, {}, [&](const AnswerRecord& a) { all.push_back(a); }, nullptr);
    return all;
}
