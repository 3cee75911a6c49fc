#pragma once

#include <QString>

// A modal alert with one message and a single "OK" button. Returns once the user pressed it.
class Alert
{
public:
    virtual ~Alert() = default;

    virtual void runModal(const QString &message) = 0;
};
