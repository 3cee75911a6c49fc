#include "StatisticsFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSaveFile>
#include <QStandardPaths>

namespace {
const QString kMatches = QStringLiteral("matches");
const QString kFinished = QStringLiteral("finished");
const QString kStrength = QStringLiteral("strength");
const QString kResult = QStringLiteral("result");
const QString kGuesses = QStringLiteral("guesses");
const QString kHinted = QStringLiteral("hinted");
const QString kCorruptSuffix = QStringLiteral(".corrupt");
// The most guesses a match can take.
constexpr int kMostGuesses = 16;

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
    const std::optional<int> guesses = wholeNumber(object.value(kGuesses), 0, kMostGuesses);
    const QJsonValue hinted = object.value(kHinted);
    if (!finished.isValid() || !strength || !result || !guesses || !hinted.isBool())
        return std::nullopt;
    for (const QString &known : {kFinished, kStrength, kResult, kGuesses, kHinted})
        object.remove(known);
    return MatchRecord{finished.toUTC(), *strength, *result, *guesses, hinted.toBool(), object};
}

QJsonObject objectFrom(const MatchRecord &record)
{
    QJsonObject object = record.otherFields;
    object.insert(kFinished, record.finished.toUTC().toString(Qt::ISODate));
    object.insert(kStrength, record.strength);
    object.insert(kResult, resultName(record.result));
    object.insert(kGuesses, record.guesses);
    object.insert(kHinted, record.hinted);
    return object;
}
} // namespace

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

QByteArray StatisticsFile::contents(const MatchStatistics &statistics) const
{
    QJsonArray matches;
    for (const MatchRecord &record : statistics.matches())
        matches.append(objectFrom(record));
    QJsonObject object = m_otherFields;
    object.insert(kMatches, matches);
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

bool StatisticsFile::save(const MatchStatistics &statistics)
{
    if (m_blocked) {
        m_errorString = QStringLiteral("an unreadable file is in the way");
        return false;
    }
    QDir().mkpath(QFileInfo(m_path).absolutePath());
    QSaveFile file(m_path);
    if (!file.open(QIODevice::WriteOnly) || file.write(contents(statistics)) < 0 || !file.commit()) {
        m_errorString = file.errorString();
        return false;
    }
    m_errorString.clear();
    return true;
}
