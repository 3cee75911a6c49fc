// SPDX-License-Identifier: GPL-3.0-or-later
#include "RandomPlayer.h"

// Long runs of random play against the real match controller, board and preferences window:
// real key and mouse events, the clock moved on by random amounts, New Game at any moment and the
// settings changed through the dialog in the middle of matches. After every step the match and
// the board must still be whole. A failure names the seed and the step that reproduce it.
//
// HITBLOW_SEED=N plays that seed alone; HITBLOW_SOAK_STEPS=N plays N steps per seed.

class TestRandomPlay : public QObject
{
    Q_OBJECT

private slots:
    void randomPlay_data();
    void randomPlay();
    void wholeMatch_data();
    void wholeMatch();
    void okKeyActsOnlyInItsStatus_data();
    void okKeyActsOnlyInItsStatus();
    void playsOnWithoutItsArtwork();
};

void TestRandomPlay::randomPlay_data()
{
    QTest::addColumn<quint64>("seed");
    QTest::addColumn<int>("steps");
    bool stepsGiven = false;
    const int steps = qEnvironmentVariableIntValue("HITBLOW_SOAK_STEPS", &stepsGiven);
    bool seedGiven = false;
    const quint64 seed = qEnvironmentVariable("HITBLOW_SEED").toULongLong(&seedGiven);
    for (quint64 each : seedGiven ? QList<quint64>{seed} : kDefaultSeeds) {
        QTest::addRow("seed %llu", static_cast<unsigned long long>(each))
            << each << (stepsGiven && steps > 0 ? steps : kDefaultSteps);
    }
}

void TestRandomPlay::randomPlay()
{
    QFETCH(quint64, seed);
    QFETCH(int, steps);
    QString failure;
    RandomPlayer player(seed, &failure);
    for (int i = 0; i < steps && player.step(); ++i) {
    }
    if (failure.isEmpty())
        player.settingsSurviveARestart();
    QVERIFY2(failure.isEmpty(), qPrintable(failure + QStringLiteral("\nlast actions: ") + player.recentActions()));

    const Tally &t = player.tally();
    qInfo("seed %llu: %ld steps, %ld matches started, %ld finished (%ld lost, %ld won, %ld drawn, %ld of them "
          "by sixteen guesses), %ld computer guesses, %ld refusals, %ld preferences windows (%ld taken), %ld paints",
          static_cast<unsigned long long>(seed), t.steps, t.matchesStarted, t.matchesFinished,
          t.results[MatchResultMacWon], t.results[MatchResultUserWon], t.results[MatchResultDraw],
          t.drawsBySixteenGuesses, t.macGuesses, t.refusals, t.dialogs, t.dialogsTaken, t.paints);
    // Random play that never gets anywhere proves nothing.
    QVERIFY(t.matchesFinished > 0);
}

void TestRandomPlay::wholeMatch_data()
{
    QTest::addColumn<int>("strengthLevel");
    QTest::addColumn<int>("winningGuess");
    QTest::addColumn<bool>("lastChance");
    QTest::addColumn<int>("result");
    QTest::addColumn<bool>("soundOn");
    QTest::newRow("user finds it at once") << 1 << 1 << false << int(MatchResultUserWon) << true;
    QTest::newRow("user finds it third") << 2 << 3 << false << int(MatchResultUserWon) << true;
    QTest::newRow("computer finds it") << 2 << 0 << false << int(MatchResultMacWon) << true;
    QTest::newRow("user finds it at the last chance") << 1 << 0 << true << int(MatchResultDraw) << true;
    QTest::newRow("nobody finds it in sixteen guesses") << 0 << 0 << false << int(MatchResultDraw) << true;
    QTest::newRow("sounds off, user finds it third") << 2 << 3 << false << int(MatchResultUserWon) << false;
    QTest::newRow("sounds off, computer finds it") << 2 << 0 << false << int(MatchResultMacWon) << false;
}

