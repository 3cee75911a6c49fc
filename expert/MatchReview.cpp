// SPDX-License-Identifier: GPL-3.0-or-later
#include "expert/MatchReview.h"

#include "expert/BestPlay.h"
#include "rules/MatchRules.h"
#include "expert/TreeValues.h"

#include <algorithm>
#include <mutex>

namespace {
using ScoreCodes::kCodes;
using ScoreCodes::kWinCode;

// Beyond a loss of 1 / kGoodLossParts of a guess on average a guess is no longer good.
constexpr long kGoodLossParts = 4;

bool isNumber(const NumberSet &number)
{
    std::array<bool, 10> seen{};
    for (int digit : number) {
        if (digit < 0 || digit > 9 || seen[digit])
            return false;
        seen[digit] = true;
    }
    return true;
}

// Why the match cannot be reviewed, or nothing when it can.
std::optional<std::string> problemWith(const std::vector<NumberSet> &guesses, const std::vector<HitBlowResult> &scores)
{
    if (guesses.empty())
        return "no guesses";
    if (guesses.size() != scores.size())
        return "as many scores as guesses are needed";
    if (guesses.size() > std::size_t(kMostUserGuesses))
        return "more guesses than a match has";
    for (std::size_t turn = 0; turn < guesses.size(); ++turn) {
        const std::string which = "guess " + std::to_string(turn + 1);
        if (!isNumber(guesses[turn]))
            return which + " is not four different digits";
        if (!ScoreCodes::isScore(scores[turn].hits, scores[turn].blows))
            return which + " has no possible score";
        if (scores[turn].hits == 4 && turn + 1 < guesses.size())
            return which + " found the secret, yet guesses follow";
    }
    return std::nullopt;
}
} // namespace

int MatchReview::skillFor(long total, long bestTotal, long n)
{
    if (total <= bestTotal)
        return 99;
    const long kept = n - (total - bestTotal); // n * (1 - d), in whole guesses: no rounding errors
    return kept <= 0 ? 0 : int(std::min(98L, 99 * kept / n));
}

std::optional<int> MatchReview::luckFor(const std::array<int, kCodes> &counts, int code)
{
    auto leftAfter = [&](int score) { return score == kWinCode ? 0 : counts[score]; };
    long more = 0, fewer = 0;
    for (int score = 0; score < kCodes; ++score) {
        if (leftAfter(score) > leftAfter(code))
            more += counts[score];
        else if (leftAfter(score) < leftAfter(code))
            fewer += counts[score];
    }
    if (more + fewer == 0)
        return std::nullopt;
    return int((2 * 99 * more + (more + fewer)) / (2 * (more + fewer))); // rounded half up
}

namespace {
double expectedLeft(int guess, const BestPlay::Set &set)
{
    const auto &numbers = ScoreCodes::packedNumbers();
    std::array<long, kCodes> counts{};
    for (std::uint16_t secret : set)
        ++counts[ScoreCodes::codeBetween(numbers[guess], numbers[secret])];
    long squares = 0;
    for (int code = 0; code < kWinCode; ++code)
        squares += counts[code] * counts[code];
    return double(squares) / double(set.size());
}
} // namespace

std::optional<MatchReview> MatchReview::of(const std::vector<NumberSet> &guesses, const std::vector<HitBlowResult> &scores,
                                           const DecisionTree *tree, std::string *error,
                                           const std::function<bool(int, int)> &progress)
{
    if (const std::optional<std::string> problem = problemWith(guesses, scores)) {
        if (error)
            *error = *problem;
        return std::nullopt;
    }
    // The review runs in the tree's own labelling, where the process keeps what it has solved.
    static std::mutex oneAtATime;
    const std::lock_guard lock(oneAtATime);
    const Relabelling frame = BestPlay::frameFor(tree, guesses, scores);
    const Relabelling intoTree = frame.inverse();
    BestPlay bestPlay(tree, TreeValues::builtInFor(tree));
    BestPlay::History history;
    BestPlay::Set set(ScoreCodes::kNumbers);
    for (int i = 0; i < ScoreCodes::kNumbers; ++i)
        set[i] = std::uint16_t(i);
    const auto &numbers = ScoreCodes::packedNumbers();

    MatchReview review;
    const int turns = static_cast<int>(guesses.size());
    // Asked between the steps of the search, each of which may take a while on a small set.
    const auto goOn = [&progress, turns](int reviewed) { return !progress || progress(reviewed, turns); };
    for (int turn = 0; turn < turns; ++turn) {
        if (!goOn(turn))
            return std::nullopt;
        GuessReview row;
        row.guess = guesses[turn];
        row.score = scores[turn];
        const int guess = ScoreCodes::indexOf(intoTree.apply(row.guess));
        const int code = ScoreCodes::codeOf(row.score.hits, row.score.blows);
        std::array<int, kCodes> counts{};
        BestPlay::Set left;
        for (std::uint16_t secret : set) {
            const int score = ScoreCodes::codeBetween(numbers[guess], numbers[secret]);
            ++counts[score];
            if (score == code)
                left.push_back(secret);
        }
        if (left.empty()) {
            if (error)
                *error = "no secret gives guess " + std::to_string(turn + 1) + " its score";
            return std::nullopt;
        }
        const long n = static_cast<long>(set.size());
        const long total = bestPlay.totalWith(guess, set, history);
        if (!goOn(turn))
            return std::nullopt;
        const int best = bestPlay.guess(set, history);
        if (!goOn(turn))
            return std::nullopt;
        const long bestTotal = best == guess ? total : bestPlay.totalWith(best, set, history);
        if (!goOn(turn))
            return std::nullopt;
        row.before = int(n);
        row.after = code == kWinCode ? 0 : int(left.size());
        row.expected = double(total) / double(n);
        row.bestGuess = frame.apply(ScoreCodes::numberAt(best));
        row.bestExpected = double(bestTotal) / double(n);
        row.bestExpectedAfter = expectedLeft(best, set);
        row.skill = skillFor(total, bestTotal, n);
        const std::optional<int> luck = luckFor(counts, code);
        row.luck = luck.value_or(50);
        row.luckCounts = luck.has_value();
        const bool possibleSecret = counts[kWinCode] > 0;
        if (!possibleSecret && counts[code] == n)
            row.verdict = Verdict::NothingNew;
        else if (kGoodLossParts * (total - bestTotal) > n)
            row.verdict = Verdict::Costly;
        else if (!possibleSecret && bestPlay.possibleSecretReaches(total, set, history))
            row.verdict = Verdict::NotASecret;
        else
            row.verdict = row.skill == 99 ? Verdict::Best : Verdict::Good;
        review.m_guesses.push_back(row);

        set = std::move(left);
        history.push_back({ScoreCodes::numberAt(guess), row.score});
        if (!goOn(turn + 1))
            return std::nullopt;
    }
    review.addUpMatch();
    return review;
}

void MatchReview::addUpMatch()
{
    long skills = 0, lucks = 0, lucky = 0;
    for (const GuessReview &row : m_guesses) {
        skills += row.skill;
        if (row.luckCounts) {
            lucks += row.luck;
            ++lucky;
        }
    }
    const long count = static_cast<long>(m_guesses.size());
    m_skill = int((2 * skills + count) / (2 * count));
    m_luck = lucky ? int((2 * lucks + lucky) / (2 * lucky)) : 50;
}
