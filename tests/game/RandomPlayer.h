// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "GameBoardView.h"
#include "HitBlowController.h"
#include "PrefWindowController.h"
#include "platform/UserDefaults.h"

#include "Fakes.h"

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

// The random player of tst_randomplay: one game as the application wires it, its random actions
// (RandomPlayer.cpp) and the checks after every step with the scripted matches
// (RandomPlayerChecks.cpp).

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

inline Settings settingsOf(const PrefWindowController &prefs)
{
    return {prefs.strengthLevel(), prefs.candidatesVisible(), prefs.soundMode(), prefs.autoCheck(),
            prefs.playingRhythm()};
}

inline QString describe(const Settings &s)
{
    return QStringLiteral("level %1, candidates %2, sound %3, auto %4, rhythm %5")
        .arg(s.strengthLevel).arg(s.candidatesVisible).arg(s.soundMode).arg(s.autoCheck).arg(s.playingRhythm);
}

inline bool fourDistinctDigits(const NumberSet &numbers)
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

inline bool sameScore(const HitBlowResult &score, int hits, int blows)
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
