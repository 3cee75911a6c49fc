// SPDX-License-Identifier: GPL-3.0-or-later
#include "statistics/StatisticsImport.h"

#include "statistics/StatisticsStore.h"
#include "oldfiles/StatisticsFileReader.h"

#include <QFile>
#include <QFileInfo>

namespace {
// Far beyond a lifetime of matches (about 100 bytes each); a larger file is not read at all.
constexpr qint64 kLargestFile = 256 * 1024 * 1024;
} // namespace

StatisticsImport::Report StatisticsImport::run(StatisticsStore &store, const QString &jsonPath)
{
    Report report;
    const QFileInfo info(jsonPath);
    if (!info.exists())
        return report;
    if (!info.isFile() || info.size() > kLargestFile) {
        report.outcome = Outcome::Refused;
        report.detail = info.isFile() ? QStringLiteral("far too large") : QStringLiteral("not a regular file");
        return report;
    }
    QFile file(jsonPath);
    if (!file.open(QIODevice::ReadOnly)) {
        report.outcome = Outcome::Refused;
        report.detail = file.errorString();
        return report;
    }
    // Whether the file holds statistics is known only once it has all been read: the matches go
    // in as they are read, and the transaction is undone when it turns out not to.
    StatisticsFileReader reader(file);
    int read = 0;
    const QString imported = StatisticsStore::unusedName(jsonPath, QStringLiteral(".imported"));
    bool unreadable = false;
    bool renamed = false;
    bool takenByAnother = false;
    const auto nextMatch = [&reader, &read] {
        std::optional<MatchRecord> match = reader.next();
        read += match.has_value();
        return match;
    };
    const bool written = store.append(nextMatch, [&](QString *reason) {
        if (file.error() != QFileDevice::NoError) {
            *reason = file.errorString();
            return false;
        }
        unreadable = !reader.readable();
        if (unreadable) {
            *reason = QStringLiteral("no valid statistics");
            return false;
        }
        // Under the database's write lock: a game that got here first has renamed the file.
        takenByAnother = !QFileInfo::exists(jsonPath);
        renamed = !takenByAnother && QFile::rename(jsonPath, imported);
        if (!renamed)
            *reason = takenByAnother ? QStringLiteral("imported by another game") : QStringLiteral("cannot be renamed");
        return renamed;
    });
    file.close();
    if (unreadable) {
        report.keptAs = StatisticsStore::unusedName(jsonPath, QStringLiteral(".corrupt"));
        report.outcome = QFile::rename(jsonPath, report.keptAs) ? Outcome::Unreadable : Outcome::Refused;
        report.detail = store.detail();
        return report;
    }
    if (!written) {
        if (renamed)
            QFile::rename(imported, jsonPath);
        report.outcome = takenByAnother ? Outcome::NoFile : Outcome::Failed;
        report.detail = store.detail();
        return report;
    }
    report.outcome = Outcome::Imported;
    report.imported = read;
    report.invalid = reader.invalid();
    report.keptAs = imported;
    return report;
}
