// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/frame/OptionChoice.h"

#include "framework/Controls.h"
#include "framework/Screen.h"

#include <QGroupBox>
#include <QRadioButton>

OptionChoice::OptionChoice(Screen& screen, const QString& frameName, const QString& caption, QRect designTwips)
    : QObject(&screen), screen_(screen)
{
    frame_ = screen.place(new QGroupBox(caption), frameName, designTwips);
    frame_->setFont(designFont(QStringLiteral("Arial"), 14.25));
    control::fillBackground(frame_, control::ChoiceBackground);
    frame_->hide();
}

QRadioButton* OptionChoice::addOption(const QString& name, const QString& caption, QRect designTwips)
{
    const int i = count();
    auto* option = screen_.place(new QRadioButton(caption), name, designTwips, i, frame_);
    option->setFont(designFont(QStringLiteral("Arial"), 20.25));
    // clicked, not toggled: choosing the option already chosen still
    // closes the choice and poses a problem.
    connect(option, &QRadioButton::clicked, this, [this, i] { emit chosen(i); });
    options_.push_back(option);
    return option;
}

void OptionChoice::open(Cover cover)
{
    frame_->move(0, 0);
    if (cover == Cover::Whole)
        frame_->resize(screen_.clientSize());
    frame_->raise();
    frame_->show();
}

void OptionChoice::close()
{
    frame_->hide();
}

void OptionChoice::select(int i)
{
    if (i < 0 || i >= count())
        return;
    options_[i]->setChecked(true);
    emit chosen(i);
}
