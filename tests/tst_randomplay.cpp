#include "GameBoardView.h"
#include "HitBlowController.h"
#include "PrefWindowController.h"
#include "platform/UserDefaults.h"

#include "Fakes.h"
#include "RecordingCanvas.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QPixmap>
#include <QRadioButton>
#include <QScopeGuard>
#include <QSet>
#include <QSlider>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <deque>
#include <random>
#include <utility>

// Long runs of random play against the real match controller, board and preferences window:
// real key and mouse events, the clock moved on by random amounts, New Game at any moment and the
// settings changed through the dialog in the middle of matches. After every step the match and
// the board must still be whole. A failure names the seed and the step that reproduce it.
//
// HITBLOW_SEED=N plays that seed alone; HITBLOW_SOAK_STEPS=N plays N steps per seed.

namespace {
constexpr int kDefaultSteps = 10000;
const QList<quint64> kDefaultSeeds{1, 2, 3};

constexpr std::string_view kAskMacNextAnswer = HitBlowController::kAskMacNextAnswer;
constexpr std::string_view kDidOK = GameBoardView::kDidOK;
constexpr std::string_view kUpOKBtn = GameBoardView::kUpOKBtn;

const QStringList kResultSounds{"hoyo", "pikoon2_edited"};
const QStringList kAlertMessages{"Your answer is against the rule", "Your decision is wrong"};

struct Settings {
    int strengthLevel = 1;
    int candidatesVisible = 1;
    int soundMode = 1;
    int autoCheck = 0;
    float playingRhythm = 1.0f;

    friend bool operator==(const Settings &, const Settings &) = default;
};

Settings settingsOf(const PrefWindowController &prefs)
{
    return {prefs.strengthLevel(), prefs.candidatesVisible(), prefs.soundMode(), prefs.autoCheck(),
            prefs.playingRhythm()};
}

QString describe(const Settings &s)
{
    return QStringLiteral("level %1, candidates %2, sound %3, auto %4, rhythm %5")
        .arg(s.strengthLevel).arg(s.candidatesVisible).arg(s.soundMode).arg(s.autoCheck).arg(s.playingRhythm);
}

QString digitsOf(const NumberSet &numbers)
{
    QString text;
    for (int digit : numbers)
        text += QString::number(digit);
    return text;
}

bool fourDistinctDigits(const NumberSet &numbers)
{
    for (int i = 0; i < 4; ++i) {
        if (numbers[i] < 0 || numbers[i] > 9)
            return false;
        for (int j = i + 1; j < 4; ++j) {
            if (numbers[i] == numbers[j])
                return false;
        }
    }
    return true;
}

bool sameScore(const HitBlowResult &score, int hits, int blows)
{
    return score.hits == hits && score.blows == blows;
}

// The computer's picks, reproducible from the seed.
class SeededRandomSource final : public RandomSource
{
public:
    explicit SeededRandomSource(quint64 seed)
        : m_engine(seed)
    {
    }
    std::uint32_t draw() override { return static_cast<std::uint32_t>(m_engine() & 0x7fffffffu); }

private:
    std::mt19937_64 m_engine;
};

// Counts of what a run went through, printed at its end.
struct Tally {
    long steps = 0;
    long matchesStarted = 0;
    long matchesFinished = 0;
    long results[4] = {};
    long drawsBySixteenGuesses = 0;
    long refusals = 0;
    long dialogs = 0;
    long dialogsTaken = 0;
    long paints = 0;
    long macGuesses = 0;
    long userGuesses = 0;
};

// What the step before left, to compare with what the step did.
struct Before {
    long match = 0;
    GameStatus status = GameStatusTitle;
    std::size_t macAnswers = 0;
    CandidateList candidates;
    // What could move the match on by itself or for the user: pending calls, mouse releases.
    int pendingGuesses = 0;
    int pendingPauseEnds = 0;
    int pendingOKKeys = 0;
    // Input the board holds until its pending OK key press has run; it may type into the next status.
    int heldInput = 0;
    long okKeys = 0;
    long releases = 0;
};
} // namespace

// One game as the application wires it, played by a seeded random player.
class RandomPlayer
{
public:
    RandomPlayer(quint64 seed, QString *failure);
    ~RandomPlayer();

    // Plays one random step and checks the game afterwards; false once something broke.
    bool step();
    // The settings kept over a quit and a new start.
    bool settingsSurviveARestart();

