// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "NetworkDuelPanel.h"

#include <QDialog>

#include <memory>

class NetworkDuel;

// Hosting or joining a duel across the local network, in a window of its own: accepted once a
// duel has started, which takeDuel() then hands over.
class NetworkDuelDialog : public QDialog
{
    Q_OBJECT

public:
    NetworkDuelDialog(const QString &playerName, const NetworkDuelPanel::Network &network,
                      QWidget *parent = nullptr);
    ~NetworkDuelDialog() override;

    NetworkDuelPanel *panel() const { return m_panel; }
    std::unique_ptr<NetworkDuel> takeDuel();

    // Deletes the duel once its last messages went out.
    static void dispose(std::unique_ptr<NetworkDuel> duel);

private:
    NetworkDuelPanel *m_panel;
    std::unique_ptr<NetworkDuel> m_duel;
};
