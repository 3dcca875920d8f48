// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "services/NumberWords.h"
#include "services/Platform.h"

#include <QString>

// What the program says aloud, and when: instructions and numbers in words
// as the screen shows them, in the language of the number words. Nothing is
// said while the sounds or the voice are switched off (both switches are
// read at each request), nor without a voice.
//
// Numbers are said in the words numberInWords() writes, so the voice says
// the words the screen shows: the digits of an instruction ("clicca sul
// numero 57") are said as those words too, not as the synthesiser would
// read them. Everything is said in lower case, as a sentence is read.
class Speech
{
public:
    Speech(const bool& soundsOn, const bool& voiceOn);

    // The voice that speaks; none (the default) keeps the program silent.
    void useVoice(Voice* voice) { voice_ = voice; }
    Voice* voice() const { return voice_; }

    // A text as the screen shows it, at once, cutting off what is being said.
    void sayShown(const QString& text, WordsLanguage language);
    // A number in words, once the sound now playing (the praise) has ended.
    void sayNumberAfterSound(qint64 number, WordsLanguage language);
    // Silence, whatever the switches say.
    void stop();

    // The text handed to the voice for a text shown on screen: each run of
    // digits as its words, everything in lower case, blanks simplified.
    static QString spokenForm(const QString& shown, WordsLanguage language);

private:
    bool on() const { return voice_ && soundsOn_ && voiceOn_; }

    const bool& soundsOn_;
    const bool& voiceOn_;
    Voice* voice_ = nullptr;
};
