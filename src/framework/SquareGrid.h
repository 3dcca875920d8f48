// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "framework/CellGrid.h"

#include <QList>
#include <QPointF>
#include <QRect>
#include <QRectF>

// Where the cells of a grid of squares go on the screen as it is scaled
// now. A screen stretched more one way than the other would turn the
// squares into rectangles, and rounding each cell on its own leaves gaps
// and doubled lines. So every cell takes one size, from the smaller of the
// two scales: the design pitch in pixels, plus one, so that neighbours
// share their border line and each line is drawn once. The grid is centred
// in the box its design cells cover.
//
// scale: pixels per design twip, across and down (Screen::scale()).
QList<QRect> squareGridPlaces(const CellGrid::Layout& layout, QPointF scale);
// One square (a big square of its own) centred in its design box, its side
// from the smaller scale.
QRect squareInBox(const QRectF& designTwips, QPointF scale);
// Places the cells of grid, built from layout, as above; the layout scaler
// leaves them alone from then on.
void layOutSquareGrid(const CellGrid& grid, const CellGrid::Layout& layout, QPointF scale);

// A dark border around a grid, so that a light table stands out on any
// background: a plain decoration behind the cells, reaching `width` pixels
// past them on every side. Not a control: it says nothing and takes no
// clicks. Shown by frameSquareGrid() only where asked.
void frameSquareGrid(QWidget* canvas, const CellGrid& grid, bool shown, int width = 2);
