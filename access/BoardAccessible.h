// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "access/BoardMoment.h"

#include <QAccessibleWidget>
#include <QPointer>

#include <array>

class GameBoardView;
class LiveAnnouncer;

// The board as assistive technology meets it. The board is one painted widget, so this interface
// says in words what it shows (BoardSpeech): its name is the game's, its description the message
// line, what is being typed with the typing position, the result and the latest score of each
// side. Screen readers speak the description when the board takes the focus. The two record
// columns are the board's children (BoardRecordAccessible), one static text each. A third child,
// a notification (LiveAnnouncer), speaks what each drawing pass changed in a short phrase
// (BoardNews) and where Left and Right moved the typing position. The description's changes send
// no event: through Qt's bridge such an event carries the board rather than its text, which a
// screen reader cannot speak, and the notifications already tell the news.
class BoardAccessible : public QAccessibleWidget
{
public:
    explicit BoardAccessible(GameBoardView *board);
    ~BoardAccessible() override;

    // Makes every board get this interface; calling it again changes nothing.
    static void installFactory();

    QString text(QAccessible::Text t) const override;
    int childCount() const override;
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *child) const override;
    QAccessibleInterface *childAt(int x, int y) const override;

private:
    // After each drawing pass of the board: announces what changed since the last one, and sends
    // a name change event for a record that changed. Nothing listens until assistive technology
    // has asked for the interface.
    void sendChanges();

    GameBoardView *m_board;
    QMetaObject::Connection m_drawnConnection;
    QMetaObject::Connection m_placeConnection;
    std::array<QAccessible::Id, 2> m_recordIds{};
    QString m_sentName;
    std::array<QString, 2> m_sentRecords;
    QPointer<LiveAnnouncer> m_announcer;
    BoardMoment m_spokenMoment;
};
