// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// A modal alert with one message and a single "OK" button. Returns once the user pressed it.
// details, when given, says under the message what exactly is wrong.
class Alert
{
public:
    virtual ~Alert() = default;

    virtual void runModal(const QString &message, const QString &details = QString()) = 0;
};
