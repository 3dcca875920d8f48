#pragma once
#include "services/Platform.h"

// The program's message boxes as modal QMessageBoxes over the screen on show.
class MessageBoxDialogs final : public Dialogs
{
public:
    void information(QWidget* parent, const QString& title, const QString& text) override;
    bool askYesNo(QWidget* parent, const QString& title, const QString& text) override;
    void notice(QWidget* parent, const QString& text) override;
};