    const Tally &tally() const { return m_tally; }
    QString recentActions() const { return m_trace.join(QStringLiteral(" | ")); }

    // Starts a match with the strength level and the automatic check stored, the user's secret
    // 5 0 9 3 chosen by clicks on the pieces.
    void startMatch(int strengthLevel, bool autoCheck, bool soundOn = true);
    // Plays space-separated actions: a digit key, "truth" (the true counts of the computer's
    // guess), "ret", "ent" (keypad Enter), "lf" (line feed), "ok" (a click on the button),
    // "wait:S" (S seconds pass), "draw" (a drawing pass).
    void play(const QString &script);
    // A whole match through real input, played to its result: the user's guesses are wrong
    // until the guess number winningGuess (0: never), or until the last chance when lastChance.
    int playScriptedMatch(int strengthLevel, int winningGuess, bool lastChance, bool soundOn = true);
    const HitBlowController &controller() const { return *m_controller; }
    const GameBoardView &board() const { return *m_board; }
    QStringList takeAlerts() { return std::exchange(m_fakes.alert.messages, {}); }
    // The sounds and beeps of the current match, in order.
    const QStringList &soundsPlayed() const { return m_fakes.sounds.played; }
    // Paints the board with the real painter, as the window does.
    void realPaint();

private:
    // The user's side, mostly sensible, sometimes anything at all.
    void sensibleAction();
    void noiseAction();
    void chooseAPiece();
    void typeTowards(const std::vector<int> &wanted, const std::vector<StyledText> &typed, int length);
    void pressOK();
    void waitForTheGame(std::string_view action, std::string_view target);
    void digitKey(int digit, Qt::KeyboardModifiers modifiers = {});
    void otherKey();
    void randomMouse();
    void click(QPointF boardPoint, Qt::MouseButton button = Qt::LeftButton);
    void press(QPointF boardPoint, Qt::MouseButton button = Qt::LeftButton);
    void release(QPointF boardPoint, Qt::MouseButton button = Qt::LeftButton);
    void newGame();
    void advance(double seconds);
    void changeSettings();
    void resize();
    void drawingPass();

    void storeSettings(const Settings &settings);
    Before snapshot() const;
    QString violatedInvariant(const Before &before, bool drawn);
    QString violatedMatchRecords() const;
    QString violatedBoardState(const Before &before) const;
    void trace(const QString &action);
    void fail(const QString &what);

    int uniform(int first, int last) { return std::uniform_int_distribution<int>(first, last)(m_rng); }
    double uniform01() { return std::uniform_real_distribution<double>(0, 1)(m_rng); }
    bool chance(double p) { return uniform01() < p; }
    double pause() const { return 1.0 / double(m_prefs->playingRhythm()); }
    QPointF pieceCentre(int digit) const;

    quint64 m_seed;
    QString *m_failure;
    std::mt19937_64 m_rng;
    SeededRandomSource m_macRandom;
    FakeServices m_fakes;
    Services m_services;
    std::unique_ptr<PrefWindowController> m_prefs;
    std::unique_ptr<HitBlowController> m_controller;
    std::unique_ptr<GameBoardView> m_board;

    Settings m_expectedSettings;
    Tally m_tally;
    long m_okKeys = 0;
    long m_releases = 0;
    QStringList m_trace;
    // What the user means to type in the current turn, chosen when the turn begins.
    std::vector<int> m_plan;
    int m_planForStatus = -1;
    std::size_t m_planForRound = 0;
};

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
    m_prefs = std::make_unique<PrefWindowController>();
    m_controller = std::make_unique<HitBlowController>(m_services);
    m_board = std::make_unique<GameBoardView>(m_services);
    m_board->resize(640, 480);
    m_controller->setGameBoardView(m_board.get());
    m_controller->setPrefWindowController(m_prefs.get());
    m_board->setHitBlowController(m_controller.get());
    m_board->setPrefWindowController(m_prefs.get());
    m_prefs->setGameBoardView(m_board.get());
    m_prefs->setHitBlowController(m_controller.get());
    m_controller->awakeFromNib();
    m_prefs->awakeFromNib();
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
                return fail(QStringLiteral("status 3 without both the user's secret and the computer's guess"));
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
        return fail(QStringLiteral("no piece left to choose in status 1"));
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

