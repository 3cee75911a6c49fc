// SPDX-License-Identifier: GPL-3.0-or-later
#include "DuelWindow.h"

#include "DuelCurtain.h"
#include "DuelNumberEntry.h"
#include "access/BoardSpeech.h"
#include "access/LiveAnnouncer.h"
#include "rules/NumberText.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

DuelWindow::DuelWindow(DuelPlay &duel, QWidget *parent)
    : QDialog(parent)
    , m_duel(duel)
    , m_pages(new QStackedWidget(this))
    , m_curtain(new DuelCurtain(m_pages))
    , m_turn(new QLabel(this))
    , m_refusal(new QLabel(this))
    , m_entry(new DuelNumberEntry(this))
    , m_close(new QPushButton(tr("Close"), this))
    , m_announcer(new LiveAnnouncer(this))
{
    setWindowTitle(tr("Duel"));
    setFocusPolicy(Qt::StrongFocus);

    auto *board = new QWidget(m_pages);
    auto *grid = new QGridLayout(board);
    QFont headingFont = m_turn->font();
    headingFont.setPointSizeF(headingFont.pointSizeF() * 1.4);
    headingFont.setBold(true);
    m_turn->setFont(headingFont);
    m_turn->setAlignment(Qt::AlignCenter);
    grid->addWidget(m_turn, 0, 0, 1, 2);
    for (int player = 0; player < 2; ++player) {
        m_headings[player] = new QLabel(board);
        m_headings[player]->setAlignment(Qt::AlignCenter);
        m_records[player] = new QListWidget(board);
        m_records[player]->setFocusPolicy(Qt::NoFocus);
        m_records[player]->setSelectionMode(QAbstractItemView::NoSelection);
        m_records[player]->setMinimumWidth(m_records[player]->fontMetrics().horizontalAdvance(QLatin1Char('M')) * 22);
        grid->addWidget(m_headings[player], 1, player);
        grid->addWidget(m_records[player], 2, player);
    }
    m_refusal->setAlignment(Qt::AlignCenter);
    grid->addWidget(m_refusal, 3, 0, 1, 2);
    grid->addWidget(m_entry, 4, 0, 1, 2, Qt::AlignHCenter);
    m_close->setFocusPolicy(Qt::NoFocus);
    m_close->hide();
    grid->addWidget(m_close, 5, 0, 1, 2, Qt::AlignRight);
    m_pages->addWidget(board);
    m_pages->addWidget(m_curtain);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_pages);

    connect(m_curtain, &DuelCurtain::lifted, this, &DuelWindow::liftCurtain);
    connect(m_entry, &DuelNumberEntry::entered, this, &DuelWindow::guess);
    connect(m_entry, &DuelNumberEntry::refused, this, [this](const QString &why) {
        m_refusal->setText(why);
        announce(why);
    });
    connect(m_close, &QPushButton::clicked, this, &QDialog::accept);
    connect(&m_duel, &DuelPlay::started, this, &DuelWindow::showStart);
    connect(&m_duel, &DuelPlay::turnPlayed, this, &DuelWindow::showTurnPlayed);
    connect(&m_duel, &DuelPlay::ended, this, &DuelWindow::showEnd);
    m_started = m_duel.playerToGuess() >= 0 || m_duel.result().ending != DuelPlay::Ending::Running;
    showBoard();
    // A duel already running is told once the window is active, where a screen reader hears it.
    m_startUntold = m_started;
}

DuelWindow::~DuelWindow() = default;

bool DuelWindow::curtainShown() const
{
    return m_pages->currentWidget() == m_curtain;
}

QString DuelWindow::curtainHeading() const
{
    return m_curtain->heading();
}

QString DuelWindow::turnText() const
{
    return m_turn->text();
}

// Between two players at this computer, the first to guess takes the board from the one who hid
// a number last.
void DuelWindow::showStart()
{
    m_started = true;
    const int first = m_duel.playerToGuess();
    if (first >= 0 && m_duel.isLocal(0) && m_duel.isLocal(1)) {
        m_curtain->passTo(m_duel.playerName(first), {});
        m_pages->setCurrentWidget(m_curtain);
        announce(m_curtain->heading());
    } else {
        showBoard();
        // A duel handed over already running: the other player may have guessed before this
        // window opened, and is heard with whose turn it is.
        QStringList phrases{m_turn->text()};
        for (int player = 0; player < 2; ++player) {
            if (!m_duel.isLocal(player) && !m_duel.turnsOf(player).empty())
                phrases.prepend(scorePhrase(player, m_duel.turnsOf(player).back()));
        }
        announce(sentences(phrases));
    }
}

void DuelWindow::showTurnPlayed(int player)
{
    const std::vector<Turn> &turns = m_duel.turnsOf(player);
    if (turns.empty())
        return;
    const QString news = scorePhrase(player, turns.back());
    const int next = m_duel.playerToGuess();
    if (next >= 0 && next != player && m_duel.isLocal(next) && m_duel.isLocal(player)) {
        showRecords();
        m_curtain->passTo(m_duel.playerName(next), news);
        m_pages->setCurrentWidget(m_curtain);
        announce(sentences({news, m_curtain->heading()}));
        return;
    }
    showBoard();
    if (m_duel.result().ending == DuelPlay::Ending::Running)
        announce(sentences({news, m_turn->text()}));
    else
        announce(news);
}

