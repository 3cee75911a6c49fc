// SPDX-License-Identifier: GPL-3.0-or-later
#include "expert/ExactSolver.h"
#include "tools/expert-tree/PartSolver.h"
#include "tools/expert-tree/PartTrees.h"
#include "tools/expert-tree/TaskPool.h"

#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <filesystem>
#include <fstream>

namespace {
using RelabellingGroup::Group;
using ScoreCodes::codeOf;

int indexOf(int digits)
{
    return ScoreCodes::indexOf({digits / 1000, digits / 100 % 10, digits / 10 % 10, digits % 10});
}

// The candidates left after each guess (four digits) got its score.
TreeSearch::Set setAfter(const std::vector<std::pair<int, int>> &guessesAndCodes)
{
    TreeSearch::Set set(ScoreCodes::kNumbers);
    for (int i = 0; i < ScoreCodes::kNumbers; ++i)
        set[i] = std::uint16_t(i);
    for (const auto &[guess, code] : guessesAndCodes)
        set = TreeSearch::partsOf(set, indexOf(guess))[code];
    return set;
}

// The relabellings that fix 0123 and then each of the later guesses.
Group groupFixing(const std::vector<int> &laterGuesses)
{
    Group group = RelabellingGroup::afterFirstGuess();
    for (int guess : laterGuesses)
        group = RelabellingGroup::fixing(group, indexOf(guess));
    return group;
}
} // namespace

// The exact search of a part: its values against independent searches, its memo on disk, and the
// canonical forms under which it remembers sets.
class TestPartSolver : public QObject
{
    Q_OBJECT

private slots:
    void agreesWithOtherSearches_data();
    void agreesWithOtherSearches();
    void resumesFromItsMemo();
    void damagedMemos();
    void relabelledSetsShareTheirForm();
};

void TestPartSolver::agreesWithOtherSearches_data()
{
    QTest::addColumn<TreeSearch::Set>("set");
    QTest::addColumn<Group>("group");
    QTest::addColumn<int>("madeGuesses");
    QTest::addColumn<int>("smallSet");
    const TreeSearch::Set mid = setAfter({{123, codeOf(0, 1)}, {1456, codeOf(1, 0)}, {2578, codeOf(0, 1)}});
    QTest::newRow("28 after 0123 0-1, 1456 1-0, 2578 0-1") << mid << groupFixing({1456, 2578}) << 3 << 30;
    QTest::newRow("the same, bounds all the way") << mid << groupFixing({1456, 2578}) << 3 << 0;
    QTest::newRow("the same, no relabelling") << mid << Group() << 3 << 0;
    const TreeSearch::Set wide = setAfter({{123, codeOf(0, 2)}, {1245, codeOf(1, 1)}, {3067, codeOf(0, 2)}});
    QTest::newRow("45 after 0123 0-2, 1245 1-1, 3067 0-2") << wide << groupFixing({1245, 3067}) << 3 << 0;
    const TreeSearch::Set part30 = setAfter({{123, codeOf(3, 0)}});
    QTest::newRow("after 3-0") << part30 << groupFixing({}) << 1 << 8;
    QTest::newRow("after 3-0, three guesses left") << part30 << groupFixing({}) << 4 << 8;
    QTest::newRow("after 3-0, two left: none") << part30 << groupFixing({}) << 5 << 8;
}

void TestPartSolver::agreesWithOtherSearches()
{
    QFETCH(TreeSearch::Set, set);
    QFETCH(Group, group);
    QFETCH(int, madeGuesses);
    QFETCH(int, smallSet);
    SetMemo memo;
    PartSolver solver(memo, std::size_t(smallSet));
    const long value = solver.solve(set, madeGuesses, PartSolver::kInfinite, group);
    // Small sets with guesses to spare: every guess at every step, without any limit on them.
    if (set.size() <= std::size_t(ExactSolver::kLargestSet) && madeGuesses <= 3)
        QCOMPARE(value, ExactSolver().best(set).total);
    // Else the tree search with every guess everywhere, which keeps to seven guesses.
    TaskPool pool(1);
    TreeSearch::Options options;
    options.widths = {1};
    options.everyGuessUpTo = 1000;
    QCOMPARE(value, TreeSearch(options, pool).solve(set, madeGuesses, TreeSearch::kInfinite, group).cost);
    if (value >= PartSolver::kInfinite)
        return;
    // Under a limit at the value it proves the value a bound; just above, it gives the value.
    SetMemo fresh;
    QVERIFY(PartSolver(fresh, std::size_t(smallSet)).solve(set, madeGuesses, value, group) >= value);
    QCOMPARE(PartSolver(fresh, std::size_t(smallSet)).solve(set, madeGuesses, value + 1, group), value);
    // Its tree plays as it says.
    const std::unique_ptr<TreeSearch::Node> tree = solver.treeFor(set, madeGuesses, group);
    QVERIFY(tree);
    QCOMPARE(PartTrees::costOf(DecisionTree(PartTrees::flatten(*tree)), 0, set, madeGuesses), value);
}

