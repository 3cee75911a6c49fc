// SPDX-License-Identifier: GPL-3.0-or-later
#include "DuelFrames.h"

#include <QtEndian>

QByteArray DuelFrames::frame(const QByteArray &payload)
{
    char length[4];
    qToBigEndian<quint32>(quint32(payload.size()), length);
    return QByteArray(length, 4) + payload;
}

std::optional<QByteArray> DuelFrameReader::next()
{
    if (!m_error.isEmpty() || m_buffer.size() < 4)
        return std::nullopt;
    const quint32 length = qFromBigEndian<quint32>(m_buffer.constData());
    if (length == 0 || length > quint32(DuelFrames::kMostBytes)) {
        m_error = QStringLiteral("a message of %1 bytes (at most %2)").arg(length).arg(DuelFrames::kMostBytes);
        m_buffer.clear();
        return std::nullopt;
    }
    if (m_buffer.size() < 4 + qsizetype(length))
        return std::nullopt;
    QByteArray payload = m_buffer.mid(4, length);
    m_buffer.remove(0, 4 + length);
    return payload;
}
