// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/CellGrid.h"

#include "framework/Screen.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace {
// A cell is read by its text unless a screen names it; a clickable cell is
// a button a screen reader can press.
class CellInterface : public QAccessibleWidget
{
public:
    explicit CellInterface(Cell* c) : QAccessibleWidget(c, QAccessible::StaticText) {}
    QAccessible::Role role() const override
    {
        return cell()->isClickable() ? QAccessible::Button : QAccessible::StaticText;
    }
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && cell()->accessibleName().isEmpty())
            return cell()->text().trimmed();
        return QAccessibleWidget::text(t);
    }
    QStringList actionNames() const override
    {
        return cell()->isClickable() && cell()->isEnabled() ? QStringList{pressAction()} : QStringList();
    }
    void doAction(const QString& action) override
    {
        if (action == pressAction() && cell()->isClickable() && cell()->isEnabled())
            emit cell()->clicked();
    }

private:
    Cell* cell() const { return static_cast<Cell*>(widget()); }
};

QAccessibleInterface* cellRoles(const QString& className, QObject* object)
{
    if (className == QLatin1String("Cell") && qobject_cast<Cell*>(object))
        return new CellInterface(static_cast<Cell*>(object));
    return nullptr;
}
} // namespace

Cell::Cell(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    // Qt keeps each factory once, however often it is installed.
    QAccessible::installFactory(cellRoles);
}

void Cell::setText(const QString& text)
{
    if (text == text_)
        return;
    text_ = text;
    update();
    if (accessibleName().isEmpty()) {
        QAccessibleEvent changed(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&changed);
    }
}

void Cell::setFill(const QColor& fill)
{
    if (fill == fill_)
        return;
    fill_ = fill;
    update();
}

void Cell::setTextColour(const QColor& colour)
{
    if (colour == textColour_)
        return;
    textColour_ = colour;
    update();
}

void Cell::setBorder(const QColor& colour)
{
    if (colour == border_)
        return;
    border_ = colour;
    update();
}

void Cell::setClickable(bool clickable)
{
    clickable_ = clickable;
    setFocusPolicy(clickable ? Qt::StrongFocus : Qt::NoFocus);
    if (clickable)
        setCursor(Qt::PointingHandCursor);
    else
        unsetCursor();
}

void Cell::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), fill_);
    p.setPen(border_);
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    if (hasFocus()) {
        p.setPen(QPen(QColor(30, 100, 200), 2, Qt::DotLine));
        p.drawRect(rect().adjusted(2, 2, -3, -3));
    }
    if (!text_.isEmpty()) {
        p.setPen(textColour_);
        p.setFont(font());
        p.drawText(rect(), Qt::AlignCenter, text_);
    }
}

void Cell::mouseReleaseEvent(QMouseEvent* event)
{
    if (clickable_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QWidget::mouseReleaseEvent(event);
}

void Cell::keyPressEvent(QKeyEvent* event)
{
    const int k = event->key();
    if (clickable_ && (k == Qt::Key_Space || k == Qt::Key_Return || k == Qt::Key_Enter)) {
        emit clicked();
        return;
    }
    QWidget::keyPressEvent(event);
}

QRectF CellGrid::designPlace(const Layout& layout, int index)
{
    const int perLine = qMax(1, layout.perLine);
    const int along = index % perLine;
    const int line = index / perLine;
    const int column = layout.byColumns ? line : along;
    const int row = layout.byColumns ? along : line;
    return {layout.origin.x() + column * layout.pitch.width(), layout.origin.y() + row * layout.pitch.height(),
            layout.cell.width(), layout.cell.height()};
}

CellGrid::CellGrid(Screen& screen, const Layout& layout, QWidget* container) : QObject(&screen)
{
    cells_.reserve(layout.count);
    for (int i = 0; i < layout.count; ++i) {
        const QRectF r = designPlace(layout, i);
        auto* c = screen.place(new Cell, layout.name, twips::rect(r.x(), r.y(), r.width(), r.height()), i, container);
        c->setFont(layout.font);
        connect(c, &Cell::clicked, this, [this, i] { emit clicked(i); });
        cells_.push_back(c);
    }
}
