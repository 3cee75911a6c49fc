#include "GameBoardView.h"
#include "HitBlowController.h"
#include "PrefWindowController.h"
#include "platform/Localization.h"
#include "platform/PainterCanvas.h"
#include "platform/UserDefaults.h"

#include "Fakes.h"
#include "StoredDefaults.h"
#include "RecordingCanvas.h"

#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QTest>

Q_DECLARE_METATYPE(NumberSet)
Q_DECLARE_METATYPE(std::vector<int>)
Q_DECLARE_METATYPE(std::vector<NumberSet>)

namespace {
constexpr NumberSet kMacSecret{3, 9, 5, 1}; // index 1989 of the full list
constexpr NumberSet kMissingGuess{4, 5, 6, 7}; // one blow against kMacSecret
const QColor kWhite(255, 255, 255);
const QColor kYellow(255, 255, 0);
const QColor kRed(255, 0, 0);

// Where the recording canvas puts a text of this many characters centred on centreX.
double centredX(double centreX, double fontSize, int characters)
{
    return centreX - float(0.6 * fontSize * characters) / 2;
}

QString digitsOf(const NumberSet &numbers)
{
    QString text;
    for (int digit : numbers)
        text += QString::number(digit);
    return text;
}
} // namespace

// Drawing passes of the board onto a recording canvas, with a real match controller and settings
// and fake services; the match is moved on through the controller's setters, the board's own
// input state through its key handler.
class TestBoardRendering : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void titleScreen();
    void choosingShowsTakenPiecesInTheUserRow();
    void runningMatchHidesTheMacSecret_data();
    void runningMatchHidesTheMacSecret();
    void cursorBarLiesUnderTheTypedEntries_data();
    void cursorBarLiesUnderTheTypedEntries();
    void lastChanceMessageAloneIsRed_data();
    void lastChanceMessageAloneIsRed();
    void scoredGuessSchedulesOneOKPerPass_data();
    void scoredGuessSchedulesOneOKPerPass();
    void resultIsAnnouncedOnce_data();
    void resultIsAnnouncedOnce();
    void laterPassesKeepTheFinalPicture_data();
    void laterPassesKeepTheFinalPicture();
    void recordColumnsHangFromTheSameTop();
    void candidatesDisplayOnlyWhenVisibleIsOne_data();
    void candidatesDisplayOnlyWhenVisibleIsOne();
    void pieceImageNames_data();
    void pieceImageNames();
    void recordTexts_data();
    void recordTexts();
    void textsMeasureInBoardUnits_data();
    void textsMeasureInBoardUnits();
    void shadowFallsBelowTheText();
    void paintedBoardShowsTheResult_data();
    void paintedBoardShowsTheResult();

private:
    RecordingCanvas pass();
    void loadSettings(std::initializer_list<std::pair<const char *, QVariant>> values);
    void typeKeys(const QStringList &keys);
    // A new match whose secret the user chose on the board by keys; ends in status 2.
    void chooseByKeys(const NumberSet &userSecret);
    // A new match whose secret went straight to the controller; ends at the computer's first
    // guess, in status 3.
    void startMatch(const NumberSet &userSecret);
    void scoreMacGuessTruly(const NumberSet &userSecret);
    void guess(const NumberSet &answer);
    // Plays rounds of kMissingGuess until the match reaches status, winning in status 6.
    void playUntil(GameStatus status);
    QList<CanvasCall> columnCalls(const RecordingCanvas &canvas) const;

    std::unique_ptr<FakeServices> m_fakes;
    std::unique_ptr<PrefWindowController> m_prefs;
    std::unique_ptr<HitBlowController> m_controller;
    std::unique_ptr<GameBoardView> m_board;
};