// Opens the real preferences window, changes some of its controls and ends it one of four ways.
void RandomPlayer::changeSettings()
{
    Settings chosen = m_expectedSettings;
    if (chance(0.6))
        chosen.strengthLevel = uniform(0, 3);
    if (chance(0.3))
        chosen.candidatesVisible = uniform(0, 1);
    if (chance(0.3))
        chosen.soundMode = uniform(0, 1);
    if (chance(0.5))
        chosen.autoCheck = uniform(0, 1);
    const int rhythmPosition = uniform(0, 15);
    if (chance(0.5))
        chosen.playingRhythm = 0.25f + 0.25f * float(rhythmPosition);
    static const char *const endings[] = {"okButton", "okButton", "cancelButton", "escape", "close"};
    const QString ending = QLatin1String(endings[uniform(0, 4)]);
    trace(QStringLiteral("preferences: %1, then %2").arg(describe(chosen), ending));
    ++m_tally.dialogs;

    bool reached = false;
    QTimer::singleShot(0, [&] {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        reached = true;
        dialog->findChild<QComboBox *>(QStringLiteral("levelPopup"))->setCurrentIndex(chosen.strengthLevel);
        const auto check = [dialog](const char *off, const char *on, int row) {
            dialog->findChild<QRadioButton *>(QLatin1String(row == 1 ? on : off))->click();
        };
        check("candidatesHiddenButton", "candidatesShownButton", chosen.candidatesVisible);
        check("soundOffButton", "soundOnButton", chosen.soundMode);
        check("autoCheckOffButton", "autoCheckOnButton", chosen.autoCheck);
        auto *slider = dialog->findChild<QSlider *>(QStringLiteral("rhythmSlider"));
        slider->setValue(int(std::lround((chosen.playingRhythm - 0.25f) / 0.25f)));
        if (ending == QLatin1String("escape"))
            QTest::keyClick(dialog, Qt::Key_Escape);
        else if (ending == QLatin1String("close"))
            dialog->close();
        else
            QTest::mouseClick(dialog->findChild<QAbstractButton *>(ending), Qt::LeftButton);
    });
    // Never left hanging, whatever went wrong above.
    QTimer safety;
    safety.setSingleShot(true);
    QObject::connect(&safety, &QTimer::timeout, [] {
        if (auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget()))
            dialog->reject();
    });
    safety.start(5000);
    m_prefs->showWindow();

    if (!reached)
        return fail(QStringLiteral("the preferences window did not run modally"));
    if (m_prefs->window()->isVisible())
        return fail(QStringLiteral("the preferences window stayed open after ") + ending);
    if (ending == QLatin1String("okButton")) {
        m_expectedSettings = chosen;
        ++m_tally.dialogsTaken;
    }
    const Settings now = settingsOf(*m_prefs);
    if (now != m_expectedSettings)
        fail(QStringLiteral("settings after %1 are %2, expected %3").arg(ending, describe(now), describe(m_expectedSettings)));
}

// Stores the settings as a previous run would have left them; they apply at the next loading.
void RandomPlayer::storeSettings(const Settings &settings)
{
    auto defaults = openUserDefaults();
    defaults->setValue(QStringLiteral("StrengthLevel"), settings.strengthLevel);
    defaults->setValue(QStringLiteral("CandidatesVisible"), settings.candidatesVisible);
    defaults->setValue(QStringLiteral("SoundMode"), settings.soundMode);
    defaults->setValue(QStringLiteral("AutoCheck"), settings.autoCheck);
    defaults->setValue(QStringLiteral("PlayingRhythm"), settings.playingRhythm);
    defaults->sync();
    m_expectedSettings = settings;
}

bool RandomPlayer::settingsSurviveARestart()
{
    m_prefs->applicationWillTerminate();
    PrefWindowController restarted;
    restarted.awakeFromNib();
    if (settingsOf(restarted) == m_expectedSettings)
        return true;
    fail(QStringLiteral("settings after a restart are %1, expected %2")
             .arg(describe(settingsOf(restarted)), describe(m_expectedSettings)));
    return false;
}

// ---- What must hold after every step -----------------------------------------------------------

