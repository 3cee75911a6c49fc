// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The sound effects of Qt's audio back-end. They live in a module of their own, "hitblow-sound",
// which QtSoundPlayer loads once the game's window is on the screen: Qt Multimedia and the
// libraries under it take milliseconds to load, and the first frame needs none of them.
class SoundEffects
{
public:
    virtual ~SoundEffects() = default;

    // Plays the named effect; an unknown name, or a machine without an audio device, plays nothing.
    virtual void play(const QString &name) = 0;
};

// The module's one entry point: the effects of every WAV file under ":/sounds", each loaded once.
using CreateSoundEffects = SoundEffects *();
inline constexpr char kCreateSoundEffectsSymbol[] = "hitblowCreateSoundEffects";
