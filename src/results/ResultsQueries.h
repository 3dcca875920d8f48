// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "results/ResultRecords.h"
#include "results/ResultsSchema.h"
#include "results/Summaries.h"

#include <QDate>
#include <QString>

#include <functional>
#include <vector>

class QSqlDatabase;

// What the results screen reads, from either kind of database. Each query
// takes a player's key (playerKey(); empty: every player) and fills `error`
// when the database refuses it.
namespace resultsQueries {

// Per player and screen: answers, right, last played (not yet sorted).
std::vector<SummaryRow> screenSummaries(QSqlDatabase& db, const QString& playerKey, QString* error);

// Right and wrong answers per local day from `from` on, only the days that
// have answers; `family` empty: every family.
std::vector<DayCount> perDay(QSqlDatabase& db, resultsSchema::Dialect dialect, const QString& playerKey,
                             const QString& family, QDate from, QString* error);

// Every answer in time order, handed one by one (an export of years of
// answers does not hold them all at once). Returns false on an error.
bool eachAnswer(QSqlDatabase& db, const QString& playerKey,
                const std::function<void(const AnswerRecord&)>& take, QString* error);

// The names that have answers, with the players named by a grown-up.
QStringList playersWithResults(QSqlDatabase& db, QString* error);

} // namespace resultsQueries
