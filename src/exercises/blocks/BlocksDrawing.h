// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QPointF>
#include <QRectF>
#include <QString>

#include <array>

class RandomSource;

// Base-ten blocks: a flat for each hundred, a long for each ten, a small
// square for each unit. At most nine of each kind are ever shown, always
// from index 0 upward.
enum class BlockKind { Flat, Long, Unit };

inline constexpr std::array<BlockKind, 3> AllBlockKinds{BlockKind::Flat, BlockKind::Long, BlockKind::Unit};

// Which blocks a drawing shows: the first count(kind) blocks of each kind.
class BlocksDrawing
{
public:
    static constexpr int PerKind = 9;

    BlocksDrawing() = default;
    // The drawing of a number: its hundreds as flats, its tens as longs, its
    // units as units. Numbers outside 0..999 are brought to the nearest end.
    static BlocksDrawing of(int number);

    int count(BlockKind kind) const { return counts_[slot(kind)]; }
    bool isShown(BlockKind kind, int index) const { return index >= 0 && index < count(kind); }
    // Shows the next block of that kind; a tenth is refused (false).
    bool add(BlockKind kind);
    void clear() { counts_ = {}; }
    // 100 flats + 10 longs + units.
    int value() const;

    bool operator==(const BlocksDrawing&) const = default;

private:
    static int slot(BlockKind kind) { return static_cast<int>(kind); }
    std::array<int, 3> counts_{};
};

// The number a block screen poses: 1 to maxNumber (never 0), from one
// random fraction.
int drawBlocksNumber(RandomSource& random, int maxNumber);

// What a drawing shows, said in words: "3 hundreds, 0 tens, 5 units".
// Each kind has a pattern for exactly one block and one for any other
// count; "%1" in a pattern stands for the count.
struct BlockWords
{
    std::array<QString, 3> one;   // flat, long, unit
    std::array<QString, 3> many;
};
QString describeBlocks(const BlocksDrawing& drawing, const BlockWords& words);

// Where the blocks stand on a screen, in design twips. Flats are fanned from
// the top left, each overlapping the one before; longs and units stand in
// two columns, index 0 at the top.
struct BlocksLayout
{
    static constexpr double FlatSide = 2430;
    static constexpr double LongWidth = 2430;
    static constexpr double LongHeight = 225;
    static constexpr double UnitSide = 225;
    static constexpr double Pitch = 315;  // from one long (or unit) to the next

    std::array<QPointF, BlocksDrawing::PerKind> flats;  // top-left corners
    QPointF firstLong;
    QPointF firstUnit;

    QRectF rect(BlockKind kind, int index) const;
    // The smallest rectangle that holds all 27 blocks.
    QRectF bounds() const;
};

// The places of the three block screens.
namespace blockLayouts {
const BlocksLayout& build();       // Form999x, the child builds the number
const BlocksLayout& readDigits();  // Form999y
const BlocksLayout& readWords();   // Form999z
} // namespace blockLayouts
