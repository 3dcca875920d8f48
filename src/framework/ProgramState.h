// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "services/NumberWords.h"

#include <QString>

#include <optional>


// The texts every exercise screen's frame shows, read once at start-up in
// the language current then (message strings "0007" to "0013"). A later
// change of language does not reread them. A text the language does not
// give (no file, no key, nothing but blanks) keeps its design text, so
// that every exercise screen keeps its way out.
struct FrameTexts
{
    // The design texts (the menu commands with their blanks), and the
    // question of the Italian language file.
    static FrameTexts designed()
    {
        return {QStringLiteral("Vuoi uscire da questo esercizio?"), QStringLiteral("Esatti"), QStringLiteral("Errati"),
                QStringLiteral("Informazioni     "), QStringLiteral("Azzera conteggio     "), QStringLiteral("avanti"),
                QStringLiteral("Esci     ")};
    }

    QString exitQuestion;     // "0007"
    QString rightLabel;       // "0008"
    QString wrongLabel;       // "0009"
    QString informationMenu;  // "0010"
    QString resetMenu;        // "0011"
    QString nextButton;       // "0012"
    QString exitMenu;         // "0013"
};

// The program-wide variables shared by the screens. Nothing here is stored
// between runs but largeText and voiceOn.
struct ProgramState
{
    qint16 exerciseType = 0;   // mode of WrittenNumberScreen, 1..21
    qint16 rightCount = 0;
    qint16 wrongCount = 0;
    qint16 currentNumber = 0;
    qint16 maxNumber = 999;    // 199, 299, ..., 999
    bool soundsOn = true;
    // Every text grows with the screen ("Testo grande" on the main menu):
    // read at start from the settings file, kept there with the language.
    bool largeText = false;
    // Instructions and numbers in words are said aloud ("Voce" on the main
    // menu; only while soundsOn too): kept in the settings file like
    // largeText, on unless it says otherwise.
    bool voiceOn = true;
    // The language numbers are written in words in, as the language file
    // names it; none until a file does.
    std::optional<WordsLanguage> numberWordsLanguage;
    // The words' language in use: without a named one, the language the
    // screens are designed in.
    WordsLanguage wordsLanguage() const { return numberWordsLanguage.value_or(WordsLanguage::Italian); }
    FrameTexts frameTexts;
};
