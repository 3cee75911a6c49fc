// SPDX-License-Identifier: GPL-3.0-or-later
#include "MatchAssistant.h"

#include "GameBoardView.h"
#include "HitBlowController.h"
#include "KeptMatchChooser.h"
#include "MatchStatusBar.h"
#include "core/MatchSnapshots.h"
#include "PrefWindowController.h"
#include "ReviewDialog.h"
#include "StatisticsDialog.h"
#include "access/BoardSpeech.h"
#include "access/LiveAnnouncer.h"
#include "daily/DailyPuzzle.h"
#include "daily/DailyShare.h"
#include "platform/WindowFit.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QInputDialog>
#include <QKeySequence>
#include <QScopedValueRollback>

#include <QAction>
#include <QCheckBox>
#include <QMessageBox>
#include <QPushButton>

#include <utility>

namespace {
constexpr int kProblemShownMs = 15000;
constexpr int kToldMs = 8000;
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
    m_refreshTimer.setSingleShot(true);
    m_refreshTimer.setInterval(0);
    connect(&m_refreshTimer, &QTimer::timeout, this, &MatchAssistant::refresh);
    m_announcer = new LiveAnnouncer(&m_board);
    connect(&m_controller, &HitBlowController::gameStatusChanged, this, [this] {
        if (m_showingStoredPuzzle) {
            m_refreshTimer.start();
            return;
        }
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

void MatchAssistant::connectControls(MatchStatusBar *statusBar, QAction *hint, QAction *resume, QAction *review,
                                     QAction *share)
{
    m_shareAction = share;
    m_statusBar = statusBar;
    m_hintAction = hint;
    m_resumeAction = resume;
    m_reviewAction = review;
    connect(statusBar, &MatchStatusBar::playAgainClicked, this, &MatchAssistant::newGame);
    connect(statusBar, &MatchStatusBar::resumeClicked, this, &MatchAssistant::resumeMatch);
    connect(statusBar, &MatchStatusBar::reviewClicked, this, &MatchAssistant::reviewLastMatch);
    connect(statusBar, &MatchStatusBar::shareClicked, this, &MatchAssistant::copyShare);
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

void MatchAssistant::playDaily()
{
    // The date is read once, here: the puzzle started stays the puzzle of this date.
    const std::optional<DailyRound> today = DailyRound::of(QDate::currentDate());
    if (!today) {
        tell(tr("The daily puzzles begin on %1.").arg(DailyPuzzle::firstDate().toString(Qt::ISODate)));
        return;
    }
    const std::optional<DailyRound> &shown = m_controller.dailyRound();
    if (shown && !shown->isPractice() && shown->number() == today->number()) {
        refresh();
        return;
    }
    std::optional<MatchRecord> played;
    const std::optional<MatchRecord> &ofThisRun = statisticsKeeper().lastDecided();
    if (ofThisRun && ofThisRun->mode == MatchMode::Daily && ofThisRun->puzzle == today->number())
        played = ofThisRun;
    else
        played = statisticsKeeper().askAndWait<std::optional<MatchRecord>>(
            [number = today->number()](StatisticsStore &store) { return store.dailyAttempt(number); });
    if (played) {
        if (!giveUpForPuzzle())
            return;
        {
            const QScopedValueRollback showing(m_showingStoredPuzzle, true);
            m_controller.showFinishedDaily(DailyRound(today->number(), false, played->hardMode), played->turns.turns);
        }
        refresh();
        tell(tr("Today's puzzle is played: %1 copies its result.")
                    .arg(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C).toString(QKeySequence::NativeText)));
        return;
    }
    const std::vector<KeptMatch> &kept = m_tracker.resumable();
    const auto todays = std::find_if(kept.begin(), kept.end(), [&](const KeptMatch &match) {
        return match.match.dailyPuzzle == today->number() && !match.match.dailyPractice;
    });
    if (todays != kept.end() && !isMatchRunning(status())) {
        if (const std::optional<SavedMatch> match = m_tracker.resume(std::size_t(todays - kept.begin())))
            goOnWith(*match);
        refresh();
        return;
    }
    startPuzzle(*today);
}

void MatchAssistant::choosePractice()
{
    const int today = DailyPuzzle::numberOn(QDate::currentDate());
    if (today <= 1) {
        tell(tr("There is no earlier puzzle to practise yet."));
        return;
    }
    bool chosen = false;
    const int number = QInputDialog::getInt(m_window, tr("Practice Puzzle"),
                                            tr("An earlier puzzle to play for practice, 1 to %1. It never counts "
                                               "in the daily streak.")
                                                .arg(today - 1),
                                            today - 1, 1, today - 1, 1, &chosen);
    if (m_window)
        m_window->activateWindow();
    if (chosen)
        playPractice(number);
}

void MatchAssistant::playPractice(int number)
{
    if (const std::optional<DailyRound> puzzle = DailyRound::practice(number))
        startPuzzle(*puzzle);
}

bool MatchAssistant::giveUpForPuzzle()
{
    const bool running = isMatchRunning(status());
    if (m_tracker.newGameNeedsConsent(status()) && !askAbandon(running))
        return false;
    m_tracker.giveUp(progressOf(m_controller), strength());
    return true;
}

void MatchAssistant::startPuzzle(const DailyRound &puzzle)
{
    if (!giveUpForPuzzle())
        return;
    m_notepad.clear();
    m_controller.startDaily(puzzle);
    refresh();
}

void MatchAssistant::copyShare()
{
    const std::optional<DailyRound> &daily = m_controller.dailyRound();
    const bool ended = m_controller.gameStatus() == GameStatusGameOver || m_controller.gameStatus() == GameStatusResultShown;
    if (!daily || daily->isPractice() || !ended) {
        tell(tr("Only a daily puzzle that has ended has a result to copy."));
        return;
    }
    const QString text = DailyShare::text(daily->number(), ownRecordsOf(m_controller).turns,
                                          m_controller.matchResult() == MatchResultUserWon, daily->playedInHardMode(),
                                          kMostDailyGuesses);
    QGuiApplication::clipboard()->setText(text);
    tell(tr("The result of puzzle #%1 is copied, without its digits.").arg(daily->number()));
}

bool MatchAssistant::resumeAvailable() const
{
    return status() == GameStatusTitle && !m_tracker.resumable().empty();
}

void MatchAssistant::resumeMatch()
{
    if (status() != GameStatusTitle)
        return;
    m_tracker.waitForKeptMatches();
    const std::vector<KeptMatch> &kept = m_tracker.resumable();
    std::optional<std::size_t> chosen = kept.empty() ? std::nullopt : std::optional<std::size_t>(0);
    if (kept.size() > 1) {
        chosen = KeptMatchChooser::choose(kept, m_window);
        if (m_window)
            m_window->activateWindow();
    }
    if (chosen) {
        if (const std::optional<SavedMatch> match = m_tracker.resume(*chosen))
            goOnWith(*match);
        else
            tell(tr("That match could not be taken up: another game went on with it, or the statistics are busy."));
    }
    refresh();
}

void MatchAssistant::goOnWith(const SavedMatch &match)
{
    m_notepad.clear();
    if (!match.notes.isEmpty() && !m_notepad.restore(match.notes))
        qWarning("The notes kept with the match could not be read; the notepad starts blank.");
    m_matchStrength = match.strength;
    m_controller.resumeMatch(match);
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
            m_announcer->announce(MatchStatusBar::resumableText(int(m_tracker.resumable().size())));
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
        m_statusBar->showMatch(m_controller, {aidSettings().showOwnCandidates(),
                                              resumeAvailable() ? int(m_tracker.resumable().size()) : 0, latestHinted});
    if (m_shareAction) {
        const std::optional<DailyRound> &daily = m_controller.dailyRound();
        m_shareAction->setEnabled(daily && !daily->isPractice() && m_controller.gameStatus() >= GameStatusGameOver);
    }
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
