// SPDX-License-Identifier: GPL-3.0-or-later
#include "DuelCurtain.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QVBoxLayout>

DuelCurtain::DuelCurtain(QWidget *parent)
    : QWidget(parent)
    , m_news(new QLabel(this))
    , m_heading(new QLabel(this))
    , m_hint(new QLabel(this))
{
    QFont large = m_heading->font();
    large.setPointSizeF(large.pointSizeF() * 2);
    large.setBold(true);
    m_heading->setFont(large);
    for (QLabel *label : {m_news, m_heading, m_hint}) {
        label->setAlignment(Qt::AlignCenter);
        label->setWordWrap(true);
    }
    auto *layout = new QVBoxLayout(this);
    layout->addStretch();
    layout->addWidget(m_news);
    layout->addWidget(m_heading);
    layout->addWidget(m_hint);
    layout->addStretch();
}

void DuelCurtain::passTo(const QString &player, const QString &news)
{
    m_news->setText(news);
    m_news->setVisible(!news.isEmpty());
    m_heading->setText(tr("Pass to %1").arg(player));
    m_hint->setText(tr("%1: press any key or click here to go on.").arg(player));
}

QString DuelCurtain::heading() const
{
    return m_heading->text();
}

bool DuelCurtain::liftedBy(const QKeyEvent &event)
{
    switch (event.key()) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Meta:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_CapsLock:
    case Qt::Key_NumLock:
    case Qt::Key_Super_L:
    case Qt::Key_Super_R:
        return false;
    default:
        return true;
    }
}

void DuelCurtain::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        emit lifted();
}
