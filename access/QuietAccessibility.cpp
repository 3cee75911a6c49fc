// SPDX-License-Identifier: GPL-3.0-or-later
#include "QuietAccessibility.h"

QuietAccessibility::QuietAccessibility()
    : m_previous(QAccessible::installUpdateHandler([](QAccessibleEvent *) {}))
{
}

QuietAccessibility::~QuietAccessibility()
{
    QAccessible::installUpdateHandler(m_previous);
}