Before RandomPlayer::snapshot() const
{
    Before before;
    before.match = m_tally.matchesStarted;
    before.status = GameStatus(m_controller->gameStatus());
    before.macAnswers = m_controller->macFormerAnswers().size();
    if (const auto &candidates = m_controller->candidatesArray())
        before.candidates = *candidates;
    before.pendingGuesses = m_fakes.scheduler.pendingCount(m_controller.get(), kAskMacNextAnswer);
    before.pendingPauseEnds = m_fakes.scheduler.pendingCount(m_board.get(), kDidOK);
    before.pendingOKKeys = m_fakes.scheduler.pendingCount(m_board.get(), kUpOKBtn);
    before.heldInput = m_board->heldInputCount();
    before.okKeys = m_okKeys;
    before.releases = m_releases;
    return before;
}

QString RandomPlayer::violatedInvariant(const Before &before, bool drawn)
{
    const HitBlowController &match = *m_controller;
    const int status = match.gameStatus();
    if (status < GameStatusTitle || status > GameStatusResultShown)
        return QStringLiteral("status %1 out of range").arg(status);

    // Settings change only through the dialog's OK, and every pause has a usable length.
    if (settingsOf(*m_prefs) != m_expectedSettings)
        return QStringLiteral("settings changed to %1").arg(describe(settingsOf(*m_prefs)));
    if (!std::isfinite(pause()) || pause() <= 0)
        return QStringLiteral("pause of %1 s").arg(pause());

    if (QString records = violatedMatchRecords(); !records.isEmpty())
        return records;
    if (QString board = violatedBoardState(before); !board.isEmpty())
        return board;

    // The computer guesses at most once a step, always a number it still held as a candidate but
    // at the Expert strength, which may guess any number that narrows the candidates down.
    const std::size_t macAnswers = match.macFormerAnswers().size();
    if (before.match == m_tally.matchesStarted && macAnswers > before.macAnswers) {
        if (macAnswers != before.macAnswers + 1)
            return QStringLiteral("%1 computer guesses in one step").arg(macAnswers - before.macAnswers);
        const NumberSet &guess = match.macFormerAnswers().back();
        if (m_prefs->strengthLevel() != ExpertPlayer::kStrengthLevel
            && std::find(before.candidates.begin(), before.candidates.end(), guess) == before.candidates.end())
            return QStringLiteral("the computer guessed %1, which was no candidate (of %2)")
                .arg(digitsOf(guess)).arg(before.candidates.size());
        ++m_tally.macGuesses;
    }

    // The match moves on only when the user presses OK or one of its own pauses ends.
    if (before.match == m_tally.matchesStarted && status != before.status) {
        const bool okPressed = before.pendingOKKeys > 0 || m_okKeys > before.okKeys || m_releases > before.releases;
        const bool accepted = (before.status == GameStatusCheckHitBlow && status == GameStatusUserTurn)
            || (before.status == GameStatusUserTurn && status >= GameStatusUserResult);
        if (accepted && !okPressed)
            return QStringLiteral("status %1 became %2 without OK").arg(before.status).arg(status);
        if ((before.status == GameStatusUserResult && before.pendingPauseEnds == 0)
            || (before.status == GameStatusMacTurn && before.pendingGuesses == 0))
            return QStringLiteral("status %1 became %2 before its pause ended").arg(before.status).arg(status);
    }

    // The match moves on by itself in the pauses; nothing leaves it stuck.
    if (status == GameStatusMacTurn
        && (match.restCandidatesCount() != 5040 || m_fakes.scheduler.pendingCount(&match, kAskMacNextAnswer) != 1))
        return QStringLiteral("status 2 with %1 candidates and %2 pending guesses: the match is stuck")
            .arg(match.restCandidatesCount())
            .arg(m_fakes.scheduler.pendingCount(&match, kAskMacNextAnswer));
    if (drawn && status == GameStatusGameOver)
        return QStringLiteral("the result was drawn but the status stayed 6");
    if (drawn && status == GameStatusUserResult && m_fakes.scheduler.pendingCount(m_board.get(), kDidOK) == 0)
        return QStringLiteral("status 5 was drawn without scheduling the next turn");

    // The result is announced once, with its sound when sounds are on.
    const auto resultSounds = std::count_if(m_fakes.sounds.played.begin(), m_fakes.sounds.played.end(),
                                            [](const QString &s) { return kResultSounds.contains(s); });
    if (resultSounds > 1)
        return QStringLiteral("%1 result sounds in one match").arg(resultSounds);
    if (before.status != GameStatusResultShown && status == GameStatusResultShown) {
        ++m_tally.matchesFinished;
        ++m_tally.results[match.matchResult()];
        if (match.matchResult() == MatchResultDraw && match.userCurrentHitsCount() != 4)
            ++m_tally.drawsBySixteenGuesses;
        if (resultSounds != (m_prefs->soundMode() == 1 ? 1 : 0))
            return QStringLiteral("the result was announced with %1 sounds").arg(resultSounds);
    }
    for (const QString &message : std::as_const(m_fakes.alert.messages)) {
        if (!kAlertMessages.contains(message))
            return QStringLiteral("unexpected alert \"%1\"").arg(message);
    }
    m_tally.refusals += m_fakes.alert.messages.size();
    m_fakes.alert.messages.clear();
    return {};
}

