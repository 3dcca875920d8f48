// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/blocks/BlocksDrawing.h"

#include "services/RandomSource.h"

#include <QStringList>
#include <algorithm>

BlocksDrawing BlocksDrawing::of(int number)
{
    const int n = std::clamp(number, 0, 999);
    BlocksDrawing d;
    d.counts_ = {n / 100, n / 10 % 10, n % 10};
    return d;
}

bool BlocksDrawing::add(BlockKind kind)
{
    int& c = counts_[slot(kind)];
    if (c >= PerKind)
        return false;
    ++c;
    return true;
}

int BlocksDrawing::value() const
{
    return 100 * count(BlockKind::Flat) + 10 * count(BlockKind::Long) + count(BlockKind::Unit);
}

int drawBlocksNumber(RandomSource& random, int maxNumber)
{
    return random.below(std::max(maxNumber, 1)) + 1;
}

QString describeBlocks(const BlocksDrawing& drawing, const BlockWords& words)
{
    QStringList parts;
    for (BlockKind kind : AllBlockKinds) {
        const int i = static_cast<int>(kind);
        const int n = drawing.count(kind);
        const QString& pattern = n == 1 ? words.one[i] : words.many[i];
        // A pattern without its place for the count (a missing text, a
        // slip in a language file) still says the count.
        parts << (pattern.contains(QStringLiteral("%1"))
                      ? pattern.arg(n)
                      : QStringLiteral("%1 %2").arg(n).arg(pattern).trimmed());
    }
    return parts.join(QStringLiteral(", "));
}

QRectF BlocksLayout::rect(BlockKind kind, int index) const
{
    switch (kind) {
    case BlockKind::Flat:
        return {flats.at(index), QSizeF(FlatSide, FlatSide)};
    case BlockKind::Long:
        return {firstLong + QPointF(0, Pitch * index), QSizeF(LongWidth, LongHeight)};
    case BlockKind::Unit:
        return {firstUnit + QPointF(0, Pitch * index), QSizeF(UnitSide, UnitSide)};
    }
    return {};
}

QRectF BlocksLayout::bounds() const
{
    QRectF all;
    for (BlockKind kind : AllBlockKinds)
        for (int i = 0; i < BlocksDrawing::PerKind; ++i)
            all = all.united(rect(kind, i));
    return all;
}

namespace blockLayouts {

const BlocksLayout& build()
{
    static const BlocksLayout layout{
        {QPointF(120, 840), QPointF(240, 1200), QPointF(315, 1560), QPointF(420, 1920), QPointF(525, 2280),
         QPointF(630, 2640), QPointF(735, 3075), QPointF(840, 3480), QPointF(960, 3960)},
        QPointF(3465, 1050),
        QPointF(6090, 1050)};
    return layout;
}

const BlocksLayout& readDigits()
{
    static const BlocksLayout layout{
        {QPointF(105, 360), QPointF(210, 720), QPointF(315, 1080), QPointF(420, 1440), QPointF(480, 1800),
         QPointF(600, 2160), QPointF(720, 2520), QPointF(840, 2880), QPointF(945, 3240)},
        QPointF(3675, 525),
        QPointF(6300, 525)};
    return layout;
}

const BlocksLayout& readWords()
{
    static const BlocksLayout layout{
        {QPointF(0, 210), QPointF(120, 480), QPointF(240, 840), QPointF(360, 1200), QPointF(480, 1560),
         QPointF(600, 1920), QPointF(720, 2280), QPointF(840, 2640), QPointF(960, 3000)},
        QPointF(3465, 630),
        QPointF(6090, 630)};
    return layout;
}

} // namespace blockLayouts
