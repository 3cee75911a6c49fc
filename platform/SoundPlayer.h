// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Short sound effects by resource name, and the system beep. Playing never waits; a sound that
// is missing, or a machine without an audio device, plays nothing.
class SoundPlayer
{
public:
    virtual ~SoundPlayer() = default;

    virtual void play(const QString &name) = 0;
    virtual void beep() = 0;
};
