// SPDX-License-Identifier: GPL-3.0-or-later
#include "DuelConnection.h"

#include <QTcpSocket>

DuelConnection::DuelConnection(QTcpSocket *socket, std::unique_ptr<DuelSide> side, QObject *parent)
    : QObject(parent), m_socket(socket), m_side(std::move(side))
{
    m_socket->setParent(this);
    m_silence.setSingleShot(true);
    connect(&m_silence, &QTimer::timeout, this, &DuelConnection::timedOut);
    connect(m_socket, &QTcpSocket::readyRead, this, &DuelConnection::readBytes);
    m_closing.setSingleShot(true);
    connect(&m_closing, &QTimer::timeout, this, [this] {
        m_socket->abort();
        reportClosed();
    });
    connect(m_socket, &QTcpSocket::disconnected, this, [this] {
        connectionLost(QStringLiteral("the other side left"));
        reportClosed();
    });
    connect(m_socket, &QTcpSocket::errorOccurred, this, [this](QAbstractSocket::SocketError error) {
        if (error == QAbstractSocket::RemoteHostClosedError)
            return;
        connectionLost(m_socket->errorString());
        if (isClosed())
            reportClosed();
    });
}

DuelConnection::~DuelConnection()
{
    m_socket->disconnect(this);
}

bool DuelConnection::isClosed() const
{
    return m_socket->state() == QAbstractSocket::UnconnectedState;
}

void DuelConnection::setTimeouts(int replyMs, int guessMs)
{
    m_replyTimeoutMs = replyMs;
    m_guessTimeoutMs = guessMs;
}

void DuelConnection::start()
{
    if (m_socket->state() != QAbstractSocket::ConnectedState) {
        connect(m_socket, &QTcpSocket::connected, this, &DuelConnection::start, Qt::SingleShotConnection);
        m_silence.start(m_replyTimeoutMs);
        return;
    }
    if (m_started)
        return;
    m_started = true;
    send(m_side->start());
    afterStep();
    readBytes();
}

void DuelConnection::guess(const NumberSet &number)
{
    send(m_side->guess(number));
    afterStep();
}

void DuelConnection::stop(const QString &reason)
{
    send(m_side->refuse(reason));
    afterStep();
}

void DuelConnection::readBytes()
{
    if (!m_started)
        return;
    while (m_side->phase() != DuelSide::Phase::Over) {
        m_reader.append(m_socket->readAll());
        const std::optional<QByteArray> payload = m_reader.next();
        // Only whole messages count against the silence: a peer trickling bytes is timed out too.
        if (!payload) {
            if (!m_reader.error().isEmpty()) {
                send(m_side->refuse(m_reader.error()));
                afterStep();
            }
            break;
        }
        const std::variant<DuelMessage, QString> parsed = DuelMessage::parse(*payload);
        if (const QString *fault = std::get_if<QString>(&parsed))
            send(m_side->refuse(*fault));
        else
            send(m_side->receive(std::get<DuelMessage>(parsed)));
        afterStep();
    }
}

void DuelConnection::send(const DuelSide::Messages &messages)
{
    for (const DuelMessage &message : messages)
        m_socket->write(DuelFrames::frame(message.toJson()));
}

void DuelConnection::afterStep()
{
    if (m_finished)
        return;
    if (m_side->phase() == DuelSide::Phase::Over) {
        m_finished = true;
        m_silence.stop();
        // Closes once what was written has gone out.
        m_socket->disconnectFromHost();
        m_closing.start(kClosingTimeoutMs);
        emit changed();
        emit finished();
        m_finishedSignalled = true;
        if (isClosed())
            reportClosed();
        return;
    }
    if (m_side->myTurnToGuess())
        m_silence.stop();
    else
        m_silence.start(m_side->waitingForTheirGuess() ? m_guessTimeoutMs : m_replyTimeoutMs);
    emit changed();
}

void DuelConnection::timedOut()
{
    const QString reason = QStringLiteral("no message for %1 s").arg(m_silence.interval() / 1000.0);
    if (m_started)
        send(m_side->refuse(reason));
    else
        m_side->lostConnection(reason);
    afterStep();
}

void DuelConnection::reportClosed()
{
    if (m_closed || !m_finishedSignalled)
        return;
    m_closed = true;
    m_closing.stop();
    emit closed();
}

void DuelConnection::connectionLost(const QString &reason)
{
    m_side->lostConnection(reason);
    afterStep();
}
