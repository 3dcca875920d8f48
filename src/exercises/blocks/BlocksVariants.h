// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "exercises/blocks/BlocksDrawing.h"
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>


// One screen that reads a drawing: what differs between the digits and
// the words screen.
struct BlocksReadVariant
{
    enum class Answer { Digits, Words };

    QString instruction;         // Label3, fixed text
    Answer answer;
    QRectF answerAt;             // Text1, design twips
    double answerPoints;
    QPointF instructionAt;       // Label3
    QSizeF instructionSize;
    const BlocksLayout& (*layout)();
};
