// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "rules/MatchRules.h"
#include "OwnRecords.h"

#include <QDateTime>
#include <QJsonObject>

#include <array>
#include <map>
#include <optional>
#include <vector>

enum class MatchOutcome { Won, Lost, Draw, Abandoned };
// What a match was played against: Mac, the daily puzzle of its date, an earlier daily puzzle
// played again for practice (never counted in the daily streak), or another person in a duel
// (never counted in any figure).
enum class MatchMode { Mac, Daily, Practice, Duel };

// The names the statistics store the modes by, "mac", "daily", "practice" and "duel"; nothing for
// another.
QLatin1String matchModeName(MatchMode mode);
std::optional<MatchMode> matchModeNamed(const QString &name);

// One finished match as the statistics keep it.
struct MatchRecord {
    QDateTime finished; // UTC
    int strength = 1;   // the strength level of the computer, 0 to 3
    MatchOutcome result = MatchOutcome::Abandoned;
    int guesses = 0; // the user's guesses made
    bool hinted = false;
    // Fields written by a newer version of the game, kept as they were.
    QJsonObject otherFields;
    // The user's guesses and their scores, oldest first; none where they were not kept.
    OwnRecords turns;
    // Which of those guesses were the hint's, counted from 0; none where not known.
    std::vector<int> hintedGuesses;
    // Mac's guesses with their scores, oldest first, and Mac's number; none where not kept.
    OwnRecords macTurns;
    std::optional<NumberSet> macNumber;
    MatchMode mode = MatchMode::Mac;
    // The daily puzzle's number; 0 for a match against Mac.
    int puzzle = 0;
    // Every guess of the daily puzzle was made in hard mode.
    bool hardMode = false;
    // Of a duel, kept from the player's side: turns are the player's guesses, macTurns the
    // opponent's, macNumber the opponent's number once revealed; strength means nothing.
    QString opponent{};
    bool overNetwork = false;
    // The opponent's scores, or the number it revealed, did not match its commitment: the
    // duel ended there, recorded as won by the player.
    bool opponentLied = false;
};

// The figures of one strength level.
struct LevelSummary {
    int won = 0;
    int lost = 0;
    int drawn = 0;
    int abandoned = 0;
    int matches() const { return won + lost + drawn + abandoned; }
    // Wins among all matches, abandoned ones included; nothing before the first match.
    std::optional<double> winRate;
    std::optional<double> averageGuessesInWins;
    std::optional<int> fewestGuessesInWins;
    // Wins in a row: those since the last match that was not won, and the longest run.
    int currentStreak = 0;
    int bestStreak = 0;
    // For each number of guesses that decided a match: how many were won, lost and drawn there.
    std::map<int, std::array<int, 3>> decidedAt;
};

// Every match played, oldest first, and the figures worked out from them. Matches are only ever
// appended, or all cleared at once.
class MatchStatistics
{
public:
    static constexpr int kStrongestLevel = ::kStrongestLevel;
    static constexpr int kMostGuesses = kMostUserGuesses;
    // summaryFor() of this takes the matches of every strength together.
    static constexpr int kAllStrengths = -1;
    // summaryFor() of this takes the daily puzzles played on their dates, instead of any level.
    static constexpr int kDailyPuzzles = -2;
    // Whether a match counts among those of strength (a level, kAllStrengths or kDailyPuzzles).
    static bool counts(const MatchRecord &match, int strength);

    // Works out the figures of one level from its matches, given oldest first.
    class Tally
    {
    public:
        void add(MatchOutcome result, int guesses);
        LevelSummary summary() const;

    private:
        LevelSummary m_summary;
        int m_guessesInWins = 0;
    };

    void append(const MatchRecord &record);
    void clear();

    const std::vector<MatchRecord> &matches() const { return m_matches; }
    // Changes at every clear(): the first matches of two statistics of the same generation are the
    // same as long as both hold them.
    int generation() const { return m_generation; }
    LevelSummary summaryFor(int strength) const;
    // The latest count matches, newest first.
    std::vector<MatchRecord> latest(int count) const;

private:
    std::vector<MatchRecord> m_matches;
    int m_generation = 0;
};
