#include "MatchStatusBar.h"

#include "HitBlowController.h"
#include "core/MatchSnapshots.h"
#include "match/MatchStatistics.h"
#include "match/MatchNotes.h"

#include <QKeySequence>
#include <QLabel>
#include <QPushButton>

MatchStatusBar::MatchStatusBar(QWidget *parent)
    : QStatusBar(parent)
    , m_label(new QLabel(this))
    , m_playAgain(new QPushButton(tr("Play Again"), this))
    , m_resume(new QPushButton(tr("Resume Match"), this))
    , m_review(new QPushButton(tr("Review"), this))
{
    setSizeGripEnabled(false);
    // However long a note, it never widens the window: what does not fit is in the tool tip.
    m_label->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    addWidget(m_label, 1);
    for (QPushButton *button : {m_review, m_playAgain, m_resume}) {
        // Only a click acts: a key must never leave what the board shows.
        button->setFocusPolicy(Qt::NoFocus);
        button->hide();
        addPermanentWidget(button);
    }
    // Play Again and Review keep their places while hidden, so the bar never changes; Resume
    // Match, shown only on the title screen, takes the right end.
    for (QPushButton *button : {m_review, m_playAgain}) {
        QSizePolicy policy = button->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        button->setSizePolicy(policy);
    }
    connect(m_playAgain, &QPushButton::clicked, this, &MatchStatusBar::playAgainClicked);
    connect(m_review, &QPushButton::clicked, this, &MatchStatusBar::reviewClicked);
    connect(m_resume, &QPushButton::clicked, this, &MatchStatusBar::resumeClicked);
}

void MatchStatusBar::showMatch(const HitBlowController &match, bool showOwnCandidates, bool resumable)
{
    const int status = match.gameStatus();
    const auto separator = QStringLiteral("    ");
    QString text;
    if (status == GameStatusTitle) {
        text = tr("Game > New Game (%1) starts a match").arg(QKeySequence(QKeySequence::New).toString(QKeySequence::NativeText));
    } else if (status == GameStatusResultShown) {
        text = MatchNotes::decision(decidedMatchOf(match));
    } else if (status >= GameStatusMacTurn && !match.macFormerAnswers().empty()) {
        // The computer opens every round, so its guesses count the rounds, from its first on.
        const int round = int(match.macFormerAnswers().size());
        text = tr("Round %1 of %2").arg(round).arg(MatchStatistics::kMostGuesses);
        if (showOwnCandidates && status <= GameStatusUserResult) {
            const auto count = ownRecordsOf(match).candidates().size();
            text += separator + tr("Possibilities for Mac's number: %1").arg(count);
        }
        const QString note = MatchNotes::latestGuessNote(ownRecordsOf(match));
        if (!note.isEmpty())
            text += separator + note;
    }
    m_label->setText(text);
    m_label->setToolTip(text);
    m_playAgain->setVisible(status == GameStatusResultShown);
    m_review->setVisible(status == GameStatusResultShown);
    m_resume->setVisible(resumable && status == GameStatusTitle);
}

QString MatchStatusBar::matchText() const
{
    return m_label->text();
}

