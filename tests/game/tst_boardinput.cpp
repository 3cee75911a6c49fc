// SPDX-License-Identifier: GPL-3.0-or-later
#include "BoardInputTest.h"

void TestBoardInput::init()
{
    openUserDefaults()->clear();
    m_fakes = std::make_unique<FakeServices>();
    m_fakes->alert.onShown = [this] { m_soundsAtAlert = m_fakes->sounds.played; };
    wireGame(m_fakes->services(), m_prefs, m_controller, m_board);
}

void TestBoardInput::cleanup()
{
    m_board.reset();
    m_controller.reset();
    m_prefs.reset();
    m_fakes.reset();
    m_soundsAtAlert.clear();
}

// Plays space-separated user actions: a digit types it, "kp7" types it on the keypad, "ret",
// "ent" and "lf" (Ctrl+J) are the OK keys, "bs", "del", "left", "right" the editing keys, "tick"
// lets 0.05 s pass, "px,y" and "rx,y" press and release the left button at a board point, "Px,y"
// and "Rx,y" the right one.
void TestBoardInput::play(const QString &script, GameBoardView *board)
{
    board = board ? board : m_board.get();
    static const QHash<QString, Qt::Key> keys{
        {"ret", Qt::Key_Return}, {"bs", Qt::Key_Backspace}, {"del", Qt::Key_Delete},
        {"left", Qt::Key_Left}, {"right", Qt::Key_Right}};
    for (const QString &token : script.split(u' ', Qt::SkipEmptyParts)) {
        const QChar first = token.front();
        if (first.isDigit()) {
            QTest::keyClick(board, Qt::Key(Qt::Key_0 + token.toInt()));
        } else if (token.startsWith(u"kp")) {
            QTest::keyClick(board, Qt::Key(Qt::Key_0 + token.mid(2).toInt()), Qt::KeypadModifier);
        } else if (token == u"ent") {
            QTest::sendKeyEvent(QTest::Click, board, Qt::Key_Enter, QStringLiteral("\r"), Qt::KeypadModifier);
        } else if (token == u"lf") {
            QTest::sendKeyEvent(QTest::Click, board, Qt::Key_J, QStringLiteral("\n"), Qt::ControlModifier);
        } else if (token == u"tick") {
            m_fakes->scheduler.advance(0.05);
        } else if (token == u"pause") {
            m_fakes->scheduler.advance(1.0);
        } else if (token == u"new") {
            m_controller->newGame();
        } else if (token.contains(u'+')) {
            static const QHash<QString, Qt::KeyboardModifier> chords{
                {"alt", Qt::AltModifier}, {"ctrl", Qt::ControlModifier}, {"meta", Qt::MetaModifier}};
            const QStringList parts = token.split(u'+');
            QTest::keyClick(board, Qt::Key(Qt::Key_0 + parts[1].toInt()), chords.value(parts[0]));
        } else if (keys.contains(token)) {
            QTest::keyClick(board, keys.value(token));
        } else {
            const QStringList xy = token.mid(1).split(u',');
            QVERIFY2(xy.size() == 2 && QStringLiteral("prPR").contains(first), qPrintable(token));
            const QPoint at = board->boardTransform().map(QPointF(xy[0].toDouble(), xy[1].toDouble())).toPoint();
            const Qt::MouseButton button = first.isUpper() ? Qt::RightButton : Qt::LeftButton;
            if (first.toLower() == u'p')
                QTest::mousePress(board, button, {}, at);
            else
                QTest::mouseRelease(board, button, {}, at);
        }
    }
}

// Plays a match up to the status; the user's guess in the user's result is 1 2 3 4, at the game's end the
// computer's secret. Sounds heard on the way are forgotten.
void TestBoardInput::reach(GameStatus status, const QString &secret)
{
    if (status >= GameStatusChooseNumbers) {
        m_fakes->random.queued = {1989, 0};
        m_controller->newGame();
    }
    if (status >= GameStatusMacTurn)
        play(secret);
    if (status >= GameStatusCheckHitBlow)
        m_fakes->scheduler.advance(1.0);
    if (status >= GameStatusUserTurn)
        play("ret tick");
    if (status == GameStatusUserResult)
        play("1 2 3 4 ret tick");
    if (status >= GameStatusGameOver)
        play("3 9 5 1 ret tick");
    if (status == GameStatusResultShown)
        m_controller->setGameStatus(GameStatusResultShown);
    QCOMPARE(m_controller->gameStatus(), status);
    m_fakes->sounds.played.clear();
}

