// SPDX-License-Identifier: GPL-3.0-or-later
#include "ReviewDialog.h"

#include "rules/NumberText.h"
#include "access/LiveAnnouncer.h"
#include "PossibilitiesChart.h"
#include "StatisticsDialog.h"
#include "expert/DecisionTree.h"
#include "platform/WindowFit.h"

#include <QClipboard>
#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QProgressBar>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QPromise>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <QtConcurrent/QtConcurrentRun>

namespace {
const QString kSeparator = QStringLiteral(" · ");
// The verdict column asks for this many average characters; where the screen is narrower it
// gets what is left, its verdicts cut short, each read whole in the line under the table.
constexpr int kVerdictWidthChars = 30;
constexpr int kVerdictLeastChars = 6;

QString resultPhrase(MatchOutcome result, int guesses)
{
    switch (result) {
    case MatchOutcome::Won:
        return ReviewDialog::tr("won in %1").arg(guesses);
    case MatchOutcome::Lost:
        return ReviewDialog::tr("lost after %1").arg(guesses);
    case MatchOutcome::Draw:
        return ReviewDialog::tr("draw after %1").arg(guesses);
    case MatchOutcome::Abandoned:
        break;
    }
    return ReviewDialog::tr("abandoned after %1").arg(guesses);
}

// The review of the user's turns, worked out on the pool's thread: it reads only what it was given,
// and stops between the steps of its search once the window has cancelled it.
void review(QPromise<std::optional<MatchReview>> &promise, const OwnRecords &turns)
{
    const int guesses = int(turns.size());
    promise.setProgressRange(0, guesses);
    promise.addResult(MatchReview::of(turns.guesses(), turns.scores(), DecisionTree::builtIn(), nullptr,
                                      [&promise](int reviewed, int) {
                                          promise.setProgressValue(reviewed);
                                          return !promise.isCanceled();
                                      }));
}
} // namespace

