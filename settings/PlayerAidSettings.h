// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "SettingsTable.h"

// The three settings of the player's aids around the board, kept in the user's defaults beside the
// preferences' five: whether the status bar counts what Mac's secret can still be from the user's
// own guesses ("ShowOwnCandidates"), whether New Game asks before it abandons a running match
// ("ConfirmAbandon") and hard mode ("HardMode", off by default). Their keys, defaults and checks are declared in SettingsTable; each change is
// stored at once.
class PlayerAidSettings
{
public:
    // Loads both values from the user's defaults.
    void load();

    bool showOwnCandidates() const { return m_showOwnCandidates; }
    bool confirmAbandon() const { return m_confirmAbandon; }
    // Hard mode: every guess must fit all the scores so far, in the daily puzzle and against Mac.
    bool hardMode() const { return m_hardMode; }
    void setShowOwnCandidates(bool show);
    void setConfirmAbandon(bool confirm);
    void setHardMode(bool hard);

private:
    static void store(Setting setting, bool value);

    bool m_showOwnCandidates = false;
    bool m_confirmAbandon = true;
    bool m_hardMode = false;
};
