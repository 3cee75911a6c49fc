// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "statistics/KeptMatch.h"

#include <QDialog>

#include <optional>
#include <vector>

class QListWidget;

// Resume Match with several matches kept by earlier runs: a list of them, newest first, each by
// its strength (or puzzle), round and when it was left, the newest chosen. Arrows choose, Return
// or a double click resumes, Escape resumes none.
class KeptMatchChooser final : public QDialog
{
    Q_OBJECT

public:
    KeptMatchChooser(const std::vector<KeptMatch> &kept, QWidget *parent = nullptr);

    // The index in kept of the match chosen; nothing when the player chose none.
    static std::optional<std::size_t> choose(const std::vector<KeptMatch> &kept, QWidget *parent);
    // "Normal · round 4 · 9 Dec 14:02", in local time.
    static QString describe(const KeptMatch &kept);
    QListWidget *list() const { return m_list; }

private:
    QListWidget *m_list;
};
