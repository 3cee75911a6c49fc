// SPDX-License-Identifier: GPL-3.0-or-later
#include "NetworkDuelDialog.h"

#include "NetworkDuelPanel.h"
#include "duel/NetworkDuel.h"

#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

NetworkDuelDialog::NetworkDuelDialog(const QString &playerName, const NetworkDuelPanel::Network &network,
                                     QWidget *parent)
    : QDialog(parent), m_panel(new NetworkDuelPanel(network, this))
{
    setWindowTitle(tr("Duel Across the Network"));
    m_panel->setPlayerName(playerName);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_panel);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_panel, &NetworkDuelPanel::duelReady, this, [this](NetworkDuel *duel) {
        m_duel.reset(duel);
        accept();
    });
    // Return in a field answers that field (an address joins), never a button the dialog picked.
    for (QPushButton *button : findChildren<QPushButton *>())
        button->setAutoDefault(false);
    m_panel->nameField()->setFocus();
}

NetworkDuelDialog::~NetworkDuelDialog() = default;

std::unique_ptr<NetworkDuel> NetworkDuelDialog::takeDuel()
{
    return std::move(m_duel);
}

void NetworkDuelDialog::dispose(std::unique_ptr<NetworkDuel> duel)
{
    if (!duel || duel->isClosed())
        return;
    NetworkDuel *closing = duel.release();
    closing->leave();
    connect(closing, &NetworkDuel::closed, closing, &QObject::deleteLater);
}
