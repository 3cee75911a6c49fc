#include "UserDefaults.h"

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
} // namespace

std::unique_ptr<QSettings> openUserDefaults()
{
    // The native format on Linux is the INI format, in a file named .conf.
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("HitBlow"),
                                       QStringLiteral("HitBlow"));
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
    defaults.sync();
    return defaults.status() == QSettings::NoError;
}
