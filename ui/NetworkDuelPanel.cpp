// SPDX-License-Identifier: GPL-3.0-or-later
#include "NetworkDuelPanel.h"

#include "access/LiveAnnouncer.h"
#include "duel/DuelBeacon.h"
#include "duel/DuelConnection.h"
#include "duel/DuelFinder.h"
#include "duel/DuelHost.h"
#include "duel/NetworkDuel.h"
#include "platform/RandomSource.h"
#include "rules/NumberText.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QNetworkInterface>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
enum ItemRole { AddressRole = Qt::UserRole, PortRole };

QString endpointText(const QHostAddress &address, quint16 port)
{
    const QString host = address.protocol() == QAbstractSocket::IPv6Protocol ? '[' + address.toString() + ']'
                                                                              : address.toString();
    return host + ':' + QString::number(port);
}

// "HOST:PORT" or "[IPv6]:PORT".
std::optional<std::pair<QString, quint16>> parseEndpoint(const QString &text)
{
    const QString trimmed = text.trimmed();
    const qsizetype colon = trimmed.lastIndexOf(u':');
    bool ok = false;
    const uint port = trimmed.mid(colon + 1).toUInt(&ok);
    QString host = trimmed.left(colon);
    if (host.startsWith(u'[') && host.endsWith(u']'))
        host = host.mid(1, host.size() - 2);
    if (colon <= 0 || !ok || port == 0 || port > 65535 || host.isEmpty() || host.contains(u' '))
        return std::nullopt;
    return std::pair{host, quint16(port)};
}

// The addresses another computer may reach this one at, for the player to tell.
QStringList addressesToTell(const QHostAddress &listening, quint16 port)
{
    if (listening.isLoopback())
        return {endpointText(listening, port)};
    QStringList addresses;
    for (const QHostAddress &address : QNetworkInterface::allAddresses()) {
        if (!address.isLoopback() && address.protocol() == QAbstractSocket::IPv4Protocol)
            addresses << endpointText(address, port);
    }
    return addresses.isEmpty() ? QStringList{endpointText(QHostAddress(QHostAddress::LocalHost), port)} : addresses;
}
} // namespace

NetworkDuelPanel::Network NetworkDuelPanel::localNetwork()
{
    // Two games on one computer, with nothing sent beyond it (HITBLOW_DUEL_LOOPBACK=1).
    if (qEnvironmentVariableIntValue("HITBLOW_DUEL_LOOPBACK") == 1) {
        const QHostAddress loopback(QHostAddress::LocalHost);
        return {loopback, loopback, DuelBeacon::kDefaultPort, loopback, DuelBeacon::kDefaultPort};
    }
    return {QHostAddress(QHostAddress::AnyIPv4), QHostAddress(), DuelBeacon::kDefaultPort,
            QHostAddress(QHostAddress::AnyIPv4), DuelBeacon::kDefaultPort};
}

