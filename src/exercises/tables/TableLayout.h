#pragma once
#include <QPointF>
#include <QRect>
#include <QRectF>
#include <QSizeF>

// Geometry shared by the table and square screens, in design twips unless
// said otherwise.

// Where the cells of a grid stand: cell i of a grid by rows lies in row
// i / 10 and column i % 10; by columns, the other way round. Neighbouring
// cells may overlap (pitch smaller than the cell), so their borders meet in
// one line.
struct GridPlace
{
    QPointF origin;
    QSizeF cell;
    double pitch = 0;
    bool byColumns = false;
};

QRectF cellRect(const GridPlace& grid, int cell);

// An equation written as label, answer box, label: the box starts where the
// first label ends, the second label where the box ends, and the box takes
// the height of the second label. Works on pixels, after the labels have
// been sized to their texts.
struct EquationPlaces
{
    QRect left;
    QRect box;
    QRect right;
};
EquationPlaces lineUpEquation(QRect left, QRect box, QRect right);
