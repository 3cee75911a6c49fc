// SPDX-License-Identifier: GPL-3.0-or-later
#include "KeptMatchChooser.h"

#include "StatisticsDialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

#include <QScrollBar>

#include <algorithm>

namespace {
constexpr int kRowsShown = 8;
} // namespace

KeptMatchChooser::KeptMatchChooser(const std::vector<KeptMatch> &kept, QWidget *parent)
    : QDialog(parent)
    , m_list(new QListWidget(this))
{
    setWindowTitle(tr("Resume Match"));
    auto *caption = new QLabel(tr("&Unfinished matches, the newest first:"), this);
    caption->setBuddy(m_list);
    m_list->setAccessibleName(tr("Unfinished matches"));
    for (const KeptMatch &match : kept)
        m_list->addItem(describe(match));
    m_list->setCurrentRow(0);
    // As tall as its rows, up to eight; a longer list scrolls.
    const int frame = 2 * m_list->frameWidth();
    m_list->setMinimumWidth(m_list->sizeHintForColumn(0) + frame + m_list->verticalScrollBar()->sizeHint().width());
    m_list->setFixedHeight(m_list->sizeHintForRow(0) * std::min(m_list->count(), kRowsShown) + frame);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    QPushButton *resume = buttons->addButton(tr("&Resume"), QDialogButtonBox::AcceptRole);
    resume->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_list, &QListWidget::itemActivated, this, &QDialog::accept);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(caption);
    layout->addWidget(m_list);
    layout->addWidget(buttons);
    m_list->setFocus();
}

std::optional<std::size_t> KeptMatchChooser::choose(const std::vector<KeptMatch> &kept, QWidget *parent)
{
    KeptMatchChooser chooser(kept, parent);
    if (chooser.exec() != QDialog::Accepted || chooser.m_list->currentRow() < 0)
        return std::nullopt;
    return std::size_t(chooser.m_list->currentRow());
}

QString KeptMatchChooser::describe(const KeptMatch &kept)
{
    const SavedMatch &match = kept.match;
    const QString when = QLocale().toString(kept.updated.toLocalTime(), QStringLiteral("d MMM HH:mm"));
    if (match.dailyPuzzle > 0) {
        // The guess the puzzle waits for, or the one whose score it shows.
        const int guess = int(match.userTurns.size()) + (match.status == GameStatusUserTurn ? 1 : 0);
        return tr("%1 · guess %2 · %3").arg(StatisticsDialog::puzzleName(match.dailyPuzzle, match.dailyPractice)).arg(guess).arg(when);
    }
    // Mac opens every round; between rounds the match waits for the next one's first guess.
    const int macGuesses = int(match.macTurns.size()) + (match.macUnscoredGuess ? 1 : 0);
    const int round = std::max(macGuesses, int(match.userTurns.size())) + (match.status == GameStatusMacTurn ? 1 : 0);
    return tr("%1 · round %2 · %3").arg(StatisticsDialog::strengthName(match.strength)).arg(round).arg(when);
}
