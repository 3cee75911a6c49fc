// SPDX-License-Identifier: GPL-3.0-or-later
#include "MatchAssistant.h"

#include "GameBoardView.h"
#include "HitBlowController.h"
#include "MatchStatusBar.h"
#include "core/MatchSnapshots.h"
#include "PrefWindowController.h"
#include "ReviewDialog.h"
#include "StatisticsDialog.h"
#include "access/BoardSpeech.h"
#include "access/LiveAnnouncer.h"
#include "platform/WindowFit.h"

#include <QAction>
#include <QCheckBox>
#include <QMessageBox>
#include <QPushButton>

#include <utility>

namespace {
constexpr int kProblemShownMs = 15000;
constexpr int kToldMs = 6000;
} // namespace

MatchAssistant::MatchAssistant(QWidget *window, HitBlowController &controller, GameBoardView &board,
                               PrefWindowController &preferences, RandomSource &random,
                               const QString &statisticsPath)
    : m_window(window)
    , m_controller(controller)
    , m_board(board)
    , m_preferences(preferences)
    , m_tracker(random, statisticsPath)
{
    m_announcer = new LiveAnnouncer(&board);
    m_refreshTimer.setSingleShot(true);
    m_refreshTimer.setInterval(0);
    connect(&m_refreshTimer, &QTimer::timeout, this, &MatchAssistant::refresh);
    connect(&m_controller, &HitBlowController::gameStatusChanged, this, [this] {
        // A match is filed under the strength it started at, whatever the preferences say since.
        if (status() == GameStatusChooseNumbers)
            m_matchStrength = m_preferences.strengthLevel();
        // A decided match is recorded at once, before anything else can happen to it.
        m_tracker.statusChanged(progressOf(m_controller), strength(), savedMatch());
        if (status() == GameStatusChooseNumbers)
            m_notepad.clear();
        m_refreshTimer.start();
    });
    // The notes go with the kept match, so a resumed match finds them as they were left.
    connect(&m_notepad, &Notepad::changed, this, [this] {
        if (const std::optional<SavedMatch> match = savedMatch())
            m_tracker.keep(*match);
    });
}

GameStatus MatchAssistant::status() const
{
    return gameStatusOf(m_controller.gameStatus());
}

std::optional<SavedMatch> MatchAssistant::savedMatch() const
{
    std::optional<SavedMatch> match = m_controller.savedMatch();
    if (match && !m_notepad.isEmpty())
        match->notes = m_notepad.serialise();
    return match;
}

MatchAssistant::~MatchAssistant()
{
    m_controller.disconnect(this);
}

void MatchAssistant::connectControls(MatchStatusBar *statusBar, QAction *hint, QAction *resume, QAction *review)
{
    m_statusBar = statusBar;
    m_hintAction = hint;
    m_resumeAction = resume;
    m_reviewAction = review;
    connect(statusBar, &MatchStatusBar::playAgainClicked, this, &MatchAssistant::newGame);
    connect(statusBar, &MatchStatusBar::resumeClicked, this, &MatchAssistant::resumeMatch);
    connect(statusBar, &MatchStatusBar::reviewClicked, this, &MatchAssistant::reviewLastMatch);
    // Told where the player looks, for a while, after every match that could not be saved.
    connect(&statisticsKeeper(), &StatisticsKeeper::saveProblemChanged, statusBar, [statusBar](const QString &problem) {
        if (problem.isEmpty())
            statusBar->clearMessage();
        else
            statusBar->showMessage(problem, kProblemShownMs);
    });
    refresh();
}

void MatchAssistant::newGame()
{
    const bool running = isMatchRunning(status());
    if (m_tracker.newGameNeedsConsent(status()) && !askAbandon(running)) {
        // Kept playing a match that waits from an earlier run: play it.
        if (!running)
            resumeMatch();
        return;
    }
    m_tracker.giveUp(progressOf(m_controller), strength());
    m_controller.newGame();
    refresh();
}

bool MatchAssistant::resumeAvailable() const
{
    return status() == GameStatusTitle && m_tracker.resumable().has_value();
}

void MatchAssistant::resumeMatch()
{
    if (status() != GameStatusTitle)
        return;
    if (const std::optional<SavedMatch> match = m_tracker.resume()) {
        m_notepad.clear();
        if (!match->notes.isEmpty() && !m_notepad.restore(match->notes))
            qWarning("The notes kept with the match could not be read; the notepad starts blank.");
        m_matchStrength = match->strength;
        m_controller.resumeMatch(*match);
    }
    refresh();
}

