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
    release();
}

void SingleInstance::release()
{
    if (fd_ < 0)
        return;
    // Removed while still locked: a copy starting now finds either no file
    // or a new one, never this one unlocked under the name.
    ::unlink(QFile::encodeName(path_).constData());
    ::close(fd_);
    fd_ = -1;
}

namespace {

// Whatever stands at the lock's place and is not a regular file (a folder,
// a pipe, a socket, a device) is no live copy's lock: it is moved aside
// under a name of its own and removed, so the lock file can be made there.
// A copy starting at the same moment that finds it gone simply tries again.
bool clearNonFile(const QByteArray& path)
{
    struct stat st = {};
    if (::lstat(path.constData(), &st) != 0)
        return errno == ENOENT;
    if (S_ISREG(st.st_mode))
        return true;
    if (S_ISLNK(st.st_mode))
        return ::unlink(path.constData()) == 0 || errno == ENOENT;
    const QByteArray aside = path + ".stale-" + QByteArray::number(qint64(::getpid()));
    if (::rename(path.constData(), aside.constData()) != 0)
        return errno == ENOENT;
    // Links inside a folder are removed, never followed.
    if (S_ISDIR(st.st_mode))
        QDir(QFile::decodeName(aside)).removeRecursively();
    else
        ::unlink(aside.constData());
    return true;
}

} // namespace

bool SingleInstance::acquire()
{
    if (fd_ >= 0 || path_.isEmpty())
        return true;
    const QByteArray path = QFile::encodeName(path_);
    for (int attempt = 0; attempt < 4; ++attempt) {
        if (!clearNonFile(path))
            return true;  // no lock can be made here: start unguarded
        // Never blocks, not even on a pipe put there since the look above,
        // and follows no link.
        const int fd = ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK, 0600);
        if (fd < 0) {
            // A file this user cannot open is no live copy's lock: the folder
            // is the user's own, so it is removed and made anew. Anything
            // else put there meanwhile is cleared by the next round.
            if (errno == EACCES || errno == EPERM)
                ::unlink(path.constData());
            continue;
        }
        struct stat locked = {};
        if (::fstat(fd, &locked) != 0 || !S_ISREG(locked.st_mode)) {
            ::close(fd);
            continue;
        }
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            const bool heldByAnother = errno == EWOULDBLOCK;
            ::close(fd);
            return !heldByAnother;
        }
        // A copy that was ending may have removed the file between the open
        // and the lock: only the file still at the path counts.
        struct stat atPath = {};
        if (::lstat(path.constData(), &atPath) == 0 && locked.st_dev == atPath.st_dev
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
