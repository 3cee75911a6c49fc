// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/expert-tree/LowerBounds.h"
#include "tools/expert-tree/PartTrees.h"
#include "tools/expert-tree/TaskPool.h"
#include "tools/expert-tree/TreeSearch.h"

#include <QTemporaryDir>
#include <QTest>

#include <atomic>
#include <chrono>
#include <thread>
#include <fstream>

namespace {
using ScoreCodes::codeOf;

// The candidates left after the first guess 0123 scored hits-blows.
TreeSearch::Set partAfter(int hits, int blows)
{
    TreeSearch::Set all(ScoreCodes::kNumbers);
    for (int i = 0; i < ScoreCodes::kNumbers; ++i)
        all[i] = std::uint16_t(i);
    return TreeSearch::partsOf(all, 0)[codeOf(hits, blows)];
}

TreeSearch::Options narrowOptions(long everyGuessUpTo)
{
    TreeSearch::Options options;
    options.widths = {1, 2, 2, 1};
    options.everyGuessUpTo = everyGuessUpTo;
    return options;
}

std::vector<std::uint8_t> bytesOf(const TreeSearch::Outcome &outcome)
{
    return outcome.node ? DecisionTree(PartTrees::flatten(*outcome.node)).toBytes() : std::vector<std::uint8_t>();
}
} // namespace

// The offline search for the expert's tree: the same tree on any number of threads, trees whose
// cost a replay confirms, lower bounds that no tree beats, and part trees kept in files.
class TestExpertTreeSearch : public QObject
{
    Q_OBJECT

private slots:
    void sameTreeOnAnyThreads_data();
    void sameTreeOnAnyThreads();
    void onlyTheSecondGuessAsked();
    void leastCosts_data();
    void leastCosts();
    void boundsNeverAboveTheBestTree_data();
    void boundsNeverAboveTheBestTree();
    void replayedCosts_data();
    void replayedCosts();
    void savedPartTrees();
    void everyTaskRunsOnce_data();
    void everyTaskRunsOnce();
};

void TestExpertTreeSearch::sameTreeOnAnyThreads_data()
{
    QTest::addColumn<int>("hits");
    QTest::addColumn<int>("blows");
    QTest::addColumn<long>("deepBoundsFrom");
    QTest::addColumn<bool>("setSymmetry");
    // Parts of over 100 candidates, so that the parts after their second guesses go to the pool.
    QTest::newRow("after 2-0") << 2 << 0 << 0L << false;
    QTest::newRow("after 1-2, deep bounds") << 1 << 2 << 50L << false;
    QTest::newRow("after 2-0, the sets' own symmetry") << 2 << 0 << 0L << true;
}

void TestExpertTreeSearch::sameTreeOnAnyThreads()
{
    QFETCH(int, hits);
    QFETCH(int, blows);
    QFETCH(long, deepBoundsFrom);
    QFETCH(bool, setSymmetry);
    const TreeSearch::Set part = partAfter(hits, blows);
    TreeSearch::Options options = narrowOptions(12);
    options.deepBoundsFrom = deepBoundsFrom;
    options.setSymmetry = setSymmetry;
    std::vector<std::vector<std::uint8_t>> trees;
    std::vector<long> costs;
    for (int threads : {1, 2, 3}) {
        TaskPool pool(threads);
        const TreeSearch::Outcome outcome
            = TreeSearch(options, pool).solve(part, 1, TreeSearch::kInfinite, RelabellingGroup::afterFirstGuess());
        QVERIFY(outcome.node);
        trees.push_back(bytesOf(outcome));
        costs.push_back(outcome.cost);
        // The cost the search claims is what the tree needs when played.
        QCOMPARE(PartTrees::costOf(*DecisionTree::fromBytes(trees.back()), 0, part, 1), outcome.cost);
    }
    QCOMPARE(costs[1], costs[0]);
    QCOMPARE(costs[2], costs[0]);
    QVERIFY(trees[1] == trees[0]);
    QVERIFY(trees[2] == trees[0]);
}

