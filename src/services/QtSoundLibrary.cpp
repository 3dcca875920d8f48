// SPDX-License-Identifier: GPL-3.0-or-later
// The sound library: the Qt Multimedia player and the espeak-ng voice
// behind C entries, so the program can load them (and Qt Multimedia and
// espeak-ng with them) when it first needs them.
#include "services/EspeakVoice.h"
#include "services/QtSoundPlayer.h"

extern "C" Q_DECL_EXPORT SoundPlayer* contalandia_make_sound_player()
{
    return new QtSoundPlayer;
}

extern "C" Q_DECL_EXPORT Voice* contalandia_make_voice(SoundPlayer* sounds, const char* voiceDataFolder)
{
    return new EspeakVoice(voiceDataFolder ? QString::fromUtf8(voiceDataFolder) : QString(),
                           dynamic_cast<QtSoundPlayer*>(sounds));
}
