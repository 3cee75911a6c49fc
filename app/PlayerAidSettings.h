#pragma once

// The two settings of the player's aids around the board, kept in the user's defaults beside the
// game's five: whether the status bar counts what Mac's secret can still be from the user's own
// guesses ("ShowOwnCandidates", 0 or 1, default 0), and whether New Game asks before it abandons
// a running match ("ConfirmAbandon", 0 or 1, default 1). A value other than 0 or 1 reads as the
// default. Each change is stored at once.
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
    void store(const char *key, bool value);

    bool m_showOwnCandidates = false;
    bool m_confirmAbandon = true;
};
