// SPDX-License-Identifier: GPL-3.0-or-later
#include "StatisticsDialog.h"

#include "GuessChart.h"
#include "daily/DailyPuzzle.h"
#include "daily/DailyStreaks.h"
#include "ReviewDialog.h"
#include "statistics/StatisticsKeeper.h"
#include "access/LiveAnnouncer.h"
#include "access/QuietAccessibility.h"
#include "platform/WindowFit.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QGridLayout>
#include <QKeyEvent>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QStyle>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <utility>

namespace {
// The captions of the figures, in the order of the grid: two columns of rows.
const char *const kFigureCaptions[] = {
    QT_TRANSLATE_NOOP("StatisticsDialog", "Won"),
    QT_TRANSLATE_NOOP("StatisticsDialog", "Lost"),
    QT_TRANSLATE_NOOP("StatisticsDialog", "Drawn"),
    QT_TRANSLATE_NOOP("StatisticsDialog", "Abandoned"),
    QT_TRANSLATE_NOOP("StatisticsDialog", "Win rate"),
    QT_TRANSLATE_NOOP("StatisticsDialog", "Average guesses in wins"),
    QT_TRANSLATE_NOOP("StatisticsDialog", "Fewest guesses in a win"),
    QT_TRANSLATE_NOOP("StatisticsDialog", "Current winning streak"),
    QT_TRANSLATE_NOOP("StatisticsDialog", "Best winning streak"),
};
constexpr int kFigureRows = 5;

QString resultText(MatchOutcome result)
{
    switch (result) {
    case MatchOutcome::Won:
        return StatisticsDialog::tr("Won");
    case MatchOutcome::Lost:
        return StatisticsDialog::tr("Lost");
    case MatchOutcome::Draw:
        return StatisticsDialog::tr("Draw");
    case MatchOutcome::Abandoned:
        break;
    }
    return StatisticsDialog::tr("Abandoned");
}

QString optionalNumber(const std::optional<double> &number, int decimals)
{
    return number ? QLocale().toString(*number, 'f', decimals) : QStringLiteral("–");
}
} // namespace

