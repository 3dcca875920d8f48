// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>
#include <QStringList>

// The entry of one of the program's own libraries (the sounds, the chart),
// loaded when first asked for: from the first of the given files that
// loads and has it. Each library is tried once; it stays loaded to the end
// of the process, as what it made may still run its code.
class LibraryEntry
{
public:
    LibraryEntry(QStringList files, const char* entry);

    // The entry's address; null when no file has it.
    QFunctionPointer get();
    // The library file it came from; empty before and when none.
    QString file() const { return file_; }
    bool tried() const { return tried_; }

private:
    QStringList files_;
    QByteArray entry_;
    bool tried_ = false;
    QFunctionPointer address_ = nullptr;
    QString file_;
};
