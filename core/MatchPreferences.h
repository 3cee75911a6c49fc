// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings/GameSettings.h"

// Where the match controller reads the preferences, at each use: the preferences window's
// controller implements it. The settings change only when they are loaded and when the window is
// closed with OK.
class MatchPreferences
{
public:
    virtual ~MatchPreferences() = default;

    virtual const GameSettings &gameSettings() const = 0;
    // Hard mode: every guess of the user's must fit all the scores so far.
    virtual bool hardMode() const { return false; }
};