void TestExpertTreeSearch::onlyTheSecondGuessAsked()
{
    const TreeSearch::Set part = partAfter(3, 0);
    const RelabellingGroup::Group group = RelabellingGroup::afterFirstGuess();
    TaskPool pool(1);
    TreeSearch::Options options = narrowOptions(100);
    const TreeSearch::Outcome free = TreeSearch(options, pool).solve(part, 1, TreeSearch::kInfinite, group);
    // Every second guess, one of each class; the tree under each starts with it and is no better.
    const std::vector<LowerBounds::GuessBound> seconds = LowerBounds::ofEveryGuess(part, 1, 1, group);
    QVERIFY(seconds.size() > 2);
    int notTheFreeChoice = 0;
    for (const LowerBounds::GuessBound &second : seconds) {
        options.secondGuess = second.guess;
        const TreeSearch::Outcome outcome = TreeSearch(options, pool).solve(part, 1, TreeSearch::kInfinite, group);
        QVERIFY(outcome.node);
        QCOMPARE(outcome.node->guess, second.guess);
        QVERIFY(outcome.cost >= free.cost);
        notTheFreeChoice += second.guess != free.node->guess ? 1 : 0;
    }
    QCOMPARE(notTheFreeChoice, int(seconds.size()) - 1);
}

void TestExpertTreeSearch::leastCosts_data()
{
    QTest::addColumn<long>("secrets");
    QTest::addColumn<int>("left");
    QTest::addColumn<long>("expected");
    QTest::newRow("none") << 0L << 0 << 0L;
    QTest::newRow("one, one guess") << 1L << 1 << 1L;
    QTest::newRow("two, one guess") << 2L << 1 << TreeSearch::kInfinite;
    QTest::newRow("two, two guesses") << 2L << 2 << 3L;
    QTest::newRow("fourteen: 1 + 13 x 2") << 14L << 7 << 27L;
    QTest::newRow("fifteen: one at the third") << 15L << 7 << 30L;
    QTest::newRow("183 in three") << 183L << 3 << 1L + 26 + 169 * 3;
    QTest::newRow("184 in three") << 184L << 3 << TreeSearch::kInfinite;
    QTest::newRow("none, no guess") << 0L << -1 << 0L;
    QTest::newRow("one, no guess") << 1L << -1 << TreeSearch::kInfinite;
}

void TestExpertTreeSearch::leastCosts()
{
    QFETCH(long, secrets);
    QFETCH(int, left);
    QFETCH(long, expected);
    QCOMPARE(TreeSearch::leastCost(secrets, left), expected);
}

void TestExpertTreeSearch::boundsNeverAboveTheBestTree_data()
{
    QTest::addColumn<int>("hits");
    QTest::addColumn<int>("blows");
    QTest::newRow("after 3-0") << 3 << 0;
    QTest::newRow("after 2-2") << 2 << 2;
    QTest::newRow("after 1-3") << 1 << 3;
    QTest::newRow("after 0-4") << 0 << 4;
    QTest::newRow("after 2-1") << 2 << 1;
}

void TestExpertTreeSearch::boundsNeverAboveTheBestTree()
{
    QFETCH(int, hits);
    QFETCH(int, blows);
    const TreeSearch::Set part = partAfter(hits, blows);
    const RelabellingGroup::Group group = RelabellingGroup::afterFirstGuess();
    TaskPool pool(1);
    // Every guess everywhere: the best tree there is.
    const long best = TreeSearch(narrowOptions(1000), pool).solve(part, 1, TreeSearch::kInfinite, group).cost;
    long previous = TreeSearch::leastCost(long(part.size()), 6);
    for (int ahead = 1; ahead <= 2; ++ahead) {
        const long bound = LowerBounds::of(part, 1, ahead, group);
        QVERIFY2(bound >= previous, qPrintable(QString("%1 ahead: %2 < %3").arg(ahead).arg(bound).arg(previous)));
        QVERIFY2(bound <= best, qPrintable(QString("%1 ahead: %2 > %3").arg(ahead).arg(bound).arg(best)));
        previous = bound;
    }
    // The best second guess's bound is the part's; none is below it.
    const std::vector<LowerBounds::GuessBound> guesses = LowerBounds::ofEveryGuess(part, 1, 2, group);
    QVERIFY(!guesses.empty());
    QCOMPARE(guesses.front().bound, previous);
}

