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
    const FrameTexts design = FrameTexts::designed();
    const auto text = [&texts](int i, const QString& designText) {
        return texts.value(i).trimmed().isEmpty() ? designText : texts.value(i);
    };
    FrameTexts& f = app.state.frameTexts;
    f.exitQuestion = text(0, design.exitQuestion);
    f.rightLabel = text(1, design.rightLabel);
    f.wrongLabel = text(2, design.wrongLabel);
    f.informationMenu = text(3, design.informationMenu);
    f.resetMenu = text(4, design.resetMenu);
    f.nextButton = text(5, design.nextButton);
    f.exitMenu = text(6, design.exitMenu);
    app.random.reseedFromClock();
    if (const auto words = LanguageFiles::wordsLanguageNamed(texts.value(7)))
        app.state.numberWordsLanguage = *words;
    app.state.soundsOn = true;
    app.state.largeText = app.strings.readLargeText();
    app.state.voiceOn = app.strings.readVoice();
    app.state.maxNumber = 999;
    app.navigator.open(QStringLiteral("FormAvvio"));
}

