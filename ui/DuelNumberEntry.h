// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "NumberComparer.h"

#include <QWidget>

class QLabel;
class QPushButton;

// Four digits typed by keyboard or by its buttons: the digits shown as typed, 0 to 9, Delete and
// OK. Its window hands it the keys (typeKey()); the buttons never take the keyboard focus.
class DuelNumberEntry : public QWidget
{
    Q_OBJECT

public:
    explicit DuelNumberEntry(QWidget *parent = nullptr);

    // A digit, Backspace, Delete, Return or Enter: true when the key was one of these.
    bool typeKey(int key);
    void clear();
    QString typed() const { return m_typed; }

signals:
    // OK with four different digits.
    void entered(const NumberSet &number);
    // OK with anything else: the reason, for the player.
    void refused(const QString &why);

private:
    void typeDigit(int digit);
    void deleteDigit();
    void confirm();
    void showTyped();

    QString m_typed;
    QLabel *m_display;
};
