#include "exercises/tables/TableLayout.h"

QRectF cellRect(const GridPlace& grid, int cell)
{
    const int major = cell / 10;
    const int minor = cell % 10;
    const int row = grid.byColumns ? minor : major;
    const int column = grid.byColumns ? major : minor;
    return {grid.origin.x() + grid.pitch * column, grid.origin.y() + grid.pitch * row, grid.cell.width(),
            grid.cell.height()};
}

EquationPlaces lineUpEquation(QRect left, QRect box, QRect right)
{
    box.moveLeft(left.x() + left.width());
    right.moveLeft(box.x() + box.width());
    box.setHeight(right.height());
    return {left, box, right};
}
