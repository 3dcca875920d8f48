// SPDX-License-Identifier: GPL-3.0-or-later
// The sound library: the Qt Multimedia player behind one C entry, so the
// program can load it (and Qt Multimedia with it) when it first needs it.
#include "services/QtSoundPlayer.h"

extern "C" Q_DECL_EXPORT SoundPlayer* contalandia_make_sound_player()
{
    return new QtSoundPlayer;
}
