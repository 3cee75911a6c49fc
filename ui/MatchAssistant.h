// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "statistics/MatchTracker.h"
#include "match/Notepad.h"

#include <QObject>
#include <QPointer>
#include <QTimer>

#include <memory>
#include <optional>

class DailyRound;
class GameBoardView;
class LiveAnnouncer;
class HitBlowController;
class LiveAnnouncer;
class MatchStatusBar;
class PrefWindowController;
class QAction;
class QWidget;
class RandomSource;

// The player's aids around the board as the user meets them: the status bar, the hint command, the
// statistics window and New Game's question before it abandons a running match. It follows the
// match through the controller's status listener and its getters, hands what it reads to the
// widget-free MatchTracker, and changes the match only as the user could: by New Game and by
// typing on the board.
class MatchAssistant : public QObject
{
    Q_OBJECT

public:
    MatchAssistant(QWidget *window, HitBlowController &controller, GameBoardView &board,
                   PrefWindowController &preferences, RandomSource &random,
                   const QString &statisticsPath = StatisticsStore::defaultPath());
    ~MatchAssistant() override;

    // The bar goes under the board; hint is enabled while a match runs, resume
    // only on the title screen while a match kept from an earlier run waits, review while the last
    // match decided has its turns. Until the database has answered, resume and review may find a
    // match, so they stay enabled: their shortcuts pressed at once wait for the answer.
    void connectControls(MatchStatusBar *statusBar, QAction *hint, QAction *resume = nullptr,
                         QAction *review = nullptr, QAction *share = nullptr);

    // New Game: while a match runs (isMatchRunning), or one kept from an earlier run waits, asks
    // first, unless the user said not to ask again; a match given up counts as abandoned.
    void newGame();
    // Goes on with a match kept by an earlier run, at the start of the turn it was in (title
    // screen only), once the database has answered: the one waiting, or the one the player picks
    // from the list when several wait.
    void resumeMatch();
    // Whether a match kept by an earlier run is known to wait (title screen only).
    bool resumeAvailable() const;
    // Types the hint's guess into the user's entries, says it, and marks the match hinted (the
    // user's turn only; at other times of a match it says when the hint comes).
    void hint();
    void showStatistics();
    // Game > Daily Puzzle: the puzzle of today's local date. Played already: its finished board,
    // ready to share, and no second attempt; kept unfinished: gone on with; otherwise started,
    // asking first as New Game does when a match runs or waits.
    void playDaily();
    // Game > Practice Puzzle: asks for an earlier puzzle's number and plays it for practice.
    void choosePractice();
    void playPractice(int number);
    // Copies the share text of the daily puzzle shown at its end to the clipboard, and says so in
    // the status bar and to a screen reader; otherwise says why there is nothing to copy.
    void copyShare();
    // The review of the last match won, lost or drawn: of this run, or else the latest stored,
    // once the database has answered (asked before, it opens then, unless the match has moved on).
    void reviewLastMatch();
    // Whether such a match is known.
    bool reviewAvailable() const;
    // Asks the statistics for what an earlier run left: the latest match stored, for review, and
    // a match kept for resuming. It opens the database, so not before the window is on the
    // screen.
    void findStoredMatches();

    PlayerAidSettings &aidSettings() { return m_tracker.aidSettings(); }
    StatisticsKeeper &statisticsKeeper() { return m_tracker.statisticsKeeper(); }
    // The player's notes on the running match; a new match starts with a clean page.
    Notepad &notepad() { return m_notepad; }
    // Brings the status bar and the hint command up to date now rather than on the next pass of
    // the main loop.
    void refresh();

signals:
    // After every refresh: the status the bar and the commands now show.
    void statusShown(GameStatus status);

private:
    GameStatus status() const;
    // Abandons what New Game would, once the user agrees; false when the user keeps the match.
    bool giveUpForPuzzle();
    // Goes on with a kept match, its notes on the notepad.
    void goOnWith(const SavedMatch &match);
    void startPuzzle(const DailyRound &puzzle);
    // The match as it can be kept, with the player's notes.
    std::optional<SavedMatch> savedMatch() const;
    bool askAbandon(bool running);
    // Shown in the status bar for a while, and spoken.
    void tell(const QString &message);
    int strength() const;
    std::optional<MatchRecord> lastDecidedMatch() const;

    QPointer<QWidget> m_window;
    HitBlowController &m_controller;
    GameBoardView &m_board;
    PrefWindowController &m_preferences;
    MatchTracker m_tracker;
    Notepad m_notepad;
    QPointer<MatchStatusBar> m_statusBar;
    QPointer<QAction> m_hintAction;
    QPointer<QAction> m_resumeAction;
    QPointer<QAction> m_reviewAction;
    QPointer<QAction> m_shareAction;
    // The latest decided match stored by an earlier run, once the database has answered.
    std::optional<MatchRecord> m_storedLastDecided;
    bool m_storedLastDecidedKnown = false;
    // Where the match stood when Review Last Match waited for that answer.
    std::optional<int> m_reviewAskedAt;
    // The strength the running match started at; nothing before the first.
    std::optional<int> m_matchStrength;
    // While a finished puzzle's stored board is put up, nothing of it is recorded or kept.
    bool m_showingStoredPuzzle = false;
    // Speaks what the status bar is told, and the hint, as a notification of the board.
    QPointer<LiveAnnouncer> m_announcer;
    // Status changes happen inside drawing passes too; the widgets follow on the next loop pass.
    QTimer m_refreshTimer;
};
