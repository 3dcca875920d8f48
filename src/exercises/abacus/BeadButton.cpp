// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/abacus/BeadButton.h"

#include <QKeyEvent>
#include <QMouseEvent>

BeadButton::BeadButton(const QString& caption, QWidget* parent) : QPushButton(caption, parent)
{
    // A right click is a bead taken off, never a context menu.
    setContextMenuPolicy(Qt::PreventContextMenu);
}

void BeadButton::mousePressEvent(QMouseEvent* e)
{
    setDown(true);
    e->accept();
    emit beadWanted(e->button() == Qt::LeftButton);
}

void BeadButton::mouseReleaseEvent(QMouseEvent* e)
{
    setDown(false);
    e->accept();
}

void BeadButton::keyPressEvent(QKeyEvent* e)
{
    if (e->isAutoRepeat()) {
        e->accept();
        return;
    }
    switch (e->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Plus:
        e->accept();
        emit beadWanted(true);
        return;
    case Qt::Key_Delete:
    case Qt::Key_Backspace:
    case Qt::Key_Minus:
        e->accept();
        emit beadWanted(false);
        return;
    default:
        QPushButton::keyPressEvent(e);
    }
}

void BeadButton::keyReleaseEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_Space) {
        e->accept();
        return;
    }
    QPushButton::keyReleaseEvent(e);
}
