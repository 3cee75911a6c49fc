// SPDX-License-Identifier: GPL-3.0-or-later
#include "BoardRenderingTest.h"

// The end of a round and of a match: the pause after a scored guess and the announced result.

void TestBoardRendering::scoredGuessSchedulesOneOKPerPass_data()
{
    QTest::addColumn<QVariant>("storedRhythm");
    QTest::addColumn<double>("pause");
    QTest::newRow("default") << QVariant() << 1.0;
    QTest::newRow("twice as fast") << QVariant(2.0f) << 0.5;
    QTest::newRow("slow") << QVariant(0.25f) << 4.0;
}

void TestBoardRendering::scoredGuessSchedulesOneOKPerPass()
{
    QFETCH(QVariant, storedRhythm);
    QFETCH(double, pause);
    if (storedRhythm.isValid())
        loadSettings({{"PlayingRhythm", storedRhythm}});
    playUntil(GameStatusUserResult);
    QCOMPARE(m_fakes->scheduler.pendingCount(m_board.get(), "didOK"), 0);

    const RecordingCanvas canvas = pass();
    QCOMPARE(m_fakes->scheduler.pendingDelays(m_board.get(), "didOK"), std::vector<double>{pause});
    QCOMPARE(m_controller->gameStatus(), int(GameStatusUserResult));
    // The score of the guess, 0 hits and 1 blow, beside the typed digits.
    QCOMPARE(canvas.textsAt(QPointF(218, 264)).size(), 1);
    QCOMPARE(canvas.textsAt(QPointF(218, 264)).first().name, QString("0"));
    QCOMPARE(canvas.textsAt(QPointF(218, 264)).first().style, (TextStyle{34, kWhite}));
    QCOMPARE(canvas.textsAt(QPointF(286, 264)).size(), 1);
    QCOMPARE(canvas.textsAt(QPointF(286, 264)).first().name, QString("1"));

    pass();
    QCOMPARE(m_fakes->scheduler.pendingDelays(m_board.get(), "didOK"), (std::vector<double>{pause, pause}));
}

void TestBoardRendering::resultIsAnnouncedOnce_data()
{
    QTest::addColumn<NumberSet>("userSecret");
    QTest::addColumn<int>("strengthLevel");
    QTest::addColumn<int>("rounds");
    QTest::addColumn<bool>("macFoundIt");
    QTest::addColumn<NumberSet>("lastGuess");
    QTest::addColumn<int>("soundMode");
    QTest::addColumn<int>("matchResult");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<QStringList>("sounds");

    const NumberSet secret{7, 2, 0, 9};
    QTest::newRow("user won") << secret << 1 << 1 << false << kMacSecret << 1 << int(MatchResultUserWon)
                              << "You won" << kYellow << QStringList{"pikoon2_edited"};
    QTest::newRow("computer won") << secret << 1 << 1 << true << kMissingGuess << 1 << int(MatchResultMacWon)
                                  << "You lost" << kRed << QStringList{"hoyo"};
    QTest::newRow("draw on the last chance") << secret << 1 << 1 << true << kMacSecret << 1 << int(MatchResultDraw)
                                             << "Draw" << kYellow << QStringList{"pikoon2_edited"};
    // At level 0 and with these draws the computer does not find [0,1,2,8] within sixteen guesses.
    QTest::newRow("draw at the sixteenth guess") << NumberSet{0, 1, 2, 8} << 0 << 16 << false << kMissingGuess << 1
                                                 << int(MatchResultDraw) << "Draw" << kYellow << QStringList{"hoyo"};
    QTest::newRow("silent with sounds off") << secret << 1 << 1 << false << kMacSecret << 0 << int(MatchResultUserWon)
                                            << "You won" << kYellow << QStringList();
    QTest::newRow("silent unless sound mode is 1") << secret << 1 << 1 << true << kMissingGuess << 2
                                                   << int(MatchResultMacWon) << "You lost" << kRed << QStringList();
}

