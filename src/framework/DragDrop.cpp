// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/DragDrop.h"

#include "framework/Controls.h"
#include "framework/Pictures.h"
#include "framework/Screen.h"

#include <QApplication>
#include <QDrag>
#include <QDropEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>

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
        else if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
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
    setDraggable(source, draggable);
}

void DragDrop::setDraggable(QWidget* source, bool draggable)
{
    if (!source)
        return;
    source->setProperty("draggable", draggable);
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
    qApp->installEventFilter(outside_);
}

void DragDrop::putDown()
{
    if (mark_)
        delete mark_.data();
    if (picked_)
        picked_->setProperty("picked", false);
    picked_ = nullptr;
    qApp->removeEventFilter(outside_);
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
