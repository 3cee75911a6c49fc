// SPDX-License-Identifier: GPL-3.0-or-later
#include "daily/DailyPuzzle.h"

#include "rules/MatchRules.h"
#include "rules/NumberText.h"

#include <QCryptographicHash>

#include <algorithm>
#include <array>
#include <utility>

namespace {
constexpr char kSecretTag[] = "Hit & Blow daily puzzle ";

// Every number of four different digits, in the order of its tagged digest; made once.
const std::array<NumberSet, kAllNumbersCount> &secretOrder()
{
    static const std::array<NumberSet, kAllNumbersCount> order = [] {
        std::vector<std::pair<QByteArray, NumberSet>> keyed;
        keyed.reserve(kAllNumbersCount);
        for (const NumberSet &number : NumberComparer().makeCandidatesArray()) {
            const QByteArray text = QByteArray(kSecretTag) + NumberText::of(number).toLatin1();
            keyed.emplace_back(QCryptographicHash::hash(text, QCryptographicHash::Sha256), number);
        }
        std::sort(keyed.begin(), keyed.end());
        std::array<NumberSet, kAllNumbersCount> sorted{};
        for (int i = 0; i < kAllNumbersCount; ++i)
            sorted[i] = keyed[i].second;
        return sorted;
    }();
    return order;
}
} // namespace

namespace DailyPuzzle {

QDate firstDate()
{
    return QDate(2026, 1, 1);
}

int numberOn(QDate date)
{
    if (!date.isValid() || date < firstDate())
        return 0;
    return static_cast<int>(firstDate().daysTo(date)) + 1;
}

QDate dateOf(int number)
{
    return firstDate().addDays(number - 1);
}

NumberSet secretOf(int number)
{
    const int place = ((number - 1) % kAllNumbersCount + kAllNumbersCount) % kAllNumbersCount;
    return secretOrder()[place];
}

} // namespace DailyPuzzle
