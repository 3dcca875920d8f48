// SPDX-License-Identifier: GPL-3.0-or-later
#include "results/PrivateFiles.h"

#include <QDir>
#include <QFile>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace privatefiles {

namespace {

// The open descriptor's file, when it is the user's, gets `mode`.
void narrow(int fd, mode_t mode, bool folder)
{
    struct stat st{};
    if (fd < 0 || ::fstat(fd, &st) != 0 || st.st_uid != ::geteuid())
        return;
    if ((folder ? S_ISDIR(st.st_mode) : S_ISREG(st.st_mode)) && (st.st_mode & 07777) != mode)
        ::fchmod(fd, mode);
}

} // namespace

bool makeFolder(const QString& folder)
{
    const QByteArray path = QFile::encodeName(folder);
    if (::mkdir(path.constData(), 0700) != 0 && errno != EEXIST) {
        // A folder above is missing: made as usual, this one for the user.
        if (!QDir().mkpath(folder))
            return false;
    }
    const int fd = ::open(path.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return false;
    narrow(fd, 0700, true);
    ::close(fd);
    return true;
}

bool makeFile(const QString& file)
{
    const int fd = ::open(QFile::encodeName(file).constData(),
                          O_RDONLY | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0600);
    if (fd < 0)
        return false;
    narrow(fd, 0600, false);
    ::close(fd);
    return true;
}

void tighten(const QString& file)
{
    const int fd = ::open(QFile::encodeName(file).constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return;
    narrow(fd, 0600, false);
    ::close(fd);
}

} // namespace privatefiles
