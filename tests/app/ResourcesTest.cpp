// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Fonts.h"
#include "framework/Pictures.h"

#include <QFontInfo>
#include <QSvgRenderer>
#include <gtest/gtest.h>

namespace {

TEST(Resources, EveryPictureIsCompiledInAndDraws)
{
    for (const QString& p : {pictures::YesFace, pictures::NoFace, pictures::NextArrow, pictures::StartButton,
                             pictures::ExitDoor, pictures::TrebleClefPointer, pictures::ArrowPointer,
                             pictures::HandPointer}) {
        QSvgRenderer r(p);
        EXPECT_TRUE(r.isValid()) << p.toStdString();
        EXPECT_EQ(r.viewBoxF(), QRectF(0, 0, 100, 100)) << p.toStdString();
    }
}

TEST(Resources, BundledFontsStandForTheDesignedOnes)
{
    const QStringList families = registerBundledFonts();
    EXPECT_TRUE(families.contains("Comic Neue"));
    EXPECT_TRUE(families.contains("Liberation Sans"));
    EXPECT_EQ(QFontInfo(QFont("Comic Sans MS")).family(), "Comic Neue");
    EXPECT_EQ(QFontInfo(QFont("Arial")).family(), "Liberation Sans");
}

} // namespace
