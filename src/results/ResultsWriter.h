// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "results/ResultRecords.h"
#include "results/ResultsConfig.h"

#include <QList>
#include <QObject>
#include <QSqlDatabase>
#include <QSqlError>
#include <QStringList>
#include <QString>
#include <QVariantList>

#include <atomic>
#include <optional>

class QTimer;

// What the store's worker thread knows, for the user-interface thread.
struct WriterState
{
    std::atomic<bool> serverReachable{false};
    std::atomic<qint64> pending{0};     // answers and visits waiting for the server
    std::atomic<qint64> written{0};     // records written since the start
    std::atomic<qint64> lost{0};        // records that could not be kept
    // Answers this computer's file could not take yet, kept in memory and
    // written when it can (see ResultsWriter), and why (a FileTrouble).
    std::atomic<qint64> heldAnswers{0};
    std::atomic<int> heldTrouble{0};
    std::atomic<qint64> lostAnswers{0};   // answers given up at the end
    std::atomic<int> lostTrouble{0};
};

// Writes answers and visits, or sends them to a classroom server: one
// object in each role, each in a worker thread of the results store, each
// with its own connections.
//
// On one computer each record goes into the SQLite database. With a
// classroom server each record goes into this computer's copy (answers,
// visits: what the results screen shows when the server cannot be read)
// and into its queue (pending_answers, pending_visits in the same SQLite
// file), in one transaction, and the queue
// is sent to the server in batches: each batch is inserted in one server
// transaction in which a record whose id the server already has is skipped,
// and only after that transaction is committed is the batch taken off the
// queue. A batch sent again after a failure between the two is therefore
// stored once. While the server cannot be reached the queue waits and the
// sender tries again, first after `retryMinMs`, doubling up to `retryMaxMs`.
//
// A record this computer's file cannot take (the disk is full, the folder
// takes no writing, another program holds the file, or the file could not
// be opened at the start) is kept in memory, in order, and written with the
// ones after it when the file takes them again: tried after `retryMinMs`,
// doubling up to `retryMaxMs`, the file opened again if it was not. Nothing
// waits for that but this thread. One line in the log says that answers
// wait and why, one that they were written; what the end of the program
// still finds in memory (or what would go beyond `heldLimit`) is lost, with
// a line that counts it.
//
// Writing and sending run in separate threads so that a server that hangs
// (a connection that neither answers nor fails, up to the connection's
// timeouts) never holds up the writing on this computer: the writer only
// says queued() after each record it puts in the queue, and the sender,
// told so, sends when it can.
class ResultsWriter : public QObject
{
    Q_OBJECT
public:
    struct Setup
    {
        // Writes: this computer's database (with a server, its queue).
        // Sends: the queue to the server.
        enum class Role { Writes, Sends };
        Role role = Role::Writes;
        QString localPath;
        std::optional<ServerAddress> server;
        QString connectionPrefix;
        int serverTimeoutSeconds = 3;
        int retryMinMs = 2000;
        int retryMaxMs = 60000;
        int batchSize = 500;
        // How long a statement waits for a file that another connection holds.
        int busyMs = 5000;
        // Records kept in memory at most.
        int heldLimit = 50000;
        // The file was not opened by the store (it was held or could not be
        // written at the start): this writer opens it with this check.
        bool opensFile = false;
        int openCheck = 0;   // a FileCheck
    };
    ResultsWriter(Setup setup, WriterState& state);
    ~ResultsWriter() override;

    // All of these run in the object's worker thread.
    void open();
    bool isOpen() const { return localOpen_; }
    void write(const AnswerRecord& answer);
    void write(const VisitRecord& visit);
    // Sends the queue now (after a failure, only once the wait is over,
    // unless `force`).
    void sendPending(bool force = false);
    // The writer put more in the queue: sent now unless a try after a
    // failure is still waiting; the count of what waits is updated.
    void sendQueued();
    void close();

signals:
    // The writer put a record in the queue.
    void queued();
    // The server's players, read after each connection: the store keeps
    // them on this computer for a start without the server.
    void serverPlayers(const QStringList& names);
    // The writer that opens the file itself has opened it (`movedAsideTo`
    // names where a damaged file went, or is empty).
    void fileOpened(const QString& movedAsideTo);

private:
    struct Held
    {
        QStringList tables;
        QString columns;
        QVariantList values;
        bool answer = false;
    };
    bool openFile();
    bool writeLocal(const QStringList& tables, const QVariantList& values, const QString& columns, bool answer);
    bool insert(QSqlDatabase& db, const Held& h, QSqlError* error);
    QStringList tablesFor(const QString& kept, const QString& queue) const;
    void enqueueUnsent();
    void hold(Held record, int trouble, const QString& why);
    // Writes what waits in memory; when it cannot, tries again later if
    // `again`.
    void writeHeld(bool again = true);
    void writeHeldNow(bool again);
    void announce();
    void holdLater();
    bool connectServer();
    void serverFailed(const QString& error);
    bool sendTable(const QString& table, const QString& target, const QString& columns, int* sent,
                   QString* serverError);
    void countPending();

    Setup setup_;
    WriterState& state_;
    QString localName_;
    QString serverName_;
    bool localOpen_ = false;
    bool serverOpen_ = false;
    QTimer* retry_ = nullptr;
    int waitMs_ = 0;
    QList<Held> held_;
    QTimer* heldRetry_ = nullptr;
    int heldWaitMs_ = 0;
    QString heldWhy_;
    bool announced_ = false;   // fileOpened() was sent
    QString movedAsideTo_;
    bool caughtUp_ = false;   // enqueueUnsent() has run
};
