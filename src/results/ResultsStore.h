// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "results/Connections.h"
#include "results/Pin.h"
#include "results/Players.h"
#include "results/ResultRecords.h"
#include "results/ResultsConfig.h"
#include "results/ResultsSchema.h"
#include "results/ResultsWriter.h"

#include <QObject>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>

#include <functional>

class QThread;

// The results of every judged answer, kept for teachers and parents.
//
// The store lives in the user-interface thread; writing happens in its own
// worker thread (ResultsWriter), so recording an answer only hands it over
// and returns. With a classroom server a second worker thread sends the
// queue, so that a server that hangs never holds up the writing here. The user-interface thread keeps its own connection to this
// computer's database for the players, the store's settings and the
// results screen; a classroom server is read through a connection opened
// when the results screen asks for it.
//
// The store opens this computer's database when it is made: a file that
// cannot be used is moved aside (movedAsideTo()) and a new one started.
// Whether it can be used is known in two steps: whether it is a database of
// this program is quick to tell; whether every page of it reads (SQLite's
// quick check) takes a reading of the whole file, 45 ms for 100 000 answers.
// The program leaves that to after its first window (wholeFileCheckLater,
// checkWholeFile()); the workers start writing once it is done.
//
// The user-interface thread never waits for the file: a file that another
// program holds, or that cannot be opened or written now, is not damage.
// It is left as it is, the writer opens it in its own thread, trying again
// until it can (meanwhile the answers wait in memory), and the store opens
// its own connection when the writer has: playersChanged() tells so.
class ResultsStore : public QObject
{
    Q_OBJECT
public:
    struct Setup
    {
        ResultsConfig config;
        QString computer;        // this computer's name
        QString computerUser;    // whose results they are when no player is named
        int serverTimeoutSeconds = 3;
        int retryMinMs = 2000;
        int retryMaxMs = 60000;
        // How long the workers wait for a file that another program holds,
        // at each try (the user-interface thread never waits for it).
        int busyMs = 5000;
        // Seconds of the program's clock, for the PIN's wait.
        std::function<double()> now;
        // The whole file is read for the check at checkWholeFile() (or at
        // the first thing written), not when the store is made.
        bool wholeFileCheckLater = false;
    };
    explicit ResultsStore(Setup setup, QObject* parent = nullptr);
    // Writes what was recorded, then stops the worker.
    ~ResultsStore() override;

    // --- state ------------------------------------------------------------
    bool usable() const { return usable_; }          // this computer's database works
    QString problem() const { return problem_; }     // why it does not, or the setting not used
    // Why this computer's file cannot be used now (None while it can).
    FileTrouble trouble() const { return trouble_; }
    QString movedAsideTo() const { return movedAsideTo_; }
    bool usesServer() const { return setup_.config.server.has_value(); }
    QString serverShown() const;
    bool serverReachable() const { return state_.serverReachable; }
    qint64 pending() const { return state_.pending; }
    qint64 lost() const { return state_.lost; }
    // Answers this computer's file has not taken yet: they wait in memory
    // and are written as soon as it takes them; and why.
    qint64 notKept() const { return state_.heldAnswers; }
    FileTrouble notKeptBecause() const { return FileTrouble(state_.heldTrouble.load()); }
    // Answers given up (more than memory keeps), and why.
    qint64 lostAnswers() const { return state_.lostAnswers; }
    FileTrouble lostBecause() const { return FileTrouble(state_.lostTrouble.load()); }

    // Finishes the check of this computer's database when it was left for
    // later: a file that fails it is moved aside and a new one started, and
    // playersChanged() tells so. Then the workers start. Does nothing the
    // second time.
    void checkWholeFile();

    // --- recording (any time, returns at once) ------------------------------
    // Fills what is missing (id, time now, the current player, this
    // computer) and hands the record to the worker.
    void record(AnswerRecord answer);
    void record(VisitRecord visit);
    // Waits until the worker has written everything recorded so far (and
    // tried to send it: with a server that hangs, as long as it takes the
    // connection to give up). For the end of the program and for tests.
    void waitForWrites();
    // Tries to send the queue to the server now instead of at the next try.
    void sendNow();

    // --- players --------------------------------------------------------------
    // The players named on this computer (a copy of the server's, with a
    // server), sorted by name.
    QStringList players() const;
    // Whose answers are recorded: the chosen player while more than one is
    // named, the only one when one is, else (none named, or none of them
    // chosen) the computer's user.
    QString currentPlayer() const { return currentPlayer_; }
    QString computerUser() const { return setup_.computerUser; }
    // Remembers the choice for the next start.
    void choosePlayer(const QString& name);
    players::Problem addPlayer(const QString& name);
    players::Problem renamePlayer(const QString& from, const QString& to);
    players::Problem removePlayer(const QString& name);

    // --- settings of this computer (the PIN of the results screen) ------------
    QString setting(const QString& key) const;
    bool setSetting(const QString& key, const QString& value);

    // The tries at the results screen's PIN, counted for the whole run and
    // kept for the next (in this computer's settings).
    PinGate& pinGate() { return pinGate_; }

    // The results screen's PIN as kept (pin::hash), empty for none. On one
    // computer it is in this computer's settings; with a server it is the
    // server's, for every computer of the class (a PIN set here before
    // the server was named still holds while the server has none), and a
    // copy is kept here for when the server cannot be read. Not `known`
    // when it cannot be told (this computer's file or, with no copy, the
    // server cannot be read): the screen stays shut then.
    struct PinHash
    {
        QString stored;
        bool known = true;
    };
    PinHash pinHash();
    bool setPinHash(const QString& stored);

    // --- reading for the results screen ---------------------------------------
    struct Reading
    {
        QSqlDatabase db;             // invalid when it cannot be read
        resultsSchema::Dialect dialect = resultsSchema::Dialect::SQLite;
        QString error;               // in the driver's words, for the log
        bool server = false;         // a server is named
        // The server cannot be read: this computer's own answers instead.
        bool thisComputerOnly = false;
        FileTrouble trouble = FileTrouble::None;   // why this computer's cannot be read
    };
    // The database that holds the results to show: this computer's, or the
    // server's (connecting may wait up to the server timeout); when the
    // server cannot be read, this computer's copy of its own answers.
    Reading reading();

signals:
    void playersChanged();

private:
    QSqlDatabase local() const;
    void startWorkers();
    // The writer has opened the file that could not be opened at the start.
    void fileOpened(const QString& movedAsideTo);
    void openAfterWriter();
    void opened();
    bool hasSetting(const QString& key) const;
    QStringList playerList() const;
    void refreshCurrentPlayer();
    void keepServerPlayers(const QStringList& names);
    players::Problem change(const std::function<players::Problem(QSqlDatabase&, bool)>& onServer,
                            const std::function<players::Problem(QSqlDatabase&, bool)>& onLocal);

    Setup setup_;
    WriterState state_;
    QString localName_;
    QString serverName_;
    bool usable_ = false;
    bool checkPending_ = false;
    QString problem_;
    FileTrouble trouble_ = FileTrouble::None;
    int openWaitMs_ = 0;
    QString movedAsideTo_;
    QString currentPlayer_;
    PinGate pinGate_;
    QThread* thread_ = nullptr;
    ResultsWriter* writer_ = nullptr;
    QThread* senderThread_ = nullptr;   // with a server only
    ResultsWriter* sender_ = nullptr;
};

// The computer's user as the results name it: the full name of the login,
// else the login name.
QString computerUserName();
