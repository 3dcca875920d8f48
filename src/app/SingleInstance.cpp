#include "app/SingleInstance.h"

#include <QDir>
#include <QStandardPaths>

SingleInstance::SingleInstance(const QString& lockPath) : lock_(lockPath)
{
    // No age limit: only a dead owner makes the lock stale.
    lock_.setStaleLockTime(0);
}

bool SingleInstance::acquire()
{
    return lock_.isLocked() || lock_.tryLock(0);
}

QString SingleInstance::defaultLockPath()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty() || !QDir(folder).exists())
        folder = QDir::tempPath();
    return QDir(folder).filePath(QStringLiteral("contalandia.lock"));
}
