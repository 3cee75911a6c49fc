// SPDX-License-Identifier: GPL-3.0-or-later
#include "NotepadPanel.h"

#include "GameBoardView.h"
#include "access/LiveAnnouncer.h"
#include "access/QuietAccessibility.h"
#include "match/Notepad.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QToolButton>

#include <algorithm>
#include <cmath>

namespace {
// Dark like the board and the number pad beside it; sizes at the board's scale.
QString notepadStyleSheet(double scale)
{
    const auto px = [scale](double size) { return QString::number(std::max(1, qRound(size * scale))); };
    return QStringLiteral(R"(
NotepadPanel { background: #181a1e; }
QLabel { color: #c8ccd2; font-size: %1pt; }
QLabel#legend { font-size: %5pt; }
QToolButton { color: #f2f2f2; background: #2e333b; border: 1px solid #4b515c; border-radius: %2px;
              min-width: %3px; min-height: %4px; font-size: %1pt; }
QToolButton:focus { border: 2px solid #f0d040; }
QToolButton#digit:checked { color: #6b7280; background: #202328; text-decoration: line-through; }
)")
        .arg(px(12), px(4), px(26), px(22), px(9));
}

QString markText(Notepad::Mark mark)
{
    switch (mark) {
    case Notepad::Mark::NotHere:
        return QStringLiteral("✗");
    case Notepad::Mark::Here:
        return QStringLiteral("●");
    default:
        return {};
    }
}
} // namespace

NotepadPanel::NotepadPanel(Notepad &notepad, GameBoardView *board, QWidget *parent)
    : QWidget(parent)
    , m_notepad(notepad)
    , m_board(board)
{
    setAttribute(Qt::WA_StyledBackground);
    setStyleSheet(notepadStyleSheet(m_scale));
    setAccessibleName(tr("Notepad"));
    setToolTip(tr("Your notes on Mac's number: click a cell for ✗ (not here), again for ● (here), "
                  "again to clear it; click a digit when it is not in the number."));

    auto *grid = new QGridLayout(this);
    m_grid = grid;
    grid->setContentsMargins(8, 8, 8, 8);
    grid->setSpacing(3);
    for (int place = 0; place < Notepad::kPlaces; ++place) {
        auto *header = new QLabel(QString::number(place + 1), this);
        header->setAlignment(Qt::AlignCenter);
        header->setToolTip(tr("Place %1 of Mac's number, from the left").arg(place + 1));
        grid->addWidget(header, 0, place + 1);
    }
    for (int digit = 0; digit < Notepad::kDigits; ++digit) {
        auto *digitButton = new QToolButton(this);
        digitButton->setObjectName(QStringLiteral("digit"));
        digitButton->setText(QString::number(digit));
        digitButton->setCheckable(true);
        digitButton->setFocusPolicy(Qt::TabFocus);
        digitButton->installEventFilter(this);
        connect(digitButton, &QToolButton::clicked, this, [this, digit] { m_notepad.toggleOut(digit); });
        grid->addWidget(digitButton, digit + 1, 0);
        m_digits[digit] = digitButton;
        for (int place = 0; place < Notepad::kPlaces; ++place) {
            auto *cell = new QToolButton(this);
            cell->setFocusPolicy(Qt::TabFocus);
            cell->installEventFilter(this);
            connect(cell, &QToolButton::clicked, this, [this, digit, place] { m_notepad.cycle(digit, place); });
            grid->addWidget(cell, digit + 1, place + 1);
            m_cells[digit][place] = cell;
        }
    }
    auto *legend = new QLabel(tr("✗ not here, ● here; a crossed-out digit is not in the number. "
                                 "Space marks a cell, X crosses out its digit, Esc goes back to the board; "
                                 "digits go to your guess."),
                              this);
    legend->setObjectName(QStringLiteral("legend"));
    legend->setWordWrap(true);
    // As wide as the cells above it, never wider.
    legend->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    grid->addWidget(legend, Notepad::kDigits + 1, 0, 1, Notepad::kPlaces + 1);
    grid->setRowStretch(Notepad::kDigits + 2, 1);
    fitWidth();
    m_announcer = new LiveAnnouncer(this);
    connect(&m_notepad, &Notepad::changed, this, &NotepadPanel::showNotepad);
    showNotepad();
}

void NotepadPanel::setScale(double scale)
{
    scale = std::clamp(scale, kSmallestScale, kLargestScale);
    // Small changes are not worth restyling every button for.
    if (std::abs(scale - m_scale) < 0.04)
        return;
    m_scale = scale;
    setStyleSheet(notepadStyleSheet(scale));
    const int margin = std::max(2, qRound(8 * scale));
    m_grid->setContentsMargins(margin, margin, margin, margin);
    m_grid->setSpacing(std::max(2, qRound(3 * scale)));
    fitWidth();
}

// Exactly as wide as its cells: a dock keeps the width it once had unless its content says so.
void NotepadPanel::fitWidth()
{
    m_grid->invalidate();
    setFixedWidth(m_grid->sizeHint().width());
}

QToolButton *NotepadPanel::cellButton(int digit, int place) const
{
    return m_cells.at(digit).at(place);
}

QToolButton *NotepadPanel::digitButton(int digit) const
{
    return m_digits.at(digit);
}

void NotepadPanel::showNotepad()
{
    // A changed name is said in the row the keyboard is in: Qt's own name events reach no screen
    // reader's speech, and the other rows did not change under the player's hands.
    const int focused = focusedDigit();
    QStringList news;
    const auto name = [&news, focused](QToolButton *button, int digit, const QString &text) {
        if (button->accessibleName() == text)
            return;
        if (button->hasFocus()) {
            // The button under the keyboard: its name-change event, as Qt 6.4's bridge sends it,
            // carries no text a screen reader can speak; the notification says the news.
            const QuietAccessibility quiet;
            button->setAccessibleName(text);
        } else {
            button->setAccessibleName(text);
        }
        if (digit == focused)
            news << text;
    };
    for (int digit = 0; digit < Notepad::kDigits; ++digit) {
        const bool out = m_notepad.isOut(digit);
        m_digits[digit]->setChecked(out);
        name(m_digits[digit], digit,
             out ? tr("%1: not in the number").arg(digit) : tr("%1: may be in the number").arg(digit));
        for (int place = 0; place < Notepad::kPlaces; ++place) {
            const Notepad::Mark mark = m_notepad.mark(digit, place);
            QToolButton *cell = m_cells[digit][place];
            if (cell->hasFocus()) {
                // A new text is a name change too (see name() above).
                const QuietAccessibility quiet;
                cell->setText(markText(mark));
            } else {
                cell->setText(markText(mark));
            }
            const QString state = mark == Notepad::Mark::Here      ? tr("here")
                                  : mark == Notepad::Mark::NotHere ? tr("not here")
                                                                   : tr("no mark");
            name(cell, digit, tr("%1 in place %2: %3").arg(digit).arg(place + 1).arg(state));
        }
    }
    m_announcer->announce(news.join(QStringLiteral(". ")));
}

// The buttons' own keys would move the focus along the tab chain; on the page they move it
// across the grid instead.
bool NotepadPanel::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress || !qobject_cast<QToolButton *>(watched))
        return QWidget::eventFilter(watched, event);
    switch (static_cast<QKeyEvent *>(event)->key()) {
    case Qt::Key_Up:
        moveFocus(-1, 0);
        return true;
    case Qt::Key_Down:
        moveFocus(1, 0);
        return true;
    case Qt::Key_Left:
        moveFocus(0, -1);
        return true;
    case Qt::Key_Right:
        moveFocus(0, 1);
        return true;
    case Qt::Key_X:
        if (const int digit = focusedDigit(); digit >= 0)
            m_notepad.toggleOut(digit);
        return true;
    case Qt::Key_Escape:
        m_board->setFocus(Qt::ShortcutFocusReason);
        return true;
    default:
        break;
    }
    // A digit is meant for the guess being typed, whose cursor the board still shows.
    const QString text = static_cast<QKeyEvent *>(event)->text();
    if (text.size() == 1 && text.front() >= u'0' && text.front() <= u'9'
        && !(static_cast<QKeyEvent *>(event)->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        m_board->keyDown(text, text);
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

// The row of the focused button, or -1.
int NotepadPanel::focusedDigit() const
{
    for (int digit = 0; digit < Notepad::kDigits; ++digit) {
        if (m_digits[digit]->hasFocus())
            return digit;
        for (const QToolButton *cell : m_cells[digit]) {
            if (cell->hasFocus())
                return digit;
        }
    }
    return -1;
}

// Column 0 is the digit itself, columns 1 to 4 the places; the focus stops at the edges.
void NotepadPanel::moveFocus(int digitStep, int placeStep)
{
    const int digit = focusedDigit();
    if (digit < 0)
        return;
    const auto &row = m_cells[digit];
    const int place = int(std::find_if(row.begin(), row.end(), [](const QToolButton *cell) { return cell->hasFocus(); })
                          - row.begin());
    const int column = place < Notepad::kPlaces ? place + 1 : 0;
    const int nextDigit = std::clamp(digit + digitStep, 0, Notepad::kDigits - 1);
    const int nextColumn = std::clamp(column + placeStep, 0, int(Notepad::kPlaces));
    (nextColumn == 0 ? m_digits[nextDigit] : m_cells[nextDigit][nextColumn - 1])->setFocus(Qt::TabFocusReason);
}
