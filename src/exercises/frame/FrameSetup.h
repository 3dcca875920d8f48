// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "exercises/frame/MaxNumberChoice.h"

#include <QPointF>
#include <QRectF>
#include <QString>

// How an exercise screen uses the frame: plain data that each screen
// declares, so that the frame itself is written once.
struct FrameSetup
{
    enum class Box { Tall, Wide };              // 2295x2175 or 4095x1335 twips
    using MaxChoice = MaxNumberChoice::Kind;
    enum class When { Never, AtLoad, AtActivation, AtLoadAndActivation };
    enum class Counts { Shared, Own };

    QString menu;                   // the exercise menu the exit leads back to
    Box box = Box::Tall;
    QPointF boxAt;                  // design place of the counts box, twips
    QRectF nextAt;                  // design place of BottoneAvanti, twips; empty: none
    bool nextAlwaysVisible = false; // visible by design (column screens)
    When nextShown = When::AtActivation;

    MaxChoice maxChoice = MaxChoice::None;
    QString maxCommandName;         // MenuNumeroMassimo, mnuMassimo or mnuNumeroMassimo
    QString maxCommandText;
    When selectMaxOption8 = When::Never;  // as if the child chose 999
    When resetMaxNumber = When::Never;    // MaxNumber := 999
    When seed = When::Never;              // random source seeded from the clock

    Counts counts = Counts::Shared;
    bool frameTextsAtLoad = false;        // else at activation
};
