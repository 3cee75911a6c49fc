// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/NumberText.h"

#include <array>

QString NumberText::of(const NumberSet &number)
{
    QString text;
    for (int digit : number)
        text += QChar(u'0' + digit);
    return text;
}

std::optional<NumberSet> NumberText::parse(QStringView text)
{
    NumberSet number{};
    if (text.size() != qsizetype(number.size()))
        return std::nullopt;
    std::array<bool, 10> seen{};
    for (qsizetype i = 0; i < text.size(); ++i) {
        const int digit = text.at(i).unicode() - u'0';
        if (digit < 0 || digit > 9 || seen[digit])
            return std::nullopt;
        seen[digit] = true;
        number[i] = digit;
    }
    return number;
}
