// SPDX-License-Identifier: GPL-3.0-or-later
#include "HeadingAccessible.h"

#include <QLabel>
#include <QTextDocumentFragment>

namespace {
// The mark that makes a label a heading; its buddy is the section it heads.
constexpr char kHeadingProperty[] = "hitblowHeading";

QAccessibleInterface *headingFactory(const QString &, QObject *object)
{
    auto *label = qobject_cast<QLabel *>(object);
    if (!label || !label->property(kHeadingProperty).toBool())
        return nullptr;
    return new HeadingAccessible(label);
}
} // namespace

HeadingAccessible::HeadingAccessible(QLabel *heading)
    : QAccessibleWidget(heading, QAccessible::Heading)
{
}

void HeadingAccessible::markAsHeading(QLabel *heading, QLabel *section)
{
    static const bool installed = [] {
        QAccessible::installFactory(headingFactory);
        return true;
    }();
    Q_UNUSED(installed);
    heading->setBuddy(section);
    heading->setProperty(kHeadingProperty, true);
    // Qt may have made the label's plain interface already, as the label took its text: dropped,
    // the next query comes through the factory.
    QAccessibleInterface *made = QAccessible::queryAccessibleInterface(heading);
    if (made && made->role() != QAccessible::Heading)
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
}

QString HeadingAccessible::text(QAccessible::Text t) const
{
    const auto *heading = static_cast<const QLabel *>(widget());
    if (t == QAccessible::Name)
        return heading->text();
    if (t == QAccessible::Description) {
        if (const auto *label = qobject_cast<const QLabel *>(heading->buddy()))
            return QTextDocumentFragment::fromHtml(label->text()).toPlainText();
        return {};
    }
    return QAccessibleWidget::text(t);
}
