// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointer>

#include <initializer_list>

class QAbstractButton;
class QButtonGroup;

// A one-column group of radio choices in which the row index is the value: the first button is
// row 0. Exactly one row is selected once a row has been selected. Tab stops at the selected row
// only (at every row while none is).
class RadioMatrix
{
public:
    RadioMatrix() = default;
    // Numbers the group's buttons by row; rows lists them from the top.
    RadioMatrix(QButtonGroup *group, std::initializer_list<QAbstractButton *> rows);

    // Selects a row. The group can show no other value, so a row it does not have selects the
    // nearest row it has.
    void selectCellAtRow(int row);
    // The selected row, or -1 when no row is selected.
    int selectedRow() const;
    int numberOfRows() const;

private:
    QPointer<QButtonGroup> m_group;
};