void DuelWindow::showEnd()
{
    showBoard();
    QStringList phrases{endText()};
    for (int player = 0; player < 2; ++player) {
        if (const auto secret = m_duel.secretOf(player))
            phrases << tr("%1's number: %2").arg(m_duel.playerName(player), BoardSpeech::digits(*secret));
    }
    announce(sentences(phrases));
}

void DuelWindow::liftCurtain()
{
    if (!curtainShown())
        return;
    showBoard();
    announce(m_turn->text());
}

void DuelWindow::showBoard()
{
    m_pages->setCurrentIndex(0);
    m_refusal->clear();
    showRecords();
    showTurn();
    setFocus();
}

void DuelWindow::showRecords()
{
    for (int player = 0; player < 2; ++player) {
        QString heading = m_duel.playerName(player);
        if (const auto secret = m_duel.secretOf(player); secret && m_duel.result().ending != DuelPlay::Ending::Running)
            heading = tr("%1 hid %2").arg(heading, NumberText::of(*secret));
        m_headings[player]->setText(heading);
        m_records[player]->clear();
        int number = 0;
        for (const Turn &turn : m_duel.turnsOf(player)) {
            m_records[player]->addItem(tr("%1.  %2   %3, %4")
                                           .arg(++number)
                                           .arg(NumberText::of(turn.guess), BoardSpeech::hits(turn.score.hits),
                                                BoardSpeech::blows(turn.score.blows)));
        }
        m_records[player]->scrollToBottom();
    }
}

void DuelWindow::showTurn()
{
    const bool over = m_duel.result().ending != DuelPlay::Ending::Running;
    const int player = m_duel.playerToGuess();
    const bool typing = player >= 0 && m_duel.isLocal(player);
    if (over) {
        m_turn->setText(endText());
    } else if (!m_started) {
        m_turn->setText(tr("Waiting for the duel to start…"));
    } else if (typing) {
        m_turn->setText(tr("%1, your guess").arg(m_duel.playerName(player)));
    } else {
        const int remote = m_duel.isLocal(1) ? 0 : 1;
        m_turn->setText(tr("Waiting for %1…").arg(m_duel.playerName(remote)));
    }
    m_entry->setEnabled(typing);
    m_entry->setVisible(!over);
    m_close->setVisible(over);
}

void DuelWindow::guess(const NumberSet &number)
{
    m_refusal->clear();
    m_duel.guess(number);
    // Over the network nobody guesses until the score comes back.
    if (!curtainShown())
        showTurn();
}

void DuelWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        QDialog::keyPressEvent(event);
        return;
    }
    if (curtainShown()) {
        if (DuelCurtain::liftedBy(*event))
            liftCurtain();
        return;
    }
    if (m_duel.result().ending != DuelPlay::Ending::Running
        && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
        accept();
        return;
    }
    if (!m_entry->typeKey(event->key()))
        QDialog::keyPressEvent(event);
}

void DuelWindow::changeEvent(QEvent *event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && m_startUntold) {
        m_startUntold = false;
        showStart();
    }
}

void DuelWindow::reject()
{
    if (m_duel.result().ending == DuelPlay::Ending::Running && m_started) {
        // Whoever is to guess gives up: here, or the one player here while the other is awaited.
        const int toGuess = m_duel.playerToGuess();
        const int leaving = toGuess >= 0 && m_duel.isLocal(toGuess) ? toGuess : (m_duel.isLocal(0) ? 0 : 1);
        const auto answer = QMessageBox::question(
            this, tr("Give Up the Duel"),
            tr("Give up the duel? It ends here, given up by %1.").arg(m_duel.playerName(leaving)),
            QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
        if (answer != QMessageBox::Yes)
            return;
        m_duel.leave();
    }
    QDialog::reject();
}

// One phrase of several, spoken in one breath: "Anna: 5 6 8 7, 2 hits, 2 blows. Pass to Ben".
QString DuelWindow::sentences(const QStringList &phrases)
{
    return phrases.join(QStringLiteral(". "));
}

void DuelWindow::announce(const QString &phrase)
{
    m_lastAnnouncement = phrase;
    m_announcer->announce(phrase);
}

QString DuelWindow::endText() const
{
    const DuelPlay::Result result = m_duel.result();
    const QString name = result.player >= 0 ? m_duel.playerName(result.player) : QString();
    switch (result.ending) {
    case DuelPlay::Ending::Won:
        return tr("%1 won").arg(name);
    case DuelPlay::Ending::Draw:
        return tr("Draw");
    case DuelPlay::Ending::Lied:
        return tr("The scores of %1 were false").arg(name);
    case DuelPlay::Ending::Left:
        return tr("%1 left the duel").arg(name);
    case DuelPlay::Ending::Running:
        break;
    }
    return {};
}

// "Anna: 0 1 2 3, 1 hit, 2 blows"
QString DuelWindow::scorePhrase(int player, const Turn &turn) const
{
    return tr("%1: %2, %3, %4")
        .arg(m_duel.playerName(player), BoardSpeech::digits(turn.guess), BoardSpeech::hits(turn.score.hits),
             BoardSpeech::blows(turn.score.blows));
}