void TestBoardRendering::resultIsAnnouncedOnce()
{
    QFETCH(NumberSet, userSecret);
    QFETCH(int, strengthLevel);
    QFETCH(int, rounds);
    QFETCH(bool, macFoundIt);
    QFETCH(NumberSet, lastGuess);
    QFETCH(int, soundMode);
    QFETCH(int, matchResult);
    QFETCH(QString, text);
    QFETCH(QColor, colour);
    QFETCH(QStringList, sounds);
    loadSettings({{"StrengthLevel", strengthLevel}, {"SoundMode", soundMode}});
    startMatch(userSecret);
    for (int round = 1; round <= rounds; ++round) {
        if (round == rounds && macFoundIt) {
            m_controller->setMacCurrentHitsCount(4);
            m_controller->setMacCurrentBlowsCount(0);
            m_controller->setGameStatus(GameStatusUserTurn);
        } else {
            scoreMacGuessTruly(userSecret);
        }
        guess(round == rounds ? lastGuess : kMissingGuess);
        if (round < rounds) {
            QCOMPARE(m_controller->gameStatus(), int(GameStatusUserResult));
            m_controller->setGameStatus(GameStatusMacTurn);
        }
    }
    QCOMPARE(m_controller->gameStatus(), int(GameStatusGameOver));
    QCOMPARE(m_controller->matchResult(), matchResult);
    m_fakes->sounds.played.clear();

    const RecordingCanvas canvas = pass();
    QCOMPARE(m_fakes->sounds.played, sounds);
    QCOMPARE(m_controller->gameStatus(), int(GameStatusResultShown));
    QCOMPARE(m_board->fontStyle(), (TextStyle{60, kWhite}));

    const QString shown = localizedString(text.toUtf8().constData());
    const QList<CanvasCall> result = canvas.drawn(shown);
    QCOMPARE(result.size(), 1);
    QCOMPARE(result.first().style, (TextStyle{60, colour}));
    QCOMPARE(result.first().point, QPointF(centredX(320, 60, int(shown.size())), 220));
    QCOMPARE(result.first().shadow, (TextShadow{QPointF(0, -8), 6, QColor::fromRgbF(0, 0, 0, 0.7f)}));
    QCOMPARE(canvas.calls.last(), result.first());

    // The computer's secret is revealed in its row; nothing is scheduled.
    for (int i = 0; i < 4; ++i) {
        const QString piece = QStringLiteral("Piece%1B").arg(kMacSecret[i]);
        QVERIFY2(canvas.drawn(piece).size() >= 1, qPrintable(piece));
        QCOMPARE(canvas.drawn(piece).first().point, QPointF(168 + 62 * i, 360));
    }
    QCOMPARE(canvas.drawn("PieceBack").size(), 0);
    QCOMPARE(m_fakes->scheduler.pendingCount(m_board.get(), "didOK"), 0);
}

void TestBoardRendering::laterPassesKeepTheFinalPicture_data()
{
    QTest::addColumn<bool>("userWins");
    QTest::addColumn<QString>("text");
    QTest::newRow("after a win") << true << "You won";
    QTest::newRow("after a loss") << false << "You lost";
}

// Regression: a pass once the result is shown (the window uncovered or resized) used to strip the board down to
// the columns and a stray message; it must redraw the announcing picture without its effects.
void TestBoardRendering::laterPassesKeepTheFinalPicture()
{
    QFETCH(bool, userWins);
    QFETCH(QString, text);
    chooseByKeys({7, 2, 0, 9});
    m_fakes->scheduler.advance(1.0);
    m_controller->setMacCurrentHitsCount(userWins ? 0 : 4);
    m_controller->setMacCurrentBlowsCount(0);
    m_controller->setGameStatus(GameStatusUserTurn);
    typeKeys({"3", "9", "5", userWins ? "1" : "2"});
    guess(userWins ? kMacSecret : NumberSet{3, 9, 5, 2});
    const RecordingCanvas announcing = pass();
    QCOMPARE(m_controller->gameStatus(), int(GameStatusResultShown));
    m_fakes->sounds.played.clear();

    for (int later = 0; later < 2; ++later) {
        const RecordingCanvas redrawn = pass();
        QCOMPARE(m_controller->gameStatus(), int(GameStatusResultShown));
        QCOMPARE(m_fakes->sounds.played, QStringList());
        QCOMPARE(m_fakes->scheduler.pendingCount(), 0);
        QCOMPARE(redrawn.imageNames(), announcing.imageNames());
        QVERIFY(redrawn.calls == announcing.calls);
        QCOMPARE(redrawn.drawn(localizedString(text.toUtf8().constData())).size(), 1);
        QCOMPARE(redrawn.drawn(localizedString("Result is...")).first().point, QPointF(210, 330));
        QVERIFY(redrawn.imageNames().contains("Piece7B"));
        QVERIFY(redrawn.imageNames().contains("OKBtnUp"));
    }
}
