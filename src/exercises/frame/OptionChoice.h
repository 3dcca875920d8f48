// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QList>
#include <QObject>
#include <QRect>

class QGroupBox;
class QRadioButton;
class QString;
class Screen;

// A frame of option buttons that a menu command opens over the screen and
// that closes once the child clicks one option: the maximum-number choice
// (MaxNumberChoice) and the ordering screen's choice of how many numbers.
// Frame and options are design controls of the screen, placed and
// registered under their design names; the frame starts hidden, with no
// option selected.
class OptionChoice : public QObject
{
    Q_OBJECT
public:
    // How the open frame covers the screen: from its top-left corner at its
    // own size, or over the whole client area.
    enum class Cover { Corner, Whole };

    OptionChoice(Screen& screen, const QString& frameName, const QString& caption, QRect designTwips);

    // Option i, in the order they are added.
    QRadioButton* addOption(const QString& name, const QString& caption, QRect designTwips);

    QGroupBox* frame() const { return frame_; }
    QRadioButton* option(int i) const { return options_.value(i); }
    int count() const { return static_cast<int>(options_.size()); }

    // Opens the frame over everything else. Nothing else is locked while it
    // is open.
    void open(Cover cover = Cover::Corner);
    void close();
    // Selects option i as if the child clicked it: chosen(i) follows.
    void select(int i);

signals:
    // An option was clicked, the one already selected too. The frame is
    // still open: the screen closes it when it has done its work.
    void chosen(int i);

private:
    Screen& screen_;
    QGroupBox* frame_ = nullptr;
    QList<QRadioButton*> options_;
};
