// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/ChildStyle.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    // Screens are tested offscreen: no display is needed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    // The program's own look, as main() sets it.
    QApplication::setStyle(new ChildStyle);
    return RUN_ALL_TESTS();
}
