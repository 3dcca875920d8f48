// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QObject>
#include <QString>

#include <functional>

class QThread;

// The slow PIN work, checking a typed PIN against the stored hash or
// hashing a new one, on a thread of its own, so that the window never waits
// for the key derivation. One piece of work at a time: while one is under
// way, busy() is true and further work is refused. The result comes back
// through the event loop, as a signal on the thread this object lives in.
// Destroying it (the screen closed, the program quitting) waits for the
// work under way, one derivation at most, and drops its result.
class PinWork : public QObject
{
    Q_OBJECT
public:
    explicit PinWork(QObject* parent = nullptr);
    ~PinWork() override;

    bool busy() const { return thread_ != nullptr; }
    // False, and nothing started, while busy.
    bool check(const QString& typed, const QString& stored);
    bool hash(const QString& pin);

signals:
    void checked(bool right);
    void hashed(const QString& stored);

private:
    bool start(std::function<void()> work, std::function<void()> done);

    QThread* thread_ = nullptr;
    // Written by the work's thread, read here once it has finished.
    bool right_ = false;
    QString hash_;
};
