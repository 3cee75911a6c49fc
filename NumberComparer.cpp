// SPDX-License-Identifier: GPL-3.0-or-later
#include "NumberComparer.h"

#include "rules/MatchRules.h"
#include "platform/RandomSource.h"

#include <algorithm>
#include <cstdlib>

namespace {
bool contains(const NumberSet &digits, int value)
{
    return std::find(digits.begin(), digits.end(), value) != digits.end();
}

bool meetsTarget(int count, int target, int checkMode)
{
    return checkMode == CheckModeAtLeast ? count >= target : count == target;
}
} // namespace

NumberComparer::NumberComparer()
    : m_random(RandomSource::processWide())
{
}

NumberComparer::NumberComparer(RandomSource &random)
    : m_random(random)
{
}

CandidateList NumberComparer::makeCandidatesArray() const
{
    CandidateList candidates;
    candidates.reserve(kAllNumbersCount);
    for (int a = 0; a <= 9; ++a) {
        for (int b = 0; b <= 9; ++b) {
            if (b == a)
                continue;
            for (int c = 0; c <= 9; ++c) {
                if (c == a || c == b)
                    continue;
                for (int d = 0; d <= 9; ++d) {
                    if (d == a || d == b || d == c)
                        continue;
                    candidates.push_back({a, b, c, d});
                }
            }
        }
    }
    return candidates;
}

std::size_t NumberComparer::randomIndexIn(const CandidateList &candidates) const
{
    const std::uint32_t r = m_random.draw() & 0x7fffffffu;
    return r % candidates.size();
}

NumberSet NumberComparer::makeMacOwnNumbersIn(const CandidateList &candidates) const
{
    if (candidates.empty())
        return kNoNumbers;
    return candidates[randomIndexIn(candidates)];
}

NumberSet NumberComparer::choseNumbersIn(CandidateList &candidates) const
{
    if (candidates.empty())
        return kNoNumbers;
    const std::size_t index = randomIndexIn(candidates);
    const NumberSet chosen = candidates[index];
    candidates.erase(candidates.begin() + static_cast<std::ptrdiff_t>(index));
    return chosen;
}

HitBlowResult NumberComparer::checkHitsBlowsIn(const NumberSet &secret, const NumberSet &answer) const
{
    HitBlowResult result;
    for (int i = 0; i < 4; ++i) {
        for (int j = 0; j < 4; ++j) {
            if (secret[j] == answer[i]) {
                if (i == j)
                    ++result.hits;
                else
                    ++result.blows;
                break;
            }
        }
    }
    return result;
}

void NumberComparer::removeCandidatesA(CandidateList &candidates, const std::vector<int> &comparingWith,
                                       int hitsAndBlows, int checkMode) const
{
    std::erase_if(candidates, [&](const NumberSet &candidate) {
        const auto count = static_cast<int>(std::count_if(comparingWith.begin(), comparingWith.end(),
                                                          [&](int value) { return contains(candidate, value); }));
        if (hitsAndBlows == 0)
            return count > 0;
        return !meetsTarget(count, hitsAndBlows, checkMode);
    });
}

void NumberComparer::removeCandidatesB(CandidateList &candidates, const std::vector<int> &comparingWith,
                                       int hits, int checkMode) const
{
    const std::size_t positions = std::min<std::size_t>(comparingWith.size(), 4);
    std::erase_if(candidates, [&](const NumberSet &candidate) {
        int count = 0;
        for (std::size_t j = 0; j < positions; ++j) {
            if (comparingWith[j] == candidate[j])
                ++count;
        }
        return !meetsTarget(count, hits, checkMode);
    });
}

void NumberComparer::removeCandidatesIn(CandidateList &candidates, const NumberSet &answer, int hitsCount,
                                        int blowsCount, const std::vector<NumberSet> &formerAnswers,
                                        const std::vector<int> &formerHits, const std::vector<int> &formerBlows,
                                        int strengthLevel) const
{
    if (hitsCount == 4)
        return;

    const int total = hitsCount + blowsCount;
    const std::vector<int> answerDigits(answer.begin(), answer.end());
    removeCandidatesA(candidates, answerDigits, total, CheckModeExact);
    if (strengthLevel >= 1)
        removeCandidatesB(candidates, answerDigits, hitsCount, CheckModeExact);
    if (strengthLevel <= 1)
        return;

    const std::size_t formerCount = std::min({formerAnswers.size(), formerHits.size(), formerBlows.size()});

    // Positions where two guesses hold the same digit add alike to both hit counts, so the guess
    // with more hits agrees with the secret in at least the difference of the other positions.
    for (std::size_t i = 0; i < formerCount; ++i) {
        const NumberSet &former = formerAnswers[i];
        const int formerHitCount = formerHits[i];
        if (formerHitCount == hitsCount)
            continue;
        const NumberSet &more = hitsCount > formerHitCount ? answer : former;
        std::vector<int> comparison(4);
        for (int j = 0; j < 4; ++j)
            comparison[j] = answer[j] == former[j] ? -1 : more[j];
        removeCandidatesB(candidates, comparison, std::abs(hitsCount - formerHitCount), CheckModeAtLeast);
    }

    // Digits both guesses hold add alike to both totals, so the secret holds at least the
    // difference of the digits that only the guess with the larger total holds.
    for (std::size_t i = 0; i < formerCount; ++i) {
        const NumberSet &former = formerAnswers[i];
        const int formerTotal = formerHits[i] + formerBlows[i];
        if (formerTotal == total)
            continue;
        const NumberSet &larger = total > formerTotal ? answer : former;
        const NumberSet &other = total > formerTotal ? former : answer;
        std::vector<int> comparison;
        for (int digit : larger) {
            if (!contains(other, digit))
                comparison.push_back(digit);
        }
        removeCandidatesA(candidates, comparison, std::abs(total - formerTotal), CheckModeAtLeast);
    }
}
