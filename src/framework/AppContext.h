// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "lang/LanguageFiles.h"
#include "services/DaysChart.h"
#include "services/Feedback.h"
#include "framework/Dialogs.h"
#include "services/Platform.h"
#include "services/RandomSource.h"
#include "services/Speech.h"
#include "framework/Navigator.h"
#include "framework/ProgramState.h"

#include <functional>

class ResultsStore;

// What every screen is given: the program-wide state and the services that
// reach the outside world. main() wires the real services; tests wire
// scripted ones and a temporary program folder.
struct AppContext
{
    AppContext(RandomSource& random, SoundPlayer& player, Dialogs& dialogs, Clock& clock,
               const QString& programFolder)
        : random(random), player(player), dialogs(dialogs), clock(clock),
          strings(programFolder), feedback(state.soundsOn, random, player, programFolder),
          speech(state.soundsOn, state.voiceOn), navigator(*this)
    {
    }
    AppContext(const AppContext&) = delete;
    AppContext& operator=(const AppContext&) = delete;

    ProgramState state;
    RandomSource& random;
    SoundPlayer& player;
    Dialogs& dialogs;
    Clock& clock;
    LanguageFiles strings;
    Feedback feedback;
    // What is said aloud: silent until a voice is given (useVoice).
    Speech speech;
    Navigator navigator;

    // Screens are maximized by the window manager, so their title bar (which
    // on some screens tells the child what to do) stays in sight; tests and
    // benchmarks show them as plain windows of the display's size.
    bool maximizedWindows = false;
    // Ends the program at once; tests replace it with a recorder.
    std::function<void()> quitProgram;
    // Where every judged answer is kept (results/ResultsStore); none in a
    // program or test that keeps no results.
    ResultsStore* results = nullptr;
    // Makes the results screen's chart (services/DaysChart); null, or none
    // set, where no chart can be drawn.
    std::function<DaysChart*()> makeDaysChart;
};
