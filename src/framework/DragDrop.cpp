// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/DragDrop.h"

#include "framework/Controls.h"
#include "framework/Pictures.h"
#include "framework/Screen.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QDrag>
#include <QDropEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

const QString DragDrop::MimeType = QStringLiteral("application/x-contalandia-control");

namespace {

// The frame drawn around a picked-up source; clicks pass through it.
class PickMark : public QWidget
{
public:
    explicit PickMark(QWidget* source) : QWidget(source)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setGeometry(source->rect());
        show();
        raise();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        const int w = qMax(3, qMin(width(), height()) / 12);
        p.setPen(QPen(QColor(255, 120, 0), w));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(QRectF(rect()).adjusted(w / 2.0, w / 2.0, -w / 2.0, -w / 2.0), w, w);
    }
};

// Watches the whole program while a source is picked up.
class OutsideWatcher : public QObject
{
public:
    OutsideWatcher(QObject* parent, std::function<bool(QObject*, QEvent*)> filter)
        : QObject(parent), filter_(std::move(filter))
    {
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override { return filter_(watched, event); }

private:
    std::function<bool(QObject*, QEvent*)> filter_;
};

DragDrop* dragDropOf(QWidget* source)
{
    for (QObject* o = source; o; o = o->parent())
        if (auto* d = o->findChild<DragDrop*>(QString(), Qt::FindDirectChildrenOnly))
            return d;
    return nullptr;
}

// What assistive technology hears of a source: its name (or its text), a
// button while it can be picked up, checked and selected while it is.
class SourceInterface : public QAccessibleWidget
{
public:
    explicit SourceInterface(QWidget* w) : QAccessibleWidget(w, QAccessible::StaticText) {}
    QAccessible::Role role() const override { return draggable() ? QAccessible::Button : QAccessible::StaticText; }
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return widget()->property("text").toString().trimmed();
        return QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        if (draggable() || picked()) {
            s.checkable = true;
            s.selectable = true;
        }
        s.checked = s.selected = picked();
        return s;
    }
    QStringList actionNames() const override
    {
        return draggable() && widget()->isEnabled() ? QStringList{pressAction(), toggleAction()} : QStringList();
    }
    void doAction(const QString& action) override
    {
        if (action != pressAction() && action != toggleAction())
            return;
        if (DragDrop* d = dragDropOf(widget()))
            d->toggle(widget());
    }

private:
    bool draggable() const { return widget()->property("draggable").toBool(); }
    bool picked() const { return widget()->property("picked").toBool(); }
};


void pickedChanged(QWidget* source)
{
    QAccessible::State changed;
    changed.checked = true;
    changed.selected = true;
    QAccessibleStateChangeEvent e(source, changed);
    QAccessible::updateAccessibility(&e);
}

bool pressKey(const QKeyEvent* k)
{
    return !k->isAutoRepeat() && (k->key() == Qt::Key_Space || k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter);
}

bool leftButton(const QEvent* e)
{
    return static_cast<const QMouseEvent*>(e)->button() == Qt::LeftButton;
}

} // namespace

DragDrop::DragDrop(Screen& screen)
    : QObject(&screen), screen_(screen), pointer_(svgCursor(pictures::DragPointer, 32, {16, 16}))
{
    outside_ = new OutsideWatcher(this, [this](QObject* watched, QEvent* event) {
        // Anything but a source or a target clicked, or Escape, puts a pick down.
        if (!picked_ || isSource(watched) || isTarget(watched))
            return false;
        if (event->type() == QEvent::MouseButtonPress && watched->isWidgetType()) {
            // A press that a label ignores travels on to its parents: what
            // counts is the control under the pointer.
            auto* w = static_cast<QWidget*>(watched);
            QWidget* hit = w->childAt(static_cast<QMouseEvent*>(event)->position().toPoint());
            for (QWidget* p = hit ? hit : w; p; p = p->parentWidget())
                if (isSource(p) || isTarget(p))
                    return false;
            putDown();
        }
        else if (event->type() == QEvent::KeyPress && watched->isWidgetType()
                 && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
            // Seen by the control the key is for: the window that carries it
            // there passes it on first.
            putDown();
            return true;
        }
        return false;
    });
}

DragDrop::~DragDrop() = default;

void DragDrop::addSource(QWidget* source, bool draggable)
{
    if (!source || isSource(source))
        return;
    sources_.push_back(source);
    source->installEventFilter(this);
    // Registered for the source itself: Qt's own factory would answer for
    // its class (a label) before any other.
    QAccessible::registerAccessibleInterface(new SourceInterface(source));
    setDraggable(source, draggable);
}

