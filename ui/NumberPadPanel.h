// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

#include <functional>

class GameBoardView;
class LiveAnnouncer;
class NumberPad;
class QAction;
class QDockWidget;
class QMainWindow;

// The number pad's place at the right of the board, shown and hidden by a checkable action. The
// choice is stored in the user's defaults as "NumberPadVisible" (1 shown, anything else hidden,
// the default). The pad is built the first time it is shown, so a game without it pays nothing.
// Showing it widens the window and hiding it narrows it again, so the board keeps its size.
class NumberPadPanel : public QObject
{
    Q_OBJECT

public:
    NumberPadPanel(QMainWindow *window, GameBoardView *board, QAction *toggle);

    // Null until the pad was first shown.
    NumberPad *numberPad() const { return m_pad; }

    // The pad's buttons follow the board's scale, and fitWindow runs whenever showing the pad
    // would make the window wider than the screen.
    void setFitWindow(std::function<void()> fitWindow) { m_fitWindow = std::move(fitWindow); }
    // The width the pad and its separator take beside a board drawn at scale; 0 while hidden.
    int widthBesideBoard(double scale) const;
    void setPadScale(double scale);
    // Dims the pad while its keys can do nothing, as once a match is over; the choice holds for
    // a pad built later too.
    void setKeysActive(bool active);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void setPadVisible(bool visible);
    void build();
    int widthBesideBoard() const;

    QMainWindow *m_window;
    GameBoardView *m_board;
    QDockWidget *m_dock = nullptr;
    NumberPad *m_pad = nullptr;
    bool m_keysActive = true;
    // Says that the pad appeared or went, which a shortcut does without moving the focus.
    LiveAnnouncer *m_announcer = nullptr;
    std::function<void()> m_fitWindow;
};
