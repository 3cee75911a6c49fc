// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "match/SavedMatch.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

// A match in progress that another run of the game kept, as it is offered for resuming: the
// match, its row, the game that held it when it was read, when it was last kept, and its text as
// stored.
struct KeptMatch {
    SavedMatch match;
    qint64 row = 0;
    QString holder;
    QDateTime updated;
    QByteArray text;
};
