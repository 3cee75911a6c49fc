// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessibleInterface>
#include <QPointer>
#include <QWidget>

// A part of a widget that is no widget of its own (a painted area, a notification), as assistive
// technology meets it: a read-only leaf whose parent is the widget's interface, shown while the
// widget is. Subclasses give its text, place and role.
class WidgetPartAccessible : public QAccessibleInterface
{
public:
    explicit WidgetPartAccessible(QWidget *host);

    bool isValid() const override;
    QObject *object() const override;
    QWindow *window() const override;
    QAccessibleInterface *parent() const override;
    QAccessibleInterface *child(int index) const override;
    int childCount() const override;
    int indexOfChild(const QAccessibleInterface *child) const override;
    QAccessibleInterface *childAt(int x, int y) const override;
    void setText(QAccessible::Text t, const QString &text) override;
    QAccessible::State state() const override;

protected:
    QWidget *host() const { return m_host.data(); }

private:
    QPointer<QWidget> m_host;
};
