// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "SettingsTable.h"

// The two settings of the player's aids around the board, kept in the user's defaults beside the
// preferences' five: whether the status bar counts what Mac's secret can still be from the user's
// own guesses ("ShowOwnCandidates"), and whether New Game asks before it abandons a running match
// ("ConfirmAbandon"). Their keys, defaults and checks are declared in SettingsTable; each change is
// stored at once.
class PlayerAidSettings
{
public:
    // Loads both values from the user's defaults.
    void load();

    bool showOwnCandidates() const { return m_showOwnCandidates; }
    bool confirmAbandon() const { return m_confirmAbandon; }
    void setShowOwnCandidates(bool show);
    void setConfirmAbandon(bool confirm);

private:
    static void store(Setting setting, bool value);

    bool m_showOwnCandidates = false;
    bool m_confirmAbandon = true;
};
