// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/blocks/BlocksView.h"

#include <QImage>
#include <gtest/gtest.h>

namespace {

TEST(BlocksView, PaintsTheShownBlocksInTheirColoursAndNothingElse)
{
    BlocksView view(blockLayouts::build());
    view.resize(620, 555);  // a tenth of a pixel per twip
    view.setDrawing(BlocksDrawing::of(305));
    QImage image(view.size(), QImage::Format_ARGB32);
    image.fill(Qt::white);
    view.render(&image);

    const auto at = [&](BlockKind kind, int index) { return image.pixelColor(view.blockPixels(kind, index).center()); };
    // The last flat shown lies on top of the stack; the units shown and the
    // first one hidden.
    EXPECT_EQ(at(BlockKind::Flat, 2), QColor(0, 192, 0));
    EXPECT_EQ(at(BlockKind::Unit, 0), QColor(0, 0, 255));
    EXPECT_EQ(at(BlockKind::Unit, 4), QColor(0, 0, 255));
    EXPECT_EQ(at(BlockKind::Unit, 5), QColor(Qt::white));
    EXPECT_EQ(at(BlockKind::Long, 0), QColor(Qt::white));
    EXPECT_EQ(at(BlockKind::Flat, 8), QColor(Qt::white));
}

TEST(BlocksView, BlocksStayWholeAndApartAtEverySize)
{
    BlocksView view(blockLayouts::readDigits());
    for (QSize size : {QSize(160, 150), QSize(411, 377), QSize(987, 901), QSize(1913, 1762)}) {
        SCOPED_TRACE(testing::Message() << size.width() << "x" << size.height());
        view.resize(size);
        for (BlockKind kind : AllBlockKinds) {
            const QSize first = view.blockPixels(kind, 0).size();
            for (int i = 0; i < BlocksDrawing::PerKind; ++i) {
                const QRect r = view.blockPixels(kind, i);
                EXPECT_TRUE(view.rect().contains(r));
                EXPECT_LE(std::abs(r.width() - first.width()), 1);
                EXPECT_LE(std::abs(r.height() - first.height()), 1);
                if (kind != BlockKind::Flat && i > 0)
                    EXPECT_FALSE(r.intersects(view.blockPixels(kind, i - 1)));
            }
        }
        EXPECT_FALSE(view.blockPixels(BlockKind::Long, 8).intersects(view.blockPixels(BlockKind::Unit, 8)));
    }
}

} // namespace
