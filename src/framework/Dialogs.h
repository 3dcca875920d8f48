// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>

class QWidget;

// Created once in main() and replaced by scripted answers in the tests,
// like the interfaces of services/Platform.h.
// The message boxes: all modal over the screen on show.
class Dialogs
{
public:
    virtual ~Dialogs() = default;
    // Information icon, OK button, given title.
    virtual void information(QWidget* parent, const QString& title, const QString& text) = 0;
    // Question icon, Yes (default) and No; true for Yes.
    virtual bool askYesNo(QWidget* parent, const QString& title, const QString& text) = 0;
    // A notice with the program's default title and an OK button.
    virtual void notice(QWidget* parent, const QString& text) = 0;
    // The usual dialog for the file to save into; `filter` as Qt writes it
    // ("CSV files (*.csv)"). Empty when the user cancels.
    virtual QString saveFileName(QWidget* parent, const QString& title, const QString& suggested,
                                 const QString& filter) = 0;
};
