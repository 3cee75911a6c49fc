// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStatusBar>
#include <QStringList>

class QFontMetrics;

class HitBlowController;
class QLabel;
class QPushButton;

// The strip under the board: the round of a running match, on request how many numbers Mac's
// secret can still be from the user's own guesses and scores, a note on the user's guess of this
// round, Play Again once the result is shown with Review beside it, and Resume Match on the title
// screen while a match of an earlier run waits. It shows one message at a time, the most pressing,
// cut only between words; the full text of every message is its tool tip and accessible
// description. The buttons are reached by Tab, never by a click on the board's keys. Its height
// never changes, so the board keeps its size whatever it shows.
class MatchStatusBar : public QStatusBar
{
    Q_OBJECT

public:
    explicit MatchStatusBar(QWidget *parent = nullptr);

    // What the bar tells beside the match itself.
    struct Aids {
        bool showOwnCandidates = false;
        // The matches kept by earlier runs that wait, offered on the title screen.
        int resumable = 0;
        // The user's latest guess is the one the hint typed.
        bool latestGuessHinted = false;
    };
    void showMatch(const HitBlowController &match, const Aids &aids);

    // On the title screen while count matches of earlier runs wait: how to go on with them.
    static QString resumableText(int count);
    // Every message, the most pressing first.
    QString matchText() const;
    // The message in sight, as far as it fits.
    QString shownText() const;

    // text cut after its last whole word that fits width with "…", or the whole text when it fits.
    static QString wholeWordsWithin(const QString &text, const QFontMetrics &metrics, int width);

    QPushButton *playAgainButton() const { return m_playAgain; }
    QPushButton *resumeButton() const { return m_resume; }
    QPushButton *reviewButton() const { return m_review; }
    QPushButton *shareButton() const { return m_share; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    // A message shown for a while (showMessage) is cut between words too, as the bar's own are.
    void paintEvent(QPaintEvent *event) override;

signals:
    void playAgainClicked();
    void resumeClicked();
    void reviewClicked();
    void shareClicked();

private:
    void showFirstMessage();
    void listDailyMessages(const HitBlowController &match, bool showOwnCandidates);

    QStringList m_messages;
    QLabel *m_label = nullptr;
    QPushButton *m_playAgain = nullptr;
    QPushButton *m_resume = nullptr;
    QPushButton *m_review = nullptr;
    QPushButton *m_share = nullptr;
};
