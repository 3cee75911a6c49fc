// SPDX-License-Identifier: GPL-3.0-or-later
#include "DuelNumberEntry.h"

#include "rules/NumberText.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

DuelNumberEntry::DuelNumberEntry(QWidget *parent)
    : QWidget(parent)
    , m_display(new QLabel(this))
{
    QFont large = m_display->font();
    large.setPointSizeF(large.pointSizeF() * 2);
    large.setFamily(QStringLiteral("monospace"));
    m_display->setFont(large);
    m_display->setAlignment(Qt::AlignCenter);
    m_display->setAccessibleName(tr("Number typed"));

    auto *grid = new QGridLayout(this);
    grid->addWidget(m_display, 0, 0, 1, 6);
    const auto addButton = [&](const QString &label, const QString &accessibleName, int row, int column,
                               auto action) {
        auto *button = new QPushButton(label, this);
        button->setFocusPolicy(Qt::NoFocus);
        button->setAccessibleName(accessibleName);
        grid->addWidget(button, row, column);
        connect(button, &QPushButton::clicked, this, action);
    };
    for (int digit = 0; digit <= 9; ++digit) {
        const QString text = QString::number(digit);
        addButton(text, text, 1 + digit / 5, digit % 5, [this, digit] { typeDigit(digit); });
    }
    addButton(QStringLiteral("⌫"), tr("Delete"), 1, 5, [this] { deleteDigit(); });
    addButton(tr("OK"), tr("OK"), 2, 5, [this] { confirm(); });
    showTyped();
}

bool DuelNumberEntry::typeKey(int key)
{
    if (key >= Qt::Key_0 && key <= Qt::Key_9)
        typeDigit(key - Qt::Key_0);
    else if (key == Qt::Key_Backspace || key == Qt::Key_Delete)
        deleteDigit();
    else if (key == Qt::Key_Return || key == Qt::Key_Enter)
        confirm();
    else
        return false;
    return true;
}

void DuelNumberEntry::clear()
{
    m_typed.clear();
    showTyped();
}

void DuelNumberEntry::typeDigit(int digit)
{
    if (!isEnabled() || m_typed.size() >= kDigitCount)
        return;
    m_typed += QString::number(digit);
    showTyped();
}

void DuelNumberEntry::deleteDigit()
{
    if (!isEnabled())
        return;
    m_typed.chop(1);
    showTyped();
}

void DuelNumberEntry::confirm()
{
    if (!isEnabled())
        return;
    if (const auto number = NumberText::parse(m_typed)) {
        clear();
        emit entered(*number);
    } else {
        emit refused(tr("Type four different digits."));
    }
}

void DuelNumberEntry::showTyped()
{
    QString shown = m_typed;
    shown += QString(kDigitCount - m_typed.size(), QChar(0x00B7)); // a middle dot for each digit to come
    QStringList spaced;
    for (QChar character : shown)
        spaced << character;
    m_display->setText(spaced.join(QLatin1Char(' ')));
}
