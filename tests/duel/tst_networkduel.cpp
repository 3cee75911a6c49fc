// SPDX-License-Identifier: GPL-3.0-or-later
#include "duel/DuelConnection.h"
#include "duel/DuelHost.h"
#include "duel/NetworkDuel.h"
#include "rules/NumberText.h"

#include <QProcess>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

#include <memory>

namespace {
constexpr int kWaitMs = 20000;

// The first number that agrees with every score the player got: an honest, quick player.
NumberSet nextGuess(const std::vector<Turn> &turns)
{
    const NumberComparer comparer;
    for (const NumberSet &candidate : comparer.makeCandidatesArray()) {
        if (std::all_of(turns.begin(), turns.end(), [&](const Turn &turn) {
                return turn == Turn{turn.guess, comparer.checkHitsBlowsIn(candidate, turn.guess)};
            }))
            return candidate;
    }
    return NumberSet{0, 1, 2, 3};
}

// How the local player takes part: plays every turn, or leaves after its second guess.
enum class Local { Plays, LeavesEarly };
// Who hosts: hitblow-arena, or this side with hitblow-arena joining.
enum class Hosting { Arena, Here };
} // namespace

Q_DECLARE_METATYPE(Local)
Q_DECLARE_METATYPE(Hosting)
Q_DECLARE_METATYPE(DuelPlay::Ending)

// A NetworkDuel on the loopback against hitblow-arena, the headless peer that plays the Expert's
// guesses: whatever the window sees of the duel must agree with what the peer reports.
class TestNetworkDuel : public QObject
{
    Q_OBJECT

private slots:
    void playsAgainstTheArena_data();
    void playsAgainstTheArena();
};

void TestNetworkDuel::playsAgainstTheArena_data()
{
    QTest::addColumn<Hosting>("hosting");
    QTest::addColumn<QString>("arenaSecret"); // 0123 the local player finds first, 9876 late
    QTest::addColumn<QString>("arenaLie");
    QTest::addColumn<Local>("local");
    QTest::addColumn<DuelPlay::Ending>("expectedEnding"); // Running: won, lost or draw
    QTest::addColumn<QString>("expectedArenaLine");       // a pattern
    QTest::newRow("joined, honest") << Hosting::Arena << "0123" << QString() << Local::Plays << DuelPlay::Ending::Running
                                    << "^result (won|lost|draw) guesses \\d+$";
    QTest::newRow("hosted, honest") << Hosting::Here << "9876" << QString() << Local::Plays << DuelPlay::Ending::Running
                                    << "^result (won|lost|draw) guesses \\d+$";
    QTest::newRow("joined, the arena lies") << Hosting::Arena << "1234" << "--lie" << Local::Plays << DuelPlay::Ending::Lied
                                            << "^result (won|lost|draw) guesses \\d+$";
    QTest::newRow("hosted, the arena lies") << Hosting::Here << "9876" << "--lie" << Local::Plays << DuelPlay::Ending::Lied
                                            << "^result (won|lost|draw) guesses \\d+$";
    QTest::newRow("hosted, leaving") << Hosting::Here << "9876" << QString() << Local::LeavesEarly << DuelPlay::Ending::Left
                                     << "^result won guesses \\d+ forfeit: ";
}

