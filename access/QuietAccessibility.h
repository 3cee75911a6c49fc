// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessible>

// While one lives, changes to widgets send no accessibility events. Two uses:
// - widgets being built: no assistive technology has met them yet, and the names of every button
//   of a large panel set at once flood a screen reader, which then drops the events that matter
//   (Orca prunes a queue of more than about fifty, the focus moving into the panel among them);
// - a text a screen reader reads on demand (a combo box's description naming its value) changed
//   while the widget has the focus: through Qt 6.4's bridge the change event carries the widget
//   rather than the text, which Orca tries and fails to speak. Whoever changes it says the news
//   another way (a LiveAnnouncer).
// The handler that was installed before, if any, is back when it goes.
class QuietAccessibility
{
public:
    QuietAccessibility();
    ~QuietAccessibility();
    QuietAccessibility(const QuietAccessibility &) = delete;
    QuietAccessibility &operator=(const QuietAccessibility &) = delete;

private:
    QAccessible::UpdateHandler m_previous;
};
