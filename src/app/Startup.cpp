// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Startup.h"

#include "framework/AppContext.h"
#include "services/Platform.h"
#include "services/RandomSource.h"


void startProgram(AppContext& app)
{
    app.strings.removeSettingsLeftovers();
    FrameTexts& f = app.state.frameTexts;
    f.exitQuestion = app.strings.getString(msg::ExitQuestion);
    f.rightLabel = app.strings.getString(msg::RightLabel);
    f.wrongLabel = app.strings.getString(msg::WrongLabel);
    f.informationMenu = app.strings.getString(msg::InformationMenu);
    f.resetMenu = app.strings.getString(msg::ResetMenu);
    f.nextButton = app.strings.getString(msg::NextButton);
    f.exitMenu = app.strings.getString(msg::ExitMenu);
    app.random.reseedFromClock();
    if (const auto words = app.strings.numberWordsLanguage())
        app.state.numberWordsLanguage = *words;
    app.state.soundsOn = true;
    app.state.largeText = app.strings.readLargeText();
    app.state.maxNumber = 999;
    app.navigator.open(QStringLiteral("FormAvvio"));
}

