// SPDX-License-Identifier: GPL-3.0-or-later
#include "NumberPad.h"

#include "GameBoardView.h"

#include <QGridLayout>
#include <QKeySequence>
#include <QPushButton>

#include <algorithm>
#include <cmath>

namespace {
// Dark like the space around the board, so pad and board read as one surface; sizes in points
// and pixels that Qt scales with the screen, so the buttons stay crisp at any pixel ratio. The
// sizes given are those beside a board at its natural size; they follow the board's scale.
QString padStyleSheet(double scale)
{
    const auto px = [scale](double size) { return QString::number(std::max(1, qRound(size * scale))); };
    return QStringLiteral(R"(
NumberPad { background: #181a1e; }
QPushButton {
    color: #f2f2f2; background: #2e333b; border: 1px solid #4b515c; border-radius: %1px;
    font-size: %2pt; min-width: %3px; min-height: %4px; padding: 0 %5px;
}
QPushButton:hover { background: #3a4049; }
QPushButton:pressed { background: #5a616d; border-color: #8a919c; }
QPushButton#wordKey { font-size: %6pt; }
QPushButton#okKey { font-size: %7pt; font-weight: bold; background: #2f6b3b; border-color: #4f9a5e; }
QPushButton#okKey:hover { background: #3a7d47; }
QPushButton#okKey:pressed { background: #4f9a5e; }
)")
        .arg(px(6), px(16), px(46), px(38), px(4), px(11), px(13));
}

QString keyText(Qt::Key key)
{
    return QKeySequence(key).toString(QKeySequence::NativeText);
}
} // namespace

NumberPad::NumberPad(GameBoardView *board, QWidget *parent)
    : QWidget(parent)
    , m_board(board)
{
    setAttribute(Qt::WA_StyledBackground);
    setStyleSheet(padStyleSheet(m_scale));
    setAccessibleName(tr("Number pad"));

    auto *grid = new QGridLayout(this);
    m_grid = grid;
    grid->setContentsMargins(10, 10, 10, 10);
    grid->setSpacing(6);
    // Laid out like a calculator's keys: 7 8 9 on top, 0 between the arrows below 1 2 3.
    for (int digit = 1; digit <= 9; ++digit) {
        const QString text = QString::number(digit);
        addKey(grid, {char16_t(u'0' + digit), text, text, text, 3 - (digit - 1) / 3, (digit - 1) % 3, 1, false});
    }
    addKey(grid, {u'0', QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0"), 4, 1, 1, false});
    addKey(grid, {kLeftArrowKey, QStringLiteral("←"), tr("Move left"), keyText(Qt::Key_Left), 4, 0, 1, true});
    addKey(grid, {kRightArrowKey, QStringLiteral("→"), tr("Move right"), keyText(Qt::Key_Right), 4, 2, 1, true});
    addKey(grid, {kDeleteKey, tr("Delete"), tr("Delete"), keyText(Qt::Key_Delete), 5, 0, 1, true});
    addKey(grid, {kReturnKey, tr("OK"), tr("OK"), keyText(Qt::Key_Return), 5, 1, 2, false});
    buttonFor(kDeleteKey)->setObjectName(QStringLiteral("wordKey"));
    buttonFor(kReturnKey)->setObjectName(QStringLiteral("okKey"));
    equalizeColumns();
    // The buttons keep their size, centred in the height beside the board.
    grid->setRowStretch(0, 1);
    grid->setRowStretch(6, 1);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
}

void NumberPad::setScale(double scale)
{
    scale = std::clamp(scale, kSmallestScale, kLargestScale);
    // Small changes are not worth restyling every button for.
    if (std::abs(scale - m_scale) < 0.04)
        return;
    m_scale = scale;
    setStyleSheet(padStyleSheet(scale));
    const int margin = std::max(2, qRound(10 * scale));
    m_grid->setContentsMargins(margin, margin, margin, margin);
    m_grid->setSpacing(std::max(2, qRound(6 * scale)));
    equalizeColumns();
}

// Columns of one width, however long the word on Delete is in the user's language.
void NumberPad::equalizeColumns()
{
    int columnWidth = 0;
    for (QAbstractButton *button : std::as_const(m_buttons)) {
        if (button != buttonFor(kReturnKey)) {
            button->ensurePolished();
            columnWidth = std::max(columnWidth, button->sizeHint().width());
        }
    }
    for (int column = 0; column < 3; ++column)
        m_grid->setColumnMinimumWidth(column, columnWidth);
}

QAbstractButton *NumberPad::buttonFor(char16_t key) const
{
    return m_buttons.value(key);
}

void NumberPad::addKey(QGridLayout *grid, const Key &key)
{
    auto *button = new QPushButton(key.label, this);
    button->setFocusPolicy(Qt::NoFocus);
    button->setAccessibleName(key.accessibleName);
    button->setToolTip(tr("Same as the %1 key").arg(key.keyName));
    button->setAutoRepeat(key.repeats);
    const QString character(QChar(key.character));
    connect(button, &QPushButton::clicked, this, [this, character] { m_board->keyDown(character, character); });
    grid->addWidget(button, key.row, key.column, 1, key.columnSpan);
    m_buttons.insert(key.character, button);
}
