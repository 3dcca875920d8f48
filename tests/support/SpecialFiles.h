// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QFile>
#include <QDir>
#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <mutex>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <thread>
#include <unistd.h>

// Things that may stand where a settings or language file is expected,
// none of them a regular file: a FIFO (opening it waits for a writer), a
// link to a device that never ends, a socket, a folder.
namespace specialfiles {

enum class Kind { Fifo, Device, Socket, Folder };
inline const Kind Kinds[] = {Kind::Fifo, Kind::Device, Kind::Socket, Kind::Folder};

inline const char* nameOf(Kind kind)
{
    switch (kind) {
    case Kind::Fifo: return "FIFO";
    case Kind::Device: return "device";
    case Kind::Socket: return "socket";
    case Kind::Folder: return "folder";
    }
    return "?";
}

// Makes one at path (which must not exist). A socket stays bound while the
// returned descriptor is open; the others return -1.
inline int make(Kind kind, const QString& path)
{
    const QByteArray p = QFile::encodeName(path);
    switch (kind) {
    case Kind::Fifo:
        EXPECT_EQ(::mkfifo(p.constData(), 0644), 0) << path.toStdString();
        return -1;
    case Kind::Device:
        EXPECT_EQ(::symlink("/dev/zero", p.constData()), 0) << path.toStdString();
        return -1;
    case Kind::Socket: {
        const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_un address = {};
        address.sun_family = AF_UNIX;
        EXPECT_LT(size_t(p.size()), sizeof address.sun_path) << path.toStdString();
        std::strncpy(address.sun_path, p.constData(), sizeof address.sun_path - 1);
        EXPECT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0) << path.toStdString();
        return fd;
    }
    case Kind::Folder:
        EXPECT_TRUE(QDir().mkpath(path)) << path.toStdString();
        return -1;
    }
    return -1;
}

// While it lives, a reader stuck opening one of the FIFOs is let go after
// the given time (a writer comes and goes), so that a test of a program
// that would wait for ever fails instead of hanging. stuck() tells whether
// it had to.
class FifoRescue
{
public:
    FifoRescue(QStringList fifos, int seconds)
        : thread_([this, fifos, seconds] {
              const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
              while (!done_ && std::chrono::steady_clock::now() < until)
                  std::this_thread::sleep_for(std::chrono::milliseconds(20));
              while (!done_) {
                  for (const QString& f : fifos) {
                      const int fd = ::open(QFile::encodeName(f).constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
                      if (fd >= 0) {
                          stuck_ = true;
                          ::close(fd);
                      }
                  }
                  std::this_thread::sleep_for(std::chrono::milliseconds(20));
              }
          })
    {
    }
    ~FifoRescue()
    {
        done_ = true;
        thread_.join();
    }
    bool stuck() const { return stuck_; }

private:
    std::atomic<bool> done_ = false;
    std::atomic<bool> stuck_ = false;
    std::thread thread_;
};

// The lines logged while it lives.
class LogLines
{
public:
    LogLines() { previous_ = qInstallMessageHandler(&LogLines::handle); instance() = this; }
    ~LogLines()
    {
        qInstallMessageHandler(previous_);
        instance() = nullptr;
    }
    QStringList lines() const
    {
        std::lock_guard lock(mutex_);
        return lines_;
    }

private:
    static LogLines*& instance()
    {
        static LogLines* current = nullptr;
        return current;
    }
    static void handle(QtMsgType, const QMessageLogContext&, const QString& text)
    {
        if (LogLines* l = instance()) {
            std::lock_guard lock(l->mutex_);
            l->lines_ << text;
        }
    }
    QtMessageHandler previous_ = nullptr;
    mutable std::mutex mutex_;
    QStringList lines_;
};

} // namespace specialfiles