QString RandomPlayer::violatedMatchRecords() const
{
    const HitBlowController &match = *m_controller;
    const int status = match.gameStatus();
    const auto &macAnswers = match.macFormerAnswers();
    const auto &macHits = match.macFormerHitsCount();
    const auto &macBlows = match.macFormerBlowsCount();
    const auto &userAnswers = match.userFormerAnswers();
    const auto &userHits = match.userFormerHitsCount();
    const auto &userBlows = match.userFormerBlowsCount();

    const std::size_t scored = status == GameStatusCheckHitBlow ? macAnswers.size() - 1 : macAnswers.size();
    if (macAnswers.empty() && status == GameStatusCheckHitBlow)
        return QStringLiteral("status 3 without a computer guess");
    if (macHits.size() != scored || macBlows.size() != scored)
        return QStringLiteral("status %1 with %2 computer guesses, %3 hits and %4 blows")
            .arg(status).arg(macAnswers.size()).arg(macHits.size()).arg(macBlows.size());
    if (userHits.size() != userAnswers.size() || userBlows.size() != userAnswers.size())
        return QStringLiteral("%1 user guesses, %2 hits and %3 blows")
            .arg(userAnswers.size()).arg(userHits.size()).arg(userBlows.size());

    if (status == GameStatusTitle)
        return macAnswers.empty() && userAnswers.empty() ? QString() : QStringLiteral("records on the title screen");
    const auto &candidates = match.candidatesArray();
    if (!candidates || !match.macOwnNumbers())
        return QStringLiteral("a match without candidates or computer's secret");
    if (match.restCandidatesCount() != int(candidates->size()))
        return QStringLiteral("restCandidatesCount %1 for %2 candidates").arg(match.restCandidatesCount()).arg(candidates->size());
    const NumberSet macSecret = *match.macOwnNumbers();
    if (!fourDistinctDigits(macSecret))
        return QStringLiteral("computer's secret %1").arg(digitsOf(macSecret));
    if (match.matchResult() != MatchResultNone && status < GameStatusGameOver)
        return QStringLiteral("result %1 in status %2").arg(match.matchResult()).arg(status);

    if (status == GameStatusChooseNumbers)
        return macAnswers.empty() && userAnswers.empty() && candidates->size() == 5040
            ? QString() : QStringLiteral("a match that has not begun holds records");

    // From here on the user's secret is chosen.
    if (!match.userOwnNumbers())
        return QStringLiteral("status %1 without the user's secret").arg(status);
    const NumberSet userSecret = *match.userOwnNumbers();
    if (!fourDistinctDigits(userSecret) || userSecret != m_board->userNumbers())
        return QStringLiteral("user's secret %1, board shows %2").arg(digitsOf(userSecret), digitsOf(m_board->userNumbers()));

    // Every recorded score is the true one.
    ScriptedRandomSource unused;
    const NumberComparer rules(unused);
    bool macFound = false;
    for (std::size_t i = 0; i < macAnswers.size(); ++i) {
        if (macFound)
            return QStringLiteral("the computer guessed again after it found the number");
        macFound = macAnswers[i] == userSecret;
        if (i < scored && !sameScore(rules.checkHitsBlowsIn(userSecret, macAnswers[i]), macHits[i], macBlows[i]))
            return QStringLiteral("computer's guess %1 recorded as %2 hits %3 blows")
                .arg(digitsOf(macAnswers[i])).arg(macHits[i]).arg(macBlows[i]);
    }
    // Until the computer has found it, the user's secret stays among its candidates.
    if (!macFound && std::find(candidates->begin(), candidates->end(), userSecret) == candidates->end())
        return QStringLiteral("the user's secret %1 was pruned from the candidates (%2 left)")
            .arg(digitsOf(userSecret)).arg(candidates->size());
    for (std::size_t i = 0; i < userAnswers.size(); ++i) {
        if (!fourDistinctDigits(userAnswers[i]))
            return QStringLiteral("user's guess %1 accepted").arg(digitsOf(userAnswers[i]));
        if (!sameScore(rules.checkHitsBlowsIn(macSecret, userAnswers[i]), userHits[i], userBlows[i]))
            return QStringLiteral("user's guess %1 recorded as %2 hits %3 blows")
                .arg(digitsOf(userAnswers[i])).arg(userHits[i]).arg(userBlows[i]);
    }

    // The computer moves first in every round; nobody guesses after the decision.
    if (macAnswers.size() < userAnswers.size() || macAnswers.size() > userAnswers.size() + 1)
        return QStringLiteral("%1 computer guesses against %2 of the user").arg(macAnswers.size()).arg(userAnswers.size());
    if (userAnswers.size() > 16)
        return QStringLiteral("%1 user guesses").arg(userAnswers.size());
    const bool macWon = !macHits.empty() && macHits.back() == 4;
    const bool userWon = !userHits.empty() && userHits.back() == 4;
    const int result = match.matchResult();
    if (status >= GameStatusGameOver) {
        const bool lastRound = macAnswers.size() == userAnswers.size();
        const int expected = macWon ? (userWon ? MatchResultDraw : MatchResultMacWon)
            : userWon ? MatchResultUserWon : userAnswers.size() == 16 ? MatchResultDraw : MatchResultNone;
        if (!lastRound || result != expected || expected == MatchResultNone)
            return QStringLiteral("result %1 after %2 rounds, computer %3, user %4")
                .arg(result).arg(userAnswers.size()).arg(macWon ? "found" : "searching", userWon ? "found" : "searching");
    } else if (status == GameStatusUserResult && (macWon || userWon || userAnswers.size() >= 16)) {
        return QStringLiteral("a decided match is still running");
    }
    return {};
}

