// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QFile>
#include <QString>
#include <QStringList>

#include <sys/types.h>
#include <unistd.h>

// File permissions do not bind root. While this object lives, a test run
// by root acts as the unprivileged user "nobody" (effective ids only, so
// they come back), after handing it the given files and folders; for any
// other user it changes nothing. Either way an unreadable file or a
// read-only folder then means what it means to the program's users.
class ActAsUser
{
public:
    explicit ActAsUser(const QStringList& handOver = {})
    {
        if (::geteuid() != 0)
            return;
        for (const QString& path : handOver)
            if (::chown(QFile::encodeName(path).constData(), Nobody, Nobody) != 0)
                return;
        active_ = ::setegid(Nobody) == 0 && ::seteuid(Nobody) == 0;
    }
    ~ActAsUser()
    {
        if (active_) {
            (void)::seteuid(0);
            (void)::setegid(0);
        }
    }
    ActAsUser(const ActAsUser&) = delete;
    ActAsUser& operator=(const ActAsUser&) = delete;

    // False when root could not become "nobody": the test cannot mean anything.
    bool ready() const { return active_ || ::geteuid() != 0; }

    static constexpr uid_t Nobody = 65534;

private:
    bool active_ = false;
};
