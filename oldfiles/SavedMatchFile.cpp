// SPDX-License-Identifier: GPL-3.0-or-later
#include "oldfiles/SavedMatchFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {
// A match with every candidate left is about 30 kB; anything far larger is no match of this game.
constexpr qint64 kLargestFile = 1 << 20;
} // namespace

QString SavedMatchFile::besideStatistics(const QString &statisticsPath)
{
    return QFileInfo(statisticsPath).dir().filePath(QStringLiteral("match-in-progress.json"));
}

SavedMatchFile::SavedMatchFile(const QString &path)
    : m_path(path)
{
}

void SavedMatchFile::save(const SavedMatch &match)
{
    QDir().mkpath(QFileInfo(m_path).path());
    QSaveFile file(m_path);
    const QByteArray text = match.toJson();
    // commit() does not report a failed final flush: a full disk would put an empty file in place.
    const bool written = file.open(QIODevice::WriteOnly) && file.write(text) == text.size() && file.flush();
    if (!written) {
        // Dropped unwritten: the match saved before stays in place.
        report(QStringLiteral("saved"), file.errorString());
        return;
    }
    if (!file.commit()) {
        report(QStringLiteral("saved"), file.errorString());
        return;
    }
    m_failureReported = false;
}

std::optional<SavedMatch> SavedMatchFile::load()
{
    const QFileInfo info(m_path);
    if (!info.exists())
        return std::nullopt;
    QString why;
    // Only a plain file is read: a FIFO or a device would block or never end.
    if (!info.isFile() || info.size() > kLargestFile) {
        why = QStringLiteral("not a file of a saved match");
    } else {
        QFile file(m_path);
        if (file.open(QIODevice::ReadOnly)) {
            const QByteArray text = file.read(kLargestFile);
            if (std::optional<SavedMatch> match = SavedMatch::fromJson(text, &why))
                return match;
        } else {
            why = file.errorString();
        }
    }
    // A plain file is kept for whoever wants to look, out of the way of the next match; anything
    // else (a folder, a FIFO, a device) is left where it is.
    if (info.isFile() && !info.isSymLink()) {
        QString aside = m_path + QStringLiteral(".corrupt");
        for (int n = 2; QFileInfo::exists(aside); ++n)
            aside = m_path + QStringLiteral(".corrupt%1").arg(n);
        if (QFile::rename(m_path, aside)) {
            qWarning("The match in progress in %s could not be read (%s); it was kept as %s.", qPrintable(m_path),
                     qPrintable(why), qPrintable(aside));
            return std::nullopt;
        }
    }
    qWarning("The match in progress in %s could not be read (%s).", qPrintable(m_path), qPrintable(why));
    return std::nullopt;
}

void SavedMatchFile::clear()
{
    QFile file(m_path);
    if (file.exists() && !file.remove())
        report(QStringLiteral("removed"), file.errorString());
}

void SavedMatchFile::report(const QString &what, const QString &why)
{
    // Once until a save succeeds again, not at every status change.
    if (m_failureReported)
        return;
    m_failureReported = true;
    qWarning("The match in progress could not be %s in %s: %s", qPrintable(what), qPrintable(m_path),
             qPrintable(why));
}
