// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Services.h"

#include <QMainWindow>

#include <memory>

class DuelPlay;
class GameBoardView;
class HitBlowController;
class MatchAssistant;
class MatchStatusBar;
class NotepadDock;
class NotepadPanel;
class NumberPad;
class NumberPadPanel;
class PrefWindowController;

namespace Ui {
class MainWindow;
}

// The game's one window: the board as its central widget, the Game and Help menus, and the two
// controllers, connected to each other and set up in the order the game relies on.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(const Services &services, QWidget *parent = nullptr);
    ~MainWindow() override;

    GameBoardView *gameBoardView() const { return m_gameBoardView; }
    HitBlowController *hitBlowController() const { return m_hitBlowController.get(); }
    PrefWindowController *prefWindowController() const { return m_prefWindowController; }

    QAction *newGameAction() const;
    QAction *preferencesAction() const;
    QAction *quitAction() const;
    QAction *howToPlayAction() const;
    QAction *aboutAction() const;
    QAction *hintAction() const;
    QAction *resumeMatchAction() const;
    QAction *dailyPuzzleAction() const;
    QAction *copyShareAction() const;
    QAction *duelAction() const;
    QAction *networkDuelAction() const;
    QAction *statisticsAction() const;
    QAction *reviewLastMatchAction() const;

    // The status bar, the hint, the statistics and the guarded New Game.
    MatchAssistant *matchAssistant() const { return m_matchAssistant.get(); }
    MatchStatusBar *matchStatusBar() const { return m_matchStatusBar; }

    QAction *numberPadAction() const;
    // Null until the number pad was first shown.
    NumberPad *numberPad() const;
    QAction *notepadAction() const;
    // Null until the notepad was first shown.
    NotepadPanel *notepadPanel() const;

    void showHowToPlay();
    void showAbout();
    // Two players at this computer: their names and numbers, then the duel in its own window.
    void playHotSeatDuel();
    // Hosting or joining a duel across the local network, then the duel in its own window.
    void playNetworkDuel();

signals:
    // Once, right after the board's first drawing reached the screen: the moment for the work
    // the first frame does not need.
    void firstFrameShown();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void keepWhenEnded(const DuelPlay &duel, int player, bool overNetwork);
    void fitBoardToScreen();
    void keepBoardTextLegible();
    double minimumBoardScale() const;

    std::unique_ptr<Ui::MainWindow> m_ui;
    GameBoardView *m_gameBoardView = nullptr;
    std::unique_ptr<HitBlowController> m_hitBlowController;
    PrefWindowController *m_prefWindowController = nullptr;
    // Goes before the controller it listens to.
    std::unique_ptr<MatchAssistant> m_matchAssistant;
    MatchStatusBar *m_matchStatusBar = nullptr;
    NumberPadPanel *m_numberPadPanel = nullptr;
    NotepadDock *m_notepadDock = nullptr;
};
