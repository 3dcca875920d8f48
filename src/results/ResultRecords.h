// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QDateTime>
#include <QString>
#include <QUuid>

// What the results store keeps. Times are UTC, stored as milliseconds
// since 1970; every record carries a unique id, so a record sent to the
// server twice is stored there once.

// One judged answer, at the moment the frame counted it right or wrong.
struct AnswerRecord
{
    QUuid id;
    QDateTime at;       // UTC
    QString player;
    QString computer;
    QString screen;     // design name, e.g. "FormScri"
    int mode = 0;       // the written-number screen's mode, 0 elsewhere
    QString title;      // what the screen was called when it was played
    QString family;     // exercise family, e.g. "written", "abacus"
    QString problem;    // as shown
    QString answer;     // as typed or chosen
    bool right = false;
};

// One visit of an exercise screen: when it was opened and when left.
struct VisitRecord
{
    QUuid id;
    QString player;
    QString computer;
    QString screen;
    int mode = 0;
    QString title;
    QString family;
    QDateTime opened;   // UTC
    QDateTime left;     // UTC
};

// Player names are compared ignoring case through this key.
inline QString playerKey(const QString& name)
{
    return name.trimmed().toCaseFolded();
}
