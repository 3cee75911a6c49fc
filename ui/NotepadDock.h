// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

#include <functional>

class GameBoardView;
class LiveAnnouncer;
class Notepad;
class NotepadPanel;
class QAction;
class QDockWidget;
class QMainWindow;
class QWidget;

// The notepad's place at the left of the board, shown and hidden by a checkable action, the
// choice kept in the user's defaults as "NotepadVisible" (1 shown, anything else hidden, the
// default). Built the first time it is shown, so a game without it pays nothing at start-up.
// Showing it widens the window by its width where the screen has room, so the board keeps its
// size; fitWindow runs when it has not. Its cells follow the board's scale.
class NotepadDock : public QObject
{
    Q_OBJECT

public:
    NotepadDock(QMainWindow *window, GameBoardView *board, Notepad &notepad, QAction *toggle);

    // Null until the notepad was first shown.
    NotepadPanel *panel() const { return m_panel; }
    void setFitWindow(std::function<void()> fitWindow) { m_fitWindow = std::move(fitWindow); }
    // The width the notepad takes beside the board; 0 while hidden.
    int widthBesideBoard() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void show(bool visible);
    double boardScale() const;

    QMainWindow *m_window;
    GameBoardView *m_board;
    Notepad &m_notepad;
    QDockWidget *m_dock = nullptr;
    NotepadPanel *m_panel = nullptr;
    LiveAnnouncer *m_announcer = nullptr;
    std::function<void()> m_fitWindow;
};