void TestNetworkDuel::playsAgainstTheArena()
{
    QFETCH(Hosting, hosting);
    QFETCH(QString, arenaSecret);
    QFETCH(QString, arenaLie);
    QFETCH(Local, local);
    QFETCH(DuelPlay::Ending, expectedEnding);
    QFETCH(QString, expectedArenaLine);
    const NumberSet localSecret{5, 6, 7, 8};
    const NumberSet arenaNumber = *NumberText::parse(arenaSecret);
    const QStringList arenaOptions = QStringList{"--secret", arenaSecret, "--timeout", "10"} + QStringList(arenaLie).filter("-");

    QProcess arena;
    std::unique_ptr<DuelHost> host;
    std::unique_ptr<NetworkDuel> duel;
    // Whoever guesses, player 0 is never behind player 1 and never more than one guess ahead.
    QStringList faults;
    auto play = [&] {
        const int player = duel->playerToGuess();
        const int first = int(duel->turnsOf(0).size()), second = int(duel->turnsOf(1).size());
        if (first < second || first > second + 1 || (player >= 0 && player != (first == second ? 0 : 1)))
            faults << QStringLiteral("player %1 to guess after %2 and %3 guesses").arg(player).arg(first).arg(second);
        if (duel->secretOf(0).has_value() == duel->secretOf(1).has_value())
            faults << QStringLiteral("the other's number known during play");
        if (!duel->isLocal(player))
            return;
        if (local == Local::LeavesEarly && duel->turnsOf(player).size() == 2)
            duel->leave();
        else
            duel->guess(nextGuess(duel->turnsOf(player)));
    };
    // Nothing is missed when the duel is followed as soon as it is made.
    auto follow = [&](NetworkDuel *made) {
        duel.reset(made);
        if (duel->playerToGuess() != -1)
            faults << QStringLiteral("a guess awaited before the start");
        connect(made, &DuelPlay::started, this, play);
        connect(made, &DuelPlay::turnPlayed, this, play);
    };
    if (hosting == Hosting::Arena) {
        arena.start(QStringLiteral(HITBLOW_ARENA), QStringList{"--duel-host", "0"} + arenaOptions);
        QVERIFY(arena.waitForReadyRead(kWaitMs));
        const QString line = QString::fromLatin1(arena.readLine()).trimmed();
        QVERIFY2(line.startsWith("listening "), qPrintable(line));
        follow(NetworkDuel::join("127.0.0.1", quint16(line.mid(10).toUInt()), "Ann", localSecret));
    } else {
        host = std::make_unique<DuelHost>(localSecret, "Ann");
        QVERIFY(host->listen(QHostAddress::LocalHost, 0));
        connect(host.get(), &DuelHost::duelStarted, this, [&](DuelConnection *connection) {
            follow(new NetworkDuel(connection, "Ann", localSecret));
        });
        arena.start(QStringLiteral(HITBLOW_ARENA),
                    QStringList{"--duel-join", QStringLiteral("127.0.0.1:%1").arg(host->port())} + arenaOptions);
        QTRY_VERIFY_WITH_TIMEOUT(duel, kWaitMs);
    }
    QTRY_VERIFY_WITH_TIMEOUT(duel->result().ending != DuelPlay::Ending::Running, kWaitMs);
    QVERIFY(arena.state() == QProcess::NotRunning || arena.waitForFinished(kWaitMs));
    const QString arenaLine = QString::fromLatin1(arena.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts).last();
    QVERIFY2(QRegularExpression(expectedArenaLine).match(arenaLine).hasMatch(), qPrintable(arenaLine));
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join("; ")));

    const int me = duel->isLocal(0) ? 0 : 1;
    const int other = 1 - me;
    QVERIFY(duel->isLocal(me) && !duel->isLocal(other));
    QCOMPARE(duel->playerName(me), QStringLiteral("Ann"));
    QCOMPARE(duel->playerName(other), QStringLiteral("hitblow-arena"));
    QCOMPARE(duel->playerToGuess(), -1);
    const DuelPlay::Result result = duel->result();
    if (expectedEnding == DuelPlay::Ending::Running) {
        const QString arenaResult = arenaLine.section(' ', 1, 1);
        const DuelPlay::Result expected = arenaResult == "won"  ? DuelPlay::Result{DuelPlay::Ending::Won, other}
                                        : arenaResult == "lost" ? DuelPlay::Result{DuelPlay::Ending::Won, me}
                                                                : DuelPlay::Result{DuelPlay::Ending::Draw, -1};
        QCOMPARE(int(result.ending), int(expected.ending));
        QCOMPARE(result.player, expected.player);
        QCOMPARE(QString::number(duel->turnsOf(other).size()), arenaLine.section(' ', 3, 3));
        QCOMPARE(duel->turnsOf(me).size(), duel->turnsOf(other).size());
        // Every score is the true one, each side's guesses against the other's number.
        for (const auto &[player, secret] : {std::pair{me, arenaNumber}, std::pair{other, localSecret}}) {
            for (const Turn &turn : duel->turnsOf(player))
                QVERIFY((turn == Turn{turn.guess, NumberComparer().checkHitsBlowsIn(secret, turn.guess)}));
        }
        QVERIFY(duel->secretOf(other) == arenaNumber);
    } else {
        QCOMPARE(int(result.ending), int(expectedEnding));
        QCOMPARE(result.player, expectedEnding == DuelPlay::Ending::Left ? me : other);
        QVERIFY(!result.reason.isEmpty());
        QCOMPARE(duel->secretOf(other).has_value(), expectedEnding == DuelPlay::Ending::Lied);
    }
    QVERIFY(duel->secretOf(me) == localSecret);
    QTRY_VERIFY_WITH_TIMEOUT(duel->isClosed(), kWaitMs);
}

QTEST_GUILESS_MAIN(TestNetworkDuel)
#include "tst_networkduel.moc"
