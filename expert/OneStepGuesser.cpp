// SPDX-License-Identifier: GPL-3.0-or-later
#include "expert/OneStepGuesser.h"

#include <cmath>
#include <vector>

namespace {
// n·log2(n) for every count a split of the 5040 numbers can hold, computed once.
const std::vector<double> &weightedLogs()
{
    static const std::vector<double> table = [] {
        std::vector<double> logs(ScoreCodes::kNumbers + 1, 0.0);
        for (int n = 2; n <= ScoreCodes::kNumbers; ++n)
            logs[n] = n * std::log2(double(n));
        return logs;
    }();
    return table;
}

// Whether the interchangeable digits of the number are the lowest of them, in increasing order
// from the left: the lowest number of those that differ from it by renaming such digits.
bool lowestOfRenamings(const NumberSet &number, std::uint16_t interchangeable)
{
    int next = 0; // the lowest interchangeable digit not used yet
    for (int digit : number) {
        if (!(interchangeable & (1u << digit)))
            continue;
        while (!(interchangeable & (1u << next)))
            ++next;
        if (digit != next)
            return false;
        ++next;
    }
    return true;
}
} // namespace

double OneStepGuesser::rating(const ScoreCounts &counts, int total, double candidateBonus)
{
    const std::vector<double> &logs = weightedLogs();
    double sum = 0.0;
    for (int count : counts)
        sum += logs[count];
    const double entropy = (logs[total] - sum) / total;
    return entropy + (counts[ScoreCodes::kWinCode] > 0 ? candidateBonus : 0.0);
}

int OneStepGuesser::bestGuess(std::span<const int> candidates, std::uint16_t interchangeable)
{
    if (candidates.size() == 1)
        return candidates.front();
    const auto &numbers = ScoreCodes::packedNumbers();
    std::vector<ScoreCodes::PackedNumber> packed;
    packed.reserve(candidates.size());
    for (int index : candidates)
        packed.push_back(numbers[index]);

    const int total = static_cast<int>(candidates.size());
    int best = candidates.front();
    double bestRating = -1.0;
    for (int guess = 0; guess < ScoreCodes::kNumbers; ++guess) {
        if (interchangeable && !lowestOfRenamings(ScoreCodes::numberAt(guess), interchangeable))
            continue;
        ScoreCounts counts{};
        const ScoreCodes::PackedNumber number = numbers[guess];
        for (const ScoreCodes::PackedNumber &candidate : packed)
            ++counts[ScoreCodes::codeBetween(number, candidate)];
        const double value = rating(counts, total);
        if (value > bestRating + 1e-12) {
            bestRating = value;
            best = guess;
        }
    }
    return best;
}