StatisticsDialog::StatisticsDialog(StatisticsKeeper &keeper, int strength, QWidget *parent)
    : QDialog(parent)
    , m_keeper(keeper)
{
    setWindowTitle(tr("Statistics"));
    // Everything but the buttons scrolls when the screen is too small for it, so that Export and
    // Close stay in reach on any screen.
    auto *body = new QWidget;
    auto *layout = new QVBoxLayout(body);
    layout->setContentsMargins(0, 0, 0, 0);

    // Filled with what the keeper reports once the store has answered.
    m_notices = new QLabel(this);
    m_notices->setWordWrap(true);
    m_notices->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_notices->hide();
    layout->addWidget(m_notices);
    m_saveProblem = new QLabel(this);
    m_saveProblem->setWordWrap(true);
    m_saveProblem->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(m_saveProblem);
    showSaveProblem(m_keeper.saveProblem());
    connect(&m_keeper, &StatisticsKeeper::saveProblemChanged, this, &StatisticsDialog::showSaveProblem);

    m_level = new QComboBox(this);
    for (int level = 0; level <= MatchStatistics::kStrongestLevel; ++level)
        m_level->addItem(strengthName(level), level);
    m_level->addItem(tr("All strengths"), MatchStatistics::kAllStrengths);
    m_level->addItem(tr("Daily puzzles"), MatchStatistics::kDailyPuzzles);
    m_level->setCurrentIndex(std::clamp(strength, 0, MatchStatistics::kStrongestLevel));
    m_announcer = new LiveAnnouncer(this);
    auto *levelRow = new QFormLayout;
    levelRow->addRow(tr("&Strength of Mac:"), m_level);
    layout->addLayout(levelRow);

    m_figures = new QGridLayout;
    m_figures->setHorizontalSpacing(16);
    for (int index = 0; index < int(std::size(kFigureCaptions)); ++index)
        addFigureRow(index % kFigureRows, index / kFigureRows, QString::fromUtf8(kFigureCaptions[index]));
    layout->addLayout(m_figures);

    m_chart = GuessChart::create({tr("Guesses that decided each match"), tr("Won"), tr("Lost"), tr("Draw"),
                                  tr("Guesses"), tr("Matches")},
                                 this);
    if (m_chart) {
        layout->addWidget(m_chart, 1);
    } else {
        auto *missing = new QLabel(tr("The chart cannot be shown: a part of the game is missing."), this);
        missing->setAlignment(Qt::AlignCenter);
        missing->setMinimumHeight(80);
        layout->addWidget(missing);
    }

    layout->addWidget(new QLabel(tr("Latest matches"), this));
    m_latest = new QTreeWidget(this);
    m_latest->setRootIsDecorated(false);
    m_latest->setHeaderLabels({tr("Date"), tr("Strength"), tr("Result"), tr("Guesses"), tr("Hint")});
    m_latest->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_latest->setMinimumHeight(140);
    connect(m_latest, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem *item) { review(item); });
    // Return on a match opens its review rather than pressing the window's default button.
    m_latest->installEventFilter(this);
    layout->addWidget(m_latest, 1);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    m_export = buttons->addButton(tr("&Export…"), QDialogButtonBox::ActionRole);
    m_export->setAutoDefault(false);
    connect(m_export, &QPushButton::clicked, this, &StatisticsDialog::askExport);
    QPushButton *reset = buttons->addButton(tr("&Reset…"), QDialogButtonBox::ResetRole);
    reset->setAutoDefault(false);
    connect(reset, &QPushButton::clicked, this, &StatisticsDialog::askReset);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    const QVBoxLayout *outer = WindowFit::scrollBodyAboveButtons(this, body, buttons);
    // As large as the whole body where the screen has room (fitted to the screen when shown).
    const QSize whole = body->sizeHint();
    resize(whole.width() + style()->pixelMetric(QStyle::PM_ScrollBarExtent) + outer->contentsMargins().left()
               + outer->contentsMargins().right(),
           whole.height() + buttons->sizeHint().height() + outer->spacing() + outer->contentsMargins().top()
               + outer->contentsMargins().bottom());

    connect(m_level, &QComboBox::currentIndexChanged, this, [this] {
        m_levelChanged = true;
        showLevel();
        showLatest();
    });
    showLevel();
    showLatest();
    m_keeper.ask<int>(
        this, [](StatisticsStore &store) { return store.unknownRows(); },
        [this](const int &unknown) {
            m_unknownRows = unknown;
            showNotices();
        });
    // The database answers at once unless another game holds it: the player hears why it waits.
    QTimer::singleShot(kPatience, this, [this] {
        if (!m_answered)
            showSaveProblem(tr("Waiting for the statistics: another program is using them…"));
    });
    // The keyboard starts on the choice of strength, never on Reset….
    m_level->setFocus();
}

QString StatisticsDialog::puzzleName(int number, bool practice)
{
    return (practice ? tr("Practice #%1") : tr("Daily #%1")).arg(number);
}

QString StatisticsDialog::playedName(const MatchRecord &match)
{
    switch (match.mode) {
    case MatchMode::Daily:
    case MatchMode::Practice:
        return puzzleName(match.puzzle, match.mode == MatchMode::Practice);
    case MatchMode::Duel:
        return match.overNetwork ? tr("Duel with %1 over the network").arg(match.opponent)
                                 : tr("Duel with %1").arg(match.opponent);
    case MatchMode::Mac:
        break;
    }
    return strengthName(match.strength);
}

QString StatisticsDialog::strengthName(int strength)
{
    switch (strength) {
    case 0:
        return tr("Easy");
    case 1:
        return tr("Normal");
    case 2:
        return tr("Hard");
    default:
        return tr("Expert");
    }
}

void StatisticsDialog::addFigureRow(int row, int column, const QString &caption)
{
    //: A figure's caption before its value; languages differ in the colon and the space before it.
    auto *label = new QLabel(tr("%1:").arg(tr(caption.toUtf8().constData())), this);
    auto *value = new QLabel(this);
    value->setObjectName(caption);
    // The caption labels its value for screen readers, which read the two once, not the caption twice.
    label->setBuddy(value);
    value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    value->setMinimumWidth(value->fontMetrics().horizontalAdvance(QStringLiteral("100.0 %")));
    m_figures->addWidget(label, row, column * 2);
    m_figures->addWidget(value, row, column * 2 + 1);
}

