// SPDX-License-Identifier: GPL-3.0-or-later
#include "MatchStatusBar.h"

#include "HitBlowController.h"
#include "StatisticsDialog.h"
#include "core/MatchSnapshots.h"
#include "match/MatchStatistics.h"
#include "match/MatchNotes.h"
#include "rules/NumberText.h"

#include <QKeySequence>
#include <QEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QPainter>
#include <QStyle>
#include <QPushButton>

MatchStatusBar::MatchStatusBar(QWidget *parent)
    : QStatusBar(parent)
    , m_label(new QLabel(this))
    , m_playAgain(new QPushButton(tr("Play Again"), this))
    , m_resume(new QPushButton(tr("Resume Match"), this))
    , m_review(new QPushButton(tr("Review"), this))
    , m_share(new QPushButton(tr("Copy Result"), this))
{
    setSizeGripEnabled(false);
    // However long a note, it never widens the window: what does not fit is in the tool tip.
    m_label->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    addWidget(m_label, 1);
    m_label->installEventFilter(this);
    for (QPushButton *button : {m_share, m_review, m_playAgain, m_resume}) {
        // Reached by Tab, never by a click: a click must not take the keys from the board.
        button->setFocusPolicy(Qt::TabFocus);
        button->hide();
        addPermanentWidget(button);
    }
    // The message takes the room of hidden buttons, and is as tall as a button, so the bar's height
    // never changes when they come and go.
    m_label->setMinimumHeight(m_playAgain->sizeHint().height());
    connect(m_playAgain, &QPushButton::clicked, this, &MatchStatusBar::playAgainClicked);
    connect(m_review, &QPushButton::clicked, this, &MatchStatusBar::reviewClicked);
    connect(m_resume, &QPushButton::clicked, this, &MatchStatusBar::resumeClicked);
    connect(m_share, &QPushButton::clicked, this, &MatchStatusBar::shareClicked);
}

void MatchStatusBar::showMatch(const HitBlowController &match, const Aids &aids)
{
    const GameStatus status = gameStatusOf(match.gameStatus());
    m_messages.clear();
    const std::optional<DailyRound> &daily = match.dailyRound();
    if (daily) {
        listDailyMessages(match, aids.showOwnCandidates);
    } else if (status == GameStatusTitle) {
        if (aids.resumable)
            m_messages << resumableText(aids.resumable);
        m_messages << tr("Press Return or click the board to start a match")
                   << tr("Game > New Game (%1) starts a match").arg(QKeySequence(QKeySequence::New).toString(QKeySequence::NativeText));
    } else if (status == GameStatusResultShown) {
        m_messages << MatchNotes::decision(decidedMatchOf(match));
    } else if (status >= GameStatusMacTurn && !match.macFormerAnswers().empty()) {
        // The computer opens every round, so its guesses count the rounds, from its first on.
        const int round = int(match.macFormerAnswers().size());
        // A note on the user's guess belongs to its round: a new round starts without it.
        if (int(match.userFormerAnswers().size()) == round) {
            const QString note = MatchNotes::latestGuessNote(ownRecordsOf(match), aids.latestGuessHinted);
            if (!note.isEmpty())
                m_messages << note;
        }
        const QString roundText = tr("Round %1 of %2").arg(round).arg(MatchStatistics::kMostGuesses);
        if (aids.showOwnCandidates && status <= GameStatusUserResult) {
            const auto count = ownRecordsOf(match).candidates().size();
            m_messages << roundText + QStringLiteral("    ") + tr("Possibilities for Mac's number: %1").arg(count);
        } else {
            m_messages << roundText;
        }
    }
    const QString all = matchText();
    m_label->setToolTip(all);
    m_label->setAccessibleDescription(all);
    showFirstMessage();
    m_playAgain->setVisible(status == GameStatusResultShown);
    m_review->setVisible(status == GameStatusResultShown);
    m_share->setVisible(status == GameStatusResultShown && daily && !daily->isPractice());
    m_resume->setVisible(aids.resumable > 0 && status == GameStatusTitle);
}