void TestBoardInput::loadSettings(std::initializer_list<std::pair<const char *, QVariant>> values)
{
    storeUserDefaults(values);
    m_prefs->awakeFromNib();
}

QString TestBoardInput::slotsText() const
{
    QString text;
    for (int digit : m_board->userNumbers())
        text += digit < 0 ? QChar(u'-') : QChar(u'0' + digit);
    return text;
}

QStringList TestBoardInput::texts(const std::vector<StyledText> &entries)
{
    QStringList list;
    for (const StyledText &entry : entries)
        list << entry.text;
    return list;
}

void TestBoardInput::chooseByKeys_data()
{
    QTest::addColumn<int>("soundMode");
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("numbers");
    QTest::addColumn<int>("status");
    QTest::newRow("four digits in order") << 1 << "7 3 0 9" << "7309" << 2;
    QTest::newRow("keypad digits") << 1 << "kp7 kp3 kp0 kp9" << "7309" << 2;
    QTest::newRow("digit already taken") << 1 << "7 7 3" << "73--" << 1;
    QTest::newRow("silent") << 0 << "7 3 0 9" << "7309" << 2;
    QTest::newRow("other keys") << 1 << "left right del ret tick" << "----" << 1;
    QTest::newRow("chords are no digits") << 1 << "alt+7 ctrl+3 meta+0 alt+9" << "----" << 1;
}

void TestBoardInput::chooseByKeys()
{
    QFETCH(int, soundMode);
    QFETCH(QString, script);
    QFETCH(QString, numbers);
    QFETCH(int, status);
    loadSettings({{"SoundMode", soundMode}});
    reach(GameStatusChooseNumbers);

    play(script);
    QCOMPARE(slotsText(), numbers);
    QCOMPARE(m_controller->gameStatus(), status);
    const qsizetype chosen = numbers.size() - numbers.count(u'-');
    QCOMPARE(m_fakes->sounds.played, QStringList(soundMode == 1 ? chosen : 0, "gashu"));
    for (int digit = 0; digit < 10; ++digit)
        QCOMPARE(m_board->restChoices()[digit], numbers.contains(QChar(u'0' + digit)) ? -1 : digit);
    if (status == GameStatusMacTurn)
        QCOMPARE(*m_controller->userOwnNumbers(), (NumberSet{7, 3, 0, 9}));
}

void TestBoardInput::chooseByMouse_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("numbers");
    QTest::addColumn<int>("releaseSounds");
    const QSize plain(640, 480), letterboxed(840, 480), doubled(1280, 960);
    // Centres: 4 at (320, 299), 5 at (382, 299); pieces 1 and 2 share the column x = 320.
    QTest::newRow("released over another piece") << plain << "p382,299 r320,299" << "4---" << 1;
    QTest::newRow("letterboxed window") << letterboxed << "p382,299 r320,299" << "4---" << 1;
    QTest::newRow("window twice the size") << doubled << "p382,299 r320,299" << "4---" << 1;
    QTest::newRow("released beside every piece") << plain << "p382,299 r100,100" << "----" << 1;
    QTest::newRow("release without a press") << plain << "r320,299" << "----" << 0;
    QTest::newRow("pressed beside the pieces") << plain << "p100,100 r320,299" << "----" << 0;
    QTest::newRow("pressed on a taken piece") << plain << "5 p382,299 r320,299" << "5---" << 0;
    QTest::newRow("shared border: lower digit") << plain << "p320,357 r320,357" << "1---" << 1;
    QTest::newRow("shared border: higher once taken") << plain << "1 p320,357 r320,357" << "12--" << 1;
    QTest::newRow("corners are inside") << plain << "p289,389 r351,440" << "0---" << 1;
    QTest::newRow("half a unit below") << doubled << "p320,388.5 r320,388.5" << "----" << 0;
    QTest::newRow("half a unit left") << doubled << "p195.5,241 r195.5,241" << "----" << 0;
    QTest::newRow("right button") << plain << "P382,299 R382,299" << "----" << 0;
    QTest::newRow("fourth piece completes") << plain << "1 2 3 p320,299 r320,299" << "1234" << 1;
}

