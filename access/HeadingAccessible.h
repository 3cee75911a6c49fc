// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessibleWidget>

class QLabel;

// A label that heads a section of a longer text, as assistive technology meets it: role heading,
// its text as name and the whole section's text as description. A screen reader landing on it
// says the heading, then what stands under it, so moving from heading to heading reads the text.
class HeadingAccessible : public QAccessibleWidget
{
public:
    // Makes heading the head of section for assistive technology; the label is meant to take the
    // keyboard focus, so that Tab and Shift+Tab move between headings.
    static void markAsHeading(QLabel *heading, QLabel *section);

    explicit HeadingAccessible(QLabel *heading);
    QString text(QAccessible::Text t) const override;
};
