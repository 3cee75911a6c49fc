// SPDX-License-Identifier: GPL-3.0-or-later
#include "statistics/StatisticsImport.h"

#include "statistics/StatisticsStore.h"
#include "oldfiles/StatisticsFile.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {
// Far beyond a lifetime of matches (about 100 bytes each); a larger file is not read at all.
constexpr qint64 kLargestFile = 256 * 1024 * 1024;

QString keyText(const QByteArray &quoted)
{
    return QJsonDocument::fromJson('[' + quoted + ']').array().at(0).toString();
}

// The texts of the values of every member named "matches" of the top-level object, in order.
// QJsonDocument keeps only one of several members of the same name; the others would be lost.
QList<QByteArray> matchesValues(const QByteArray &json)
{
    QList<QByteArray> values;
    int depth = 0;
    bool inString = false;
    bool escaped = false;
    qsizetype stringStart = -1;
    qsizetype valueStart = -1;
    QByteArray key;
    for (qsizetype i = 0; i < json.size(); ++i) {
        const char c = json.at(i);
        if (inString) {
            if (escaped) {
                escaped = false;
            } else if (c == '\\') {
                escaped = true;
            } else if (c == '"') {
                inString = false;
                if (depth == 1 && valueStart < 0)
                    key = json.mid(stringStart, i + 1 - stringStart);
            }
            continue;
        }
        if (c == '"') {
            inString = true;
            stringStart = i;
        } else if (c == '{' || c == '[') {
            ++depth;
        } else if (c == ':' && depth == 1) {
            valueStart = i + 1;
        } else if ((c == ',' || c == '}') && depth == 1 && valueStart >= 0) {
            if (keyText(key) == QLatin1String("matches"))
                values << json.mid(valueStart, i - valueStart);
            valueStart = -1;
        }
        if (c == '}' || c == ']')
            --depth;
    }
    return values;
}
} // namespace

StatisticsImport::Entries StatisticsImport::read(const QByteArray &json)
{
    Entries entries;
    QJsonParseError error;
    if (!QJsonDocument::fromJson(json, &error).isObject())
        return entries;
    for (const QByteArray &value : matchesValues(json)) {
        const QJsonDocument matches = QJsonDocument::fromJson(value);
        if (!matches.isArray()) {
            ++entries.invalid;
            continue;
        }
        entries.readable = true;
        for (const QJsonValue &entry : matches.array()) {
            if (const std::optional<MatchRecord> match = StatisticsFile::matchFrom(entry))
                entries.matches.push_back(*match);
            else
                ++entries.invalid;
        }
    }
    return entries;
}

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
    QByteArray json;
    if (file.open(QIODevice::ReadOnly))
        json = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        report.outcome = Outcome::Refused;
        report.detail = file.errorString();
        return report;
    }
    file.close();

    const Entries entries = read(json);
    if (!entries.readable) {
        report.keptAs = StatisticsStore::unusedName(jsonPath, QStringLiteral(".corrupt"));
        report.outcome = QFile::rename(jsonPath, report.keptAs) ? Outcome::Unreadable : Outcome::Refused;
        report.detail = QStringLiteral("no valid statistics");
        return report;
    }
    const QString imported = StatisticsStore::unusedName(jsonPath, QStringLiteral(".imported"));
    bool renamed = false;
    bool takenByAnother = false;
    const bool written = store.append(entries.matches, [&](QString *reason) {
        // Under the database's write lock: a game that got here first has renamed the file.
        takenByAnother = !QFileInfo::exists(jsonPath);
        renamed = !takenByAnother && QFile::rename(jsonPath, imported);
        if (!renamed)
            *reason = takenByAnother ? QStringLiteral("imported by another game") : QStringLiteral("cannot be renamed");
        return renamed;
    });
    if (!written) {
        if (renamed)
            QFile::rename(imported, jsonPath);
        report.outcome = takenByAnother ? Outcome::NoFile : Outcome::Failed;
        report.detail = store.detail();
        return report;
    }
    report.outcome = Outcome::Imported;
    report.imported = int(entries.matches.size());
    report.invalid = entries.invalid;
    report.keptAs = imported;
    return report;
}