bool MatchAssistant::askAbandon(bool running)
{
    QMessageBox question(QMessageBox::Question, tr("New Game"),
                         running ? tr("Abandon the current match?") : tr("Abandon the unfinished match?"),
                         QMessageBox::NoButton, m_window);
    question.setInformativeText(tr("It will count as abandoned in the statistics."));
    QPushButton *abandon = question.addButton(tr("Abandon"), QMessageBox::AcceptRole);
    QPushButton *keep = question.addButton(tr("Keep Playing"), QMessageBox::RejectRole);
    // Return keeps the match: only a deliberate choice throws it away.
    question.setDefaultButton(keep);
    question.setEscapeButton(keep);
    auto *dontAsk = new QCheckBox(tr("Don't ask again"), &question);
    question.setCheckBox(dontAsk);
    question.exec();
    // Without a window manager nobody hands the keyboard back to the game when the box closes.
    if (m_window)
        m_window->activateWindow();
    if (question.clickedButton() != abandon)
        return false;
    if (dontAsk->isChecked())
        aidSettings().setConfirmAbandon(false);
    return true;
}

void MatchAssistant::hint()
{
    if (const auto guess = m_tracker.hint(status(), ownRecordsOf(m_controller))) {
        m_board.typeUserAnswer(*guess);
        m_announcer->announce(tr("Hint: %1").arg(BoardSpeech::digits(*guess)));
    } else if (isMatchRunning(status())) {
        tell(tr("The hint is for your own guesses: ask again on your turn."));
    }
}

void MatchAssistant::tell(const QString &message)
{
    if (m_statusBar)
        m_statusBar->showMessage(message, kToldMs);
    m_announcer->announce(message);
}

void MatchAssistant::showStatistics()
{
    StatisticsDialog dialog(statisticsKeeper(), m_preferences.strengthLevel(), m_window);
    WindowFit::fitToScreen(&dialog);
    dialog.exec();
    if (m_window)
        m_window->activateWindow();
}

void MatchAssistant::findStoredMatches()
{
    m_tracker.findKeptMatch([this] {
        refresh();
        if (resumeAvailable())
            m_announcer->announce(MatchStatusBar::resumableText());
    });
    statisticsKeeper().ask<std::optional<MatchRecord>>(
        this, [](StatisticsStore &store) { return store.lastDecided(); },
        [this](const std::optional<MatchRecord> &match) {
            if (std::exchange(m_storedLastDecidedKnown, true))
                return;
            m_storedLastDecided = match;
            refresh();
            // Review Last Match asked for before the answer, while the board is still as it was.
            if (std::exchange(m_reviewAskedAt, std::nullopt) == m_controller.gameStatus())
                reviewLastMatch();
        });
}

std::optional<MatchRecord> MatchAssistant::lastDecidedMatch() const
{
    const std::optional<MatchRecord> &ofThisRun = m_tracker.statisticsKeeper().lastDecided();
    return ofThisRun ? ofThisRun : m_storedLastDecided;
}

bool MatchAssistant::reviewAvailable() const
{
    const std::optional<MatchRecord> last = lastDecidedMatch();
    return last && !last->turns.empty();
}

void MatchAssistant::reviewLastMatch()
{
    if (!m_storedLastDecidedKnown && !m_tracker.statisticsKeeper().lastDecided()) {
        // Opened once the database answers, never by holding up the game's thread: another
        // game's lock can keep the answer for seconds, and the game must still obey the player
        // and a termination signal meanwhile.
        m_reviewAskedAt = m_controller.gameStatus();
        return;
    }
    if (!reviewAvailable()) {
        refresh();
        return;
    }
    ReviewDialog dialog(*lastDecidedMatch(), m_window);
    dialog.exec();
    if (m_window)
        m_window->activateWindow();
}

void MatchAssistant::refresh()
{
    m_refreshTimer.stop();
    const OwnRecords records = ownRecordsOf(m_controller);
    const bool latestHinted = !records.empty()
        && statisticsKeeper().typedByHint(int(records.size()) - 1, records.turns.back().guess);
    if (m_statusBar)
        m_statusBar->showMatch(m_controller, {aidSettings().showOwnCandidates(), resumeAvailable(), latestHinted});
    // Asked for on Mac's turn, the hint says when it comes.
    if (m_hintAction)
        m_hintAction->setEnabled(isMatchRunning(status()));
    if (m_resumeAction)
        m_resumeAction->setEnabled(status() == GameStatusTitle && m_tracker.mayResume());
    if (m_reviewAction)
        m_reviewAction->setEnabled(reviewAvailable() || !m_storedLastDecidedKnown);
    emit statusShown(status());
}

int MatchAssistant::strength() const
{
    return m_matchStrength.value_or(m_preferences.strengthLevel());
}
