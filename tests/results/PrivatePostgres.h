// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "results/ResultsConfig.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSqlDatabase>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

// A PostgreSQL server of the test's own: initdb and pg_ctl of Debian's
// postgresql package in a temporary folder, on a free local port, trusting
// local connections; stopped and removed at the end. The server refuses to
// run as root, so a test run as root runs it as `nobody`.
//
//   PrivatePostgres pg;
//   if (!pg.available()) GTEST_SKIP() << pg.why();
//   ASSERT_TRUE(pg.start());
class PrivatePostgres
{
public:
    PrivatePostgres()
    {
        for (const QString& version : QDir(QStringLiteral("/usr/lib/postgresql"))
                                          .entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::Reversed)) {
            const QString bin = QStringLiteral("/usr/lib/postgresql/%1/bin").arg(version);
            if (QFileInfo(bin + QStringLiteral("/initdb")).isExecutable()
                && QFileInfo(bin + QStringLiteral("/pg_ctl")).isExecutable()) {
                bin_ = bin;
                break;
            }
        }
        if (bin_.isEmpty())
            why_ = "PostgreSQL is not installed (no initdb and pg_ctl under /usr/lib/postgresql): "
                   "install Debian's postgresql package (scripts/deps.sh) to run this test";
        else if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QPSQL")))
            why_ = "Qt's PostgreSQL driver is not installed (libqt6sql6-psql): skipped";
    }
    ~PrivatePostgres()
    {
        if (started_)
            stop();
    }

    bool available() const { return why_.empty(); }
    const std::string& why() const { return why_; }

    ServerAddress address() const
    {
        ServerAddress a;
        a.user = QStringLiteral("teacher");
        a.host = QStringLiteral("127.0.0.1");
        a.port = port_;
        a.database = QStringLiteral("postgres");
        return a;
    }

    bool start()
    {
        if (port_ == 0) {
            if (!initialise())
                return false;
        }
        QString options = QStringLiteral("-p %1 -k %2 -c listen_addresses=127.0.0.1 -c fsync=off")
                              .arg(port_)
                              .arg(dir_.path());
        if (!tlsCert_.isEmpty())
            options += QStringLiteral(" -c ssl=on -c ssl_cert_file=%1 -c ssl_key_file=%2").arg(tlsCert_, tlsKey_);
        started_ = run({bin_ + QStringLiteral("/pg_ctl"), QStringLiteral("-D"), data(), QStringLiteral("-l"),
                        QDir(dir_.path()).filePath(QStringLiteral("server.log")), QStringLiteral("-w"),
                        QStringLiteral("-t"), QStringLiteral("60"), QStringLiteral("-o"), options,
                        QStringLiteral("start")});
        return started_;
    }

    bool stop()
    {
        started_ = false;
        return run({bin_ + QStringLiteral("/pg_ctl"), QStringLiteral("-D"), data(), QStringLiteral("-m"),
                    QStringLiteral("fast"), QStringLiteral("-w"), QStringLiteral("stop")});
    }

    // The server speaks TLS with this certificate and key (files the test
    // made, given to the server's user); call before start().
    bool useTls(const QString& cert, const QString& key)
    {
        if (!initialised() && !initialise())
            return false;
        tlsCert_ = QDir(dir_.path()).filePath(QStringLiteral("server.crt"));
        tlsKey_ = QDir(dir_.path()).filePath(QStringLiteral("server.key"));
        QFile::remove(tlsCert_);
        QFile::remove(tlsKey_);
        if (!QFile::copy(cert, tlsCert_) || !QFile::copy(key, tlsKey_))
            return false;
        ::chmod(QFile::encodeName(tlsKey_).constData(), 0600);
        if (::geteuid() == 0)
            for (const QString& f : {tlsCert_, tlsKey_})
                if (::chown(QFile::encodeName(f).constData(), 65534, 65534) != 0)
                    return false;
        return true;
    }

private:
    bool initialised() const { return port_ != 0; }
    QString data() const { return QDir(dir_.path()).filePath(QStringLiteral("data")); }

    static int freePort()
    {
        const int s = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in a{};
        a.sin_family = AF_INET;
        a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t len = sizeof a;
        int port = 0;
        if (::bind(s, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0
            && ::getsockname(s, reinterpret_cast<sockaddr*>(&a), &len) == 0)
            port = ntohs(a.sin_port);
        ::close(s);
        return port;
    }

    bool initialise()
    {
        if (::geteuid() == 0 && ::chown(QFile::encodeName(dir_.path()).constData(), 65534, 65534) != 0)
            return false;
        port_ = freePort();
        return port_ != 0
            && run({bin_ + QStringLiteral("/initdb"), QStringLiteral("-D"), data(), QStringLiteral("-U"),
                    QStringLiteral("teacher"), QStringLiteral("--auth=trust"), QStringLiteral("-E"),
                    QStringLiteral("UTF8"), QStringLiteral("--locale=C"), QStringLiteral("-N")});
    }

    // Runs a command of the server's package, as `nobody` when root.
    bool run(QStringList command)
    {
        if (::geteuid() == 0)
            command = QStringList{QStringLiteral("setpriv"), QStringLiteral("--reuid=65534"),
                                  QStringLiteral("--regid=65534"), QStringLiteral("--clear-groups"),
                                  QStringLiteral("--")}
                + command;
        QProcess p;
        p.setWorkingDirectory(dir_.path());
        p.setProcessChannelMode(QProcess::MergedChannels);
        p.start(command.takeFirst(), command);
        const bool ok = p.waitForFinished(120000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
        if (!ok)
            ADD_FAILURE() << "PostgreSQL: " << p.readAll().toStdString();
        return ok;
    }

    QTemporaryDir dir_;
    QString bin_;
    std::string why_;
    int port_ = 0;
    bool started_ = false;
    QString tlsCert_;
    QString tlsKey_;
};