void TestBoardInput::chooseByMouse()
{
    QFETCH(QSize, size);
    QFETCH(QString, script);
    QFETCH(QString, numbers);
    QFETCH(int, releaseSounds);
    m_board->resize(size);
    reach(GameStatusChooseNumbers);

    play(script);
    QCOMPARE(slotsText(), numbers);
    QCOMPARE(m_board->choseNumberStatus(), 0);
    const QStringList tokens = script.split(u' ');
    const auto keySounds = std::count_if(tokens.begin(), tokens.end(), [](const QString &t) { return t.size() == 1; });
    QCOMPARE(m_fakes->sounds.played, QStringList(keySounds + releaseSounds, "gashu"));
    QCOMPARE(m_controller->gameStatus(), int(numbers.contains(u'-') ? GameStatusChooseNumbers : GameStatusMacTurn));
    if (!numbers.contains(u'-'))
        QCOMPARE(*m_controller->userOwnNumbers(), (NumberSet{1, 2, 3, 4}));
}

void TestBoardInput::takeBackWhileChoosing_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("numbers");
    QTest::addColumn<int>("takenBack");
    // The chosen pieces' centres: place 0 at (199, 100), 1 at (261, 100), 2 at (323, 100).
    QTest::newRow("backspace takes back the last") << "7 3 0 bs" << "73--" << 1;
    QTest::newRow("delete too, then another") << "7 3 del 5" << "75--" << 1;
    QTest::newRow("all of them, and once more") << "7 3 bs bs bs" << "----" << 2;
    QTest::newRow("a piece taken back can be chosen again") << "7 3 bs 3" << "73--" << 1;
    QTest::newRow("click returns a chosen piece") << "1 2 3 p261,100 r261,100" << "13--" << 1;
    QTest::newRow("released off it, the piece stays") << "1 2 p261,100 r100,300" << "12--" << 0;
    QTest::newRow("released on another chosen piece") << "1 2 3 p261,100 r323,100" << "123-" << 0;
    QTest::newRow("returned, the rest close up") << "1 2 3 p199,100 r199,100 4 5" << "2345" << 1;
    QTest::newRow("a handed-over secret stays") << "1 2 3 4 bs p199,100 r199,100" << "1234" << 0;
}

void TestBoardInput::takeBackWhileChoosing()
{
    QFETCH(QString, script);
    QFETCH(QString, numbers);
    QFETCH(int, takenBack);
    reach(GameStatusChooseNumbers);

    play(script);
    QCOMPARE(slotsText(), numbers);
    QCOMPARE(m_controller->gameStatus(), int(numbers.contains(u'-') ? GameStatusChooseNumbers : GameStatusMacTurn));
    for (int digit = 0; digit < 10; ++digit)
        QCOMPARE(m_board->restChoices()[digit], numbers.contains(QChar(u'0' + digit)) ? -1 : digit);
    QCOMPARE(m_fakes->sounds.played.count("gasa"), takenBack);
    if (!numbers.contains(u'-'))
        QCOMPARE(*m_controller->userOwnNumbers(), (NumberSet{numbers[0].digitValue(), numbers[1].digitValue(),
                                                             numbers[2].digitValue(), numbers[3].digitValue()}));
}

void TestBoardInput::toolTipsNameMarksAndCards_data()
{
    QTest::addColumn<int>("status");
    QTest::addColumn<QPointF>("at");
    QTest::addColumn<QString>("saying"); // empty: no tool tip
    QTest::newRow("hit mark over Mac's record") << 0 << QPointF(79, 461) << "Hits";
    QTest::newRow("blow mark over the user's record") << 0 << QPointF(613, 462) << "Blows";
    QTest::newRow("hit mark over the counts") << 3 << QPointF(230, 313) << "Hits";
    QTest::newRow("blow mark over the counts") << 3 << QPointF(298, 313) << "Blows";
    QTest::newRow("Mac's card") << 4 << QPointF(38, 461) << "Mac's guesses";
    QTest::newRow("the user's card") << 4 << QPointF(514, 461) << "Your guesses";
    QTest::newRow("Mac's pieces") << 4 << QPointF(300, 400) << "face down";
    QTest::newRow("no Mac's pieces on the title") << 0 << QPointF(300, 400) << "";
    QTest::newRow("the user's pieces while choosing") << 1 << QPointF(300, 90) << "take it back";
    QTest::newRow("the candidates box") << 4 << QPointF(60, 70) << "still considers";
    QTest::newRow("plain felt") << 4 << QPointF(450, 200) << "";
}

