// SPDX-License-Identifier: GPL-3.0-or-later
#include "WidgetPartAccessible.h"

#include <QWindow>

WidgetPartAccessible::WidgetPartAccessible(QWidget *host)
    : m_host(host)
{
}

bool WidgetPartAccessible::isValid() const
{
    return !m_host.isNull();
}

// The part has no object of its own; its widget's object is its parent's.
QObject *WidgetPartAccessible::object() const
{
    return nullptr;
}

QWindow *WidgetPartAccessible::window() const
{
    return m_host ? m_host->window()->windowHandle() : nullptr;
}

QAccessibleInterface *WidgetPartAccessible::parent() const
{
    return m_host ? QAccessible::queryAccessibleInterface(m_host.data()) : nullptr;
}

QAccessibleInterface *WidgetPartAccessible::child(int) const
{
    return nullptr;
}

int WidgetPartAccessible::childCount() const
{
    return 0;
}

int WidgetPartAccessible::indexOfChild(const QAccessibleInterface *) const
{
    return -1;
}

QAccessibleInterface *WidgetPartAccessible::childAt(int, int) const
{
    return nullptr;
}

void WidgetPartAccessible::setText(QAccessible::Text, const QString &)
{
}

QAccessible::State WidgetPartAccessible::state() const
{
    QAccessible::State state;
    state.readOnly = true;
    state.invisible = !m_host || !m_host->isVisible();
    return state;
}
