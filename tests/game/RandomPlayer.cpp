// SPDX-License-Identifier: GPL-3.0-or-later
#include "RandomPlayer.h"

#include "GameWiring.h"
#include "RecordingCanvas.h"

RandomPlayer::RandomPlayer(quint64 seed, QString *failure)
    : m_seed(seed)
    , m_failure(failure)
    , m_rng(seed)
    , m_macRandom(seed ^ 0x9e3779b97f4a7c15ull)
    , m_services{m_fakes.scheduler, m_fakes.sounds, m_fakes.alert, m_macRandom}
{
    // Each seed starts from its own stored settings.
    openUserDefaults()->clear();
    storeSettings({uniform(0, 2), uniform(0, 1), uniform(0, 1), uniform(0, 1), 0.25f * float(uniform(1, 16))});
    wireGame(m_services, m_prefs, m_controller, m_board);
}

RandomPlayer::~RandomPlayer()
{
    // The game's objects go before the fakes they use.
    m_board.reset();
    m_controller.reset();
    m_prefs.reset();
}

void RandomPlayer::trace(const QString &action)
{
    m_trace << action;
    if (m_trace.size() > 40)
        m_trace.removeFirst();
}

void RandomPlayer::fail(const QString &what)
{
    if (m_failure->isEmpty())
        *m_failure = QStringLiteral("seed %1, step %2: %3").arg(m_seed).arg(m_tally.steps).arg(what);
}

bool RandomPlayer::step()
{
    const Before before = snapshot();
    ++m_tally.steps;
    if (chance(0.75))
        sensibleAction();
    else
        noiseAction();
    if (!m_failure->isEmpty())
        return false;

    // The platform draws after most steps, but input may come first.
    const bool drawn = chance(0.8);
    if (drawn)
        drawingPass();
    // After a refusal the user thinks again.
    if (!m_fakes.alert.messages.isEmpty())
        m_planForStatus = -1;
    const QString violated = violatedInvariant(before, drawn);
    if (!violated.isEmpty())
        fail(violated);
    return m_failure->isEmpty();
}

// ---- The player's actions ----------------------------------------------------------------------

QPointF RandomPlayer::pieceCentre(int digit) const
{
    const QPoint origin = m_board->choiceOrigins()[digit];
    return QPointF(origin.x() + 31, origin.y() + 50);
}

void RandomPlayer::sensibleAction()
{
    const int status = m_controller->gameStatus();
    // A turn's plan is made once, when the turn begins.
    const std::size_t round = m_controller->macFormerAnswers().size();
    if (status != m_planForStatus || round != m_planForRound) {
        m_planForStatus = status;
        m_planForRound = round;
        m_plan.clear();
        if (status == GameStatusCheckHitBlow) {
            if (!m_controller->userOwnNumbers() || !m_controller->macCurrentAnswer())
                return fail(QStringLiteral("checking the counts without both the user's secret and the computer's guess"));
            const HitBlowResult truth = NumberComparer(m_macRandom)
                                            .checkHitsBlowsIn(*m_controller->userOwnNumbers(),
                                                              *m_controller->macCurrentAnswer());
            if (chance(0.9))
                m_plan = {truth.hits, truth.blows};
            else
                m_plan = {uniform(0, 9), uniform(0, 9)};
        } else if (status == GameStatusUserTurn) {
            const double kind = uniform01();
            if (kind < 0.06) {
                const NumberSet secret = *m_controller->macOwnNumbers();
                m_plan.assign(secret.begin(), secret.end());
            } else if (kind < 0.1) {
                // Too short, or a digit twice: refused.
                m_plan = chance(0.5) ? std::vector<int>{uniform(0, 9), uniform(0, 9)}
                                     : std::vector<int>{3, 3, uniform(0, 9), uniform(0, 9)};
            } else {
                std::vector<int> digits{0, 1, 2, 3, 4, 5, 6, 7, 8, 9};
                std::shuffle(digits.begin(), digits.end(), m_rng);
                m_plan.assign(digits.begin(), digits.begin() + 4);
            }
        }
    }

    switch (status) {
    case GameStatusTitle:
        newGame();
        break;
    case GameStatusChooseNumbers:
        chooseAPiece();
        break;
    case GameStatusMacTurn:
        waitForTheGame(kAskMacNextAnswer, "controller");
        break;
    case GameStatusCheckHitBlow:
        typeTowards(m_plan, m_board->currenMacHitBlow(), 2);
        break;
    case GameStatusUserTurn:
        typeTowards(m_plan, m_board->currentUserAnswer(), 4);
        break;
    case GameStatusUserResult:
        waitForTheGame(kDidOK, "board");
        break;
    case GameStatusGameOver:
        drawingPass();
        break;
    default:
        if (chance(0.3))
            newGame();
        else
            noiseAction();
        break;
    }
}

