// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QColor>
#include <QRect>
#include <QString>
#include <ostream>

// Readable Qt values in test failure messages.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
inline void PrintTo(const QRect& r, std::ostream* os)
{
    *os << "QRect(" << r.x() << ", " << r.y() << ", " << r.width() << "x" << r.height() << ")";
}
inline void PrintTo(const QSize& s, std::ostream* os) { *os << "QSize(" << s.width() << "x" << s.height() << ")"; }
inline void PrintTo(const QColor& c, std::ostream* os) { *os << c.name().toStdString(); }
