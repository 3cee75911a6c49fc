// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "NumberComparer.h"
#include "match/MatchProgress.h"
#include "match/SavedMatch.h"
#include "statistics/StatisticsKeeper.h"
#include "settings/PlayerAidSettings.h"

#include <functional>
#include <memory>
#include <optional>

class HintStrategy;
class RandomSource;
struct OwnRecords;

// What follows a match from beside the board, without widgets: it records each match in the
// statistics once, says when New Game must ask before it abandons a running match, and makes the
// hint's guess from the user's own guesses and scores. It keeps the running match in the
// statistics database at every change of status so that it can be gone on with after the game
// ends, however it ends. The matches other runs kept, and no running game holds, are offered
// until one is resumed or given up, or this game starts a match of its own: the others then wait
// for the next start. It is told where the match stands and never changes it.
class MatchTracker
{
public:
    MatchTracker(RandomSource &random, const QString &statisticsPath);
    ~MatchTracker();

    // Every status change of the match, with the match as it can be kept (nothing outside statuses
    // 2 to 5): a running match is kept, a decided one is recorded at once and no longer kept.
    void statusChanged(const MatchProgress &match, int strength, const std::optional<SavedMatch> &saved);
    // The running match kept again between status changes, as when the player's notes change.
    void keep(const SavedMatch &saved);

    // Asks the database for the matches kept by earlier runs, off the game's thread: found runs
    // once the answer is in. Until then nothing is resumable; New Game, resuming and keeping a
    // match wait for the answer if they come first, so that a kept match is never passed over.
    void findKeptMatch(std::function<void()> found);
    // Waits for that answer, when it has not come yet.
    void waitForKeptMatches();
    // The matches kept by earlier runs that can be gone on with, newest first.
    const std::vector<KeptMatch> &resumable() const { return m_resumable; }
    // Whether resume() may find a match: while the database has not answered yet, it may.
    bool mayResume() const { return !m_keptMatchKnown || !m_resumable.empty(); }
    // Takes the kept match at index of resumable() to go on with (its hinted mark included), and
    // makes it this game's; nothing when there is none, or another game took it first (it is then
    // no longer offered). Asked before the database has answered, it waits for the answer.
    std::optional<SavedMatch> resume(std::size_t index = 0);

    // New Game in status: whether the user must first agree to abandon the match, the running one
    // or the one kept from an earlier run.
    bool newGameNeedsConsent(GameStatus status);
    // New Game agreed to: a running match, or else the newest kept by an earlier run, counts as
    // abandoned and is no longer kept. Ending the game gives up nothing.
    void giveUp(const MatchProgress &match, int strength);

    // The hint is offered only while the user's guess is awaited (GameStatusUserTurn).
    static bool hintAvailable(GameStatus status);
    // The guess to type for the user, which marks the match hinted; nothing outside GameStatusUserTurn.
    std::optional<NumberSet> hint(GameStatus status, const OwnRecords &records);

    PlayerAidSettings &aidSettings() { return m_aids; }
    StatisticsKeeper &statisticsKeeper() { return m_keeper; }
    const StatisticsKeeper &statisticsKeeper() const { return m_keeper; }

private:
    void learnKeptMatches(const std::vector<KeptMatch> &kept);

    PlayerAidSettings m_aids;
    StatisticsKeeper m_keeper;
    std::unique_ptr<HintStrategy> m_hintStrategy;
    std::vector<KeptMatch> m_resumable;
    // Whether the database has said which match an earlier run kept.
    bool m_keptMatchKnown = false;
};