void RandomPlayer::chooseAPiece()
{
    std::vector<int> available;
    for (int digit = 0; digit < 10; ++digit) {
        if (m_board->restChoices()[digit] == digit)
            available.push_back(digit);
    }
    if (available.empty())
        return fail(QStringLiteral("no piece left to choose while choosing the secret"));
    const int digit = available[uniform(0, int(available.size()) - 1)];
    if (chance(0.5)) {
        digitKey(digit, chance(0.3) ? Qt::KeypadModifier : Qt::NoModifier);
    } else {
        // Anywhere on the piece, its edges included.
        const QPoint origin = m_board->choiceOrigins()[digit];
        click(QPointF(origin.x() + uniform(0, 62), origin.y() + uniform(24, 75)));
    }
}

// Types the wanted digits at their places, moving the cursor with the arrows, then presses OK.
void RandomPlayer::typeTowards(const std::vector<int> &wanted, const std::vector<StyledText> &typed, int length)
{
    if (m_fakes.scheduler.pendingCount(m_board.get(), kUpOKBtn) > 0)
        return advance(0.05);
    int wrong = -1;
    for (int i = 0; i < int(wanted.size()); ++i) {
        if (i >= int(typed.size()) || typed[i].text != QString::number(wanted[i])) {
            wrong = i;
            break;
        }
    }
    if (wrong < 0)
        return pressOK();
    const int cursor = m_board->typingIndex();
    if (cursor == wrong)
        return digitKey(wanted[wrong], chance(0.2) ? Qt::KeypadModifier : Qt::NoModifier);
    const bool left = (cursor - wrong + length) % length <= (wrong - cursor + length) % length;
    trace(left ? QStringLiteral("Left") : QStringLiteral("Right"));
    QTest::keyClick(m_board.get(), left ? Qt::Key_Left : Qt::Key_Right);
}

void RandomPlayer::pressOK()
{
    const int way = uniform(0, 3);
    if (way < 3)
        ++m_okKeys;
    switch (way) {
    case 0:
        trace(QStringLiteral("Return"));
        QTest::keyClick(m_board.get(), Qt::Key_Return);
        break;
    case 1:
        trace(QStringLiteral("keypad Enter"));
        QTest::sendKeyEvent(QTest::Click, m_board.get(), Qt::Key_Enter, QStringLiteral("\r"), Qt::KeypadModifier);
        break;
    case 2:
        trace(QStringLiteral("line feed"));
        QTest::sendKeyEvent(QTest::Click, m_board.get(), Qt::Key_J, QStringLiteral("\n"), Qt::ControlModifier);
        break;
    default:
        click(QPointF(uniform(341, 388), uniform(264, 311)));
        break;
    }
}

void RandomPlayer::waitForTheGame(std::string_view action, std::string_view target)
{
    const QObject *owner = target == "board" ? static_cast<const QObject *>(m_board.get()) : m_controller.get();
    if (m_fakes.scheduler.pendingCount(owner, action) == 0)
        return drawingPass();
    // Sometimes not quite long enough.
    advance(pause() * (chance(0.2) ? 0.5 : 1.0) + 0.001);
}

void RandomPlayer::digitKey(int digit, Qt::KeyboardModifiers modifiers)
{
    trace(QStringLiteral("key %1%2").arg(digit).arg(modifiers == Qt::NoModifier ? "" : " with modifiers"));
    QTest::keyClick(m_board.get(), Qt::Key(Qt::Key_0 + digit), modifiers);
}

