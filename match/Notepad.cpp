// SPDX-License-Identifier: GPL-3.0-or-later
#include "Notepad.h"

#include <algorithm>

namespace {
const QString kPrefix = QStringLiteral("notepad1:");
constexpr char kMarkLetters[] = {'.', 'x', 'o'};
} // namespace

Notepad::Notepad(QObject *parent)
    : QObject(parent)
{
}

bool Notepad::holds(int digit, int place)
{
    return digit >= 0 && digit < kDigits && place >= 0 && place < kPlaces;
}

Notepad::Mark Notepad::mark(int digit, int place) const
{
    return holds(digit, place) ? m_marks[digit][place] : Mark::Blank;
}

void Notepad::cycle(int digit, int place)
{
    if (!holds(digit, place))
        return;
    setMark(digit, place, Mark((int(m_marks[digit][place]) + 1) % 3));
}

void Notepad::setMark(int digit, int place, Mark mark)
{
    if (!holds(digit, place) || m_marks[digit][place] == mark)
        return;
    m_marks[digit][place] = mark;
    emit changed();
}

bool Notepad::isOut(int digit) const
{
    return holds(digit, 0) && m_out[digit];
}

void Notepad::setOut(int digit, bool out)
{
    if (!holds(digit, 0) || m_out[digit] == out)
        return;
    m_out[digit] = out;
    emit changed();
}

bool Notepad::isEmpty() const
{
    const bool noMarks = std::all_of(m_marks.begin(), m_marks.end(), [](const auto &row) {
        return std::all_of(row.begin(), row.end(), [](Mark mark) { return mark == Mark::Blank; });
    });
    return noMarks && std::none_of(m_out.begin(), m_out.end(), [](bool out) { return out; });
}

void Notepad::clear()
{
    if (isEmpty())
        return;
    m_marks = {};
    m_out = {};
    emit changed();
}

QString Notepad::serialise() const
{
    QString text = kPrefix;
    for (const auto &row : m_marks) {
        for (Mark mark : row)
            text += QLatin1Char(kMarkLetters[int(mark)]);
    }
    text += u':';
    for (bool out : m_out)
        text += QLatin1Char(out ? 'x' : '.');
    return text;
}

bool Notepad::restore(const QString &text)
{
    constexpr int cells = kDigits * kPlaces;
    if (!text.startsWith(kPrefix) || text.size() != kPrefix.size() + cells + 1 + kDigits
        || text[kPrefix.size() + cells] != u':')
        return false;
    decltype(m_marks) marks{};
    decltype(m_out) out{};
    for (int i = 0; i < cells; ++i) {
        const char *letter = std::find(std::begin(kMarkLetters), std::end(kMarkLetters), text[kPrefix.size() + i].toLatin1());
        if (letter == std::end(kMarkLetters))
            return false;
        marks[i / kPlaces][i % kPlaces] = Mark(letter - kMarkLetters);
    }
    for (int digit = 0; digit < kDigits; ++digit) {
        const QChar letter = text[kPrefix.size() + cells + 1 + digit];
        if (letter != u'.' && letter != u'x')
            return false;
        out[digit] = letter == u'x';
    }
    m_marks = marks;
    m_out = out;
    emit changed();
    return true;
}
