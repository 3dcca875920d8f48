// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QColor>
#include <QWidget>

// One bead place of the abacus: a filled circle in its wire's shade, with a
// darker rim and a soft shine, painted at whatever size the layout gives
// it, so it stays round and sharp on every display.
class BeadControl : public QWidget
{
    Q_OBJECT
public:
    explicit BeadControl(const QColor& colour, QWidget* parent = nullptr);
    QColor colour() const { return colour_; }
    // A dark outline that no background swallows; invalid: the bead's own
    // darker shade.
    void setOutline(const QColor& c) { outline_ = c; update(); }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QColor colour_;
    QColor outline_;
};
