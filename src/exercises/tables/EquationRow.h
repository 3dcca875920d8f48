// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "exercises/frame/KeyFilters.h"

#include <QPointF>
#include <QString>

class QLabel;
class QLineEdit;
class Screen;

// An equation such as " 37 + [answer] = 100": two bordered white labels as
// wide as their texts (EtichettaNumero(0) and (1)) with the answer box
// Text1 between them, in one row without gaps. The row is placed again
// after every rescale, because the labels' widths follow their texts.
class EquationRow
{
public:
    // designLeftTop: where the first label starts; boxWidth: the answer box's
    // design width. All in twips.
    EquationRow(Screen& screen, QPointF designLeftTop, double boxWidth, double points);

    QLabel* left() const { return left_; }
    QLineEdit* box() const { return box_; }
    QLabel* right() const { return right_; }

    // Writes the two fixed parts; the box's accessible name becomes the
    // question, "37 + ? = 100".
    void setTexts(const QString& left, const QString& right);
    // The equation with a question mark for the box: "37 + ? = 100".
    QString question() const;
    // Lines up label, box, label at the screen's present scale.
    void layOut();

private:
    Screen& screen_;
    QPointF origin_;
    double boxWidth_;
    QLabel* left_;
    QLineEdit* box_;
    QLabel* right_;
};
