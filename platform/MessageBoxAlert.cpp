#include "MessageBoxAlert.h"

#include <QMessageBox>
#include <QPushButton>

MessageBoxAlert::MessageBoxAlert(QWidget *parent)
    : m_parent(parent)
{
}

void MessageBoxAlert::setParentWidget(QWidget *parent)
{
    m_parent = parent;
}

void MessageBoxAlert::runModal(const QString &message)
{
    QMessageBox box(m_parent.data());
    box.setWindowTitle(QStringLiteral(" "));
    box.setIcon(QMessageBox::Warning);
    box.setText(message);
    QPushButton *ok = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    box.setDefaultButton(ok);
    box.setEscapeButton(ok);
    box.exec();
    // Without a window manager nobody hands the keyboard back to the game when the alert closes.
    if (m_parent)
        m_parent->window()->activateWindow();
}
