// SPDX-License-Identifier: GPL-3.0-or-later
#include "HowToPlayDialog.h"

#include "access/HeadingAccessible.h"
#include "platform/WindowFit.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QKeySequence>
#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>

namespace {
QString htmlList(const QStringList &items)
{
    QString html = QStringLiteral("<ul>");
    for (const QString &item : items)
        html += QStringLiteral("<li>%1</li>").arg(item.toHtmlEscaped());
    return html + QStringLiteral("</ul>");
}

QString keyRow(const QString &keys, const QString &action)
{
    return QStringLiteral("<tr><td><b>%1</b></td><td>%2</td></tr>").arg(keys.toHtmlEscaped(), action.toHtmlEscaped());
}
} // namespace

HowToPlayDialog::HowToPlayDialog(QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(tr("How to Play"));

    // One heading and its text after another. Tab and Shift+Tab move from heading to heading, each
    // read with its section by a screen reader; the view scrolls by wheel, scroll bar and Page Up
    // and Down whenever the screen is too small for it.
    auto *page = new QWidget;
    auto *pageLayout = new QVBoxLayout(page);
    // Lines of about 78 characters, narrower where the screen is: the text wraps, it never scrolls
    // sideways (a large scale, or a wide font such as a Chinese one, made it wider than the screen).
    // The margins of the window and the page on both sides, the scroll bar and the frame.
    const int margins = 6 * style()->pixelMetric(QStyle::PM_LayoutLeftMargin)
        + 2 * style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    const int width = std::max(fontMetrics().averageCharWidth() * 30,
                               std::min(fontMetrics().averageCharWidth() * 78, WindowFit::roomForContents(this).width() - margins));
    QFont headingFont = font();
    headingFont.setBold(true);
    headingFont.setPointSizeF(headingFont.pointSizeF() * 1.15);
    for (const Section &section : sections()) {
        auto *heading = new QLabel(section.heading, page);
        heading->setFont(headingFont);
        heading->setFocusPolicy(Qt::StrongFocus);
        heading->setAutoFillBackground(true);
        heading->setBackgroundRole(QPalette::Window);
        auto *body = new QLabel(section.html, page);
        body->setWordWrap(true);
        body->setTextFormat(Qt::RichText);
        // Laid out once, at the page's width: a label of rich text lays its text out anew for
        // every width a layout asks about, which made the window slow to open.
        body->setFixedSize(width, body->heightForWidth(width));
        HeadingAccessible::markAsHeading(heading, body);
        pageLayout->addWidget(heading, 0, Qt::AlignLeft);
        pageLayout->addWidget(body);
    }
    pageLayout->addStretch();
    m_view = new QScrollArea(this);
    m_view->setWidget(page);
    m_view->setWidgetResizable(true);
    m_view->setFrameShape(QFrame::NoFrame);
    m_view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_focusWatch = connect(qApp, &QApplication::focusChanged, this, [this](QWidget *before, QWidget *now) {
        // The focus shows where the keyboard is, as on a link; the heading reached comes to the
        // top, its section under it.
        for (QWidget *heading : {before, now}) {
            if (heading && m_view->widget()->isAncestorOf(heading)) {
                heading->setBackgroundRole(heading == now ? QPalette::Highlight : QPalette::Window);
                heading->setForegroundRole(heading == now ? QPalette::HighlightedText : QPalette::WindowText);
            }
        }
        if (now && m_view->widget()->isAncestorOf(now))
            m_view->verticalScrollBar()->setValue(now->y() - now->height() / 2);
    });

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_view);
    layout->addWidget(buttons);
    page->findChild<QLabel *>()->setFocus();

    // Tall enough for the whole text where the screen allows, and never taller than the screen.
    const int height = page->sizeHint().height() + buttons->sizeHint().height() + layout->contentsMargins().top()
        + layout->contentsMargins().bottom() + layout->spacing();
    resize(width + pageLayout->contentsMargins().left() + pageLayout->contentsMargins().right()
               + layout->contentsMargins().left() + layout->contentsMargins().right()
               + style()->pixelMetric(QStyle::PM_ScrollBarExtent),
           height);
    WindowFit::fitToScreen(this);
}

// The headings lose the focus as they are destroyed, after this window's own part is gone.
HowToPlayDialog::~HowToPlayDialog()
{
    disconnect(m_focusWatch);
}

