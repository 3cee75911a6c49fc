// SPDX-License-Identifier: GPL-3.0-or-later
#include "DuelMessage.h"

#include "DuelCommitment.h"
#include "rules/NumberText.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>
#include <optional>

namespace {
constexpr int kDigestBytes = 32;

const char *const kTypeNames[] = {"hello", "commit", "coin", "guess", "score", "reveal", "result", "error"};

// The members each type has besides "type", in the order of DuelMessage::Type.
const QStringList &membersOf(DuelMessage::Type type)
{
    static const QStringList members[] = {
        {"version", "rules", "name"}, {"secret", "coin"}, {"nonce"}, {"number"},
        {"hits", "blows"},            {"secret", "salt"}, {"outcome"}, {"reason"},
    };
    return members[int(type)];
}

bool isControl(QChar c)
{
    return c.category() == QChar::Other_Control || c.category() == QChar::Other_Format;
}

// Text as parse() accepts it: no control or format characters, at most mostLength, never empty.
QString acceptableText(const QString &text, int mostLength, const QString &fallback)
{
    QString kept;
    for (QChar c : text) {
        if (!isControl(c))
            kept += c;
    }
    kept = kept.trimmed().left(mostLength);
    if (!kept.isEmpty() && kept.back().isHighSurrogate())
        kept.chop(1);
    return kept.isEmpty() ? fallback : kept;
}

// Reads the members of one object, each checked for its type and limits; the first fault found
// is kept and every later read gives nothing.
class MemberReader
{
public:
    explicit MemberReader(const QJsonObject &object) : m_object(object) {}

    std::optional<QString> text(const char *key, int mostLength)
    {
        const QJsonValue value = m_object.value(QLatin1String(key));
        if (!value.isString())
            return fail(key, "is not a string");
        const QString text = value.toString();
        if (text.isEmpty() || text.size() > mostLength)
            return fail(key, QStringLiteral("must have 1 to %1 characters").arg(mostLength));
        for (QChar c : text) {
            if (isControl(c))
                return fail(key, "holds a control character");
        }
        return text;
    }

    std::optional<int> integer(const char *key, int lowest, int highest)
    {
        const QJsonValue value = m_object.value(QLatin1String(key));
        const double number = value.toDouble(-1e300);
        if (!value.isDouble() || number != std::floor(number) || number < lowest || number > highest)
            return fail(key, QStringLiteral("is not a whole number from %1 to %2").arg(lowest).arg(highest));
        return int(number);
    }

    // Bytes written as lowercase hexadecimal, exactly byteCount of them.
    std::optional<QByteArray> hex(const char *key, int byteCount)
    {
        const std::optional<QString> text = this->text(key, 2 * byteCount);
        if (!text)
            return std::nullopt;
        for (QChar c : *text) {
            if (!(c >= u'0' && c <= u'9') && !(c >= u'a' && c <= u'f'))
                return fail(key, "is not lowercase hexadecimal");
        }
        if (text->size() != 2 * byteCount)
            return fail(key, QStringLiteral("must have %1 hexadecimal digits").arg(2 * byteCount));
        return QByteArray::fromHex(text->toLatin1());
    }

    std::optional<NumberSet> number(const char *key)
    {
        const std::optional<QString> text = this->text(key, kDigitCount);
        if (!text)
            return std::nullopt;
        const std::optional<NumberSet> number = NumberText::parse(*text);
        if (!number)
            return fail(key, "is not four different digits");
        return number;
    }

    const QString &fault() const { return m_fault; }

private:
    std::nullopt_t fail(const char *key, const QString &what)
    {
        if (m_fault.isEmpty())
            m_fault = QStringLiteral("\"%1\" %2").arg(QLatin1String(key), what);
        return std::nullopt;
    }

    const QJsonObject &m_object;
    QString m_fault;
};

QString hexOf(const QByteArray &bytes)
{
    return QString::fromLatin1(bytes.toHex());
}
} // namespace

DuelMessage DuelMessage::hello(const QString &name)
{
    DuelMessage message;
    message.type = Type::Hello;
    message.version = kVersion;
    message.rules = DuelCommitment::rulesText();
    message.name = acceptableText(name, kMostNameLength, QStringLiteral("?"));
    return message;
}

DuelMessage DuelMessage::commit(const QByteArray &secretCommitment, const QByteArray &coinCommitment)
{
    DuelMessage message;
    message.type = Type::Commit;
    message.secretCommitment = secretCommitment;
    message.coinCommitment = coinCommitment;
    return message;
}

DuelMessage DuelMessage::coin(const QByteArray &nonce)
{
    DuelMessage message;
    message.type = Type::Coin;
    message.nonce = nonce;
    return message;
}

DuelMessage DuelMessage::guess(const NumberSet &number)
{
    DuelMessage message;
    message.type = Type::Guess;
    message.number = number;
    return message;
}

DuelMessage DuelMessage::scored(const HitBlowResult &score)
{
    DuelMessage message;
    message.type = Type::Score;
    message.score = score;
    return message;
}

