// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "match/SavedMatch.h"

#include <QString>

#include <optional>

// The match in progress as earlier versions kept it, JSON text in one file beside the statistics,
// now read once into the statistics database. Written whole in one step (a file that could not be
// written in full is never put in place of the one before). A file that holds no match this game
// can go on with is renamed aside with the suffix ".corrupt" and reported.
class SavedMatchFile final
{
public:
    // match-in-progress.json beside the statistics file at statisticsPath.
    static QString besideStatistics(const QString &statisticsPath);

    explicit SavedMatchFile(const QString &path);

    void save(const SavedMatch &match);
    std::optional<SavedMatch> load();
    void clear();

    QString path() const { return m_path; }

private:
    void report(const QString &what, const QString &why);

    QString m_path;
    bool m_failureReported = false;
};
