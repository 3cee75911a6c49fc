// SPDX-License-Identifier: GPL-3.0-or-later
#include "expert/BestPlay.h"
#include "expert/DecisionTree.h"
#include "expert/ExactSolver.h"
#include "expert/ScoreCodes.h"
#include "expert/TreeValues.h"

#include <QFile>
#include <QTest>

#include <algorithm>
#include <functional>
#include <map>

using Bytes = std::vector<std::uint8_t>;

Q_DECLARE_METATYPE(std::function<void(Bytes &)>)

namespace {
// A position on the tree: the tree's own guesses with these scores.
struct Position {
    int node = 0;
    BestPlay::Set set;
    BestPlay::History history;
};

// Follows the tree through the scores ("2-1,0-2"); node is kNoNode when one of them leaves it.
Position onTree(const DecisionTree &tree, const QString &scores)
{
    const auto &numbers = ScoreCodes::packedNumbers();
    Position position;
    for (int i = 0; i < ScoreCodes::kNumbers; ++i)
        position.set.push_back(std::uint16_t(i));
    for (const QString &score : scores.split(',', Qt::SkipEmptyParts)) {
        const int hits = score[0].digitValue(), blows = score[2].digitValue();
        const int code = ScoreCodes::codeOf(hits, blows);
        const int guess = tree.guessAt(position.node);
        std::erase_if(position.set, [&](std::uint16_t secret) {
            return ScoreCodes::codeBetween(numbers[guess], numbers[secret]) != code;
        });
        position.history.push_back({ScoreCodes::numberAt(guess), {hits, blows}});
        position.node = tree.childOf(position.node, code);
        if (position.node == DecisionTree::kNoNode)
            break;
    }
    return position;
}

// Best play's total worked out here apart from the game's solver, by trying every number as the
// next guess at every step and scoring by counting: the fewest guesses in all that find every
// secret of the set (indices into ScoreCodes' numbers), each counted from the next guess on.
class BruteForceTotals
{
public:
    BruteForceTotals()
        : m_scores(std::size_t(ScoreCodes::kNumbers) * ScoreCodes::kNumbers)
    {
        std::vector<NumberSet> numbers;
        for (int i = 0; i < ScoreCodes::kNumbers; ++i)
            numbers.push_back(ScoreCodes::numberAt(i));
        for (std::size_t secret = 0; secret < numbers.size(); ++secret)
            for (std::size_t guess = 0; guess < numbers.size(); ++guess)
                m_scores[secret * numbers.size() + guess] = std::uint8_t(scoreOf(numbers[secret], numbers[guess]));
    }

    long total(const std::vector<int> &set)
    {
        if (set.size() <= 2)
            return 2 * long(set.size()) - 1;
        if (const auto known = m_known.find(set); known != m_known.end())
            return known->second;
        // Each guess with a bound on what it can achieve, every secret left taking at least two more
        // guesses but one; tried from the lowest bound until no better guess can remain.
        std::vector<std::pair<long, int>> bounded;
        for (int guess = 0; guess < ScoreCodes::kNumbers; ++guess) {
            const std::vector<std::vector<int>> parts = partsAfter(guess, set);
            if (parts.size() == 1 && parts.front().size() == set.size())
                continue; // tells nothing
            long bound = long(set.size());
            for (const std::vector<int> &part : parts)
                bound += 2 * long(part.size()) - 1;
            bounded.emplace_back(bound, guess);
        }
        std::sort(bounded.begin(), bounded.end());
        long best = -1;
        for (const auto &[bound, guess] : bounded) {
            if (best >= 0 && bound >= best)
                break;
            // The bound with each part's true total in place of its bound, given up once no better.
            long sum = bound;
            for (const std::vector<int> &part : partsAfter(guess, set)) {
                sum += total(part) - (2 * long(part.size()) - 1);
                if (best >= 0 && sum >= best)
                    break;
            }
            if (best < 0 || sum < best)
                best = sum;
        }
        m_known.emplace(set, best);
        return best;
    }

private:
    // The secrets of the set by the score the guess gets against them; the secret found leaves none.
    std::vector<std::vector<int>> partsAfter(int guess, const std::vector<int> &set) const
    {
        std::map<int, std::vector<int>> byScore;
        for (int secret : set) {
            const int score = m_scores[std::size_t(secret) * ScoreCodes::kNumbers + std::size_t(guess)];
            if (score != 40)
                byScore[score].push_back(secret);
        }
        std::vector<std::vector<int>> parts;
        for (auto &[score, part] : byScore)
            parts.push_back(std::move(part));
        return parts;
    }

