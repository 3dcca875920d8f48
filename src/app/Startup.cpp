// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Startup.h"

#include "framework/AppContext.h"
#include "services/Platform.h"
#include "services/RandomSource.h"


void startProgram(AppContext& app)
{
    app.strings.removeSettingsLeftovers();
    // The seven frame texts and the language of number words, from one
    // reading of the language file.
    const QStringList texts = app.strings.getStrings({msg::ExitQuestion, msg::RightLabel, msg::WrongLabel,
                                                      msg::InformationMenu, msg::ResetMenu, msg::NextButton,
                                                      msg::ExitMenu, msg::NumberWordsLanguage});
    FrameTexts& f = app.state.frameTexts;
    f.exitQuestion = texts.value(0);
    f.rightLabel = texts.value(1);
    f.wrongLabel = texts.value(2);
    f.informationMenu = texts.value(3);
    f.resetMenu = texts.value(4);
    f.nextButton = texts.value(5);
    f.exitMenu = texts.value(6);
    app.random.reseedFromClock();
    if (const auto words = LanguageFiles::wordsLanguageNamed(texts.value(7)))
        app.state.numberWordsLanguage = *words;
    app.state.soundsOn = true;
    app.state.largeText = app.strings.readLargeText();
    app.state.voiceOn = app.strings.readVoice();
    app.state.maxNumber = 999;
    app.navigator.open(QStringLiteral("FormAvvio"));
}

