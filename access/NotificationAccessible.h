// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "WidgetPartAccessible.h"

// One phrase to be spoken, as assistive technology meets it: a notification, part of a widget,
// named by the phrase. The phrase never changes, so a screen reader that reads it late still
// reads what was announced.
class NotificationAccessible : public WidgetPartAccessible
{
public:
    NotificationAccessible(QWidget *host, const QString &phrase);

    QString text(QAccessible::Text t) const override;
    QRect rect() const override;
    QAccessible::Role role() const override;

private:
    QString m_phrase;
};
