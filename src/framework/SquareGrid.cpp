// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/SquareGrid.h"

#include "framework/Controls.h"

#include <QPainter>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace {

QRectF scaled(const QRectF& r, QPointF f)
{
    return {r.x() * f.x(), r.y() * f.y(), r.width() * f.x(), r.height() * f.y()};
}

} // namespace

QList<QRect> squareGridPlaces(const CellGrid::Layout& layout, QPointF scale)
{
    const int count = std::max(0, layout.count);
    const int perLine = std::max(1, layout.perLine);
    const int lines = (count + perLine - 1) / perLine;
    const int columns = layout.byColumns ? lines : std::min(count, perLine);
    const int rows = layout.byColumns ? std::min(count, perLine) : lines;

    const double s = std::min(scale.x(), scale.y());
    const int pitch = std::max(1, static_cast<int>(std::lround(std::min(layout.pitch.width(), layout.pitch.height()) * s)));
    const int side = pitch + 1;

    const QRectF first = CellGrid::designPlace(layout, 0);
    const QRectF last = CellGrid::designPlace(layout, count - 1);
    const QRectF box = scaled(first.united(last), scale);
    const int left = static_cast<int>(std::lround(box.center().x() - (columns * pitch + 1) / 2.0));
    const int top = static_cast<int>(std::lround(box.center().y() - (rows * pitch + 1) / 2.0));

    QList<QRect> places;
    places.reserve(count);
    for (int i = 0; i < count; ++i) {
        const int along = i % perLine;
        const int line = i / perLine;
        const int column = layout.byColumns ? line : along;
        const int row = layout.byColumns ? along : line;
        places.push_back(QRect(left + column * pitch, top + row * pitch, side, side));
    }
    return places;
}

QRect squareInBox(const QRectF& designTwips, QPointF scale)
{
    const double s = std::min(scale.x(), scale.y());
    const int side = static_cast<int>(std::lround(std::min(designTwips.width(), designTwips.height()) * s));
    const QPointF centre = scaled(designTwips, scale).center();
    return {static_cast<int>(std::lround(centre.x() - side / 2.0)), static_cast<int>(std::lround(centre.y() - side / 2.0)),
            side, side};
}

void layOutSquareGrid(const CellGrid& grid, const CellGrid::Layout& layout, QPointF scale)
{
    const QList<QRect> places = squareGridPlaces(layout, scale);
    for (int i = 0; i < grid.count() && i < places.size(); ++i) {
        control::setComputedLayout(grid.cell(i));
        grid.cell(i)->setGeometry(places[i]);
    }
}

namespace {

class GridFrame : public QWidget
{
public:
    explicit GridFrame(QWidget* parent) : QWidget(parent)
    {
        setObjectName(QStringLiteral("gridFrame"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

protected:
    void paintEvent(QPaintEvent*) override { QPainter(this).fillRect(rect(), QColor(30, 30, 30)); }
};

} // namespace

void frameSquareGrid(QWidget* canvas, const CellGrid& grid, bool shown, int width)
{
    auto* frame = canvas->findChild<GridFrame*>(QStringLiteral("gridFrame"), Qt::FindDirectChildrenOnly);
    if (!shown || grid.count() == 0) {
        if (frame)
            frame->hide();
        return;
    }
    if (!frame)
        frame = new GridFrame(canvas);
    QRect all;
    for (const Cell* c : grid.cells())
        all = all.united(c->geometry());
    frame->setGeometry(all.adjusted(-width, -width, width, width));
    frame->lower();
    frame->show();
}
