// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessible>

// While one lives, changes to widgets send no accessibility events. For widgets being built: no
// assistive technology has met them yet, and the name of every button of a large panel set at once
// floods a screen reader, which then drops the events that matter (Orca prunes a queue of more than
// about fifty, with the focus moving into the panel and the notification that it came). The
// handler that was installed before, if any, is back when it goes.
class QuietConstruction
{
public:
    QuietConstruction();
    ~QuietConstruction();
    QuietConstruction(const QuietConstruction &) = delete;
    QuietConstruction &operator=(const QuietConstruction &) = delete;

private:
    QAccessible::UpdateHandler m_previous;
};
