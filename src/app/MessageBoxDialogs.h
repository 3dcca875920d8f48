// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "framework/Dialogs.h"
#include "services/Platform.h"

#include <QString>
#include <functional>

class QMessageBox;
class QWidget;

// With large text, a box over a screen is sized for a child: its buttons at
// least as large as the smallest push button of the screen (at most a
// quarter of the display across and an eighth down), its text as large as
// the screen's largest label, up to one and a half times the size of the
// screen's menu bar (a label of big digits would not fit a box). Without
// large text the box keeps Qt's look.
void sizeForChild(QMessageBox& box, QWidget* parent);

// The program's message boxes as modal QMessageBoxes over the screen on show.
// Their buttons (Yes, No, OK) speak the language in use when the box opens:
// the words are message strings of the current language file, looked up
// anew for every box, so they follow a change made in the language menu.
// Where the file has no word for a button, Qt's own stays.
class MessageBoxDialogs final : public Dialogs
{
public:
    // Looks up a message string of the current language.
    using Words = std::function<QString(const QString& key)>;
    void setWords(Words words) { words_ = std::move(words); }

    void information(QWidget* parent, const QString& title, const QString& text) override;
    bool askYesNo(QWidget* parent, const QString& title, const QString& text) override;
    void notice(QWidget* parent, const QString& text) override;
    QString saveFileName(QWidget* parent, const QString& title, const QString& suggested,
                         const QString& filter) override;

private:
    void nameButtons(QMessageBox& box) const;

    Words words_;
};