void TestBoardRendering::init()
{
    openUserDefaults()->clear();
    m_fakes = std::make_unique<FakeServices>();
    m_prefs = std::make_unique<PrefWindowController>();
    m_prefs->awakeFromNib();
    m_controller = std::make_unique<HitBlowController>(m_fakes->services());
    m_board = std::make_unique<GameBoardView>(m_fakes->services());
    m_controller->setGameBoardView(m_board.get());
    m_controller->setPrefWindowController(m_prefs.get());
    m_board->setHitBlowController(m_controller.get());
    m_board->setPrefWindowController(m_prefs.get());
    m_controller->awakeFromNib();
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
    QVERIFY(message.text.startsWith("Version.1.0.1 "));
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

// Regression: a pass in status 7 (the window uncovered or resized) used to strip the board down to
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

void TestBoardRendering::recordColumnsHangFromTheSameTop()
{
    // Three computer guesses, two of them scored, and two user guesses.
    const NumberSet userSecret{7, 2, 0, 9};
    startMatch(userSecret);
    for (int round = 0; round < 2; ++round) {
        scoreMacGuessTruly(userSecret);
        guess(kMissingGuess);
        m_controller->setGameStatus(GameStatusMacTurn);
    }
    QCOMPARE(m_controller->gameStatus(), int(GameStatusCheckHitBlow));

    const RecordingCanvas canvas = pass();
    const QList<CanvasCall> columns = columnCalls(canvas);
    QCOMPARE(columns.size(), 6);
    const QList<double> xs{21, 74, 99, 486, 568, 605};
    const QList<double> sizes{14, 14, 14, 22, 22, 22};
    const QList<int> lineCounts{3, 2, 2, 2, 2, 2};
    for (int c = 0; c < 6; ++c) {
        const CanvasCall &column = columns[c];
        QCOMPARE(column.point.x(), xs[c]);
        QCOMPARE(column.style, (TextStyle{sizes[c], kWhite}));
        QCOMPARE(int(column.name.count('\n')) + 1, lineCounts[c]);
        QCOMPARE(column.point.y() + lineCounts[c] * sizes[c] * 1.2, 450.0);
    }
    QCOMPARE(columns[0].name.section('\n', 0, 0), digitsOf(m_controller->macFormerAnswers().front()));
    QCOMPARE(columns[3].name, QString("4567\n4567"));
    QCOMPARE(columns[4].name, QString("0\n0"));
    QCOMPARE(columns[5].name, QString("1\n1"));
}

void TestBoardRendering::candidatesDisplayOnlyWhenVisibleIsOne_data()
{
    QTest::addColumn<int>("visible");
    QTest::addColumn<int>("status");
    QTest::addColumn<bool>("shown");
    QTest::newRow("title") << 1 << int(GameStatusTitle) << false;
    QTest::newRow("choosing") << 1 << int(GameStatusChooseNumbers) << false;
    QTest::newRow("computer's turn") << 1 << int(GameStatusMacTurn) << true;
    QTest::newRow("user's score") << 1 << int(GameStatusUserResult) << true;
    QTest::newRow("game over") << 1 << int(GameStatusGameOver) << true;
    QTest::newRow("switched off") << 0 << int(GameStatusCheckHitBlow) << false;
    QTest::newRow("2 is not on") << 2 << int(GameStatusUserTurn) << false;
    QTest::newRow("-1 is not on") << -1 << int(GameStatusUserResult) << false;
}

void TestBoardRendering::candidatesDisplayOnlyWhenVisibleIsOne()
{
    QFETCH(int, visible);
    QFETCH(int, status);
    QFETCH(bool, shown);
    loadSettings({{"CandidatesVisible", visible}});
    playUntil(GameStatus(status));
    const QString count = QString::number(m_controller->restCandidatesCount());

    const RecordingCanvas canvas = pass();
    const QList<CanvasCall> labels = canvas.drawn(localizedString("The Rest Candidates Count"));
    const QList<CanvasCall> counts = canvas.textsAt(QPointF(12, 57));
    QCOMPARE(labels.size(), shown ? 1 : 0);
    QCOMPARE(counts.size(), shown ? 1 : 0);
    // No empty box is left where the count would be.
    QCOMPARE(canvas.drawn("CandidatesBox").size(), shown ? 1 : 0);
    if (shown) {
        QCOMPARE(labels.first().point, QPointF(12, 78));
        QCOMPARE(labels.first().style, (TextStyle{9, kWhite}));
        QCOMPARE(counts.first().name, count);
        QCOMPARE(counts.first().style, (TextStyle{15, kWhite}));
    }
}

void TestBoardRendering::pieceImageNames_data()
{
    QTest::addColumn<int>("status");
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("name");
    QTest::newRow("choosing") << int(GameStatusChooseNumbers) << 3 << "Piece3B";
    QTest::newRow("choosing zero") << int(GameStatusChooseNumbers) << 0 << "Piece0B";
    QTest::newRow("computer's turn") << int(GameStatusMacTurn) << 9 << "Piece9";
    QTest::newRow("checking") << int(GameStatusCheckHitBlow) << 4 << "Piece4";
    QTest::newRow("user's turn") << int(GameStatusUserTurn) << 0 << "Piece0";
    QTest::newRow("user's score") << int(GameStatusUserResult) << 7 << "Piece7";
    QTest::newRow("game over") << int(GameStatusGameOver) << 5 << "Piece5B";
    QTest::newRow("above 9 is hidden") << int(GameStatusUserTurn) << 10 << "PieceBack";
    QTest::newRow("hidden while choosing") << int(GameStatusChooseNumbers) << 42 << "PieceBack";
    QTest::newRow("taken slot") << int(GameStatusChooseNumbers) << -1 << "";
    QTest::newRow("negative") << int(GameStatusGameOver) << -7 << "";
}

void TestBoardRendering::pieceImageNames()
{
    QFETCH(int, status);
    QFETCH(int, number);
    QFETCH(QString, name);
    playUntil(GameStatus(status));
    QCOMPARE(m_board->imageNameFrom(number), name);
}

void TestBoardRendering::recordTexts_data()
{
    QTest::addColumn<std::vector<int>>("numbers");
    QTest::addColumn<std::vector<NumberSet>>("guesses");
    QTest::addColumn<QString>("numbersText");
    QTest::addColumn<QString>("guessesText");
    QTest::newRow("empty") << std::vector<int>{} << std::vector<NumberSet>{} << "" << "";
    QTest::newRow("one") << std::vector<int>{3} << std::vector<NumberSet>{{0, 1, 2, 3}} << "3" << "0123";
    QTest::newRow("several") << std::vector<int>{1, 0, 12} << std::vector<NumberSet>{{1, 2, 3, 4}, {5, 6, 7, 8}}
                             << "1\n0\n12" << "1234\n5678";
}

void TestBoardRendering::recordTexts()
{
    QFETCH(std::vector<int>, numbers);
    QFETCH(std::vector<NumberSet>, guesses);
    QFETCH(QString, numbersText);
    QFETCH(QString, guessesText);
    QCOMPARE(m_board->stringFromNumbersArray(numbers), numbersText);
    QCOMPARE(m_board->stringFromArraysArray(guesses), guessesText);

    // Each number becomes a text with the style the board holds at the call.
    pass();
    const std::vector<StyledText> texts = m_board->stringsArrayFromNumbersArray(numbers);
    QCOMPARE(texts.size(), numbers.size());
    for (size_t i = 0; i < texts.size(); ++i) {
        QCOMPARE(texts[i].text, QString::number(numbers[i]));
        QCOMPARE(texts[i].style, m_board->fontStyle());
    }
}

void TestBoardRendering::textsMeasureInBoardUnits_data()
{
    QTest::addColumn<double>("size");
    QTest::newRow("candidates label") << 9.0;
    QTest::newRow("message") << 14.0;
    QTest::newRow("user records") << 22.0;
    QTest::newRow("guess digits") << 46.0;
    QTest::newRow("result") << 60.0;
}

// Sizes are board units, never points: a point size would make every text a third larger at 96
// dpi and push the sixteenth record line off the board.
void TestBoardRendering::textsMeasureInBoardUnits()
{
    QFETCH(double, size);
    QImage image(64, 48, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    const ImageLibrary images;
    PainterCanvas canvas(painter, QTransform(0.1, 0, 0, -0.1, 0, 48), images);

    const QSizeF line = canvas.measureText(StyledText{"0123456789", TextStyle{size, kWhite}});
    QVERIFY2(line.height() >= size && line.height() <= 1.3 * size, qPrintable(QString::number(line.height())));
    QVERIFY(line.width() >= 4 * size && line.width() <= 7 * size);
    QStringList sixteen;
    for (int i = 0; i < 16; ++i)
        sixteen << "0123";
    const QSizeF column = canvas.measureText(StyledText{sixteen.join('\n'), TextStyle{size, kWhite}});
    QVERIFY(column.height() > 15 * line.height() && column.height() < 17 * line.height());
    QCOMPARE(column.width(), canvas.measureText(StyledText{"0123", TextStyle{size, kWhite}}).width());
    if (size == 22.0)
        QVERIFY2(column.height() < 450 - 20, qPrintable(QString::number(column.height())));
    QCOMPARE(canvas.measureText(StyledText{"", TextStyle{size, kWhite}}), QSizeF(0, 0));
}

void TestBoardRendering::shadowFallsBelowTheText()
{
    // A 640 x 480 board at one pixel per unit on white; the text's box stands on y = 200.
    const ImageLibrary images;
    const StyledText text{"Draw", TextStyle{60, kYellow}};
    const TextShadow shadow{QPointF(0, -8), 6, QColor::fromRgbF(0, 0, 0, 0.7f)};
    double boxHeight = 0;
    auto render = [&](const TextShadow &castShadow) {
        QImage image(640, 480, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::white);
        QPainter painter(&image);
        PainterCanvas canvas(painter, QTransform(1, 0, 0, -1, 0, 480), images);
        canvas.drawText(text, QPointF(200, 200), castShadow);
        boxHeight = canvas.measureText(text).height();
        return image;
    };
    const QImage plain = render({});
    const QImage shadowed = render(shadow);
    // Darkening summed over the rows just below the box and just above it.
    auto darkening = [&](int fromY, int toY) {
        qint64 sum = 0;
        for (int y = fromY; y < toY; ++y) {
            for (int x = 150; x < 450; ++x)
                sum += qGray(plain.pixel(x, y)) - qGray(shadowed.pixel(x, y));
        }
        return sum;
    };
    const int boxBottom = 480 - 200;
    const int boxTop = boxBottom - int(boxHeight);
    QVERIFY(darkening(0, boxTop - 4) == 0);
    QVERIFY(darkening(boxBottom - 20, boxBottom + 20) > 1000);
    // The text itself keeps its colour over the shadow.
    int yellowPixels = 0;
    for (int y = boxTop; y < boxBottom; ++y) {
        for (int x = 150; x < 450; ++x)
            yellowPixels += shadowed.pixel(x, y) == QColor(kYellow).rgb();
    }
    QVERIFY(yellowPixels > 100);
}

void TestBoardRendering::paintedBoardShowsTheResult_data()
{
    QTest::addColumn<double>("ratio");
    QTest::newRow("standard screen") << 1.0;
    QTest::newRow("2x screen") << 2.0;
}

void TestBoardRendering::paintedBoardShowsTheResult()
{
    QFETCH(double, ratio);
    playUntil(GameStatusGameOver);
    pass();
    m_fakes->sounds.played.clear();
    QCOMPARE(m_controller->gameStatus(), int(GameStatusResultShown));

    // A window wider than the board: the board is centred, 80 units of dark margin either side.
    m_board->resize(800, 480);
    QImage image(QSize(800, 480) * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::magenta);
    m_board->render(&image);
    QCOMPARE(m_controller->gameStatus(), int(GameStatusResultShown));
    QCOMPARE(m_fakes->sounds.played, QStringList());

    const QColor margin = image.pixelColor(QPoint(10, 240) * ratio);
    QVERIFY(margin.lightness() < 60);
    QCOMPARE(image.pixelColor(QPoint(790, 10) * ratio), margin);
    // "You won" in yellow, centred on x = 320 + 80 from y = 220 upwards (widget y 260 downwards).
    int yellowPixels = 0;
    for (int y = int(190 * ratio); y < int(260 * ratio); ++y) {
        for (int x = int(300 * ratio); x < int(500 * ratio); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            yellowPixels += pixel.red() > 240 && pixel.green() > 240 && pixel.blue() < 40;
        }
    }
    QVERIFY2(yellowPixels > 300 * ratio * ratio, qPrintable(QString::number(yellowPixels)));
}

QTEST_MAIN(TestBoardRendering)
#include "tst_boardrendering.moc"
