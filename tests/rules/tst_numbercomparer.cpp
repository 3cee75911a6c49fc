// SPDX-License-Identifier: GPL-3.0-or-later
#include "NumberComparer.h"

#include "Fakes.h"

#include <QTest>

#include <algorithm>
#include <memory>

Q_DECLARE_METATYPE(NumberSet)
Q_DECLARE_METATYPE(std::vector<NumberSet>)
Q_DECLARE_METATYPE(std::vector<int>)

namespace {
bool operator==(const HitBlowResult &a, const HitBlowResult &b)
{
    return a.hits == b.hits && a.blows == b.blows;
}

// Every candidate that scores (hits, blows) against guess, by brute force.
CandidateList consistentWith(const CandidateList &candidates, const NumberSet &guess, int hits, int blows)
{
    const NumberComparer comparer;
    CandidateList kept;
    std::copy_if(candidates.begin(), candidates.end(), std::back_inserter(kept), [&](const NumberSet &c) {
        const HitBlowResult score = comparer.checkHitsBlowsIn(c, guess);
        return score.hits == hits && score.blows == blows;
    });
    return kept;
}
} // namespace

namespace QTest {
template<>
char *toString(const NumberSet &numbers)
{
    return qstrdup(QStringLiteral("[%1,%2,%3,%4]").arg(numbers[0]).arg(numbers[1]).arg(numbers[2]).arg(numbers[3]).toUtf8());
}
} // namespace QTest

namespace {
// QTest::toString leaves the string to its caller to free.
QByteArray textOf(const NumberSet &numbers)
{
    const std::unique_ptr<char[]> text(QTest::toString(numbers));
    return QByteArray(text.get());
}
} // namespace

class TestNumberComparer : public QObject
{
    Q_OBJECT

private slots:
    void candidatesAreAllDistinctDigitNumbersInOrder();
    void candidateIndices_data();
    void candidateIndices();
    void scoring_data();
    void scoring();
    void scoringIsSymmetricForDistinctDigits();
    void picksTakeIndexModuloListSize();
    void picksFromSingleEntryList();
    void pickFromEmptyListGivesNoNumber();
    void filterA_data();
    void filterA();
    void filterB_data();
    void filterB();
    void pruningOnFullList_data();
    void pruningOnFullList();
    void pruningKeepsExactlyTheConsistentNumbers_data();
    void pruningKeepsExactlyTheConsistentNumbers();
    void levelTwoDeducesFromEarlierLevelZeroScore();
    void everyLevelFindsEverySecret_data();
    void everyLevelFindsEverySecret();
};

void TestNumberComparer::candidatesAreAllDistinctDigitNumbersInOrder()
{
    const CandidateList candidates = NumberComparer().makeCandidatesArray();
    QCOMPARE(candidates.size(), std::size_t(5040));
    QVERIFY(std::is_sorted(candidates.begin(), candidates.end()));
    QVERIFY(std::adjacent_find(candidates.begin(), candidates.end()) == candidates.end());
    for (NumberSet c : candidates) {
        std::sort(c.begin(), c.end());
        QVERIFY(std::adjacent_find(c.begin(), c.end()) == c.end());
        QVERIFY(c.front() >= 0 && c.back() <= 9);
    }
}

void TestNumberComparer::candidateIndices_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<NumberSet>("expected");
    QTest::newRow("first") << 0 << NumberSet{0, 1, 2, 3};
    QTest::newRow("second") << 1 << NumberSet{0, 1, 2, 4};
    QTest::newRow("last with 0 first") << 503 << NumberSet{0, 9, 8, 7};
    QTest::newRow("first with 1 first") << 504 << NumberSet{1, 0, 2, 3};
    QTest::newRow("middle") << 1989 << NumberSet{3, 9, 5, 1};
    QTest::newRow("last") << 5039 << NumberSet{9, 8, 7, 6};
}

void TestNumberComparer::candidateIndices()
{
    QFETCH(int, index);
    QFETCH(NumberSet, expected);
    QCOMPARE(NumberComparer().makeCandidatesArray().at(index), expected);
}

