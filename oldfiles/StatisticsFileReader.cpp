// SPDX-License-Identifier: GPL-3.0-or-later
#include "oldfiles/StatisticsFileReader.h"

#include "oldfiles/StatisticsFile.h"

#include <QIODevice>
#include <QJsonArray>
#include <QJsonDocument>

namespace {
constexpr qint64 kBlock = 64 * 1024;
const QByteArray kByteOrderMark = QByteArrayLiteral("\xef\xbb\xbf");

bool isWhiteSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

// The one JSON value text holds, or nothing when it holds no value or more than one.
std::optional<QJsonValue> parsedValue(const QByteArray &text)
{
    QJsonParseError error;
    const QJsonArray values = QJsonDocument::fromJson('[' + text + ']', &error).array();
    if (error.error != QJsonParseError::NoError || values.size() != 1)
        return std::nullopt;
    return values.at(0);
}
} // namespace

StatisticsFileReader::StatisticsFileReader(QIODevice &file)
    : m_file(file)
{
}

std::optional<MatchRecord> StatisticsFileReader::next()
{
    for (;;) {
        switch (m_state) {
        case State::Start:
            // A byte order mark, as the whole-document parser allows one.
            while (m_buffer.size() < kByteOrderMark.size() && fill()) {
            }
            if (m_buffer.startsWith(kByteOrderMark))
                m_position = kByteOrderMark.size();
            if (nextCharacter(true) != '{')
                return failed();
            m_state = State::Members;
            m_first = true;
            break;
        case State::Members: {
            if (nextCharacter(false) == '}') {
                nextCharacter(true);
                // Nothing but white space may follow.
                if (nextCharacter(false) != -1)
                    return failed();
                m_state = State::End;
                return std::nullopt;
            }
            if ((!m_first && nextCharacter(true) != ',') || nextCharacter(false) != '"')
                return failed();
            m_first = false;
            const std::optional<Value> key = takeValue();
            const std::optional<QJsonValue> keyText = key && !key->tooLong ? parsedValue(key->text) : std::nullopt;
            if (!key || (!key->tooLong && !keyText) || nextCharacter(true) != ':')
                return failed();
            const bool matches = keyText && keyText->toString() == QLatin1String("matches");
            if (matches && nextCharacter(false) == '[') {
                nextCharacter(true);
                m_sawMatches = true;
                m_state = State::Entries;
                m_first = true;
                break;
            }
            const std::optional<Value> value = takeValue();
            if (!value || (!value->tooLong && !parsedValue(value->text)))
                return failed();
            // A "matches" member that is no array.
            if (matches)
                ++m_invalid;
            break;
        }
        case State::Entries: {
            if (nextCharacter(false) == ']') {
                nextCharacter(true);
                m_state = State::Members;
                m_first = false;
                break;
            }
            if (!m_first && nextCharacter(true) != ',')
                return failed();
            m_first = false;
            const std::optional<Value> entry = takeValue();
            if (!entry)
                return failed();
            if (entry->tooLong) {
                ++m_invalid;
                break;
            }
            const std::optional<QJsonValue> value = parsedValue(entry->text);
            if (!value)
                return failed();
            if (std::optional<MatchRecord> match = StatisticsFile::matchFrom(*value))
                return match;
            ++m_invalid;
            break;
        }
        case State::End:
        case State::Failed:
            return std::nullopt;
        }
    }
}

std::nullopt_t StatisticsFileReader::failed()
{
    m_state = State::Failed;
    return std::nullopt;
}

int StatisticsFileReader::nextCharacter(bool take)
{
    for (;;) {
        while (m_position < m_buffer.size() && isWhiteSpace(m_buffer.at(m_position)))
            ++m_position;
        if (m_position < m_buffer.size()) {
            const uchar character = uchar(m_buffer.at(m_position));
            if (take)
                ++m_position;
            return character;
        }
        if (!fill())
            return -1;
    }
}

// A string to its closing quote, an object or array to its closing bracket (other brackets
// within counted alike: the parse of the text finds any mismatch), anything else up to the next
// separator. Nothing when the file ends first.
std::optional<StatisticsFileReader::Value> StatisticsFileReader::takeValue()
{
    if (nextCharacter(false) < 0)
        return std::nullopt;
    Value value;
    const char first = m_buffer.at(m_position);
    const bool scalar = first != '"' && first != '{' && first != '[';
    int depth = 0;
    bool inString = false;
    bool escaped = false;
    for (qsizetype i = m_position;; ++i) {
        if (i == m_buffer.size()) {
            // What was followed of a value too long to keep is let go.
            value.tooLong = value.tooLong || i - m_position > kLongestValue;
            if (value.tooLong)
                m_position = i;
            const qsizetype followed = i - m_position;
            if (!fill())
                return std::nullopt;
            i = m_position + followed;
        }
        const char c = m_buffer.at(i);
        // Where the value ends, past its last character.
        qsizetype end = -1;
        if (scalar) {
            if (c == ',' || c == ']' || c == '}' || isWhiteSpace(c))
                end = i;
        } else if (inString) {
            if (escaped)
                escaped = false;
            else if (c == '\\')
                escaped = true;
            else if (c == '"')
                inString = false;
            if (!inString && depth == 0)
                end = i + 1;
        } else if (c == '"') {
            inString = true;
        } else if (c == '{' || c == '[') {
            ++depth;
        } else if ((c == '}' || c == ']') && --depth == 0) {
            end = i + 1;
        }
        if (end >= 0) {
            value.tooLong = value.tooLong || end - m_position > kLongestValue;
            if (!value.tooLong)
                value.text = m_buffer.mid(m_position, end - m_position);
            m_position = end;
            return value;
        }
    }
}

bool StatisticsFileReader::fill()
{
    m_buffer.remove(0, m_position);
    m_position = 0;
    const QByteArray block = m_file.read(kBlock);
    m_buffer += block;
    return !block.isEmpty();
}
