// SPDX-License-Identifier: GPL-3.0-or-later
#include "duel/DuelRecord.h"
#include "duel/HotSeatDuel.h"
#include "rules/NumberText.h"

#include <QSignalSpy>
#include <QTest>

Q_DECLARE_METATYPE(DuelPlay::Ending)

namespace {
NumberSet number(const QString &digits)
{
    const auto parsed = NumberText::parse(digits);
    return parsed ? *parsed : NumberSet{1, 1, 1, 1};
}
} // namespace

class HotSeatDuelTest : public QObject
{
    Q_OBJECT

private slots:
    void playsOut_data();
    void playsOut();
    void refusesGuessesBeforeTheStart();
};

// Anna hides 1234, Ben 5678; the guesses are tried in order, whoever's turn it is.
void HotSeatDuelTest::playsOut_data()
{
    QTest::addColumn<QStringList>("guesses");
    QTest::addColumn<DuelPlay::Ending>("ending");
    QTest::addColumn<int>("winner");
    QTest::addColumn<int>("annasGuesses");
    QTest::addColumn<int>("bensGuesses");
    QTest::addColumn<QString>("bensLastScore");
    QTest::addColumn<QString>("annasRow"); // the statistics' row from Anna's side, if any

    QTest::newRow("Ben wins in his first guess")
        << QStringList{"5687", "1234"} << DuelPlay::Ending::Won << 1 << 1 << 1 << "4 0" << "lost 1 vs Ben, his number 5678";
    QTest::newRow("Anna wins, Ben's last guess misses")
        << QStringList{"9012", "4321", "5678", "1243"} << DuelPlay::Ending::Won << 0 << 2 << 2 << "2 2" << "won 2 vs Ben, his number 5678";
    QTest::newRow("both find it in one round: draw")
        << QStringList{"5678", "1234"} << DuelPlay::Ending::Draw << -1 << 1 << 1 << "4 0" << "draw 1 vs Ben, his number 5678";
    QTest::newRow("Anna finds it, the duel waits for Ben's last guess")
        << QStringList{"5678"} << DuelPlay::Ending::Running << -1 << 1 << 0 << "" << "";
    QTest::newRow("repeated digits and digits out of range are refused")
        << QStringList{"5566", "0129", "567a", "9870", "0156", "4325"} << DuelPlay::Ending::Running << -1 << 2 << 2
        << "0 3" << "";
    QTest::newRow("guesses after the end are refused")
        << QStringList{"5678", "4321", "0123", "0456"} << DuelPlay::Ending::Won << 0 << 1 << 1 << "0 4" << "won 1 vs Ben, his number 5678";
    QStringList sixteenRounds;
    for (int round = 0; round < 16; ++round)
        sixteenRounds << "9012" << "0987";
    sixteenRounds << "5678" << "1234";
    QTest::newRow("sixteen rounds without a winner: draw")
        << sixteenRounds << DuelPlay::Ending::Draw << -1 << 16 << 16 << "0 0" << "draw 16 vs Ben, his number 5678";
}

void HotSeatDuelTest::playsOut()
{
    QFETCH(QStringList, guesses);
    HotSeatDuel duel(QStringLiteral("Anna"), number("1234"), QStringLiteral("Ben"), number("5678"));
    QSignalSpy ended(&duel, &DuelPlay::ended);
    duel.begin();
    for (const QString &guess : guesses) {
        // Digits out of range come in as they are, not through the parser.
        NumberSet raw{};
        for (int i = 0; i < 4; ++i)
            raw[i] = guess.at(i).isDigit() ? guess.at(i).digitValue() : 10;
        duel.guess(raw);
    }

    QTEST(duel.result().ending, "ending");
    QTEST(duel.result().player, "winner");
    QTEST(int(duel.turnsOf(0).size()), "annasGuesses");
    QTEST(int(duel.turnsOf(1).size()), "bensGuesses");
    QFETCH(QString, bensLastScore);
    const auto &bens = duel.turnsOf(1);
    if (!bens.empty())
        QCOMPARE(QStringLiteral("%1 %2").arg(bens.back().score.hits).arg(bens.back().score.blows), bensLastScore);
    QCOMPARE(ended.count(), duel.result().ending == DuelPlay::Ending::Running ? 0 : 1);
    QString row;
    const QDateTime finished(QDate(2026, 5, 6), QTime(7, 8), Qt::UTC);
    if (const auto record = duelRecordOf(duel, 0, false, finished)) {
        static const char *const outcomes[] = {"won", "lost", "draw", "abandoned"};
        QCOMPARE(record->turns.turns, duel.turnsOf(0));
        QCOMPARE(record->macTurns.turns, duel.turnsOf(1));
        QCOMPARE(record->mode, MatchMode::Duel);
        QVERIFY(!record->overNetwork && !record->opponentLied);
        row = QStringLiteral("%1 %2 vs %3, his number %4")
                  .arg(QLatin1String(outcomes[int(record->result)]))
                  .arg(record->guesses)
                  .arg(record->opponent, record->macNumber ? NumberText::of(*record->macNumber) : QString());
    }
    QTEST(row, "annasRow");
    QCOMPARE(duel.playerToGuess() == -1, duel.result().ending != DuelPlay::Ending::Running);
}

void HotSeatDuelTest::refusesGuessesBeforeTheStart()
{
    HotSeatDuel duel(QStringLiteral("Anna"), number("1234"), QStringLiteral("Ben"), number("5678"));
    QCOMPARE(duel.playerToGuess(), -1);
    duel.guess(number("5678"));
    QVERIFY(duel.turnsOf(0).empty());
    duel.begin();
    QCOMPARE(duel.playerToGuess(), 0);
    duel.leave();
    QCOMPARE(duel.result().ending, DuelPlay::Ending::Left);
    QCOMPARE(duel.result().player, 0);
    // Given up before any guess: nothing to keep.
    QVERIFY(!duelRecordOf(duel, 0, false, QDateTime::currentDateTimeUtc()));
}

QTEST_GUILESS_MAIN(HotSeatDuelTest)
#include "tst_hotseatduel.moc"