void DragDrop::setDraggable(QWidget* source, bool draggable)
{
    if (!source)
        return;
    source->setProperty("draggable", draggable);
    // A tab stop while it can move; a click never takes the focus to it.
    source->setFocusPolicy(draggable ? Qt::TabFocus : Qt::NoFocus);
    if (draggable)
        source->setCursor(pointer_);
    else
        source->unsetCursor();
    if (!draggable && picked_ == source)
        putDown();
}

bool DragDrop::isDraggable(const QWidget* source) const
{
    return source && source->property("draggable").toBool();
}

void DragDrop::addTarget(QWidget* target)
{
    if (!target || isTarget(target))
        return;
    targets_.push_back(target);
    target->setAcceptDrops(true);
    target->installEventFilter(this);
}

bool DragDrop::isSource(const QObject* o) const
{
    for (const auto& s : sources_)
        if (s == o)
            return true;
    return false;
}

bool DragDrop::isTarget(const QObject* o) const
{
    for (const auto& t : targets_)
        if (t == o)
            return true;
    return false;
}

bool DragDrop::canMove(const QWidget* source) const
{
    return source && isSource(source) && isDraggable(source) && source->isEnabled() && source->isVisible();
}

QWidget* DragDrop::sourceOf(const QMimeData* data) const
{
    if (!data || !data->hasFormat(MimeType))
        return nullptr;
    const QStringList parts = QString::fromUtf8(data->data(MimeType)).split(u'\n');
    if (parts.size() != 2)
        return nullptr;
    bool ok = false;
    const int index = parts[1].toInt(&ok);
    if (!ok)
        return nullptr;
    auto* w = qobject_cast<QWidget*>(screen_.findControl(parts[0], index));
    return isSource(w) ? w : nullptr;
}

void DragDrop::pick(QWidget* source)
{
    putDown();
    picked_ = source;
    mark_ = new PickMark(source);
    source->setProperty("picked", true);
    pickedChanged(source);
    qApp->installEventFilter(outside_);
}

void DragDrop::putDown()
{
    if (mark_)
        delete mark_.data();
    QWidget* was = picked_;
    picked_ = nullptr;
    if (was) {
        was->setProperty("picked", false);
        pickedChanged(was);
    }
    qApp->removeEventFilter(outside_);
}

void DragDrop::toggle(QWidget* source)
{
    if (picked_ && picked_ == source)
        putDown();
    else if (canMove(source))
        pick(source);
}

QList<QWidget*> DragDrop::targetsFor(QWidget* source) const
{
    QList<QWidget*> out;
    if (!canMove(source) || !accepts)
        return out;
    for (const auto& t : targets_)
        if (t && t->isVisible() && t->isEnabled() && accepts(source, t))
            out.push_back(t);
    // Reading order: rows from the top, each from the left.
    std::stable_sort(out.begin(), out.end(), [](QWidget* a, QWidget* b) {
        const QPoint pa = a->mapTo(a->window(), QPoint(0, 0));
        const QPoint pb = b->mapTo(b->window(), QPoint(0, 0));
        return pa.y() != pb.y() ? pa.y() < pb.y() : pa.x() < pb.x();
    });
    return out;
}

void DragDrop::stepTarget(QWidget* from, int step)
{
    const QList<QWidget*> targets = targetsFor(picked_);
    if (targets.isEmpty())
        return;
    const auto n = targets.size();
    const auto at = targets.indexOf(from);
    const auto next = at < 0 ? 0 : ((at + step) % n + n) % n;
    targets[next]->setFocus(step < 0 ? Qt::BacktabFocusReason : Qt::TabFocusReason);
}

