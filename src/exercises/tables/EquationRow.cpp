// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/tables/EquationRow.h"

#include "exercises/tables/TableLayout.h"
#include "framework/Controls.h"
#include "framework/Screen.h"

#include <QLabel>
#include <QLineEdit>

namespace {

QLabel* equationLabel(double points)
{
    auto* l = new QLabel;
    l->setFont(designFont(QStringLiteral("Arial"), points));
    l->setAlignment(Qt::AlignCenter);
    l->setFrameShape(QFrame::Box);
    l->setLineWidth(1);
    l->setMargin(2);
    control::fillBackground(l, Qt::white);
    control::setComputedLayout(l);
    return l;
}

} // namespace

EquationRow::EquationRow(Screen& screen, QPointF designLeftTop, double boxWidth, double points)
    : screen_(screen), origin_(designLeftTop), boxWidth_(boxWidth)
{
    const QRect start = twips::rect(origin_.x(), origin_.y(), 1000, 600);
    left_ = screen.place(equationLabel(points), QStringLiteral("EtichettaNumero"), start, 0);
    right_ = screen.place(equationLabel(points), QStringLiteral("EtichettaNumero"), start, 1);
    box_ = screen.place(new QLineEdit, QStringLiteral("Text1"), twips::rect(origin_.x(), origin_.y(), boxWidth_, 600));
    box_->setFont(designFont(QStringLiteral("Arial"), points));
    box_->setAlignment(Qt::AlignCenter);
    control::setComputedLayout(box_);
}

void EquationRow::setTexts(const QString& left, const QString& right)
{
    left_->setText(left);
    right_->setText(right);
    screen_.spokenNames().said(box_, question());
    layOut();
}

QString EquationRow::question() const
{
    return left_->text().trimmed() + QStringLiteral(" ? ") + right_->text().trimmed();
}

// Placed by hand: the box is as wide as its design width at the present
// scale and as high as the label after it, two sizes a layout would still
// need set by hand at every rescale; the labels are as wide as their texts.
void EquationRow::layOut()
{
    const QPoint at = screen_.toPixels(origin_);
    const int boxWidth = qMax(1, qRound(boxWidth_ * screen_.scale().x()));
    const EquationPlaces p = lineUpEquation(QRect(at, left_->sizeHint()), QRect(at, QSize(boxWidth, 1)),
                                            QRect(at, right_->sizeHint()));
    left_->setGeometry(p.left);
    box_->setGeometry(p.box);
    right_->setGeometry(p.right);
}