DuelMessage DuelMessage::reveal(const NumberSet &secret, const QByteArray &salt)
{
    DuelMessage message;
    message.type = Type::Reveal;
    message.number = secret;
    message.salt = salt;
    return message;
}

DuelMessage DuelMessage::result(const QString &outcome)
{
    DuelMessage message;
    message.type = Type::Result;
    message.outcome = outcome;
    return message;
}

DuelMessage DuelMessage::error(const QString &reason)
{
    DuelMessage message;
    message.type = Type::Error;
    message.reason = acceptableText(reason, kMostReasonLength, QStringLiteral("?"));
    return message;
}

QString DuelMessage::typeName(Type type)
{
    return QLatin1String(kTypeNames[int(type)]);
}

QByteArray DuelMessage::toJson() const
{
    QJsonObject object{{"type", typeName(type)}};
    switch (type) {
    case Type::Hello:
        object.insert("version", version);
        object.insert("rules", QString::fromLatin1(rules));
        object.insert("name", name);
        break;
    case Type::Commit:
        object.insert("secret", hexOf(secretCommitment));
        object.insert("coin", hexOf(coinCommitment));
        break;
    case Type::Coin:
        object.insert("nonce", hexOf(nonce));
        break;
    case Type::Guess:
        object.insert("number", NumberText::of(number));
        break;
    case Type::Score:
        object.insert("hits", score.hits);
        object.insert("blows", score.blows);
        break;
    case Type::Reveal:
        object.insert("secret", NumberText::of(number));
        object.insert("salt", hexOf(salt));
        break;
    case Type::Result:
        object.insert("outcome", outcome);
        break;
    case Type::Error:
        object.insert("reason", reason);
        break;
    }
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

std::variant<DuelMessage, QString> DuelMessage::parse(const QByteArray &json)
{
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
    if (parseError.error != QJsonParseError::NoError)
        return QStringLiteral("not JSON: %1 at byte %2").arg(parseError.errorString()).arg(parseError.offset);
    if (!document.isObject())
        return QStringLiteral("not a JSON object");
    const QJsonObject object = document.object();
    const QJsonValue typeValue = object.value("type");
    if (!typeValue.isString())
        return QStringLiteral("no \"type\" string");
    DuelMessage message;
    const auto known = std::find(std::begin(kTypeNames), std::end(kTypeNames), typeValue.toString());
    if (known == std::end(kTypeNames))
        return QStringLiteral("unknown message \"%1\"").arg(typeValue.toString().left(kMostReasonLength / 2));
    message.type = Type(known - std::begin(kTypeNames));
    const QStringList &members = membersOf(message.type);
    for (auto it = object.begin(); it != object.end(); ++it) {
        if (it.key() != QLatin1String("type") && !members.contains(it.key()))
            return QStringLiteral("unexpected member \"%1\" in %2").arg(it.key().left(40), typeName(message.type));
    }

    MemberReader read(object);
    switch (message.type) {
    case Type::Hello:
        message.version = read.integer("version", 1, 1000000).value_or(0);
        message.rules = read.text("rules", kMostRulesLength).value_or(QString()).toUtf8();
        message.name = read.text("name", kMostNameLength).value_or(QString());
        break;
    case Type::Commit:
        message.secretCommitment = read.hex("secret", kDigestBytes).value_or(QByteArray());
        message.coinCommitment = read.hex("coin", kDigestBytes).value_or(QByteArray());
        break;
    case Type::Coin:
        message.nonce = read.hex("nonce", DuelCommitment::kSaltBytes).value_or(QByteArray());
        break;
    case Type::Guess:
        message.number = read.number("number").value_or(NumberSet{});
        break;
    case Type::Score:
        message.score.hits = read.integer("hits", 0, kDigitCount).value_or(0);
        message.score.blows = read.integer("blows", 0, kDigitCount).value_or(0);
        if (read.fault().isEmpty()
            && (message.score.hits + message.score.blows > kDigitCount
                || (message.score.hits == kDigitCount - 1 && message.score.blows == 1)))
            return QStringLiteral("no number scores %1 hits and %2 blows")
                .arg(message.score.hits)
                .arg(message.score.blows);
        break;
    case Type::Reveal:
        message.number = read.number("secret").value_or(NumberSet{});
        message.salt = read.hex("salt", DuelCommitment::kSaltBytes).value_or(QByteArray());
        break;
    case Type::Result: {
        message.outcome = read.text("outcome", 4).value_or(QString());
        static const QStringList outcomes{"won", "lost", "draw", "lied"};
        if (read.fault().isEmpty() && !outcomes.contains(message.outcome))
            return QStringLiteral("\"outcome\" is none of won, lost, draw, lied");
        break;
    }
    case Type::Error:
        message.reason = read.text("reason", kMostReasonLength).value_or(QString());
        break;
    }
    if (!read.fault().isEmpty())
        return read.fault() + QStringLiteral(" in ") + typeName(message.type);
    return message;
}