QString MatchStatusBar::resumableText(int count)
{
    const QString shortcut = QKeySequence(Qt::CTRL | Qt::Key_R).toString(QKeySequence::NativeText);
    if (count > 1)
        return tr("%1 unfinished matches wait: Game > Resume Match (%2)").arg(count).arg(shortcut);
    return tr("Your unfinished match waits: Game > Resume Match (%1)").arg(shortcut);
}

// A daily puzzle: its guesses so far and, on request, how many secrets still fit their scores;
// at its end, the result.
void MatchStatusBar::listDailyMessages(const HitBlowController &match, bool showOwnCandidates)
{
    const DailyRound &daily = *match.dailyRound();
    const int status = match.gameStatus();
    const int guesses = int(match.userFormerAnswers().size());
    const QString puzzle = StatisticsDialog::puzzleName(daily.number(), daily.isPractice());
    if (status == GameStatusGameOver || status == GameStatusResultShown) {
        if (match.matchResult() == MatchResultUserWon)
            m_messages << tr("%1 solved in %n guess(es).", nullptr, guesses).arg(puzzle);
        else if (match.macOwnNumbers())
            m_messages << tr("%1 not solved: the number was %2.").arg(puzzle, NumberText::of(*match.macOwnNumbers()));
        return;
    }
    QString text = puzzle + QStringLiteral("    ") + tr("Guess %1 of %2").arg(std::min(guesses + 1, kMostDailyGuesses)).arg(kMostDailyGuesses);
    if (showOwnCandidates)
        text += QStringLiteral("    ") + tr("Secrets still possible: %1").arg(ownRecordsOf(match).candidates().size());
    m_messages << text;
}

QString MatchStatusBar::matchText() const
{
    return m_messages.join(QLatin1Char('\n'));
}

QString MatchStatusBar::shownText() const
{
    return m_label->text();
}

void MatchStatusBar::showFirstMessage()
{
    const QString first = m_messages.value(0);
    m_label->setAccessibleName(first);
    m_label->setText(wholeWordsWithin(first, m_label->fontMetrics(), m_label->contentsRect().width()));
}

// The message is cut again whenever the room beside the buttons changes.
bool MatchStatusBar::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_label && event->type() == QEvent::Resize)
        showFirstMessage();
    return QStatusBar::eventFilter(watched, event);
}

void MatchStatusBar::paintEvent(QPaintEvent *event)
{
    const QString message = currentMessage();
    if (message.isEmpty()) {
        QStatusBar::paintEvent(event);
        return;
    }
    // Qt's bar would cut the message wherever the room ends: the room left of the buttons in sight.
    QRect room = contentsRect().adjusted(style()->pixelMetric(QStyle::PM_LayoutLeftMargin), 0, 0, 0);
    for (const QPushButton *button : {m_share, m_review, m_playAgain, m_resume}) {
        if (button->isVisible())
            room.setRight(std::min(room.right(), button->geometry().left() - 6));
    }
    QPainter painter(this);
    painter.setPen(palette().windowText().color());
    painter.drawText(room, Qt::AlignLeading | Qt::AlignVCenter | Qt::TextSingleLine,
                     wholeWordsWithin(message, fontMetrics(), room.width()));
}

QString MatchStatusBar::wholeWordsWithin(const QString &text, const QFontMetrics &metrics, int width)
{
    if (metrics.horizontalAdvance(text) <= width)
        return text;
    const QString ellipsis = QStringLiteral("…");
    QString kept = text;
    // Cut at the last space before the text no longer fits; a single long word stays whole.
    while (metrics.horizontalAdvance(kept + ellipsis) > width) {
        const qsizetype space = kept.trimmed().lastIndexOf(QLatin1Char(' '));
        if (space <= 0)
            break;
        kept = kept.left(space).trimmed();
    }
    return kept == text ? text : kept + ellipsis;
}

