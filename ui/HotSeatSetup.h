// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "NumberComparer.h"

#include <QDialog>

#include <array>

class DuelCurtain;
class DuelNumberEntry;
class LiveAnnouncer;
class QLabel;
class QLineEdit;
class QStackedWidget;

// Before a duel at one computer: the two names (the last ones used, remembered), then each player
// hides a number while the other looks away, with a curtain between them. Accepted once both
// numbers are hidden.
class HotSeatSetup : public QDialog
{
    Q_OBJECT

public:
    explicit HotSeatSetup(QWidget *parent = nullptr);
    ~HotSeatSetup() override;

    QString playerName(int player) const;
    NumberSet secret(int player) const { return m_secrets.at(player); }

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void takeNames();
    void hide(int player);
    void hidden(const NumberSet &number);
    void liftCurtain();
    void announce(const QString &phrase);

    QStackedWidget *m_pages;
    std::array<QLineEdit *, 2> m_names{};
    QWidget *m_namesPage;
    QWidget *m_hidingPage;
    QLabel *m_hidingPrompt;
    QLabel *m_refusal;
    DuelNumberEntry *m_entry;
    DuelCurtain *m_curtain;
    LiveAnnouncer *m_announcer;
    std::array<NumberSet, 2> m_secrets{};
    int m_hiding = 0;
};
