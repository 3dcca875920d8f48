// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/FocusFrame.h"

#include <QApplication>
#include <QEvent>
#include <QPainter>

const QColor FocusFrame::Outer(0, 0, 0);
const QColor FocusFrame::Inner(255, 255, 255);

FocusFrame::FocusFrame(QWidget* canvas, std::function<double()> pixelsPerTwip)
    : QFocusFrame(canvas), canvas_(canvas), pixelsPerTwip_(std::move(pixelsPerTwip))
{
    setObjectName(QStringLiteral("focusFrame"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_AcceptDrops, false);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    hide();
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) { follow(now); });
}

int FocusFrame::thickness() const
{
    return qMax(MinimumThickness, qRound(ThicknessTwips * pixelsPerTwip_()));
}

void FocusFrame::follow(QWidget* now)
{
    QWidget* canvas = canvas_;
    const bool ours = now && now != canvas && canvas->isAncestorOf(now);
    if (framed_ && framed_ != now)
        framed_->removeEventFilter(this);
    if (!ours) {
        framed_ = nullptr;
        hide();
        return;
    }
    if (framed_ != now) {
        framed_ = now;
        now->installEventFilter(this);
    }
    placeAround();
}

void FocusFrame::placeAround()
{
    if (!framed_ || !framed_->isVisible() || !framed_->hasFocus()) {
        hide();
        return;
    }
    const int t = thickness();
    QWidget* canvas = canvas_;
    const QRect around = QRect(framed_->mapTo(canvas, QPoint(0, 0)), framed_->size()).adjusted(-t, -t, t, t);
    setGeometry(around);
    show();
    raise();
    update();
}

bool FocusFrame::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == framed_) {
        switch (event->type()) {
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::Show:
        case QEvent::Hide:
            placeAround();
            break;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void FocusFrame::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const int t = thickness();
    const int outer = (t + 1) / 2;
    const int inner = t - outer;
    const QRect r = rect();
    auto ring = [&p](const QRect& box, int width, const QColor& colour) {
        p.fillRect(QRect(box.left(), box.top(), box.width(), width), colour);
        p.fillRect(QRect(box.left(), box.bottom() - width + 1, box.width(), width), colour);
        p.fillRect(QRect(box.left(), box.top(), width, box.height()), colour);
        p.fillRect(QRect(box.right() - width + 1, box.top(), width, box.height()), colour);
    };
    ring(r, outer, Outer);
    ring(r.adjusted(outer, outer, -outer, -outer), inner, Inner);
}