void TestBoardInput::toolTipsNameMarksAndCards()
{
    QFETCH(int, status);
    QFETCH(QPointF, at);
    QFETCH(QString, saying);
    reach(GameStatus(status));
    const QString tip = m_board->toolTipAt(at);
    QVERIFY2(saying.isEmpty() ? tip.isEmpty() : tip.contains(saying), qPrintable(tip));
}

void TestBoardInput::typing_data()
{
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("script");
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<int>("cursor");
    const int guess = GameStatusUserTurn, counts = GameStatusCheckHitBlow;
    QTest::newRow("fifth digit overwrites the fourth") << guess << "1 2 3 4 5" << QStringList{"1", "2", "3", "5"} << 3;
    QTest::newRow("typing overwrites inside") << guess << "1 2 3 left left 5" << QStringList{"1", "5", "3"} << 2;
    QTest::newRow("left wraps, gap filled") << guess << "left 8" << QStringList{"", "", "", "8"} << 3;
    QTest::newRow("right wraps") << guess << "1 2 3 4 right 9" << QStringList{"9", "2", "3", "4"} << 1;
    QTest::newRow("delete inside") << guess << "1 2 3 4 left left del" << QStringList{"1", "3", "4"} << 1;
    QTest::newRow("delete at the end") << guess << "1 2 3 bs" << QStringList{"1", "2"} << 2;
    QTest::newRow("delete erases backwards") << guess << "1 2 3 bs del bs" << QStringList{} << 0;
    QTest::newRow("delete beyond the end") << guess << "1 2 left left left del" << QStringList{"1"} << 1;
    QTest::newRow("delete on nothing") << guess << "left del" << QStringList{} << 0;
    QTest::newRow("refusal leaves blanks") << guess << "1 2 ret tick" << QStringList{"1", "2", "", ""} << 2;
    QTest::newRow("counts stop at the blows") << counts << "1 2 3" << QStringList{"1", "3"} << 1;
    QTest::newRow("counts: left wraps") << counts << "left 5" << QStringList{"", "5"} << 1;
    QTest::newRow("counts: right wraps") << counts << "1 2 right 3" << QStringList{"3", "2"} << 1;
    QTest::newRow("counts: delete inside") << counts << "1 2 left del" << QStringList{"2"} << 0;
}

void TestBoardInput::typing()
{
    QFETCH(int, status);
    QFETCH(QString, script);
    QFETCH(QStringList, entries);
    QFETCH(int, cursor);
    reach(GameStatus(status));

    play(script);
    const auto &typed = status == GameStatusUserTurn ? m_board->currentUserAnswer() : m_board->currenMacHitBlow();
    QCOMPARE(texts(typed), entries);
    QCOMPARE(m_board->typingIndex(), cursor);
    // Each entry keeps the style of its kind; the size stays in the shared style.
    const double size = status == GameStatusUserTurn ? 46 : 34;
    for (const StyledText &entry : typed)
        QCOMPARE(entry.style, (TextStyle{size, Qt::white}));
    QCOMPARE(m_board->fontStyle().fontSize, size);
    const auto digits = std::count_if(script.begin(), script.end(), [](QChar c) { return c.isDigit(); });
    QCOMPARE(int(m_fakes->sounds.played.count("gasa")), int(digits));
}

void TestBoardInput::editingKeysOutsideTyping_data()
{
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("script");
    QTest::newRow("choosing") << 1 << "left right left del bs";
    QTest::newRow("computer's turn") << 2 << "left right left del 5";
    QTest::newRow("pause after the guess") << 5 << "left right left del bs 5";
    QTest::newRow("game over") << 6 << "left right left del 5";
}

