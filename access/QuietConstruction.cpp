// SPDX-License-Identifier: GPL-3.0-or-later
#include "QuietConstruction.h"

QuietConstruction::QuietConstruction()
    : m_previous(QAccessible::installUpdateHandler([](QAccessibleEvent *) {}))
{
}

QuietConstruction::~QuietConstruction()
{
    QAccessible::installUpdateHandler(m_previous);
}