void TestRandomPlay::wholeMatch()
{
    QFETCH(int, strengthLevel);
    QFETCH(int, winningGuess);
    QFETCH(bool, lastChance);
    QFETCH(int, result);
    QFETCH(bool, soundOn);
    QString failure;
    // At level 0 the computer needs more than sixteen guesses for this seed's match.
    RandomPlayer player(7, &failure);
    QCOMPARE(player.playScriptedMatch(strengthLevel, winningGuess, lastChance, soundOn), result);
    // With sounds off nothing of the match is heard: no piece, key, guess, refusal or result sound.
    QCOMPARE(player.soundsPlayed().isEmpty(), !soundOn);
    QCOMPARE(player.soundsPlayed().contains(QStringLiteral("piko")), soundOn);
    QVERIFY2(failure.isEmpty(), qPrintable(failure + QStringLiteral("\nlast actions: ") + player.recentActions()));
    const auto &match = player.controller();
    QCOMPARE(match.gameStatus(), int(GameStatusResultShown));
    if (winningGuess > 0)
        QCOMPARE(int(match.userFormerAnswers().size()), winningGuess);
    if (result == MatchResultDraw && !lastChance)
        QCOMPARE(int(match.userFormerAnswers().size()), 16);
    QVERIFY(player.settingsSurviveARestart());
}

void TestRandomPlay::okKeyActsOnlyInItsStatus_data()
{
    QTest::addColumn<bool>("autoCheck");
    QTest::addColumn<QString>("script");
    QTest::addColumn<int>("status");
    QTest::addColumn<int>("refusals");
    // The computer's first guess comes 1 s after the secret was chosen.
    QTest::newRow("second Return on the counts") << false << "wait:1 truth ret ret wait:0.05" << 3 + 1 << 0;
    QTest::newRow("keypad Enter, then line feed") << false << "wait:1 truth ent lf wait:0.05" << 3 + 1 << 0;
    QTest::newRow("Return, then a click on the button") << false << "wait:1 truth ret ok wait:0.05" << 3 + 1 << 0;
    QTest::newRow("Return just before the computer's guess") << false << "wait:0.98 ret wait:0.05" << 3 << 0;
    QTest::newRow("the same, automatic check") << true << "wait:0.98 ret wait:0.05" << 3 << 0;
    QTest::newRow("two Returns on wrong counts refuse twice") << false << "wait:1 9 9 ret ret wait:0.1" << 3 << 2;
}

// A Return, Enter or line feed acts on the status it was pressed in; one still pending when an
// earlier press moved the match on only comes up.
void TestRandomPlay::okKeyActsOnlyInItsStatus()
{
    QFETCH(bool, autoCheck);
    QFETCH(QString, script);
    QFETCH(int, status);
    QFETCH(int, refusals);
    QString failure;
    RandomPlayer player(11, &failure);
    player.startMatch(1, autoCheck);
    player.play(script);
    QCOMPARE(player.controller().gameStatus(), status);
    QCOMPARE(player.takeAlerts().size(), refusals);
    QCOMPARE(player.board().okBtnStatus(), 0);
    if (status == GameStatusUserTurn) {
        QVERIFY(player.board().currentUserAnswer().empty());
        QCOMPARE(player.board().typingIndex(), 0);
    }
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
}

namespace {
QStringList missingImageWarnings;

void collectMissingImages(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtWarningMsg && message.startsWith(QLatin1String("ImageLibrary: no usable image")))
        missingImageWarnings << message;
    else
        fprintf(stderr, "%s\n", qPrintable(message));
}
} // namespace

// Without the images built into the program the board draws what it has, reports each missing
// image once, and the game goes on.
void TestRandomPlay::playsOnWithoutItsArtwork()
{
    Q_CLEANUP_RESOURCE(artwork);
    const auto restore = qScopeGuard([] {
        Q_INIT_RESOURCE(artwork);
        qInstallMessageHandler(nullptr);
    });
    QVERIFY(!QFile::exists(QStringLiteral(":/images/GameBoard.svg")));
    missingImageWarnings.clear();
    qInstallMessageHandler(collectMissingImages);

    QString failure;
    RandomPlayer player(5, &failure);
    for (int step = 0; step < 3000 && player.step(); ++step) {
        if (step % 20 == 0)
            player.realPaint();
    }
    QVERIFY2(failure.isEmpty(), qPrintable(failure + QStringLiteral("\nlast actions: ") + player.recentActions()));
    QVERIFY(player.tally().matchesFinished > 0);

    // Every image a match draws was looked for, each reported once.
    QCOMPARE(QSet<QString>(missingImageWarnings.begin(), missingImageWarnings.end()).size(),
             missingImageWarnings.size());
    for (const char *name : {"GameBoardB", "GameBoard", "PieceBack", "OKBtnUp", "Piece0B", "Piece9"})
        QVERIFY2(missingImageWarnings.filter(QStringLiteral("\"%1\"").arg(QLatin1String(name))).size() == 1, name);
}

QTEST_MAIN(TestRandomPlay)
#include "tst_randomplay.moc"