void RandomPlayer::noiseAction()
{
    static std::discrete_distribution<int> kinds({
        14, // 0 digit key
        8,  // 1 OK key
        6,  // 2 Backspace, Delete
        6,  // 3 arrows
        8,  // 4 other keys
        16, // 5 mouse
        10, // 6 clock
        1,  // 7 New Game
        2,  // 8 settings
        0.3, // 9 resize
        1,  // 10 real paint
        3,  // 11 drawing pass
    });
    switch (kinds(m_rng)) {
    case 0: {
        static const Qt::KeyboardModifiers modifiers[] = {
            Qt::NoModifier, Qt::KeypadModifier, Qt::ShiftModifier, Qt::ControlModifier, Qt::AltModifier};
        digitKey(uniform(0, 9), modifiers[uniform(0, 4)]);
        break;
    }
    case 1:
        if (chance(0.2)) {
            // Held down: the repeats press nothing.
            trace(QStringLiteral("Return held"));
            QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"), true);
            QApplication::sendEvent(m_board.get(), &repeat);
        } else {
            pressOK();
        }
        break;
    case 2:
        trace(QStringLiteral("Backspace or Delete"));
        QTest::keyClick(m_board.get(), chance(0.5) ? Qt::Key_Backspace : Qt::Key_Delete);
        break;
    case 3:
        trace(QStringLiteral("arrow"));
        QTest::keyClick(m_board.get(), chance(0.5) ? Qt::Key_Left : Qt::Key_Right);
        break;
    case 4:
        otherKey();
        break;
    case 5:
        randomMouse();
        break;
    case 6: {
        static const double amounts[] = {0.0, 0.01, 0.049, 0.05, 0.051, 0.25, 0.5, 1.0, 4.0, 30.0};
        advance(amounts[uniform(0, 9)]);
        break;
    }
    case 7:
        newGame();
        break;
    case 8:
        changeSettings();
        break;
    case 9:
        resize();
        break;
    case 10:
        realPaint();
        break;
    default:
        drawingPass();
        break;
    }
}

void RandomPlayer::otherKey()
{
    struct OddKey {
        Qt::Key key;
        const char *text;
        Qt::KeyboardModifiers modifiers;
    };
    static const OddKey keys[] = {
        {Qt::Key_Tab, "\t", {}}, {Qt::Key_Escape, "\x1b", {}}, {Qt::Key_Space, " ", {}},
        {Qt::Key_A, "a", {}}, {Qt::Key_F1, "", {}}, {Qt::Key_Up, "", {}}, {Qt::Key_Down, "", {}},
        {Qt::Key_Home, "", {}}, {Qt::Key_End, "", {}}, {Qt::Key_PageUp, "", {}},
        {Qt::Key_Shift, "", Qt::ShiftModifier}, {Qt::Key_Exclam, "!", Qt::ShiftModifier},
        {Qt::Key_N, "\x0e", Qt::ControlModifier}, {Qt::Key_Comma, ",", Qt::ControlModifier},
        // What an input method or a dead key may deliver: several characters, other digits, none.
        {Qt::Key_unknown, "12", {}}, {Qt::Key_unknown, "\xd9\xa3", {}}, {Qt::Key_unknown, "\xef\xbc\x95", {}},
        {Qt::Key_unknown, "7", {}}, {Qt::Key_unknown, "", {}}, {Qt::Key_Dead_Acute, "", {}},
        {Qt::Key_Backspace, "\b", Qt::ShiftModifier}, {Qt::Key_Delete, "\x7f", Qt::ControlModifier},
        {Qt::Key_Return, "\r", Qt::ShiftModifier | Qt::AltModifier},
        {Qt::Key_Left, "", Qt::ShiftModifier}, {Qt::Key_Right, "", Qt::ControlModifier},
    };
    const OddKey &key = keys[uniform(0, int(std::size(keys)) - 1)];
    if (key.key == Qt::Key_Return)
        ++m_okKeys;
    const QString text = QString::fromUtf8(key.text);
    trace(QStringLiteral("key 0x%1 \"%2\"").arg(int(key.key), 0, 16).arg(text));
    QTest::sendKeyEvent(QTest::Click, m_board.get(), key.key, text, key.modifiers);
}