QString StatisticsDialog::figure(const QString &caption) const
{
    const auto *value = findChild<QLabel *>(caption);
    return value ? value->text() : QString();
}

void StatisticsDialog::showLevel()
{
    {
        // The box's value, which Orca does not find in Qt 6.4's box, read with it as its
        // description; a change is answered aloud with its figures instead of an event.
        const QuietAccessibility quiet;
        m_level->setAccessibleDescription(m_level->currentText());
    }
    const int level = m_level->currentData().toInt();
    using Answer = std::pair<LevelSummary, QString>;
    m_keeper.ask<Answer>(
        this,
        // Runs on the statistics' thread, which may still be at it when the window has gone: it
        // takes the keeper, which outlives the window, never the window itself.
        [keeper = &m_keeper, level](StatisticsStore &store) {
            LevelSummary summary = store.summaryFor(level);
            // The daily streaks run over consecutive dates solved, from the stored rows.
            if (level == MatchStatistics::kDailyPuzzles) {
                std::vector<int> solved;
                for (const MatchRecord &match : store.solvedDailies())
                    solved.push_back(match.puzzle);
                const DailyStreaks streaks = DailyStreaks::of(solved, DailyPuzzle::numberOn(QDate::currentDate()));
                summary.currentStreak = streaks.current;
                summary.bestStreak = streaks.best;
            }
            return Answer{summary, keeper->readProblem(store)};
        },
        [this, level](const Answer &answer) {
            // An answer for a level no longer chosen is dropped; the later one follows.
            if (level == m_level->currentData().toInt())
                showSummary(answer.first);
            // Figures that could not be read say so, not just nought.
            m_answered = true;
            showSaveProblem(answer.second.isEmpty() ? m_keeper.saveProblem() : answer.second);
            showNotices();
        });
}

void StatisticsDialog::showSummary(const LevelSummary &summary)
{
    const QLocale locale;
    const QString values[] = {
        locale.toString(summary.won),
        locale.toString(summary.lost),
        locale.toString(summary.drawn),
        locale.toString(summary.abandoned),
        summary.winRate ? locale.toString(*summary.winRate * 100, 'f', 1) + QStringLiteral(" %") : QStringLiteral("–"),
        optionalNumber(summary.averageGuessesInWins, 1),
        summary.fewestGuessesInWins ? locale.toString(*summary.fewestGuessesInWins) : QStringLiteral("–"),
        locale.toString(summary.currentStreak),
        locale.toString(summary.bestStreak),
    };
    for (int index = 0; index < int(std::size(kFigureCaptions)); ++index) {
        if (auto *value = findChild<QLabel *>(QString::fromUtf8(kFigureCaptions[index]))) {
            value->setText(values[index]);
            // Its caption beside it is read first; the value says only what it counts in its description.
            value->setAccessibleName(values[index]);
            value->setAccessibleDescription(tr(kFigureCaptions[index]));
        }
    }
    if (m_chart) {
        m_chart->showSummary(summary);
        m_chart->describeSummary(summary);
    }
    // The figures of the window just opened, or of a strength chosen in the box, are said aloud.
    if (std::exchange(m_levelChanged, false)) {
        m_announcer->announce(tr("%1: won %2, lost %3, drawn %4, abandoned %5")
                                  .arg(m_level->currentText(), values[0], values[1], values[2], values[3]));
    }
}

void StatisticsDialog::showLatest()
{
    const int level = m_level->currentData().toInt();
    m_keeper.ask<std::vector<MatchRecord>>(
        this, [level](StatisticsStore &store) { return store.latest(kLatestCount, level); },
        [this, level](const std::vector<MatchRecord> &matches) {
            if (level == m_level->currentData().toInt())
                showMatches(matches);
        });
}

