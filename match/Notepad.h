// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "NumberComparer.h"

#include <QObject>
#include <QString>

#include <array>

// The player's notes on Mac's number for one match: for each digit and each of the four places a
// mark (blank, "not here", "here"), and for each digit whether it is not in the number at all. It
// records only what the player marks and never fills itself in.
class Notepad : public QObject
{
    Q_OBJECT

public:
    enum class Mark { Blank, NotHere, Here };
    static constexpr int kDigits = 10;
    static constexpr int kPlaces = kDigitCount;

    explicit Notepad(QObject *parent = nullptr);

    Mark mark(int digit, int place) const;
    // Blank, then "not here", then "here", then blank again. Out-of-range cells are ignored.
    void cycle(int digit, int place);
    void setMark(int digit, int place, Mark mark);
    bool isOut(int digit) const;
    void setOut(int digit, bool out);
    void toggleOut(int digit) { setOut(digit, !isOut(digit)); }
    bool isEmpty() const;
    // Forgets every mark: a new match starts with a clean page.
    void clear();

    // The page as a short text, for keeping it with a match that is resumed later: "notepad1:",
    // forty cell marks digit by digit ('.' blank, 'x' not here, 'o' here), ':' and ten digit
    // marks ('.' or 'x').
    QString serialise() const;
    // Takes the page back from serialise(); anything else leaves the page as it is and is false.
    bool restore(const QString &text);

signals:
    void changed();

private:
    static bool holds(int digit, int place);

    std::array<std::array<Mark, kPlaces>, kDigits> m_marks{};
    std::array<bool, kDigits> m_out{};
};
