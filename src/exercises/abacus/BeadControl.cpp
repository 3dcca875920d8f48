// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/abacus/BeadControl.h"

#include <QPainter>
#include <QRadialGradient>

BeadControl::BeadControl(const QColor& colour, QWidget* parent) : QWidget(parent), colour_(colour)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void BeadControl::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(rect()).adjusted(0.75, 0.75, -0.75, -0.75);
    QRadialGradient shine(r.center() - QPointF(r.width() / 5, r.height() / 5), r.width() * 0.75);
    shine.setColorAt(0.0, colour_.lighter(150));
    shine.setColorAt(0.45, colour_);
    shine.setColorAt(1.0, colour_.darker(115));
    p.setPen(QPen(outline_.isValid() ? outline_ : colour_.darker(170), 1.5));
    p.setBrush(shine);
    p.drawEllipse(r);
}
