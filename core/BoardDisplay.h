// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "NumberComparer.h"

// What the match controller asks of the board that shows the match and takes the user's input.
// The board implements it; the controller knows nothing else of the board.
class BoardDisplay
{
public:
    virtual ~BoardDisplay() = default;

    // The board takes the keyboard, as the window's first responder.
    virtual void takeKeyboard() = 0;
    // Puts the input state back to the start of a match and drops a pending OK of the pause.
    virtual void resetAll() = 0;
    // resetAll(), then shows numbers as the user's chosen secret, for a match that goes on.
    virtual void resumeWithChosenNumbers(const NumberSet &numbers) = 0;
    // As Mac's guess appears, and only with the automatic check: the true counts typed as the
    // user's, ready to confirm.
    virtual void typeTrueCountsIfAutomatic() = 0;
    // After resetAll(), for a match shown as it ended: guess stands typed as the last one made.
    virtual void showLastGuess(const NumberSet &guess) { (void)guess; }
    // Asks for a drawing pass on the main loop.
    virtual void setNeedsDisplay() = 0;
};
