// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

// Waits (in a test, never in the program) until the condition holds, the
// events of the test's thread running meanwhile; false after ms.
template <class F>
bool eventually(F condition, int ms = 20000)
{
    QElapsedTimer t;
    t.start();
    while (!condition()) {
        if (t.elapsed() > ms)
            return false;
        QCoreApplication::processEvents();
        QThread::msleep(10);
    }
    return true;
}
