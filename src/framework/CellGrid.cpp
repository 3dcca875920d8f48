// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/CellGrid.h"

#include "framework/Screen.h"
#include "services/Contrast.h"

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
    // Which cell Tab reaches is the grid's to say (CellGrid); a click
    // focuses a clickable cell.
    if (!(focusPolicy() & Qt::TabFocus))
        setFocusPolicy(clickable ? Qt::ClickFocus : Qt::NoFocus);
    else
        setFocusPolicy(clickable ? Qt::StrongFocus : Qt::TabFocus);
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
    if (!text_.isEmpty()) {
        // The cell's text colour where it reads on its fill, else the
        // nearest that does.
        p.setPen(contrast::readable(textColour_, fill_));
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

CellGrid::CellGrid(Screen& screen, const Layout& layout, QWidget* container)
    : QObject(&screen), perLine_(qMax(1, layout.perLine)), byColumns_(layout.byColumns)
{
    cells_.reserve(layout.count);
    for (int i = 0; i < layout.count; ++i) {
        const QRectF r = designPlace(layout, i);
        auto* c = screen.place(new Cell, layout.name, twips::rect(r.x(), r.y(), r.width(), r.height()), i, container);
        c->setFont(layout.font);
        connect(c, &Cell::clicked, this, [this, i] { emit clicked(i); });
        c->installEventFilter(this);
        cells_.push_back(c);
    }
    setPolicies();
}

void CellGrid::setCurrent(int index)
{
    if (index < 0 || index >= count() || index == current_)
        return;
    current_ = index;
    setPolicies();
}

void CellGrid::setPolicies()
{
    for (int i = 0; i < count(); ++i) {
        Cell* c = cells_[i];
        const bool clickable = c->isClickable();
        if (i == current_)
            c->setFocusPolicy(clickable ? Qt::StrongFocus : Qt::TabFocus);
        else
            c->setFocusPolicy(clickable ? Qt::ClickFocus : Qt::NoFocus);
    }
}

QPoint CellGrid::spot(int index) const
{
    const int along = index % perLine_;
    const int line = index / perLine_;
    return byColumns_ ? QPoint(line, along) : QPoint(along, line);
}

int CellGrid::indexAt(QPoint spot) const
{
    const int along = byColumns_ ? spot.y() : spot.x();
    const int line = byColumns_ ? spot.x() : spot.y();
    if (along < 0 || along >= perLine_ || line < 0)
        return -1;
    const int index = line * perLine_ + along;
    return index < count() ? index : -1;
}

int CellGrid::moved(int from, const QKeyEvent* key) const
{
    const QPoint at = spot(from);
    const int lines = (count() + perLine_ - 1) / perLine_;
    const int columns = byColumns_ ? lines : perLine_;
    const int rows = byColumns_ ? perLine_ : lines;
    const bool ctrl = key->modifiers() & Qt::ControlModifier;
    switch (key->key()) {
    case Qt::Key_Left: return indexAt(at + QPoint(-1, 0));
    case Qt::Key_Right: return indexAt(at + QPoint(1, 0));
    case Qt::Key_Up: return indexAt(at + QPoint(0, -1));
    case Qt::Key_Down: return indexAt(at + QPoint(0, 1));
    case Qt::Key_Home: return ctrl ? 0 : indexAt({0, at.y()});
    case Qt::Key_End: {
        if (ctrl)
            return count() - 1;
        for (int x = columns - 1; x >= 0; --x)
            if (const int i = indexAt({x, at.y()}); i >= 0)
                return i;
        return -1;
    }
    case Qt::Key_PageUp: return indexAt({at.x(), 0});
    case Qt::Key_PageDown:
        for (int y = rows - 1; y >= 0; --y)
            if (const int i = indexAt({at.x(), y}); i >= 0)
                return i;
        return -1;
    default: return -1;
    }
}

bool CellGrid::eventFilter(QObject* watched, QEvent* event)
{
    // A cell being destroyed still sends events, but is no Cell any more.
    const auto from = cells_.indexOf(qobject_cast<Cell*>(watched));
    if (from < 0)
        return false;
    if (event->type() == QEvent::FocusIn) {
        setCurrent(static_cast<int>(from));
        return false;
    }
    if (event->type() != QEvent::KeyPress)
        return false;
    auto* key = static_cast<QKeyEvent*>(event);
    switch (key->key()) {
    case Qt::Key_Left: case Qt::Key_Right: case Qt::Key_Up: case Qt::Key_Down:
    case Qt::Key_Home: case Qt::Key_End: case Qt::Key_PageUp: case Qt::Key_PageDown:
        break;
    default:
        return false;
    }
    const int to = moved(static_cast<int>(from), key);
    Cell* next = cell(to);
    if (next && next->isEnabled() && next->isVisible()) {
        setCurrent(to);
        next->setFocus(Qt::OtherFocusReason);
    }
    return true;
}
