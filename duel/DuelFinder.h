// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QElapsedTimer>
#include <QHostAddress>
#include <QObject>
#include <QTimer>
#include <QUdpSocket>

#include <vector>

// Lists the duels hosted on the local network from the announcements DuelBeacons send. Anything
// that is no announcement is ignored; a game not heard from for forgetAfterMs is dropped, and at
// most kMostGames are listed at once, so a flood of datagrams cannot grow the list.
class DuelFinder : public QObject
{
    Q_OBJECT

public:
    struct Game {
        QString name;
        QHostAddress address;
        quint16 port = 0;
        qint64 heardAtMs = 0;
    };
    static constexpr int kForgetAfterMs = 3000;
    static constexpr int kMostGames = 32;

    explicit DuelFinder(QObject *parent = nullptr);

    // Several programs on one computer may listen on the same port.
    bool listen(const QHostAddress &address, quint16 port);
    quint16 port() const { return m_socket.localPort(); }
    QString errorString() const { return m_socket.errorString(); }
    void setForgetAfter(int ms) { m_forgetAfterMs = ms; }

    // Oldest found first.
    const std::vector<Game> &games() const { return m_games; }

signals:
    void gamesChanged();

private:
    void readDatagrams();
    void forgetSilentGames();

    QUdpSocket m_socket;
    QTimer m_sweep;
    QElapsedTimer m_clock;
    int m_forgetAfterMs = kForgetAfterMs;
    std::vector<Game> m_games;
};
