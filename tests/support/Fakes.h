// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ManualScheduler.h"
#include "platform/Alert.h"
#include "platform/RandomSource.h"
#include "platform/Services.h"
#include "platform/SoundPlayer.h"

#include <QStringList>

#include <deque>
#include <functional>

// Records every sound and beep in order; beeps appear as "<beep>".
class RecordingSoundPlayer final : public SoundPlayer
{
public:
    void play(const QString &name) override { played << name; }
    void beep() override { played << QStringLiteral("<beep>"); }

    QStringList played;
};

// Answers every alert at once with OK and remembers its message and details.
class FakeAlert final : public Alert
{
public:
    void runModal(const QString &message, const QString &details = QString()) override
    {
        messages << message;
        this->details << details;
        if (onShown)
            onShown();
    }

    QStringList messages;
    QStringList details;
    std::function<void()> onShown;
};

// Hands out the queued values first, then counts upwards from 0.
class ScriptedRandomSource final : public RandomSource
{
public:
    std::uint32_t draw() override
    {
        if (queued.empty())
            return m_next++ & 0x7fffffffu;
        const std::uint32_t value = queued.front();
        queued.pop_front();
        return value;
    }

    std::deque<std::uint32_t> queued;

private:
    std::uint32_t m_next = 0;
};

// The fakes together, ready to hand to the game's classes.
struct FakeServices {
    ManualScheduler scheduler;
    RecordingSoundPlayer sounds;
    FakeAlert alert;
    ScriptedRandomSource random;

    Services services() { return Services{scheduler, sounds, alert, random}; }
};
