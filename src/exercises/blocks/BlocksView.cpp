// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/blocks/BlocksView.h"

#include "framework/SpokenNames.h"
#include "services/MessageKeys.h"

#include <QPainter>

#include <cmath>

namespace {

// A flat is ten by ten cells, a long ten cells: the lines between the cells
// let a child count the units inside a block.
constexpr int CellsPerSide = 10;

} // namespace

BlocksView::BlocksView(const BlocksLayout& layout, QWidget* parent)
    : QWidget(parent), layout_(layout), bounds_(layout.bounds())
{
    // Only the blocks are painted; the screen's colour shows around them.
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

QColor BlocksView::colour(BlockKind kind)
{
    switch (kind) {
    case BlockKind::Flat:
        return {0, 192, 0};
    case BlockKind::Long:
        return {255, 0, 0};
    case BlockKind::Unit:
        return {0, 0, 255};
    }
    return Qt::black;
}

void BlocksView::setDrawing(const BlocksDrawing& drawing)
{
    if (drawing == drawing_)
        return;
    drawing_ = drawing;
    update();
    emit drawingChanged();
}

void BlocksView::nameThrough(SpokenNames& names)
{
    // For each kind the form for one block, then the form for any other count.
    QStringList keys;
    for (int kind = 0; kind < 3; ++kind)
        keys << msg::blockWordsKey(kind, false) << msg::blockWordsKey(kind, true);
    names.composed(this, keys, [this](const QStringList& texts) {
        BlockWords words;
        for (int kind = 0; kind < 3; ++kind) {
            words.one[kind] = texts.value(2 * kind);
            words.many[kind] = texts.value(2 * kind + 1);
        }
        return describeBlocks(drawing_, words);
    });
    connect(this, &BlocksView::drawingChanged, this, [this, &names] { names.update(this); });
}

QRect BlocksView::blockPixels(BlockKind kind, int index) const
{
    if (bounds_.isEmpty())
        return {};
    const double sx = width() / bounds_.width();
    const double sy = height() / bounds_.height();
    const QRectF r = layout_.rect(kind, index).translated(-bounds_.topLeft());
    // Both edges rounded on their own, so that blocks of equal design size
    // keep equal gaps and nothing is smeared over two pixels.
    const int left = static_cast<int>(std::lround(r.left() * sx));
    const int top = static_cast<int>(std::lround(r.top() * sy));
    const int right = static_cast<int>(std::lround(r.right() * sx));
    const int bottom = static_cast<int>(std::lround(r.bottom() * sy));
    return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
}

void BlocksView::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing, false);
    for (BlockKind kind : AllBlockKinds) {
        const QColor fill = colour(kind);
        const QPen outline(fill.darker(250), 1);
        const QPen cellLine(fill.darker(140), 1);
        // Index 0 first: each flat of the fanned stack lies over the one
        // before it.
        for (int i = 0; i < drawing_.count(kind); ++i) {
            const QRect r = blockPixels(kind, i);
            if (r.width() < 1 || r.height() < 1)
                continue;
            p.fillRect(r, fill);
            if (kind != BlockKind::Unit && r.width() >= 3 * CellsPerSide) {
                p.setPen(cellLine);
                for (int c = 1; c < CellsPerSide; ++c) {
                    const int x = r.left() + static_cast<int>(std::lround(r.width() * c / double(CellsPerSide)));
                    p.drawLine(x, r.top(), x, r.bottom());
                    if (kind == BlockKind::Flat) {
                        const int y = r.top() + static_cast<int>(std::lround(r.height() * c / double(CellsPerSide)));
                        p.drawLine(r.left(), y, r.right(), y);
                    }
                }
            }
            p.setPen(outline);
            p.setBrush(Qt::NoBrush);
            p.drawRect(r.adjusted(0, 0, -1, -1));
        }
    }
}