void DragDrop::focusAfterDrop(QWidget* source, QWidget* target)
{
    QWidget* now = QApplication::focusWidget();
    if (now && now != target && !isTarget(now))
        return;  // the screen has put the focus where the child goes on
    const auto from = sources_.indexOf(source);
    const auto n = sources_.size();
    for (qsizetype k = 1; k <= n; ++k) {
        QWidget* s = sources_[((from < 0 ? 0 : from) + k) % n];
        if (canMove(s)) {
            s->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

bool DragDrop::sourceKey(QWidget* source, QKeyEvent* key)
{
    if (!pressKey(key))
        return false;
    if (picked_ == source) {
        putDown();
        return true;
    }
    if (!canMove(source))
        return false;
    pick(source);
    const QList<QWidget*> targets = targetsFor(source);
    if (!targets.isEmpty())
        targets.first()->setFocus(Qt::TabFocusReason);
    return true;
}

bool DragDrop::targetKey(QWidget* target, QKeyEvent* key)
{
    if (!picked_ || !target->hasFocus())
        return false;
    switch (key->key()) {
    case Qt::Key_Right:
    case Qt::Key_Down:
    case Qt::Key_Tab:
        stepTarget(target, 1);
        return true;
    case Qt::Key_Left:
    case Qt::Key_Up:
    case Qt::Key_Backtab:
        stepTarget(target, -1);
        return true;
    case Qt::Key_Escape: {
        QPointer<QWidget> source = picked_;
        putDown();
        if (source)
            source->setFocus(Qt::OtherFocusReason);
        return true;
    }
    default:
        break;
    }
    if (!pressKey(key))
        return false;
    QPointer<QWidget> source = picked_;
    QPointer<QWidget> on = target;
    if (offer(source, target))
        focusAfterDrop(source, on);
    return true;
}

bool DragDrop::offer(QWidget* source, QWidget* target)
{
    if (!canMove(source) || !target || !accepts || !accepts(source, target))
        return false;
    putDown();
    if (apply)
        apply(source, target);
    return true;
}

void DragDrop::startDrag(QWidget* source)
{
    auto* data = new QMimeData;
    data->setData(MimeType, QStringLiteral("%1\n%2").arg(control::name(source)).arg(control::index(source)).toUtf8());
    auto* drag = new QDrag(source);
    drag->setMimeData(data);
    drag->setPixmap(source->grab());
    drag->setHotSpot(pressAt_);
    drag->setDragCursor(pointer_.pixmap(), Qt::MoveAction);

    QPointer<DragDrop> self(this);
    QPointer<QWidget> dragged(source);
    dragging_ = true;
    droppedOn_ = nullptr;
    drag->exec(Qt::MoveAction);
    if (!self)
        return;
    dragging_ = false;
    QPointer<QWidget> target = droppedOn_;
    droppedOn_ = nullptr;
    // The drag is over: only now does the drop change the screen.
    if (dragged && target)
        offer(dragged, target);
}

bool DragDrop::sourceEvent(QWidget* source, QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        if (leftButton(event)) {
            pressed_ = source;
            pressAt_ = static_cast<QMouseEvent*>(event)->position().toPoint();
        }
        return false;
    case QEvent::MouseMove: {
        auto* m = static_cast<QMouseEvent*>(event);
        if (pressed_ == source && (m->buttons() & Qt::LeftButton) && canMove(source)
            && (m->position().toPoint() - pressAt_).manhattanLength() >= QApplication::startDragDistance()) {
            pressed_ = nullptr;
            putDown();
            startDrag(source);
            return true;
        }
        return false;
    }
    case QEvent::Resize:
        if (mark_ && mark_->parentWidget() == source)
            mark_->setGeometry(source->rect());
        return false;
    default:
        return false;
    }
}

bool DragDrop::targetEvent(QWidget* target, QEvent* event)
{
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto* e = static_cast<QDropEvent*>(event);
        QWidget* source = sourceOf(e->mimeData());
        if (canMove(source) && accepts && accepts(source, target))
            e->acceptProposedAction();
        else
            e->ignore();
        return true;
    }
    case QEvent::Drop: {
        auto* e = static_cast<QDropEvent*>(event);
        QWidget* source = sourceOf(e->mimeData());
        if (!(canMove(source) && accepts && accepts(source, target))) {
            e->ignore();
            return true;
        }
        e->acceptProposedAction();
        if (dragging_) {
            droppedOn_ = target;
        } else {
            // A drag this object did not start (another screen part, a
            // test): applied once the event that carries it is over.
            QPointer<QWidget> s(source), t(target);
            QMetaObject::invokeMethod(this, [this, s, t] { if (s && t) offer(s, t); }, Qt::QueuedConnection);
        }
        return true;
    }
    default:
        return false;
    }
}

bool DragDrop::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    auto* widget = qobject_cast<QWidget*>(watched);
    const bool source = isSource(watched);
    const bool target = isTarget(watched);
    if (!source && !target)
        return false;

    if (type == QEvent::MouseButtonRelease && leftButton(event)) {
        const bool clicked = pressed_ == widget || (target && !source);
        pressed_ = nullptr;
        if (!clicked || !widget->rect().contains(static_cast<QMouseEvent*>(event)->position().toPoint()))
            return false;
        if (picked_ && picked_ != widget && target) {
            offer(picked_, widget);
            return true;
        }
        if (source) {
            if (picked_ == widget)
                putDown();
            else if (canMove(widget))
                pick(widget);
            return true;
        }
        return false;
    }
    if (type == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (target && targetKey(widget, key))
            return true;
        if (source && sourceKey(widget, key))
            return true;
    }
    if (type == QEvent::KeyPress && picked_ && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        putDown();
        return true;
    }
    bool handled = false;
    if (source)
        handled = sourceEvent(widget, event);
    if (!handled && target)
        handled = targetEvent(widget, event);
    return handled;
}
