// SPDX-License-Identifier: GPL-3.0-or-later
// The grids of the hundred tables and squares keep square cells that share
// their lines, on a display wider than the design as on one shaped like it.
#include "support/TestApp.h"
#include "framework/CellGrid.h"

#include <gtest/gtest.h>

namespace {

struct Grid
{
    const char* screen;
    const char* cells;
    int count;
    bool byColumns;
};

TEST(SquareCells, CellsAreSquareGaplessAndShareTheirLines)
{
    const Grid grids[] = {{"Form100Trova2", "Numero", 100, false},
                          {"Form100Ricon2", "Numero", 100, false},
                          {"FormC100", "Numero", 100, false},
                          {"Form100g", "Picture1", 100, true},
                          {"Form500g", "Picture1", 100, true}};
    for (const Grid& g : grids) {
        TestApp t;
        t.random.setFallback(0.5);
        t.open(QString::fromLatin1(g.screen));
        for (QSize size : {QSize(1366, 768), QSize(1024, 768)}) {
            t.resize(size);
            auto cell = [&](int i) { return t.find<Cell>(QString::fromLatin1(g.cells), i)->geometry(); };
            const QSize side = cell(0).size();
            EXPECT_EQ(side.width(), side.height()) << g.screen;
            for (int i = 0; i < g.count; ++i) {
                const QRect c = cell(i);
                EXPECT_EQ(c.size(), side) << g.screen << " " << i;
                // The next cell across starts on this one's last column of
                // pixels, the next one down on its last row: one line each.
                const int across = g.byColumns ? i + 10 : (i % 10 < 9 ? i + 1 : -1);
                const int down = g.byColumns ? (i % 10 < 9 ? i + 1 : -1) : i + 10;
                if (across >= 0 && across < g.count) {
                    EXPECT_EQ(cell(across).left(), c.right()) << g.screen << " " << i;
                    EXPECT_EQ(cell(across).top(), c.top()) << g.screen << " " << i;
                }
                if (down >= 0 && down < g.count) {
                    EXPECT_EQ(cell(down).top(), c.bottom()) << g.screen << " " << i;
                    EXPECT_EQ(cell(down).left(), c.left()) << g.screen << " " << i;
                }
            }
        }
    }
}

TEST(SquareCells, TheBigSquaresOfFiveHundredAreSquare)
{
    TestApp t;
    t.random.setFallback(0.5);
    t.open(QStringLiteral("Form500g"));
    t.resize(QSize(1366, 768));
    for (int i = 0; i < 4; ++i) {
        const QRect r = t.find<QWidget>(QStringLiteral("Picture2"), i)->geometry();
        EXPECT_EQ(r.width(), r.height()) << i;
        EXPECT_GT(r.width(), 100) << i;
    }
}

} // namespace

namespace {

// With large text a dark frame stands behind the hundred table and reaches
// past it, so the light-green table never melts into a green background.
TEST(SquareCells, WithLargeTextTheTableHasADarkFrame)
{
    for (const bool large : {false, true}) {
        TestApp t;
        t.random.setFallback(0.5);
        t.app.state.largeText = large;
        t.open(QStringLiteral("Form100Trova2"));
        auto* frame = t.current()->canvas()->findChild<QWidget*>(QStringLiteral("gridFrame"));
        ASSERT_EQ(frame != nullptr && frame->isVisible(), large);
        if (!large)
            continue;
        const QRect first = t.find<Cell>(QStringLiteral("Numero"), 0)->geometry();
        const QRect last = t.find<Cell>(QStringLiteral("Numero"), 99)->geometry();
        EXPECT_TRUE(frame->geometry().contains(first.united(last)));
        EXPECT_LT(frame->geometry().left(), first.left());
        EXPECT_GT(frame->geometry().bottom(), last.bottom());
    }
}

} // namespace