QString RandomPlayer::violatedBoardState(const Before &before) const
{
    const GameBoardView &board = *m_board;
    const int status = m_controller->gameStatus();
    const auto &guess = board.currentUserAnswer();
    const auto &counts = board.currenMacHitBlow();
    const int cursor = board.typingIndex();
    if (guess.size() > 4 || counts.size() > 2)
        return QStringLiteral("%1 guess entries and %2 count entries").arg(guess.size()).arg(counts.size());
    for (const auto *list : {&guess, &counts}) {
        for (const StyledText &entry : *list) {
            if (entry.text.size() > 1 || (entry.text.size() == 1 && !entry.text.front().isDigit()))
                return QStringLiteral("typed entry \"%1\"").arg(entry.text);
        }
    }
    const int lastPosition = status == GameStatusCheckHitBlow ? 1 : 3;
    if (cursor < 0 || cursor > lastPosition)
        return QStringLiteral("cursor %1 in status %2").arg(cursor).arg(status);
    const bool fresh = status != before.status && before.heldInput == 0;
    // With the automatic check the true counts stand typed; without it nothing does.
    if (fresh && status == GameStatusCheckHitBlow && m_prefs->autoCheck() != 0) {
        const HitBlowResult truth = NumberComparer().checkHitsBlowsIn(*m_controller->userOwnNumbers(),
                                                                      *m_controller->macCurrentAnswer());
        if (counts.size() != 2 || cursor != 0 || counts[0].value() != truth.hits || counts[1].value() != truth.blows)
            return QStringLiteral("status 3 began without the true counts typed for the automatic check");
    }
    if (fresh && status == GameStatusCheckHitBlow && m_prefs->autoCheck() == 0 && (!counts.empty() || cursor != 0))
        return QStringLiteral("status 3 began with %1 counts typed, cursor %2").arg(counts.size()).arg(cursor);
    if (fresh && status == GameStatusUserTurn && (!guess.empty() || cursor != 0))
        return QStringLiteral("status 4 began with %1 digits typed, cursor %2").arg(guess.size()).arg(cursor);
    if (board.okBtnStatus() != 0 && board.okBtnStatus() != 1)
        return QStringLiteral("okBtnStatus %1").arg(board.okBtnStatus());
    if (board.fontStyle().color != QColor(Qt::white))
        return QStringLiteral("the shared text style was left %1").arg(board.fontStyle().color.name());

    // Each digit is either offered or in exactly one slot; the slots fill from the left.
    const auto &chosen = board.userNumbers();
    for (int digit = 0; digit < 10; ++digit) {
        const auto inSlots = std::count(chosen.begin(), chosen.end(), digit);
        const int rest = board.restChoices()[digit];
        if (!((rest == digit && inSlots == 0) || (rest == -1 && inSlots == 1)))
            return QStringLiteral("digit %1 offered as %2 and in %3 slots").arg(digit).arg(rest).arg(inSlots);
    }
    const auto filled = std::find(chosen.begin(), chosen.end(), -1) - chosen.begin();
    if (std::any_of(chosen.begin() + filled, chosen.end(), [](int d) { return d != -1; }))
        return QStringLiteral("slots %1 are no prefix").arg(digitsOf(chosen));
    if (status == GameStatusChooseNumbers && filled == 4)
        return QStringLiteral("four pieces chosen but still choosing");
    if (status >= GameStatusMacTurn && filled != 4)
        return QStringLiteral("status %1 with %2 pieces chosen").arg(status).arg(filled);
    return {};
}

