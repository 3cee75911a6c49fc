// SPDX-License-Identifier: GPL-3.0-or-later
#include "AboutDialog.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QVBoxLayout>

AboutDialog::AboutDialog(QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(tr("About Hit & Blow"));

    auto *icon = new QLabel(this);
    icon->setPixmap(QIcon(QStringLiteral(":/icons/org.hitblow.HitBlow.svg")).pixmap(96, 96));
    icon->setAlignment(Qt::AlignTop);

    auto *text = new QLabel(aboutText(), this);
    text->setTextFormat(Qt::RichText);
    text->setWordWrap(true);
    text->setOpenExternalLinks(true);
    // Selectable by mouse only: a label taking the keyboard focus would be read a second time.
    text->setTextInteractionFlags(Qt::TextSelectableByMouse);
    text->setMinimumWidth(320);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *body = new QHBoxLayout;
    body->addWidget(icon);
    body->addWidget(text, 1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(body);
    layout->addWidget(buttons);
}

QString AboutDialog::aboutText()
{
    const QStringList paragraphs = {
        tr("Version %1").arg(QStringLiteral(HITBLOW_VERSION)),
        tr("Guess the computer's four-digit number before it guesses yours."),
        tr("Copyright © the Hit & Blow developers."),
        tr("This program is free software: you can redistribute it and/or modify it under the terms "
           "of the GNU General Public License, version 3 or (at your option) any later version "
           "(GPL-3.0-or-later). It comes with ABSOLUTELY NO WARRANTY."),
    };
    QString html = QStringLiteral("<h2>Hit &amp; Blow</h2>");
    for (const QString &paragraph : paragraphs)
        html += QStringLiteral("<p>%1</p>").arg(paragraph.toHtmlEscaped());
    return html;
}