    // Hits times ten plus blows.
    static int scoreOf(const NumberSet &secret, const NumberSet &guess)
    {
        int hits = 0, shared = 0;
        for (int i = 0; i < 4; ++i) {
            hits += secret[i] == guess[i];
            shared += int(std::count(secret.begin(), secret.end(), guess[i]));
        }
        return 10 * hits + shared - hits;
    }

    std::vector<std::uint8_t> m_scores; // by secret, then guess
    std::map<std::vector<int>, long> m_known;
};

Bytes builtInBytes()
{
    QFile file(QStringLiteral(":/expert/tree-values.bin"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray data = file.readAll();
    return Bytes(data.begin(), data.end());
}
} // namespace

// The table of best play's totals at the Expert's nodes that the match review reads: what it
// holds is best play as worked out here by brute force and the tree's own guesses, a review reads it at the right node, and a damaged
// table or one made for another tree is refused.
class TestTreeValues : public QObject
{
    Q_OBJECT

private slots:
    void builtInTableAgrees_data();
    void builtInTableAgrees();
    void readAtTheMatchesNode_data();
    void readAtTheMatchesNode();
    void damagedTables_data();
    void damagedTables();
};

void TestTreeValues::builtInTableAgrees_data()
{
    // After the first guess (0123 in the tree's labelling) 0-4 leaves 9 secrets, 2-1 72 (and 2-0
    // after it 12) and 2-0 180. Up to ExactSolver::kLargestSet secrets the table holds the exact
    // optimum, worked out here by brute force; above, the Expert's guess at the node and best play
    // after it, so the node's total is its set's size and the totals of the parts its scores leave.
    QTest::addColumn<QString>("scores");
    QTest::newRow("9 secrets") << "0-4";
    QTest::newRow("12 secrets") << "2-1,2-0";
    QTest::newRow("72 secrets") << "2-1";
    QTest::newRow("180 secrets") << "2-0";
    QTest::newRow("third guess") << "1-2,1-1";
}

void TestTreeValues::builtInTableAgrees()
{
    QFETCH(QString, scores);
    const DecisionTree *tree = DecisionTree::builtIn();
    QVERIFY(tree);
    const TreeValues *values = TreeValues::builtInFor(tree);
    QVERIFY2(values, "the built-in table is missing, damaged or made for another tree");
    const Position position = onTree(*tree, scores);
    QVERIFY(position.node != DecisionTree::kNoNode);
    BruteForceTotals bruteForce;
    long expected = long(position.set.size());
    if (position.set.size() <= std::size_t(ExactSolver::kLargestSet)) {
        expected = bruteForce.total({position.set.begin(), position.set.end()});
    } else {
        for (int code = 0; code < DecisionTree::kBranches; ++code) {
            const HitBlowResult score = ScoreCodes::resultOf(code);
            const Position part = onTree(*tree, scores + QString(",%1-%2").arg(score.hits).arg(score.blows));
            if (part.node != DecisionTree::kNoNode)
                expected += values->totalAt(part.node).value_or(-1);
            else if (!part.set.empty())
                expected += bruteForce.total({part.set.begin(), part.set.end()});
        }
    }
    QCOMPARE(values->totalAt(position.node).value_or(-1), expected);
}

void TestTreeValues::readAtTheMatchesNode_data()
{
    QTest::addColumn<QString>("scores");
    QTest::addColumn<bool>("fromTable");
    QTest::newRow("the root") << QString() << true;
    QTest::newRow("second guess") << "0-1" << true;
    QTest::newRow("third guess") << "1-2,1-1" << true;
    QTest::newRow("one or two left: no node") << "0-4,?" << false; // ?: a score that leaves no node
}

void TestTreeValues::readAtTheMatchesNode()
{
    QFETCH(QString, scores);
    QFETCH(bool, fromTable);
    const DecisionTree *tree = DecisionTree::builtIn();
    QVERIFY(tree);
    // A table whose totals name their nodes: far above any real total.
    constexpr std::uint32_t kMarked = 1000000;
    std::vector<std::uint32_t> totals;
    for (int node = 0; node < tree->nodeCount(); ++node)
        totals.push_back(kMarked + std::uint32_t(node));
    const TreeValues marked(TreeValues::fingerprintOf(*tree), totals);
    QString path = scores;
    const bool stepOff = path.endsWith(",?");
    if (stepOff)
        path.chop(2);
    Position position = onTree(*tree, path);
    for (int code = 0; stepOff && code < DecisionTree::kBranches; ++code) {
        const HitBlowResult score = ScoreCodes::resultOf(code);
        const Position next = onTree(*tree, path + QString(",%1-%2").arg(score.hits).arg(score.blows));
        if (next.node == DecisionTree::kNoNode && !next.set.empty()) {
            position = next;
            break;
        }
    }
    QVERIFY(!position.set.empty());
    QCOMPARE(position.node == DecisionTree::kNoNode, stepOff);
    BestPlay bestPlay(tree, &marked);
    const long total = bestPlay.total(position.set, position.history);
    if (fromTable)
        QCOMPARE(total, long(kMarked) + position.node);
    else
        QCOMPARE(total, 2L * long(position.set.size()) - 1);
    // Off the tree by one guess: computed, not read.
    BestPlay::History off = position.history;
    if (!off.empty()) {
        std::swap(off.front().guess[0], off.front().guess[1]);
        QVERIFY(bestPlay.total({0}, off) < long(kMarked));
    }
}

void TestTreeValues::damagedTables_data()
{
    QTest::addColumn<std::function<void(Bytes &)>>("damage");
    QTest::addColumn<bool>("accepted");
    // Layout: magic 0-3, version 4, fingerprint 5-12, count 13-14, totals, checksum last 8.
    QTest::newRow("intact") << std::function<void(Bytes &)>([](Bytes &) {}) << true;
    QTest::newRow("a total changed") << std::function<void(Bytes &)>([](Bytes &b) { b[20] ^= 1; }) << false;
    QTest::newRow("checksum changed") << std::function<void(Bytes &)>([](Bytes &b) { b.back() ^= 0x80; }) << false;
    QTest::newRow("one byte short") << std::function<void(Bytes &)>([](Bytes &b) { b.pop_back(); }) << false;
    QTest::newRow("one byte more") << std::function<void(Bytes &)>([](Bytes &b) { b.push_back(0); }) << false;
    QTest::newRow("other version") << std::function<void(Bytes &)>([](Bytes &b) { b[4] = 2; }) << false;
    QTest::newRow("other magic") << std::function<void(Bytes &)>([](Bytes &b) { b[0] = 'X'; }) << false;
    QTest::newRow("empty") << std::function<void(Bytes &)>([](Bytes &b) { b.clear(); }) << false;
}

void TestTreeValues::damagedTables()
{
    QFETCH(std::function<void(Bytes &)>, damage);
    QFETCH(bool, accepted);
    const DecisionTree *tree = DecisionTree::builtIn();
    QVERIFY(tree);
    Bytes bytes = builtInBytes();
    QVERIFY(!bytes.empty());
    damage(bytes);
    const std::optional<TreeValues> read = TreeValues::fromBytes(bytes, *tree);
    QCOMPARE(read.has_value(), accepted);
    if (read)
        QCOMPARE(read->toBytes(), builtInBytes());

    // The same bytes never serve another tree: one guess changed deep down.
    std::vector<DecisionTree::Node> nodes;
    for (int node = 0; node < tree->nodeCount(); ++node) {
        DecisionTree::Node copy{tree->guessAt(node), {}};
        for (int code = 0; code < DecisionTree::kBranches; ++code)
            copy.children[code] = tree->childOf(node, code);
        nodes.push_back(copy);
    }
    nodes.back().guess = (nodes.back().guess + 1) % ScoreCodes::kNumbers;
    const DecisionTree other(nodes);
    QVERIFY(!TreeValues::fromBytes(bytes, other));
    QVERIFY(!TreeValues::builtInFor(&other));
    QCOMPARE(TreeValues::builtInFor(tree) != nullptr, true);
}

QTEST_GUILESS_MAIN(TestTreeValues)
#include "tst_treevalues.moc"
