// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/LibraryEntry.h"

#include <QLibrary>

LibraryEntry::LibraryEntry(QStringList files, const char* entry) : files_(std::move(files)), entry_(entry) {}

QFunctionPointer LibraryEntry::get()
{
    if (tried_)
        return address_;
    tried_ = true;
    for (const QString& file : std::as_const(files_)) {
        QLibrary library(file);
        if (QFunctionPointer address = library.resolve(entry_.constData())) {
            address_ = address;
            file_ = library.fileName();
            break;
        }
    }
    return address_;
}
