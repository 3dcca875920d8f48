// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "exercises/frame/FrameSetup.h"

#include <QSizeF>
#include <functional>
#include <span>

struct AppContext;
class ExerciseScreen;

// One exercise screen of the catalogue, as data. Every family exports its
// rows from its <Family>Catalog.cpp; the program registers them all the
// same way. What differs between the screens of one class (an operation, a
// geometry, a mode) is given to the class by the row's factory.
struct ExerciseRow
{
    using Factory = std::function<ExerciseScreen*(AppContext&, const ExerciseRow&)>;

    const char* designName;   // objectName, language-file section, the tests' handle
    const char* title;        // the window's design title
    QSizeF design;            // the design client area, in twips
    FrameSetup frame;         // the exercise menu it belongs to and what the frame does
    Factory make;
    // Rows that share a design name (the modes of the written-number
    // screen) are told apart by the variant the menu asks for.
    int variant = 0;
};

// A factory for screen class S, built from its row and the given extra
// arguments, as S(app, row, args...).
template <class S, class... Args>
ExerciseRow::Factory screenOf(Args... args)
{
    return [=](AppContext& app, const ExerciseRow& row) -> ExerciseScreen* { return new S(app, row, args...); };
}