void TestNumberComparer::scoring_data()
{
    QTest::addColumn<NumberSet>("secret");
    QTest::addColumn<NumberSet>("answer");
    QTest::addColumn<int>("hits");
    QTest::addColumn<int>("blows");
    QTest::newRow("mixed") << NumberSet{1, 2, 3, 4} << NumberSet{1, 3, 5, 2} << 1 << 2;
    QTest::newRow("mixed, exchanged") << NumberSet{1, 3, 5, 2} << NumberSet{1, 2, 3, 4} << 1 << 2;
    QTest::newRow("all blows") << NumberSet{0, 1, 2, 3} << NumberSet{3, 2, 1, 0} << 0 << 4;
    QTest::newRow("nothing") << NumberSet{0, 1, 2, 3} << NumberSet{4, 5, 6, 7} << 0 << 0;
    QTest::newRow("all hits") << NumberSet{9, 8, 7, 6} << NumberSet{9, 8, 7, 6} << 4 << 0;
    QTest::newRow("repeated digit in answer") << NumberSet{1, 2, 3, 4} << NumberSet{1, 1, 0, 0} << 1 << 1;
}

void TestNumberComparer::scoring()
{
    QFETCH(NumberSet, secret);
    QFETCH(NumberSet, answer);
    QFETCH(int, hits);
    QFETCH(int, blows);
    const HitBlowResult result = NumberComparer().checkHitsBlowsIn(secret, answer);
    QCOMPARE(result.hits, hits);
    QCOMPARE(result.blows, blows);
}

void TestNumberComparer::scoringIsSymmetricForDistinctDigits()
{
    const NumberComparer comparer;
    const CandidateList all = comparer.makeCandidatesArray();
    for (std::size_t i = 0; i < all.size(); i += 37) {
        for (std::size_t j = 0; j < all.size(); j += 41) {
            const HitBlowResult forward = comparer.checkHitsBlowsIn(all[i], all[j]);
            QVERIFY(forward == comparer.checkHitsBlowsIn(all[j], all[i]));
            int hits = 0, shared = 0;
            for (int p = 0; p < 4; ++p) {
                hits += all[i][p] == all[j][p];
                shared += std::count(all[j].begin(), all[j].end(), all[i][p]) > 0;
            }
            QCOMPARE(forward.hits, hits);
            QCOMPARE(forward.blows, shared - hits);
        }
    }
}

void TestNumberComparer::picksTakeIndexModuloListSize()
{
    ScriptedRandomSource random;
    const NumberComparer comparer(random);
    CandidateList candidates = comparer.makeCandidatesArray();

    random.queued = {123456789};
    QCOMPARE(comparer.makeMacOwnNumbersIn(candidates), (NumberSet{3, 9, 5, 1}));
    QCOMPARE(candidates.size(), std::size_t(5040));

    random.queued = {123456789};
    QCOMPARE(comparer.choseNumbersIn(candidates), (NumberSet{3, 9, 5, 1}));
    QCOMPARE(candidates.size(), std::size_t(5039));
    QCOMPARE(candidates.at(1989), (NumberSet{3, 9, 5, 2}));
    QVERIFY(std::is_sorted(candidates.begin(), candidates.end()));
}

void TestNumberComparer::picksFromSingleEntryList()
{
    ScriptedRandomSource random;
    random.queued = {987654321, 55};
    const NumberComparer comparer(random);
    CandidateList one{{5, 6, 7, 8}};
    QCOMPARE(comparer.makeMacOwnNumbersIn(one), (NumberSet{5, 6, 7, 8}));
    QCOMPARE(comparer.choseNumbersIn(one), (NumberSet{5, 6, 7, 8}));
    QVERIFY(one.empty());
}

void TestNumberComparer::pickFromEmptyListGivesNoNumber()
{
    CandidateList empty;
    const NumberComparer comparer;
    QCOMPARE(comparer.choseNumbersIn(empty), (NumberSet{-1, -1, -1, -1}));
    QCOMPARE(comparer.makeMacOwnNumbersIn(empty), (NumberSet{-1, -1, -1, -1}));
}

void TestNumberComparer::filterA_data()
{
    QTest::addColumn<std::vector<int>>("comparison");
    QTest::addColumn<int>("target");
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("remaining");
    QTest::newRow("neither 7 nor 8") << std::vector<int>{7, 8} << 0 << int(CheckModeExact) << 1680;
    QTest::newRow("target 0 ignores the mode") << std::vector<int>{7, 8} << 0 << int(CheckModeAtLeast) << 1680;
    QTest::newRow("7 or 8") << std::vector<int>{7, 8} << 1 << int(CheckModeAtLeast) << 3360;
    QTest::newRow("exactly one of 7, 8") << std::vector<int>{7, 8} << 1 << int(CheckModeExact) << 2688;
    QTest::newRow("empty list, target above 0") << std::vector<int>{} << 1 << int(CheckModeAtLeast) << 0;
    QTest::newRow("empty list, target 0") << std::vector<int>{} << 0 << int(CheckModeExact) << 5040;
}