ReviewDialog::ReviewDialog(const MatchRecord &match, QWidget *parent)
    : QDialog(parent)
    , m_match(match)
{
    setWindowTitle(tr("Review"));
    // Everything but the buttons scrolls when the screen is too small for the table and the
    // chart, so that Copy Result and Close stay in reach on any screen.
    auto *body = new QWidget;
    auto *layout = new QVBoxLayout(body);
    layout->setContentsMargins(0, 0, 0, 0);

    // A daily puzzle is named by its number, and its secret is the puzzle's, not Mac's; a duel by
    // its opponent, whose number it is.
    const bool puzzle = match.mode == MatchMode::Daily || match.mode == MatchMode::Practice;
    QString headingText = StatisticsDialog::playedName(match) + kSeparator + resultPhrase(match.result, int(match.turns.size()));
    if (match.opponentLied)
        headingText += kSeparator + tr("%1's scores were false").arg(match.opponent);
    if (match.macNumber && match.mode == MatchMode::Duel)
        headingText += kSeparator + tr("%1's number: %2").arg(match.opponent, NumberText::of(*match.macNumber));
    else if (match.macNumber && puzzle)
        headingText += kSeparator + tr("Secret: %1").arg(NumberText::of(*match.macNumber));
    else if (match.macNumber)
        headingText += kSeparator + tr("Mac's number: %1").arg(NumberText::of(*match.macNumber));
    // The match and its skill and luck on one line, leaving the height to the guesses.
    auto *headingRow = new QHBoxLayout;
    auto *heading = new QLabel(headingText, this);
    headingRow->addWidget(heading);
    m_summary = new QLabel(this);
    m_summary->setTextInteractionFlags(Qt::TextSelectableByMouse);
    headingRow->addWidget(m_summary, 1);
    layout->addLayout(headingRow);
    m_progress = new QProgressBar(this);
    m_progress->setRange(0, int(match.turns.size()));
    m_progress->setValue(0);
    layout->addWidget(m_progress);

    m_table = new QTreeWidget(this);
    m_table->setRootIsDecorated(false);
    m_table->setHeaderLabels({tr("Guess"), tr("Hits / Blows"), tr("Possibilities"), tr("Expected"),
                              tr("Expert's guess"), tr("Its expected"), tr("Verdict"), tr("Skill"), tr("Luck")});
    m_table->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    // Every row in sight at once: the window scrolls, never the table on its own.
    m_table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_table->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    // One line a guess, so that a whole match is in sight on a small screen: the verdict comes
    // last and takes the width left, cut short where it must be.
    m_table->setWordWrap(false);
    m_table->setTextElideMode(Qt::ElideRight);
    m_table->header()->setSectionResizeMode(VerdictColumn, QHeaderView::Interactive);
    m_table->header()->resizeSection(VerdictColumn, m_table->fontMetrics().averageCharWidth() * kVerdictWidthChars);
    m_table->header()->moveSection(m_table->header()->visualIndex(VerdictColumn), m_table->columnCount() - 1);
    // Skill and luck beside the guess's own figures, before the Expert's: in sight on a narrow screen.
    m_table->header()->moveSection(m_table->header()->visualIndex(SkillColumn), ExpertColumn);
    m_table->header()->moveSection(m_table->header()->visualIndex(LuckColumn), ExpertColumn + 1);
    m_table->header()->setStretchLastSection(true);
    for (int column = 0; column < m_table->columnCount(); ++column) {
        const QString explanation = columnExplanation(Column(column));
        m_table->headerItem()->setToolTip(column, explanation);
        m_table->headerItem()->setData(column, Qt::AccessibleDescriptionRole, explanation);
    }
    m_table->setMinimumHeight(m_table->fontMetrics().height() * 8);
    layout->addWidget(m_table);
    // The selected guess's verdict in full, wrapped.
    m_verdictLine = new QLabel(this);
    m_verdictLine->setWordWrap(true);
    layout->addWidget(m_verdictLine);
    connect(m_table, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem *item) {
        m_verdictLine->setText(item ? tr("Verdict on %1: %2").arg(item->text(GuessColumn), item->text(VerdictColumn))
                                    : QString());
    });
    // In a duel nobody took Mac's part, so nobody needs telling that the Expert is not Mac.
    auto *expertNote = new QLabel(match.mode == MatchMode::Duel
                                      ? tr("The Expert's guess is the one best play makes from your own position: "
                                           "after your earlier guesses and their scores.")
                                      : tr("The Expert's guess is the one best play makes from your own position: "
                                           "after your earlier guesses and their scores. It is not Mac's play."),
                                  this);
    expertNote->setWordWrap(true);
    layout->addWidget(expertNote);
    showMacSide(layout);
    layout->addStretch(1);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    m_copy = buttons->addButton(tr("&Copy Result"), QDialogButtonBox::ActionRole);
    m_copy->setAutoDefault(false);
    m_copy->setEnabled(false);
    connect(m_copy, &QPushButton::clicked, this, &ReviewDialog::copyResult);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    QVBoxLayout *outer = WindowFit::scrollBodyAboveButtons(this, body, buttons);
    m_notice = new QLabel(this);
    m_notice->setWordWrap(true);
    m_notice->hide();
    outer->addWidget(m_notice);
    m_announcer = new LiveAnnouncer(this);
    // The scrolling body is no Tab stop of its own: it would be a silent one.
    for (QScrollArea *view : findChildren<QScrollArea *>())
        view->setFocusPolicy(Qt::NoFocus);

    // The watcher is a member: once the window is gone nothing of the work reaches it.
    connect(&m_watcher, &QFutureWatcher<std::optional<MatchReview>>::progressValueChanged, this,
            &ReviewDialog::showProgress);
    connect(&m_watcher, &QFutureWatcher<std::optional<MatchReview>>::finished, this, &ReviewDialog::showReview);
    showProgress(0);
    m_watcher.setFuture(QtConcurrent::run(review, match.turns));

    m_table->setFocus();
    resize(fontMetrics().averageCharWidth() * 110, sizeHint().height() + m_table->fontMetrics().height() * 6);
    WindowFit::fitToScreen(this);
}

ReviewDialog::~ReviewDialog()
{
    // Nobody will see the review: its work stops at the search's next step rather than running on
    // (and holding the end of the program) to its last guess.
    m_watcher.future().cancel();
}

