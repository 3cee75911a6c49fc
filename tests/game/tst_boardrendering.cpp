// SPDX-License-Identifier: GPL-3.0-or-later
#include "BoardRenderingTest.h"

void TestBoardRendering::init()
{
    openUserDefaults()->clear();
    m_fakes = std::make_unique<FakeServices>();
    wireGame(m_fakes->services(), m_prefs, m_controller, m_board);
}

void TestBoardRendering::cleanup()
{
    m_board.reset();
    m_controller.reset();
    m_prefs.reset();
    m_fakes.reset();
}

RecordingCanvas TestBoardRendering::pass()
{
    RecordingCanvas canvas;
    m_board->drawRect(canvas);
    return canvas;
}

void TestBoardRendering::loadSettings(std::initializer_list<std::pair<const char *, QVariant>> values)
{
    storeUserDefaults(values);
    m_prefs->awakeFromNib();
}

void TestBoardRendering::typeKeys(const QStringList &keys)
{
    for (const QString &key : keys)
        m_board->keyDown(key, key);
}

void TestBoardRendering::chooseByKeys(const NumberSet &userSecret)
{
    m_fakes->random.queued = {1989};
    m_controller->newGame();
    for (int digit : userSecret)
        typeKeys({QString::number(digit)});
    QCOMPARE(m_controller->gameStatus(), int(GameStatusMacTurn));
}

void TestBoardRendering::startMatch(const NumberSet &userSecret)
{
    m_fakes->random.queued = {1989};
    m_controller->newGame();
    m_controller->setUserOwnNumbers(userSecret);
    m_controller->setGameStatus(GameStatusMacTurn);
    m_fakes->scheduler.advance(1.0);
    QCOMPARE(m_controller->gameStatus(), int(GameStatusCheckHitBlow));
}

void TestBoardRendering::scoreMacGuessTruly(const NumberSet &userSecret)
{
    const HitBlowResult score = NumberComparer().checkHitsBlowsIn(userSecret, *m_controller->macCurrentAnswer());
    QVERIFY(score.hits < 4);
    m_controller->setMacCurrentHitsCount(score.hits);
    m_controller->setMacCurrentBlowsCount(score.blows);
    m_controller->setGameStatus(GameStatusUserTurn);
}

void TestBoardRendering::guess(const NumberSet &answer)
{
    QCOMPARE(m_controller->gameStatus(), int(GameStatusUserTurn));
    m_controller->setUserCurrentAnswer(answer);
    m_controller->setGameStatus(GameStatusUserResult);
}

void TestBoardRendering::playUntil(GameStatus status)
{
    const NumberSet userSecret{7, 2, 0, 9};
    if (status == GameStatusTitle)
        return;
    m_fakes->random.queued = {1989};
    m_controller->newGame();
    if (status == GameStatusChooseNumbers)
        return;
    m_controller->setUserOwnNumbers(userSecret);
    m_controller->setGameStatus(GameStatusMacTurn);
    if (status == GameStatusMacTurn)
        return;
    m_fakes->scheduler.advance(1.0);
    if (status == GameStatusCheckHitBlow)
        return;
    scoreMacGuessTruly(userSecret);
    if (status == GameStatusUserTurn)
        return;
    guess(status == GameStatusUserResult ? kMissingGuess : kMacSecret);
    if (status == GameStatusResultShown)
        m_controller->setGameStatus(GameStatusResultShown);
    QCOMPARE(m_controller->gameStatus(), status);
}

QList<CanvasCall> TestBoardRendering::columnCalls(const RecordingCanvas &canvas) const
{
    static const QList<double> columnXs{21, 74, 99, 486, 568, 605};
    QList<CanvasCall> found;
    for (const CanvasCall &call : canvas.ofKind(CanvasCall::Text)) {
        if (columnXs.contains(call.point.x()))
            found << call;
    }
    return found;
}

