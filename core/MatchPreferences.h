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
};