void StatisticsDialog::showMatches(const std::vector<MatchRecord> &matches)
{
    m_latest->clear();
    m_shown = matches;
    const QLocale locale;
    for (const MatchRecord &match : matches) {
        auto *item = new QTreeWidgetItem(m_latest);
        if (!match.turns.empty()) {
            for (int column = 0; column < m_latest->columnCount(); ++column)
                item->setToolTip(column, tr("Double-click or press Return to review this match"));
        }
        item->setText(0, locale.toString(match.finished.toLocalTime(), QLocale::ShortFormat));
        // A daily puzzle or a duel is named where a match against Mac names its strength.
        item->setText(1, playedName(match));
        item->setText(2, resultText(match.result));
        item->setText(3, locale.toString(match.guesses));
        item->setTextAlignment(3, Qt::AlignRight | Qt::AlignVCenter);
        item->setText(4, match.hinted ? tr("Yes") : tr("No"));
        // Each cell read with its column's header, as a sighted user reads it off the table.
        for (int column = 0; column < m_latest->columnCount(); ++column) {
            item->setData(column, Qt::AccessibleTextRole,
                          tr("%1:").arg(m_latest->headerItem()->text(column)) + QLatin1Char(' ') + item->text(column));
        }
    }
    // The first row is current, so that the list says it when the keyboard reaches it.
    m_latest->setCurrentItem(m_latest->topLevelItem(0));
}

void StatisticsDialog::review(const QTreeWidgetItem *item)
{
    const int row = item ? m_latest->indexOfTopLevelItem(const_cast<QTreeWidgetItem *>(item)) : -1;
    if (row < 0 || row >= int(m_shown.size()) || m_shown[std::size_t(row)].turns.empty())
        return;
    ReviewDialog dialog(m_shown[std::size_t(row)], this);
    dialog.exec();
}

bool StatisticsDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_latest && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        // Taken whenever a match is current, with its turns or not: Return in the list never
        // closes the window.
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && m_latest->currentItem()) {
            review(m_latest->currentItem());
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void StatisticsDialog::askReset()
{
    QMessageBox question(QMessageBox::Question, tr("Reset Statistics"),
                         tr("Forget every match recorded at every strength?"), QMessageBox::NoButton, this);
    QPushButton *reset = question.addButton(tr("Reset"), QMessageBox::DestructiveRole);
    question.setDefaultButton(question.addButton(QMessageBox::Cancel));
    question.exec();
    if (question.clickedButton() != reset)
        return;
    m_keeper.reset();
    showLevel();
    showLatest();
}

void StatisticsDialog::showNotices()
{
    QStringList notices;
    if (!m_notices->text().isEmpty())
        notices << m_notices->text();
    const QString keptAside = m_keeper.takeKeptAsideNotice();
    if (!keptAside.isEmpty())
        notices << keptAside;
    if (m_unknownRows > 0) {
        notices << tr("%n stored match holds values this version does not know; it is left out of the figures and "
                      "kept in the file.", "", m_unknownRows);
        m_unknownRows = 0;
    }
    const StatisticsImport::Report report = m_keeper.takeImportReport();
    if (report.outcome == StatisticsImport::Outcome::Imported && report.invalid > 0) {
        notices << tr("%1 of the entries in the old statistics file could not be imported; they are kept in %2.")
                       .arg(report.invalid)
                       .arg(report.keptAs);
    } else if (report.outcome == StatisticsImport::Outcome::Refused || report.outcome == StatisticsImport::Outcome::Failed) {
        notices << tr("The old statistics file could not be imported (%1); it is left as it is.").arg(report.detail);
    }
    m_notices->setText(notices.join(QLatin1Char('\n')));
    m_notices->setVisible(!notices.isEmpty());
}

void StatisticsDialog::showSaveProblem(const QString &problem)
{
    m_saveProblem->setText(problem);
    m_saveProblem->setVisible(!problem.isEmpty());
}

void StatisticsDialog::askExport()
{
    const QString path = QFileDialog::getSaveFileName(this, tr("Export Statistics"), QStringLiteral("statistics.json"),
                                                      tr("JSON files (*.json)"));
    if (path.isEmpty())
        return;
    m_export->setEnabled(false);
    m_keeper.exportTo(path, this, [this](const QString &error) {
        m_export->setEnabled(true);
        if (!error.isEmpty()) {
            QMessageBox::warning(this, tr("Export Statistics"),
                                 tr("The statistics could not be exported: %1").arg(error));
        }
    });
}
