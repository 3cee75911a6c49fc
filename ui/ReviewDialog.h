// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "expert/MatchReview.h"
#include "match/MatchStatistics.h"

#include <QDialog>
#include <QFutureWatcher>

#include <optional>

class LiveAnnouncer;
class PossibilitiesChart;
class QLabel;
class QVBoxLayout;
class QProgressBar;
class QPushButton;
class QTreeWidget;

// The review of one match: for each of the user's guesses the possibilities before and after it,
// its expected number of guesses against the Expert's guess from the same position, a verdict in
// words, skill and luck, the match's skill and luck above them, and a chart of the possibilities
// left after each guess against those the Expert's guess would have left on average; guesses the
// hint gave are marked. Below them Mac's guesses and Mac's number, where the match kept them. Each
// column says what it means in its tool tip and accessible description. The review is worked out on a
// thread of the pool while the window shows how far it has got; the window may be closed at any
// time, the work then stops at the next step of its search. Copy Result puts a text without any
// digit of a guess on the clipboard and says so.
class ReviewDialog : public QDialog
{
    Q_OBJECT

public:
    enum Column { GuessColumn, ScoreColumn, PossibilitiesColumn, ExpectedColumn, ExpertColumn,
                  ExpertExpectedColumn, VerdictColumn, SkillColumn, LuckColumn };

    // match must have turns.
    explicit ReviewDialog(const MatchRecord &match, QWidget *parent = nullptr);
    ~ReviewDialog() override;

    // From the window's making, while the review waits for a thread and while it runs.
    // Until the review's rows are shown: the work may be done a moment before they are.
    bool isReviewing() const { return m_reviewing; }
    QTreeWidget *table() const { return m_table; }
    // The match's skill and luck, or how far the review has got.
    QString summaryText() const;
    QPushButton *copyResultButton() const { return m_copy; }
    // The chart of the possibilities left, once the review is shown (null without the chart module).
    PossibilitiesChart *chart() const { return m_chart; }

    // Mac's guesses with their scores; null when the match did not keep them.
    QTreeWidget *macTable() const { return m_macTable; }
    // What the window says under its buttons, as after Copy Result.
    QString noticeText() const;
    // What a column means, in the window's own words.
    static QString columnExplanation(Column column);

    // The text Copy Result gives: the game, strength, result, skill, luck and the hints taken on
    // the first line, then one line per guess with a ● per hit and a ○ per blow, or a · for none,
    // and the hint's mark after a guess the hint gave.
    static QString resultText(const MatchRecord &match, const MatchReview &review);
    static QString verdictText(MatchReview::Verdict verdict);

private:
    void showProgress(int reviewed);
    void showReview();
    void copyResult();
    void showChart();
    void widenToTheTable();
    void showMacSide(QVBoxLayout *layout);
    void fitTableHeight(QTreeWidget *table);
    bool hintGave(int guess) const;

    MatchRecord m_match;
    std::optional<MatchReview> m_review;
    QFutureWatcher<std::optional<MatchReview>> m_watcher;
    bool m_reviewing = true;
    QLabel *m_summary = nullptr;
    QLabel *m_verdictLine = nullptr;
    QProgressBar *m_progress = nullptr;
    QTreeWidget *m_table = nullptr;
    QPushButton *m_copy = nullptr;
    QTreeWidget *m_macTable = nullptr;
    QLabel *m_notice = nullptr;
    LiveAnnouncer *m_announcer = nullptr;
    PossibilitiesChart *m_chart = nullptr;
};
