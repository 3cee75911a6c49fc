// SPDX-License-Identifier: GPL-3.0-or-later
#include "BoardAccessible.h"

#include "BoardRecordAccessible.h"
#include "BoardSpeech.h"
#include "GameBoardView.h"
#include "access/BoardNews.h"
#include "access/LiveAnnouncer.h"

namespace {
QAccessibleInterface *boardInterfaceFactory(const QString &className, QObject *object)
{
    if (className != QLatin1String(GameBoardView::staticMetaObject.className()) || !object || !object->isWidgetType())
        return nullptr;
    return new BoardAccessible(static_cast<GameBoardView *>(object));
}

void sendEvent(QAccessibleInterface *iface, QAccessible::Event type)
{
    QAccessibleEvent event(iface, type);
    QAccessible::updateAccessibility(&event);
}
} // namespace

BoardAccessible::BoardAccessible(GameBoardView *board)
    : QAccessibleWidget(board, QAccessible::Canvas)
    , m_board(board)
{
    for (int side = 0; side < 2; ++side) {
        auto *record = new BoardRecordAccessible(board, BoardSpeech::Side(side));
        m_recordIds[side] = QAccessible::registerAccessibleInterface(record);
        m_sentRecords[side] = record->text(QAccessible::Name);
    }
    m_announcer = new LiveAnnouncer(board);
    m_spokenMoment = BoardMoment::of(*board);
    m_sentName = text(QAccessible::Name);
    // Assistive technology asks for a board's interface before it listens to it, so a board
    // without one has nobody to tell about changes.
    m_drawnConnection = QObject::connect(board, &GameBoardView::drawn, [this] { sendChanges(); });
    // Typing is echoed by the screen reader; a move of the typing position is not.
    m_placeConnection = QObject::connect(board, &GameBoardView::typingPlaceMoved, [this] {
        if (m_announcer)
            m_announcer->announce(BoardSpeech::typingPlace(*m_board));
    });
}

BoardAccessible::~BoardAccessible()
{
    QObject::disconnect(m_drawnConnection);
    QObject::disconnect(m_placeConnection);
    for (QAccessible::Id id : m_recordIds)
        QAccessible::deleteAccessibleInterface(id);
    delete m_announcer.data();
}

void BoardAccessible::installFactory()
{
    static const bool installed = [] {
        QAccessible::installFactory(boardInterfaceFactory);
        return true;
    }();
    Q_UNUSED(installed);
}

void BoardAccessible::sendChanges()
{
    const BoardMoment moment = BoardMoment::of(*m_board);
    const QString news = BoardNews::between(m_spokenMoment, moment);
    m_spokenMoment = moment;
    if (m_announcer)
        m_announcer->announce(news);
    const QString name = text(QAccessible::Name);
    if (name != m_sentName) {
        m_sentName = name;
        sendEvent(this, QAccessible::NameChanged);
    }
    for (int side = 0; side < 2; ++side) {
        QAccessibleInterface *record = QAccessible::accessibleInterface(m_recordIds[side]);
        const QString recordText = record ? record->text(QAccessible::Name) : QString();
        if (record && recordText != m_sentRecords[side]) {
            m_sentRecords[side] = recordText;
            sendEvent(record, QAccessible::NameChanged);
        }
    }
}

QString BoardAccessible::text(QAccessible::Text t) const
{
    switch (t) {
    case QAccessible::Name:
        return BoardSpeech::name();
    case QAccessible::Description:
        return BoardSpeech::description(*m_board);
    default:
        return QAccessibleWidget::text(t);
    }
}

int BoardAccessible::childCount() const
{
    return int(m_recordIds.size()) + 1;
}

QAccessibleInterface *BoardAccessible::child(int index) const
{
    if (index < 0 || index >= childCount())
        return nullptr;
    if (index == int(m_recordIds.size()))
        return m_announcer ? m_announcer->latest() : nullptr;
    return QAccessible::accessibleInterface(m_recordIds[index]);
}

int BoardAccessible::indexOfChild(const QAccessibleInterface *child) const
{
    for (int index = 0; index < childCount(); ++index) {
        if (this->child(index) == child)
            return index;
    }
    return -1;
}

QAccessibleInterface *BoardAccessible::childAt(int x, int y) const
{
    for (int index = 0; index < int(m_recordIds.size()); ++index) {
        QAccessibleInterface *record = child(index);
        if (record && record->rect().contains(x, y))
            return record;
    }
    return nullptr;
}
