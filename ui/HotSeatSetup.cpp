// SPDX-License-Identifier: GPL-3.0-or-later
#include "HotSeatSetup.h"

#include "DuelCurtain.h"
#include "DuelNumberEntry.h"
#include "access/LiveAnnouncer.h"
#include "platform/UserDefaults.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace {
const std::array<QString, 2> kNameKeys{QStringLiteral("DuelPlayer1Name"), QStringLiteral("DuelPlayer2Name")};
constexpr int kLongestName = 40;
} // namespace

HotSeatSetup::HotSeatSetup(QWidget *parent)
    : QDialog(parent)
    , m_pages(new QStackedWidget(this))
    , m_namesPage(new QWidget(m_pages))
    , m_hidingPage(new QWidget(m_pages))
    , m_hidingPrompt(new QLabel(m_hidingPage))
    , m_refusal(new QLabel(m_hidingPage))
    , m_entry(new DuelNumberEntry(m_hidingPage))
    , m_curtain(new DuelCurtain(m_pages))
    , m_announcer(new LiveAnnouncer(this))
{
    setWindowTitle(tr("Duel at This Computer"));
    setFocusPolicy(Qt::StrongFocus);

    auto *form = new QFormLayout(m_namesPage);
    const auto defaults = openUserDefaults();
    for (int player = 0; player < 2; ++player) {
        m_names[player] = new QLineEdit(m_namesPage);
        m_names[player]->setMaxLength(kLongestName);
        m_names[player]->setText(defaults->value(kNameKeys[player]).toString().left(kLongestName));
        m_names[player]->setPlaceholderText(tr("Player %1").arg(player + 1));
        form->addRow(tr("Player &%1:").arg(player + 1), m_names[player]);
    }
    form->addRow(new QLabel(tr("Player 1 guesses first in each round; Player 2 has the last guess."), m_namesPage));
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, m_namesPage);
    buttons->button(QDialogButtonBox::Ok)->setText(tr("&Start"));
    form->addRow(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &HotSeatSetup::takeNames);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *hiding = new QVBoxLayout(m_hidingPage);
    m_hidingPrompt->setWordWrap(true);
    m_hidingPrompt->setAlignment(Qt::AlignCenter);
    m_refusal->setAlignment(Qt::AlignCenter);
    hiding->addWidget(m_hidingPrompt);
    hiding->addWidget(m_refusal);
    hiding->addWidget(m_entry, 0, Qt::AlignHCenter);
    connect(m_entry, &DuelNumberEntry::entered, this, &HotSeatSetup::hidden);
    connect(m_entry, &DuelNumberEntry::refused, this, [this](const QString &why) {
        m_refusal->setText(why);
        announce(why);
    });
    connect(m_curtain, &DuelCurtain::lifted, this, &HotSeatSetup::liftCurtain);

    m_pages->addWidget(m_namesPage);
    m_pages->addWidget(m_hidingPage);
    m_pages->addWidget(m_curtain);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_pages);
    m_names[0]->setFocus();
}

HotSeatSetup::~HotSeatSetup() = default;

QString HotSeatSetup::playerName(int player) const
{
    const QString typed = m_names.at(player)->text().simplified();
    return typed.isEmpty() ? m_names.at(player)->placeholderText() : typed;
}

void HotSeatSetup::takeNames()
{
    const auto defaults = openUserDefaults();
    for (int player = 0; player < 2; ++player)
        defaults->setValue(kNameKeys[player], m_names[player]->text().simplified());
    synchronize(*defaults);
    hide(0);
}

void HotSeatSetup::hide(int player)
{
    m_hiding = player;
    m_hidingPrompt->setText(tr("%1, hide your number: four different digits. %2, please look away.")
                                .arg(playerName(player), playerName(1 - player)));
    m_refusal->clear();
    m_entry->clear();
    m_pages->setCurrentWidget(m_hidingPage);
    setFocus();
    announce(m_hidingPrompt->text());
}

void HotSeatSetup::hidden(const NumberSet &number)
{
    m_secrets[m_hiding] = number;
    if (m_hiding == 1) {
        accept();
        return;
    }
    m_curtain->passTo(playerName(1), tr("%1 has hidden a number.").arg(playerName(0)));
    m_pages->setCurrentWidget(m_curtain);
    announce(m_curtain->heading());
}

void HotSeatSetup::liftCurtain()
{
    if (m_pages->currentWidget() == m_curtain)
        hide(1);
}

void HotSeatSetup::keyPressEvent(QKeyEvent *event)
{
    const QWidget *page = m_pages->currentWidget();
    if (event->key() != Qt::Key_Escape) {
        if (page == m_curtain && DuelCurtain::liftedBy(*event)) {
            liftCurtain();
            return;
        }
        if (page == m_hidingPage && m_entry->typeKey(event->key()))
            return;
        if (page == m_namesPage && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
            takeNames();
            return;
        }
    }
    QDialog::keyPressEvent(event);
}

void HotSeatSetup::announce(const QString &phrase)
{
    m_announcer->announce(phrase);
}