void TestBoardRendering::titleScreen()
{
    const RecordingCanvas canvas = pass();

    QCOMPARE(canvas.imageNames(), QStringList({"GameBoardB", "HitBlowLogo"}));
    QCOMPARE(canvas.drawn("GameBoardB").first().point, QPointF(0, 0));
    QCOMPARE(canvas.drawn("HitBlowLogo").first().point, QPointF(138, 99));

    const StyledText &message = m_board->messageStr();
    QVERIFY(message.text.startsWith("Version." HITBLOW_VERSION " "));
    QVERIFY(message.text.size() > 20);
    const QList<CanvasCall> drawnMessage = canvas.drawn(message.text);
    QCOMPARE(drawnMessage.size(), 1);
    QCOMPARE(drawnMessage.first().style, (TextStyle{10, kWhite}));
    QCOMPARE(drawnMessage.first().point, QPointF(centredX(320, 10, int(message.text.size())), 90));

    // No candidates display, even though it is switched on; the (empty) columns hang from 450.
    QCOMPARE(m_prefs->candidatesVisible(), 1);
    for (const CanvasCall &call : canvas.calls)
        QVERIFY2(call.point.x() != 12, qPrintable(call.name));
    const QList<CanvasCall> columns = columnCalls(canvas);
    QCOMPARE(columns.size(), 6);
    for (const CanvasCall &call : columns) {
        QCOMPARE(call.name, QString());
        QCOMPARE(call.point.y(), 450.0);
    }
}

void TestBoardRendering::choosingShowsTakenPiecesInTheUserRow()
{
    m_fakes->random.queued = {1989};
    m_controller->newGame();
    typeKeys({"7", "2"});

    const RecordingCanvas canvas = pass();
    QList<std::pair<QString, QPointF>> expected{{"GameBoardB", {0, 0}}};
    for (int digit = 0; digit < 10; ++digit) {
        if (digit != 7 && digit != 2)
            expected.append({QStringLiteral("Piece%1B").arg(digit), QPointF(m_board->choiceOrigins()[digit])});
    }
    expected.append({"Piece7B", {168, 50}});
    expected.append({"Piece2B", {230, 50}});
    QList<std::pair<QString, QPointF>> drawn;
    for (const CanvasCall &call : canvas.ofKind(CanvasCall::Image))
        drawn.append({call.name, call.point});
    QCOMPARE(drawn, expected);

    const QString message = localizedString("Chose Your Numbers");
    QCOMPARE(canvas.drawn(message).size(), 1);
    QCOMPARE(canvas.drawn(message).first().point, QPointF(centredX(320, 14, int(message.size())), 152));
    QCOMPARE(canvas.drawn(message).first().style, (TextStyle{14, kWhite}));
}

void TestBoardRendering::runningMatchHidesTheMacSecret_data()
{
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("centred");
    QTest::newRow("computer's turn") << int(GameStatusMacTurn) << "It's Mac's Turn" << true;
    QTest::newRow("checking its guess") << int(GameStatusCheckHitBlow) << "Check Hit & Blow" << true;
    QTest::newRow("user's turn") << int(GameStatusUserTurn) << "It's Your Turn" << true;
    QTest::newRow("user's score") << int(GameStatusUserResult) << "Result is..." << false;
}

void TestBoardRendering::runningMatchHidesTheMacSecret()
{
    QFETCH(int, status);
    QFETCH(QString, message);
    QFETCH(bool, centred);
    const NumberSet userSecret{7, 2, 0, 9};
    chooseByKeys(userSecret);
    if (status >= GameStatusCheckHitBlow)
        m_fakes->scheduler.advance(1.0);
    if (status >= GameStatusUserTurn)
        scoreMacGuessTruly(userSecret);
    if (status >= GameStatusUserResult)
        guess(kMissingGuess);
    QCOMPARE(m_controller->gameStatus(), status);

    const RecordingCanvas canvas = pass();
    const QStringList names = canvas.imageNames();
    QCOMPARE(names.first(), QString("GameBoard"));
    QCOMPARE(canvas.drawn("OKBtnUp").size(), 1);
    QCOMPARE(canvas.drawn("OKBtnUp").first().point, QPointF(335, 258));
    const QList<CanvasCall> hidden = canvas.drawn("PieceBack");
    QCOMPARE(hidden.size(), 4);
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(hidden[i].point, QPointF(168 + 62 * i, 360));
        const QString userPiece = QStringLiteral("Piece%1").arg(userSecret[i]);
        QCOMPARE(canvas.drawn(userPiece).size(), 1);
        QCOMPARE(canvas.drawn(userPiece).first().point, QPointF(168 + 62 * i, 50));
    }
    QCOMPARE(names.filter(QRegularExpression("^Piece\\dB$")), QStringList());

    const QString shown = localizedString(message.toUtf8().constData());
    QCOMPARE(m_board->messageStr().text, shown);
    QCOMPARE(canvas.drawn(shown).size(), 1);
    const QPointF expectedAt = centred ? QPointF(centredX(292, 14, int(shown.size())), 152) : QPointF(210, 330);
    QCOMPARE(canvas.drawn(shown).first().point, expectedAt);
}