void TestNumberComparer::filterA()
{
    QFETCH(std::vector<int>, comparison);
    QFETCH(int, target);
    QFETCH(int, mode);
    QFETCH(int, remaining);
    const NumberComparer comparer;
    CandidateList candidates = comparer.makeCandidatesArray();
    comparer.removeCandidatesA(candidates, comparison, target, mode);
    QCOMPARE(int(candidates.size()), remaining);
    QVERIFY(std::is_sorted(candidates.begin(), candidates.end()));
}

void TestNumberComparer::filterB_data()
{
    QTest::addColumn<std::vector<int>>("comparison");
    QTest::addColumn<int>("target");
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("remaining");
    QTest::addColumn<NumberSet>("first");
    QTest::newRow("placeholder never agrees") << std::vector<int>{-1, 2, 4, 5} << 1 << int(CheckModeAtLeast) << 1351
                                              << NumberSet{0, 1, 2, 5};
    QTest::newRow("no digit in place") << std::vector<int>{0, 1, 2, 3} << 0 << int(CheckModeExact) << 3333
                                       << NumberSet{1, 0, 3, 2};
    QTest::newRow("all placeholders") << std::vector<int>{-1, -1, -1, -1} << 0 << int(CheckModeExact) << 5040
                                      << NumberSet{0, 1, 2, 3};
}

void TestNumberComparer::filterB()
{
    QFETCH(std::vector<int>, comparison);
    QFETCH(int, target);
    QFETCH(int, mode);
    QFETCH(int, remaining);
    QFETCH(NumberSet, first);
    const NumberComparer comparer;
    CandidateList candidates = comparer.makeCandidatesArray();
    comparer.removeCandidatesB(candidates, comparison, target, mode);
    QCOMPARE(int(candidates.size()), remaining);
    QCOMPARE(candidates.front(), first);
}

void TestNumberComparer::pruningOnFullList_data()
{
    QTest::addColumn<NumberSet>("guess");
    QTest::addColumn<int>("hits");
    QTest::addColumn<int>("blows");
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("remaining");
    QTest::addColumn<NumberSet>("first");
    QTest::addColumn<NumberSet>("last");
    const NumberSet g{0, 1, 2, 3};
    for (int level : {-1, 0, 1, 2, 3}) {
        const QByteArray l = QByteArray::number(level);
        QTest::newRow("0-0 level " + l) << g << 0 << 0 << level << 360 << NumberSet{4, 5, 6, 7} << NumberSet{9, 8, 7, 6};
        QTest::newRow("4 hits removes nothing, level " + l) << g << 4 << 0 << level << 5040 << g << NumberSet{9, 8, 7, 6};
    }
    QTest::newRow("1-1 level 0 counts shared digits only") << g << 1 << 1 << 0 << 2160 << NumberSet{0, 1, 4, 5} << NumberSet{9, 8, 3, 2};
    QTest::newRow("1-1 level 1") << g << 1 << 1 << 1 << 720 << NumberSet{0, 2, 4, 5} << NumberSet{9, 8, 2, 1};
    QTest::newRow("1-1 level 2") << g << 1 << 1 << 2 << 720 << NumberSet{0, 2, 4, 5} << NumberSet{9, 8, 2, 1};
    QTest::newRow("0-4 level 0") << g << 0 << 4 << 0 << 24 << NumberSet{0, 1, 2, 3} << NumberSet{3, 2, 1, 0};
    QTest::newRow("0-4 level 1") << g << 0 << 4 << 1 << 9 << NumberSet{1, 0, 3, 2} << NumberSet{3, 2, 1, 0};
}

void TestNumberComparer::pruningOnFullList()
{
    QFETCH(NumberSet, guess);
    QFETCH(int, hits);
    QFETCH(int, blows);
    QFETCH(int, level);
    QFETCH(int, remaining);
    QFETCH(NumberSet, first);
    QFETCH(NumberSet, last);
    const NumberComparer comparer;
    CandidateList candidates = comparer.makeCandidatesArray();
    comparer.removeCandidatesIn(candidates, guess, hits, blows, {guess}, {hits}, {blows}, level);
    QCOMPARE(int(candidates.size()), remaining);
    QCOMPARE(candidates.front(), first);
    QCOMPARE(candidates.back(), last);
}

