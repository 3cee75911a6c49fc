// SPDX-License-Identifier: GPL-3.0-or-later
#include "oldfiles/StatisticsFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSaveFile>
#include <QStandardPaths>
#include <QStorageInfo>

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <limits>
#include <utility>

namespace {
const QString kMatches = QStringLiteral("matches");
const QString kFinished = QStringLiteral("finished");
const QString kStrength = QStringLiteral("strength");
const QString kResult = QStringLiteral("result");
const QString kGuesses = QStringLiteral("guesses");
const QString kHinted = QStringLiteral("hinted");
const QString kTurns = QStringLiteral("turns");
const QString kMode = QStringLiteral("mode");
const QString kPuzzle = QStringLiteral("puzzle");
const QString kOpponent = QStringLiteral("opponent");
const QString kNetwork = QStringLiteral("network");
const QString kOpponentLied = QStringLiteral("opponentLied");
const QString kCorruptSuffix = QStringLiteral(".corrupt");

const std::array<std::pair<MatchOutcome, QLatin1String>, 4> kResultNames = {{
    {MatchOutcome::Won, QLatin1String("won")},
    {MatchOutcome::Lost, QLatin1String("lost")},
    {MatchOutcome::Draw, QLatin1String("draw")},
    {MatchOutcome::Abandoned, QLatin1String("abandoned")},
}};

QLatin1String resultName(MatchOutcome outcome)
{
    for (const auto &[value, name] : kResultNames) {
        if (value == outcome)
            return name;
    }
    return QLatin1String("abandoned");
}

std::optional<MatchOutcome> resultNamed(const QString &text)
{
    for (const auto &[value, name] : kResultNames) {
        if (text == name)
            return value;
    }
    return std::nullopt;
}

// A whole number from first to last, or nothing.
std::optional<int> wholeNumber(const QJsonValue &value, int first, int last)
{
    if (!value.isDouble())
        return std::nullopt;
    const double number = value.toDouble();
    if (number != int(number) || number < first || number > last)
        return std::nullopt;
    return int(number);
}

std::optional<MatchRecord> recordFrom(const QJsonValue &value)
{
    if (!value.isObject())
        return std::nullopt;
    QJsonObject object = value.toObject();
    const QDateTime finished = QDateTime::fromString(object.value(kFinished).toString(), Qt::ISODate);
    const std::optional<int> strength = wholeNumber(object.value(kStrength), 0, MatchStatistics::kStrongestLevel);
    const std::optional<MatchOutcome> result = resultNamed(object.value(kResult).toString());
    const std::optional<int> guesses = wholeNumber(object.value(kGuesses), 0, MatchStatistics::kMostGuesses);
    const QJsonValue hinted = object.value(kHinted);
    // A time that UTC puts beyond the year 9999 could not be written back as four digits.
    const int year = finished.toUTC().date().year();
    if (!finished.isValid() || year < 1 || year > 9999 || !strength || !result || !guesses || !hinted.isBool())
        return std::nullopt;
    for (const QString &known : {kFinished, kStrength, kResult, kGuesses, kHinted})
        object.remove(known);
    // Turns that cannot be read stay as they were, among the fields of a newer version.
    const OwnRecords turns = OwnRecords::fromJsonText(
        QString::fromUtf8(QJsonDocument(object.value(kTurns).toArray()).toJson(QJsonDocument::Compact)));
    if (!turns.empty())
        object.remove(kTurns);
    // A daily or practice puzzle names its mode and number; a match without them was against Mac.
    const std::optional<MatchMode> mode = matchModeNamed(object.value(kMode).toString(QStringLiteral("mac")));
    const std::optional<int> puzzle = wholeNumber(object.value(kPuzzle), 1, std::numeric_limits<int>::max());
    const bool duel = mode == MatchMode::Duel && object.value(kOpponent).isString();
    const bool daily = mode && *mode != MatchMode::Mac && !duel && puzzle;
    MatchRecord record{finished.toUTC(), *strength, *result, *guesses, hinted.toBool(), {}, turns, {}, {}, {}};
    if (daily || duel || (mode == MatchMode::Mac && !object.contains(kPuzzle))) {
        object.remove(kMode);
        object.remove(kPuzzle);
    }
    if (daily) {
        record.mode = *mode;
        record.puzzle = *puzzle;
    } else if (duel) {
        record.mode = MatchMode::Duel;
        record.opponent = object.take(kOpponent).toString();
        record.overNetwork = object.take(kNetwork).toBool();
        record.opponentLied = object.take(kOpponentLied).toBool();
    }
    record.otherFields = object;
    return record;
}

// The compact JSON text of one match, its own fields first, then those of a newer version.
QByteArray textOf(const MatchRecord &record)
{
    const QDateTime utc = record.finished.toUTC();
    const QDate date = utc.date();
    const QTime time = utc.time();
    char text[160];
    const int length = std::snprintf(
        text, sizeof text,
        R"({"finished":"%04d-%02d-%02dT%02d:%02d:%02dZ","strength":%d,"result":"%s","guesses":%d,"hinted":%s)",
        date.year(), date.month(), date.day(), time.hour(), time.minute(), time.second(), record.strength,
        resultName(record.result).data(), record.guesses, record.hinted ? "true" : "false");
    QByteArray json(text, std::clamp(length, 0, int(sizeof text) - 1));
    if (!record.turns.empty())
        json += ",\"turns\":" + record.turns.toJsonText().toUtf8();
    if (record.mode == MatchMode::Duel)
        json += ",\"mode\":\"duel\"," + QJsonDocument(QJsonObject{{kOpponent, record.opponent}}).toJson(QJsonDocument::Compact).mid(1).chopped(1)
            + ",\"network\":" + (record.overNetwork ? "true" : "false")
            + ",\"opponentLied\":" + (record.opponentLied ? "true" : "false");
    else if (record.mode != MatchMode::Mac)
        json += ",\"mode\":\"" + QByteArray(matchModeName(record.mode).data()) + "\",\"puzzle\":" + QByteArray::number(record.puzzle);
    if (!record.otherFields.isEmpty()) {
        const QByteArray others = QJsonDocument(record.otherFields).toJson(QJsonDocument::Compact);
        json += ',' + others.mid(1, others.size() - 2);
    }
    return json + '}';
}
} // namespace