QString ReviewDialog::summaryText() const
{
    return m_summary->text();
}

QString ReviewDialog::noticeText() const
{
    return m_notice->text();
}

QString ReviewDialog::columnExplanation(Column column)
{
    switch (column) {
    case GuessColumn:
        return tr("Your guess; \"(hint)\" marks one the hint gave.");
    case ScoreColumn:
        return tr("Its score: hits (right digit in the right place) and blows (right digit in the wrong place).");
    case PossibilitiesColumn:
        return tr("How many numbers Mac's number could be before this guess and after its score.");
    case ExpectedColumn:
        return tr("E: the guesses you could expect to need from here, counting this one, playing best after it.");
    case ExpertColumn:
        return tr("The Expert's guess from your own position, after your earlier guesses and their scores.");
    case ExpertExpectedColumn:
        return tr("Best: the guesses to expect from here with the Expert's guess, counting it.");
    case VerdictColumn:
        return tr("What your guess was worth beside best play.");
    case SkillColumn:
        return tr("Skill: 99 when your guess needs no more guesses on average than best play; every guess lost "
                  "on average costs 99 points.");
    case LuckColumn:
        break;
    }
    return tr("Luck: 99 when your score left the fewest numbers the scores could have left, 0 the most; "
              "\"–\" when every score would have left as many, so luck played no part.");
}

bool ReviewDialog::hintGave(int guess) const
{
    return std::find(m_match.hintedGuesses.begin(), m_match.hintedGuesses.end(), guess) != m_match.hintedGuesses.end();
}

// The other side's guesses at the player's number (Mac's, or a duel's opponent's), with their
// scores, where the match kept them.
void ReviewDialog::showMacSide(QVBoxLayout *layout)
{
    const std::vector<Turn> &macTurns = m_match.macTurns.turns;
    if (macTurns.empty())
        return;
    const QString caption = m_match.mode == MatchMode::Duel ? tr("%1's guesses").arg(m_match.opponent) : tr("Mac's guesses");
    layout->addWidget(new QLabel(caption, this));
    m_macTable = new QTreeWidget(this);
    m_macTable->setRootIsDecorated(false);
    m_macTable->setAccessibleName(caption);
    m_macTable->setHeaderLabels({tr("Guess"), tr("Hits / Blows")});
    m_macTable->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_macTable->header()->setStretchLastSection(false);
    m_macTable->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_macTable->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    for (const Turn &turn : macTurns) {
        auto *item = new QTreeWidgetItem(m_macTable);
        item->setText(0, NumberText::of(turn.guess));
        item->setText(1, QStringLiteral("%1 / %2").arg(turn.score.hits).arg(turn.score.blows));
        item->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
        for (int column = 0; column < 2; ++column) {
            item->setData(column, Qt::AccessibleTextRole,
                          StatisticsDialog::tr("%1:").arg(m_macTable->headerItem()->text(column)) + QLatin1Char(' ')
                              + item->text(column));
        }
    }
    m_macTable->setCurrentItem(m_macTable->topLevelItem(0));
    layout->addWidget(m_macTable, 0, Qt::AlignLeft);
    m_macTable->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    int width = m_macTable->frameWidth() * 2 + m_macTable->fontMetrics().averageCharWidth() * 2;
    for (int column = 0; column < 2; ++column)
        width += std::max(m_macTable->fontMetrics().horizontalAdvance(QStringLiteral("0000 ")),
                          m_macTable->header()->sectionSizeHint(column));
    m_macTable->setFixedWidth(width);
    fitTableHeight(m_macTable);
}

// As tall as all its rows, at the width it has now.
void ReviewDialog::fitTableHeight(QTreeWidget *table)
{
    table->doItemsLayout();
    int rows = 0;
    for (int row = 0; row < table->topLevelItemCount(); ++row)
        rows += table->visualItemRect(table->topLevelItem(row)).height();
    const int frame = table->frameWidth() * 2;
    const int horizontalBar = table->horizontalScrollBar()->isVisible() ? table->horizontalScrollBar()->sizeHint().height() : 0;
    table->setFixedHeight(table->header()->sizeHint().height() + rows + frame + horizontalBar);
}

