// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Alert.h"

#include <QPointer>
#include <QWidget>

class MessageBoxAlert final : public Alert
{
public:
    // The alert is shown over parent's window; parent may be null or go away at any time.
    explicit MessageBoxAlert(QWidget *parent = nullptr);

    void setParentWidget(QWidget *parent);
    void runModal(const QString &message, const QString &details = QString()) override;

private:
    QPointer<QWidget> m_parent;
};
