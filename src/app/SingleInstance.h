#pragma once
#include <QLockFile>
#include <QString>

// Keeps a second copy of the program from starting. The lock lives as long
// as this object. A lock left behind by a copy that crashed counts as free
// as soon as its process is gone; a live owner is never overruled, however
// long it has been running.
class SingleInstance
{
public:
    explicit SingleInstance(const QString& lockPath = defaultLockPath());
    // True when this copy is the only one; false when another holds the lock.
    bool acquire();
    bool held() const { return lock_.isLocked(); }

    // In the user's runtime folder, or the temporary folder without one.
    static QString defaultLockPath();

private:
    QLockFile lock_;
};
