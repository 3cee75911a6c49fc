// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>
#include <QPointF>
#include <QRectF>

#include <array>

// Where everything on the board goes, in board coordinates (640 by 480 units, origin at the
// bottom left, y up): the one table that drawing and mouse input read. Images and texts are
// placed by their lower-left corner unless a centre is named.
namespace GameBoardLayout {

// An area of the board; points on its edges lie inside.
struct Area {
    double left, bottom, right, top;

    constexpr bool holds(QPointF point) const
    {
        return point.x() >= left && point.x() <= right && point.y() >= bottom && point.y() <= top;
    }
};

// A text centred on a vertical line.
struct CentredText {
    double centreX, y;
};

// A column of the record of former guesses: lines hang from kRecordTop.
struct RecordColumn {
    double x, fontSize;
};

// Artwork.
constexpr QPointF kBoardOrigin{0, 0};
constexpr QPointF kLogoOrigin{138, 99};

// The choice pieces by digit: a triangle of rows of 1, 2, 3 and 4 pieces, 62 units apart.
constexpr std::array<QPoint, 10> kChoiceOrigins = {{
    {289, 365},
    {258, 307}, {320, 307},
    {227, 249}, {289, 249}, {351, 249},
    {196, 191}, {258, 191}, {320, 191}, {382, 191},
}};
// A choice piece is hit above its artwork's shadow; neighbours in a row share the border column.
constexpr double kChoiceHitBottom = 24;
constexpr double kChoiceHitWidth = 62;
constexpr double kChoiceHitTop = 75;

constexpr Area choiceHitArea(QPoint origin)
{
    return {origin.x() + 0.0, origin.y() + kChoiceHitBottom, origin.x() + kChoiceHitWidth,
            origin.y() + kChoiceHitTop};
}

// The OK button: its artwork, and the part of it that takes a click.
constexpr QPointF kOKButtonOrigin{335, 258};
constexpr Area kOKButtonHitArea{341, 264, 388, 311};

// The rows of four pieces: the computer's secret at the top, the user's at the bottom.
constexpr double kPieceRowLeft = 168;
constexpr double kPieceSpacing = 62;
constexpr double kMacRowY = 360;
constexpr double kUserRowY = 50;

// A piece of the user's secret while it is chosen, hit like a choice piece: a click returns it.
constexpr Area chosenPieceHitArea(int place)
{
    return {kPieceRowLeft + kPieceSpacing * place, kUserRowY + kChoiceHitBottom,
            kPieceRowLeft + kPieceSpacing * (place + 1), kUserRowY + kChoiceHitTop};
}

// The digits of a guess, the two counts, and the cursor bar under the typing position.
constexpr double kDigitSpacing = 68;
constexpr QPointF kGuessDigitsOrigin{175, 190};
constexpr QPointF kCountsOrigin{218, 264};
constexpr QRectF kGuessCursor{175, 195, 33, 3};
constexpr QRectF kCountsCursor{213, 266, 33, 3};
constexpr double kGuessFontSize = 46;
constexpr double kCountsFontSize = 34;

// The message line: centred on the title and while choosing, centred on the left part of the
// board during the turns, and beside the result after a guess.
constexpr CentredText kTitleMessage{320, 90};
constexpr CentredText kChoosingMessage{320, 152};
constexpr CentredText kTurnMessage{292, 152};
constexpr QPointF kResultMessageOrigin{210, 330};
constexpr double kTitleMessageFontSize = 10;
constexpr double kMessageFontSize = 14;

// The record of former guesses, in columns of guesses, hits and blows: the computer's on the left,
// then the user's on the right.
constexpr double kRecordTop = 450;
constexpr std::array<RecordColumn, 6> kRecordColumns = {{
    {21, 14}, {74, 14}, {99, 14},
    {486, 22}, {568, 22}, {605, 22},
}};

// The count of the computer's remaining candidates, in the box at the bottom left; the box is
// drawn only with the count.
constexpr QPointF kCandidatesBoxOrigin{2, 49};
constexpr QPointF kCandidatesLabelOrigin{12, 78};
constexpr double kCandidatesLabelFontSize = 9;
constexpr QPointF kCandidatesCountOrigin{12, 57};
constexpr double kCandidatesCountFontSize = 15;

// The smallest of the board's text sizes above, the one that limits how small the board may be.
constexpr double kSmallestFontSize = kCandidatesLabelFontSize;

// The result of the match, with its shadow.
constexpr CentredText kResult{320, 220};
constexpr double kResultFontSize = 60;
constexpr QPointF kResultShadowOffset{0, -8};
constexpr double kResultShadowBlur = 6;

} // namespace GameBoardLayout
