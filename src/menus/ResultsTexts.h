// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>
#include <QStringList>

// The message strings of the results screen: 0500 to 0566 ("%1", "%2"
// stand for what the program fills in).
namespace resultsTexts {

inline QString key(int n)
{
    return QStringLiteral("%1").arg(n, 4, 10, QLatin1Char('0'));
}

enum : int {
    NotKept = 500,          // %1 why
    MovedAside = 501,       // %1 where the old file lies now
    ServerWaiting = 502,    // %1 server, %2 answers waiting
    ServerUnreadable = 503, // %1 server, %2 why
    AllPlayers = 504,
    AllFamilies = 505,
    FamilyFirst = 506,      // 506..511: the six exercise families
    HeaderPlayer = 512,
    HeaderFamily = 513,
    HeaderExercise = 514,
    HeaderAnswers = 515,
    HeaderRight = 516,
    HeaderWrong = 517,
    HeaderShare = 518,
    HeaderLast = 519,
    ChartTitle = 520,
    SeriesRight = 521,
    SeriesWrong = 522,
    PinWrong = 523,
    PinWait = 524,          // %1 seconds
    PinRule = 525,
    PinDiffer = 526,
    PinSet = 527,
    PinRemoved = 528,
    NameEmpty = 529,
    NameTooLong = 530,
    NameNotPlain = 531,
    NameTaken = 532,
    NameMissing = 533,
    NameNotSaved = 534,
    RemoveQuestion = 535,   // %1 the player
    CsvTitle = 536,
    PdfTitle = 537,
    CsvFilter = 538,
    PdfFilter = 539,
    NotWritten = 540,       // %1 the file
    Written = 541,          // %1 the file
    NoAnswers = 542,
    HeaderTime = 543,
    HeaderComputer = 544,
    HeaderProblem = 545,
    HeaderAnswer = 546,
    HeaderJudged = 547,
    Yes = 548,
    No = 549,
    TableName = 550,
    ChartName = 551,
    PdfHeading = 552,       // %1 the player(s), %2 the date
    PlayerAdded = 553,      // %1 the player
    PlayerRenamed = 554,    // %1 the new name
    PlayerRemoved = 555,    // %1 the player
    PinChecking = 556,
    NotKeptYet = 557,       // %1 answers, %2 why (one of 559..563)
    AnswersLost = 558,      // %1 answers, %2 why (one of 559..563)
    BecauseBusy = 559,      // why this computer's file takes nothing now
    BecauseFull = 560,
    BecauseReadOnly = 561,
    BecauseDamaged = 562,
    BecauseOther = 563,
    LocalUnreadable = 564,  // %1 why (one of 559..563)
    ServerNoAnswer = 565,   // why the server's results cannot be read
    ThisComputerOnly = 566, // what is shown when the server cannot be read
    Last = 566,
};

// The exercise families as the frame records them, in the order of their
// names 506..511.
inline const QStringList Families = {QStringLiteral("written"), QStringLiteral("columns"),
                                     QStringLiteral("abacus"),  QStringLiteral("blocks"),
                                     QStringLiteral("tables"),  QStringLiteral("numberlines")};

inline QStringList allKeys()
{
    QStringList keys;
    for (int n = NotKept; n <= Last; ++n)
        keys << key(n);
    return keys;
}

} // namespace resultsTexts
