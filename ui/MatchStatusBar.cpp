#include "MatchStatusBar.h"

#include "HitBlowController.h"
#include "MatchSnapshots.h"
#include "match/MatchStatistics.h"

#include <QLabel>
#include <QPushButton>

MatchStatusBar::MatchStatusBar(QWidget *parent)
    : QStatusBar(parent)
    , m_label(new QLabel(this))
    , m_playAgain(new QPushButton(tr("Play Again"), this))
    , m_resume(new QPushButton(tr("Resume Match"), this))
{
    setSizeGripEnabled(false);
    addWidget(m_label, 1);
    for (QPushButton *button : {m_playAgain, m_resume}) {
        // Only a click acts: a key must never leave what the board shows.
        button->setFocusPolicy(Qt::NoFocus);
        button->hide();
        addPermanentWidget(button);
    }
    // Play Again keeps its place while hidden, so the bar never changes; Resume Match, shown only
    // on the title screen, takes the right end.
    QSizePolicy policy = m_playAgain->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    m_playAgain->setSizePolicy(policy);
    connect(m_playAgain, &QPushButton::clicked, this, &MatchStatusBar::playAgainClicked);
    connect(m_resume, &QPushButton::clicked, this, &MatchStatusBar::resumeClicked);
}

void MatchStatusBar::showMatch(const HitBlowController &match, bool showOwnCandidates, bool resumable)
{
    const int status = match.gameStatus();
    QString text;
    if (status >= GameStatusMacTurn && status <= GameStatusResultShown) {
        // The computer opens every round, so its guesses count the rounds.
        const int round = std::max<int>(1, int(match.macFormerAnswers().size()));
        text = tr("Round %1 of %2").arg(round).arg(MatchStatistics::kMostGuesses);
        if (showOwnCandidates && status <= GameStatusUserResult) {
            const auto count = ownRecordsOf(match).candidates().size();
            text += QStringLiteral("    ") + tr("Possibilities for Mac's number: %1").arg(count);
        }
    }
    m_label->setText(text);
    m_playAgain->setVisible(status == GameStatusResultShown);
    m_resume->setVisible(resumable && status == GameStatusTitle);
}

QString MatchStatusBar::matchText() const
{
    return m_label->text();
}

