// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QString>

// Text attributes in board units: a size of 46 is 46 units of the 640 by 480 board, whatever the
// window's size or the screen's resolution.
struct TextStyle {
    double fontSize = 46;
    QColor color = Qt::white;

    friend bool operator==(const TextStyle &, const TextStyle &) = default;
};

// A text with its own copy of the attributes it was made with.
struct StyledText {
    QString text;
    TextStyle style;

    // The number the text reads as; a blank text reads as 0.
    int value() const { return text.toInt(); }
    friend bool operator==(const StyledText &, const StyledText &) = default;
};
