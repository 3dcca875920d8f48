#pragma once
#include "exercises/blocks/BlocksDrawing.h"
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>

class LanguageFiles;

// The patterns the block drawing says what it shows with, from the
// language file in use.
BlockWords blockWordsFrom(LanguageFiles& strings);

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