void ReviewDialog::showProgress(int reviewed)
{
    const int guesses = int(m_match.turns.size());
    m_progress->setValue(reviewed);
    m_summary->setText(tr("Reviewing guess %1 of %2…").arg(std::min(reviewed + 1, guesses)).arg(guesses));
}

void ReviewDialog::showReview()
{
    m_reviewing = false;
    m_progress->hide();
    m_review = m_watcher.future().resultCount() > 0 ? m_watcher.result() : std::nullopt;
    if (!m_review) {
        m_summary->setText(tr("This match cannot be reviewed: its guesses and scores do not fit together."));
        return;
    }
    m_summary->setText(tr("The match: skill %1, luck %2").arg(m_review->skill()).arg(m_review->luck()));
    const QLocale locale;
    int guess = 0;
    for (const MatchReview::GuessReview &row : m_review->guesses()) {
        auto *item = new QTreeWidgetItem(m_table);
        item->setText(GuessColumn, NumberText::of(row.guess)
                                       + (hintGave(guess++) ? QLatin1Char(' ') + tr("(hint)") : QString()));
        item->setText(ScoreColumn, QStringLiteral("%1 / %2").arg(row.score.hits).arg(row.score.blows));
        item->setText(PossibilitiesColumn, QStringLiteral("%1 → %2").arg(locale.toString(row.before), locale.toString(row.after)));
        item->setText(ExpectedColumn, locale.toString(row.expected, 'f', 2));
        item->setText(ExpertColumn, NumberText::of(row.bestGuess));
        item->setText(ExpertExpectedColumn, locale.toString(row.bestExpected, 'f', 2));
        item->setText(VerdictColumn, verdictText(row.verdict));
        item->setText(SkillColumn, locale.toString(row.skill));
        item->setText(LuckColumn, row.luckCounts ? locale.toString(row.luck) : QStringLiteral("–"));
        for (int column = 0; column < m_table->columnCount(); ++column) {
            if (column != GuessColumn && column != ExpertColumn && column != VerdictColumn)
                item->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
            item->setToolTip(column, columnExplanation(Column(column)));
            item->setData(column, Qt::AccessibleDescriptionRole, columnExplanation(Column(column)));
            // Each cell read with its column's header, as a sighted user reads it off the table.
            item->setData(column, Qt::AccessibleTextRole,
                          StatisticsDialog::tr("%1:").arg(m_table->headerItem()->text(column)) + QLatin1Char(' ')
                              + item->text(column));
        }
    }
    m_table->setCurrentItem(m_table->topLevelItem(0));
    m_copy->setEnabled(true);
    showChart();
    widenToTheTable();
    fitTableHeight(m_table);
    // As tall as everything where the screen allows: the rows in sight without scrolling.
    if (auto *view = findChild<QScrollArea *>()) {
        resize(width(), view->widget()->sizeHint().height() + height() - view->viewport()->height());
        WindowFit::fitToScreen(this);
    }
}

void ReviewDialog::showChart()
{
    m_chart = PossibilitiesChart::create({tr("Possibilities left after each guess"), tr("Yours"),
                                          tr("Expert's guess, on average"), tr("Guess"), tr("Possibilities")},
                                         this);
    if (!m_chart)
        return;
    std::vector<PossibilitiesChart::Point> points;
    int guess = 0;
    for (const MatchReview::GuessReview &row : m_review->guesses())
        points.push_back({++guess, double(row.after), row.bestExpectedAfter});
    m_chart->showPoints(points);
    m_chart->describePoints(points);
    // Below the tables, above the stretch that keeps them together at the top.
    auto *body = static_cast<QVBoxLayout *>(m_table->parentWidget()->layout());
    body->insertWidget(body->count() - 1, m_chart);
    resize(width(), height() + m_chart->sizeHint().height());
    WindowFit::fitToScreen(this);
}

