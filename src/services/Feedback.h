// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QColor>
#include <QString>

class RandomSource;
class SoundPlayer;

// One of the 18 palette slots, drawn with equal chance (some colours fill
// more than one slot and so come up more often).
QColor randomColour(RandomSource& random);

// Praise and error sounds from the folder "suoni" beside the program,
// played only while sounds are on (the switch is read at each sound).
class Feedback
{
public:
    Feedback(const bool& soundsOn, RandomSource& random, SoundPlayer& player, QString programFolder);
    void playPraise();  // si1.wav .. si4.wav, one at random
    void playError();   // no.wav
    void beep();        // the system alert, whatever the sounds switch says

private:
    const bool& soundsOn_;
    RandomSource& random_;
    SoundPlayer& player_;
    QString folder_;
};