// ---- A whole match, scripted -------------------------------------------------------------------

void RandomPlayer::startMatch(int strengthLevel, bool autoCheck, bool soundOn)
{
    storeSettings({strengthLevel, 1, int(soundOn), int(autoCheck), 1.0f});
    m_prefs->awakeFromNib();

    newGame();
    for (int digit : {5, 0, 9, 3})
        click(pieceCentre(digit));
}

void RandomPlayer::play(const QString &script)
{
    for (const QString &token : script.split(u' ', Qt::SkipEmptyParts)) {
        if (token == u"ret" || token == u"ent" || token == u"lf")
            ++m_okKeys;
        if (token.size() == 1 && token.front().isDigit()) {
            digitKey(token.toInt());
        } else if (token == u"truth") {
            const HitBlowResult truth = NumberComparer(m_macRandom)
                                            .checkHitsBlowsIn(*m_controller->userOwnNumbers(),
                                                              *m_controller->macCurrentAnswer());
            digitKey(truth.hits);
            digitKey(truth.blows);
        } else if (token == u"ret") {
            QTest::keyClick(m_board.get(), Qt::Key_Return);
        } else if (token == u"ent") {
            QTest::sendKeyEvent(QTest::Click, m_board.get(), Qt::Key_Enter, QStringLiteral("\r"), Qt::KeypadModifier);
        } else if (token == u"lf") {
            QTest::sendKeyEvent(QTest::Click, m_board.get(), Qt::Key_J, QStringLiteral("\n"), Qt::ControlModifier);
        } else if (token == u"ok") {
            click(QPointF(364, 287));
        } else if (token.startsWith(u"wait:")) {
            advance(token.mid(5).toDouble());
        } else if (token == u"draw") {
            drawingPass();
        } else {
            QFAIL(qPrintable(QStringLiteral("unknown action ") + token));
        }
    }
}

int RandomPlayer::playScriptedMatch(int strengthLevel, int winningGuess, bool lastChance, bool soundOn)
{
    startMatch(strengthLevel, false, soundOn);
    int userGuesses = 0;
    for (int turns = 0; turns < 100 && m_controller->gameStatus() != GameStatusResultShown; ++turns) {
        const Before before = snapshot();
        switch (m_controller->gameStatus()) {
        case GameStatusMacTurn:
        case GameStatusUserResult:
            drawingPass();
            advance(pause());
            break;
        case GameStatusCheckHitBlow:
            play(QStringLiteral("truth ret wait:0.05"));
            break;
        case GameStatusUserTurn: {
            ++userGuesses;
            const bool finding = userGuesses == winningGuess || (lastChance && m_controller->macCurrentHitsCount() == 4);
            NumberSet guess = *m_controller->macOwnNumbers();
            if (!finding)
                std::rotate(guess.begin(), guess.begin() + 1, guess.end());
            for (int digit : guess)
                digitKey(digit);
            pressOK();
            advance(0.05);
            break;
        }
        default:
            drawingPass();
            break;
        }
        realPaint();
        const QString violated = violatedInvariant(before, true);
        if (!violated.isEmpty()) {
            fail(violated);
            return MatchResultNone;
        }
    }
    return m_controller->gameStatus() == GameStatusResultShown ? m_controller->matchResult() : MatchResultNone;
}

// ---- The test ----------------------------------------------------------------------------------

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