void TestBoardInput::editingKeysOutsideTyping()
{
    QFETCH(int, status);
    QFETCH(QString, script);
    reach(GameStatus(status));
    const QStringList entries = texts(m_board->currentUserAnswer());

    play(script);
    QCOMPARE(m_board->typingIndex(), 0);
    QCOMPARE(texts(m_board->currentUserAnswer()), entries);
    QVERIFY(m_board->currenMacHitBlow().empty());
    QVERIFY(m_fakes->sounds.played.isEmpty());
    QCOMPARE(m_controller->gameStatus(), status);
}

// Nothing pressed in an abandoned match acts in the new one, and only a press on an available
// piece lets a release take one.
void TestBoardInput::newMatchStartsWithCleanInput_data()
{
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("numbers");
    QTest::addColumn<int>("endStatus");
    // Piece 2 is hit at (330, 340), the OK button at (360, 290); (100, 100) is beside everything.
    QTest::newRow("press beside after one on a piece") << 1 << "p330,340 p100,100 r330,340" << "----" << 1;
    QTest::newRow("piece pressed across New Game") << 1 << "p330,340 4 5 6 7 new r330,340" << "----" << 1;
    QTest::newRow("button pressed across New Game") << 4 << "p360,290 new 4 5 6 7 pause r360,290" << "4567" << 3;
    QTest::newRow("keys held across New Game") << 3 << "ret 8 9 new 1 2 3 pause" << "123-" << 1;
    QTest::newRow("keys held across New Game stay dropped") << 3 << "ret 8 9 new 1 2 ret tick pause" << "12--" << 1;
}

void TestBoardInput::newMatchStartsWithCleanInput()
{
    QFETCH(int, status);
    QFETCH(QString, script);
    QFETCH(QString, numbers);
    QFETCH(int, endStatus);
    reach(GameStatus(status));

    play(script);
    QCOMPARE(slotsText(), numbers);
    QCOMPARE(m_controller->gameStatus(), endStatus);
    QCOMPARE(m_board->okBtnStatus(), 0);
    QCOMPARE(m_board->choseNumberStatus(), 0);
    QVERIFY(m_fakes->alert.messages.isEmpty());
}

void TestBoardInput::unconnectedBoardIgnoresInput_data()
{
    QTest::addColumn<bool>("withController");
    QTest::addColumn<bool>("withPrefs");
    QTest::newRow("nothing connected") << false << false;
    QTest::newRow("no settings") << true << false;
    QTest::newRow("no controller") << false << true;
}

void TestBoardInput::unconnectedBoardIgnoresInput()
{
    QFETCH(bool, withController);
    QFETCH(bool, withPrefs);
    reach(GameStatusUserTurn);
    GameBoardView board(m_fakes->services());
    board.resize(640, 480);
    board.setHitBlowController(withController ? m_controller.get() : nullptr);
    board.setPrefWindowController(withPrefs ? m_prefs.get() : nullptr);

    play("1 2 left del ret tick p360,290 r360,290 p320,299 r320,299", &board);
    board.upOKBtn();
    board.didOK();
    QCOMPARE(board.okBtnStatus(), 0);
    QVERIFY(board.currentUserAnswer().empty());
    QVERIFY(m_fakes->sounds.played.isEmpty());
    QVERIFY(m_fakes->alert.messages.isEmpty());
    QCOMPARE(m_controller->gameStatus(), int(GameStatusUserTurn));
}

void TestBoardInput::menuShortcutsStillReachTheWindow()
{
    reach(GameStatusUserTurn);
    QWidget window;
    m_board->setParent(&window);
    const auto giveTheBoardBack = qScopeGuard([this] { m_board->setParent(nullptr); });
    int newGames = 0;
    auto *shortcut = new QShortcut(QKeySequence::New, &window);
    connect(shortcut, &QShortcut::activated, [&] { ++newGames; });
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    m_board->setFocus();

    QTest::keyClick(m_board.get(), Qt::Key_N, Qt::ControlModifier);
    QCOMPARE(newGames, 1);
    QVERIFY(m_board->currentUserAnswer().empty());
}

QTEST_MAIN(TestBoardInput)
