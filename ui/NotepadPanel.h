#pragma once

#include <QWidget>

#include <array>

class Notepad;
class QGridLayout;
class QToolButton;

// The notepad beside the board: the ten digits by the four places of Mac's number. A click, or
// Space on the focused cell, cycles a cell blank, "not here" (✗), "here" (●); a click on a digit,
// or X on any cell of its row, marks the digit as not in the number. The arrow keys move between
// cells and Escape hands the keyboard back to the board. A click never takes the keyboard from
// the board; Tab reaches the cells.
class NotepadPanel : public QWidget
{
    Q_OBJECT

public:
    NotepadPanel(Notepad &notepad, QWidget *board, QWidget *parent = nullptr);

    QToolButton *cellButton(int digit, int place) const;
    QToolButton *digitButton(int digit) const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showNotepad();
    int focusedDigit() const;
    void moveFocus(int digitStep, int placeStep);

    Notepad &m_notepad;
    QWidget *m_board;
    std::array<std::array<QToolButton *, 4>, 10> m_cells{};
    std::array<QToolButton *, 10> m_digits{};
};