// Every column in sight where the screen has room for it.
void ReviewDialog::widenToTheTable()
{
    for (int column = 0; column < m_table->columnCount(); ++column) {
        // The verdict takes what is left.
        if (column != VerdictColumn)
            m_table->resizeColumnToContents(column);
    }
    const int extra = width() - m_table->viewport()->width();
    const int wanted = m_table->header()->length() + extra + m_table->verticalScrollBar()->sizeHint().width();
    if (wanted > width()) {
        resize(wanted, height());
        WindowFit::fitToScreen(this);
    }
    // On a screen too narrow for it all, the verdict gives up its width first.
    m_table->doItemsLayout();
    const int others = m_table->header()->length() - m_table->header()->sectionSize(VerdictColumn);
    const int room = m_table->viewport()->width() - others;
    const int fewest = m_table->fontMetrics().averageCharWidth() * kVerdictLeastChars;
    m_table->header()->resizeSection(VerdictColumn, std::clamp(room, fewest, m_table->header()->sectionSize(VerdictColumn)));
    // Still too wide: the columns whose headings are wider than their figures give up the
    // difference, each in proportion to what it has spare, their headings cut short; a heading's
    // tooltip and description still say it whole.
    // Room is kept for the bar that scrolls the window's body, which may come once the chart is in.
    const int excess = m_table->header()->length() - m_table->viewport()->width()
        + style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    if (excess <= 0)
        return;
    const QAbstractItemView *view = m_table;
    std::vector<int> spare(m_table->columnCount(), 0);
    int allSpare = 0;
    for (int column = 0; column < m_table->columnCount(); ++column) {
        if (column != VerdictColumn)
            spare[column] = std::max(0, m_table->header()->sectionSize(column) - view->sizeHintForColumn(column));
        allSpare += spare[column];
    }
    for (int column = 0; column < m_table->columnCount() && allSpare > 0; ++column) {
        const int given = std::min(spare[column], (spare[column] * excess + allSpare - 1) / allSpare);
        if (given > 0) {
            m_table->header()->setSectionResizeMode(column, QHeaderView::Interactive);
            m_table->header()->resizeSection(column, m_table->header()->sectionSize(column) - given);
        }
    }
}

QString ReviewDialog::verdictText(MatchReview::Verdict verdict)
{
    switch (verdict) {
    case MatchReview::Verdict::Best:
        return tr("best");
    case MatchReview::Verdict::Good:
        return tr("good");
    case MatchReview::Verdict::Costly:
        return tr("costly");
    case MatchReview::Verdict::NothingNew:
        return tr("told nothing new");
    case MatchReview::Verdict::NotASecret:
        break;
    }
    return tr("could not be the secret; one that could would have done as well");
}

QString ReviewDialog::resultText(const MatchRecord &match, const MatchReview &review)
{
    QStringList lines;
    const QString played = match.mode == MatchMode::Duel ? StatisticsDialog::playedName(match)
                                                         : StatisticsDialog::strengthName(match.strength);
    QString first = QStringLiteral("Hit & Blow") + kSeparator + played + kSeparator
        + resultPhrase(match.result, int(review.guesses().size())) + kSeparator + tr("skill %1").arg(review.skill())
        + kSeparator + tr("luck %1").arg(review.luck());
    if (!match.hintedGuesses.empty())
        first += kSeparator + tr("hints taken: %1").arg(match.hintedGuesses.size());
    else if (match.hinted)
        first += kSeparator + tr("hint taken");
    lines << first;
    int guess = 0;
    for (const MatchReview::GuessReview &row : review.guesses()) {
        const QString marks = QString(row.score.hits, QChar(u'●')) + QString(row.score.blows, QChar(u'○'));
        const bool hinted = std::find(match.hintedGuesses.begin(), match.hintedGuesses.end(), guess++)
                            != match.hintedGuesses.end();
        lines << (marks.isEmpty() ? QStringLiteral("·") : marks) + (hinted ? QLatin1Char(' ') + tr("(hint)") : QString());
    }
    return lines.join(QLatin1Char('\n'));
}

void ReviewDialog::copyResult()
{
    if (!m_review)
        return;
    QGuiApplication::clipboard()->setText(resultText(m_match, *m_review));
    m_notice->setText(tr("The result is on the clipboard, without your numbers."));
    m_notice->show();
    m_announcer->announce(m_notice->text());
}
