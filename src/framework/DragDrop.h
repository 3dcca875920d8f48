// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QCursor>
#include <QList>
#include <QObject>
#include <QPointer>
#include <functional>

class QKeyEvent;
class QMimeData;
class QWidget;
class Screen;

// Dragging controls onto other controls of one screen, written once.
//
// A screen makes one DragDrop (its child), names the sources (labels that
// can be dragged) and the targets (controls that take a drop), and says
// through `accepts` whether a source may go onto a target; `apply` then does
// what the drop means. Both ways of moving go through that one rule:
// - a real drag: the draggable pointer shows over a draggable source; the
//   drag carries the source's design name and index in a private MIME type;
//   a target takes it only if `accepts` says so, and the accepted drop is
//   applied once the drag has ended, never inside it;
// - two clicks, for unsteady hands and touch screens: a click on a
//   draggable source picks it up (it is framed in a strong colour), a click
//   on a target offers it. A refused offer changes nothing and keeps the
//   pick; a click on the picked source again, anywhere that is neither a
//   source nor a target, or Escape puts it down;
// - keys, for a child who does not use a pointer (or uses a switch or a
//   screen reader): a draggable source is a tab stop (in the order the
//   screen placed it, its reading order); Space or Enter picks it up and
//   takes the focus to the first target `accepts` allows for it, in reading
//   order (top to bottom, left to right); the arrow keys or Tab move among
//   those targets, the focused one framed; Space or Enter puts the source
//   there, Escape puts it back and the focus returns to it. After a drop the
//   focus goes on to the next source that can move, unless the screen has
//   put it somewhere (an answer box that opened).
// Only enabled, visible, draggable sources move. A source tells assistive
// technology whether it is picked up (checked and selected), and can be
// picked up or put down by its press action.
class DragDrop : public QObject
{
    Q_OBJECT
public:
    explicit DragDrop(Screen& screen);
    ~DragDrop() override;

    static const QString MimeType;

    void addSource(QWidget* source, bool draggable = true);
    void setDraggable(QWidget* source, bool draggable);
    bool isDraggable(const QWidget* source) const;
    void addTarget(QWidget* target);

    std::function<bool(QWidget* source, QWidget* target)> accepts;
    std::function<void(QWidget* source, QWidget* target)> apply;

    QWidget* picked() const { return picked_; }
    void putDown();
    // Picks a source up, or puts the picked one down, as Space does on it.
    void toggle(QWidget* source);
    // The targets `accepts` allows for a source, in reading order.
    QList<QWidget*> targetsFor(QWidget* source) const;

    // The source a drag's data names, if it is one of this screen's.
    QWidget* sourceOf(const QMimeData* data) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool isSource(const QObject* o) const;
    bool isTarget(const QObject* o) const;
    bool canMove(const QWidget* source) const;
    void pick(QWidget* source);
    // Offers a source to a target; true when the drop was applied.
    bool offer(QWidget* source, QWidget* target);
    void startDrag(QWidget* source);
    bool sourceEvent(QWidget* source, QEvent* event);
    bool targetEvent(QWidget* target, QEvent* event);
    bool sourceKey(QWidget* source, QKeyEvent* key);
    bool targetKey(QWidget* target, QKeyEvent* key);
    // Moves the keyboard among the targets allowed for the picked source.
    void stepTarget(QWidget* from, int step);
    // The focus after a drop made by keys: on to the next source that can move.
    void focusAfterDrop(QWidget* source, QWidget* target);

    Screen& screen_;
    QList<QPointer<QWidget>> sources_;
    QList<QPointer<QWidget>> targets_;
    QPointer<QWidget> picked_;
    QPointer<QWidget> mark_;      // the frame around the picked source
    QPointer<QWidget> pressed_;   // source under a pressed left button
    QPoint pressAt_;
    bool dragging_ = false;
    QPointer<QWidget> droppedOn_; // target of the drop of the drag under way
    QCursor pointer_;
    QObject* outside_ = nullptr;  // watches the program while a source is picked
};