void TestNumberComparer::pruningKeepsExactlyTheConsistentNumbers_data()
{
    QTest::addColumn<NumberSet>("guess");
    const CandidateList all = NumberComparer().makeCandidatesArray();
    for (std::size_t i = 0; i < all.size(); i += 997) {
        const NumberSet &g = all[i];
        QTest::newRow(textOf(g).constData()) << g;
    }
}

void TestNumberComparer::pruningKeepsExactlyTheConsistentNumbers()
{
    QFETCH(NumberSet, guess);
    const NumberComparer comparer;
    const CandidateList all = comparer.makeCandidatesArray();
    for (int hits = 0; hits <= 3; ++hits) {
        for (int blows = 0; hits + blows <= 4; ++blows) {
            CandidateList candidates = all;
            comparer.removeCandidatesIn(candidates, guess, hits, blows, {guess}, {hits}, {blows}, 1);
            QCOMPARE(candidates, consistentWith(all, guess, hits, blows));
        }
    }
}

void TestNumberComparer::levelTwoDeducesFromEarlierLevelZeroScore()
{
    const NumberComparer comparer;
    const CandidateList all = comparer.makeCandidatesArray();
    CandidateList candidates = all;
    candidates.erase(std::find(candidates.begin(), candidates.end(), NumberSet{0, 1, 2, 3}));
    comparer.removeCandidatesIn(candidates, {0, 1, 2, 3}, 2, 0, {{0, 1, 2, 3}}, {2}, {0}, 0);
    QCOMPARE(candidates.size(), std::size_t(2160));

    candidates.erase(std::find(candidates.begin(), candidates.end(), NumberSet{1, 0, 5, 4}));
    const std::vector<NumberSet> former{{0, 1, 2, 3}, {1, 0, 5, 4}};
    CandidateList atLevelOne = candidates;
    comparer.removeCandidatesIn(atLevelOne, {1, 0, 5, 4}, 0, 4, former, {2, 0}, {0, 4}, 1);
    const CandidateList nine{{0, 1, 4, 5}, {0, 4, 1, 5}, {0, 5, 4, 1}, {4, 1, 0, 5}, {4, 5, 0, 1},
                             {4, 5, 1, 0}, {5, 1, 4, 0}, {5, 4, 0, 1}, {5, 4, 1, 0}};
    QCOMPARE(atLevelOne, nine);

    comparer.removeCandidatesIn(candidates, {1, 0, 5, 4}, 0, 4, former, {2, 0}, {0, 4}, 2);
    QCOMPARE(candidates, (CandidateList{{0, 1, 4, 5}}));
}

void TestNumberComparer::everyLevelFindsEverySecret_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("mostGuesses");
    QTest::newRow("level 0") << 0 << 40;
    QTest::newRow("level 1") << 1 << 12;
    QTest::newRow("level 2") << 2 << 12;
}

// Plays the computer's side against a spread of secrets: the secret must stay among the candidates
// until it is guessed, so the computer never runs out of candidates.
void TestNumberComparer::everyLevelFindsEverySecret()
{
    QFETCH(int, level);
    QFETCH(int, mostGuesses);
    ScriptedRandomSource random;
    const NumberComparer comparer(random);
    const CandidateList all = comparer.makeCandidatesArray();
    for (std::size_t s = 0; s < all.size(); s += 53) {
        const NumberSet secret = all[s];
        CandidateList candidates = all;
        std::vector<NumberSet> answers;
        std::vector<int> hits, blows;
        for (int guesses = 1;; ++guesses) {
            QVERIFY2(guesses <= mostGuesses, textOf(secret).constData());
            QVERIFY(std::find(candidates.begin(), candidates.end(), secret) != candidates.end());
            const NumberSet guess = comparer.choseNumbersIn(candidates);
            const HitBlowResult score = comparer.checkHitsBlowsIn(secret, guess);
            if (score.hits == 4)
                break;
            answers.push_back(guess);
            hits.push_back(score.hits);
            blows.push_back(score.blows);
            comparer.removeCandidatesIn(candidates, guess, score.hits, score.blows, answers, hits, blows, level);
        }
    }
}

QTEST_APPLESS_MAIN(TestNumberComparer)
#include "tst_numbercomparer.moc"
