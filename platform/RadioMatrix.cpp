// SPDX-License-Identifier: GPL-3.0-or-later
#include "RadioMatrix.h"

#include <QAbstractButton>
#include <QButtonGroup>

#include <algorithm>

RadioMatrix::RadioMatrix(QButtonGroup *group, std::initializer_list<QAbstractButton *> rows)
    : m_group(group)
{
    group->setExclusive(true);
    int row = 0;
    for (QAbstractButton *button : rows) {
        group->removeButton(button);
        group->addButton(button, row++);
    }
    // Tab stops at the selected choice only, as in any group of radio buttons; the arrow keys move
    // between the choices.
    const auto tabToSelected = [group] {
        for (QAbstractButton *button : group->buttons())
            button->setFocusPolicy(button->isChecked() || !group->checkedButton() ? Qt::StrongFocus : Qt::ClickFocus);
    };
    QObject::connect(group, &QButtonGroup::idToggled, group, tabToSelected);
    tabToSelected();
}

void RadioMatrix::selectCellAtRow(int row)
{
    if (!m_group || numberOfRows() == 0)
        return;
    if (QAbstractButton *button = m_group->button(std::clamp(row, 0, numberOfRows() - 1)))
        button->setChecked(true);
}

int RadioMatrix::selectedRow() const
{
    return m_group ? m_group->checkedId() : -1;
}

int RadioMatrix::numberOfRows() const
{
    return m_group ? static_cast<int>(m_group->buttons().size()) : 0;
}
