// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "exercises/blocks/BlocksDrawing.h"

#include <QColor>
#include <QWidget>

class SpokenNames;

// The block drawing on screen: one painted control that stands over the
// rectangle holding all 27 blocks of a layout and paints the blocks the
// drawing shows, each at its design place scaled to the control's size, on
// whole pixels. It says what it shows through the screen's spoken names.
class BlocksView : public QWidget
{
    Q_OBJECT
public:
    explicit BlocksView(const BlocksLayout& layout, QWidget* parent = nullptr);

    static QColor colour(BlockKind kind);

    const BlocksLayout& layout() const { return layout_; }
    // The design rectangle the control covers, in twips.
    QRectF designBounds() const { return bounds_; }

    const BlocksDrawing& drawing() const { return drawing_; }
    void setDrawing(const BlocksDrawing& drawing);
    // Names the view for screen readers with the sentence of what it shows
    // ("3 hundreds, 0 tens, 5 units", message strings 0350 to 0355), again
    // whenever the drawing changes.
    void nameThrough(SpokenNames& names);

    // Where a block is painted, in the control's pixels.
    QRect blockPixels(BlockKind kind, int index) const;

signals:
    void drawingChanged();

protected:
    void paintEvent(QPaintEvent*) override;

private:
    const BlocksLayout& layout_;
    QRectF bounds_;
    BlocksDrawing drawing_;
};