void TestExpertTreeSearch::replayedCosts_data()
{
    QTest::addColumn<int>("madeGuesses");
    QTest::addColumn<int>("cutCode"); // a score whose subtree is removed, or -1
    QTest::addColumn<bool>("found");
    QTest::newRow("as searched") << 1 << -1 << true;
    QTest::newRow("a branch missing") << 1 << -2 << false;
    QTest::newRow("one guess too late") << 5 << -1 << false;
}

void TestExpertTreeSearch::replayedCosts()
{
    QFETCH(int, madeGuesses);
    QFETCH(int, cutCode);
    QFETCH(bool, found);
    const TreeSearch::Set part = partAfter(2, 1);
    TaskPool pool(1);
    TreeSearch::Outcome outcome
        = TreeSearch(narrowOptions(100), pool).solve(part, 1, TreeSearch::kInfinite, RelabellingGroup::afterFirstGuess());
    QVERIFY(outcome.node);
    if (cutCode == -2) {
        // The first score that leads on to a subtree loses it: three or more secrets unplayed.
        for (auto &child : outcome.node->children) {
            if (child) {
                child.reset();
                break;
            }
        }
    }
    const DecisionTree tree(PartTrees::flatten(*outcome.node));
    const long cost = PartTrees::costOf(tree, 0, part, madeGuesses);
    if (found)
        QCOMPARE(cost, outcome.cost);
    else
        QCOMPARE(cost, TreeSearch::kInfinite);
}

void TestExpertTreeSearch::savedPartTrees()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const std::string path = PartTrees::fileName(folder.path().toStdString(), codeOf(2, 1));
    QVERIFY(path.ends_with("/after-2-1.tree"));
    QVERIFY(!PartTrees::load(path)); // no file yet

    const TreeSearch::Set part = partAfter(2, 1);
    TaskPool pool(1);
    const TreeSearch::Outcome outcome
        = TreeSearch(narrowOptions(100), pool).solve(part, 1, TreeSearch::kInfinite, RelabellingGroup::afterFirstGuess());
    QVERIFY(PartTrees::save(path, *outcome.node));
    const std::optional<DecisionTree> loaded = PartTrees::load(path);
    QVERIFY(loaded);
    QVERIFY(loaded->toBytes() == bytesOf(outcome));
    QCOMPARE(PartTrees::costOf(*loaded, 0, part, 1), outcome.cost);
    // Back to search nodes and out again: the same tree.
    QVERIFY(DecisionTree(PartTrees::flatten(*PartTrees::unflatten(*loaded))).toBytes() == bytesOf(outcome));

    std::ofstream(path, std::ios::binary | std::ios::trunc) << "HBDT damaged";
    QVERIFY(!PartTrees::load(path));
    QVERIFY(!PartTrees::save(folder.path().toStdString() + "/missing/after-2-1.tree", *outcome.node));
}

void TestExpertTreeSearch::everyTaskRunsOnce_data()
{
    QTest::addColumn<int>("threads");
    QTest::newRow("the caller alone") << 1;
    QTest::newRow("two") << 2;
    QTest::newRow("four") << 4;
}

void TestExpertTreeSearch::everyTaskRunsOnce()
{
    QFETCH(int, threads);
    TaskPool pool(threads);
    constexpr int kOuter = 8, kInner = 16;
    std::array<std::atomic<int>, kOuter * kInner> runs{};
    std::atomic<int> innerBatchesIncomplete = 0;
    std::vector<std::function<void()>> outer;
    for (int i = 0; i < kOuter; ++i) {
        outer.push_back([&, i] {
            std::vector<std::function<void()>> inner;
            for (int j = 0; j < kInner; ++j)
                inner.push_back([&, i, j] {
                    // Long enough for other threads to be busy with tasks of this batch.
                    std::this_thread::sleep_for(std::chrono::microseconds(300));
                    ++runs[i * kInner + j];
                });
            pool.runAll(inner);
            // A batch is whole when runAll returns.
            for (int j = 0; j < kInner; ++j)
                innerBatchesIncomplete += runs[i * kInner + j] == 1 ? 0 : 1;
        });
    }
    pool.runAll(outer);
    QCOMPARE(innerBatchesIncomplete.load(), 0);
    for (const auto &count : runs)
        QCOMPARE(count.load(), 1);
}

QTEST_GUILESS_MAIN(TestExpertTreeSearch)
#include "tst_experttreesearch.moc"
