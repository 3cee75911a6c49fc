// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QScrollArea;

// The rules of the game and the keys of the board, in a few sections, each under a heading.
class HowToPlayDialog : public QDialog
{
    Q_OBJECT

public:
    struct Section {
        QString heading;
        QString html; // rich text
    };

    explicit HowToPlayDialog(QWidget *parent = nullptr);
    ~HowToPlayDialog() override;

    static QList<Section> sections();
    // The whole text in one piece (rich text).
    static QString rulesText();

private:
    QScrollArea *m_view = nullptr;
    QMetaObject::Connection m_focusWatch;
};
