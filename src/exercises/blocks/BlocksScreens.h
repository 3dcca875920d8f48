// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "exercises/blocks/BlocksDrawing.h"
#include "exercises/frame/ExerciseScreen.h"

class Navigator;
class LanguageFiles;

// The three screens of "piatti lunghi e unità": Form999x, where the child
// builds a number with blocks, and Form999y / Form999z, where the child
// reads a block drawing and writes the number in digits or in words.
void registerBlocksScreens(Navigator& navigator);

// The patterns the block drawing says what it shows with, from the
// language file in use.
BlockWords blockWordsFrom(LanguageFiles& strings);

// One screen that reads a drawing: what differs between the digits and
// the words screen.
struct BlocksReadVariant
{
    enum class Answer { Digits, Words };

    QString designName;
    QString title;
    QString instruction;         // Label3, fixed text
    Answer answer;
    QRectF answerAt;             // Text1, design twips
    double answerPoints;
    QPointF instructionAt;       // Label3
    QSizeF instructionSize;
    const BlocksLayout& (*layout)();
    FrameSetup frame;
};

const BlocksReadVariant& readDigitsVariant();  // Form999y
const BlocksReadVariant& readWordsVariant();   // Form999z
