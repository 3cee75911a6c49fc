// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

// Names the game, its version and its licence.
class AboutDialog : public QDialog
{
    Q_OBJECT

public:
    explicit AboutDialog(QWidget *parent = nullptr);

    // The dialog's body: name, version, a line about the game, copyright and licence (rich text).
    static QString aboutText();
};
