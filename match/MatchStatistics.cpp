#include "MatchStatistics.h"

#include <algorithm>

void MatchStatistics::append(const MatchRecord &record)
{
    m_matches.push_back(record);
}

void MatchStatistics::clear()
{
    m_matches.clear();
    ++m_generation;
}

LevelSummary MatchStatistics::summaryFor(int strength) const
{
    LevelSummary summary;
    int guessesInWins = 0;
    for (const MatchRecord &match : m_matches) {
        if (strength != kAllStrengths && match.strength != strength)
            continue;
        switch (match.result) {
        case MatchOutcome::Won:
            ++summary.won;
            guessesInWins += match.guesses;
            summary.fewestGuessesInWins = std::min(summary.fewestGuessesInWins.value_or(match.guesses), match.guesses);
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
        if (match.result != MatchOutcome::Won)
            summary.currentStreak = 0;
        if (match.result != MatchOutcome::Abandoned)
            ++summary.decidedAt[match.guesses][static_cast<int>(match.result)];
    }
    if (summary.matches() > 0)
        summary.winRate = double(summary.won) / summary.matches();
    if (summary.won > 0)
        summary.averageGuessesInWins = double(guessesInWins) / summary.won;
    return summary;
}

std::vector<MatchRecord> MatchStatistics::latest(int count) const
{
    const auto taken = std::min<std::size_t>(m_matches.size(), std::size_t(std::max(count, 0)));
    return std::vector<MatchRecord>(m_matches.rbegin(), m_matches.rbegin() + std::ptrdiff_t(taken));
}
