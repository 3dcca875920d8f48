// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>
#include <QStringList>

// Keeps a second copy of the program from starting. The lock is a lock of
// the operating system on a file in a folder of this user's own; it lives as
// long as this object and ends with the process, however that ends. So only
// a live copy of this user's program holds it: whatever a file left at the
// lock's place holds (nothing, garbage, another host's or a dead process's
// lock, or no permission to read it), it is taken over; and whatever stands
// there that is no regular file (a link, a folder, a pipe) is removed and
// the lock file made in its place.
class SingleInstance
{
public:
    explicit SingleInstance(const QString& lockPath = defaultLockPath());
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // False only when another live copy holds the lock. Where no lock can
    // be made at all (no folder of the user's own), the program starts.
    bool acquire();
    bool held() const { return fd_ >= 0; }
    // Lets another copy start before this object goes (this copy's window
    // is gone, its last work goes on).
    void release();

    // "contalandia.lock" in the user's runtime folder, else in the program's
    // cache folder; empty when neither belongs to this user alone.
    static QString defaultLockPath();
    // The first folder that belongs to this user alone: owned by the user
    // and writable by nobody else. Empty when none does.
    static QString privateFolder(const QStringList& candidates);

private:
    QString path_;
    int fd_ = -1;
};
