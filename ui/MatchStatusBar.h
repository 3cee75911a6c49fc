#pragma once

#include <QStatusBar>

class HitBlowController;
class QLabel;
class QPushButton;

// The strip under the board: the round of a running match, on request how many numbers Mac's
// secret can still be from the user's own guesses and scores, and Play Again once the result is
// shown. Its height never changes, so the board keeps its size whatever it shows.
class MatchStatusBar : public QStatusBar
{
    Q_OBJECT

public:
    explicit MatchStatusBar(QWidget *parent = nullptr);

    void showMatch(const HitBlowController &match, bool showOwnCandidates);

    QString matchText() const;
    QPushButton *playAgainButton() const { return m_playAgain; }

signals:
    void playAgainClicked();

private:
    QLabel *m_label = nullptr;
    QPushButton *m_playAgain = nullptr;
};
