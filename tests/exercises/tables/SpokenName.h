// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QAccessible>
#include <QObject>
#include <QString>

// What a screen reader hears as the name of a control.
inline QString spokenName(QObject* o)
{
    QAccessibleInterface* i = o ? QAccessible::queryAccessibleInterface(o) : nullptr;
    return i ? i->text(QAccessible::Name) : QStringLiteral("<no interface>");
}
