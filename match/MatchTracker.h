#pragma once

#include "NumberComparer.h"
#include "match/MatchProgress.h"
#include "match/StatisticsKeeper.h"
#include "settings/PlayerAidSettings.h"

#include <memory>
#include <optional>

class HintStrategy;
class RandomSource;
struct OwnRecords;

// What follows a match from beside the board, without widgets: it records each match in the
// statistics once, says when New Game must ask before it abandons a running match, and makes the
// hint's guess from the user's own guesses and scores. It is told where the match stands and
// never changes it.
class MatchTracker
{
public:
    MatchTracker(RandomSource &random, const QString &statisticsPath);
    ~MatchTracker();

    // Every status change of the match: a decided match is recorded at once.
    void statusChanged(const MatchProgress &match, int strength);

    // New Game in status: whether the user must first agree to abandon the match.
    bool newGameNeedsConsent(int status) const;
    // The match is given up (New Game agreed to, or the application ending): a running match
    // counts as abandoned.
    void giveUp(const MatchProgress &match, int strength);

    // The hint is offered only while the user's guess is awaited (status 4).
    static bool hintAvailable(int status);
    // The guess to type for the user, which marks the match hinted; nothing outside status 4.
    std::optional<NumberSet> hint(int status, const OwnRecords &records);

    PlayerAidSettings &aidSettings() { return m_aids; }
    StatisticsKeeper &statisticsKeeper() { return m_keeper; }

private:
    PlayerAidSettings m_aids;
    StatisticsKeeper m_keeper;
    std::unique_ptr<HintStrategy> m_hintStrategy;
};
