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
{
    setSizeGripEnabled(false);
    addWidget(m_label, 1);
    // Only a click plays again: a key must never leave the result the board shows.
    m_playAgain->setFocusPolicy(Qt::NoFocus);
    QSizePolicy policy = m_playAgain->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    m_playAgain->setSizePolicy(policy);
    m_playAgain->hide();
    addPermanentWidget(m_playAgain);
    connect(m_playAgain, &QPushButton::clicked, this, &MatchStatusBar::playAgainClicked);
}

void MatchStatusBar::showMatch(const HitBlowController &match, bool showOwnCandidates)
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
}

QString MatchStatusBar::matchText() const
{
    return m_label->text();
}