NetworkDuelPanel::NetworkDuelPanel(const Network &network, QWidget *parent)
    : QWidget(parent), m_network(network), m_finder(std::make_unique<DuelFinder>())
{
    setAccessibleName(tr("Duel across the network"));
    m_name = new QLineEdit;
    m_name->setPlaceholderText(tr("Player"));
    m_name->setMaxLength(32);
    m_name->setAccessibleName(tr("Your name"));
    m_secret = new QLineEdit;
    m_secret->setEchoMode(QLineEdit::Password);
    m_secret->setMaxLength(4);
    m_secret->setPlaceholderText(tr("Random"));
    m_secret->setAccessibleName(tr("Your hidden number"));
    m_secret->setAccessibleDescription(tr("Four different digits; left empty, a random number is hidden for you."));
    auto *you = new QFormLayout;
    you->addRow(tr("Your &name:"), m_name);
    you->addRow(tr("Your hidden n&umber:"), m_secret);

    m_host = new QPushButton(tr("&Host a duel"));
    auto *hostBox = new QGroupBox(tr("Host"));
    auto *hostLayout = new QHBoxLayout(hostBox);
    hostLayout->addWidget(m_host);
    hostLayout->addStretch();

    m_games = new QListWidget;
    m_games->setAccessibleName(tr("Games found on the network"));
    m_games->setMinimumHeight(fontMetrics().lineSpacing() * 5);
    m_address = new QLineEdit;
    m_address->setPlaceholderText(tr("192.168.1.5:47615"));
    m_address->setAccessibleName(tr("Host's address and port"));
    m_address->setMinimumWidth(m_address->fontMetrics().horizontalAdvance(QStringLiteral("000.000.000.000:00000")) * 1.2);
    m_join = new QPushButton(tr("&Join"));
    auto *joinBox = new QGroupBox(tr("Join"));
    auto *joinLayout = new QFormLayout(joinBox);
    auto *gamesLabel = new QLabel(tr("&Games found:"));
    gamesLabel->setBuddy(m_games);
    joinLayout->addRow(gamesLabel);
    joinLayout->addRow(m_games);
    auto *addressRow = new QHBoxLayout;
    addressRow->addWidget(m_address, 1);
    addressRow->addWidget(m_join);
    auto *addressLabel = new QLabel(tr("Or an &address:"));
    addressLabel->setBuddy(m_address);
    joinLayout->addRow(addressLabel, addressRow);

    m_status = new QLabel;
    m_status->setWordWrap(true);
    m_status->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_status->setAccessibleName(tr("Status"));
    m_cancel = new QPushButton(tr("&Cancel"));
    m_cancel->setEnabled(false);
    auto *statusRow = new QHBoxLayout;
    statusRow->addWidget(m_status, 1);
    statusRow->addWidget(m_cancel, 0, Qt::AlignTop);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(you);
    layout->addWidget(hostBox);
    layout->addWidget(joinBox, 1);
    layout->addLayout(statusRow);

    connect(m_host, &QPushButton::clicked, this, &NetworkDuelPanel::toggleHosting);
    connect(m_join, &QPushButton::clicked, this, &NetworkDuelPanel::joinChosen);
    connect(m_address, &QLineEdit::returnPressed, this, &NetworkDuelPanel::joinChosen);
    connect(m_games, &QListWidget::itemActivated, this, [this] {
        m_address->clear();
        joinChosen();
    });
    connect(m_cancel, &QPushButton::clicked, this, &NetworkDuelPanel::cancel);
    connect(m_finder.get(), &DuelFinder::gamesChanged, this, &NetworkDuelPanel::showGames);
    if (!m_finder->listen(m_network.finderAddress, m_network.finderPort))
        showStatus(tr("Games on the network cannot be listed (%1); type the host's address.").arg(m_finder->errorString()));
    showGames();
}

NetworkDuelPanel::~NetworkDuelPanel()
{
    if (m_starting)
        m_starting->leave();
}

void NetworkDuelPanel::setPlayerName(const QString &name)
{
    m_name->setText(name);
}

QString NetworkDuelPanel::playerName() const
{
    const QString name = m_name->text().trimmed();
    return name.isEmpty() ? tr("Player") : name;
}

quint16 NetworkDuelPanel::finderPort() const
{
    return m_finder->port();
}

std::optional<NumberSet> NetworkDuelPanel::chosenSecret()
{
    if (m_secret->text().isEmpty()) {
        const std::vector<NumberSet> numbers = NumberComparer().makeCandidatesArray();
        return numbers[RandomSource::processWide().draw() % numbers.size()];
    }
    const std::optional<NumberSet> secret = NumberText::parse(m_secret->text());
    if (!secret) {
        showStatus(tr("Your hidden number must be four different digits, or left empty for a random one."));
        m_secret->setFocus();
    }
    return secret;
}

void NetworkDuelPanel::toggleHosting()
{
    if (m_duelHost) {
        stopHosting();
        showStatus(tr("You stopped hosting."));
        return;
    }
    const std::optional<NumberSet> secret = chosenSecret();
    if (!secret)
        return;
    auto host = std::make_unique<DuelHost>(*secret, playerName());
    if (!host->listen(m_network.listenAddress, 0)) {
        showStatus(tr("You cannot host here: %1").arg(host->errorString()));
        return;
    }
    const QString name = playerName();
    connect(host.get(), &DuelHost::duelStarted, this, [this, name, secret](DuelConnection *connection) {
        m_beacon.reset();
        showStatus(tr("A player joined; tossing a coin for who guesses first…"));
        follow(new NetworkDuel(connection, name, *secret));
    });
    m_beacon = std::make_unique<DuelBeacon>(name, host->port());
    m_beacon->setDestination(m_network.beaconDestination, m_network.beaconPort);
    m_beacon->start();
    m_duelHost = std::move(host);
    m_focusBefore = focusWidget();
    m_host->setText(tr("Stop &hosting"));
    setBusy(true);
    m_host->setEnabled(true);
    showStatus(tr("Waiting for a player… port %1\nTell the other player: %2")
                   .arg(m_duelHost->port())
                   .arg(addressesToTell(m_network.listenAddress, m_duelHost->port()).join(tr(" or "))));
}