void RandomPlayer::randomMouse()
{
    const double kind = uniform01();
    if (kind < 0.25) {
        // Anywhere in the window and a little beyond it.
        const QPoint at(uniform(-20, m_board->width() + 20), uniform(-20, m_board->height() + 20));
        const bool pressing = chance(0.5);
        trace(QStringLiteral("%1 at widget %2,%3").arg(pressing ? "press" : "release").arg(at.x()).arg(at.y()));
        if (pressing) {
            QTest::mousePress(m_board.get(), Qt::LeftButton, {}, at);
        } else {
            QTest::mouseRelease(m_board.get(), Qt::LeftButton, {}, at);
            ++m_releases;
        }
    } else if (kind < 0.45) {
        click(pieceCentre(uniform(0, 9)), chance(0.1) ? Qt::RightButton : Qt::LeftButton);
    } else if (kind < 0.6) {
        // Pressed on one piece or on the button, released somewhere else.
        press(chance(0.5) ? pieceCentre(uniform(0, 9)) : QPointF(364, 287));
        release(chance(0.5) ? pieceCentre(uniform(0, 9)) : QPointF(uniform(0, 640), uniform(0, 480)));
    } else if (kind < 0.75) {
        click(QPointF(364, 287));
    } else if (kind < 0.85) {
        chance(0.5) ? press(QPointF(364, 287)) : release(QPointF(364, 287));
    } else if (kind < 0.95) {
        const QPointF at = chance(0.5) ? pieceCentre(uniform(0, 9)) : QPointF(364, 287);
        trace(QStringLiteral("double click at %1,%2").arg(at.x()).arg(at.y()));
        QTest::mouseDClick(m_board.get(), Qt::LeftButton, {}, m_board->boardTransform().map(at).toPoint());
        ++m_releases;
    } else {
        chance(0.5) ? press(pieceCentre(uniform(0, 9)), Qt::RightButton)
                    : release(QPointF(364, 287), Qt::MiddleButton);
    }
}

void RandomPlayer::click(QPointF boardPoint, Qt::MouseButton button)
{
    press(boardPoint, button);
    release(boardPoint, button);
}

void RandomPlayer::press(QPointF boardPoint, Qt::MouseButton button)
{
    trace(QStringLiteral("press %1 at %2,%3").arg(int(button)).arg(boardPoint.x()).arg(boardPoint.y()));
    QTest::mousePress(m_board.get(), button, {}, m_board->boardTransform().map(boardPoint).toPoint());
}

void RandomPlayer::release(QPointF boardPoint, Qt::MouseButton button)
{
    trace(QStringLiteral("release %1 at %2,%3").arg(int(button)).arg(boardPoint.x()).arg(boardPoint.y()));
    QTest::mouseRelease(m_board.get(), button, {}, m_board->boardTransform().map(boardPoint).toPoint());
    ++m_releases;
}

void RandomPlayer::newGame()
{
    trace(QStringLiteral("New Game"));
    ++m_tally.matchesStarted;
    m_planForStatus = -1;
    m_fakes.sounds.played.clear();
    m_controller->newGame();
    // Nothing of the abandoned match may act on the new one.
    if (m_fakes.scheduler.pendingCount(m_board.get(), kDidOK) > 0
        || m_fakes.scheduler.pendingCount(m_controller.get(), kAskMacNextAnswer) > 0)
        fail(QStringLiteral("New Game left a turn of the abandoned match pending"));
}

void RandomPlayer::advance(double seconds)
{
    trace(QStringLiteral("clock +%1 s").arg(seconds));
    m_fakes.scheduler.advance(seconds);
}

void RandomPlayer::resize()
{
    static const QSize sizes[] = {{640, 480}, {320, 240}, {1280, 960}, {900, 480}, {640, 900}, {333, 251}};
    const QSize size = sizes[uniform(0, int(std::size(sizes)) - 1)];
    trace(QStringLiteral("resize %1x%2").arg(size.width()).arg(size.height()));
    m_board->resize(size);
}

void RandomPlayer::drawingPass()
{
    trace(QStringLiteral("draw"));
    RecordingCanvas canvas;
    m_board->drawRect(canvas);
}

void RandomPlayer::realPaint()
{
    trace(QStringLiteral("paint"));
    ++m_tally.paints;
    const QPixmap picture = m_board->grab();
    if (picture.size() != m_board->size() * picture.devicePixelRatio())
        fail(QStringLiteral("the board painted a picture of the wrong size"));
}
