// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QKeyEvent;
class QLabel;

// What hides a shared board while it passes from one player to the other: "Pass to Ben" and what
// Ben does to see the board. A click on it lifts it; its window lifts it on a key.
class DuelCurtain : public QWidget
{
    Q_OBJECT

public:
    explicit DuelCurtain(QWidget *parent = nullptr);

    // news: what just happened, for the player who hands over; may be empty.
    void passTo(const QString &player, const QString &news);
    // "Pass to Ben", as shown.
    QString heading() const;
    // Any key lifts it but a modifier pressed alone.
    static bool liftedBy(const QKeyEvent &event);

signals:
    void lifted();

protected:
    void mousePressEvent(QMouseEvent *event) override;

private:
    QLabel *m_news;
    QLabel *m_heading;
    QLabel *m_hint;
};
