// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "duel/DuelPlay.h"

#include <QDialog>

#include <array>

class DuelCurtain;
class DuelNumberEntry;
class LiveAnnouncer;
class QLabel;
class QListWidget;
class QPushButton;
class QStackedWidget;

// One duel as its players see it, whoever they are: each player's guesses with their scores,
// whose turn it is, the typing of a local player's guess, and at the end who won and both
// numbers. When the turn passes between two players at this computer a curtain hides the board
// until the next one is ready; a player across the network is waited for. Everything that
// changes is also told to a screen reader. The window keeps the keyboard focus itself.
class DuelWindow : public QDialog
{
    Q_OBJECT

public:
    explicit DuelWindow(DuelPlay &duel, QWidget *parent = nullptr);
    ~DuelWindow() override;

    bool curtainShown() const;
    QString curtainHeading() const;
    // The line above the board: whose turn, whom it waits for, or the result.
    QString turnText() const;
    // The latest phrase given to a screen reader.
    QString lastAnnouncement() const { return m_lastAnnouncement; }

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void changeEvent(QEvent *event) override;
    // Closing the window while the duel runs gives it up, once the player agrees.
    void reject() override;

private:
    void showStart();
    void showTurnPlayed(int player);
    void showEnd();
    void liftCurtain();
    void showBoard();
    void showRecords();
    void showTurn();
    void guess(const NumberSet &number);
    void announce(const QString &phrase);
    static QString sentences(const QStringList &phrases);
    QString endText() const;
    QString scorePhrase(int player, const Turn &turn) const;

    DuelPlay &m_duel;
    QStackedWidget *m_pages;
    DuelCurtain *m_curtain;
    QLabel *m_turn;
    std::array<QLabel *, 2> m_headings{};
    std::array<QListWidget *, 2> m_records{};
    QLabel *m_refusal;
    DuelNumberEntry *m_entry;
    QPushButton *m_close;
    LiveAnnouncer *m_announcer;
    QString m_lastAnnouncement;
    // Both numbers are hidden and who starts is known.
    bool m_started = false;
    // Started before the window was active: told on its first activation.
    bool m_startUntold = false;
};
