#pragma once

#include <QDialog>

// The rules of the game and the keys of the board, in a few lines.
class HowToPlayDialog : public QDialog
{
    Q_OBJECT

public:
    explicit HowToPlayDialog(QWidget *parent = nullptr);

    // The dialog's body (rich text).
    static QString rulesText();
};