std::optional<MatchRecord> StatisticsFile::matchFrom(const QJsonValue &value)
{
    return recordFrom(value);
}

QLatin1String StatisticsFile::resultName(MatchOutcome outcome)
{
    return ::resultName(outcome);
}

std::optional<MatchOutcome> StatisticsFile::resultNamed(const QString &text)
{
    return ::resultNamed(text);
}

QString StatisticsFile::defaultPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
        + QStringLiteral("/HitBlow/statistics.json");
}

StatisticsFile::StatisticsFile(const QString &path)
    : m_path(path)
{
}

MatchStatistics StatisticsFile::load()
{
    m_keptAsidePath.clear();
    m_otherFields = {};
    m_blocked = false;
    const QFileInfo info(m_path);
    if (!info.exists() && !info.isSymLink())
        return {};
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly)) {
        keepAside(file.errorString());
        return {};
    }
    const QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        keepAside(file.errorString());
        return {};
    }
    file.close();
    if (std::optional<MatchStatistics> statistics = parsed(data))
        return std::move(*statistics);
    keepAside(QStringLiteral("no valid statistics"));
    return {};
}

std::optional<MatchStatistics> StatisticsFile::parsed(const QByteArray &data)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(data, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return std::nullopt;
    QJsonObject object = document.object();
    const QJsonValue matches = object.value(kMatches);
    if (!matches.isArray())
        return std::nullopt;
    MatchStatistics statistics;
    for (const QJsonValue &entry : matches.toArray()) {
        const std::optional<MatchRecord> record = recordFrom(entry);
        if (!record)
            return std::nullopt;
        statistics.append(*record);
    }
    object.remove(kMatches);
    m_otherFields = object;
    return statistics;
}

void StatisticsFile::keepAside(const QString &reason)
{
    QString aside = m_path + kCorruptSuffix;
    for (int number = 2; QFileInfo::exists(aside) || QFileInfo(aside).isSymLink(); ++number)
        aside = m_path + QLatin1Char('.') + QString::number(number) + kCorruptSuffix;
    if (QFile::rename(m_path, aside)) {
        m_keptAsidePath = aside;
        qWarning("The statistics in %s could not be read (%s); they were kept as %s.", qPrintable(m_path),
                 qPrintable(reason), qPrintable(aside));
    } else {
        // What cannot be moved away is left alone: this run keeps its statistics in memory only.
        m_blocked = true;
        qWarning("The statistics in %s could not be read (%s) nor moved aside; they are left as they are.",
                 qPrintable(m_path), qPrintable(reason));
    }
}

bool StatisticsFile::save(const MatchStatistics &statistics)
{
    return save([&statistics](const std::function<bool(const MatchRecord &)> &add) {
        for (const MatchRecord &match : statistics.matches()) {
            if (!add(match))
                return false;
        }
        return true;
    });
}

bool StatisticsFile::save(const MatchWalk &walk)
{
    if (m_blocked) {
        m_errorString = QStringLiteral("an unreadable file is in the way");
        return false;
    }
    QDir().mkpath(QFileInfo(m_path).absolutePath());
    QSaveFile file(m_path);
    qint64 size = 0;
    bool writing = true;
    const auto write = [&file, &size, &writing](const QByteArray &text) {
        size += text.size();
        writing = writing && file.write(text) == text.size();
        return writing;
    };
    // One match a line, so that the file stays readable and a change shows as one line.
    QByteArray header = "{\n";
    if (!m_otherFields.isEmpty()) {
        // The fields of a newer version, as the members of an object without its braces.
        const QByteArray others = QJsonDocument(m_otherFields).toJson(QJsonDocument::Compact);
        header += "    " + others.mid(1, others.size() - 2) + ",\n";
    }
    header += "    \"matches\": [";
    bool first = true;
    const bool walked = file.open(QIODevice::WriteOnly) && write(header)
        && walk([&](const MatchRecord &match) {
               return write((std::exchange(first, false) ? "\n        " : ",\n        ") + textOf(match));
           });
    // commit() does not report a failed final flush, so flush first: a full disk must not leave an
    // empty file in place of the old one.
    // On disk before it takes the old file's place: a crash leaves one whole file or the other.
    if (walked && write("\n    ]\n}\n") && file.flush() && ::fsync(file.handle()) == 0 && file.commit()) {
        m_errorString.clear();
        return true;
    }
    m_errorString = file.errorString();
    if (writing && !walked && file.isOpen()) {
        m_errorString = QStringLiteral("the matches to write could not all be read");
    } else if (QStorageInfo(QFileInfo(m_path).absolutePath()).bytesAvailable() < size + 4096) {
        // A full disk is often reported as no error at all.
        m_errorString = QStringLiteral("the disk is full");
    }
    return false;
}
