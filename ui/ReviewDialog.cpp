#include "ReviewDialog.h"

#include "rules/NumberText.h"
#include "PossibilitiesChart.h"
#include "StatisticsDialog.h"
#include "expert/DecisionTree.h"
#include "platform/WindowFit.h"

#include <QClipboard>
#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QProgressBar>
#include <QScrollBar>
#include <QPromise>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <QtConcurrent/QtConcurrentRun>

namespace {
const QString kSeparator = QStringLiteral(" · ");

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
    const int guesses = int(turns.answers.size());
    promise.setProgressRange(0, guesses);
    promise.addResult(MatchReview::of(turns.answers, turns.scores(), DecisionTree::builtIn(), nullptr,
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

    auto *heading = new QLabel(StatisticsDialog::strengthName(match.strength) + kSeparator
                                   + resultPhrase(match.result, int(match.turns.answers.size())),
                               this);
    layout->addWidget(heading);
    m_summary = new QLabel(this);
    m_summary->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(m_summary);
    m_progress = new QProgressBar(this);
    m_progress->setRange(0, int(match.turns.answers.size()));
    m_progress->setValue(0);
    layout->addWidget(m_progress);

    m_table = new QTreeWidget(this);
    m_table->setRootIsDecorated(false);
    m_table->setHeaderLabels({tr("Guess"), tr("Hits / Blows"), tr("Possibilities"), tr("Expected"),
                              tr("Expert's guess"), tr("Its expected"), tr("Verdict"), tr("Skill"), tr("Luck")});
    m_table->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_table->setMinimumHeight(m_table->fontMetrics().height() * 8);
    layout->addWidget(m_table, 1);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    m_copy = buttons->addButton(tr("&Copy Result"), QDialogButtonBox::ActionRole);
    m_copy->setAutoDefault(false);
    m_copy->setEnabled(false);
    connect(m_copy, &QPushButton::clicked, this, &ReviewDialog::copyResult);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    WindowFit::scrollBodyAboveButtons(this, body, buttons);

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

void ReviewDialog::showProgress(int reviewed)
{
    const int guesses = int(m_match.turns.answers.size());
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
    for (const MatchReview::GuessReview &row : m_review->guesses()) {
        auto *item = new QTreeWidgetItem(m_table);
        item->setText(GuessColumn, NumberText::of(row.guess));
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
    // Below the table, which keeps its rows in sight before the chart grows.
    m_table->parentWidget()->layout()->addWidget(m_chart);
    resize(width(), height() + m_chart->sizeHint().height());
    WindowFit::fitToScreen(this);
}

// Every column in sight where the screen has room for it.
void ReviewDialog::widenToTheTable()
{
    for (int column = 0; column < m_table->columnCount(); ++column)
        m_table->resizeColumnToContents(column);
    const int extra = width() - m_table->viewport()->width();
    const int wanted = m_table->header()->length() + extra + m_table->verticalScrollBar()->sizeHint().width();
    if (wanted > width()) {
        resize(wanted, height());
        WindowFit::fitToScreen(this);
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
    lines << QStringLiteral("Hit & Blow") + kSeparator + StatisticsDialog::strengthName(match.strength) + kSeparator
            + resultPhrase(match.result, int(review.guesses().size())) + kSeparator
            + tr("skill %1").arg(review.skill()) + kSeparator + tr("luck %1").arg(review.luck());
    for (const MatchReview::GuessReview &row : review.guesses()) {
        const QString marks = QString(row.score.hits, QChar(u'●')) + QString(row.score.blows, QChar(u'○'));
        lines << (marks.isEmpty() ? QStringLiteral("·") : marks);
    }
    return lines.join(QLatin1Char('\n'));
}

void ReviewDialog::copyResult()
{
    if (m_review)
        QGuiApplication::clipboard()->setText(resultText(m_match, *m_review));
}
