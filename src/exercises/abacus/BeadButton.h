// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QPushButton>

// The "h", "da", "u" buttons of the build and addition screens: the left
// mouse button puts a bead on the wire, any other mouse button takes one
// off, as soon as it is pressed. From the keyboard, Space or Enter puts a
// bead on and Delete, Backspace or "-" takes one off.
class BeadButton : public QPushButton
{
    Q_OBJECT
public:
    explicit BeadButton(const QString& caption, QWidget* parent = nullptr);

signals:
    void beadWanted(bool add);

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
};
