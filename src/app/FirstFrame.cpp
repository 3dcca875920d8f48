// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/FirstFrame.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>

namespace {

// Watches the whole program for its first paint, then leaves the task to
// the event loop: it runs once that frame has been painted and sent to the
// display.
class FirstFrameWatch final : public QObject
{
public:
    explicit FirstFrameWatch(std::function<void()> task) : task_(std::move(task))
    {
        QCoreApplication::instance()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !scheduled_) {
            scheduled_ = true;
            QCoreApplication::instance()->removeEventFilter(this);
            QTimer::singleShot(0, this, [this] { task_(); });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> task_;
    bool scheduled_ = false;
};

} // namespace

std::unique_ptr<QObject> afterFirstFrame(std::function<void()> task)
{
    return std::make_unique<FirstFrameWatch>(std::move(task));
}
