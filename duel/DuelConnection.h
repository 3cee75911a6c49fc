// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "DuelFrames.h"
#include "DuelSide.h"

#include <QObject>
#include <QTimer>

#include <memory>

class QTcpSocket;

// One side of a duel on a TCP connection. Nothing here blocks: bytes are read as they come, cut
// into frames, parsed and handed to the side, and its answers written. Whatever the other side
// sends that is no message in its turn (garbage, a length over the limit, a malformed or
// out-of-turn message) is answered by an error message and the connection is closed; so is a
// silent peer, once the time allowed for what the side waits for has passed.
class DuelConnection : public QObject
{
    Q_OBJECT

public:
    // What a program answers at once, and a guess, which a person may think over.
    static constexpr int kReplyTimeoutMs = 15000;
    static constexpr int kGuessTimeoutMs = 10 * 60 * 1000;
    // How long the last messages may take to go out once the duel is over; then the socket is cut.
    static constexpr int kClosingTimeoutMs = 5000;

    // Takes the socket, connected or still connecting.
    DuelConnection(QTcpSocket *socket, std::unique_ptr<DuelSide> side, QObject *parent = nullptr);
    ~DuelConnection() override;

    void setTimeouts(int replyMs, int guessMs);
    // Sends the side's first messages once connected; the duel runs from here.
    void start();
    // Only when side().myTurnToGuess().
    void guess(const NumberSet &number);
    // Ends the duel here with an error message to the other side.
    void stop(const QString &reason);

    const DuelSide &side() const { return *m_side; }
    // Whether the socket is closed, and all written has gone out or can no longer go.
    bool isClosed() const;

signals:
    // After each message in or out: whose turn it is may have changed.
    void changed();
    // Once, when the duel is over or the connection lost; side() says how it ended.
    void finished();
    // Once, when the socket is closed after finished(): from then on the connection may be deleted.
    void closed();

private:
    void readBytes();
    void send(const DuelSide::Messages &messages);
    void afterStep();
    void timedOut();
    void connectionLost(const QString &reason);
    void reportClosed();

    QTcpSocket *m_socket;
    std::unique_ptr<DuelSide> m_side;
    DuelFrameReader m_reader;
    QTimer m_silence;
    QTimer m_closing;
    int m_replyTimeoutMs = kReplyTimeoutMs;
    int m_guessTimeoutMs = kGuessTimeoutMs;
    bool m_started = false;
    bool m_finished = false;
    bool m_finishedSignalled = false; // closed() comes after finished()
    bool m_closed = false;
};
