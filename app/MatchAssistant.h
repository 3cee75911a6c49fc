#pragma once

#include "PlayerAidSettings.h"
#include "match/Notepad.h"
#include "statistics/StatisticsKeeper.h"

#include <QObject>
#include <QPointer>
#include <QTimer>

#include <memory>

class GameBoardView;
class HintStrategy;
class HitBlowController;
class MatchStatusBar;
class PrefWindowController;
class QAction;
class QWidget;
class RandomSource;

// The player's aids around the board: the status bar, the hint, the statistics and a New Game that
// asks before it abandons a running match. It follows the match through the controller's status
// listener and its getters, and changes the match only as the user could: by New Game and by
// typing on the board.
class MatchAssistant : public QObject
{
    Q_OBJECT

public:
    MatchAssistant(QWidget *window, HitBlowController &controller, GameBoardView &board,
                   PrefWindowController &preferences, RandomSource &random,
                   const QString &statisticsPath = StatisticsFile::defaultPath());
    ~MatchAssistant() override;

    // The bar goes under the board; hint is enabled only while the user's guess is awaited.
    void connectControls(MatchStatusBar *statusBar, QAction *hint);

    // New Game: while a match runs (statuses 2 to 5) asks first, unless the user said not to ask
    // again; a match given up counts as abandoned.
    void newGame();
    // Types the hint's guess into the user's entries and marks the match hinted (status 4 only).
    void hint();
    void showStatistics();
    // The application is ending: a running match counts as abandoned.
    void applicationWillTerminate();

    PlayerAidSettings &aidSettings() { return m_aids; }
    StatisticsKeeper &statisticsKeeper() { return m_keeper; }
    // The player's notes on the running match; a new match starts with a clean page.
    Notepad &notepad() { return m_notepad; }
    // Brings the status bar and the hint command up to date now rather than on the next pass of
    // the main loop.
    void refresh();

private:
    bool askAbandon();
    int strength() const;

    QPointer<QWidget> m_window;
    HitBlowController &m_controller;
    GameBoardView &m_board;
    PrefWindowController &m_preferences;
    PlayerAidSettings m_aids;
    StatisticsKeeper m_keeper;
    Notepad m_notepad;
    std::unique_ptr<HintStrategy> m_hintStrategy;
    QPointer<MatchStatusBar> m_statusBar;
    QPointer<QAction> m_hintAction;
    // Status changes happen inside drawing passes too; the widgets follow on the next loop pass.
    QTimer m_refreshTimer;
};
