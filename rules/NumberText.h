// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "NumberComparer.h"

#include <QString>
#include <QStringView>

#include <optional>

// A number as players write it, its digits side by side ("0123"), and back: one form for the
// kept match, the stored moves of a match, the status bar and the review.
namespace NumberText {

QString of(const NumberSet &number);
// Four different digits written as four characters, or nothing.
std::optional<NumberSet> parse(QStringView text);

} // namespace NumberText
