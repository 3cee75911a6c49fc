// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include <array>

class GameBoardView;
class LiveAnnouncer;
class Notepad;
class QGridLayout;
class QToolButton;

// The notepad beside the board: the ten digits by the four places of Mac's number. A click, or
// Space on the focused cell, cycles a cell blank, "not here" (✗), "here" (●); a click on a digit,
// or X on any cell of its row, marks the digit as not in the number. The arrow keys move between
// cells and Escape hands the keyboard back to the board; a digit typed on the page goes to the
// board's entry, as if typed there. A legend under the page says what the marks and keys mean. A
// click never takes the keyboard from the board; Tab reaches the cells.
class NotepadPanel : public QWidget
{
    Q_OBJECT

public:
    NotepadPanel(Notepad &notepad, GameBoardView *board, QWidget *parent = nullptr);

    static constexpr double kSmallestScale = 0.5;
    static constexpr double kLargestScale = 2.5;
    // Sizes the cells and their text at the board's scale (1: the board at its natural size),
    // within the limits above.
    void setScale(double scale);
    double scale() const { return m_scale; }

    QToolButton *cellButton(int digit, int place) const;
    QToolButton *digitButton(int digit) const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showNotepad();
    void fitWidth();
    int focusedDigit() const;
    void moveFocus(int digitStep, int placeStep);

    Notepad &m_notepad;
    GameBoardView *m_board;
    QGridLayout *m_grid = nullptr;
    LiveAnnouncer *m_announcer = nullptr;
    double m_scale = 1.0;
    std::array<std::array<QToolButton *, 4>, 10> m_cells{};
    std::array<QToolButton *, 10> m_digits{};
};