QList<HowToPlayDialog::Section> HowToPlayDialog::sections()
{
    const QStringList rules = {
        tr("You and Mac each hide a number of four different digits."),
        tr("Start a new game and choose your number by clicking four pieces, or by typing four digits."),
        tr("Mac guesses first. Score its guess: type the hits (right digit in the right place) and the "
           "blows (right digit in the wrong place), then press Return or click OK."),
        tr("Then type your guess at Mac's number and press Return. The board shows its hits and blows."),
        tr("To play with the mouse alone, show the number pad with View > Number Pad: its buttons act "
           "as the keys below."),
        tr("The first to score four hits wins. If Mac finds your number first, you still get the last "
           "guess of that round: four hits there make a draw. Sixteen guesses without a winner are a "
           "draw too."),
    };
    const QStringList board = {
        tr("Mac's pieces lie face down at the top of the board, red; yours stand face up at the bottom, "
           "white. The small red card heads Mac's guesses on the left, the white card yours on the right."),
        tr("A filled dot marks the hits (right digit in the right place), a ring the blows (right digit "
           "in the wrong place): above each list of guesses and above the two count boxes."),
        tr("While you choose your number, Backspace or Delete takes back the last piece chosen, and a "
           "click on a chosen piece takes back that one."),
    };
    const QStringList aids = {
        tr("The bar under the board shows the round. With \"Show my remaining possibilities\" in the "
           "preferences it also counts the numbers Mac's number can still be, judged from your own "
           "guesses and their scores alone."),
        tr("View > Notepad opens a page for your deductions beside the board: a click on a cell marks "
           "the digit ✗ (not in that place), a second click ● (in that place), a third clears it; a "
           "click on a digit crosses it out of the number. On the page, the arrow keys move, Space "
           "marks, X crosses out the row's digit, Esc goes back to the board and digits go to your "
           "guess."),
        tr("Game > Hint types the guess Mac would play at Expert strength after your own guesses and "
           "their scores. Send it with Return or change it first. The statistics mark a match in which "
           "you took a hint."),
        tr("Game > Statistics shows, for each strength of Mac, your wins, losses, draws and abandoned "
           "matches, your winning streaks, a chart of the guesses that decided each match and your "
           "latest matches."),
        tr("New Game during a match asks first; a match you give up counts as abandoned. Once a match "
           "is over, Play Again in the bar starts the next one."),
        tr("A match you leave unfinished, by quitting or otherwise, is kept: at the next start, Resume "
           "Match in the bar goes on with it at the turn it was in. Two games each keep their own, and "
           "Resume Match lists them when several wait."),
    };
    const QStringList review = {
        tr("Once a match is decided, Review in the bar, Game > Review Last Match or a double-click on a "
           "match in the statistics shows each of your guesses: how many numbers Mac's number could be "
           "before it and after its score, the guesses you could expect to need from there counting it, "
           "the Expert's guess from the same position with its own expected number, a verdict, and your "
           "skill and luck."),
        tr("Best play is exact while at most 64 numbers are possible, and the Expert's guess above that. "
           "Skill is 99 when your guess needs no more guesses on average than best play; every guess lost "
           "on average costs 99 points. Luck compares the numbers your score left with those the other "
           "scores could have left: 99 for the fewest, 0 for the most. For the match, skill is the mean of "
           "the guesses' skill, luck the mean luck of the guesses whose scores could have left different "
           "numbers."),
        tr("Copy Result puts your result on the clipboard without giving your numbers away: one line per "
           "guess, a filled dot for each hit, a ring for each blow, a middle dot for neither."),
    };
    QString keys = QStringLiteral("<table cellspacing=\"4\">");
    keys += keyRow(tr("0 to 9"), tr("choose your number; type hits, blows and guesses"));
    keys += keyRow(tr("Left, Right"), tr("move the typing position"));
    keys += keyRow(tr("Backspace, Delete"),
                   tr("erase the digit at the typing position; while choosing your number, take back the "
                      "last piece chosen"));
    keys += keyRow(tr("Return, Enter"), tr("OK"));
    keys += keyRow(QKeySequence(QKeySequence::New).toString(QKeySequence::NativeText), tr("new game"));
    keys += keyRow(QKeySequence(Qt::CTRL | Qt::Key_R).toString(QKeySequence::NativeText),
                   tr("resume the unfinished match"));
    keys += keyRow(QKeySequence(Qt::CTRL | Qt::Key_H).toString(QKeySequence::NativeText), tr("hint"));
    keys += keyRow(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_D).toString(QKeySequence::NativeText),
                   tr("duel: two players at this computer"));
    keys += keyRow(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_N).toString(QKeySequence::NativeText),
                   tr("duel across the network"));
    keys += keyRow(QKeySequence(Qt::CTRL | Qt::Key_T).toString(QKeySequence::NativeText), tr("statistics"));
    keys += keyRow(QKeySequence(Qt::CTRL | Qt::Key_E).toString(QKeySequence::NativeText), tr("review the last match"));
    keys += keyRow(QKeySequence(Qt::CTRL | Qt::Key_Comma).toString(QKeySequence::NativeText), tr("preferences"));
    keys += keyRow(QKeySequence(Qt::CTRL | Qt::Key_P).toString(QKeySequence::NativeText),
                   tr("show or hide the number pad"));
    keys += keyRow(QKeySequence(Qt::CTRL | Qt::Key_D).toString(QKeySequence::NativeText),
                   tr("show or hide the notepad"));
    keys += keyRow(QKeySequence(Qt::Key_F1).toString(QKeySequence::NativeText), tr("how to play"));
    keys += keyRow(QKeySequence(Qt::CTRL | Qt::Key_Q).toString(QKeySequence::NativeText), tr("quit"));
    keys += QStringLiteral("</table>");
    return {{tr("Rules"), htmlList(rules)},
            {tr("The board"), htmlList(board)},
            {tr("Help during a match"), htmlList(aids)},
            {tr("Reviewing a match"), htmlList(review)},
            {tr("Keys"), keys}};
}

QString HowToPlayDialog::rulesText()
{
    QString html;
    for (const Section &section : sections())
        html += QStringLiteral("<h3>%1</h3>%2").arg(section.heading.toHtmlEscaped(), section.html);
    return html;
}
