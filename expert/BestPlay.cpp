// SPDX-License-Identifier: GPL-3.0-or-later
#include "expert/BestPlay.h"

#include "expert/DecisionTree.h"
#include "expert/ScoreCodes.h"
#include "expert/TreeValues.h"
#include "platform/RandomSource.h"

#include <algorithm>

namespace {
// The Expert is handed its relabelling, so it never draws.
class NoDraws final : public RandomSource
{
public:
    std::uint32_t draw() override { return 0; }
};

bool isLarge(const BestPlay::Set &set)
{
    return set.size() > std::size_t(ExactSolver::kLargestSet);
}


ExactSolver &sharedSolver()
{
    static ExactSolver solver;
    return solver;
}
} // namespace

BestPlay::BestPlay(const DecisionTree *tree, const TreeValues *values)
    : m_exact(sharedSolver())
    , m_expert(tree)
    , m_tree(tree && !tree->isEmpty() ? tree : nullptr)
    , m_values(values)
{
    m_expert.newMatch(Relabelling());
}

// Relabellings that take the first guess t onto the match's g: digit t[p] at position p becomes
// g[positions[p]] at positions[p]; the six other digits go onto the six others. Positions are
// tried in lexicographic order, the other digits likewise within each.
Relabelling BestPlay::frameFor(const DecisionTree *plan, const std::vector<NumberSet> &guesses,
                               const std::vector<HitBlowResult> &scores)
{
    if (!plan || plan->isEmpty())
        return Relabelling();
    const DecisionTree &tree = *plan;
    const NumberSet first = ScoreCodes::numberAt(tree.guessAt(0));
    const NumberSet &onto = guesses.front();
    std::array<int, 6> otherDigits{}, otherOnto{};
    for (int digit = 0, i = 0, j = 0; digit < 10; ++digit) {
        if (std::find(first.begin(), first.end(), digit) == first.end())
            otherDigits[i++] = digit;
        if (std::find(onto.begin(), onto.end(), digit) == onto.end())
            otherOnto[j++] = digit;
    }
    // How many of the match's guesses the tree makes under the relabelling.
    auto followed = [&](const Relabelling &relabelling) {
        int node = 0;
        std::size_t turn = 0;
        for (; turn < guesses.size() && node != DecisionTree::kNoNode; ++turn) {
            if (relabelling.apply(ScoreCodes::numberAt(tree.guessAt(node))) != guesses[turn]
                || !ScoreCodes::isScore(scores[turn].hits, scores[turn].blows))
                break;
            node = tree.childOf(node, ScoreCodes::codeOf(scores[turn].hits, scores[turn].blows));
        }
        return turn;
    };
    Relabelling best;
    std::size_t bestFollowed = 0;
    std::array<int, 4> positions{0, 1, 2, 3};
    do {
        std::array<int, 10> digits{};
        for (int p = 0; p < 4; ++p)
            digits[first[p]] = onto[positions[p]];
        std::array<int, 6> others = otherOnto;
        do {
            for (int i = 0; i < 6; ++i)
                digits[otherDigits[i]] = others[i];
            const Relabelling relabelling(digits, positions);
            const std::size_t length = followed(relabelling);
            if (length > bestFollowed) {
                best = relabelling;
                bestFollowed = length;
                if (length == guesses.size())
                    return best;
            }
        } while (std::next_permutation(others.begin(), others.end()));
    } while (std::next_permutation(positions.begin(), positions.end()));
    return best;
}

std::vector<int> BestPlay::keyOf(const History &history)
{
    std::vector<int> key;
    key.reserve(history.size());
    for (const Turn &turn : history)
        key.push_back(ScoreCodes::indexOf(turn.guess) * ScoreCodes::kCodes
                      + ScoreCodes::codeOf(turn.score.hits, turn.score.blows));
    return key;
}

int BestPlay::expertGuess(const Set &set, const History &history)
{
    std::vector<int> key = keyOf(history);
    if (const auto found = m_expertGuesses.find(key); found != m_expertGuesses.end())
        return found->second;
    CandidateList candidates;
    candidates.reserve(set.size());
    for (std::uint16_t secret : set)
        candidates.push_back(ScoreCodes::numberAt(secret));
    NoDraws noDraws;
    const int guess = ScoreCodes::indexOf(m_expert.nextAnswer(candidates, history, noDraws));
    m_expertGuesses.emplace(std::move(key), guess);
    return guess;
}

std::optional<long> BestPlay::knownTotal(const History &history) const
{
    if (!m_tree || !m_values)
        return std::nullopt;
    int node = 0;
    for (const Turn &turn : history) {
        if (node == DecisionTree::kNoNode || ScoreCodes::indexOf(turn.guess) != m_tree->guessAt(node))
            return std::nullopt;
        node = m_tree->childOf(node, ScoreCodes::codeOf(turn.score.hits, turn.score.blows));
    }
    return node == DecisionTree::kNoNode ? std::nullopt : m_values->totalAt(node);
}

int BestPlay::guess(const Set &set, const History &history)
{
    return isLarge(set) ? expertGuess(set, history) : m_exact.best(set).guess;
}

long BestPlay::total(const Set &set, const History &history)
{
    if (const std::optional<long> known = knownTotal(history))
        return *known;
    if (!isLarge(set))
        return m_exact.best(set).total;
    std::vector<int> key = keyOf(history);
    if (const auto found = m_largeTotals.find(key); found != m_largeTotals.end())
        return found->second;
    const long sum = totalWith(expertGuess(set, history), set, history);
    m_largeTotals.emplace(std::move(key), sum);
    return sum;
}

long BestPlay::totalWith(int guess, const Set &set, const History &history)
{
    if (!isLarge(set))
        return m_exact.totalWith(guess, set);
    const auto &numbers = ScoreCodes::packedNumbers();
    std::array<Set, ScoreCodes::kCodes> parts;
    for (std::uint16_t secret : set)
        parts[ScoreCodes::codeBetween(numbers[guess], numbers[secret])].push_back(secret);
    long sum = static_cast<long>(set.size());
    History next = history;
    next.push_back({ScoreCodes::numberAt(guess), {}});
    for (int code = 0; code < ScoreCodes::kWinCode; ++code) {
        if (parts[code].empty())
            continue;
        next.back().score = ScoreCodes::resultOf(code);
        sum += total(parts[code], next);
    }
    return sum;
}

bool BestPlay::possibleSecretReaches(long total, const Set &set, const History &history)
{
    if (isLarge(set)) {
        const int best = expertGuess(set, history);
        return std::binary_search(set.begin(), set.end(), std::uint16_t(best)) && totalWith(best, set, history) <= total;
    }
    return std::any_of(set.begin(), set.end(),
                       [&](std::uint16_t secret) { return m_exact.totalWith(secret, set, total) <= total; });
}
