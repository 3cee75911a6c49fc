#pragma once

#include <QStatusBar>

class HitBlowController;
class QLabel;
class QPushButton;

// The strip under the board: the round of a running match, on request how many numbers Mac's
// secret can still be from the user's own guesses and scores, Play Again once the result is
// shown with Review beside it, and Resume Match on the title screen while a match of an earlier run
// waits. Its height never changes, so the board keeps its size whatever it shows.
class MatchStatusBar : public QStatusBar
{
    Q_OBJECT

public:
    explicit MatchStatusBar(QWidget *parent = nullptr);

    // resumable: a match kept from an earlier run waits, offered on the title screen.
    void showMatch(const HitBlowController &match, bool showOwnCandidates, bool resumable = false);

    QString matchText() const;
    QPushButton *playAgainButton() const { return m_playAgain; }
    QPushButton *resumeButton() const { return m_resume; }
    QPushButton *reviewButton() const { return m_review; }

signals:
    void playAgainClicked();
    void resumeClicked();
    void reviewClicked();

private:
    QLabel *m_label = nullptr;
    QPushButton *m_playAgain = nullptr;
    QPushButton *m_resume = nullptr;
    QPushButton *m_review = nullptr;
};
