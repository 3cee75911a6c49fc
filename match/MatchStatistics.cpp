// SPDX-License-Identifier: GPL-3.0-or-later
#include "MatchStatistics.h"

#include <algorithm>

QLatin1String matchModeName(MatchMode mode)
{
    switch (mode) {
    case MatchMode::Daily:
        return QLatin1String("daily");
    case MatchMode::Practice:
        return QLatin1String("practice");
    case MatchMode::Duel:
        return QLatin1String("duel");
    case MatchMode::Mac:
        break;
    }
    return QLatin1String("mac");
}

std::optional<MatchMode> matchModeNamed(const QString &name)
{
    for (MatchMode mode : {MatchMode::Mac, MatchMode::Daily, MatchMode::Practice, MatchMode::Duel}) {
        if (name == matchModeName(mode))
            return mode;
    }
    return std::nullopt;
}

void MatchStatistics::append(const MatchRecord &record)
{
    m_matches.push_back(record);
}

void MatchStatistics::clear()
{
    m_matches.clear();
    ++m_generation;
}

bool MatchStatistics::counts(const MatchRecord &match, int strength)
{
    if (strength == kDailyPuzzles)
        return match.mode == MatchMode::Daily;
    return match.mode == MatchMode::Mac && (strength == kAllStrengths || match.strength == strength);
}

LevelSummary MatchStatistics::summaryFor(int strength) const
{
    Tally tally;
    for (const MatchRecord &match : m_matches) {
        if (counts(match, strength))
            tally.add(match.result, match.guesses);
    }
    return tally.summary();
}

void MatchStatistics::Tally::add(MatchOutcome result, int guesses)
{
    LevelSummary &summary = m_summary;
    switch (result) {
    case MatchOutcome::Won:
        ++summary.won;
        m_guessesInWins += guesses;
        summary.fewestGuessesInWins = std::min(summary.fewestGuessesInWins.value_or(guesses), guesses);
        summary.bestStreak = std::max(summary.bestStreak, ++summary.currentStreak);
        break;
    case MatchOutcome::Lost:
        ++summary.lost;
        break;
    case MatchOutcome::Draw:
        ++summary.drawn;
        break;
    case MatchOutcome::Abandoned:
        ++summary.abandoned;
        break;
    }
    if (result != MatchOutcome::Won)
        summary.currentStreak = 0;
    if (result != MatchOutcome::Abandoned)
        ++summary.decidedAt[guesses][static_cast<int>(result)];
}

LevelSummary MatchStatistics::Tally::summary() const
{
    LevelSummary summary = m_summary;
    if (summary.matches() > 0)
        summary.winRate = double(summary.won) / summary.matches();
    if (summary.won > 0)
        summary.averageGuessesInWins = double(m_guessesInWins) / summary.won;
    return summary;
}

std::vector<MatchRecord> MatchStatistics::latest(int count) const
{
    const auto taken = std::min<std::size_t>(m_matches.size(), std::size_t(std::max(count, 0)));
    return std::vector<MatchRecord>(m_matches.rbegin(), m_matches.rbegin() + std::ptrdiff_t(taken));
}
