// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QDate>
#include <QString>

#include <vector>

// What the results screen shows: for each player, the answers per screen
// and per exercise family, and right and wrong answers per day.

struct SummaryRow
{
    QString player;
    QString family;
    QString screen;     // empty in a row of a whole family
    int mode = 0;
    QString title;
    qint64 answers = 0;
    qint64 right = 0;
    qint64 lastMs = 0;  // when last played, ms since 1970 UTC

    qint64 wrong() const { return answers - right; }
    double shareRight() const { return answers > 0 ? double(right) / double(answers) : 0.0; }
};

struct DayCount
{
    QDate day;          // local date
    qint64 right = 0;
    qint64 wrong = 0;
};

namespace summaries {

// How well a player does at an exercise, 0 (struggles) to 1: the share of
// right answers as if one right and one wrong answer were added, so that a
// single wrong answer does not weigh as much as many.
double ease(const SummaryRow& row);

// Per player, the exercises where the player struggles most first: the
// players in name order (ignoring case), within each the rows from the
// lowest ease up; equal ease puts more wrong answers first, then the title.
void sortByStruggle(std::vector<SummaryRow>& rows);

// The rows of each player's screens added up per exercise family.
std::vector<SummaryRow> byFamily(const std::vector<SummaryRow>& screens);

// One entry per day from `from` to `to`, with zeros on days without answers.
std::vector<DayCount> everyDay(const std::vector<DayCount>& counted, QDate from, QDate to);

} // namespace summaries
