// SPDX-License-Identifier: GPL-3.0-or-later
#include "MessageBoxAlert.h"

#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>

MessageBoxAlert::MessageBoxAlert(QWidget *parent)
    : m_parent(parent)
{
}

void MessageBoxAlert::setParentWidget(QWidget *parent)
{
    m_parent = parent;
}

void MessageBoxAlert::runModal(const QString &message, const QString &details)
{
    QMessageBox box(m_parent.data());
    // The game's own name: a blank title would read "— Hit & Blow" once the platform appends
    // the application's name to it.
    box.setWindowTitle(QGuiApplication::applicationDisplayName());
    box.setIcon(QMessageBox::Warning);
    box.setText(message);
    box.setInformativeText(details);
    QPushButton *ok = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    box.setDefaultButton(ok);
    box.setEscapeButton(ok);
    box.exec();
    // Without a window manager nobody hands the keyboard back to the game when the alert closes.
    if (m_parent)
        m_parent->window()->activateWindow();
}