void NetworkDuelPanel::stopHosting()
{
    m_beacon.reset();
    // The host may be the sender of the signal being handled.
    if (m_duelHost)
        m_duelHost.release()->deleteLater();
    m_host->setText(tr("&Host a duel"));
    setBusy(m_starting != nullptr);
}

void NetworkDuelPanel::joinChosen()
{
    std::optional<std::pair<QString, quint16>> target;
    if (!m_address->text().trimmed().isEmpty()) {
        target = parseEndpoint(m_address->text());
        if (!target) {
            showStatus(tr("Type the host's address and port, as in 192.168.1.5:47615."));
            m_address->setFocus();
            return;
        }
    } else if (const QListWidgetItem *item = m_games->currentItem(); item && item->data(PortRole).toUInt() > 0) {
        target = std::pair{item->data(AddressRole).toString(), quint16(item->data(PortRole).toUInt())};
    } else {
        showStatus(tr("Choose a game found on the network, or type the host's address and port."));
        return;
    }
    const std::optional<NumberSet> secret = chosenSecret();
    if (!secret)
        return;
    m_focusBefore = focusWidget();
    setBusy(true);
    showStatus(tr("Connecting to %1:%2…").arg(target->first).arg(target->second));
    follow(NetworkDuel::join(target->first, target->second, playerName(), *secret));
}

void NetworkDuelPanel::follow(NetworkDuel *duel)
{
    m_starting = duel;
    connect(duel, &DuelPlay::started, this, [this, duel] {
        if (m_starting != duel)
            return;
        m_starting = nullptr;
        stopHosting();
        showStatus(tr("The duel with %1 has begun.").arg(duel->playerName(duel->isLocal(0) ? 1 : 0)));
        emit duelReady(duel);
    });
    connect(duel, &DuelPlay::ended, this, [this, duel] {
        if (m_starting != duel)
            return;
        m_starting = nullptr;
        stopHosting();
        // Back where the player was, so that trying again is one key away and the reason is heard.
        if (m_focusBefore)
            m_focusBefore->setFocus();
        showStatus(tr("The duel could not begin: %1").arg(duel->result().reason));
        duel->deleteLater();
    });
}

void NetworkDuelPanel::cancel()
{
    if (NetworkDuel *duel = m_starting) {
        m_starting = nullptr;
        duel->leave();
        duel->deleteLater();
    }
    stopHosting();
    if (m_focusBefore)
        m_focusBefore->setFocus();
    showStatus(tr("Cancelled."));
}

void NetworkDuelPanel::showGames()
{
    const QString chosen = m_games->currentItem() ? m_games->currentItem()->data(Qt::ToolTipRole).toString() : QString();
    m_games->clear();
    for (const DuelFinder::Game &game : m_finder->games()) {
        const QString endpoint = endpointText(game.address, game.port);
        auto *item = new QListWidgetItem(tr("%1 at %2").arg(game.name, endpoint), m_games);
        item->setData(Qt::ToolTipRole, endpoint);
        item->setData(AddressRole, game.address.toString());
        item->setData(PortRole, game.port);
        if (endpoint == chosen)
            m_games->setCurrentItem(item);
    }
    if (m_games->count() == 0) {
        auto *item = new QListWidgetItem(tr("No game found yet."), m_games);
        item->setFlags(Qt::NoItemFlags);
    }
}

void NetworkDuelPanel::showStatus(const QString &text)
{
    m_status->setText(text);
    QWidget *focus = focusWidget() ? focusWidget() : this;
    LiveAnnouncer *&announcer = m_announcers[focus];
    if (!announcer)
        announcer = new LiveAnnouncer(focus);
    announcer->announce(text);
}

void NetworkDuelPanel::setBusy(bool busy)
{
    for (QWidget *widget : std::initializer_list<QWidget *>{m_name, m_secret, m_host, m_games, m_address, m_join})
        widget->setEnabled(!busy);
    m_cancel->setEnabled(busy);
}
