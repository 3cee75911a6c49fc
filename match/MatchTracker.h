#pragma once

#include "NumberComparer.h"
#include "match/MatchProgress.h"
#include "match/SavedMatchStore.h"
#include "match/StatisticsKeeper.h"
#include "settings/PlayerAidSettings.h"

#include <memory>
#include <optional>

class HintStrategy;
class RandomSource;
struct OwnRecords;

// What follows a match from beside the board, without widgets: it records each match in the
// statistics once, says when New Game must ask before it abandons a running match, and makes the
// hint's guess from the user's own guesses and scores. It keeps the running match at every change
// of status so that it can be gone on with after the game ends, however it ends; a match kept from
// an earlier run is offered until it is resumed or given up. It is told where the match stands and
// never changes it.
class MatchTracker
{
public:
    // savedMatches keeps the match in progress between runs; it is read once, here.
    MatchTracker(RandomSource &random, const QString &statisticsPath,
                 std::unique_ptr<SavedMatchStore> savedMatches);
    ~MatchTracker();

    // Every status change of the match, with the match as it can be kept (nothing outside statuses
    // 2 to 5): a running match is kept, a decided one is recorded at once and no longer kept.
    void statusChanged(const MatchProgress &match, int strength, const std::optional<SavedMatch> &saved);
    // The running match kept again between status changes, as when the player's notes change.
    void keep(const SavedMatch &saved);

    // A match kept from an earlier run that has been neither resumed nor given up.
    const std::optional<SavedMatch> &resumable() const { return m_resumable; }
    // Takes the kept match to go on with (its hinted mark included); nothing when there is none.
    std::optional<SavedMatch> resume();

    // New Game in status: whether the user must first agree to abandon the match, the running one
    // or the one kept from an earlier run.
    bool newGameNeedsConsent(int status) const;
    // New Game agreed to: a running match, or else the one kept from an earlier run, counts as
    // abandoned and is no longer kept. Ending the game gives up nothing.
    void giveUp(const MatchProgress &match, int strength);

    // The hint is offered only while the user's guess is awaited (status 4).
    static bool hintAvailable(int status);
    // The guess to type for the user, which marks the match hinted; nothing outside status 4.
    std::optional<NumberSet> hint(int status, const OwnRecords &records);

    PlayerAidSettings &aidSettings() { return m_aids; }
    StatisticsKeeper &statisticsKeeper() { return m_keeper; }
    const StatisticsKeeper &statisticsKeeper() const { return m_keeper; }

private:
    PlayerAidSettings m_aids;
    StatisticsKeeper m_keeper;
    std::unique_ptr<HintStrategy> m_hintStrategy;
    std::unique_ptr<SavedMatchStore> m_savedMatches;
    std::optional<SavedMatch> m_resumable;
    // Whether the store holds a match of this run, so that a decided match clears it once.
    bool m_keeping = false;
};