void TestPartSolver::resumesFromItsMemo()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const std::string path = folder.path().toStdString();
    const TreeSearch::Set set = setAfter({{123, codeOf(2, 1)}});
    const Group group = groupFixing({});
    std::string error;
    long value = 0, visits = 0;
    {
        SetMemo memo;
        QVERIFY(memo.open(path + "/whole", 3, error));
        PartSolver solver(memo, 8);
        value = solver.solve(set, 1, 241, group); // just above its value
        visits = solver.visits();
    }
    {
        // Read back, the memo answers at once.
        SetMemo memo;
        QVERIFY(memo.open(path + "/whole", 3, error));
        QVERIFY(memo.recordsRead() > 0);
        PartSolver solver(memo, 8);
        QCOMPARE(solver.solve(set, 1, 241, group), value);
        QVERIFY2(solver.visits() * 10 < visits, qPrintable(QString("%1 of %2").arg(solver.visits()).arg(visits)));
    }
    // A search stopped early on, or halfway, keeps only what it learnt, and the next one goes on
    // from it to the same value.
    for (const long stopAt : {visits / 10, visits / 2}) {
        const std::string stopped = path + "/stopped-" + std::to_string(stopAt);
        {
            SetMemo memo;
            QVERIFY(memo.open(stopped, 3, error));
            PartSolver solver(memo, 8);
            solver.stopAfterVisits(stopAt);
            solver.solve(set, 1, 241, group);
            QVERIFY(solver.stopped());
        }
        SetMemo memo;
        QVERIFY(memo.open(stopped, 3, error));
        PartSolver solver(memo, 8);
        QCOMPARE(solver.solve(set, 1, 241, group), value);
        QVERIFY(solver.visits() < visits);
    }
}

void TestPartSolver::damagedMemos()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const std::string path = folder.path().toStdString();
    const std::string file = path + "/memo.bin";
    std::string error;
    {
        SetMemo memo;
        QVERIFY(memo.open(path, 3, error));
        memo.store(4, {1, 2, 3}, {9, true, 7});
    }
    // A record cut short by a stop is dropped, and what follows it is read.
    std::ofstream(file, std::ios::binary | std::ios::app) << std::string("\x04\x01\x05\x00", 4);
    {
        SetMemo memo;
        QVERIFY2(memo.open(path, 3, error), error.c_str());
        QCOMPARE(memo.recordsRead(), 1L);
        memo.store(4, {1, 2, 5}, {12, false, -1});
    }
    SetMemo memo;
    QVERIFY(memo.open(path, 3, error));
    QCOMPARE(memo.recordsRead(), 2L);
    QCOMPARE(memo.find(4, {1, 2, 3})->guess, 7);
    QCOMPARE(memo.find(4, {1, 2, 5})->value, 12L);
    QVERIFY(!memo.find(4, {1, 2, 5})->exact);
    QVERIFY(!memo.find(3, {1, 2, 3}));

    // Another file in its place is refused and left as it is.
    const std::string other = path + "/other";
    std::filesystem::create_directories(other);
    std::ofstream(other + "/memo.bin", std::ios::binary) << "not a memo";
    SetMemo refused;
    QVERIFY(!refused.open(other, 3, error));
    QVERIFY(error.find("not a memo") != std::string::npos);
    QCOMPARE(std::filesystem::file_size(other + "/memo.bin"), std::uintmax_t(10));
}

void TestPartSolver::relabelledSetsShareTheirForm()
{
    const Group group = groupFixing({1456});
    QVERIFY(group.size() > 1);
    const TreeSearch::Set set = setAfter({{123, codeOf(0, 1)}, {1456, codeOf(0, 2)}, {2078, codeOf(1, 1)}});
    const RelabellingGroup::Canonical form = RelabellingGroup::canonicalForm(set, group);
    int differentImages = 0;
    for (const RelabellingGroup::Symmetry &symmetry : group) {
        TreeSearch::Set image;
        for (std::uint16_t secret : set)
            image.push_back(std::uint16_t(symmetry.apply(secret)));
        std::sort(image.begin(), image.end());
        differentImages += image != set ? 1 : 0;
        QVERIFY(RelabellingGroup::canonicalForm(image, group).set == form.set);
        // The member named makes the form, and its inverse undoes it.
        const RelabellingGroup::Symmetry undo = RelabellingGroup::inverse(symmetry);
        for (std::uint16_t secret : set)
            QCOMPARE(undo.apply(symmetry.apply(secret)), int(secret));
    }
    QVERIFY(differentImages > 0);
    TreeSearch::Set made;
    for (std::uint16_t secret : set)
        made.push_back(std::uint16_t(group[std::size_t(form.symmetry)].apply(secret)));
    std::sort(made.begin(), made.end());
    QVERIFY(made == form.set);
}

QTEST_GUILESS_MAIN(TestPartSolver)
#include "tst_partsolver.moc"
