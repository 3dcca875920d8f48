// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "exercises/frame/OptionChoice.h"

#include <functional>

// The choice of the largest number a screen works with: the frame
// CorniceNumeroMassimo with the nine options OpzioneNumeroMassimo(0..8),
// "199" to "999" in three columns, option i standing for 199 + 100 i. It
// opens in one of three kinds:
//   Plain   at the screen's top-left corner, at its own size;
//   Full    over the whole client area, covering everything else;
//   Blocks  as Plain, once the screen has hidden its block drawing.
class MaxNumberChoice : public OptionChoice
{
    Q_OBJECT
public:
    enum class Kind { None, Plain, Full, Blocks };

    // hideDrawing runs before the Blocks kind opens.
    MaxNumberChoice(Screen& screen, Kind kind, std::function<void()> hideDrawing = {});

    static qint16 maxNumberOf(int option) { return static_cast<qint16>(199 + 100 * option); }
    static constexpr int Options = 9;

    void open();

private:
    Kind kind_;
    std::function<void()> hideDrawing_;
};
