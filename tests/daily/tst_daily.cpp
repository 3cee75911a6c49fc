// SPDX-License-Identifier: GPL-3.0-or-later
#include "daily/DailyPuzzle.h"
#include "daily/DailyShare.h"
#include "daily/DailyStreaks.h"
#include "daily/HardMode.h"
#include "rules/NumberText.h"

#include <QRegularExpression>
#include <QTest>

#include <set>

Q_DECLARE_METATYPE(std::vector<int>)
Q_DECLARE_METATYPE(std::vector<Turn>)

namespace {
Turn turn(const char *guess, int hits, int blows)
{
    return {*NumberText::parse(QString::fromLatin1(guess)), {hits, blows}};
}
} // namespace

// The daily puzzle's rules without widgets: its numbers, dates and secrets, the streaks worked out
// from what was solved, hard mode's check and the shared text.
class TestDaily : public QObject
{
    Q_OBJECT

private slots:
    void secretsAreAFixedPermutation();
    void numbersFollowTheCalendar_data();
    void numbersFollowTheCalendar();
    void streaksComeFromTheSolvedPuzzles_data();
    void streaksComeFromTheSolvedPuzzles();
    void hardModeNamesTheScoreAGuessContradicts();
    void sharedTextGivesNoDigitAway();
};

void TestDaily::secretsAreAFixedPermutation()
{
    std::set<NumberSet> seen;
    for (int number = 1; number <= 5040; ++number) {
        const NumberSet secret = DailyPuzzle::secretOf(number);
        QVERIFY2(NumberText::parse(NumberText::of(secret)), "a secret of four different digits");
        seen.insert(secret);
    }
    QCOMPARE(int(seen.size()), 5040);
    // Worked out apart from the game, with Python's hashlib, from the rule the header states.
    QCOMPARE(NumberText::of(DailyPuzzle::secretOf(1)), QStringLiteral("6592"));
    QCOMPARE(NumberText::of(DailyPuzzle::secretOf(2)), QStringLiteral("2645"));
    QCOMPARE(NumberText::of(DailyPuzzle::secretOf(3)), QStringLiteral("8120"));
    QCOMPARE(NumberText::of(DailyPuzzle::secretOf(342)), QStringLiteral("5142"));
    QCOMPARE(NumberText::of(DailyPuzzle::secretOf(5040)), QStringLiteral("8635"));
    QCOMPARE(DailyPuzzle::secretOf(5041), DailyPuzzle::secretOf(1));
}

void TestDaily::numbersFollowTheCalendar_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<int>("number");
    QTest::newRow("the first") << QDate(2026, 1, 1) << 1;
    QTest::newRow("the day before") << QDate(2025, 12, 31) << 0;
    QTest::newRow("a summer-time change in Europe") << QDate(2026, 3, 29) << 88;
    QTest::newRow("and the day after") << QDate(2026, 3, 30) << 89;
    QTest::newRow("after a leap day") << QDate(2028, 3, 1) << 791;
}

void TestDaily::numbersFollowTheCalendar()
{
    QFETCH(QDate, date);
    QFETCH(int, number);
    QCOMPARE(DailyPuzzle::numberOn(date), number);
    if (number > 0)
        QCOMPARE(DailyPuzzle::dateOf(number), date);
}

void TestDaily::streaksComeFromTheSolvedPuzzles_data()
{
    QTest::addColumn<std::vector<int>>("solved");
    QTest::addColumn<int>("today");
    QTest::addColumn<int>("current");
    QTest::addColumn<int>("best");
    QTest::newRow("none") << std::vector<int>{} << 10 << 0 << 0;
    QTest::newRow("up to today") << std::vector<int>{8, 9, 10} << 10 << 3 << 3;
    QTest::newRow("up to yesterday, today still open") << std::vector<int>{8, 9} << 10 << 2 << 2;
    QTest::newRow("a skipped date breaks it") << std::vector<int>{6, 7, 9, 10} << 10 << 2 << 2;
    QTest::newRow("one missed day ago ends it") << std::vector<int>{5, 6, 7, 8} << 10 << 0 << 4;
    QTest::newRow("a clock change stored one date twice") << std::vector<int>{9, 8, 9, 10} << 10 << 3 << 3;
    QTest::newRow("the best is an older run") << std::vector<int>{1, 2, 3, 4, 9, 10} << 10 << 2 << 4;
}

void TestDaily::streaksComeFromTheSolvedPuzzles()
{
    QFETCH(std::vector<int>, solved);
    QFETCH(int, today);
    QFETCH(int, current);
    QFETCH(int, best);
    const DailyStreaks streaks = DailyStreaks::of(solved, today);
    QCOMPARE(streaks.current, current);
    QCOMPARE(streaks.best, best);
}

void TestDaily::hardModeNamesTheScoreAGuessContradicts()
{
    // The secret is 5270.
    const std::vector<Turn> earlier{turn("0123", 0, 2), turn("4567", 0, 2), turn("2708", 0, 3)};
    QVERIFY(!HardMode::contradiction(*NumberText::parse(u"5270"), earlier));
    QVERIFY(!HardMode::contradiction(*NumberText::parse(u"7250"), earlier));
    // 0128 fits no score: 0123 would score 3-0 against it.
    QCOMPARE(HardMode::contradiction(*NumberText::parse(u"0128"), earlier), earlier[0]);
    // 1047 fits the first score, but 4567 would score 1-1 against it.
    QCOMPARE(HardMode::contradiction(*NumberText::parse(u"1047"), earlier), earlier[1]);
}

void TestDaily::sharedTextGivesNoDigitAway()
{
    const std::vector<Turn> turns{turn("0123", 0, 2), turn("4567", 1, 1), turn("5270", 4, 0)};
    QCOMPARE(DailyShare::text(342, turns, true, true, 10),
             QStringLiteral("Hit & Blow #342 3/10*\n○○··\n●○··\n●●●●"));
    const QString lost = DailyShare::text(7, {turns[0], turns[1]}, false, false, 10);
    QVERIFY(lost.startsWith(QStringLiteral("Hit & Blow #7 X/10\n")));
    QVERIFY(!lost.contains(QRegularExpression(QStringLiteral("\\d{4}"))));
}

QTEST_GUILESS_MAIN(TestDaily)
#include "tst_daily.moc"
