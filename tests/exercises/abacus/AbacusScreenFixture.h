// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "support/TestApp.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

// Hands for the abacus screens: bead counts as the child sees them, right
// clicks, and the shipped Italian texts for the accessible names.
namespace abacustest {

// The fraction that makes floor(n r) come out as k.
inline double pick(int k, double n)
{
    return (k + 0.5) / n;
}

// How many bead places of the array show a bead.
inline int shownBeads(const TestApp& t, const char* wire)
{
    int n = 0;
    for (int i = 0; i < 19; ++i)
        if (QWidget* bead = t.find<QWidget>(QString::fromLatin1(wire), i))
            n += !bead->isHidden();
    return n;
}

// The places of the array that show a bead, "0123..." from the foot up.
inline std::string shownPlaces(const TestApp& t, const char* wire)
{
    std::string s;
    for (int i = 0; i < 19; ++i)
        if (QWidget* bead = t.find<QWidget>(QString::fromLatin1(wire), i); bead && !bead->isHidden())
            s += i < 10 ? char('0' + i) : char('a' + i - 10);
    return s;
}

inline void clicks(TestApp& t, const char* name, int times)
{
    for (int i = 0; i < times; ++i)
        t.click(QString::fromLatin1(name));
}

inline void rightClick(TestApp& t, const char* name)
{
    QWidget* w = t.find<QWidget>(QString::fromLatin1(name));
    ASSERT_TRUE(w) << name;
    QTest::mouseClick(w, Qt::RightButton, Qt::NoModifier, w->rect().center());
    TestApp::flush();
}

inline bool enabled(const TestApp& t, const char* name)
{
    QWidget* w = t.find<QWidget>(QString::fromLatin1(name));
    EXPECT_TRUE(w) << name;
    return w && w->isEnabled();
}

inline QString textOf(const TestApp& t, const char* name, int index = -1)
{
    if (auto* l = t.find<QLabel>(QString::fromLatin1(name), index))
        return l->text();
    if (auto* e = t.find<QLineEdit>(QString::fromLatin1(name), index))
        return e->text();
    ADD_FAILURE() << "no text control " << name;
    return {};
}

// Types the text into the box, then Enter.
inline void answer(TestApp& t, const char* box, const QString& text)
{
    t.find<QLineEdit>(QString::fromLatin1(box))->clear();
    t.type(QString::fromLatin1(box), text);
    t.key(QString::fromLatin1(box), Qt::Key_Return);
}

// The Italian language file as it ships, current.
inline void useShippedItalian(TestApp& t)
{
    const QByteArray bytes = testfiles::readBytes(QStringLiteral(CONTALANDIA_DATA_DIR "/Italiano.lng"));
    t.useLanguage(QStringLiteral("Italiano"), QString::fromUtf8(bytes));
}

} // namespace abacustest
