// SPDX-License-Identifier: GPL-3.0-or-later
#include "UserDefaults.h"

#include "RegularFile.h"
#include "UserFolders.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace {
// The text of the number stored under key. The game writes plain numbers, which an INI file gives
// back as text; a number of another type may come from a value stored with a type tag. Lists,
// byte arrays and other values are no numbers.
std::optional<std::string> storedNumberText(const QSettings &defaults, const QString &key)
{
    const QVariant value = defaults.value(key);
    switch (value.typeId()) {
    case QMetaType::QString:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Float:
    case QMetaType::Double:
        return value.toString().trimmed().toStdString();
    default:
        return std::nullopt;
    }
}

// The whole text read as a number of type T, correctly rounded; text that is not entirely a
// number, or a number out of T's range, gives nothing.
template <typename T>
std::optional<T> parsedNumber(const std::string &text)
{
    const char *first = text.data();
    const char *last = first + text.size();
    if (first != last && *first == '+')
        ++first;
    T number{};
    const auto [end, error] = std::from_chars(first, last, number);
    if (error != std::errc() || end != last)
        return std::nullopt;
    return number;
}

// A path beneath a file that is not a folder: nothing can be made, locked or read there, so the
// defaults opened on it read as empty and their writes fail without touching anything.
const QString kNowhere = QStringLiteral("/dev/null/HitBlow.conf");
} // namespace

QString userDefaultsPath()
{
    const QString folder = UserFolders::configHome();
    return folder.isEmpty() ? QString() : folder + QStringLiteral("/HitBlow/HitBlow.conf");
}

QString userDefaultsProblem()
{
    const QString path = userDefaultsPath();
    if (path.isEmpty())
        return QCoreApplication::translate("UserDefaults", "Settings not saved: no folder to keep them in");
    // Qt's own lock file beside it is opened too, and would block as a FIFO all the same.
    for (const QString &file : {path, path + QStringLiteral(".lock")}) {
        const QString kind = whyNotRegularFile(file);
        if (!kind.isEmpty()) {
            return QCoreApplication::translate("UserDefaults", "Settings not saved: %1 is %2")
                .arg(QFileInfo(file).fileName(), kind);
        }
    }
    return {};
}

std::unique_ptr<QSettings> openUserDefaults()
{
    // The check is made each time, right before Qt opens the file, which is then a regular file or
    // missing. The native format on Linux is the INI format, in a file named .conf; a file named
    // explicitly has no fallbacks, so no other file is opened.
    const QString path = userDefaultsProblem().isEmpty() ? userDefaultsPath() : kNowhere;
    return std::make_unique<QSettings>(path, QSettings::NativeFormat);
}

std::optional<int> storedInt(const QSettings &defaults, const QString &key)
{
    const std::optional<std::string> text = storedNumberText(defaults, key);
    const std::optional<double> number = text ? parsedNumber<double>(*text) : std::nullopt;
    if (!number || !std::isfinite(*number))
        return std::nullopt;
    const double truncated = std::trunc(*number);
    if (truncated < std::numeric_limits<int>::min() || truncated > std::numeric_limits<int>::max())
        return std::nullopt;
    return static_cast<int>(truncated);
}

std::optional<float> storedFloat(const QSettings &defaults, const QString &key)
{
    const std::optional<std::string> text = storedNumberText(defaults, key);
    return text ? parsedNumber<float>(*text) : std::nullopt;
}

void setStoredFloat(QSettings &defaults, const QString &key, float value)
{
    char text[32];
    const auto result = std::to_chars(std::begin(text), std::end(text), value);
    defaults.setValue(key, QString::fromLatin1(text, result.ptr - text));
}

bool synchronize(QSettings &defaults)
{
    if (defaults.fileName() == kNowhere)
        return true;
    defaults.sync();
    return defaults.status() == QSettings::NoError;
}
