// SPDX-License-Identifier: GPL-3.0-or-later
// The review of whole matches, each timed on its own (targets: under 2 s for any match, under
// 300 ms for one that follows the Expert). Exact results stay for the process, so the first review
// is timed apart: with the built-in table of totals at the tree's nodes it solves only the small
// sets its own match meets. Then matches that follow the Expert in other relabellings, and matches
// that leave the tree at once, with guesses that tell little while thousands of secrets are left.
#include "expert/DecisionTree.h"
#include "expert/ExpertPlayer.h"
#include "expert/MatchReview.h"
#include "platform/RandomSource.h"

#include <chrono>
#include <ctime>
#include <cstdio>
#include <string>

namespace {
class FixedRandomSource final : public RandomSource
{
public:
    explicit FixedRandomSource(std::uint32_t value) : m_value(value) {}
    std::uint32_t draw() override { return m_value; }

private:
    std::uint32_t m_value;
};

struct Match {
    std::vector<NumberSet> guesses;
    std::vector<HitBlowResult> scores;
};

// The given opening guesses, then the Expert's own guesses (relabelled by draw) to the end.
Match playedMatch(const NumberSet &secret, const std::vector<NumberSet> &opening, std::uint32_t draw)
{
    const NumberComparer comparer;
    FixedRandomSource random(draw);
    ExpertPlayer expert(DecisionTree::builtIn());
    CandidateList candidates = comparer.makeCandidatesArray();
    std::vector<Turn> turns;
    Match match;
    for (;;) {
        const NumberSet guess = match.guesses.size() < opening.size()
            ? opening[match.guesses.size()]
            : expert.nextAnswer(candidates, turns, random);
        const HitBlowResult score = comparer.checkHitsBlowsIn(secret, guess);
        match.guesses.push_back(guess);
        match.scores.push_back(score);
        if (score.hits == 4)
            return match;
        turns.push_back({guess, score});
        ExpertPlayer::keepConsistent(candidates, turns);
    }
}

// Prints the time the review took, on the clock and on the processor (the fairer figure on a
// busy machine: the review runs on one thread).
void report(const char *what, const Match &match)
{
    const auto start = std::chrono::steady_clock::now();
    const std::clock_t processorStart = std::clock();
    const std::optional<MatchReview> review = MatchReview::of(match.guesses, match.scores, DecisionTree::builtIn());
    const double processor = double(std::clock() - processorStart) / CLOCKS_PER_SEC;
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("%-50s %2zu guesses  %8.3f s  (%.3f s of processor)%s\n", what, match.guesses.size(), seconds,
                processor, review ? "" : "  NOT REVIEWED");
    std::fflush(stdout);
}
} // namespace

int main()
{
    report("first review of the process (Expert's play)", playedMatch({9, 8, 7, 6}, {}, 2519));
    report("follows the Expert, relabelled, secret 1234", playedMatch({1, 2, 3, 4}, {}, 777));
    report("follows the Expert, relabelled, secret 5031", playedMatch({5, 0, 3, 1}, {}, 4242));
    report("follows the Expert, secret 2468", playedMatch({2, 4, 6, 8}, {}, 99991));
    report("off the tree at once: 0123 then 0124", playedMatch({9, 8, 7, 6}, {{0, 1, 2, 3}, {0, 1, 2, 4}}, 2519));
    report("off the tree at once: 0123 then 1032 (0-1)", playedMatch({4, 5, 6, 0}, {{0, 1, 2, 3}, {1, 0, 3, 2}}, 2519));
    report("off the tree at once: 0123 then 4567 then 0145", playedMatch({8, 9, 0, 4}, {{0, 1, 2, 3}, {4, 5, 6, 7}, {0, 1, 4, 5}}, 2519));
    report("off the tree throughout: 1234, 2345, ... 6789", playedMatch({6, 3, 0, 8}, {{1, 2, 3, 4}, {2, 3, 4, 5}, {3, 4, 5, 6}, {4, 5, 6, 7}, {5, 6, 7, 8}, {6, 7, 8, 9}}, 2519));
    return 0;
}
