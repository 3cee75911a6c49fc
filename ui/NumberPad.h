// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QWidget>

class GameBoardView;
class QAbstractButton;
class QGridLayout;

// Buttons for mouse-only play: 0 to 9, left, right, Delete and OK. Each hands the board the very
// character its key would (GameBoardView::keyDown()), so every rule of the keys holds for them,
// in every status. The buttons never take the keyboard focus: it stays on the board.
class NumberPad : public QWidget
{
    Q_OBJECT

public:
    explicit NumberPad(GameBoardView *board, QWidget *parent = nullptr);

    // The button standing for a key character: "0" to "9", kLeftArrowKey, kRightArrowKey,
    // kDeleteKey or kReturnKey. Null for any other character.
    QAbstractButton *buttonFor(char16_t key) const;

    // Sizes the buttons for a board drawn at scale times its natural size (1 at 640 by 480).
    void setScale(double scale);
    double scale() const { return m_scale; }
    static constexpr double kSmallestScale = 0.5;
    static constexpr double kLargestScale = 2.5;

private:
    struct Key {
        char16_t character;
        QString label;
        QString accessibleName;
        QString keyName;
        int row;
        int column;
        int columnSpan;
        // Held down, the button repeats as a held key does.
        bool repeats;
    };
    void addKey(QGridLayout *grid, const Key &key);
    void equalizeColumns();

    GameBoardView *m_board;
    QHash<char16_t, QAbstractButton *> m_buttons;
    QGridLayout *m_grid = nullptr;
    double m_scale = 1.0;
};
