#include "HowToPlayDialog.h"

#include <QDialogButtonBox>
#include <QKeySequence>
#include <QLabel>
#include <QVBoxLayout>

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

    auto *text = new QLabel(rulesText(), this);
    text->setTextFormat(Qt::RichText);
    text->setWordWrap(true);
    text->setMinimumWidth(440);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addWidget(buttons);
}

QString HowToPlayDialog::rulesText()
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
    const QStringList aids = {
        tr("The bar under the board shows the round. With \"Show my remaining possibilities\" in the "
           "preferences it also counts the numbers Mac's number can still be, judged from your own "
           "guesses and their scores alone."),
        tr("Game > Hint types the guess Mac would play at Expert strength after your own guesses and "
           "their scores. Send it with Return or change it first. The statistics mark a match in which "
           "you took a hint."),
        tr("Game > Statistics shows, for each strength of Mac, your wins, losses, draws and abandoned "
           "matches, your winning streaks, a chart of the guesses that decided each match and your "
           "latest matches."),
        tr("New Game during a match asks first; a match you give up counts as abandoned. Once a match "
           "is over, Play Again in the bar starts the next one."),
        tr("A match you leave unfinished, by quitting or otherwise, is kept: at the next start, Resume "
           "Match in the bar goes on with it at the turn it was in."),
    };
    QString keys = QStringLiteral("<table cellspacing=\"4\">");
    keys += keyRow(tr("0 to 9"), tr("choose your number; type hits, blows and guesses"));
    keys += keyRow(tr("Left, Right"), tr("move the typing position"));
    keys += keyRow(tr("Backspace, Delete"), tr("erase the digit at the typing position"));
    keys += keyRow(tr("Return, Enter"), tr("OK"));
    keys += keyRow(QKeySequence(QKeySequence::New).toString(QKeySequence::NativeText), tr("new game"));
    keys += keyRow(QKeySequence(Qt::CTRL | Qt::Key_R).toString(QKeySequence::NativeText),
                   tr("resume the unfinished match"));
    keys += keyRow(QKeySequence(Qt::CTRL | Qt::Key_H).toString(QKeySequence::NativeText), tr("hint"));
    keys += keyRow(QKeySequence(Qt::CTRL | Qt::Key_T).toString(QKeySequence::NativeText), tr("statistics"));
    keys += keyRow(QKeySequence(Qt::CTRL | Qt::Key_Comma).toString(QKeySequence::NativeText), tr("preferences"));
    keys += keyRow(QKeySequence(Qt::CTRL | Qt::Key_P).toString(QKeySequence::NativeText),
                   tr("show or hide the number pad"));
    keys += QStringLiteral("</table>");
    return QStringLiteral("<h3>%1</h3>%2<h3>%3</h3>%4<h3>%5</h3>%6")
        .arg(tr("Rules").toHtmlEscaped(), htmlList(rules), tr("Help during a match").toHtmlEscaped(), htmlList(aids),
             tr("Keys").toHtmlEscaped(), keys);
}
