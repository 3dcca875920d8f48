// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/SingleInstance.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

SingleInstance::SingleInstance(const QString& lockPath) : path_(lockPath) {}

SingleInstance::~SingleInstance()
{
    if (fd_ < 0)
        return;
    // Removed while still locked: a copy starting now finds either no file
    // or a new one, never this one unlocked under the name.
    ::unlink(QFile::encodeName(path_).constData());
    ::close(fd_);
}

bool SingleInstance::acquire()
{
    if (fd_ >= 0 || path_.isEmpty())
        return true;
    const QByteArray path = QFile::encodeName(path_);
    for (int attempt = 0; attempt < 4; ++attempt) {
        const int fd = ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
        if (fd < 0) {
            // A file this user cannot open is no live copy's lock: the folder
            // is the user's own, so it is removed and made anew.
            if ((errno == EACCES || errno == EPERM || errno == ELOOP) && ::unlink(path.constData()) == 0)
                continue;
            return true;  // no lock can be made here: start unguarded
        }
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            const bool heldByAnother = errno == EWOULDBLOCK;
            ::close(fd);
            return !heldByAnother;
        }
        // A copy that was ending may have removed the file between the open
        // and the lock: only the file still at the path counts.
        struct stat locked = {};
        struct stat atPath = {};
        if (::fstat(fd, &locked) == 0 && ::stat(path.constData(), &atPath) == 0 && locked.st_dev == atPath.st_dev
            && locked.st_ino == atPath.st_ino) {
            // The owner's process, for whoever looks at the file; the lock
            // holds without this note too.
            const QByteArray pid = QByteArray::number(qint64(::getpid())) + '\n';
            if (::ftruncate(fd, 0) == 0)
                (void)!::write(fd, pid.constData(), size_t(pid.size()));
            fd_ = fd;
            return true;
        }
        ::close(fd);
    }
    return true;
}

QString SingleInstance::privateFolder(const QStringList& candidates)
{
    for (const QString& folder : candidates) {
        if (folder.isEmpty())
            continue;
        QDir().mkpath(folder);
        struct stat st = {};
        if (::stat(QFile::encodeName(folder).constData(), &st) != 0 || !S_ISDIR(st.st_mode))
            continue;
        if (st.st_uid == ::geteuid() && (st.st_mode & (S_IWGRP | S_IWOTH)) == 0)
            return QDir(folder).absolutePath();
    }
    return {};
}

QString SingleInstance::defaultLockPath()
{
    const QString folder = privateFolder({QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation),
                                          QStandardPaths::writableLocation(QStandardPaths::CacheLocation)});
    return folder.isEmpty() ? QString() : QDir(folder).filePath(QStringLiteral("contalandia.lock"));
}
