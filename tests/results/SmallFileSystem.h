// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <sys/mount.h>

// A small file system of its own (tmpfs) mounted on a temporary folder, for
// a disk that fills up or a folder that takes no writing, as they are for
// every user, root included. Mounting needs root (the tests skip without
// it); the file system goes when the object does.
class SmallFileSystem
{
public:
    explicit SmallFileSystem(int kilobytes)
    {
        const QByteArray options = "size=" + QByteArray::number(kilobytes) + "k,mode=0700";
        mounted_ = dir_.isValid()
                   && ::mount("tmpfs", QFile::encodeName(dir_.path()).constData(), "tmpfs", 0,
                              options.constData()) == 0;
    }
    ~SmallFileSystem()
    {
        if (mounted_)
            ::umount2(QFile::encodeName(dir_.path()).constData(), MNT_DETACH);
    }
    SmallFileSystem(const SmallFileSystem&) = delete;
    SmallFileSystem& operator=(const SmallFileSystem&) = delete;

    bool mounted() const { return mounted_; }
    QString path(const QString& name) const { return QDir(dir_.path()).filePath(name); }

    // Fills what is left with one file (the disk is full), or frees it.
    void fill()
    {
        QFile filler(path(QStringLiteral("filler")));
        if (!filler.open(QIODevice::WriteOnly | QIODevice::Append))
            return;
        const QByteArray block(4096, 'x');
        while (filler.write(block) == block.size() && filler.flush()) {
        }
    }
    void freeUp() { QFile::remove(path(QStringLiteral("filler"))); }

    // Read-only for everyone, or writable again. A file system with files
    // open for writing cannot be made read-only: close them first.
    bool setReadOnly(bool readOnly)
    {
        const unsigned long flags = MS_REMOUNT | (readOnly ? MS_RDONLY : 0);
        return ::mount("tmpfs", QFile::encodeName(dir_.path()).constData(), "tmpfs", flags, nullptr) == 0;
    }

private:
    QTemporaryDir dir_;
    bool mounted_ = false;
};
