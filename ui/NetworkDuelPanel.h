// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "NumberComparer.h"

#include <QHash>
#include <QHostAddress>
#include <QPointer>
#include <QWidget>

#include <memory>
#include <optional>

class DuelBeacon;
class DuelFinder;
class DuelHost;
class LiveAnnouncer;
class NetworkDuel;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

// Hosting or joining a duel across the local network, up to the moment it starts: the player's
// name and hidden number; a Host button that listens, announces the game and shows the port and
// the addresses to tell the other player; the games found on the network, listed as they come and
// go, and a field for a host's address. Nothing here waits on the network: each step answers when
// it comes, and a failure is said in the status line (and to a screen reader). Once the duel has
// started it is handed over by duelReady().
class NetworkDuelPanel : public QWidget
{
    Q_OBJECT

public:
    // Where the panel listens and announces. The defaults serve the local network; tests keep to
    // the loopback.
    struct Network {
        QHostAddress listenAddress = QHostAddress(QHostAddress::AnyIPv4);
        QHostAddress beaconDestination; // null: every interface's broadcast address
        quint16 beaconPort;
        QHostAddress finderAddress = QHostAddress(QHostAddress::AnyIPv4);
        quint16 finderPort;
    };
    static Network localNetwork();

    explicit NetworkDuelPanel(const Network &network = localNetwork(), QWidget *parent = nullptr);
    ~NetworkDuelPanel() override;

    void setPlayerName(const QString &name);
    QString playerName() const;
    quint16 finderPort() const;

    QLineEdit *nameField() const { return m_name; }
    QLineEdit *secretField() const { return m_secret; }
    QPushButton *hostButton() const { return m_host; }
    QListWidget *gameList() const { return m_games; }
    QLineEdit *addressField() const { return m_address; }
    QPushButton *joinButton() const { return m_join; }
    QLabel *statusLabel() const { return m_status; }

signals:
    // A duel started; the receiver owns it.
    void duelReady(NetworkDuel *duel);

private:
    void toggleHosting();
    void stopHosting();
    void joinChosen();
    void cancel();
    void follow(NetworkDuel *duel);
    void showGames();
    void showStatus(const QString &text);
    void setBusy(bool busy);
    std::optional<NumberSet> chosenSecret();

    Network m_network;
    QLineEdit *m_name = nullptr;
    QLineEdit *m_secret = nullptr;
    QPushButton *m_host = nullptr;
    QListWidget *m_games = nullptr;
    QLineEdit *m_address = nullptr;
    QPushButton *m_join = nullptr;
    QPushButton *m_cancel = nullptr;
    QLabel *m_status = nullptr;
    // By host widget: a screen reader speaks what the focused widget announces.
    QHash<QWidget *, LiveAnnouncer *> m_announcers;
    std::unique_ptr<DuelFinder> m_finder;
    std::unique_ptr<DuelHost> m_duelHost;
    std::unique_ptr<DuelBeacon> m_beacon;
    QPointer<NetworkDuel> m_starting; // until started() or ended()
    QPointer<QWidget> m_focusBefore;  // where the keyboard was when hosting or joining began
    NumberSet m_secretInPlay{};
};