void TestBoardRendering::cursorBarLiesUnderTheTypedEntries_data()
{
    QTest::addColumn<int>("status");
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<QRectF>("bar");
    QTest::newRow("first count") << int(GameStatusCheckHitBlow) << QStringList() << QRectF(213, 266, 33, 3);
    QTest::newRow("second count") << int(GameStatusCheckHitBlow) << QStringList{"2"} << QRectF(281, 266, 33, 3);
    QTest::newRow("first digit") << int(GameStatusUserTurn) << QStringList() << QRectF(175, 195, 33, 3);
    QTest::newRow("last digit") << int(GameStatusUserTurn) << QStringList{"1", "2", "3"} << QRectF(379, 195, 33, 3);
}

void TestBoardRendering::cursorBarLiesUnderTheTypedEntries()
{
    QFETCH(int, status);
    QFETCH(QStringList, keys);
    QFETCH(QRectF, bar);
    playUntil(GameStatus(status));
    typeKeys(keys);

    const RecordingCanvas canvas = pass();
    const QList<CanvasCall> rects = canvas.ofKind(CanvasCall::Rect);
    QCOMPARE(rects.size(), 1);
    QCOMPARE(rects.first().rect, bar);
    QCOMPARE(rects.first().color, kYellow);

    const int barIndex = int(canvas.calls.indexOf(rects.first()));
    const bool counts = status == GameStatusCheckHitBlow;
    for (int k = 0; k < int(keys.size()); ++k) {
        const QPointF at = counts ? QPointF(218 + 68 * k, 264) : QPointF(175 + 68 * k, 190);
        const QList<CanvasCall> typed = canvas.textsAt(at);
        QCOMPARE(typed.size(), 1);
        QCOMPARE(typed.first().name, keys[k]);
        QCOMPARE(typed.first().style, (TextStyle{counts ? 34.0 : 46.0, kWhite}));
        QVERIFY(canvas.calls.indexOf(typed.first()) > barIndex);
    }
    if (counts) {
        // The computer's guess stands where the user's digits go later, drawn before the bar.
        const NumberSet macGuess = *m_controller->macCurrentAnswer();
        for (int j = 0; j < 4; ++j) {
            const QList<CanvasCall> digit = canvas.textsAt(QPointF(175 + 68 * j, 190));
            QCOMPARE(digit.size(), 1);
            QCOMPARE(digit.first().name, QString::number(macGuess[j]));
            QCOMPARE(digit.first().style, (TextStyle{46, kWhite}));
            QVERIFY(canvas.calls.indexOf(digit.first()) < barIndex);
        }
    }
}

void TestBoardRendering::lastChanceMessageAloneIsRed_data()
{
    QTest::addColumn<int>("macHits");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("last chance") << 4 << "It's Your Last Chance" << kRed;
    QTest::newRow("ordinary turn") << 3 << "It's Your Turn" << kWhite;
}

void TestBoardRendering::lastChanceMessageAloneIsRed()
{
    QFETCH(int, macHits);
    QFETCH(QString, message);
    QFETCH(QColor, colour);
    startMatch({7, 2, 0, 9});
    m_controller->setMacCurrentHitsCount(macHits);
    m_controller->setMacCurrentBlowsCount(0);
    m_controller->setGameStatus(GameStatusUserTurn);

    RecordingCanvas canvas = pass();
    const QString shown = localizedString(message.toUtf8().constData());
    QCOMPARE(canvas.drawn(shown).size(), 1);
    QCOMPARE(canvas.drawn(shown).first().color, colour);
    QCOMPARE(canvas.drawn(shown).first().point, QPointF(centredX(292, 14, int(shown.size())), 152));
    for (const CanvasCall &call : columnCalls(canvas))
        QCOMPARE(call.color, kWhite);
    QCOMPARE(m_board->fontStyle().color, kWhite);

    // The next message is white again.
    guess({0, 1, 2, 4});
    canvas = pass();
    const QString result = localizedString("Result is...");
    QCOMPARE(canvas.drawn(result).size(), 1);
    QCOMPARE(canvas.drawn(result).first().color, kWhite);
    QCOMPARE(canvas.drawn(result).first().point, QPointF(210, 330));
}

QTEST_MAIN(TestBoardRendering)
