#pragma once

#include "match/SavedMatchStore.h"

#include <QString>

// Keeps the match in progress as JSON text in one file, written whole in one step (a file that
// could not be written in full is never put in place of the one before). A file that holds no
// match this game can go on with is renamed aside with the suffix ".corrupt" and reported.
class SavedMatchFile final : public SavedMatchStore
{
public:
    // match-in-progress.json beside the statistics file at statisticsPath.
    static QString besideStatistics(const QString &statisticsPath);

    explicit SavedMatchFile(const QString &path);

    void save(const SavedMatch &match) override;
    std::optional<SavedMatch> load() override;
    void clear() override;

    QString path() const { return m_path; }

private:
    void report(const QString &what, const QString &why);

    QString m_path;
    bool m_failureReported = false;
};
