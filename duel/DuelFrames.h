// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// How duel messages travel on a byte stream: each is a frame of a 4-byte big-endian length
// followed by that many bytes of payload (one JSON object). A length of 0 or above kMostBytes is
// refused before any of its payload is read.
namespace DuelFrames {

constexpr int kMostBytes = 4096;

QByteArray frame(const QByteArray &payload);

} // namespace DuelFrames

// Cuts the bytes received so far into payloads, whatever pieces they came in.
class DuelFrameReader
{
public:
    void append(const QByteArray &bytes) { m_buffer += bytes; }

    // The next whole payload, or nothing until more bytes come; once a length is refused, nothing
    // more, and error() says why.
    std::optional<QByteArray> next();
    const QString &error() const { return m_error; }

private:
    QByteArray m_buffer;
    QString m_error;
};
